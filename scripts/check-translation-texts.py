#!/usr/bin/env python3
"""Checks each finished translation against its source text: the same
placeholders (%1, %2, ... and %n), the same number of keyboard mnemonics
(an '&' before a letter; '&&' is a plain ampersand), the same line breaks
at the start and end, and the same ellipsis at the end of a menu item.
Prints "file: context: source: problem" for each fault; exits 1 if any."""

import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(\d+|n)")
MNEMONIC = re.compile(r"&(?!&)(?=\w)")


def faults(source, translation):
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        yield "placeholders differ"
    if len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(translation)):
        yield "mnemonics differ"
    if source.endswith("…") != translation.endswith("…") or source.endswith("...") != translation.endswith("..."):
        yield "ending ellipsis differs"
    if source.startswith("\n") != translation.startswith("\n") or source.endswith("\n") != translation.endswith("\n"):
        yield "line breaks at the ends differ"


def main(paths):
    status = 0
    for path in paths:
        for context in ET.parse(path).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                node = message.find("translation")
                if node is None or node.get("type") in ("unfinished", "vanished", "obsolete"):
                    continue
                forms = [f.text or "" for f in node.iter("numerusform")] or [node.text or ""]
                for text in forms:
                    for fault in faults(source, text):
                        print(f"{path}: {name}: {source!r}: {fault}")
                        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

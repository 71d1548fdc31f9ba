#!/usr/bin/env python3
"""Gives a text that moved to another context the translation it had in the
old one: for each unfinished entry whose source is the source of a vanished
or obsolete entry with a translation, the translation is carried over and the
entry finished. Run by scripts/update-translations.sh after lupdate, which
then drops the vanished entries."""

import re
import sys

ENTRY = re.compile(r"(<message>\s*<source>(.*?)</source>(?:\s*<comment>.*?</comment>)?(?:\s*<extracomment>.*?</extracomment>)?\s*)<translation( type=\"(\w+)\")?>(.*?)</translation>", re.S)


def carry(text):
    kept = {}
    for match in ENTRY.finditer(text):
        source, kind, translation = match.group(2), match.group(4), match.group(5)
        if kind in ("vanished", "obsolete") and translation:
            kept.setdefault(source, translation)

    carried = 0

    def fill(match):
        nonlocal carried
        head, source, kind, translation = match.group(1), match.group(2), match.group(4), match.group(5)
        if kind == "unfinished" and not translation and source in kept:
            carried += 1
            return f"{head}<translation>{kept[source]}</translation>"
        return match.group(0)

    return ENTRY.sub(fill, text), carried


def main(paths):
    for path in paths:
        with open(path, encoding="utf-8") as f:
            text, carried = carry(f.read())
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        if carried:
            print(f"{path}: {carried} translations carried to their texts' new contexts")


if __name__ == "__main__":
    main(sys.argv[1:])

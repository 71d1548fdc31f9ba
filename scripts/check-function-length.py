#!/usr/bin/env python3
"""Fails when a C++ function body is longer than the limit.

Reads every .cpp and .h file of the given folders, skips comments, strings
and preprocessor lines, and counts a function from the line of its opening
brace's signature to its closing brace. A brace counts as a function body
when it opens at namespace or class level after a parameter list; lambdas
and local classes count towards the function they stand in.
Usage: check-function-length.py [--limit N] [--list N] FOLDER...
"""
import argparse
import os
import re
import sys

NOT_A_FUNCTION = re.compile(r'^\s*(namespace|class|struct|union|enum|extern)\b|=\s*$')


def strip(text):
    """Blanks comments, string and character literals, keeping line breaks."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            i = j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append('\n' * text.count('\n', i, j))
            i = j
        elif text.startswith('R"', i):
            m = re.match(r'R"([^(]*)\(', text[i:])
            end = ')' + (m.group(1) if m else '') + '"'
            j = text.find(end, i)
            j = n if j < 0 else j + len(end)
            out.append('""' + '\n' * text.count('\n', i, j))
            i = j
        elif c in '"\'':
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == '\\' else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    lines = ''.join(out).split('\n')
    return '\n'.join('' if l.lstrip().startswith('#') else l for l in lines)


def functions(path):
    text = strip(open(path, encoding='utf-8', errors='replace').read())
    stack = []  # one entry per open brace: 'scope', 'function' or 'inner'
    head_start, head = 0, ''
    line = 1
    for c in text:
        if c == '\n':
            line += 1
        if c == '{':
            inside = any(kind == 'function' for kind, _ in stack)
            is_function = (not inside and ')' in head
                           and not NOT_A_FUNCTION.search(head)
                           and not re.search(r'=\s*$', head.strip() + ' '))
            kind = 'inner' if inside else ('function' if is_function else 'scope')
            stack.append((kind, head_start if is_function else line))
            head, head_start = '', line
        elif c == '}':
            if stack:
                kind, start = stack.pop()
                if kind == 'function':
                    yield start, line
            head, head_start = '', line
        elif c == ';':
            head, head_start = '', line
        else:
            if not head.strip() and not c.isspace():
                head_start = line
            head += c


def source_folders(list_file):
    """The folders named in list_file, one a line; '#' starts a comment line."""
    with open(list_file, encoding='utf-8') as lines:
        return [line.strip() for line in lines if line.strip() and not line.startswith('#')]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--limit', type=int, default=80)
    parser.add_argument('--list', type=int, default=0, help='print the N longest functions')
    parser.add_argument('folders', nargs='*', help='the folders to read; scripts/source-folders when none')
    args = parser.parse_args()
    if not args.folders:
        args.folders = source_folders(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'source-folders'))
    found = []
    for folder in args.folders:
        for root, _, files in os.walk(folder):
            for name in files:
                if name.endswith(('.cpp', '.h')):
                    path = os.path.join(root, name)
                    for start, end in functions(path):
                        found.append((end - start + 1, path, start))
    found.sort(reverse=True)
    for length, path, start in found[:args.list]:
        print(f'{length:5} {path}:{start}')
    too_long = [f for f in found if f[0] > args.limit]
    for length, path, start in too_long:
        print(f'{path}:{start}: function of {length} lines (limit {args.limit})', file=sys.stderr)
    print(f'{len(found)} functions read, {len(too_long)} over {args.limit} lines')
    return 1 if too_long else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Fails on any #include that points up the layer order.

Layers run one way, bottom to top; a file may include headers of its own
component and of components on lower layers, never of its own layer's
other components or of higher ones. Headers ending in "_p.h" are internal
to their component. Tests and benchmarks follow the component they mirror
(tests/report/x.cpp is held to report's rules) and may also use
tests/support. Prints "file:line: ..." for each offence.
Usage: check-layers.py [SOURCE_ROOT]
       check-layers.py --self-test   (checks the checker on a small tree)
"""
import os
import re
import sys
import tempfile

# Bottom to top. One row is one layer.
LAYERS = [
    ['host/constants', 'files'],       # the host interface's numbers; writing files
    ['spreadsheet/xls', 'plan'],       # the .xls file layer; the plan and its stored form
    ['spreadsheet/core'],              # the engine, part by part from here
    ['spreadsheet/format'],
    ['spreadsheet/input'],
    ['spreadsheet/formula'],
    ['spreadsheet/model'],
    ['spreadsheet/io'],
    ['spreadsheet/picture'],           # pictures of the engine's ranges
    ['host/interface'],                # the host interface
    ['platform'],                      # the seam
    ['host/engine'],                   # the host interface on the engine
    ['messages'],                      # message boxes, the application title
    ['errors'],                        # the error trap and its box
    ['figures', 'lists'],              # the plan's figures, read as the host's sheet reads them;
                                       # lists in and out as text other programs read
    ['report'],                        # the report run and the plan sheet
    ['command_line', 'startup', 'ui/common'],  # scripting forms; the lock; what both windows share
    ['ui/preview', 'ui/glance', 'ui/import'],  # the preview; the plan at a glance; importing guests
    ['ui/main'],
    ['app'],
]
LAYER_OF = {component: rank for rank, row in enumerate(LAYERS) for component in row}
# The engine's parts make one library; the file layer and the pictures are
# libraries of their own.
ENGINE_PARTS = {component for component in LAYER_OF if component.startswith('spreadsheet/')} \
    - {'spreadsheet/xls', 'spreadsheet/picture'}


def library_of(component):
    """Internal headers are shared within one library."""
    return 'spreadsheet' if component in ENGINE_PARTS else component


SOURCE_FOLDERS_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'source-folders')
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def component_of(path):
    """The longest component folder that path lies in, or None."""
    best = None
    for component in LAYER_OF:
        if path == component or path.startswith(component + '/'):
            if best is None or len(component) > len(best):
                best = component
    return best


def owner_of(path):
    """The component whose rules a file follows, and whether it is a test."""
    if path.startswith('tests/support/'):
        return 'platform', True  # the scripted seam and shared fixtures
    for mirror in ('tests/', 'bench/'):
        if path.startswith(mirror):
            return component_of(path[len(mirror):]), True
    return component_of(path), False


def offence(path, header):
    if header.startswith('tests/support/'):
        return None if path.startswith(('tests/', 'bench/')) else 'test support outside the tests'
    if '/' not in header:
        return None  # a file of the same folder
    owner, mirrored = owner_of(path)
    target = component_of(header)
    if target is None:
        return f'"{header}" is in no known component'
    if owner is None:
        return f'{path} is in no known component'
    if header.endswith('_p.h') and library_of(target) != library_of(owner) and not mirrored:
        return f'"{header}" is internal to {library_of(target)}'
    if target == owner:
        return None
    if owner.startswith('spreadsheet') and target == 'plan':
        return f'{owner} may not know the plan'
    # Above the adapter the engine is reached only through the host
    # interface; only the program's wiring knows the adapter.
    if target.startswith('spreadsheet') and not owner.startswith('spreadsheet') \
            and owner != 'host/engine' and not mirrored:
        return f'{owner} may reach the engine only through the host interface'
    if target == 'host/engine' and owner != 'app' and not mirrored:
        return f'{owner} may not know the engine adapter; app/ wires it'
    if LAYER_OF[target] >= LAYER_OF[owner]:
        return (f'{owner} (layer {LAYER_OF[owner]}) includes "{header}" '
                f'of {target} (layer {LAYER_OF[target]})')
    return None


def source_folders():
    """The folders that hold sources, as scripts/source-folders lists them."""
    with open(SOURCE_FOLDERS_FILE, encoding='utf-8') as lines:
        return [line.strip() for line in lines if line.strip() and not line.startswith('#')]


def check_tree(root):
    """Prints each offence under root; returns how many there are."""
    offences = 0
    files = 0
    for folder in source_folders():
        for base, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if not name.endswith(('.h', '.cpp')):
                    continue
                files += 1
                full = os.path.join(base, name)
                path = os.path.relpath(full, root).replace(os.sep, '/')
                with open(full, encoding='utf-8', errors='replace') as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if match:
                            why = offence(path, match.group(1))
                            if why:
                                offences += 1
                                print(f'{path}:{number}: include against the layer order: {why}')
    print(f'{files} files read, {offences} includes against the layer order')
    return offences


# A small tree per case: (file, its text, offences expected).
SELF_TEST_CASES = [
    ('report/run.cpp', '#include "errors/error_trap.h"\n', 0),      # down: fine
    ('errors/error_box.cpp', '#include "report/report_run.h"\n', 1),  # up
    ('messages/message.cpp', '#include "errors/error_box.h"\n', 1),   # up, to the next layer
    ('platform/system.h', '#include "report/x.h"\n', 1),            # the seam knows no report
    ('report/run.cpp', '#include "spreadsheet/model/range.h"\n', 1),  # the engine only via the host
    ('report/run.cpp', '#include "host/engine/engine_host.h"\n', 1),  # only app/ knows the engine's side
    ('app/main.cpp', '#include "host/engine/engine_host.h"\n', 0),
    ('tests/report/t.cpp', '#include "host/engine/engine_host.h"\n', 0),  # tests may
    ('spreadsheet/core/a.cpp', '#include "plan/plan.h"\n', 1),      # the engine knows no plan
    ('spreadsheet/core/a.cpp', '#include "spreadsheet/model/range.h"\n', 1),  # up inside the engine
    ('spreadsheet/model/a.cpp', '#include "spreadsheet/format/format_code_p.h"\n', 0),
    ('spreadsheet/model/a.cpp', '#include "host/constants/xl_constants.h"\n', 0),
    ('host/engine/a.cpp', '#include "spreadsheet/format/format_code_p.h"\n', 1),  # internal
    ('plan/plan.cpp', '#include "spreadsheet/xls/xls_io.h"\n', 1),  # same layer
    ('spreadsheet/xls/a.cpp', '#include "files/safe_write.h"\n', 0),  # the writer is below all
    ('files/a.cpp', '#include "host/constants/xl_constants.h"\n', 1),  # same layer
    ('ui/common/skin.cpp', '#include "startup/plan_lock.h"\n', 1),  # same layer
    ('ui/main/w.cpp', '#include "ui/common/skin.h"\n', 0),
]


def self_test():
    failures = 0
    for path, text, expected in SELF_TEST_CASES:
        with tempfile.TemporaryDirectory() as root:
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full))
            with open(full, 'w', encoding='utf-8') as source:
                source.write(text)
            found = check_tree(root)
        if found != expected:
            failures += 1
            print(f'SELF-TEST FAILED: {path} with {text.strip()}: {found} offences, expected {expected}')
    print(f'{len(SELF_TEST_CASES)} cases, {failures} failed')
    return 1 if failures else 0


def main():
    if sys.argv[1:] == ['--self-test']:
        return self_test()
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    return 1 if check_tree(root) else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Holds every #include of the layered folders to the layer table.

    check-layers.py LAYERS_TXT SOURCE_ROOT

LAYERS_TXT is written by CMake (cmake/Layers.cmake): one line a layer,
"name folders depends links", lists comma-separated and closed by "-".  A
file of a layer may include its own layer's headers and those of the layers
it depends on, directly or through them; not a layer above it, not one it
only links, and no file outside the layers (tests, benchmarks).  A file that
includes a Windows header must be a Windows file: *_win32.cpp, or a header
that refuses other builds with "#ifndef _WIN32" and "#error".
Prints one line a fault, "file:line: reason", and exits 1 when there is any.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
WINDOWS_HEADERS = {'windows.h', 'objbase.h', 'objidl.h', 'shlobj.h', 'shellapi.h', 'commctrl.h',
                   'commdlg.h', 'wingdi.h', 'winuser.h', 'winbase.h', 'shlwapi.h', 'ole2.h'}


def read_table(path):
    layers = {}
    for line in open(path, encoding='utf-8'):
        parts = line.split()
        if not parts:
            continue
        name, folders, depends, links = parts
        split = lambda text: [x for x in text.rstrip('-').split(',') if x]
        layers[name] = {'folders': split(folders), 'depends': split(depends), 'links': split(links)}
    return layers


def closure(layers, name):
    seen, todo = set(), [name]
    while todo:
        current = todo.pop()
        for dep in layers[current]['depends']:
            if dep not in seen:
                seen.add(dep)
                todo.append(dep)
    return seen


def owner(layers, path):
    """The layer whose folder holds path (the deepest folder wins)."""
    best, depth = None, -1
    for name, layer in layers.items():
        for folder in layer['folders']:
            if os.path.dirname(path) == folder and len(folder) > depth:
                best, depth = name, len(folder)
    return best


def windows_only_header(text):
    return re.search(r'#\s*ifndef\s+_WIN32', text) is not None and '#error' in text


def main():
    table, root = sys.argv[1], sys.argv[2]
    layers = read_table(table)
    faults = []
    for name, layer in layers.items():
        allowed = closure(layers, name) | {name}
        for folder in layer['folders']:
            directory = os.path.join(root, folder)
            if not os.path.isdir(directory):
                continue
            for entry in sorted(os.listdir(directory)):
                if not re.search(r'\.(h|cpp|c)$', entry):
                    continue
                relative = f'{folder}/{entry}'
                text = open(os.path.join(directory, entry), encoding='utf-8', errors='replace').read()
                windows_file = entry.endswith('_win32.cpp') or (entry.endswith('.h') and windows_only_header(text))
                for number, line in enumerate(text.splitlines(), 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    kind, target = match.groups()
                    if kind == '<':
                        if target.lower() in WINDOWS_HEADERS and not windows_file:
                            faults.append(f'{relative}:{number}: <{target}> in a portable file')
                        continue
                    target_layer = owner(layers, target)
                    if target_layer is None:
                        faults.append(f'{relative}:{number}: "{target}" belongs to no layer')
                    elif target_layer not in allowed:
                        faults.append(f'{relative}:{number}: layer {name} includes "{target}" of layer '
                                      f'{target_layer}, which is not below it')
    for fault in faults:
        print(fault)
    print(f'check-layers: {len(layers)} layers, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Fails when the source folders include each other in a circle.

A folder is platform/<name> or another top-level source folder (calc, skin, lookandfeel,
editors, app, cli, resources). Tests, benchmarks, fuzzers and tools may include anything.
Usage: check-folder-cycles.py [source root]. Prints each circle and exits 1 when there is one."""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
NOT_SOURCE = {'tests', 'bench', 'fuzz', 'tools', 'build', 'scripts', 'cmake'}


def folder_of(path):
    parts = path.split('/')
    if len(parts) < 2 or parts[0] in NOT_SOURCE or parts[0].startswith('build'):
        return None
    if parts[0] == 'platform':
        return 'platform/' + parts[1] if len(parts) >= 3 else None
    return parts[0]


def source_files():
    for directory, subdirs, files in os.walk(root):
        subdirs[:] = [d for d in subdirs if not d.startswith('.') and not d.startswith('build')]
        for name in files:
            if name.endswith(('.cpp', '.h')):
                yield os.path.relpath(os.path.join(directory, name), root)


def include_graph():
    edges = {}
    for path in source_files():
        source = folder_of(path)
        if source is None:
            continue
        with open(os.path.join(root, path), encoding='utf-8', errors='replace') as f:
            text = f.read()
        for included in INCLUDE.findall(text):
            target = folder_of(included) if '/' in included else source
            if target and target != source and os.path.exists(os.path.join(root, included)):
                edges.setdefault(source, set()).add(target)
    return edges


def circles(edges):
    """Strongly connected components with more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(edges.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    nodes = set(edges) | {w for targets in edges.values() for w in targets}
    for v in sorted(nodes):
        if v not in index:
            visit(v)
    return found


def main():
    edges = include_graph()
    found = circles(edges)
    for component in found:
        print('folders include each other: ' + ' <-> '.join(component))
    folders = set(edges) | {w for targets in edges.values() for w in targets}
    print(f'{len(folders)} folders, {len(found)} circle(s)')
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
"""Checks that includes run one way: no cycle between folders, none between modules.

Reads the `#include "..."` lines of every .h and .cpp file of the source tree (the files
git knows, tracked or new; every file outside build folders when the tree is no git
checkout). A module is a header and its source of the same name
(`orbit/sat_elements.h` and `orbit/sat_elements.cpp`); a folder is a top-level folder,
or `tests/<sub>` for the tests. An include is looked up from the top of the tree, then
from tests/ (the tests' include folder), then beside the including file; one that names
no file of the tree (a system or Qt header) is left out.

    python3 tools/check_includes.py [SOURCE_DIR] [--folders]

Prints each cycle with the includes that make it and exits with 1 when there is one,
else prints a summary and exits with 0. --folders also lists which folders each folder
includes from. CTest runs it as IncludeStructure.NoCycleBetweenFoldersOrModules.
"""
import argparse
import os
import pathlib
import re
import subprocess
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SUFFIXES = (".h", ".cpp")
SHOWN_INCLUDES = 6  # includes shown for each pair of folders in a cycle


def source_files(root):
    """The .h and .cpp files of the tree, as paths relative to root with '/'."""
    try:
        listed = subprocess.run(["git", "-C", str(root), "ls-files", "-co", "--exclude-standard", "*.h", "*.cpp"],
                                capture_output=True, text=True, check=True).stdout.split("\n")
        return sorted(f for f in listed if f and (root / f).is_file())
    except (OSError, subprocess.CalledProcessError):
        pass
    found = []
    for folder, dirs, names in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith(".") and d != "build" and not d.startswith("build-")]
        for name in names:
            if name.endswith(SUFFIXES):
                found.append((pathlib.Path(folder) / name).relative_to(root).as_posix())
    return sorted(found)


def resolve(known, including, name):
    beside = os.path.normpath(os.path.join(os.path.dirname(including), name)).replace(os.sep, "/")
    for candidate in (name, "tests/" + name, beside):
        if candidate in known:
            return candidate
    return None


def module_of(path):
    return os.path.splitext(path)[0]


def folder_of(path):
    parts = path.split("/")
    if parts[0] == "tests" and len(parts) > 2:
        return "tests/" + parts[1]
    return parts[0] if len(parts) > 1 else "."


def cycles(graph):
    """The strongly connected components of more than one node (Tarjan), each sorted."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph.get(v, ())):
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

    sys.setrecursionlimit(max(sys.getrecursionlimit(), 10 * len(graph) + 1000))
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return found


def include_graphs(root, files):
    """The module graph, the folder graph and, per pair of folders, the includes behind it."""
    known = set(files)
    modules, folders, witnesses = {}, {}, {}
    for f in files:
        text = (root / f).read_text(encoding="utf-8", errors="replace")
        for name in INCLUDE.findall(text):
            target = resolve(known, f, name)
            if target is None:
                continue
            a, b = module_of(f), module_of(target)
            if a != b:
                modules.setdefault(a, set()).add(b)
            fa, fb = folder_of(f), folder_of(target)
            if fa != fb:
                folders.setdefault(fa, set()).add(fb)
                witnesses.setdefault((fa, fb), []).append(f"{f} -> {name}")
    return modules, folders, witnesses


def main():
    parser = argparse.ArgumentParser(description="Reports include cycles between folders and between modules.")
    parser.add_argument("root", nargs="?", default=".", help="the top of the source tree (default: .)")
    parser.add_argument("--folders", action="store_true", help="also list which folders each folder includes from")
    args = parser.parse_args()
    root = pathlib.Path(args.root).resolve()
    files = source_files(root)
    modules, folders, witnesses = include_graphs(root, files)

    if args.folders:
        for a in sorted(folders):
            print(f"{a} -> {' '.join(sorted(folders[a]))}")
    found = 0
    for component in cycles(folders):
        found += 1
        print("folder cycle:", " <-> ".join(component))
        members = set(component)
        # The pairs with the fewest includes first: the include that runs the wrong way is
        # usually one of a few.
        pairs = [(len(lines), a, b, lines) for (a, b), lines in witnesses.items() if a in members and b in members]
        for count, a, b, lines in sorted(pairs, key=lambda p: p[:3]):
            print(f"    {a} -> {b} ({count} include{'' if count == 1 else 's'})")
            for line in lines[:SHOWN_INCLUDES]:
                print(f"        {line}")
            if count > SHOWN_INCLUDES:
                print(f"        ... {count - SHOWN_INCLUDES} more")
    for component in cycles(modules):
        found += 1
        print("module cycle:", " <-> ".join(component))
        members = set(component)
        for a in component:
            for b in sorted(modules.get(a, ())):
                if b in members:
                    print(f"    {a} -> {b}")
    if found:
        return 1
    edges = sum(len(targets) for targets in modules.values())
    print(f"no include cycle ({len(files)} files, {len(folders)} folders that include from others, "
          f"{edges} includes between modules)")
    return 0


if __name__ == "__main__":
    sys.exit(main())

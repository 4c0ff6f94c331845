#!/usr/bin/python3
"""Checks that includes run one way down the floors and that no folders include each other.

Floors, lowest first: foundation -> controls -> library -> host -> tools (tests, benchmarks, fuzz
targets and examples stand above them all). A file may include from its own floor or a lower one.
Inside library/ and host/ the folders have an order of their own, lowest first; a folder may include
only from lower ones. Anywhere else, folders of one floor may include each other as long as no
circle forms.

usage: check-floors.py [SOURCE-DIR] [--summary]
Prints each include that runs up or sideways and each circle of folders; exits 1 when there is any.
With --summary, prints the counts only (and still exits 1 when there is any).
"""
import os
import re
import subprocess
import sys

FLOORS = ["foundation", "controls", "library", "host", "tools"]

# Ranks inside a floor, lowest first. Folders of one rank do not include each other.
INNER = {
    "library": [["library"], ["library/com"], ["library/linux", "library/win32"]],
    "host": [
        ["host/pixels"],            # pixel buffers
        ["host/text"],              # font faces and glyphs, drawn into pixel buffers
        ["host/raster"],            # surfaces: lines, fills, text, pictures, PNG
        ["host/window"],            # the window half of a surface, the press/capture/Click rule
        ["host/headless", "host/win32"],
        ["host/form", "host/desktop"],
    ],
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE = re.compile(r"\.(h|hpp|c|cpp)$")


def tracked_files(root):
    try:
        out = subprocess.run(["git", "-C", root, "ls-files"], check=True, capture_output=True, text=True).stdout
        return out.splitlines()
    except (OSError, subprocess.CalledProcessError):
        found = []
        for folder, _, names in os.walk(root):
            rel = os.path.relpath(folder, root)
            found += [os.path.normpath(os.path.join(rel, n)) for n in names]
        return found


def floor_of(path):
    top = path.split("/", 1)[0]
    return FLOORS.index(top) if top in FLOORS else len(FLOORS)


def inner_rank(folder):
    """(floor name, rank) of a folder listed in INNER, else None."""
    top = folder.split("/", 1)[0]
    best = None  # the longest listed folder holding this one
    for rank, group in enumerate(INNER.get(top, [])):
        for listed in group:
            if (folder == listed or folder.startswith(listed + "/")) and (not best or len(listed) > len(best[0])):
                best = (listed, rank)
    return best[1] if best else None


def resolve(including, target, files):
    """The tracked path an include names: from the root, else beside the including file."""
    if target in files:
        return target
    beside = os.path.normpath(os.path.join(os.path.dirname(including), target))
    return beside if beside in files else None


def edges(root):
    files = set(f for f in tracked_files(root) if SOURCE.search(f))
    found = []  # (file, line number, included file)
    for f in sorted(files):
        if floor_of(f) >= len(FLOORS):
            continue
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as text:
            for number, line in enumerate(text, 1):
                m = INCLUDE.match(line)
                target = resolve(f, m.group(1), files) if m else None
                if target:
                    found.append((f, number, target))
    return found


def wrong_way(found):
    bad = []
    for f, number, target in found:
        a, b = os.path.dirname(f), os.path.dirname(target)
        if floor_of(target) > floor_of(f):
            bad.append(f"{f}:{number}: includes {target}, from a higher floor")
        elif floor_of(target) == floor_of(f) and a != b:
            ra, rb = inner_rank(a), inner_rank(b)
            if ra is not None and rb is not None and rb >= ra:
                bad.append(f"{f}:{number}: includes {target}, from {'the same rank' if ra == rb else 'a higher folder'}"
                           f" inside {a.split('/')[0]}/")
            elif (ra is None) != (rb is None) and a.split("/")[0] in INNER:
                bad.append(f"{f}:{number}: {a if ra is None else b}/ has no place in the order of its floor")
    return bad


def circles(found):
    """Strongly connected sets of more than one folder (Tarjan), each with one include per arrow."""
    graph, why = {}, {}
    for f, number, target in found:
        a, b = os.path.dirname(f), os.path.dirname(target)
        if a != b:
            graph.setdefault(a, set()).add(b)
            why.setdefault((a, b), f"{f}:{number} includes {target}")
    index, low, stack, on, sets = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                sets.append(sorted(group))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    report = []
    for group in sets:
        arrows = [why[(a, b)] for a in group for b in sorted(graph.get(a, ())) if b in group]
        report.append("circle of folders " + ", ".join(group) + ":\n    " + "\n    ".join(arrows))
    return report


def main(argv):
    args = [a for a in argv if not a.startswith("--")]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    found = edges(root)
    bad, rings = wrong_way(found), circles(found)
    if "--summary" in argv:
        print(f"{len(bad)} includes up or sideways, {len(rings)} circles of folders")
    else:
        for line in bad + rings:
            print(line)
    return 1 if bad or rings else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

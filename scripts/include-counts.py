#!/usr/bin/env python3
"""Counts the includes between the folders of src/: for every pair of folders,
how many '#include "folder/..."' lines a file of one folder has naming the other.

  scripts/include-counts.py            table of folder -> folder counts
  scripts/include-counts.py --up       only the arrows that do not point down
  scripts/include-counts.py --check    no table, only the check below

Every form lists the includes that point against the floors, file by file, and
exits with 1 when there is one (0 when every include points down).

The floors, from the ground up, are listed in FLOORS; an include from a lower
floor into a higher one is marked "up", one between two folders of one floor
"side". Both fail the check, and so does a folder of src/ missing from FLOORS."""
import re
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "src"
# rtf, platform -> config -> state -> course -> text, personal, info, check
#   -> screens, search, export -> tree -> app
FLOORS = {
    "rtf": 0, "platform": 0,
    "config": 1,
    "state": 2,
    "course": 3,
    "text": 4, "personal": 4, "info": 4, "check": 4,
    "screens": 5, "search": 5, "export": 5,
    "tree": 6,
    "app": 7,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_0-9]+)/[^"]+"', re.M)


def includes():
    """Every include of one folder of src/ from a file of another, as
    (source folder, target folder, file relative to src/, line number)."""
    found = []
    for path in sorted(ROOT.rglob("*")):
        if path.suffix not in (".h", ".cpp") or len(path.relative_to(ROOT).parts) < 2:
            continue
        source = path.relative_to(ROOT).parts[0]
        text = path.read_text(encoding="utf-8", errors="replace")
        for match in INCLUDE.finditer(text):
            target = match.group(1)
            if target != source and (ROOT / target).is_dir():
                line = text.count("\n", 0, match.start()) + 1
                found.append((source, target, path.relative_to(ROOT).as_posix(), line))
    return found


def direction(source, target):
    low, high = FLOORS.get(source), FLOORS.get(target)
    if low is None or high is None:
        return "unplaced"
    if high > low:
        return "up"
    return "side" if high == low else ""


def check(found):
    bad = [(f, n, s, t, direction(s, t)) for s, t, f, n in found if direction(s, t)]
    if not bad:
        return 0
    print("Includes against the floors of src/ (scripts/include-counts.py, FLOORS):",
          file=sys.stderr)
    for file, line, source, target, way in bad:
        print(f"  src/{file}:{line}: {source} -> {target} ({way})", file=sys.stderr)
    print(f"{len(bad)} include(s) point up or sideways; move the shared piece down "
          "or pass it through an interface.", file=sys.stderr)
    return 1


def main():
    args = sys.argv[1:]
    found = includes()
    if "--check" in args:
        return check(found)
    only_up = "--up" in args
    pairs = Counter((source, target) for source, target, _, _ in found)
    shown = 0
    for (source, target), n in sorted(pairs.items()):
        way = direction(source, target)
        if only_up and not way:
            continue
        print(f"{source:>9} -> {target:<9} {n:4}  {way}".rstrip())
        shown += n
    print(f"{'total':>22} {shown:4}")
    return check(found)


if __name__ == "__main__":
    sys.exit(main())

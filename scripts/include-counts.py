#!/usr/bin/env python3
"""Counts the includes between the folders of src/: for every pair of folders,
how many '#include "folder/..."' lines a file of one folder has naming the other.

  scripts/include-counts.py            table of folder -> folder counts
  scripts/include-counts.py --up       only the arrows that do not point down

The floors, from the ground up, are listed in FLOORS; an include from a lower
floor into a higher one is marked "up", one between two features "side"."""
import re
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent / "src"
FLOORS = {
    "rtf": 0, "platform": 0,
    "config": 1,
    "state": 2,
    "screens": 3, "text": 3, "tree": 3, "personal": 3, "search": 3, "info": 3,
    "check": 3, "export": 3,
    "app": 4,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"', re.M)


def counts():
    pairs = Counter()
    for path in ROOT.rglob("*"):
        if path.suffix not in (".h", ".cpp"):
            continue
        source = path.relative_to(ROOT).parts[0]
        for target in INCLUDE.findall(path.read_text(encoding="utf-8", errors="replace")):
            if target != source:
                pairs[(source, target)] += 1
    return pairs


def direction(source, target):
    low, high = FLOORS.get(source, 9), FLOORS.get(target, 9)
    if high > low:
        return "up"
    return "side" if high == low else ""


def main():
    only_up = "--up" in sys.argv[1:]
    pairs = counts()
    shown = 0
    for (source, target), n in sorted(pairs.items()):
        way = direction(source, target)
        if only_up and not way:
            continue
        print(f"{source:>9} -> {target:<9} {n:4}  {way}".rstrip())
        shown += n
    print(f"{'total':>22} {shown:4}")


if __name__ == "__main__":
    main()

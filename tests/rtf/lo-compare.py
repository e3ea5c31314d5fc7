#!/usr/bin/env python3
"""Compares how a reference word processor draws rich text files before and after the
library read and wrote them.

For each input file: the resave tool writes it once and then writes its copy again (the
second save must give the same bytes); the reference reader converts the original and the
copy to PDF and to plain text; page 1 of each PDF is rasterised at 50 dpi and the pixels
are compared (ImageMagick's AE metric with 10 % fuzz; at most 0.1 % may differ).

  lo-compare.py --resave TOOL --work DIR FILE_OR_FOLDER...   [--report CSV] [--strict]

With --strict the exit status is 1 when any file differs in look, text or second save;
without it the script only reports the shares.
"""
import argparse
import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile

PIXEL_SHARE = 0.001
FUZZ = "10%"


def inputs(paths):
    files = []
    for p in paths:
        if os.path.isdir(p):
            files += sorted(os.path.join(p, f) for f in os.listdir(p) if f.lower().endswith(".rtf"))
        else:
            files.append(p)
    return files


def convert(files, target, outdir, profile):
    """Converts files with the reference reader, in batches (one start for many files)."""
    for i in range(0, len(files), 40):
        subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless", "--convert-to", target,
                        "--outdir", outdir] + files[i:i + 40],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=1800)


def page_one(pdf, png_base):
    if not os.path.exists(pdf):
        return None
    subprocess.run(["pdftoppm", "-r", "50", "-f", "1", "-l", "1", "-png", "-singlefile", pdf, png_base],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    png = png_base + ".png"
    return png if os.path.exists(png) else None


def image_size(png):
    out = subprocess.run(["identify", "-format", "%w %h", png], capture_output=True, text=True).stdout.split()
    return (int(out[0]), int(out[1])) if len(out) == 2 else None


def same_look(a, b):
    if not a or not b:
        return False
    size = image_size(a)
    if size is None or size != image_size(b):
        return False
    r = subprocess.run(["compare", "-metric", "AE", "-fuzz", FUZZ, a, b, "null:"], capture_output=True, text=True)
    match = re.match(r"\s*([0-9.eE+]+)", r.stderr)
    if not match:
        return False
    return float(match.group(1)) <= PIXEL_SHARE * size[0] * size[1]


def plain(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        text = f.read().decode("utf-8", "replace").lstrip("\ufeff")
    return " ".join(text.split())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--resave", required=True)
    parser.add_argument("--work", default=None)
    parser.add_argument("--report", default=None)
    parser.add_argument("--strict", action="store_true")
    parser.add_argument("paths", nargs="+")
    args = parser.parse_args()
    for tool in ("soffice", "pdftoppm", "compare", "identify"):
        if not shutil.which(tool):
            print(f"{tool} is missing (scripts/install-deps.sh installs it)", file=sys.stderr)
            return 2
    work = args.work or tempfile.mkdtemp(prefix="lo-compare-")
    dirs = {k: os.path.join(work, k) for k in ("orig", "saved", "again", "pdf-orig", "pdf-saved", "png")}
    for d in dirs.values():
        os.makedirs(d, exist_ok=True)
    profile = os.path.join(work, "profile")

    files = inputs(args.paths)
    names = []
    for i, f in enumerate(files):
        name = f"{i:04d}"
        shutil.copyfile(f, os.path.join(dirs["orig"], name + ".rtf"))
        saved = os.path.join(dirs["saved"], name + ".rtf")
        again = os.path.join(dirs["again"], name + ".rtf")
        ok = subprocess.run([args.resave, f, saved], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            timeout=300).returncode == 0
        ok = ok and subprocess.run([args.resave, saved, again], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, timeout=300).returncode == 0
        names.append((f, name, ok))

    for kind, outdir in (("orig", dirs["pdf-orig"]), ("saved", dirs["pdf-saved"])):
        todo = [os.path.join(dirs[kind], n + ".rtf") for _, n, ok in names if ok]
        convert(todo, "pdf", outdir, profile)
        convert(todo, "txt:Text (encoded):UTF8", outdir, profile)

    rows = []
    opened = looks = texts = stable = 0
    for f, name, ok in names:
        row = {"file": f, "saved": ok, "opened": False, "look": False, "text": False, "second_save": False}
        if ok:
            with open(os.path.join(dirs["saved"], name + ".rtf"), "rb") as a, \
                 open(os.path.join(dirs["again"], name + ".rtf"), "rb") as b:
                row["second_save"] = a.read() == b.read()
            pdf_orig = os.path.join(dirs["pdf-orig"], name + ".pdf")
            row["opened"] = os.path.exists(pdf_orig)
            if row["opened"]:
                a = page_one(pdf_orig, os.path.join(dirs["png"], name + "-orig"))
                b = page_one(os.path.join(dirs["pdf-saved"], name + ".pdf"), os.path.join(dirs["png"], name + "-saved"))
                row["look"] = same_look(a, b)
                ta = plain(os.path.join(dirs["pdf-orig"], name + ".txt"))
                tb = plain(os.path.join(dirs["pdf-saved"], name + ".txt"))
                row["text"] = ta is not None and ta == tb
        opened += row["opened"]
        looks += row["look"]
        texts += row["text"]
        stable += row["second_save"]
        rows.append(row)

    if args.report:
        with open(args.report, "w", newline="") as out:
            writer = csv.DictWriter(out, fieldnames=list(rows[0].keys()) if rows else ["file"])
            writer.writeheader()
            writer.writerows(rows)
    total = len(rows)
    print(f"files {total}; opened {opened}; page 1 identical {looks}/{opened}; text equal {texts}/{opened}; "
          f"second save identical {stable}/{total}")
    for row in rows:
        if not (row["look"] and row["text"] and row["second_save"]):
            print(f"  differs: {row['file']} look={row['look']} text={row['text']} "
                  f"second_save={row['second_save']}")
    if args.strict and (looks != total or texts != total or stable != total):
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

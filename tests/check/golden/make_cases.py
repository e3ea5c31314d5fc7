#!/usr/bin/env python3
"""Writes the golden cases of lumora-check, one folder per case.

input/ is the FOLDER given to the checker (a program folder or one course folder; content
files in Windows-1250 with CR LF unless the case says otherwise). Beside it:
  args.txt      options before FOLDER, one a line; a line starting "FOLDER" stands for
                FOLDER itself (with what follows, such as "/K/"), given in its place
  expected.txt  what the checker prints, in UTF-8, with the path of input/ written FOLDER
  exit.txt      its exit status
The expectations are written out by hand.

Run it from anywhere; it rewrites every case folder next to this script.
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))


def cp1250(lines):
    return '\r\n'.join(lines).encode('cp1250') + b'\r\n'


class Link:
    """A symbolic link to target (relative to the link's folder)."""

    def __init__(self, target):
        self.target = target


def write_case(name, files, args, expected, status, beside=None):
    folder = os.path.join(HERE, name)
    shutil.rmtree(folder, ignore_errors=True)
    root = os.path.join(folder, 'input')
    os.makedirs(root)
    for path, content in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        if isinstance(content, Link):
            os.symlink(content.target, full)
            continue
        with open(full, 'wb') as f:
            f.write(content if isinstance(content, bytes) else cp1250(content))
    for path, content in (beside or {}).items():
        with open(os.path.join(folder, path), 'wb') as f:
            f.write(cp1250(content))
    with open(os.path.join(folder, 'args.txt'), 'w', encoding='utf-8') as f:
        f.write(''.join(a + '\n' for a in args))
    with open(os.path.join(folder, 'expected.txt'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(expected)
    with open(os.path.join(folder, 'exit.txt'), 'w') as f:
        f.write('%d\n' % status)


RTF = b'{\\rtf1\\ansi Text}\r\n'

# A program folder whose courses are sound: nothing to report.
write_case('clean', {
    'CONFIG.TXT': ['1*DEFAULT CONTENT*Obsah.txt'],
    'Biológia/Obsah.txt': ['[Rastliny]kap1.txt', '[Web]https://sk.wikipedia.org/wiki/Biológia', '<Úvod>'],
    'Biológia/kap1.txt': ['[Obrázok]list.bmp', '[Ukážka]demo.scm /s'],
    'Biológia/kap1.rtf': RTF,
    'Biológia/list.bmp': b'BM', 'Biológia/demo.scm': b'x',
    'Chémia/OBSAH.TXT': ['[Prvky]prvky.htm'],
    'Chémia/prvky.htm': ['<p>'],
}, [], '', 0)

# One course with every kind of finding, beside a clean one.
many = ['[Tlačidlo %d]a.htm' % i for i in range(1, 24)]
write_case('findings', {
    'Dejepis/Obsah.txt': ['[Staroveká]staroveka.txt', '[Dlhá]dlha.txt', '[Mnoho]mnoho.txt',
                          '[Utf]utf.txt', '[Von]/etc/hosts', '[Hore]Obsah.txt', '[Chýba]nie.doc'],
    'Dejepis/staroveka.txt': ['[Rím]rim.txt'],
    'Dejepis/staroveka.rtf': b'Toto nie je RTF',
    'Dejepis/dlha.txt': ['[' + 'x' * 300 + ']a.htm', '[ok]a.htm'],
    'Dejepis/mnoho.txt': many,
    'Dejepis/utf.txt': '[Čítanie]a.htm\r\n'.encode('utf-8'),
    'Dejepis/a.htm': ['<p>'],
    'Zemepis/Obsah.txt': ['[Mapy]a.htm'],
    'Zemepis/a.htm': ['<p>'],
}, [], ''.join(line + '\n' for line in [
    'Dejepis: missing: rim.txt: Staroveká - Rím -  rim.txt',
    'Dejepis: missing: /etc/hosts: Von -  /etc/hosts',
    'Dejepis: missing: nie.doc: Chýba -  nie.doc',
    'Dejepis: cycle: zacyklený súbor : Obsah.txt duplikovany v ',
    'Dejepis: cycle: zacyklený súbor : Obsah.txt duplikovany v Obsah.txt->',
    'Dejepis: not-rtf: staroveka.rtf: the formatted text is not rich text (RTF): the player cannot show it',
    'Dejepis: long-line: dlha.txt:1: 1 line(s) longer than 255 characters (the longest has 307)',
    'Dejepis: too-many-lines: mnoho.txt: more than 20 stored lines: 23 in all; the player keeps the first 20 (3 left out, 3 of them buttons)',
    'Dejepis: note: utf.txt:1: saved as UTF-8: this player reads it, older players show its letters wrongly',
    'Dejepis: outside: Von -  /etc/hosts leaves the course folder',
]), 1)

# The corners of the per-file and per-target checks: content files reached through a
# sub-folder or under a name in another case, a formatted text in another case, a line of
# exactly 255 characters beside a longer one, control, undefined and UTF-8 bytes on later
# lines, a shared file whose missing items are listed under each branch, two targets with
# the same file and different parameters, addresses, an empty target, a folder as a
# target, targets leaving the course, a file name holding "%1", and links to a file and
# to a folder and to nothing.
write_case('edges', {
    'Fyzika/Obsah.txt': ['[Pod]PODADR\\Kap.TXT', '[Dva]DVA.txt', '[Spoločná A]spolocna.txt',
                         '[Spoločná B]spolocna.txt', '[Web]www.example.sk', '[Pošta]mailto:autor@example.sk',
                         '[Prázdny]', '[Obrázok]OBR.BMP', '[Zložka]podadr', '[Riadiace]ctrl.txt',
                         '[Bajty]bajty.txt', '[UTF]utf.txt', '[Hore]..\\mimo.htm', '[Abs]C:\\x.htm',
                         '[Percento]a%1.txt', '[Odkaz]odkaz.htm', '[Zložka 2]zlozka2',
                         '[Mŕtvy]mrtvy.htm', '[Mŕtvy 2]MRTVY.HTM'],
    'Fyzika/podadr/kap.txt': ['[B%d]obr.bmp' % i for i in range(1, 23)],
    'Fyzika/podadr/KAP.RTF': b'nie rtf',
    'Fyzika/dva.txt': ['[Krátky]obr.bmp', '[' + 'y' * 260 + ']obr.bmp', '[' + 'k' * 246 + ']obr.bmp'],
    'Fyzika/spolocna.txt': ['[Chýba]nie.htm', '[Ukážka]demo.scm /a', '[Ukážka 2]demo.scm /b'],
    'Fyzika/ctrl.txt': b'[Jeden]obr.bmp\r\n[Dva]obr.bmp\r\n[Tri\x01]obr.bmp\r\n[\x81]obr.bmp',
    'Fyzika/bajty.txt': b'[Jeden]obr.bmp\n[Dva\x81]obr.bmp\n',
    'Fyzika/utf.txt': '[Jeden]obr.bmp\r\n[Čítanie]obr.bmp\r\n'.encode('utf-8'),
    'Fyzika/a%1.txt': ['[' + 'p' * 300 + ']obr.bmp'],
    'Fyzika/obr.bmp': b'BM',
    'Fyzika/odkaz.htm': Link('obr.bmp'), 'Fyzika/zlozka2': Link('podadr'),
    'Fyzika/mrtvy.htm': Link('nikde.htm'),
}, [], ''.join(line + '\n' for line in [
    'Fyzika: missing: nie.htm: Spoločná A - Chýba -  nie.htm (and 1 more places)',
    'Fyzika: missing: demo.scm: Spoločná A - Ukážka -  demo.scm (and 3 more places)',
    'Fyzika: missing: Prázdny -  ',
    'Fyzika: missing: podadr: Zložka -  podadr',
    'Fyzika: missing: ..\\mimo.htm: Hore -  ..\\mimo.htm',
    'Fyzika: missing: C:\\x.htm: Abs -  C:\\x.htm',
    'Fyzika: missing: zlozka2: Zložka 2 -  zlozka2',
    'Fyzika: missing: mrtvy.htm: Mŕtvy -  mrtvy.htm (and 1 more places)',
    'Fyzika: too-many-lines: podadr/kap.txt: more than 20 stored lines: 22 in all; the player keeps the first 20 (2 left out, 2 of them buttons)',
    'Fyzika: not-rtf: podadr/KAP.RTF: the formatted text is not rich text (RTF): the player cannot show it',
    'Fyzika: long-line: dva.txt:2: 1 line(s) longer than 255 characters (the longest has 269)',
    'Fyzika: encoding: ctrl.txt:3: holds control characters: not a text file',
    'Fyzika: encoding: bajty.txt:2: holds bytes that are no Windows-1250 character',
    'Fyzika: note: utf.txt:2: saved as UTF-8: this player reads it, older players show its letters wrongly',
    'Fyzika: long-line: a%1.txt:1: 1 line(s) longer than 255 characters (the longest has 309)',
    'Fyzika: outside: Hore -  ..\\mimo.htm leaves the course folder',
    'Fyzika: outside: Abs -  C:\\x.htm leaves the course folder',
]), 1)

# One course folder given directly, reported as JSON; its own CONFIG.TXT names the top
# file and the cycle text.
write_case('course_json', {
    'CONFIG.TXT': ['1*DEFAULT CONTENT*hlavny.txt', '1*ALL AROUND*Slučka:'],
    'hlavny.txt': ['[A]a.txt'],
    'a.txt': ['[Späť]HLAVNY.TXT'],
}, ['--json'], '''{
    "courses": [
        {
            "course": "input",
            "findings": [
                {
                    "kind": "cycle",
                    "text": "Slučka: HLAVNY.TXT duplikovany v "
                },
                {
                    "kind": "cycle",
                    "text": "Slučka: HLAVNY.TXT duplikovany v hlavny.txt->a.txt->"
                }
            ],
            "folder": "FOLDER"
        }
    ],
    "findingCount": 2,
    "folder": "FOLDER"
}
''', 1)

# Two courses of a program folder as JSON: the count covers both.
write_case('program_json', {
    'A/Obsah.txt': ['[Jeden]nie.htm'],
    'B/Obsah.txt': ['[Dva]nie2.htm', '[Tri]nie3.htm'],
}, ['--json'], """{
    "courses": [
        {
            "course": "A",
            "findings": [
                {
                    "count": 1,
                    "file": "nie.htm",
                    "kind": "missing",
                    "text": "Jeden -  nie.htm"
                }
            ],
            "folder": "FOLDER/A"
        },
        {
            "course": "B",
            "findings": [
                {
                    "count": 1,
                    "file": "nie2.htm",
                    "kind": "missing",
                    "text": "Dva -  nie2.htm"
                },
                {
                    "count": 1,
                    "file": "nie3.htm",
                    "kind": "missing",
                    "text": "Tri -  nie3.htm"
                }
            ],
            "folder": "FOLDER/B"
        }
    ],
    "findingCount": 3,
    "folder": "FOLDER"
}
""", 1)

# A course folder given with a trailing "/": its program folder's CONFIG.TXT still
# names the top content file.
write_case('course_slash', {
    'CONFIG.TXT': ['1*DEFAULT CONTENT*hlavny.txt'],
    'K/hlavny.txt': ['[Chýba]chyba.htm'],
}, ['FOLDER/K/'], 'K: missing: chyba.htm: Chýba -  chyba.htm\n', 1)

# A course folder without its top content file is that course, not a program folder
# whose picture folder lacks one.
write_case('course_without_top', {
    'Bez/kap1.txt': ['[Obrázok]obrazky/a.bmp'],
    'Bez/obrazky/a.bmp': b'BM',
}, ['FOLDER/Bez'], "Bez: missing: Obsah.txt: the course's top content file is missing\n", 1)

# A hostile course: a diamond 40 files deep whose last file closes a cycle and names a
# missing page (the tree grows past its limit; each finding still comes once), a screen
# with more lines than the player keeps (the extra ones name missing files that do not
# count), terminal control characters and a NUL in a caption, and a screen that links
# to a file outside the program folder (never read: its item would be missing).
DEPTH = 40
diamond = {}
for i in range(DEPTH - 1):
    diamond['Kurz/d%d.txt' % i] = ['[Ďalej A]d%d.txt' % (i + 1), '[Ďalej B]d%d.txt' % (i + 1)]
diamond['Kurz/d%d.txt' % (DEPTH - 1)] = ['[Späť]d0.txt', '[Chýba]nie.htm']
below = 2  # nodes below the last file: the cut cycle and the missing page
for i in range(DEPTH - 1):
    below = 2 * (1 + below)
tree_size = 1 + 4 + below + 20  # the root, its items, the diamond, the lines a screen keeps
write_case('hostile', dict(diamond, **{
    'Kurz/Obsah.txt': b'[Koso\x9atvorec]d0.txt\r\n[Ve\xbea]vela.txt\r\n[Zl\xfd\x1b]0;t\x07\x00\x1b[2J]zly.htm\r\n[Von]von.txt\r\n',
    'Kurz/vela.txt': ['[V%d]obr.bmp' % i for i in range(1, 21)] + ['[Navyše %d]chyba%d.htm' % (i, i) for i in range(1, 6)],
    'Kurz/obr.bmp': b'BM',
    'Kurz/von.txt': Link('../../mimo.txt'),
}), [], ''.join(line + '\n' for line in [
    'Kurz: missing: nie.htm: Kosoštvorec - ' + 'Ďalej A - ' * (DEPTH - 1) + 'Chýba -  nie.htm (and %d more places)' % (2 ** (DEPTH - 1) - 1),
    'Kurz: missing: zly.htm: Zlý\\x1b]0;t\\x07\\x00\\x1b[2J -  zly.htm',
    'Kurz: too-deep: d18.txt: Kosoštvorec - ' + 'Ďalej A - ' * 18 + ' d18.txt opens at level 21; the player opens at most 20 levels',
    'Kurz: cycle: zacyklený súbor : d0.txt duplikovany v Obsah.txt',
    'Kurz: cycle: zacyklený súbor : d0.txt duplikovany v Obsah.txt->d0.txt->' + ''.join('d%d.txt->' % i for i in range(1, DEPTH)),
    'Kurz: encoding: Obsah.txt:3: holds control characters: not a text file',
    'Kurz: too-many-lines: vela.txt: more than 20 stored lines: 25 in all; the player keeps the first 20 (5 left out, 5 of them buttons)',
    'Kurz: outside: Von -  von.txt lies outside the program folder (through a link): the player refuses it',
    'Kurz: size-limit: the tree window shows the first 250000 of the course\'s %d nodes (every item on every path from the top file, through %d content files)' % (tree_size, DEPTH + 3),
]), 1, beside={'mimo.txt': ['[Tajné]tajne.htm']})

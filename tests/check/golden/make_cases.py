#!/usr/bin/env python3
"""Writes the golden cases of lumora-check, one folder per case.

input/ is the FOLDER given to the checker (a program folder or one course folder; content
files in Windows-1250 with CR LF unless the case says otherwise). Beside it:
  args.txt      options before FOLDER, one a line
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


def write_case(name, files, args, expected, status):
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
    'Dejepis: missing: Staroveká - Rím -  rim.txt',
    'Dejepis: missing: Von -  /etc/hosts',
    'Dejepis: missing: Chýba -  nie.doc',
    'Dejepis: cycle: zacyklený súbor : Obsah.txt duplikovany v ',
    'Dejepis: cycle: zacyklený súbor : Obsah.txt duplikovany v Obsah.txt->',
    'Dejepis: not-rtf: staroveka.rtf: the formatted text is not rich text (RTF): the player cannot show it',
    'Dejepis: long-line: dlha.txt:1: 1 line(s) longer than 255 characters (the longest has 307)',
    'Dejepis: too-many-lines: mnoho.txt: 23 stored lines; the player keeps the first 20 (3 left out, 3 of them buttons)',
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
    'Fyzika: missing: Spoločná A - Chýba -  nie.htm',
    'Fyzika: missing: Spoločná A - Ukážka -  demo.scm',
    'Fyzika: missing: Spoločná A - Ukážka 2 -  demo.scm',
    'Fyzika: missing: Spoločná B - Chýba -  nie.htm',
    'Fyzika: missing: Spoločná B - Ukážka -  demo.scm',
    'Fyzika: missing: Spoločná B - Ukážka 2 -  demo.scm',
    'Fyzika: missing: Prázdny -  ',
    'Fyzika: missing: Zložka -  podadr',
    'Fyzika: missing: Hore -  ..\\mimo.htm',
    'Fyzika: missing: Abs -  C:\\x.htm',
    'Fyzika: missing: Zložka 2 -  zlozka2',
    'Fyzika: missing: Mŕtvy -  mrtvy.htm',
    'Fyzika: missing: Mŕtvy 2 -  MRTVY.HTM',
    'Fyzika: too-many-lines: podadr/kap.txt: 22 stored lines; the player keeps the first 20 (2 left out, 2 of them buttons)',
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

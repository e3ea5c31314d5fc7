#!/usr/bin/env python3
"""Writes the golden cases of the course-tree walk, one folder per case.

course/ is a course folder as an author on Windows saves it (content files in
Windows-1250 with CR LF). Beside it, in UTF-8 with one entry per line:
  nodes.txt      the tree in course order: two blanks per depth, then
                 caption | reference | what became of the reference
  integrity.txt  the integrity list: the course name, an empty line, the missing
                 files, the cycle lines
The expectations are written out by hand from the walk's rules.

Run it from anywhere; it rewrites every case folder next to this script.
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))


def write_case(name, files, nodes, integrity):
    folder = os.path.join(HERE, name)
    shutil.rmtree(folder, ignore_errors=True)
    course = os.path.join(folder, 'course')
    os.makedirs(course)
    for path, content in files.items():
        full = os.path.join(course, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        if content is None:          # a folder where a file is expected (kept by git)
            os.makedirs(full)
            open(os.path.join(full, '.keep'), 'wb').close()
            continue
        if isinstance(content, bytes):
            data = content
        else:
            data = '\r\n'.join(content).encode('cp1250') + b'\r\n'
        with open(full, 'wb') as f:
            f.write(data)
    for out, lines in (('nodes.txt', nodes), ('integrity.txt', integrity)):
        with open(os.path.join(folder, out), 'w', encoding='utf-8', newline='\n') as f:
            f.write(''.join(line + '\n' for line in lines))


LOOP = 'zacyklený súbor :'

# An ordinary course: screens two levels deep, a demonstration with a switch, a picture,
# a program with parameters, documents, missing files at every depth; web and mail
# addresses are no files of the course and never missing.
write_case('basic', {
    'Obsah.txt': ['Úvod do kurzu', '<Vitajte v kurze.>', '[Kapitola 1]kap1.txt', '[Ukážka]demo.scm /s',
                  '[Obrázok]obr.bmp', '//www.example.sk', '[Chýbajúca kapitola]kap9.txt',
                  '[Web]https://sk.wikipedia.org/wiki/Kurz', '[Pošta]mailto:autor@example.sk'],
    'kap1.txt': ['[Lekcia 1.1]lek11.txt', '[Program]pomoc.sh -x -y', '[Stránka]page.html',
                 '[Dokument]x.docx', '[Chýba]nic.pdf'],
    'lek11.txt': ['[Čítanie]citanie.txt', '[Chýbajúca ukážka]zle.scm'],
    'demo.scm': ['demo'], 'obr.bmp': b'BM', 'pomoc.sh': ['echo'], 'page.html': ['<p>'],
    'x.docx': b'PK', 'citanie.txt': ['voľný riadok'],
}, [
    'course | Obsah.txt | expanded',
    '  Kapitola 1 | kap1.txt | expanded',
    '    Lekcia 1.1 | lek11.txt | expanded',
    '      Čítanie | citanie.txt | expanded',
    '      Chýbajúca ukážka | zle.scm | item',
    '    Program | pomoc.sh -x -y | item',
    '    Stránka | page.html | item',
    '    Dokument | x.docx | item',
    '    Chýba | nic.pdf | item',
    '  Ukážka | demo.scm /s | item',
    '  Obrázok | obr.bmp | item',
    '  Chýbajúca kapitola | kap9.txt | missing',
    '  Web | https://sk.wikipedia.org/wiki/Kurz | item',
    '  Pošta | mailto:autor@example.sk | item',
], [
    'course', '',
    'Kapitola 1 - Lekcia 1.1 - Chýbajúca ukážka -  zle.scm',
    'Kapitola 1 - Chýba -  nic.pdf',
    'Chýbajúca kapitola -  kap9.txt',
])

# A file that names itself, and A -> B -> A: each reference back onto its own path is
# a leaf, reported as a cycle with the file that named the earlier copy and the chain.
write_case('cycles', {
    'Obsah.txt': ['[Sám seba]Obsah.txt', '[A]a.txt'],
    'a.txt': ['[B]b.txt', '[Späť na A]A.TXT'],
    'b.txt': ['[Späť na A]a.txt', '[Hore]obsah.txt'],
}, [
    'course | Obsah.txt | expanded',
    '  Sám seba | Obsah.txt | cycle',
    '  A | a.txt | expanded',
    '    B | b.txt | expanded',
    '      Späť na A | a.txt | cycle',
    '      Hore | obsah.txt | cycle',
    '    Späť na A | A.TXT | cycle',
], [
    'course', '',
    LOOP + ' Obsah.txt duplikovany v ',
    LOOP + ' Obsah.txt duplikovany v Obsah.txt->',
    LOOP + ' a.txt duplikovany v Obsah.txt',
    LOOP + ' a.txt duplikovany v Obsah.txt->a.txt->b.txt->',
    LOOP + ' obsah.txt duplikovany v ',
    LOOP + ' obsah.txt duplikovany v Obsah.txt->a.txt->b.txt->',
    LOOP + ' A.TXT duplikovany v Obsah.txt',
    LOOP + ' A.TXT duplikovany v Obsah.txt->a.txt->',
])

# The same content file named in two branches is expanded under each; a course written
# on Windows names its files in any letter case ("KAP1.TXT" on disk, "Kap1.Txt" named).
write_case('shared_and_case', {
    'Obsah.txt': ['[Prvá vetva]KAP1.TXT', '[Druhá vetva]vetva2.txt'],
    'KAP1.TXT': ['[Spoločná]spolocna.txt'],
    'vetva2.txt': ['[Spoločná znova]Spolocna.TXT', '[Kapitola]Kap1.Txt'],
    'SPOLOCNA.txt': ['[Koniec]koniec.exe'],
}, [
    'course | Obsah.txt | expanded',
    '  Prvá vetva | KAP1.TXT | expanded',
    '    Spoločná | spolocna.txt | expanded',
    '      Koniec | koniec.exe | item',
    '  Druhá vetva | vetva2.txt | expanded',
    '    Spoločná znova | Spolocna.TXT | expanded',
    '      Koniec | koniec.exe | item',
    '    Kapitola | Kap1.Txt | expanded',
    '      Spoločná | spolocna.txt | expanded',
    '        Koniec | koniec.exe | item',
], [
    'course', '',
    'Prvá vetva - Spoločná - Koniec -  koniec.exe',
    'Druhá vetva - Spoločná znova - Koniec -  koniec.exe',
    'Druhá vetva - Kapitola - Spoločná - Koniec -  koniec.exe',
])

# Item lines as the screens read them: the caption up to the last "]", the target
# trimmed, lesson paragraphs starting with "[" are text, lines without "]" or with
# nothing after it, a 10,000-character line.
write_case('item_lines', {
    'Obsah.txt': ['[Pole [a] index]]pole.txt  ', '<Text lekcie', '[nie je tlačidlo]zle.txt',
                  'koniec textu>', '[Bez zátvorky', '[Prázdny cieľ]', '[]skryty.txt',
                  '[' + 'D' * 10000 + ']dlhy.txt', ' [s medzerou]medzera.txt',
                  '[Medzery okolo]   okolo.txt   '],
    'pole.txt': ['[Vnútri]vnutri.txt'], 'skryty.txt': ['free'], 'dlhy.txt': [],
    'okolo.txt': [],
}, [
    'course | Obsah.txt | expanded',
    '  Pole [a] index] | pole.txt | expanded',
    '    Vnútri | vnutri.txt | missing',
    '   |  | item',
    '  Prázdny cieľ |  | item',
    '   | skryty.txt | expanded',
    '  ' + 'D' * 10000 + ' | dlhy.txt | expanded',
    '  Medzery okolo | okolo.txt | expanded',
], [
    'course', '',
    'Pole [a] index] - Vnútri -  vnutri.txt',
    ' -  ',
    'Prázdny cieľ -  ',
])

# Content files that cannot be read as such: a folder named like one (no file: missing), binary garbage,
# references that leave the course folder ("..\\iny\\kurz.txt" is no screen by the kind
# rule: its first "." starts ".."; an absolute one is not followed).
write_case('bad_files', {
    'Obsah.txt': ['[Priečinok]zlozka.txt', '[Smeti]smeti.txt', '[Von]..\\iny\\kurz.txt',
                  '[Podpriečinok]pod\\kap.txt', '[Absolútna]/etc/passwd.txt'],
    'zlozka.txt': None,
    'smeti.txt': bytes(range(256)) + b'\x00[x]\x00\xff\r\n[Ok]ok.bmp\r\n',
    'pod/kap.txt': ['[Vnorený]pod\\vnoreny.scm'],
    'pod/vnoreny.scm': ['demo'], 'ok.bmp': b'BM',
}, [
    'course | Obsah.txt | expanded',
    '  Priečinok | zlozka.txt | missing',
    '  Smeti | smeti.txt | expanded',
    '    Ok | ok.bmp | item',
    '  Von | ..\\iny\\kurz.txt | item',
    '  Podpriečinok | pod\\kap.txt | expanded',
    '    Vnorený | pod\\vnoreny.scm | item',
    '  Absolútna | /etc/passwd.txt | outside',
], [
    'course', '',
    'Priečinok -  zlozka.txt',
    'Von -  ..\\iny\\kurz.txt',
    'Absolútna -  /etc/passwd.txt',
])

write_case('missing_top', {
    'ine.txt': ['[A]a.txt'],
}, [
    'course | Obsah.txt | missing',
], [
    'course', '',
    ' Obsah.txt',
])

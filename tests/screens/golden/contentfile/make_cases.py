#!/usr/bin/env python3
"""Writes the golden cases of the content-file reader, one folder per case.

input.txt is the content file as an author on Windows saves it (Windows-1250, CR LF
unless the case says otherwise). Beside it, in UTF-8 with one entry per line:
  lines.txt       the stored lines
  buttons.txt     the lesson buttons: number, tag, caption, target, kind, file, parameters
  links.txt       the entries of the web-links list
  paragraphs.txt  the lesson text, one paragraph per line
  background.txt  the background name (empty file when there is none)
  summary.txt     the has-items flag and what was left out past the 20th stored line
Control characters are written as their pictures (U+2400 + code) so that every entry
stays on one line. The expectations below are written out by hand from the file rules;
only the two generated cases build theirs in loops.

Run it from anywhere; it rewrites every case folder next to this script.
"""
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))


def pictures(text):
    out = []
    for ch in text:
        code = ord(ch)
        if code < 0x20:
            out.append(chr(0x2400 + code))
        elif code == 0x7F:
            out.append('\u2421')
        else:
            out.append(ch)
    return ''.join(out)


def button(number, tag, caption, target, kind, file, params='', visible=True):
    return (f'{number} tag={tag} caption="{caption}" target="{target}" kind={kind} '
            f'file="{file}" params="{params}" {"visible" if visible else "hidden"}')


def crlf(lines, last_end=True):
    text = '\r\n'.join(lines)
    return text + ('\r\n' if last_end and lines else '')


def split_blocks(lines):
    """The lines as the reader keeps them: text block lines apart from the stored
    lines. Returns the stored lines and, for each 1-based index into lines, its index
    among the stored lines."""
    stored, place = [], {}
    i = 0
    while i < len(lines):
        if lines[i].startswith('<'):
            j = i
            while True:
                ends = lines[j].endswith('>') or (j > i and lines[j].startswith('>'))
                j += 1
                if ends or j >= len(lines):
                    break
            i = j
            continue
        stored.append(lines[i])
        place[i + 1] = len(stored)
        i += 1
    return stored, place


def write_case(name, data, lines=(), buttons=(), links=(), paragraphs=(),
               background=None, has_items=True, dropped=0, dropped_buttons=0):
    # The expectations name the lines as they stand in the file; the text blocks take
    # no room among the stored lines, so the button tags count buttons and links only.
    lines, place = split_blocks(list(lines))
    buttons = [re.sub(r'tag=(\d+)', lambda m: f'tag={place[int(m.group(1))]}', b) for b in buttons]
    folder = os.path.join(HERE, name)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode('cp1250')
    with open(os.path.join(folder, 'input.txt'), 'wb') as f:
        f.write(data)

    def entries(file, items):
        with open(os.path.join(folder, file), 'w', encoding='utf-8', newline='\n') as f:
            for item in items:
                f.write(pictures(item) + '\n')

    entries('lines.txt', lines)
    entries('buttons.txt', buttons)
    entries('links.txt', links)
    entries('paragraphs.txt', paragraphs)
    entries('background.txt', [] if background is None else [background])
    entries('summary.txt', [f'hasItems={"yes" if has_items else "no"}',
                            f'droppedLines={dropped}', f'droppedButtons={dropped_buttons}'])


# A top screen as authors write it: comment, buttons of every kind, two links, a block
# opened by "<" alone and closed by ">" alone, the background named last.
write_case('course', crlf([
    '; Obsah kurzu Základy práce s počítačom',
    '[Úvod do kurzu]uvod.txt',
    '[Ukážka práce s myšou]mys.scm /s',
    '[Kalkulačka]calc.exe',
    '[Vyskúšajte sa]test.txt',
    '//http://www.example.sk/kurz',
    '//mailto:autor@example.sk',
    '<',
    'Vitajte v kurze. Táto obrazovka ukazuje,',
    'ako sa pracuje s tlačidlami vpravo.',
    '>',
    'pozadie.bmp',
]), lines=[
    '[Úvod do kurzu]uvod.txt',
    '[Ukážka práce s myšou]mys.scm /s',
    '[Kalkulačka]calc.exe',
    '[Vyskúšajte sa]test.txt',
    '//http://www.example.sk/kurz',
    '//mailto:autor@example.sk',
    '<Vitajte v kurze. Táto obrazovka ukazuje,',
    'ako sa pracuje s tlačidlami vpravo.>',
], buttons=[
    button(1, 1, 'Úvod do kurzu', 'uvod.txt', 'TXT/Screen', 'uvod.txt'),
    button(2, 2, 'Ukážka práce s myšou', 'mys.scm /s', 'SCM/Demonstration', 'mys.scm', ' /s'),
    button(3, 3, 'Kalkulačka', 'calc.exe', 'EXE/Shell', 'calc.exe'),
    button(4, 4, 'Vyskúšajte sa', 'test.txt', 'TXT/Screen', 'test.txt'),
], links=['http://www.example.sk/kurz', 'mailto:autor@example.sk'],
   paragraphs=['Vitajte v kurze. Táto obrazovka ukazuje,', 'ako sa pracuje s tlačidlami vpravo.'],
   background='pozadie.bmp')

# The first button line is button 1 whatever precedes it; its tag is its stored line.
write_case('button_tag', crlf([
    'Poznámka autora: tlačidlá sú nižšie',
    '<Úvodný text>',
    '//www.example.sk',
    '[Prvé]a.txt',
    'voľný riadok',
    '[Druhé]b.txt',
]), lines=['<Úvodný text>', '//www.example.sk', '[Prvé]a.txt', '[Druhé]b.txt'],
   buttons=[button(1, 3, 'Prvé', 'a.txt', 'TXT/Screen', 'a.txt'),
            button(2, 4, 'Druhé', 'b.txt', 'TXT/Screen', 'b.txt')],
   links=['www.example.sk'], paragraphs=['Úvodný text'])

# Caption and target splitting, invisible buttons, item kinds, parameters; the picture
# button last makes its whole line the background name.
write_case('button_edges', crlf([
    '[Cieľ s medzerami]lekcia.txt  ',
    '[]skryte.txt',
    '[bez zátvorky',
    '[Kapitola [1] a [2]]kap1.txt',
    '[]]divne.txt',
    '[Tabulátor]\tdata.doc\t',
    '[Program]prog.exe -a -b',
    '[Web]http://www.sme.sk/a b',
    '[Lekcia s medzerou]moja lekcia.txt',
    '[Ukážka]ukazka.SCM /s/c',
    '[Súbor]readme',
    '[Krátky]a.tx',
    '[]',
    '[Mapa]mapa.bmp',
    '[Veľká mapa]velka mapa.bmp',
]), lines=[
    '[Cieľ s medzerami]lekcia.txt  ',
    '[]skryte.txt',
    '[bez zátvorky',
    '[Kapitola [1] a [2]]kap1.txt',
    '[]]divne.txt',
    '[Tabulátor]\tdata.doc\t',
    '[Program]prog.exe -a -b',
    '[Web]http://www.sme.sk/a b',
    '[Lekcia s medzerou]moja lekcia.txt',
    '[Ukážka]ukazka.SCM /s/c',
    '[Súbor]readme',
    '[Krátky]a.tx',
    '[]',
    '[Mapa]mapa.bmp',
    '[Veľká mapa]velka mapa.bmp',
], buttons=[
    button(1, 1, 'Cieľ s medzerami', 'lekcia.txt', 'TXT/Screen', 'lekcia.txt'),
    button(2, 2, '', 'skryte.txt', 'TXT/Screen', 'skryte.txt', visible=False),
    button(3, 3, '', '', '/Shell', '', visible=False),
    button(4, 4, 'Kapitola [1] a [2]', 'kap1.txt', 'TXT/Screen', 'kap1.txt'),
    button(5, 5, ']', 'divne.txt', 'TXT/Screen', 'divne.txt'),
    button(6, 6, 'Tabulátor', 'data.doc', 'DOC/Shell', 'data.doc'),
    button(7, 7, 'Program', 'prog.exe -a -b', 'EXE/Shell', 'prog.exe', ' -a -b'),
    button(8, 8, 'Web', 'http://www.sme.sk/a b', 'SME/Shell', 'http://www.sme.sk/a', ' b'),
    button(9, 9, 'Lekcia s medzerou', 'moja lekcia.txt', 'TXT/Screen', 'moja lekcia.txt'),
    button(10, 10, 'Ukážka', 'ukazka.SCM /s/c', 'SCM/Demonstration', 'ukazka.SCM', ' /s/c'),
    button(11, 11, 'Súbor', 'readme', 'REA/Shell', 'readme'),
    button(12, 12, 'Krátky', 'a.tx', 'TX/Shell', 'a.tx'),
    button(13, 13, '', '', '/Shell', '', visible=False),
    button(14, 14, 'Mapa', 'mapa.bmp', 'BMP/Picture', 'mapa.bmp'),
    button(15, 15, 'Veľká mapa', 'velka mapa.bmp', 'BMP/Picture', 'velka mapa.bmp'),
], background='[Veľká mapa]velka mapa.bmp')

# "<" alone takes the next line; two paragraphs A and B.
write_case('lone_open', crlf(['<', 'Prvý odsek', 'Druhý odsek>']),
           lines=['<Prvý odsek', 'Druhý odsek>'], paragraphs=['Prvý odsek', 'Druhý odsek'])

# ">" alone closes the block on the line before it; one paragraph.
write_case('lone_close', crlf(['<Jediný odsek', '>', '[Ďalej]dalej.txt']),
           lines=['<Jediný odsek>', '[Ďalej]dalej.txt'], paragraphs=['Jediný odsek'],
           buttons=[button(1, 2, 'Ďalej', 'dalej.txt', 'TXT/Screen', 'dalej.txt')])

# A block never closed runs to the end of the file; its last paragraph has no closing
# ">" to lose and stays whole.
write_case('unclosed', crlf(['//www.example.sk', '<Text bez konca', 'druhý riadok']),
           lines=['//www.example.sk', '<Text bez konca', 'druhý riadok'],
           links=['www.example.sk'], paragraphs=['Text bez konca', 'druhý riadok'])

# "<" alone as the very last line: the block is just "<" and shows one empty paragraph.
write_case('open_at_end', crlf(['[A]a.txt', '<']), lines=['[A]a.txt', '<'],
           buttons=[button(1, 1, 'A', 'a.txt', 'TXT/Screen', 'a.txt')], paragraphs=[''])

# A remark after ">" ends the block: it is the block's last line (shown whole, having
# no closing ">"), the free line after it is not stored, and the button and link after
# it are a button and a link.
write_case('remark_after_close', crlf([
    '<Text lekcie',
    '> poznámka za koncom',
    'komentár za blokom',
    '[Ďalej]dalej.txt',
    '//www.example.sk',
    '<Druhý blok>',
    '[Späť na začiatok]uvod.txt',
]), lines=['<Text lekcie', '> poznámka za koncom', '[Ďalej]dalej.txt', '//www.example.sk',
           '<Druhý blok>', '[Späť na začiatok]uvod.txt'],
   buttons=[button(1, 3, 'Ďalej', 'dalej.txt', 'TXT/Screen', 'dalej.txt'),
            button(2, 6, 'Späť na začiatok', 'uvod.txt', 'TXT/Screen', 'uvod.txt')],
   links=['www.example.sk'],
   paragraphs=['Text lekcie', '> poznámka za koncom', 'Druhý blok'])

# Inside a block, lines that look like buttons, links or block starts are text.
write_case('block_swallows', crlf([
    '<Text lekcie',
    '[Toto nie je tlačidlo]x.txt',
    '//ani toto nie je odkaz',
    '<ani toto nie je nový blok',
    'koniec textu>',
    '[Skutočné tlačidlo]y.txt',
]), lines=['<Text lekcie', '[Toto nie je tlačidlo]x.txt', '//ani toto nie je odkaz',
           '<ani toto nie je nový blok', 'koniec textu>', '[Skutočné tlačidlo]y.txt'],
   buttons=[button(1, 6, 'Skutočné tlačidlo', 'y.txt', 'TXT/Screen', 'y.txt')],
   paragraphs=['Text lekcie', '[Toto nie je tlačidlo]x.txt', '//ani toto nie je odkaz',
               'ani toto nie je nový blok', 'koniec textu'])

# Several blocks one after another, each losing its own closing character; a blank
# after ">" keeps a block open.
write_case('several_blocks', crlf([
    '<Prvý blok',
    'pokračuje>',
    '[Tlačidlo]a.txt',
    '<jednoriadkový>',
    '<>',
    '<',
    '>',
    '//odkaz',
    '<Tretí blok, riadok má na konci medzeru> ',
    'koniec>',
]), lines=['<Prvý blok', 'pokračuje>', '[Tlačidlo]a.txt', '<jednoriadkový>', '<>', '<>',
           '//odkaz', '<Tretí blok, riadok má na konci medzeru> ', 'koniec>'],
   buttons=[button(1, 3, 'Tlačidlo', 'a.txt', 'TXT/Screen', 'a.txt')],
   links=['odkaz'],
   paragraphs=['Prvý blok', 'pokračuje', 'jednoriadkový', '', '',
               'Tretí blok, riadok má na konci medzeru> ', 'koniec'])

# Only free lines: nothing stored, but the background is still named.
write_case('free_only', crlf([
    'Toto je iba komentár',
    '>',
    '> nie blok',
    ' [odsadené tlačidlo]a.txt',
    ' //odsadený odkaz',
    ' <odsadený text>',
    '/jedna lomka',
    'obrazok.BMP',
    '',
]), background='obrazok.BMP', has_items=False)

write_case('empty', b'', has_items=False)

# The last ".BMP" line read under the ordinary line kinds wins, whole and unchanged;
# lines taken into a text block after its opening line do not count.
write_case('background_rules', crlf([
    'prvé pozadie.bmp',
    '//www.example.sk/obrazky/mapa.BMP',
    '  Druhé Pozadie.Bmp  \t',
    '<Text o obrázku',
    'na ktorom je graf.bmp',
    'koniec>',
    '<',
    'obrazok.bmp v texte>',
    'obrazokBMP',
    'mapa.bm p',
]), lines=['//www.example.sk/obrazky/mapa.BMP', '<Text o obrázku', 'na ktorom je graf.bmp',
           'koniec>', '<obrazok.bmp v texte>'],
   links=['www.example.sk/obrazky/mapa.BMP'],
   paragraphs=['Text o obrázku', 'na ktorom je graf.bmp', 'koniec', 'obrazok.bmp v texte'],
   background='  Druhé Pozadie.Bmp  \t')

write_case('lf_only', '[Prvá]prva.txt\n//www.example.sk\n<Text\n>\npozadie.bmp\n',
           lines=['[Prvá]prva.txt', '//www.example.sk', '<Text>'],
           buttons=[button(1, 1, 'Prvá', 'prva.txt', 'TXT/Screen', 'prva.txt')],
           links=['www.example.sk'], paragraphs=['Text'], background='pozadie.bmp')

write_case('no_final_line_end', crlf(['//www.example.sk', '[Posledná]posledna.txt'], last_end=False),
           lines=['//www.example.sk', '[Posledná]posledna.txt'],
           buttons=[button(1, 2, 'Posledná', 'posledna.txt', 'TXT/Screen', 'posledna.txt')],
           links=['www.example.sk'])

# Every kind of line with Slovak letters; extensions are upper-cased in ASCII only.
write_case('slovak', crlf([
    'Ľudovít Štúr – ďalší komentár',
    '[Ľščťžýáíéúäôň]ľščťžýáíéúäôň.txt',
    '[ĽŠČŤŽÝÁÍÉÚÄÔŇ]Ďalšie.SCM /s',
    '[Iné]súbor.ťxt',
    '//ľščťžýáíéúäôň.sk',
    '<Žltý kôň úpel ďábelské ódy.',
    'Čučoriedky, ťava, ľalia, ňufák.>',
    'Pozadie_ščť.bmp',
]), lines=['[Ľščťžýáíéúäôň]ľščťžýáíéúäôň.txt', '[ĽŠČŤŽÝÁÍÉÚÄÔŇ]Ďalšie.SCM /s',
           '[Iné]súbor.ťxt', '//ľščťžýáíéúäôň.sk', '<Žltý kôň úpel ďábelské ódy.',
           'Čučoriedky, ťava, ľalia, ňufák.>'],
   buttons=[button(1, 1, 'Ľščťžýáíéúäôň', 'ľščťžýáíéúäôň.txt', 'TXT/Screen', 'ľščťžýáíéúäôň.txt'),
            button(2, 2, 'ĽŠČŤŽÝÁÍÉÚÄÔŇ', 'Ďalšie.SCM /s', 'SCM/Demonstration', 'Ďalšie.SCM', ' /s'),
            button(3, 3, 'Iné', 'súbor.ťxt', 'ťXT/Shell', 'súbor.ťxt')],
   links=['ľščťžýáíéúäôň.sk'],
   paragraphs=['Žltý kôň úpel ďábelské ódy.', 'Čučoriedky, ťava, ľalia, ňufák.'],
   background='Pozadie_ščť.bmp')

# Binary garbage: NUL and other control bytes, a lone CR before CR LF and inside a line,
# Ctrl-Z, bytes above 127; a last line without an end.
write_case('binary',
           b'\x00\x01\x02\r\n'
           b'[\x80\x00]\x1a.bmp\r\r\n'
           b'<\x00\r\n'
           b'\xff\xfe\rx>\n'
           b'//\x00\x00\r\n'
           b'\x1a\x1a',
           lines=['[\u20ac\x00]\x1a.bmp\r', '<\x00', '\u02d9\u0163\rx>', '//\x00\x00'],
           buttons=[button(1, 1, '\u20ac\x00', '.bmp', 'BMP/Picture', '.bmp')],
           links=['\x00\x00'], paragraphs=['\x00', '\u02d9\u0163\rx'],
           background='[\u20ac\x00]\x1a.bmp\r')

# Lines of 1,000 characters are kept whole; the last "]" lies far past position 255.
long_caption = 'ľ' * 300 + ']' + 'ž' * 300
long_target = 'k' * 393 + '.txt'
long_lines = ['[' + long_caption + ']' + long_target, '//' + 'w' * 998,
              '<' + 't' * 998 + '>', 'f' * 996 + '.bmp']
assert all(len(line) == 1000 for line in long_lines)
write_case('long_lines', crlf(long_lines), lines=long_lines[:3],
           buttons=[button(1, 1, long_caption, long_target, 'TXT/Screen', long_target)],
           links=['w' * 998], paragraphs=['t' * 998], background=long_lines[3])

# 60 button lines: the first 20 are kept, the rest counted; the file is still read to
# its end, so the background named after them is found.
sixty = [f'[Tlačidlo {i}]lekcia{i}.txt' for i in range(1, 61)]
write_case('sixty_buttons', crlf(sixty + ['//www.example.sk', 'posledne.bmp']),
           lines=sixty[:20],
           buttons=[button(i, i, f'Tlačidlo {i}', f'lekcia{i}.txt', 'TXT/Screen', f'lekcia{i}.txt')
                    for i in range(1, 21)],
           background='posledne.bmp', dropped=41, dropped_buttons=40)

# A block whose ">" alone comes right after the 20th stored line closes that line.
nineteen = [f'[B{i}]b{i}.txt' for i in range(1, 20)]
write_case('limit_block_closed', crlf(nineteen + ['<Text na hranici', '>']),
           lines=nineteen + ['<Text na hranici>'],
           buttons=[button(i, i, f'B{i}', f'b{i}.txt', 'TXT/Screen', f'b{i}.txt') for i in range(1, 20)],
           paragraphs=['Text na hranici'])

# A block past the 18th stored line takes no room in the table: it is kept whole, and
# the buttons after it are the 19th and 20th stored lines; only the 21st is left out.
eighteen = nineteen[:18]
after_block = ['[Po bloku]po.txt', '[Ešte]este.txt', '[Navyše]navyse.txt']
write_case('limit_block_cut', crlf(eighteen + ['<Prvý riadok', 'druhý riadok', 'tretí riadok', '>']
                                   + after_block),
           lines=eighteen + ['<Prvý riadok', 'druhý riadok', 'tretí riadok>'] + after_block[:2],
           buttons=[button(i, i, f'B{i}', f'b{i}.txt', 'TXT/Screen', f'b{i}.txt') for i in range(1, 19)]
                   + [button(19, 22, 'Po bloku', 'po.txt', 'TXT/Screen', 'po.txt'),
                      button(20, 23, 'Ešte', 'este.txt', 'TXT/Screen', 'este.txt')],
           paragraphs=['Prvý riadok', 'druhý riadok', 'tretí riadok'], dropped=1, dropped_buttons=1)

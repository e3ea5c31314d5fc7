#!/usr/bin/env python3
"""Writes the golden cases of saving and reloading a lesson text, one folder per case.

  before.txt        the content file before the save (Windows-1250, CR LF unless the
                    case says otherwise), saved as the screen's content file
  before.rtf        (some cases) the formatted text file before the save
  pane.txt          the pane's text to save, UTF-8, one paragraph per line; or
  pane.rtf          the pane's text as rich text
  after.txt         the content file the save must write (Windows-1250, CR LF)
  shown-before.txt  what reloading the pane shows before the save, UTF-8, one
                    paragraph per line
  shown-after.txt   what reloading shows after the save once the formatted text file
                    is gone, so from the text block alone
The formatted text file after the save is checked against the pane itself (same text
and formatting when read back), not against stored bytes.

The expectations are written out by hand from the rules of the text block. Run the
script from anywhere; it rewrites every case folder next to it.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def crlf(lines, last_end=True):
    text = '\r\n'.join(lines)
    return text + ('\r\n' if last_end and lines else '')


def utf8_lines(lines):
    return ''.join(line + '\n' for line in lines)


def write_case(name, before, after, shown_before, shown_after,
               pane=None, pane_rtf=None, before_rtf=None, encoding='cp1250'):
    folder = os.path.join(HERE, name)
    os.makedirs(folder, exist_ok=True)
    for stale in os.listdir(folder):
        os.remove(os.path.join(folder, stale))

    def put(file, data):
        if isinstance(data, str):
            data = data.encode('utf-8')
        with open(os.path.join(folder, file), 'wb') as f:
            f.write(data)

    put('before.txt', before if isinstance(before, bytes) else crlf(before).encode('cp1250'))
    put('after.txt', after if isinstance(after, bytes) else crlf(after).encode(encoding))
    if before_rtf is not None:
        put('before.rtf', before_rtf.encode('ascii'))
    if pane_rtf is not None:
        put('pane.rtf', pane_rtf.encode('ascii'))
    else:
        put('pane.txt', utf8_lines(pane))
    put('shown-before.txt', utf8_lines(shown_before))
    put('shown-after.txt', utf8_lines(shown_after))


# A file without a block gets the block after its last line. LF-only lines and a last
# line without its end are read as lines all the same; the save writes CR LF.
write_case(
    'append-no-block',
    before='Úvod ku kapitole\n[Prvá lekcia]lekcia1.txt\n//https://example.sk\npozadie.bmp'
    .encode('cp1250'),
    pane=['Nový text lekcie.', 'Druhý odsek.'],
    after=['Úvod ku kapitole', '[Prvá lekcia]lekcia1.txt', '//https://example.sk', 'pozadie.bmp',
           '<', 'Nový text lekcie.', 'Druhý odsek.', '>'],
    shown_before=[''],
    shown_after=['Nový text lekcie.', 'Druhý odsek.'])

# Reloading shows both blocks; the save writes one block where the first one stood and
# drops the second, keeping the lines between and after them.
write_case(
    'two-blocks',
    before=['[A]a.txt', '<Prvý blok', 'druhý riadok>', '[B]b.txt', '<Druhý blok>', '//odkaz'],
    pane=['Jediný text'],
    after=['[A]a.txt', '<', 'Jediný text', '>', '[B]b.txt', '//odkaz'],
    shown_before=['Prvý blok', 'druhý riadok', 'Druhý blok'],
    shown_after=['Jediný text'])

# An empty pane removes the block altogether; the formatted file is then an empty text.
# Before the save the formatted file, not the block, is what reloading shows.
write_case(
    'empty-pane',
    before=['[A]a.txt', '<', 'Text', '>', '[B]b.txt'],
    before_rtf='{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs22 '
               'Form\\\'e1tovan\\\'fd text}',
    pane=[],
    after=['[A]a.txt', '[B]b.txt'],
    shown_before=['Formátovaný text'],
    shown_after=[''])

# A one-line block reads as what lies between its markers; the save replaces just that
# line and keeps every line after it.
write_case(
    'one-line-block',
    before=['Nadpis', '<Krátky text>', '[A]a.txt', '//http://x.sk', 'koniec'],
    pane=['Nový'],
    after=['Nadpis', '<', 'Nový', '>', '[A]a.txt', '//http://x.sk', 'koniec'],
    shown_before=['Krátky text'],
    shown_after=['Nový'])

# A closing line with text before its ">" gives that text as the last paragraph.
write_case(
    'closing-line-text',
    before=['<Prvý', 'stred', 'posledný riadok>', '[A]a.txt'],
    pane=['Prvý', 'stred', 'posledný riadok'],
    after=['<', 'Prvý', 'stred', 'posledný riadok', '>', '[A]a.txt'],
    shown_before=['Prvý', 'stred', 'posledný riadok'],
    shown_after=['Prvý', 'stred', 'posledný riadok'])

# The block as the save writes it ("<" and ">" alone on their lines) reloads without an
# empty first or last paragraph, as the screen shows it; saving it again changes nothing.
write_case(
    'written-block',
    before=['[A]a.txt', '<', 'Text lekcie', 'druhý odsek', '>'],
    pane=['Text lekcie', 'druhý odsek'],
    after=['[A]a.txt', '<', 'Text lekcie', 'druhý odsek', '>'],
    shown_before=['Text lekcie', 'druhý odsek'],
    shown_after=['Text lekcie', 'druhý odsek'])

# Characters the code page lacks become "?" in the block; the formatted file keeps them.
write_case(
    'outside-code-page',
    before=['[A]a.txt'],
    pane=['Cena 5 € a šípka → ďalej', 'Grécke Ω a čínske 中文'],
    after=['[A]a.txt', '<', 'Cena 5 € a šípka ? ďalej', 'Grécke ? a čínske ??', '>'],
    shown_before=[''],
    shown_after=['Cena 5 € a šípka ? ďalej', 'Grécke ? a čínske ??'])

# Paragraphs that look like block markers, buttons or links stay text of the block: a
# later paragraph beginning with "<" or ">" gets a "<" that the screen drops again, one
# ending with ">" gets a blank, so the block neither ends early nor leaks lines.
write_case(
    'markers-in-text',
    before=['[A]a.txt', '<Starý>', '[B]b.txt'],
    pane=['<b> nie je značka', '> citát z knihy', '[Poznámka]nie-tlacidlo.txt', '//nie odkaz',
          'šípka ->', '<', '>', 'posledný>'],
    after=['[A]a.txt', '<', '<b> nie je značka', '<> citát z knihy', '[Poznámka]nie-tlacidlo.txt',
           '//nie odkaz', 'šípka -> ', '<<', '<> ', 'posledný> ', '>', '[B]b.txt'],
    shown_before=['Starý'],
    shown_after=['<b> nie je značka', '> citát z knihy', '[Poznámka]nie-tlacidlo.txt', '//nie odkaz',
                 'šípka -> ', '<', '> ', 'posledný> '])

# The text takes no room in the table of 20 buttons and links: 17 buttons and a text of
# 24 paragraphs keep every paragraph on a line of its own, and the text after the
# buttons reads back whole.
buttons = [f'[Lekcia {n}]l{n}.txt' for n in range(1, 18)]
long_text = [f'Odsek {n}.' for n in range(1, 25)]
write_case(
    'long-text',
    before=buttons + ['<Starý>'],
    pane=long_text,
    after=buttons + ['<'] + long_text + ['>'],
    shown_before=['Starý'],
    shown_after=long_text)

# A block never closed runs to the end of the file (the line after it is block text,
# shown whole); the save replaces all of it.
write_case(
    'unclosed-block',
    before=['[A]a.txt', '<Text bez konca', '[B]b.txt'],
    pane=['Nový'],
    after=['[A]a.txt', '<', 'Nový', '>'],
    shown_before=['Text bez konca', '[B]b.txt'],
    shown_after=['Nový'])

# A block line beginning with ">" ends the block as the file is read, so the button and
# link lines after it are lines of the screen, not text, and are kept; only the lines
# of the blocks go.
write_case(
    'remark-after-close',
    before=['<Prvý text', '>poznámka autora', '[A]a.txt', '<Druhý text', '>ďalšia poznámka',
            '[B]b.txt', '//odkaz', '<Tretí>'],
    pane=['Nový'],
    after=['<', 'Nový', '>', '[A]a.txt', '[B]b.txt', '//odkaz'],
    shown_before=['Prvý text', '>poznámka autora', 'Druhý text', '>ďalšia poznámka', 'Tretí'],
    shown_after=['Nový'])

# A formatted pane: one block line per paragraph however long, a line break inside a
# paragraph starts a new line; the formatted file keeps the formatting.
long_paragraph = ('Toto je dlhý odsek, ktorý by sa v okne zalomil do viacerých riadkov, '
                  'ale v súbore ostáva jedným riadkom. ' * 4).strip()
rtf_long = long_paragraph.encode('cp1250')
rtf_long = ''.join(chr(b) if b < 0x80 else "\\'%02x" % b for b in rtf_long)
write_case(
    'rich-pane',
    before=['[A]a.txt', '<Starý', 'text>'],
    pane_rtf='{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}'
             '{\\f1\\fmodern\\fcharset238 Courier New;}}\r\n'
             '{\\colortbl ;\\red192\\green0\\blue0;}\r\n'
             '\\pard\\f0\\fs28\\b Nadpis lekcie\\b0\\par\r\n'
             '\\pard\\fs20 ' + rtf_long + '\\par\r\n'
             '\\pard\\f1\\fs24\\cf1 Prv\\\'fd riadok\\line druh\\\'fd riadok}',
    after=['[A]a.txt', '<', 'Nadpis lekcie', long_paragraph, 'Prvý riadok', 'druhý riadok', '>'],
    shown_before=['Starý', 'text'],
    shown_after=['Nadpis lekcie', long_paragraph, 'Prvý riadok', 'druhý riadok'])

# A content file saved as UTF-8 is read as UTF-8 and written back as UTF-8; one with the
# byte-order mark keeps the mark.
utf8_before = ['[Ďalej]ďalej.txt', '<Ľúbostná báseň', 'o žltom koni>', '//odkaz']
utf8_after = ['[Ďalej]ďalej.txt', '<', 'Nový ľadový text', '>', '//odkaz']
write_case(
    'utf8-kept',
    before=crlf(utf8_before).encode('utf-8'),
    pane=['Nový ľadový text'],
    after=crlf(utf8_after).encode('utf-8'),
    shown_before=['Ľúbostná báseň', 'o žltom koni'],
    shown_after=['Nový ľadový text'])
write_case(
    'utf8-mark-kept',
    before=b'\xef\xbb\xbf' + crlf(utf8_before).encode('utf-8'),
    pane=['Nový ľadový text'],
    after=b'\xef\xbb\xbf' + crlf(utf8_after).encode('utf-8'),
    shown_before=['Ľúbostná báseň', 'o žltom koni'],
    shown_after=['Nový ľadový text'])

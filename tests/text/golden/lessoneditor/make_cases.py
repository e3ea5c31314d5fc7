#!/usr/bin/env python3
"""Writes the golden cases of the lesson editor's save, one folder per case.

Each case folder holds:
  before/     the course folder before: content file, formatted text, backup
  opened.txt  the lines the plain editor shows after opening before/ (checked)
  editor.txt  the lines the author leaves in the editor when saving
  case.txt    name=<content file name>, existed=yes|no (whether the content file was
              there when the editor opened), lock=yes when another copy of the program
              holds the content file during the save, vanish=yes when the content file
              disappears between opening and saving, result=saved|busy
  after/      the course folder after the save, file for file
Text files are Windows-1250 with CR LF, as authors write them on Windows. Formatted
texts are rich text; the test compares them by what they hold, not byte for byte.
The expectations are written out by hand from the editor's rules.

Run it from anywhere; it rewrites every case folder next to this script.
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))


def crlf(lines):
    return b''.join(line.encode('cp1250') + b'\r\n' for line in lines)


def rtf_escape(text):
    out = []
    for ch in text:
        if ch in '\\{}':
            out.append('\\' + ch)
            continue
        code = ch.encode('cp1250')[0]
        out.append(ch if code < 0x80 else "\\'%02x" % code)
    return ''.join(out)


def rtf(paragraphs):
    """Rich text of paragraphs; a paragraph is a text or (text, 'b') for bold."""
    body = []
    for p in paragraphs:
        if isinstance(p, tuple):
            body.append('{\\b ' + rtf_escape(p[0]) + '}\\par\r\n')
        else:
            body.append(rtf_escape(p) + '\\par\r\n')
    return ('{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\r\n'
            '\\pard\\f0\\fs24 ' + ''.join(body) + '}\r\n').encode('ascii')


def write_folder(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


def write_case(name, before, editor, after, opened=None, content='Obsah.txt',
               existed=True, lock=False, vanish=False, result='saved'):
    folder = os.path.join(HERE, name)
    shutil.rmtree(folder, ignore_errors=True)
    write_folder(os.path.join(folder, 'before'), before)
    write_folder(os.path.join(folder, 'after'), after)
    with open(os.path.join(folder, 'editor.txt'), 'wb') as f:
        f.write(crlf(editor))
    if opened is not None:
        with open(os.path.join(folder, 'opened.txt'), 'wb') as f:
            f.write(crlf(opened))
    settings = [f'name={content}', f'existed={"yes" if existed else "no"}',
                f'lock={"yes" if lock else "no"}', f'vanish={"yes" if vanish else "no"}',
                f'result={result}']
    with open(os.path.join(folder, 'case.txt'), 'wb') as f:
        f.write(crlf(settings))


OLD_BACKUP = crlf(['[Stará verzia]stara.txt'])

# A screen with a formatted text, saved without changes: the plain editor showed the
# file without its block; the block comes back as the formatted text's plain copy,
# after the other lines. The previous file becomes the backup, replacing the old one.
screen = ['; Kapitola 1: Rastliny', '[Listy a ich tvary]listy.txt', '[Ukážka]ukazka.scm',
          '//https://sk.wikipedia.org/wiki/Rastliny', 'pozadie.bmp',
          '<Starý text,', 'ktorý už nik nečíta.>', '[Ďalej]dalej.txt']
screen_rest = ['; Kapitola 1: Rastliny', '[Listy a ich tvary]listy.txt', '[Ukážka]ukazka.scm',
               '//https://sk.wikipedia.org/wiki/Rastliny', 'pozadie.bmp', '[Ďalej]dalej.txt']
write_case('formatted_unchanged',
           before={'Obsah.txt': crlf(screen),
                   'Obsah.rtf': rtf([('Rastliny', 'b'), 'Rastliny rastú zo semien.']),
                   'Obsah.bak': OLD_BACKUP},
           opened=screen_rest, editor=screen_rest,
           after={'Obsah.txt': crlf(screen_rest + ['<Rastliny', 'Rastliny rastú zo semien.>']),
                  'Obsah.rtf': rtf([('Rastliny', 'b'), 'Rastliny rastú zo semien.']),
                  'Obsah.bak': crlf(screen)})

# Blocks typed into the editor join the formatted text in the order typed: two one-line
# blocks on consecutive lines, then a block opened by "<" alone (an empty paragraph)
# and closed on a line with text. Lines between and after them stay in place.
typed = ['[Úvod]uvod.txt', '<Prvý nový odsek.>', '<Druhý nový odsek.>', '//www.example.sk',
         '<', 'Tretí odsek', 'na dvoch riadkoch.>', '[Test]test.txt']
write_case('typed_blocks',
           before={'Obsah.txt': crlf(['[Úvod]uvod.txt', '<Úvodný text.>']),
                   'Obsah.rtf': rtf(['Úvodný text.'])},
           opened=['[Úvod]uvod.txt'], editor=typed,
           after={'Obsah.txt': crlf(['[Úvod]uvod.txt', '//www.example.sk', '[Test]test.txt',
                                     '<Úvodný text.', 'Prvý nový odsek.', 'Druhý nový odsek.', '',
                                     'Tretí odsek', 'na dvoch riadkoch.>']),
                  'Obsah.rtf': rtf(['Úvodný text.', 'Prvý nový odsek.', 'Druhý nový odsek.', '',
                                    'Tretí odsek', 'na dvoch riadkoch.']),
                  'Obsah.bak': crlf(['[Úvod]uvod.txt', '<Úvodný text.>'])})

# With a formatted text, a line outside any block that ends with ">" is dropped; a
# formatted text of one paragraph becomes one line carrying both markers.
gt = ['[A]a.txt', 'poznámka -->', '<Text.>']
write_case('gt_line_formatted',
           before={'Obsah.txt': crlf(gt), 'Obsah.rtf': rtf(['Jediný odsek.'])},
           opened=['[A]a.txt', 'poznámka -->'], editor=['[A]a.txt', 'poznámka -->'],
           after={'Obsah.txt': crlf(['[A]a.txt', '<Jediný odsek.>']),
                  'Obsah.rtf': rtf(['Jediný odsek.']), 'Obsah.bak': crlf(gt)})

# Without a formatted text the editor shows everything and the save writes it as typed:
# the block stays, the line ending with ">" stays, no formatted text appears.
plain = ['[A]a.txt', 'poznámka -->', '<Text v bloku,', 'druhý riadok.>']
plain_typed = plain + ['[B]b.txt']
write_case('no_formatted',
           before={'Obsah.txt': crlf(plain), 'Obsah.bak': OLD_BACKUP},
           opened=plain, editor=plain_typed,
           after={'Obsah.txt': crlf(plain_typed), 'Obsah.bak': crlf(plain)})

# A screen file that did not exist: opening creates it empty, the save writes no
# backup, and a stale backup of an earlier file of that name is kept, not deleted.
new = ['[Prvé]prve.txt', '<Nový text.>']
write_case('new_file', content='kap2.txt', existed=False,
           before={'kap2.bak': OLD_BACKUP},
           opened=[], editor=new,
           after={'kap2.txt': crlf(new), 'kap2.bak': OLD_BACKUP})

# Lines longer than 255 characters are kept whole, in the editor and in the file.
long_link = '//https://www.example.sk/' + 'dlha-cesta/' * 26
long_button = '[' + 'Veľmi dlhý popis tlačidla ' * 12 + ']dlhy.txt'
long_text = '<' + 'Dlhý riadok textu. ' * 16 + '>'
assert len(long_link) > 255 and len(long_button) > 255 and len(long_text) > 255
write_case('long_lines',
           before={'Obsah.txt': crlf([long_button, long_text, long_link]),
                   'Obsah.rtf': rtf(['Text.'])},
           opened=[long_button, long_link], editor=[long_button, long_link],
           after={'Obsah.txt': crlf([long_button, long_link, '<Text.>']),
                  'Obsah.rtf': rtf(['Text.']),
                  'Obsah.bak': crlf([long_button, long_text, long_link])})

# A block that is never closed runs to the last line, on opening and when typed: the
# lines after an unclosed block are block text, and a typed unclosed block reaches the
# formatted text line for line.
unclosed = ['[A]a.txt', '<Text bez konca', '[B]b.txt', '//www.example.sk']
write_case('unclosed_block',
           before={'Obsah.txt': crlf(unclosed), 'Obsah.rtf': rtf(['Pôvodný text.'])},
           opened=['[A]a.txt'], editor=['[A]a.txt', '<Nový odsek', 'bez konca'],
           after={'Obsah.txt': crlf(['[A]a.txt', '<Pôvodný text.', 'Nový odsek', 'bez konca>']),
                  'Obsah.rtf': rtf(['Pôvodný text.', 'Nový odsek', 'bez konca']),
                  'Obsah.bak': crlf(unclosed)})

# A content file that is only a block opens as an empty editor and is saved as the
# formatted text's block alone.
write_case('only_block',
           before={'Obsah.txt': crlf(['<Len text,', 'žiadne tlačidlá.>']),
                   'Obsah.rtf': rtf([('Nadpis', 'b'), 'Prvý odsek.', 'Druhý odsek.'])},
           opened=[], editor=[],
           after={'Obsah.txt': crlf(['<Nadpis', 'Prvý odsek.', 'Druhý odsek.>']),
                  'Obsah.rtf': rtf([('Nadpis', 'b'), 'Prvý odsek.', 'Druhý odsek.']),
                  'Obsah.bak': crlf(['<Len text,', 'žiadne tlačidlá.>'])})

# An empty formatted text gives no block at all.
write_case('empty_formatted',
           before={'Obsah.txt': crlf(['[A]a.txt', '<Text.>']), 'Obsah.rtf': rtf([])},
           opened=['[A]a.txt'], editor=['[A]a.txt'],
           after={'Obsah.txt': crlf(['[A]a.txt']), 'Obsah.rtf': rtf([]),
                  'Obsah.bak': crlf(['[A]a.txt', '<Text.>'])})

# Binary garbage: every byte value, LF-only and CR LF line ends, a lone CR inside a
# line, no end after the last line. The editor gets the lines; the content file is
# written back with CR LF after each, and the backup keeps the original bytes exactly.
garbage = bytes(range(256)) + b'\n<\x00\x01>\r\n\r\x1a\xff\xfe trailing'
raw_lines = []
for part in garbage.split(b'\n'):
    raw_lines.append(part[:-1] if part.endswith(b'\r') else part)
editor_bytes = b''.join(line + b'\r\n' for line in raw_lines)
folder = os.path.join(HERE, 'binary')
write_case('binary', before={'Obsah.txt': garbage}, editor=[],
           after={'Obsah.txt': editor_bytes, 'Obsah.bak': garbage})
for file in ('editor.txt', 'opened.txt'):
    with open(os.path.join(folder, file), 'wb') as f:
        f.write(editor_bytes)

# A formatted text that is not rich text is left alone: the editor works as if there
# were none, so the block stays in the plain editor and in the file.
notrtf = ['[A]a.txt', '<Text v bloku.>']
write_case('not_rtf',
           before={'Obsah.txt': crlf(notrtf), 'Obsah.rtf': crlf(['Toto nie je formátovaný text.'])},
           opened=notrtf, editor=notrtf + ['//www.example.sk'],
           after={'Obsah.txt': crlf(notrtf + ['//www.example.sk']),
                  'Obsah.rtf': crlf(['Toto nie je formátovaný text.']),
                  'Obsah.bak': crlf(notrtf)})

# Another copy of the program holds the content file: nothing is written, and the last
# good backup stays.
held = {'Obsah.txt': crlf(['[A]a.txt', '<Text.>']), 'Obsah.rtf': rtf(['Text.']),
        'Obsah.bak': OLD_BACKUP}
write_case('locked', lock=True, result='busy', before=held,
           opened=['[A]a.txt'], editor=['[A]a.txt', '<Nový odsek.>'], after=held)

# The content file vanished between opening and saving (moved away by someone else):
# the save is refused, the backup and the formatted text stay as they were.
write_case('vanished', vanish=True, result='busy', before=held,
           opened=['[A]a.txt'], editor=['[A]a.txt'],
           after={k: v for k, v in held.items() if k != 'Obsah.txt'})

# Names are matched without regard to case: the files keep their own spelling, and the
# new backup is named after the content file's name as the screen gives it.
write_case('name_case', content='kap1.txt',
           before={'KAP1.TXT': crlf(['[A]a.txt', '<Text.>']), 'Kap1.Rtf': rtf(['Text.'])},
           opened=['[A]a.txt'], editor=['[A]a.txt', '[B]b.txt'],
           after={'KAP1.TXT': crlf(['[A]a.txt', '[B]b.txt', '<Text.>']), 'Kap1.Rtf': rtf(['Text.']),
                  'kap1.bak': crlf(['[A]a.txt', '<Text.>'])})

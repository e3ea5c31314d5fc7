#!/usr/bin/env python3
"""Writes the two sample courses of the sample program folder, the button pictures and the
help texts, then checks what it wrote.

    python3 scripts/make-sample-courses.py [program folder]      (default: sample/)

Everything is made here with the standard library only and the same output every run:
content files, CONFIG.TXT and HTML pages in Windows-1250 with CR LF (as authors on Windows
write them), formatted texts as a Windows rich-edit control writes RTF, pictures as 24-bit
uncompressed Windows bitmaps. The two course folders are removed and written afresh; the
program folder's own CONFIG.TXT, POZADIE.BMP and ikona.ico are left alone.

Names follow Windows habits but every button target names an existing file exactly or in
another letter case. Files that buttons open have a three-letter extension (.htm, .run),
because the course check of the player tests a target's name cut three letters after its
first dot.
"""
import math
import pathlib
import re
import shutil
import stat
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
COURSE_PC = "Práca s počítačom"
COURSE_SK = "Slovenčina"
EXAM = "Vyskúšajte sa"
MAX_STORED = 20
WINDOW_W, WINDOW_H = 760, 640

# --------------------------------------------------------------------------- text files


def windows_text(lines):
    """Lines as a Windows author's editor saves them: Windows-1250, CR LF, final CR LF."""
    return "\r\n".join(lines).encode("cp1250") + b"\r\n"


def write_bytes(path, data):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


# --------------------------------------------------------------------------- rich text
#
# Lesson texts are written once, with a small inline markup, and give both stored forms:
# the plain text block of the content file (markup removed) and the formatted file.
#   {b}..{/b} bold   {i}..{/i} italic   {u}..{/u} underline   {c1}..{/c} dark blue
#   {c2}..{/c} red   {big}..{/big} 14 points   {mono}..{/mono} Courier New
# A paragraph that starts with "• " is a list item (hanging indent).

MARK = re.compile(r"\{(/?)(b|i|u|c1|c2|c|big|mono)\}")
RTF_ON = {"b": r"\b", "i": r"\i", "u": r"\ul", "c1": r"\cf1", "c2": r"\cf2",
          "big": r"\fs28", "mono": r"\f1"}
RTF_OFF = {"b": r"\b0", "i": r"\i0", "u": r"\ulnone", "c": r"\cf0", "c1": r"\cf0",
           "c2": r"\cf0", "big": r"\fs22", "mono": r"\f0"}
RTF_HEAD = (r"{\rtf1\ansi\ansicpg1250\deff0\deflang1051"
            r"{\fonttbl{\f0\fswiss\fcharset238 Arial;}{\f1\fnil\fcharset238 Courier New;}}"
            "\r\n"
            r"{\colortbl ;\red0\green0\blue128;\red192\green0\blue0;}"
            "\r\n")
BULLET = "• "


def plain(markup):
    return MARK.sub("", markup)


def rtf_escape(text):
    """Text as RTF: control characters escaped, everything above ASCII as \\'xx in
    Windows-1250, the way the rich-edit control saves it."""
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append(r"\tab ")
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.extend("\\'%02x" % b for b in ch.encode("cp1250"))
    return "".join(out)


def rtf_tokens(markup):
    """The paragraph as RTF pieces: ("ctl", "\\b") for a control word, ("txt", ...) for
    escaped text."""
    out, pos = [], 0
    for m in MARK.finditer(markup):
        if m.start() > pos:
            out.append(("txt", rtf_escape(markup[pos:m.start()])))
        table = RTF_OFF if m.group(1) else RTF_ON
        out.append(("ctl", table[m.group(2)]))
        pos = m.end()
    if pos < len(markup):
        out.append(("txt", rtf_escape(markup[pos:])))
    return out


def rtf_join(tokens):
    """Control words run together; one blank ends a run before text, as the rich-edit
    control writes them."""
    out, after_ctl = [], False
    for kind_, value in tokens:
        if kind_ == "ctl":
            out.append(value)
            after_ctl = not value.endswith("\n")   # a line end also ends the word
        else:
            out.append((" " if after_ctl else "") + value)
            after_ctl = False
    return "".join(out)


def rtf_document(paragraphs):
    tokens, in_list = [("ctl", r"\viewkind4\uc1\pard\f0\fs22")], False
    for para in paragraphs:
        item = plain(para).startswith(BULLET)
        if item and not in_list:
            tokens.append(("ctl", r"\pard\fi-284\li284"))
        elif not item and in_list:
            tokens.append(("ctl", r"\pard"))
        in_list = item
        tokens += rtf_tokens(para)
        tokens.append(("ctl", r"\par" + "\r\n"))
    return (RTF_HEAD + rtf_join(tokens) + "}\r\n").encode("ascii")


def rtf_plain_paragraphs(data):
    """The paragraphs of an RTF file as a reader sees them (enough for the files written
    here): destinations skipped, \\'xx decoded as Windows-1250, \\par ends a paragraph."""
    text = data.decode("ascii")
    out, cur, stack, skip, i = [], bytearray(), [], False, 0
    while i < len(text):
        ch = text[i]
        if ch == "{":
            stack.append(skip)
            i += 1
        elif ch == "}":
            skip = stack.pop() if stack else False
            i += 1
        elif ch in "\r\n":
            i += 1
        elif ch == "\\":
            nxt = text[i + 1]
            if nxt == "'":
                if not skip:
                    cur.append(int(text[i + 2:i + 4], 16))
                i += 4
            elif not nxt.isalpha():
                if not skip:
                    cur += nxt.encode("ascii")
                i += 2
            else:
                m = re.compile(r"([a-z]+)(-?\d+)? ?").match(text, i + 1)
                word = m.group(1)
                i = m.end()
                if word in ("fonttbl", "colortbl"):
                    skip = True
                elif skip:
                    pass
                elif word == "par":
                    out.append(cur.decode("cp1250"))
                    cur = bytearray()
                elif word == "tab":
                    cur += b"\t"
        else:
            if not skip:
                cur += ch.encode("ascii")
            i += 1
    if cur:
        out.append(cur.decode("cp1250"))
    return out



def rtf_spreadsheet_lesson(paragraphs):
    """The spreadsheet lesson's formatted text: its paragraphs around a table of cells
    and a numbered list of steps, as a word processor writes them (\\trowd rows of
    \\cell, numbered paragraphs with the older \\pn words)."""
    def para(text):
        return rtf_escape(text) + "\\par\r\n"
    rows = [("Bunka", "Obsah", "Zobrazí sa"), ("A1", "12", "12"), ("A2", "30", "30"),
            ("A3", "=A1+A2", "42")]
    table = ""
    for r, cells in enumerate(rows):
        table += "\\trowd\\trgaph108\\cellx1800\\cellx4200\\cellx6600\r\n\\pard\\intbl "
        for cell in cells:
            text = rtf_escape(cell)
            table += ("{\\b " + text + "}" if r == 0 else text) + "\\cell "
        table += "\\row\r\n"
    steps = ["Kliknite do bunky, kde má byť výsledok.",
             "Napíšte znak rovná sa a vzorec, napríklad =A1+A2.",
             "Stlačte kláves Enter: v bunke sa zobrazí výsledok."]
    numbered = ""
    for n, step in enumerate(steps, 1):
        numbered += ("{\\pntext\\f0 %d.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent360\\pnstart1\\pndec{\\pntxta.}}"
                     "\\fi-360\\li360 " % n) + para(step)
    body = ("\\viewkind4\\uc1\\pard\\f0\\fs22 " + para(paragraphs[0]) + para(paragraphs[1])
            + table + "\\pard\\f0\\fs22 " + para("Ako napísať vzorec:") + numbered
            + "\\pard " + para(paragraphs[2]))
    return (RTF_HEAD + body + "}\r\n").encode("ascii")

# --------------------------------------------------------------------------- pictures


class Canvas:
    """An RGB picture held top-down, three bytes a pixel."""

    def __init__(self, width, height, colour=(255, 255, 255)):
        self.w, self.h = width, height
        self.px = bytearray(bytes(colour) * (width * height))

    def span(self, y, x0, x1, colour):
        """Pixels x0..x1-1 of row y, clipped."""
        if not 0 <= y < self.h:
            return
        x0, x1 = max(0, int(x0)), min(self.w, int(x1))
        if x1 > x0:
            off = (y * self.w + x0) * 3
            self.px[off:off + (x1 - x0) * 3] = bytes(colour) * (x1 - x0)

    def dot(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            off = (y * self.w + x) * 3
            self.px[off:off + 3] = bytes(colour)

    def get(self, x, y):
        off = (y * self.w + x) * 3
        return tuple(self.px[off:off + 3])

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(int(y0), int(y1)):
            self.span(y, x0, x1, colour)

    def shade(self, x0, y0, x1, y1, factor):
        """Darkens a rectangle (a soft shadow)."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                r, g, b = self.get(x, y)
                self.dot(x, y, (int(r * factor), int(g * factor), int(b * factor)))

    def round_rect(self, x0, y0, x1, y1, radius, top, bottom=None, border=None, width=0):
        """Rounded rectangle with a vertical gradient from top to bottom colour and an
        optional border of the given width."""
        bottom = bottom or top
        for y in range(y0, y1):
            inset = 0
            dy = max(y0 + radius - y, y - (y1 - 1 - radius), 0)
            if dy:
                inset = radius - int(math.sqrt(max(radius * radius - dy * dy, 0)))
            t = (y - y0) / max(1, y1 - y0 - 1)
            colour = mix(top, bottom, t)
            if border and (y < y0 + width or y >= y1 - width):
                colour = border
            self.span(y, x0 + inset, x1 - inset, colour)
            if border:
                self.span(y, x0 + inset, x0 + inset + width, border)
                self.span(y, x1 - inset - width, x1 - inset, border)

    def disc(self, cx, cy, radius, colour):
        for y in range(int(cy - radius), int(cy + radius) + 1):
            dy = y - cy
            if abs(dy) <= radius:
                dx = math.sqrt(radius * radius - dy * dy)
                self.span(y, round(cx - dx), round(cx + dx) + 1, colour)

    def ring(self, cx, cy, radius, width, colour):
        for y in range(int(cy - radius), int(cy + radius) + 1):
            for x in range(int(cx - radius), int(cx + radius) + 1):
                d = math.hypot(x - cx, y - cy)
                if radius - width <= d <= radius:
                    self.dot(x, y, colour)

    def polygon(self, points, colour):
        """Fills a convex or simple polygon by scan lines."""
        ys = [p[1] for p in points]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            yc = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= yc < by) or (by <= yc < ay):
                    xs.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                self.span(y, round(a), round(b), colour)

    def line(self, x0, y0, x1, y1, width, colour):
        length = math.hypot(x1 - x0, y1 - y0) or 1
        nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                      (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)

    def arrow(self, x0, y0, x1, y1, width, colour, both=False, head=None):
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        head = head or width * 3.2

        def tip(tx, ty, sx, sy):
            bx, by = tx - sx * head, ty - sy * head
            self.polygon([(tx, ty), (bx - sy * head * 0.6, by + sx * head * 0.6),
                          (bx + sy * head * 0.6, by - sx * head * 0.6)], colour)
            return bx, by

        ex, ey = tip(x1, y1, ux, uy)
        sx, sy = (tip(x0, y0, -ux, -uy) if both else (x0, y0))
        self.line(sx, sy, ex, ey, width, colour)

    def bmp(self):
        """24-bit uncompressed Windows bitmap: BGR, rows bottom-up, padded to 4 bytes."""
        row = self.w * 3
        pad = b"\0" * ((4 - row % 4) % 4)
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            src = self.px[y * row:(y + 1) * row]
            bgr = bytearray(row)
            bgr[0::3], bgr[1::3], bgr[2::3] = src[2::3], src[1::3], src[0::3]
            data += bgr + pad
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        return header + info + bytes(data)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(int(round(a[k] + (b[k] - a[k]) * t)) for k in range(3))


# A 5 x 7 pixel font for the labels of the diagram; accents are drawn above the letter.
GLYPHS = {
    "A": " ### |#   #|#   #|#####|#   #|#   #|#   #",
    "B": "#### |#   #|#   #|#### |#   #|#   #|#### ",
    "C": " ### |#   #|#    |#    |#    |#   #| ### ",
    "D": "#### |#   #|#   #|#   #|#   #|#   #|#### ",
    "E": "#####|#    |#    |#### |#    |#    |#####",
    "F": "#####|#    |#    |#### |#    |#    |#    ",
    "G": " ### |#   #|#    |# ###|#   #|#   #| ####",
    "H": "#   #|#   #|#   #|#####|#   #|#   #|#   #",
    "I": " ### |  #  |  #  |  #  |  #  |  #  | ### ",
    "J": "  ###|   # |   # |   # |   # |#  # | ##  ",
    "K": "#   #|#  # |# #  |##   |# #  |#  # |#   #",
    "L": "#    |#    |#    |#    |#    |#    |#####",
    "M": "#   #|## ##|# # #|# # #|#   #|#   #|#   #",
    "N": "#   #|##  #|# # #|#  ##|#   #|#   #|#   #",
    "O": " ### |#   #|#   #|#   #|#   #|#   #| ### ",
    "P": "#### |#   #|#   #|#### |#    |#    |#    ",
    "R": "#### |#   #|#   #|#### |# #  |#  # |#   #",
    "S": " ####|#    |#    | ### |    #|    #|#### ",
    "T": "#####|  #  |  #  |  #  |  #  |  #  |  #  ",
    "U": "#   #|#   #|#   #|#   #|#   #|#   #| ### ",
    "V": "#   #|#   #|#   #|#   #|#   #| # # |  #  ",
    "X": "#   #|#   #| # # |  #  | # # |#   #|#   #",
    "Y": "#   #|#   #| # # |  #  |  #  |  #  |  #  ",
    "Z": "#####|    #|   # |  #  | #   |#    |#####",
    "0": " ### |#   #|#  ##|# # #|##  #|#   #| ### ",
    "1": "  #  | ##  |  #  |  #  |  #  |  #  | ### ",
    "2": " ### |#   #|    #|   # |  #  | #   |#####",
    "(": "   # |  #  | #   | #   | #   |  #  |   # ",
    ")": " #   |  #  |   # |   # |   # |  #  | #   ",
    "-": "     |     |     | ### |     |     |     ",
    "/": "    #|    #|   # |  #  | #   |#    |#    ",
    ":": "     |  #  |  #  |     |  #  |  #  |     ",
    " ": "     |     |     |     |     |     |     ",
}
ACCENTS = {"acute": ["   # ", "  #  "], "caron": [" # # ", "  #  "],
           "umlaut": ["     ", " # # "], "circ": ["  #  ", " # # "]}
ACCENTED = {"Á": ("A", "acute"), "É": ("E", "acute"), "Í": ("I", "acute"),
            "Ó": ("O", "acute"), "Ú": ("U", "acute"), "Ý": ("Y", "acute"),
            "Č": ("C", "caron"), "Ď": ("D", "caron"), "Ň": ("N", "caron"),
            "Š": ("S", "caron"), "Ť": ("T", "caron"), "Ž": ("Z", "caron"),
            "Ä": ("A", "umlaut"), "Ô": ("O", "circ")}


def text_width(text, scale):
    return len(text) * 6 * scale - scale


def draw_text(canvas, x, y, text, scale, colour):
    """Draws text with its cell top at y (three accent rows above the letters)."""
    for n, ch in enumerate(text):
        base, accent = ACCENTED.get(ch, (ch, None))
        rows = ([" " * 5] + ACCENTS[accent] if accent else [" " * 5] * 3)
        rows = rows + GLYPHS[base].split("|")
        for r, bits in enumerate(rows):
            for c, bit in enumerate(bits):
                if bit == "#":
                    px = x + (n * 6 + c) * scale
                    canvas.rect(px, y + r * scale, px + scale, y + (r + 1) * scale, colour)


def draw_text_centred(canvas, cx, y, text, scale, colour):
    draw_text(canvas, cx - text_width(text, scale) // 2, y, text, scale, colour)


# ---- the program folder's button icons (24 x 24)

def icon_play():
    c = Canvas(24, 24, (240, 240, 240))
    c.disc(11.5, 11.5, 11, (30, 130, 60))
    c.disc(11.5, 11.5, 9, (60, 175, 90))
    c.polygon([(8, 5.5), (8, 17.5), (18, 11.5)], (255, 255, 255))
    return c


def page(c, x0, y0, x1, y1, fold, paper, edge):
    c.polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], edge)
    c.polygon([(x0 + 1, y0 + 1), (x1 - fold - 0.5, y0 + 1), (x1 - 1, y0 + fold + 0.5),
               (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)], paper)
    c.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], edge)


def icon_text():
    c = Canvas(24, 24, (240, 240, 240))
    page(c, 4, 1, 20, 23, 5, (255, 255, 255), (90, 90, 110))
    for y in (8, 11, 14, 17, 20):
        c.rect(7, y, 17 if y != 20 else 13, y + 1, (40, 70, 160))
    return c


def icon_txt():
    """A page that leads further: lines of text and a green arrow."""
    c = Canvas(24, 24, (240, 240, 240))
    page(c, 2, 1, 17, 22, 5, (255, 252, 235), (120, 100, 60))
    for y in (7, 10, 13, 16):
        c.rect(5, y, 13, y + 1, (110, 90, 60))
    c.polygon([(13, 13), (19, 13), (19, 10), (23.5, 15.5), (19, 21), (19, 18), (13, 18)],
              (20, 140, 60))
    return c


def icon_scm():
    """A monitor showing a play triangle: a recorded demonstration."""
    c = Canvas(24, 24, (240, 240, 240))
    c.rect(1, 2, 23, 18, (50, 50, 60))
    c.rect(3, 4, 21, 16, (70, 130, 210))
    c.polygon([(9, 6.5), (9, 13.5), (15.5, 10)], (255, 255, 255))
    c.rect(10, 18, 14, 21, (80, 80, 90))
    c.rect(6, 21, 18, 23, (50, 50, 60))
    return c


QUESTION = ["  ####  ", " ##  ## ", " ##  ## ", "     ## ", "    ##  ", "   ##   ",
            "   ##   ", "        ", "   ##   ", "   ##   "]


def icon_exam(ring, face):
    c = Canvas(24, 24, (240, 240, 240))
    c.disc(11.5, 11.5, 11, ring)
    c.disc(11.5, 11.5, 9, face)
    for r, bits in enumerate(QUESTION):
        for k, bit in enumerate(bits):
            if bit == "#":
                c.rect(8 + k, 5 + r * 1.4, 9 + k, 5 + (r + 1) * 1.4, (255, 255, 255))
    return c


def icon_htm():
    """A globe: a document or page for the web browser."""
    c = Canvas(24, 24, (240, 240, 240))
    c.disc(11.5, 11.5, 10.5, (30, 90, 170))
    c.disc(11.5, 11.5, 9.5, (90, 160, 230))
    blue = (30, 90, 170)
    c.rect(2, 11, 22, 12, blue)
    c.rect(11, 2, 12, 22, blue)
    c.rect(4, 6, 20, 7, blue)
    c.rect(4, 16, 20, 17, blue)
    c.ring(11.5, 11.5, 6, 1, blue)
    c.polygon([(6, 8), (10, 7), (9, 11), (6, 10)], (80, 170, 80))
    c.polygon([(13, 13), (17, 12), (17, 16), (14, 17)], (80, 170, 80))
    return c


# ---- backgrounds (760 x 620, soft so the text stays readable)

def background_blue():
    c = Canvas(760, 620)
    for y in range(620):
        for x in range(760):
            t = (x / 760 + y / 620) / 2
            stripe = 0.5 + 0.5 * math.sin((x + y) / 38.0)
            base = mix((238, 245, 253), (212, 228, 247), t)
            c.dot(x, y, mix(base, (246, 250, 255), 0.35 * stripe))
    return c


def background_green():
    c = Canvas(760, 620)
    bubbles = [(120, 90, 70), (610, 140, 110), (300, 470, 90), (680, 520, 60),
               (60, 560, 50), (450, 260, 40)]
    for y in range(620):
        base = mix((240, 249, 240), (214, 236, 218), y / 619)
        for x in range(760):
            colour = base
            for bx, by, r in bubbles:
                d = math.hypot(x - bx, y - by)
                if d < r:
                    colour = mix(colour, (250, 253, 248), 0.55 * (1 - d / r))
            c.dot(x, y, colour)
    return c


def background_paper():
    """Cream paper with faint ruled lines and a margin, for the Slovak course."""
    c = Canvas(760, 620)
    for y in range(620):
        base = mix((252, 248, 236), (243, 236, 216), y / 619)
        c.span(y, 0, 760, base)
        for x in range(0, 760, 7):                 # a faint paper grain
            if (x * 7 + y * 13) % 11 == 0:
                c.dot(x, y, mix(base, (225, 215, 190), 0.35))
    for y in range(118, 620, 28):
        c.span(y, 0, 760, (222, 230, 244))
    c.rect(58, 0, 60, 620, (240, 200, 200))
    return c


# ---- the large diagram of a computer (shown by a picture button)

INPUT, OUTPUT = (96, 176, 96), (236, 160, 70)
PROCESS, STORE, POWER = (90, 140, 220), (160, 120, 210), (150, 150, 150)
INK = (25, 35, 80)


def box(c, x0, y0, x1, y1, colour, label, scale=3):
    c.shade(x0 + 8, y0 + 8, x1 + 8, y1 + 8, 0.82)
    c.round_rect(x0, y0, x1, y1, 14, mix(colour, (255, 255, 255), 0.55), colour,
                 mix(colour, (0, 0, 0), 0.35), 3)
    lines = label.split("\n")
    height = len(lines) * 11 * scale
    y = (y0 + y1) // 2 - height // 2
    for n, text in enumerate(lines):
        draw_text_centred(c, (x0 + x1) // 2, y + n * 11 * scale, text, scale, INK)


def schema_picture():
    w, h = 1400, 1000
    c = Canvas(w, h)
    for y in range(h):
        c.span(y, 0, w, mix((236, 244, 252), (206, 224, 243), y / (h - 1)))
        if y % 50 == 0:
            c.span(y, 0, w, (222, 233, 247))
    for x in range(0, w, 50):
        for y in range(h):
            c.dot(x, y, mix(c.get(x, y), (255, 255, 255), 0.4))

    draw_text_centred(c, w // 2, 30, "SCHÉMA POČÍTAČA", 7, INK)
    draw_text_centred(c, w // 2, 125, "AKO PUTUJÚ ÚDAJE", 3, (70, 90, 140))

    # the main board with the parts that process the data
    c.shade(438, 238, 978, 808, 0.85)
    c.round_rect(430, 230, 970, 800, 26, (214, 238, 216), (170, 214, 178), (60, 120, 70), 4)
    draw_text_centred(c, 700, 250, "ZÁKLADNÁ DOSKA", 3, (40, 90, 50))
    box(c, 490, 300, 910, 400, PROCESS, "PROCESOR (CPU)")
    box(c, 490, 470, 910, 570, PROCESS, "OPERAČNÁ PAMÄŤ\n(RAM)")
    box(c, 490, 640, 910, 740, PROCESS, "GRAFICKÁ KARTA")
    c.arrow(700, 406, 700, 464, 6, INK, both=True, head=16)
    c.arrow(700, 576, 700, 634, 6, INK, both=True, head=16)

    for n, name in enumerate(("KLÁVESNICA", "MYŠ", "SKENER")):
        y = 300 + n * 160
        box(c, 60, y, 360, y + 100, INPUT, name)
        c.arrow(364, y + 50, 426, y + 50, 8, (40, 110, 40))
    for n, name in enumerate(("MONITOR", "TLAČIAREŇ", "REPRODUKTORY")):
        y = 300 + n * 160
        box(c, 1040, y, 1340, y + 100, OUTPUT, name)
        c.arrow(974, y + 50, 1036, y + 50, 8, (170, 90, 20))

    box(c, 490, 860, 910, 960, STORE, "PEVNÝ DISK / SSD")
    c.arrow(700, 806, 700, 854, 6, INK, both=True, head=16)
    box(c, 60, 860, 360, 960, POWER, "ZDROJ")
    c.arrow(364, 900, 470, 790, 8, (90, 90, 90))

    # legend
    c.round_rect(1000, 850, 1380, 975, 12, (250, 252, 255), (236, 242, 250),
                 (150, 160, 190), 2)
    for n, (colour, name) in enumerate(((INPUT, "VSTUP"), (PROCESS, "SPRACOVANIE"),
                                        (OUTPUT, "VÝSTUP"), (STORE, "UKLADANIE"))):
        x, y = 1020 + (n % 2) * 180, 868 + (n // 2) * 52
        c.rect(x, y + 8, x + 26, y + 34, colour)
        draw_text(c, x + 36, y + 2, name, 2, INK)
    return c


# --------------------------------------------------------------------------- course data
#
# A screen is a content file: comment lines for the author, an optional background line,
# button lines, link lines and the lesson text. The text is given as paragraphs with the
# markup above and written as a block in one of the forms authors use:
#   "alone"       "<" on its own line, the paragraphs, ">" on its own line
#   "inline"      "<" before the first paragraph, ">" after the last
#   "alone-open"  "<" on its own line, ">" after the last paragraph
#   "alone-close" "<" before the first paragraph, ">" on its own line
#   "oneline"     every paragraph a block of its own, "<text>" on one line


class Screen:
    def __init__(self, course, name, comment, buttons=(), links=(), text=(), form="alone",
                 background=None, rtf=False):
        self.course, self.name, self.comment = course, name, comment
        self.buttons, self.links, self.text = list(buttons), list(links), list(text)
        self.form, self.background, self.rtf = form, background, rtf

    def block(self):
        paras = [plain(p) for p in self.text]
        if not paras:
            return []
        if self.form == "oneline":
            return ["<" + p + ">" for p in paras]
        if self.form == "alone":
            return ["<"] + paras + [">"]
        if self.form == "alone-open":
            return ["<"] + paras[:-1] + [paras[-1] + ">"]
        if self.form == "alone-close":
            return ["<" + paras[0]] + paras[1:] + [">"]
        if len(paras) == 1:
            return ["<" + paras[0] + ">"]
        return ["<" + paras[0]] + paras[1:-1] + [paras[-1] + ">"]

    def lines(self):
        out = list(self.comment)
        for caption, target in self.buttons:
            out.append("[" + caption + "]" + target)
        if self.background:                    # after the buttons: the last name wins
            out += ["Pozadie obrazovky:", self.background]
        out += ["//" + link for link in self.links]
        block = self.block()
        if block:
            out += [""] + block
        return out


def pc_screens():
    C = COURSE_PC
    return [
        Screen(C, "Obsah.txt",
               ["Kurz Práca s počítačom - úvodná obrazovka",
                "Autor: Lumora, ukážkový kurz. Riadky bez [ , // a < sú poznámky autora."],
               [("Počítač a jeho časti", "Kap1.txt"),
                ("Operačný systém a súbory", "kap2.txt"),
                ("Kancelárske programy", "kap3.txt"),
                ("Internet a bezpečnosť", "kap4.txt"),
                ("Slovník pojmov", "slovnik.htm"),
                (EXAM, "test.txt")],
               ["https://sk.wikipedia.org/wiki/Počítač", "https://www.slovensko.sk"],
               ["{big}{b}{c1}Vitajte v kurze Práca s počítačom{/c}{/b}{/big}",
                "Kurz vás krok za krokom prevedie základmi práce s osobným počítačom: "
                "spoznáte jeho {b}časti{/b}, naučíte sa pracovať so {b}súbormi a priečinkami{/b}, "
                "písať a upravovať texty a {b}bezpečne{/b} sa pohybovať na internete.",
                "{u}Ako postupovať:{/u}",
                BULLET + "Vyberte si kapitolu tlačidlom vpravo a prečítajte si text lekcie.",
                BULLET + "Tlačidlom {b}Späť{/b} sa vrátite o úroveň vyššie.",
                BULLET + "Na konci si vedomosti overte tlačidlom {i}" + EXAM + "{/i}."],
               form="alone", background="modre.bmp", rtf=True),
        Screen(C, "kap1.txt",
               ["Kapitola 1: Počítač a jeho časti"],
               [("Hardvér - čo je vo vnútri", "hardver.txt"),
                ("Vstupné a výstupné zariadenia", "zariadenia.txt"),
                ("Schéma počítača", "obrazky\\schema.bmp"),
                ("Ukážka: práca s myšou", "ukazka.scm /r"),
                ("Počítač na Wikipédii", "https://sk.wikipedia.org/wiki/Počítač")],
               ["https://sk.wikipedia.org/wiki/Hardvér"],
               ["{big}{b}{c1}Počítač a jeho časti{/c}{/b}{/big}",
                "Počítač je zariadenie, ktoré spracúva údaje podľa programu. Skladá sa z "
                "{b}hardvéru{/b}, teda súčastí, ktoré sa dajú chytiť do ruky, a zo "
                "{b}softvéru{/b}, čiže programov, ktoré mu hovoria, čo má robiť.",
                "Srdcom počítača je {b}procesor{/b}. Vykonáva inštrukcie programov a pracuje s "
                "údajmi v {i}operačnej pamäti{/i}, ktorá si ich pamätá, len kým je počítač zapnutý.",
                "{c2}Trvalo sa údaje ukladajú na pevný disk alebo SSD. Pred vypnutím preto "
                "vždy uložte rozpracovanú prácu.{/c}"],
               form="inline", background="Zelene.BMP", rtf=True),
        Screen(C, "hardver.txt",
               ["Lekcia: Hardvér - čo je vo vnútri"],
               [("Pozrite si schému", "obrazky\\Schema.BMP")],
               ["https://sk.wikipedia.org/wiki/Základná_doska"],
               ["Vo vnútri skrinky počítača nájdete tieto hlavné súčasti:",
                BULLET + "{b}Základná doska{/b} – spája všetky súčasti a rozvádza medzi nimi "
                "údaje aj napájanie.",
                BULLET + "{b}Procesor (CPU){/b} – „mozog“ počítača; jeho takt sa udáva v gigahertzoch.",
                BULLET + "{b}Operačná pamäť (RAM){/b} – rýchla dočasná pamäť pre spustené programy.",
                BULLET + "{b}Pevný disk alebo SSD{/b} – trvalé úložisko súborov a programov.",
                BULLET + "{b}Zdroj{/b} – mení striedavé napätie zo zásuvky na jednosmerné "
                "napätie pre súčasti.",
                "{c2}{b}Pozor:{/b} skrinku otvárajte len po odpojení počítača zo siete.{/c}"],
               form="alone-open", background="modre.bmp", rtf=True),
        Screen(C, "zariadenia.txt",
               ["Lekcia: Vstupné a výstupné zariadenia (text bez formátovaného súboru)"],
               [("Ukážka práce s myšou", "ukazka.scm"),
                ("Schéma počítača", "obrazky\\schema.bmp")],
               ["https://sk.wikipedia.org/wiki/Počítačová_myš"],
               ["Vstupné zariadenia posielajú údaje do počítača: klávesnica, myš, skener, "
                "mikrofón či webová kamera.",
                "Výstupné zariadenia odovzdávajú výsledky človeku: monitor, tlačiareň, "
                "reproduktory a slúchadlá. Dotyková obrazovka je vstupné aj výstupné "
                "zariadenie zároveň."],
               form="oneline", background="zelene.bmp"),
        Screen(C, "kap2.txt",
               ["Kapitola 2: Operačný systém a súbory"],
               [("Súbory a priečinky", "subory.txt"),
                ("Kalkulačka", "kalkulacka.run /a /b")],
               ["https://sk.wikipedia.org/wiki/Operačný_systém"],
               ["Operačný systém je základný program, ktorý sa spustí po zapnutí počítača. "
                "Stará sa o súbory, okná a pripojené zariadenia a spúšťa ostatné programy.",
                "Program možno spustiť aj s prepínačmi – krátkymi pokynmi za jeho názvom, "
                "napríklad /a alebo /b. Prepínač mení, ako sa program správa.",
                "Vyskúšajte si to: tlačidlo Kalkulačka spustí malý program s dvoma "
                "prepínačmi a ten ich vypíše."],
               form="alone"),
        Screen(C, "subory.txt",
               ["Lekcia: Súbory a priečinky"],
               [("Ukážka: presúvanie myšou", "ukazka.scm /r"),
                ("Slovník pojmov", "slovnik.htm")],
               ["https://sk.wikipedia.org/wiki/Počítačový_súbor"],
               ["Súbor je pomenovaný balík údajov – text, obrázok, hudba alebo program. "
                "Názov má zvyčajne príponu, napríklad list.docx alebo foto.jpg, podľa ktorej "
                "systém vie, ktorým programom súbor otvoriť.",
                "Priečinky slúžia na triedenie súborov. Priečinok môže obsahovať ďalšie "
                "priečinky, takže vzniká stromová štruktúra.",
                "Dobré zvyky: pomenúvajte súbory výstižne a dôležité súbory si pravidelne "
                "zálohujte na iný disk alebo kľúč USB."],
               form="alone", background="modre.bmp"),
        Screen(C, "kap3.txt",
               ["Kapitola 3: Kancelárske programy"],
               [("Textový editor", "editor.txt"),
                ("Tabuľkový procesor", "tabulky.txt")],
               [],
               ["Kancelárske programy pomáhajú pri bežnej práci v škole aj v zamestnaní. "
                "Najčastejšie sa používa textový editor, tabuľkový procesor a program na "
                "prezentácie.",
                "Väčšina z nich pracuje podobne: dokument vytvoríte, upravíte, uložíte a "
                "potom ho môžete vytlačiť alebo poslať e-mailom."],
               form="inline", background="zelene.bmp"),
        Screen(C, "editor.txt",
               ["Lekcia: Textový editor"],
               [],
               ["https://sk.wikipedia.org/wiki/Textový_editor"],
               ["V textovom editore píšete súvislý text. Nový odsek začnete klávesom Enter, "
                "nie na konci každého riadka – editor zalamuje riadky sám.",
                "Text najprv označte a potom mu zmeňte písmo, veľkosť, farbu alebo "
                "zarovnanie. Tučné písmo (Ctrl+B) používajte striedmo, len na zvýraznenie.",
                "Prácu ukladajte priebežne klávesovou skratkou Ctrl+S."],
               form="alone"),
        Screen(C, "tabulky.txt",
               ["Lekcia: Tabuľkový procesor"],
               [],
               ["https://sk.wikipedia.org/wiki/Tabuľkový_procesor"],
               ["Tabuľkový procesor usporiada údaje do riadkov a stĺpcov. Priesečník riadka "
                "a stĺpca je bunka, napríklad B3.",
                "Do bunky môžete zapísať číslo, text alebo vzorec. Vzorec začína znakom "
                "rovná sa, napríklad =B3*2 alebo =SUM(B1:B10).",
                "Keď zmeníte číslo, všetky vzorce, ktoré ho používajú, sa prepočítajú samy."],
               form="alone-close"),
        Screen(C, "kap4.txt",
               ["Kapitola 4: Internet a bezpečnosť"],
               [("Bezpečné heslo", "hesla.txt"),
                ("Internet na Wikipédii", "https://sk.wikipedia.org/wiki/Internet")],
               ["https://www.sk-cert.sk", "https://sk.wikipedia.org/wiki/Phishing"],
               ["Internet je celosvetová sieť počítačov. Webové stránky si prezeráte v "
                "prehliadači, správy posielate elektronickou poštou.",
                "Buďte opatrní: neotvárajte prílohy od neznámych odosielateľov, nezadávajte "
                "heslo na stránke, na ktorú ste prišli cez odkaz v e-maile, a pravidelne "
                "aktualizujte systém aj programy."],
               form="alone"),
        Screen(C, "hesla.txt",
               ["Lekcia: Bezpečné heslo"],
               [],
               ["https://www.sk-cert.sk"],
               ["{big}{b}{c1}Ako si vytvoriť bezpečné heslo{/c}{/b}{/big}",
                BULLET + "Heslo má mať aspoň {b}12 znakov{/b}.",
                BULLET + "Kombinujte malé a veľké písmená, číslice a iné znaky.",
                BULLET + "Nepoužívajte mená, dátumy narodenia ani slová zo slovníka.",
                BULLET + "Pre každú službu používajte {u}iné heslo{/u}; pomôže vám správca hesiel.",
                "{i}Dobrý tip:{/i} zložte heslo z niekoľkých náhodných slov, napríklad "
                "{mono}Modrý-Bicykel-Letí-7{/mono}."],
               form="alone-close", rtf=True),
        Screen(C, "test.txt",
               ["Záverečný test kurzu Práca s počítačom"],
               [("Správne odpovede", "odpovede.htm")],
               [],
               ["Odpovedzte si na otázky a potom si odpovede porovnajte so správnymi.",
                "1. Ktorá súčasť počítača vykonáva inštrukcie programov?",
                "2. Čo sa stane s údajmi v operačnej pamäti po vypnutí počítača?",
                "3. Ako sa volá krátky pokyn za názvom programu, ktorý mení jeho správanie?",
                "4. Akým znakom začína vzorec v tabuľkovom procesore?",
                "5. Aspoň koľko znakov má mať bezpečné heslo?"],
               form="alone"),
    ]


# Vybrané slová, the words after which "y" is written in Slovak, with examples.
LETTERS = [
    ("b", "by, aby, byť (existovať), bydlisko, byt, nábytok, dobytok, obyvateľ, obyčaj, "
          "bystrý, Bystrica, bylina, býk, kobyla, Bytča",
     "bývať, obývačka, príbytok, bystrina, bylinkový, kobylka",
     "Pozor na rozdiel: byť (existovať) – biť (udierať): Chcem byť zdravý. Nesmieš ho biť."),
    ("m", "my, myš, hmyz, hlemýžď, mydlo, myť, myslieť, mýliť sa, mykať, smykať sa, "
          "priemysel, mýto, Myjava",
     "umývadlo, mydliť, myšlienka, omyl, hmyzí, priemyselný",
     "Pozor na rozdiel: my (zámeno) – mi (komu? mne): My sme prišli. Daj mi knihu."),
    ("p", "pýcha, pýtať sa, pysk, pykať, kopyto, prepych, slepýš",
     "pyšný, opýtať sa, vypýtať si, kopytník, prepychový",
     "Pozor: piť, pivo a pivnica nie sú vybrané slová, preto ich píšeme s mäkkým i."),
    ("r", "ryba, rýchly, ryť, rýľ, rys, rytier, ryčať, rýdzi, hrýzť, kryť, strýko, "
          "ryšavý, trýzniť, Rysy",
     "rybár, rybník, zrýchliť, úkryt, ohryzok, rytiersky",
     "Zapamätajte si vetu: Rytier rýchlo ryl rýľom pri rybníku."),
    ("s", "syn, sýty, syr, sypať, syseľ, sýkorka, sychravý, syčať, sykať",
     "synovec, nasýtiť, syrový, posypať, presýpacie hodiny",
     "Zapamätajte si vetu: Syn sýtil sýkorky syrom a sypal im zrno."),
    ("v", "vy, vykať, vysoký, vydra, vyť, výr, výskať, vyžla, zvyk, obvyklý, žvýkať, "
          "vyhňa a predpony vy- a vý-",
     "výška, zvyknúť si, výlet, vyjsť, vysvedčenie",
     "Pozor na rozdiel: výr (sova) – vír (krúživý pohyb vody alebo vzduchu)."),
    ("z", "jazyk, nazývať sa, ozývať sa, pozývať, vyzývať, prezývať",
     "jazykový, jazýček, prezývka, pozývanie, vyzývavý",
     "Zapamätajte si vetu: Kamarát ma pozýva, jazykom sa ozýva."),
]

EXERCISES = {
    "b": [("Naša rodina b_va v B_strici.", "y, y"),
          ("Na lúke rástla liečivá b_linka.", "y"),
          ("Dedko chová kob_lu a malého b_čka.", "y, ý"),
          ("Nikoho nesmieš b_ť.", "i – biť znamená udierať")],
    "m": [("M_ sme si pred obedom um_li ruky m_dlom.", "y, y, y"),
          ("Mačka chytila m_š.", "y"),
          ("Podaj m_, prosím, ceruzku.", "i – mi znamená mne"),
          ("Ak sa m_lim, oprav ma.", "ý")],
    "p": [("Žiak sa p_tal učiteľky na cestu.", "ý"),
          ("Kôň si poranil kop_to.", "y"),
          ("Cez deň treba p_ť dosť vody.", "i – piť nie je vybrané slovo"),
          ("P_cha predchádza pád.", "ý")],
    "r": [("Rybár chytil v r_bníku veľkú r_bu.", "y, y"),
          ("Záhradník r_l záhon r_ľom.", "y, ý"),
          ("Môj str_ko býva pod R_smi.", "ý, y"),
          ("Večer sme sa r_chlo vrátili domov.", "ý")],
    "s": [("Babka s_pala zrno sliepkam.", "y"),
          ("Na kŕmidle sedela s_korka.", "ý"),
          ("Vonku bolo s_chravé počasie.", "y"),
          ("Vtáky s_ sadli na strom.", "i – si je zámeno")],
    "v": [("V_ ste v_soký ako váš otec.", "y, y"),
          ("V noci v lese húkal v_r.", "ý"),
          ("Voda v rieke tvorila nebezpečný v_r.", "í"),
          ("Pes v_l na mesiac.", "y")],
    "z": [("Na jaz_ku ma pálilo korenie.", "y"),
          ("Sestra ma poz_vala na oslavu.", "ý"),
          ("Z lesa sa oz_vala ozvena.", "ý"),
          ("Kamaráti mu dali vtipnú prez_vku.", "ý")],
}


def sk_screens():
    C = COURSE_SK
    screens = [
        Screen(C, "Obsah.txt",
               ["Kurz Slovenčina - úvodná obrazovka",
                "Pozadie sa berie z POZADIE v priečinku kurzu; nápisy upravuje CONFIG.TXT kurzu."],
               [("Pravopis", "pravopis.txt"),
                ("Slovné druhy", "slovne_druhy.txt"),
                ("Výslovnosť: ukážka", "vyslovnost.scm"),
                ("Prehľad pravidiel", "prehlad.htm"),
                (EXAM, "skuska.htm")],
               ["https://sk.wikipedia.org/wiki/Slovenčina", "https://slovnik.juls.savba.sk"],
               ["{big}{b}{c1}Kurz slovenského jazyka{/c}{/b}{/big}",
                "Kurz je určený žiakom aj dospelým, ktorí si chcú zopakovať základy "
                "{b}spisovnej slovenčiny{/b}. Zameriava sa na pravopis, slovné druhy a "
                "správnu výslovnosť.",
                "Začnite kapitolou {i}Pravopis{/i}. Každá lekcia má krátky výklad, príklady "
                "a cvičenie, ktoré si môžete sami skontrolovať.",
                "{c2}Tip:{/c} do poznámok si zapisujte vlastné príklady a pomôcky."],
               form="inline", rtf=True),
        Screen(C, "pravopis.txt",
               ["Kapitola: Pravopis"],
               [("Vybrané slová", "vybrane.txt"),
                ("Veľké písmená", "velke.txt"),
                ("Písanie čiarok", "ciarky.txt")],
               ["https://sk.wikipedia.org/wiki/Slovenský_pravopis"],
               ["{big}{b}{c1}Pravopis{/c}{/b}{/big}",
                "Slovenský pravopis sa riadi štyrmi zásadami: {b}fonetickou{/b} (píšeme, ako "
                "vyslovujeme), {b}morfologickou{/b}, {b}etymologickou{/b} a {b}gramatickou{/b}.",
                "Najviac chýb sa robí pri písaní {u}i a y{/u} po obojakých spoluhláskach, pri "
                "veľkých písmenách a pri čiarkach. Týmto témam sa venujú nasledujúce lekcie."],
               form="alone", background="pozadie.bmp", rtf=True),
        Screen(C, "velke.txt",
               ["Lekcia: Veľké písmená"],
               [],
               [],
               ["Veľkým písmenom píšeme začiatok vety, vlastné mená osôb a zvierat (Ján, "
                "Dunčo), zemepisné názvy (Tatry, Dunaj, Nitra) a názvy štátov (Slovenská "
                "republika).",
                "V názvoch miest a obcí píšeme veľkým písmenom každé slovo okrem predložiek: "
                "{b}Banská Bystrica{/b}, {b}Nové Mesto nad Váhom{/b}.",
                "Obyvateľské mená píšeme veľkým písmenom ({i}Slovák, Bratislavčan{/i}), "
                "prídavné mená od nich malým ({i}slovenský, bratislavský{/i}); malým píšeme aj "
                "dni a mesiace ({i}pondelok, január{/i})."],
               form="alone-open", rtf=True),
        Screen(C, "ciarky.txt",
               ["Lekcia: Písanie čiarok"],
               [],
               ["https://sk.wikipedia.org/wiki/Čiarka"],
               ["Čiarkou oddeľujeme vety v súvetí, najčastejšie pred spojkami že, aby, ktorý, "
                "keď, pretože: Viem, že prídeš.",
                "Čiarku píšeme aj pred odporovacími spojkami ale, no, lenže: Bolo chladno, "
                "ale slnko svietilo.",
                "Pred spojkami a, i, ani, alebo medzi dvoma členmi vety čiarku spravidla "
                "nepíšeme: Kúpil chlieb a mlieko.",
                "Čiarkou oddeľujeme aj oslovenie: Peter, poď sem!"],
               form="alone"),
        Screen(C, "slovne_druhy.txt",
               ["Kapitola: Slovné druhy"],
               [("Prehľad pravidiel", "prehlad.htm")],
               [],
               ["Slovenčina má desať slovných druhov. Ohybné sú podstatné mená, prídavné "
                "mená, zámená, číslovky a slovesá.",
                "Neohybné sú príslovky, predložky, spojky, častice a citoslovcia.",
                "Pomôcka: podstatné meno odpovedá na otázku kto? čo?, prídavné meno na "
                "otázku aký? ktorý? čí? a sloveso na otázku čo robí?"],
               form="inline"),
    ]
    buttons = []
    for letter, *_ in LETTERS:
        buttons.append(("Vybrané slová po " + letter.upper(), "vs_%s.txt" % letter))
        buttons.append(("Cvičenie po " + letter.upper(), "cvicenia\\%s.htm" % letter))
    buttons += [("Diktát", "cvicenia\\diktat.htm"),
                ("Prehľad pravidiel", "prehlad.htm"),
                (EXAM, "skuska.htm")]
    screens.append(Screen(
        C, "vybrane.txt",
        ["Lekcia: Vybrané slová - prehľad (viac tlačidiel, než sa zmestí do okna)"],
        buttons, ["https://sk.wikipedia.org/wiki/Vybrané_slová"],
        ["Obojaké spoluhlásky sú b, m, p, r, s, v, z a f. Po nich sa v domácich slovách "
         "píše y iba vo vybraných slovách a v slovách od nich odvodených; po f sa píšu "
         "najmä slová cudzieho pôvodu (fyzika, film)."],
        form="oneline"))
    for letter, words, derived, remark in LETTERS:
        big = letter.upper()
        text = ["{b}Vybrané slová po " + big + ":{/b} " + words + ".",
                "{b}Odvodené slová:{/b} " + derived + ".",
                "{i}" + remark + "{/i}"]
        screens.append(Screen(
            C, "vs_%s.txt" % letter, ["Lekcia: vybrané slová po " + big],
            [("Cvičenie po " + big, "cvicenia\\%s.htm" % letter)], [], text,
            form="alone", rtf=(letter == "b")))
    return screens


# --------------------------------------------------------------------------- documents

def html_page(title, body):
    lines = ['<!DOCTYPE html>', '<html lang="sk">', '<head>',
             '<meta charset="windows-1250">', '<title>%s</title>' % title,
             '<style>body{font-family:Arial,sans-serif;max-width:46em;margin:2em auto;'
             'line-height:1.5;color:#1a2350;background:#fbfaf4}h1{color:#000080}'
             'dt{font-weight:bold;margin-top:.6em}details{margin:.3em 0 .8em}'
             'summary{cursor:pointer;color:#c00000}</style>',
             '</head>', '<body>', '<h1>%s</h1>' % title]
    return windows_text(lines + body + ['</body>', '</html>'])


def glossary():
    terms = [
        ("Bit", "Najmenšia jednotka informácie; má hodnotu 0 alebo 1."),
        ("Bajt", "Osem bitov. Veľkosť súborov sa udáva v kilobajtoch, megabajtoch a gigabajtoch."),
        ("Procesor", "Súčasť, ktorá vykonáva inštrukcie programov a riadi prácu počítača."),
        ("Operačná pamäť", "Rýchla dočasná pamäť; po vypnutí počítača sa jej obsah stratí."),
        ("Pevný disk a SSD", "Trvalé úložisko údajov. SSD nemá pohyblivé časti, a preto je rýchlejší."),
        ("Operačný systém", "Základný program, ktorý spravuje počítač a spúšťa ostatné programy."),
        ("Súbor", "Pomenovaný celok údajov uložený na disku, napríklad dokument alebo obrázok."),
        ("Priečinok", "Miesto na disku, do ktorého sa ukladajú súbory a ďalšie priečinky."),
        ("Prehliadač", "Program na prezeranie webových stránok."),
        ("Heslo", "Tajný reťazec znakov, ktorým preukazujete, že ste oprávneným používateľom."),
        ("Phishing", "Podvodná správa alebo stránka, ktorá sa snaží vylákať heslo či číslo karty."),
        ("Aktualizácia", "Nová verzia programu, ktorá opravuje chyby a bezpečnostné slabiny."),
    ]
    body = ["<p>Krátke vysvetlenie pojmov, ktoré sa v kurze Práca s počítačom používajú.</p>",
            "<dl>"]
    for term, meaning in terms:
        body += ["<dt>%s</dt>" % term, "<dd>%s</dd>" % meaning]
    return html_page("Slovník pojmov", body + ["</dl>"])


def pc_answers():
    answers = [
        ("Ktorá súčasť počítača vykonáva inštrukcie programov?", "Procesor (CPU)."),
        ("Čo sa stane s údajmi v operačnej pamäti po vypnutí počítača?",
         "Stratia sa; trvalo sa ukladajú len na disk."),
        ("Ako sa volá krátky pokyn za názvom programu, ktorý mení jeho správanie?",
         "Prepínač, napríklad /a."),
        ("Akým znakom začína vzorec v tabuľkovom procesore?", "Znakom rovná sa (=)."),
        ("Aspoň koľko znakov má mať bezpečné heslo?", "Aspoň 12 znakov."),
    ]
    body = ["<p>Porovnajte svoje odpovede so správnymi.</p>", "<ol>"]
    body += ["<li>%s <b>%s</b></li>" % qa for qa in answers]
    return html_page("Správne odpovede", body + ["</ol>"])


def exercise(letter):
    body = ["<p>Doplňte do viet i, í, y alebo ý. Správnu odpoveď si zobrazíte kliknutím "
            "na <i>Riešenie</i>.</p>", "<ol>"]
    for sentence, answer in EXERCISES[letter]:
        body.append("<li>%s<details><summary>Riešenie</summary>%s</details></li>"
                    % (sentence, answer))
    return html_page("Cvičenie: vybrané slová po " + letter.upper(), body + ["</ol>"])


def dictation():
    text = ("Môj strýko je rybár. Každé ráno sa pýta, či bude sychravo. Ak áno, vezme si "
            "syr, chlieb a mydlo a ide k rybníku pod vysokou vŕbou. Ryby sa mu bystro "
            "mihajú pod hladinou a vydra ich sleduje z brehu. Večer sa vráti domov, umyje "
            "sa a rozpráva nám, ako mu veľký sumec skoro prehryzol vlasec.")
    gaps = re.sub(r"(?<=[bmprsvzBMPRSVZ])[yýií]", "_", text)
    body = ["<p>Prečítajte si text s vynechanými písmenami a doplňte i, í, y alebo ý. "
            "Potom si ho porovnajte s úplným znením.</p>",
            "<p>%s</p>" % gaps,
            "<details><summary>Úplné znenie</summary><p>%s</p></details>" % text]
    return html_page("Diktát: vybrané slová", body)


def rules_overview():
    body = [
        "<h2>I a y</h2>",
        "<ul>",
        "<li>Po mäkkých spoluhláskach (ď, ť, ň, ľ, c, dz, č, dž, š, ž, j) píšeme i: čistý, "
        "žito, cibuľa.</li>",
        "<li>Po tvrdých spoluhláskach (d, t, n, l, g, h, ch, k) píšeme v domácich slovách y: "
        "kyslý, hýbať, chyba. Pri d, t, n, l rozlišuje výslovnosť: tyč – ticho, lyžica – "
        "lipa.</li>",
        "<li>Po obojakých spoluhláskach (b, m, p, r, s, v, z, f) píšeme y len vo vybraných "
        "slovách a v slovách od nich odvodených.</li>",
        "</ul>",
        "<h2>Rytmické krátenie</h2>",
        "<p>V spisovnej slovenčine za sebou nenasledujú dve dlhé slabiky: krásny (nie "
        "krásný), píšem (nie píšém). Výnimkou je napríklad 3. osoba množného čísla niektorých "
        "slovies (chvália, chránia) alebo 2. pád množného čísla (básní, piesní).</p>",
        "<h2>Veľké písmená</h2>",
        "<p>Veľké písmeno píšeme na začiatku vety, vo vlastných menách, v zemepisných "
        "názvoch a v názvoch štátov a inštitúcií.</p>",
        "<h2>Čiarka</h2>",
        "<p>Čiarka oddeľuje vety v súvetí, oslovenie a vsuvky; pred spojkami a, i, ani, "
        "alebo medzi členmi vety sa spravidla nepíše.</p>",
        "<h2>Slovné druhy</h2>",
        "<p>Ohybné: podstatné mená, prídavné mená, zámená, číslovky, slovesá. Neohybné: "
        "príslovky, predložky, spojky, častice, citoslovcia.</p>",
    ]
    return html_page("Prehľad pravidiel slovenského pravopisu", body)


def exam_sk():
    questions = [
        ("Doplňte: Naša mačka chytila m_š.", "y – myš je vybrané slovo"),
        ("Doplňte: Deti sa hrali pri b_strom potoku.", "y – bystrý je vybrané slovo"),
        ("Doplňte: Podaj m_ ceruzku.", "i – mi znamená mne"),
        ("Ktorý zápis je správny: Banská bystrica, alebo Banská Bystrica?",
         "Banská Bystrica – v názvoch miest píšeme veľkým písmenom každé slovo"),
        ("Chýba vo vete čiarka? Viem že prídeš.", "áno: Viem, že prídeš."),
        ("Aký slovný druh je slovo pod?", "predložka"),
        ("Koľko slovných druhov má slovenčina?", "desať"),
        ("Ako sa spisovne vyslovuje ä v slove mäso?", "ako e: [meso]"),
    ]
    body = ["<p>Odpovedzte si na otázky. Svoju odpoveď si overíte kliknutím na "
            "<i>Odpoveď</i>.</p>", "<ol>"]
    for q, a in questions:
        body.append("<li>%s<details><summary>Odpoveď</summary>%s</details></li>" % (q, a))
    return html_page("Vyskúšajte sa: slovenčina", body + ["</ol>"])


DEMO_PC = [
    "LUMORA - záznam ukážky (zástupný súbor)",
    "Názov: Práca s myšou",
    "Obsah: kliknutie, dvojklik, pravé tlačidlo a presúvanie ikony do priečinka.",
    "Skutočný záznam obrazovky sem uloží autor kurzu; prehrávač ho spustí s prepínačmi /s/c.",
]
DEMO_SK = [
    "LUMORA - záznam ukážky (zástupný súbor)",
    "Názov: Výslovnosť písmena ä",
    "Obsah: v spisovnej výslovnosti sa ä vyslovuje ako e: mäso [meso], päť [peť].",
    "Skutočný záznam obrazovky sem uloží autor kurzu; prehrávač ho spustí s prepínačmi /s/c.",
]

CALCULATOR = """\
#!/bin/sh
# Ukážkový program kurzu "Práca s počítačom": vypíše prepínače, s ktorými ho spustili,
# každý na samostatný riadok (tlačidlo "Kalkulačka" ho spúšťa s prepínačmi /a /b).
for prepinac in "$@"; do
    printf '%s\\n' "$prepinac"
done
"""

COURSE_CONFIG = [
    "Lumora - nastavenia kurzu Slovenčina",
    "Tieto položky platia len vo vnútri kurzu; ostatné sa berú z CONFIG.TXT programu.",
    "Riadok: príznak, hviezdička, KĽÚČ, hviezdička, hodnota. Príznak 0 potlačí hlásenie.",
    "",
    "Nadpisy",
    "1*EDUCATION*Kurz slovenského jazyka",
    "1*BUTTON NOTES*Moje poznámky",
    "1*MENU NOTES*Moje poznámky",
    "1*HTTP*Užitočné odkazy:",
    "1*MY HTTP*Moje odkazy:",
    "1*WWW DEFAULT*https://sk.wikipedia.org/wiki/Slovenčina",
    "",
    "Hlásenia",
    "1*END*Chcete ukončiť kurz slovenčiny ?",
    "0*SCM*Ukážka výslovnosti sa nenašla",
]


# --------------------------------------------------------------------------- help texts

def heading(text):
    return "{big}{b}{c1}" + text + "{/c}{/b}{/big}"


def sub(text):
    return "{b}{c1}" + text + "{/c}{/b}"


HELP_AUTHORS = [
    heading("Pomocník pre autorov kurzov"),
    "Tento text vidíte, lebo sa do priečinka programu dá zapisovať. Opisuje, ako pripraviť "
    "vlastný kurz; ukážkou sú kurzy {i}Práca s počítačom{/i} a {i}Slovenčina{/i}.",
    sub("Priečinok kurzu"),
    "Každý kurz je podpriečinok priečinka programu. Jeho názov je nápisom tlačidla na "
    "úvodnej obrazovke aj nadpisom kurzu; smie obsahovať medzery a diakritiku. V priečinku "
    "kurzu sú:",
    BULLET + "{mono}Obsah.txt{/mono} – obsahový súbor prvej obrazovky kurzu (iný názov "
    "nastavíte položkou DEFAULT CONTENT),",
    BULLET + "ďalšie obsahové súbory {mono}.txt{/mono}, jeden pre každú obrazovku,",
    BULLET + "formátované texty {mono}.rtf{/mono} a zálohy {mono}.bak{/mono}, ktoré zapisuje "
    "program,",
    BULLET + "obrázky, ukážky {mono}.scm{/mono}, dokumenty a programy, ktoré otvárajú tlačidlá,",
    BULLET + "podľa potreby vlastný {mono}CONFIG.TXT{/mono} a obrázok pozadia "
    "{mono}POZADIE.BMP{/mono}.",
    sub("Obsahový súbor"),
    "Obsahový súbor je obyčajný text v kódovaní Windows-1250 s koncami riadkov CR LF. O "
    "druhu riadka rozhodujú jeho prvé znaky; {c2}medzera na začiatku urobí z riadka "
    "poznámku{/c}.",
    BULLET + "{mono}[popis]cieľ{/mono} – tlačidlo. Popis je nápis na tlačidle, cieľ je súbor "
    "v priečinku kurzu. Dlhší popis sa na tlačidle skráti a celý sa ukáže v bublinke.",
    BULLET + "{mono}//adresa{/mono} – položka zoznamu Odkazy, napríklad "
    "{mono}//https://sk.wikipedia.org{/mono}.",
    BULLET + "{mono}<{/mono} a {mono}>{/mono} – text lekcie. Blok začína riadkom so znakom < "
    "na začiatku a končí riadkom, ktorý sa znakom > končí. Znaky < a > môžu "
    "stáť aj samostatne na riadku. Každý riadok bloku je jeden odsek.",
    BULLET + "riadok s názvom obrázka BMP – pozadie obrazovky. Keď chýba, použije sa "
    "POZADIE.BMP z priečinka kurzu. Platí posledný riadok, v ktorom sa názov obrázka "
    "objaví, preto ho píšte až za tlačidlá a v texte lekcie názvy obrázkov neuvádzajte.",
    BULLET + "všetky ostatné riadky sú poznámky autora; program ich vynecháva.",
    "Súbor smie mať najviac {b}20 uložených riadkov{/b}: rátajú sa tlačidlá, odkazy a "
    "všetky riadky textu lekcie, poznámky nie. Obrazovka má teda najviac 20 tlačidiel; ak "
    "sa nezmestia do okna, objaví sa pri nich posuvník.",
    sub("Čo urobí tlačidlo"),
    "Druh cieľa určujú tri znaky za prvou bodkou jeho názvu:",
    BULLET + "{mono}txt{/mono} – otvorí ďalšiu obrazovku (napríklad {mono}kap1.txt{/mono}),",
    BULLET + "{mono}scm{/mono} – prehrá ukážku prehrávačom SCPLAYER.EXE; prehrávač hľadá "
    "program v priečinku z položky PATH LOTUS,",
    BULLET + "{mono}bmp{/mono} – ukáže obrázok v samostatnom okne; väčší obrázok sa dá "
    "posúvať,",
    BULLET + "čokoľvek iné odovzdá systému: spustí program (za názvom môžu nasledovať "
    "prepínače oddelené medzerou, napríklad {mono}kalkulacka.run /a /b{/mono}), otvorí "
    "dokument alebo webovú stránku.",
    "Ciele sa vždy hľadajú v priečinku kurzu, aj keď ich uvádza obrazovka v hlbšej úrovni. "
    "Súbor v podpriečinku zapíšte so spätnou lomkou, napríklad "
    "{mono}obrazky\\schema.bmp{/mono}. Na veľkosti písmen v názvoch nezáleží. Tlačidlo s "
    "popisom {i}" + EXAM + "{/i} dostane obrázok EXAM.BMP.",
    "Obrázok tlačidla program hľadá podľa prípony cieľa (TXT.BMP, SCM.BMP, HTM.BMP ...) "
    "najprv v priečinku kurzu, potom v priečinku programu; inak použije Text.BMP pre "
    "obrazovky a Play.BMP pre všetko ostatné. Obrázky tlačidiel majú mať asi 24 × 24 bodov.",
    sub("Formátovaný text"),
    "Text lekcie je uložený dvakrát: ako blok v obsahovom súbore a ako formátovaný súbor "
    "{mono}.rtf{/mono} s rovnakým menom ({mono}kap1.txt{/mono} má {mono}kap1.rtf{/mono}). "
    "Ak formátovaný súbor existuje, obrazovka ukáže jeho text.",
    "Text upravíte priamo na obrazovke: {i}Pomocník – Editácia – Editácia textu{/i}. "
    "Označte časť textu a pravým tlačidlom myši zvoľte písmo, veľkosť, štýl a farbu. "
    "Položkou {i}Uloženie textu{/i} zmeny uložíte do oboch súborov, položkou {i}Ignorovať "
    "zmeny{/i} ich zahodíte.",
    sub("Editácia lekcie a zálohy"),
    "Položka {i}Pomocník – Editácia – Editácia lekcie{/i} otvorí celý obsahový súbor. Pri "
    "uložení program odloží predchádzajúcu verziu ako zálohu s príponou {mono}.bak{/mono} "
    "(z {mono}Obsah.txt{/mono} vznikne {mono}Obsah.bak{/mono}). Keď {mono}Obsah.txt{/mono} "
    "chýba a záloha existuje, program kurz zo zálohy obnoví. Ak tlačidlo vedie na obrazovku, "
    "ktorá ešte neexistuje, program ponúkne, že ju hneď vytvoríte.",
    sub("Kontrola kurzu"),
    "Položka {i}Pomocník – Strom{/i} ukáže všetky obrazovky a tlačidlá kurzu a vyhľadá text v "
    "ich popisoch. Jej ponuka {i}Kontrola integrity{/i} vypíše súbory, na ktoré tlačidlá "
    "odkazujú, ale v priečinku kurzu chýbajú. Webové adresy sa v zozname objavia tiež; tie "
    "chybou nie sú.",
    sub("CONFIG.TXT"),
    "Všetky nápisy, hlásenia a nastavenia programu pochádzajú zo súboru "
    "{mono}CONFIG.TXT{/mono} v priečinku programu. Riadok má tvar "
    "{mono}príznak*KĽÚČ*hodnota{/mono}, napríklad {mono}1*EDUCATION*Výukový program{/mono}. "
    "Príznak {b}0{/b} potlačí hlásenie, ktoré položka nesie; otázka sa potom berie ako "
    "zodpovedaná Áno. Riadky bez dvoch hviezdičiek sú poznámky.",
    "Kurz môže mať vlastný {mono}CONFIG.TXT{/mono}: jeho položky platia len vo vnútri kurzu a "
    "chýbajúce sa berú zo súboru programu. Hodí sa napríklad pre EDUCATION (druhý riadok "
    "nadpisu), BUTTON NOTES (tlačidlo poznámok), HTTP (nápis nad odkazmi) a WWW DEFAULT "
    "(odkaz obrazoviek bez vlastných odkazov). {c2}Rozmery okna (WIDTH, HEIGHT) nastavujte "
    "len v súbore programu.{/c}",
]

HELP_LEARNERS = [
    heading("Pomocník pre študentov"),
    "Lumora vám sprístupní kurzy na samoštúdium. Na úvodnej obrazovke je vpravo tlačidlo "
    "pre každý kurz; kurz otvoríte kliknutím naň.",
    sub("Pohyb medzi obrazovkami"),
    BULLET + "Tlačidlá vpravo otvárajú lekcie. Obrázok na tlačidle prezradí, čo sa stane: "
    "stránka so šípkou vedie na ďalšiu obrazovku, obrazovka s trojuholníkom prehrá ukážku, "
    "ostatné tlačidlá otvoria obrázok, dokument, program alebo webovú stránku.",
    BULLET + "Tlačidlo {b}Späť{/b} vás vráti o obrazovku vyššie; rovnako funguje aj "
    "zatvorenie okna. Obrazovka, na ktorú sa vrátite, zostane taká, ako ste ju nechali.",
    BULLET + "Tlačidlo {b}Koniec{/b} ukončí program.",
    BULLET + "Keď sa tlačidlá nezmestia do okna, posuňte ich posuvníkom vpravo.",
    BULLET + "Ak je nápis tlačidla skrátený bodkou, celý ho uvidíte, keď naň nastavíte myš.",
    BULLET + "Tlačidlo s otáznikom, {i}" + EXAM + "{/i}, otvára otázky, ktorými si overíte, "
    "čo ste sa naučili.",
    sub("Text lekcie"),
    "Text lekcie je vľavo od tlačidiel. Ak je písmo primalé, zvoľte {i}Pomocník – Zoom{/i}, "
    "zadajte percentá (napríklad 150) a stlačte OK. Zväčšenie sa násobí: 200 dvakrát po "
    "sebe dá štvornásobné písmo, 50 ho zmenší na polovicu. Po opätovnom otvorení obrazovky má text "
    "zasa pôvodnú veľkosť.",
    sub("Odkazy"),
    "Zoznam {b}Odkazy{/b} dole na obrazovke ponúka webové stránky, ktoré k lekcii odporúča "
    "autor kurzu. Stránku otvoríte výberom zo zoznamu.",
    sub("Poznámky"),
    "Ku každej obrazovke si môžete písať vlastné poznámky: zvoľte {i}Vlastné – "
    "Poznámky{/i}. Tlačidlom {b}Ulož{/b} poznámku uložíte, tlačidlom {b}Vymaž poznámku{/b} ju "
    "zmažete. Keď má obrazovka poznámku, pod tlačidlami lekcií sa objaví tlačidlo "
    "{b}Poznámky{/b}, ktoré ju rýchlo otvorí. Poznámky sa ukladajú do vášho pracovného "
    "priečinka, nie do kurzu, takže fungujú aj pri kurze na CD.",
    sub("Vlastné odkazy"),
    "Zvoľte {i}Vlastné – Odkazy{/i}, napíšte adresu a stlačte {b}Ulož{/b}. Vaše odkazy sa "
    "zobrazia v zozname {b}Vlastné odkazy{/b} tej obrazovky, na ktorej ste ich pridali. "
    "Odkaz opravíte tlačidlom {b}Oprav{/b} a zmažete tlačidlom {b}Vymaž odkaz{/b}.",
    sub("Kopírovanie"),
    "Položka {i}Vlastné – Kopírovanie{/i} prenesie vaše poznámky a odkazy na iný disk alebo "
    "kľúč USB a späť, napríklad keď prechádzate na iný počítač.",
    sub("Strom kurzu"),
    "Položka {i}Pomocník – Strom{/i} ukáže celý kurz ako strom obrazoviek a tlačidiel. "
    "Ponukou {i}Hľadaj{/i} nájdete lekciu podľa slova v jej názve. Dvojklikom otvoríte "
    "vybranú položku; obrazovka sa otvorí v samostatnom okne, ktoré zavriete tlačidlom "
    "{b}Koniec vyhľadávania{/b}.",
    "{c2}Tip:{/c} ak sa pri tlačidle nič nestane, chýba súbor, na ktorý odkazuje. Oznámte "
    "to autorovi kurzu.",
]


# --------------------------------------------------------------------------- writing


def write_all(folder):
    for course in (COURSE_PC, COURSE_SK):
        shutil.rmtree(folder / course, ignore_errors=True)
    pc, sk = folder / COURSE_PC, folder / COURSE_SK

    for name, canvas in (("Play.BMP", icon_play()), ("Text.BMP", icon_text()),
                         ("TXT.BMP", icon_txt()), ("SCM.BMP", icon_scm()),
                         ("EXAM.BMP", icon_exam((170, 60, 20), (235, 120, 40)))):
        write_bytes(folder / name, canvas.bmp())
    write_bytes(folder / "HelpS.rtf", rtf_document(HELP_AUTHORS))
    write_bytes(folder / "HelpU.rtf", rtf_document(HELP_LEARNERS))

    for screen in pc_screens() + sk_screens():
        base = folder / screen.course
        write_bytes(base / screen.name, windows_text(screen.lines()))
        if screen.rtf:
            stem = screen.name.split(".")[0]
            write_bytes(base / (stem + ".rtf"), rtf_document(screen.text))
        if screen.name == "tabulky.txt":
            write_bytes(base / "tabulky.rtf", rtf_spreadsheet_lesson(screen.text))

    write_bytes(pc / "modre.bmp", background_blue().bmp())
    write_bytes(pc / "zelene.bmp", background_green().bmp())
    write_bytes(pc / "obrazky" / "schema.bmp", schema_picture().bmp())
    write_bytes(pc / "HTM.BMP", icon_htm().bmp())
    write_bytes(pc / "ukazka.scm", windows_text(DEMO_PC))
    write_bytes(pc / "slovnik.htm", glossary())
    write_bytes(pc / "odpovede.htm", pc_answers())
    program = pc / "kalkulacka.run"
    write_bytes(program, CALCULATOR.encode("utf-8"))
    program.chmod(program.stat().st_mode | stat.S_IXUSR | stat.S_IXGRP | stat.S_IXOTH)

    write_bytes(sk / "CONFIG.TXT", windows_text(COURSE_CONFIG))
    write_bytes(sk / "POZADIE.BMP", background_paper().bmp())
    write_bytes(sk / "EXAM.BMP", icon_exam((30, 110, 50), (70, 170, 90)).bmp())
    write_bytes(sk / "vyslovnost.scm", windows_text(DEMO_SK))
    write_bytes(sk / "prehlad.htm", rules_overview())
    write_bytes(sk / "skuska.htm", exam_sk())
    for letter in EXERCISES:
        write_bytes(sk / "cvicenia" / (letter + ".htm"), exercise(letter))
    write_bytes(sk / "cvicenia" / "diktat.htm", dictation())


# --------------------------------------------------------------------------- checking
#
# Reads back what was written, the way the player reads it, and asserts the promises of
# the sample: encodings and line ends, at most 20 stored lines a file, targets that exist,
# backgrounds that exist, formatted texts that match their text blocks.


def find(folder, relative):
    """A course file by a name written on Windows: "\\" separates folders and letter case
    does not matter. Returns the path or None."""
    path = folder
    for part in relative.replace("\\", "/").split("/"):
        if not path.is_dir():
            return None
        exact = path / part
        if exact.exists():
            path = exact
            continue
        matches = [p for p in path.iterdir() if p.name.upper() == part.upper()]
        if not matches:
            return None
        path = matches[0]
    return path


def read_windows_text(path):
    data = path.read_bytes()
    assert data.endswith(b"\r\n"), "%s: no final CR LF" % path
    assert b"\n" not in data.replace(b"\r\n", b""), "%s: LF without CR" % path
    assert b"\r" not in data.replace(b"\r\n", b""), "%s: CR without LF" % path
    text = data.decode("cp1250")                  # strict: only Windows-1250 characters
    return text[:-2].split("\r\n")


def stored_lines(lines):
    """The stored lines and the background name of a content file, read line by line:
    button and link lines, and text blocks with "<" alone joined to the next line and
    ">" alone joined to the line before."""
    stored, background, i = [], "", 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if ".BMP" in line.upper():
            background = line
        if line.startswith("[") or line.startswith("//"):
            stored.append(line)
        elif line.startswith("<"):
            if line == "<" and i < len(lines):
                line = "<" + lines[i]
                i += 1
                if ".BMP" in line.upper():
                    background = line
            stored.append(line)
            if not line.endswith(">"):
                while i < len(lines):
                    line = lines[i]
                    i += 1
                    if ".BMP" in line.upper():
                        background = line
                    if line == ">":
                        stored[-1] += ">"
                        break
                    stored.append(line)
                    if line.startswith(">") or line.endswith(">"):
                        break
    return stored, background


def shown_paragraphs(stored):
    """The text of the screen: each stored block line a paragraph, without the leading
    "<", up to the line ending in ">", whose ">" is dropped."""
    paras, inside = [], False
    for line in stored:
        if not inside and not line.startswith("<"):
            continue
        inside = True
        paras.append(line[1:] if line.startswith("<") else line)
        if line.endswith(">"):
            paras[-1] = paras[-1][:-1]
            inside = False
    return paras


def split_button(line):
    k = line.rfind("]")
    return line[1:k], line[k + 1:].strip()


def kind(target):
    dot = target.find(".")
    return (target[dot + 1:dot + 4] if dot >= 0 else target[:3]).upper()


def check_course(folder, course):
    base = folder / course
    top = "Obsah.txt"
    seen, depth, queue = {}, {}, [(top, 2)]
    buttons_total = []
    while queue:
        name, level = queue.pop(0)
        path = find(base, name)
        assert path is not None, "%s: content file %s missing" % (course, name)
        if path in seen:
            continue
        seen[path] = name
        depth[path] = level
        lines = read_windows_text(path)
        assert all(len(l.encode("cp1250")) <= 255 for l in lines), "%s: line over 255" % path
        stored, background = stored_lines(lines)
        assert len(stored) <= MAX_STORED, "%s: %d stored lines" % (path, len(stored))
        if background:
            assert not background.startswith("["), "%s: background taken from a button" % path
            assert find(base, background) is not None, "%s: no background %s" % (path, background)
        for line in stored:
            if line.startswith("["):
                caption, target = split_button(line)
                assert caption and target, "%s: %s" % (path, line)
                buttons_total.append((path, caption, target, len(stored)))
                if target.lower().startswith(("http://", "https://")):
                    continue
                file = target if kind(target) in ("TXT", "BMP") else target.split(" ")[0]
                assert find(base, file) is not None, "%s: target %s missing" % (path, target)
                dot = file.find(".")
                assert dot < 0 or len(file) - dot - 1 == 3, "%s: extension of %s" % (path, file)
                if kind(target) == "TXT":
                    queue.append((target, level + 1))
        paras = shown_paragraphs(stored)
        rtf = find(base, name.split(".")[0] + ".rtf")
        if rtf is not None:
            assert paras, "%s: formatted text without a text block" % path
            got = [p for p in rtf_plain_paragraphs(rtf.read_bytes())]
            while got and not got[-1]:
                got.pop()
            if name == "tabulky.txt":
                # The table and the numbered steps live in the formatted text alone.
                got = [p for p in got if p in paras]
            assert got == paras, "%s: formatted text differs from block\n%s\n%s" % (path, got, paras)
    return seen, depth, buttons_total


def bmp_size(path):
    data = path.read_bytes()
    assert data[:2] == b"BM", path
    width, height, planes, bits, compression = struct.unpack("<iiHHI", data[18:34])
    assert bits == 24 and compression == 0, "%s: not 24-bit uncompressed" % path
    return width, height


def check(folder):
    screens, deepest, buttons = 0, 0, []
    for course in (COURSE_PC, COURSE_SK):
        seen, depth, found = check_course(folder, course)
        screens += len(seen)
        deepest = max(deepest, max(depth.values()))
        buttons += found
        for path in (folder / course).rglob("*"):
            if path.suffix.lower() == ".txt":
                assert path in seen or path.name == "CONFIG.TXT", "%s is not reachable" % path
                read_windows_text(path)
    assert screens >= 10, screens
    assert deepest >= 4, "courses are not three levels deep"

    kinds = {kind(t) for _, _, t, _ in buttons}
    assert {"TXT", "SCM", "BMP", "HTM", "RUN"} <= kinds, kinds
    assert any(t.startswith("https://") for _, _, t, _ in buttons), "no web target"
    assert any(c == EXAM for _, c, _, _ in buttons), "no exam button"
    assert any(kind(t) == "SCM" and " " in t for _, _, t, _ in buttons), "no switch on a demo"
    assert any(t.count(" /") == 2 for _, _, t, _ in buttons), "no program with two switches"
    assert any("\\" in t for _, _, t, _ in buttons), "no sub-folder target"
    assert any(find(p.parent, t).name != t.split("\\")[-1]
               for p, _, t, _ in buttons if kind(t) in ("TXT", "BMP")), "no case difference"
    per_screen = {}
    for path, *_ in buttons:
        per_screen[path] = per_screen.get(path, 0) + 1
    fit = (WINDOW_H - 55) // 45 + 1
    assert max(per_screen.values()) > fit, "no screen with more buttons than fit"
    program = folder / COURSE_PC / "kalkulacka.run"
    assert program.stat().st_mode & stat.S_IXUSR, "program not executable"

    width, height = bmp_size(folder / COURSE_PC / "obrazky" / "schema.bmp")
    assert width > WINDOW_W and height > WINDOW_H
    for name in ("Play.BMP", "Text.BMP", "EXAM.BMP", "TXT.BMP", "SCM.BMP"):
        assert bmp_size(folder / name) == (24, 24), name
    for path in folder.rglob("*"):
        if path.suffix.upper() == ".BMP":
            bmp_size(path)

    config = read_windows_text(folder / COURSE_SK / "CONFIG.TXT")
    for line in config:
        if line.count("*") >= 2:
            flag, key, value = line.split("*", 2)
            assert flag in ("0", "1") and key == key.strip() and value, line
            assert key not in ("WIDTH", "HEIGHT"), line
    for name in ("HelpS.rtf", "HelpU.rtf"):
        assert rtf_plain_paragraphs((folder / name).read_bytes())
    return screens, per_screen


def main():
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "sample"
    for name in ("CONFIG.TXT", "POZADIE.BMP", "ikona.ico"):
        assert (folder / name).exists(), "%s is not a program folder" % folder
    write_all(folder)
    screens, per_screen = check(folder)
    most = max(per_screen, key=per_screen.get)
    print("%d screens; most buttons: %s (%d)" % (screens, most.relative_to(folder),
                                                per_screen[most]))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the pictures of the sample program folder: the background POZADIE.BMP and the
application icon ikona.ico (uncompressed Windows bitmaps, as the courses use)."""
import math, pathlib, struct, sys

def bmp_bytes(width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):          # bottom-up rows
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + b"\0" * (row - width * 3)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)

def background(x, y, w=760, h=620):
    t = y / h
    wave = 0.5 + 0.5 * math.sin(x / 55.0 + y / 140.0)
    r = int(232 - 40 * t + 8 * wave)
    g = int(240 - 25 * t + 6 * wave)
    b = int(250 - 5 * t)
    return (min(r, 255), min(g, 255), min(b, 255))

def icon_bytes(size=32):
    pixels = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            dx, dy = x - size / 2 + 0.5, y - size / 2 + 0.5
            d = math.hypot(dx, dy)
            if d > size / 2 - 1:
                pixels += bytes((0, 0, 0, 0))
            elif abs(dx) < 3 or (dy > 6 and dy < 10 and dx > -3 and dx < 8):
                pixels += bytes((255, 255, 255, 255))      # a white "L"
            else:
                pixels += bytes((160, 90, 20, 255))         # deep blue, BGRA
    mask = b"\0" * (((size + 31) // 32) * 4 * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = info + bytes(pixels) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image

folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "sample")
(folder / "POZADIE.BMP").write_bytes(bmp_bytes(760, 620, background))
(folder / "ikona.ico").write_bytes(icon_bytes())

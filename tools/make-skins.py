#!/usr/bin/env python3
"""Makes the 33 built-in skins in the skin library's ".SHE" format.

Usage: make-skins.py SIZES_HEADER OUT_DIR
Writes skin01.she ... skin33.she, each exactly the size the header's table
gives. Every skin has its own palette and caption texture; skin 11 is the
one the program shows: a deep blue with a brushed-steel sheen.
"""
import colorsys
import math
import re
import struct
import sys
from pathlib import Path

HEADER = 64
ENTRY = 16
TEXTURE_HEIGHT = 24
GLYPH = 12


def rgb(r, g, b):
    return (int(r) & 0xFF) << 16 | (int(g) & 0xFF) << 8 | (int(b) & 0xFF)


def hsv(h, s, v):
    r, g, b = colorsys.hsv_to_rgb(h % 1.0, s, v)
    return rgb(r * 255, g * 255, b * 255)


def split(c):
    return c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(split(a), split(b)))


def palette(number):
    if number == 11:
        return {'top': rgb(58, 96, 160), 'bottom': rgb(18, 44, 96), 'itop': rgb(150, 162, 182),
                'ibottom': rgb(116, 128, 150), 'text': rgb(255, 255, 255), 'itext': rgb(226, 230, 238),
                'frame': rgb(30, 60, 116), 'iframe': rgb(124, 136, 158), 'hover': rgb(206, 64, 52),
                'outline': rgb(8, 20, 48), 'bold': True, 'style': 'brushed'}
    hue = (number - 1) / 33.0
    dark = number % 3 == 0
    return {'top': hsv(hue, 0.45, 0.95 if not dark else 0.55), 'bottom': hsv(hue, 0.7, 0.7 if not dark else 0.3),
            'itop': hsv(hue, 0.12, 0.85), 'ibottom': hsv(hue, 0.18, 0.7),
            'text': rgb(255, 255, 255) if dark or number % 2 else rgb(20, 20, 30), 'itext': rgb(60, 60, 70),
            'frame': hsv(hue, 0.6, 0.6), 'iframe': hsv(hue, 0.15, 0.72), 'hover': hsv(hue + 0.5, 0.7, 0.85),
            'outline': hsv(hue, 0.8, 0.25), 'bold': number % 4 == 0,
            'style': ['stripes', 'noise', 'brushed', 'plain'][number % 4]}


def texture(width, top, bottom, style, seed):
    pixels = bytearray()
    state = seed * 2654435761 & 0xFFFFFFFF
    for y in range(TEXTURE_HEIGHT):
        base = mix(top, bottom, y / (TEXTURE_HEIGHT - 1))
        for x in range(width):
            shade = 0.0
            if style == 'stripes':
                shade = 10 if (x + y) % 8 < 2 else 0
            elif style == 'noise':
                state = (state * 1103515245 + 12345) & 0x7FFFFFFF
                shade = (state >> 16) % 9 - 4
            elif style == 'brushed':
                shade = 7 * math.sin(x * 0.9 + seed) * math.cos(y * 0.21) + 4 * math.sin(x * 0.37)
            r, g, b = (max(0, min(255, c + shade)) for c in base)
            pixels += bytes((int(b), int(g), int(r), 255))
    return bytes(pixels)


def close_glyph():
    pixels = bytearray()
    for y in range(GLYPH):
        for x in range(GLYPH):
            cx, cy = x + 0.5, y + 0.5
            d = min(abs(cx - cy), abs(cx - (GLYPH - cy))) / math.sqrt(2)
            inside = 1.5 < cx < GLYPH - 1.5 and 1.5 < cy < GLYPH - 1.5
            a = max(0.0, min(1.0, 1.6 - d)) if inside else 0.0
            pixels += bytes((255, 255, 255, int(a * 255)))
    return bytes(pixels)


def skin(number, size):
    p = palette(number)
    glyph = close_glyph()
    pictures_at = HEADER + 3 * ENTRY
    room = size - pictures_at - len(glyph)
    width = room // (2 * TEXTURE_HEIGHT * 4)
    if width < 1 or width > 512:
        raise SystemExit(f'skin {number}: {size} bytes cannot hold its pictures')
    active = texture(width, p['top'], p['bottom'], p['style'], number)
    inactive = texture(width, p['itop'], p['ibottom'], 'plain', number)
    colours = [p['top'], p['bottom'], p['itop'], p['ibottom'], p['text'], p['itext'], p['frame'], p['iframe'],
               p['hover'], p['outline']]
    head = b'.SHE' + struct.pack('<HHI', 1, HEADER, size) + struct.pack('<10I', *colours)
    head += struct.pack('<III', 3, HEADER, 1 if p['bold'] else 0)
    offset = pictures_at
    table = b''
    body = b''
    for kind, w, h, data in ((1, width, TEXTURE_HEIGHT, active), (2, width, TEXTURE_HEIGHT, inactive),
                             (3, GLYPH, GLYPH, glyph)):
        table += struct.pack('<HHHHII', kind, w, h, 0, offset, len(data))
        offset += len(data)
        body += data
    block = head + table + body
    return block + bytes(size - len(block))


def main():
    sizes_header, out = Path(sys.argv[1]), Path(sys.argv[2])
    table = re.search(r'kBuiltInSkinSizes\[33\]\s*=\s*\{([^}]*)\}', sizes_header.read_text())
    sizes = [int(n) for n in re.findall(r'\d+', table.group(1))]
    assert len(sizes) == 33
    out.mkdir(parents=True, exist_ok=True)
    for number, size in enumerate(sizes, start=1):
        block = skin(number, size)
        assert len(block) == size
        (out / f'skin{number:02d}.she').write_bytes(block)


if __name__ == '__main__':
    main()

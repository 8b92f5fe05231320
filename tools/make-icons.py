#!/usr/bin/env python3
"""Draws the program's icons (32-bit, with transparency) into resources/.

program.ico: a magnifying glass over a cloud (32 and 16 pixels).
splash.ico:  a cloud with a downward arrow on a round badge (128 pixels).
"""
import math
import struct
import sys
from pathlib import Path


def blend(dst, src, a):
    return tuple(int(d + (s - d) * a) for d, s in zip(dst, src))


def render(size, shade):
    """shade(x, y) -> (r, g, b, a) for unit coordinates; 4x supersampled."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(4):
                for sx in range(4):
                    u = (x + (sx + 0.5) / 4) / size
                    v = (y + (sy + 0.5) / 4) / size
                    r, g, b, a = shade(u, v)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / 16
            if a > 0:
                row.append((acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], a))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def cloud(u, v, cx, cy, s):
    blobs = [(cx - 0.18 * s, cy + 0.03 * s, 0.16 * s), (cx, cy - 0.08 * s, 0.22 * s),
             (cx + 0.2 * s, cy + 0.02 * s, 0.17 * s)]
    inside = any((u - x) ** 2 + (v - y) ** 2 < r * r for x, y, r in blobs)
    base = cx - 0.34 * s < u < cx + 0.36 * s and cy < v < cy + 0.18 * s
    return inside or base


def program_shade(u, v):
    colour, alpha = (0, 0, 0), 0.0
    if cloud(u, v, 0.42, 0.42, 1.0):
        colour, alpha = blend((120, 190, 250), (40, 110, 210), v), 1.0
    d = math.hypot(u - 0.64, v - 0.62)
    if d < 0.2:
        colour, alpha = (255, 255, 255), 1.0
        if d > 0.14:
            colour = (30, 40, 60)
    t = (u - 0.74) + (v - 0.76)
    if t > 0 and t < 0.36 and abs((u - 0.74) - (v - 0.76)) < 0.09:
        colour, alpha = (200, 120, 30), 1.0
    return (*colour, alpha)


def splash_shade(u, v):
    d = math.hypot(u - 0.5, v - 0.5)
    if d > 0.48:
        return (0, 0, 0, 0.0)
    colour = blend((255, 176, 60), (220, 70, 40), v)
    if d > 0.44:
        colour = (150, 40, 20)
    if cloud(u, v, 0.5, 0.42, 1.1):
        colour = (255, 255, 255)
    if abs(u - 0.5) < 0.05 and 0.44 < v < 0.66:
        colour = (220, 70, 40)
    if v > 0.62 and v < 0.76 and abs(u - 0.5) < (0.76 - v) * 1.1:
        colour = (220, 70, 40)
    return (*colour, 1.0)


def icon_image(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((int(b), int(g), int(r), int(round(a * 255))))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(row):
            if a < 0.5:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + mask


def write_ico(path, images):
    count = len(images)
    out = bytearray(struct.pack('<HHH', 0, 1, count))
    offset = 6 + 16 * count
    blobs = []
    for rows in images:
        blob = icon_image(rows)
        size = len(rows)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    Path(path).write_bytes(out)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else 'resources')
    write_ico(out / 'program.ico', [render(32, program_shade), render(16, program_shade)])
    write_ico(out / 'splash.ico', [render(128, splash_shade)])


if __name__ == '__main__':
    main()

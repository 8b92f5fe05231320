#!/usr/bin/env python3
"""Draws the about window's emblem: a grey bird in flight on a light sky,
100 x 100 pixels, and writes it as a baseline JPEG with ImageMagick.

Usage: make-emblem.py OUT.jpg
"""
import math
import subprocess
import sys
import tempfile
from pathlib import Path

SIZE = 100


def wing(u, v):
    # A gull's wing seen from ahead: up from the body, arched, tip swept down.
    x = abs(u - 0.5)
    if x < 0.03 or x > 0.44:
        return False
    centre = 0.55 - 1.5 * x + 2.6 * x * x
    thickness = 0.075 * (1 - x / 0.46) + 0.012
    return abs(v - centre) < thickness


def shade(u, v):
    sky = (int(236 - 30 * v), int(242 - 20 * v), 250)
    body = ((u - 0.5) / 0.07) ** 2 + ((v - 0.57) / 0.09) ** 2 < 1
    head = (u - 0.5) ** 2 + (v - 0.47) ** 2 < 0.045 ** 2
    if body or head or wing(u, v):
        g = int(120 + 60 * abs(u - 0.5))
        return (g, g, g + 6)
    return sky


def main():
    out = Path(sys.argv[1])
    rows = []
    for y in range(SIZE):
        for x in range(SIZE):
            acc = [0, 0, 0]
            for sy in range(3):
                for sx in range(3):
                    c = shade((x + (sx + 0.5) / 3) / SIZE, (y + (sy + 0.5) / 3) / SIZE)
                    acc = [a + b for a, b in zip(acc, c)]
            rows.append(bytes(int(a / 9) for a in acc))
    with tempfile.TemporaryDirectory() as tmp:
        ppm = Path(tmp) / 'emblem.ppm'
        ppm.write_bytes(f'P6 {SIZE} {SIZE} 255\n'.encode() + b''.join(rows))
        subprocess.run(['convert', str(ppm), '-strip', '-interlace', 'none', '-quality', '92',
                        '-sampling-factor', '1x1', str(out)], check=True)


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Copies a file and pads it with zero bytes to exactly SIZE bytes.

Usage: pad-file.py SOURCE TARGET SIZE. Fails when SOURCE is larger than SIZE.
"""
import sys
from pathlib import Path

source, target, size = Path(sys.argv[1]), Path(sys.argv[2]), int(sys.argv[3])
data = source.read_bytes()
if len(data) > size:
    sys.exit(f'{source} is {len(data)} bytes, more than the {size} it must fit in')
target.write_bytes(data + bytes(size - len(data)))

#!/usr/bin/env python3
"""Draws the two button glyphs as 8-bit palette BMPs of 32 x 16 pixels.

Each bitmap holds two 16 x 16 images side by side: the normal one and a
greyed copy for a disabled button. The background #ECE9D8 fills the
bottom-left pixel, which makes it the transparent colour.

Usage: make_glyphs.py <output folder>
"""
import struct
import sys
from pathlib import Path

BACKGROUND = (0xEC, 0xE9, 0xD8)
GREYS = [(0xB2, 0xB2, 0xB2), (0x99, 0x99, 0x99), (0x80, 0x80, 0x80)]
GREENS = [(0x00, 0xCC, 0x00), (0x00, 0x99, 0x00), (0x00, 0x66, 0x00)]
REDS = [(0xFF, 0x00, 0x00), (0xCC, 0x00, 0x00), (0x99, 0x00, 0x00)]


def thick_line(points, width):
    """Pixels within width/2 of the polyline through the points."""
    inside = set()
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy
        for y in range(16):
            for x in range(16):
                px, py = x + 0.5, y + 0.5
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
                cx, cy = x0 + t * dx, y0 + t * dy
                if (px - cx) ** 2 + (py - cy) ** 2 <= (width / 2) ** 2:
                    inside.add((x, y))
    return inside


def shade(shape):
    """Role of each pixel: 0 upper-left edge, 1 body, 2 lower-right edge."""
    roles = {}
    for x, y in shape:
        if (x - 1, y) not in shape or (x, y - 1) not in shape:
            roles[(x, y)] = 0
        elif (x + 1, y) not in shape or (x, y + 1) not in shape:
            roles[(x, y)] = 2
        else:
            roles[(x, y)] = 1
    return roles


def tick():
    return shade(thick_line([(2.5, 8.5), (6.0, 12.0), (13.5, 3.0)], 3.2))


def cross():
    return shade(thick_line([(3.0, 3.0), (13.0, 13.0)], 3.2) |
                 thick_line([(13.0, 3.0), (3.0, 13.0)], 3.2))


def write_bmp(path, roles, colours):
    palette = [BACKGROUND] + colours + GREYS
    rows = []
    for y in range(15, -1, -1):  # bottom-up
        row = bytearray()
        for image in range(2):
            for x in range(16):
                role = roles.get((x, y))
                row.append(0 if role is None else 1 + role + 3 * image)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    palette_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    palette_bytes += b"\0" * (256 * 4 - len(palette_bytes))
    offset = 14 + 40 + len(palette_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, 32, 16, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    Path(path).write_bytes(header + info + palette_bytes + pixels)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    write_bmp(out / "RzBitBtn_Ok.bmp", tick(), GREENS)
    write_bmp(out / "RzBitBtn_Cancel.bmp", cross(), REDS)


if __name__ == "__main__":
    main()

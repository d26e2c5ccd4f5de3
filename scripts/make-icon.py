#!/usr/bin/env python3
"""Draws the program's icon (a folder with a check mark) into res/Brindlow.ico.

Plain Python, no imaging library: each size is rendered from the same shapes with 4x4
supersampling. 16, 32 and 48 pixels are stored as 32-bit bitmaps, 256 as PNG, which is what
Windows expects of an application icon.
"""

import math
import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 32, 48, 256)
SAMPLES = 4

FOLDER_EDGE = (150, 98, 12)
FOLDER_BACK = (224, 165, 38)
FOLDER_FRONT = (248, 201, 76)
CHECK_EDGE = (255, 255, 255)
CHECK = (34, 139, 58)


def round_rect(x, y, left, top, right, bottom, radius):
    """Signed distance to a rounded rectangle: negative inside."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
    dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
    return outside + min(max(dx, dy), 0.0) - radius


def segment(x, y, ax, ay, bx, by):
    """Distance to the segment from a to b."""
    px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
    t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - t * vx, py - t * vy)


def layers(edge):
    """The shapes from back to front, each a (signed distance function, colour) pair."""
    back = lambda x, y: min(round_rect(x, y, 0.05, 0.14, 0.46, 0.36, 0.05),
                            round_rect(x, y, 0.05, 0.22, 0.95, 0.86, 0.06))
    front = lambda x, y: round_rect(x, y, 0.05, 0.33, 0.95, 0.86, 0.06)
    stroke = 0.10
    check = lambda x, y: min(segment(x, y, 0.30, 0.58, 0.45, 0.73),
                             segment(x, y, 0.45, 0.73, 0.74, 0.44)) - stroke / 2
    return [
        (back, FOLDER_EDGE),
        (lambda x, y: back(x, y) + edge, FOLDER_BACK),
        (lambda x, y: front(x, y), FOLDER_EDGE),
        (lambda x, y: front(x, y) + edge, FOLDER_FRONT),
        (lambda x, y: check(x, y) - edge, CHECK_EDGE),
        (check, CHECK),
    ]


def render(size):
    """RGBA rows, top to bottom."""
    edge = max(1.0 / size, 0.025)
    shapes = layers(edge)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for distance, fill in shapes:
                        if distance(x, y) < 0:
                            colour = fill
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            n = SAMPLES * SAMPLES
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bitmap(rows):
    """A 32-bit icon bitmap: header, BGRA rows bottom-up, then the AND mask."""
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon(sizes):
    images = [png(render(s)) if s >= 256 else bitmap(render(s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        side = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else \
        Path(__file__).resolve().parent.parent / "res" / "Brindlow.ico"
    target.write_bytes(icon(SIZES))
    print(target)


if __name__ == "__main__":
    main()

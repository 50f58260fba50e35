#!/usr/bin/env python3
"""Draws Kolvane's icon (a clock face on a rounded blue tile) and writes assets/icons/kolvane.ico.

Pure Python, so the icon can be redrawn on any machine: python3 tools/make-icon.py
"""
import math
import struct
import sys
from pathlib import Path

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SUPERSAMPLE = 4


def coverage(size, x, y):
    """Returns (r, g, b, a) in 0..1 for one sub-sample at (x, y) in a unit square."""
    # Rounded tile.
    radius = 0.2
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    if (x - cx) ** 2 + (y - cy) ** 2 > radius ** 2 or not (0.02 <= x <= 0.98 and 0.02 <= y <= 0.98):
        return (0, 0, 0, 0)
    top, bottom = (0.16, 0.53, 0.92), (0.05, 0.30, 0.68)
    tile = tuple(top[i] + (bottom[i] - top[i]) * y for i in range(3))
    dx, dy = x - 0.5, y - 0.5
    dist = math.hypot(dx, dy)
    ring = 0.055 if size > 24 else 0.075
    if abs(dist - 0.31) < ring / 2:
        return (1, 1, 1, 1)
    hand = 0.05 if size > 24 else 0.075

    def on_segment(ax, ay, bx, by):
        px, py = x - ax, y - ay
        vx, vy = bx - ax, by - ay
        t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - t * vx, py - t * vy) < hand / 2

    if on_segment(0.5, 0.5, 0.5, 0.29) or on_segment(0.5, 0.5, 0.66, 0.58):
        return (1, 1, 1, 1)
    if dist < 0.045:
        return (1, 0.78, 0.2, 1)
    return (*tile, 1)


def render(size):
    pixels = []
    n = SUPERSAMPLE
    for row in range(size):
        line = []
        for col in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    r, g, b, a = coverage(size, (col + (sx + 0.5) / n) / size, (row + (sy + 0.5) / n) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if a > 0:
                rgb = [acc[i] / acc[3] for i in range(3)]
            else:
                rgb = [0, 0, 0]
            line.append(tuple(int(round(v * 255)) for v in (*rgb, a)))
        pixels.append(line)
    return pixels


def bmp_entry(size, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    and_mask = bytes(mask_stride * size)
    return header + bytes(xor) + and_mask


def png_entry(size, pixels):
    import zlib
    raw = b''.join(b'\x00' + b''.join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    images = []
    for size in SIZES:
        pixels = render(size)
        images.append((size, png_entry(size, pixels) if size >= 256 else bmp_entry(size, pixels)))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'assets/icons/kolvane.ico')
    target.write_bytes(out)


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Draws the main window's image strips: thirteen glyphs in a row, 16 and 32 pixels high, as
32-bit bitmaps with alpha (assets/icons/toolbar16.bmp, toolbar32.bmp).

Index: 0 idle tray, 1 running tray, 2 unused, 3 web interface, 4 settings, 5 protection,
6 start, 7 stop, 8 now, 9 add, 10 remove, 11 up, 12 down.
Pure Python: python3 tools/make-toolbar-images.py
"""
import math
import struct
from pathlib import Path

SS = 4
BLUE = (0.16, 0.45, 0.85)
GREEN = (0.18, 0.62, 0.25)
RED = (0.82, 0.2, 0.18)
YELLOW = (0.98, 0.76, 0.1)
GREY = (0.42, 0.45, 0.5)
WHITE = (1, 1, 1)
DARK = (0.15, 0.2, 0.3)


def seg(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - ax - t * vx, py - ay - t * vy)


def inside_polygon(x, y, pts):
    n = len(pts)
    c = False
    j = n - 1
    for i in range(n):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            c = not c
        j = i
    return c


def clock(x, y, face):
    d = math.hypot(x - 0.5, y - 0.5)
    if d < 0.44:
        if d > 0.36:
            return face
        if seg(x, y, 0.5, 0.5, 0.5, 0.24) < 0.05 or seg(x, y, 0.5, 0.5, 0.68, 0.58) < 0.05:
            return DARK
        return WHITE
    return None


def glyph(index, x, y):
    if index == 0:
        return clock(x, y, BLUE)
    if index == 1:
        return clock(x, y, GREEN)
    if index == 3:  # globe
        d = math.hypot(x - 0.5, y - 0.5)
        if d < 0.42:
            if d > 0.36 or abs(x - 0.5) < 0.035 or abs(y - 0.5) < 0.035:
                return BLUE
            if abs(math.hypot((x - 0.5) * 2.2, y - 0.5) - 0.4) < 0.04:
                return BLUE
            return (0.85, 0.93, 1.0)
        return None
    if index == 4:  # gear
        d = math.hypot(x - 0.5, y - 0.5)
        a = math.atan2(y - 0.5, x - 0.5)
        r = 0.34 + (0.08 if math.cos(8 * a) > 0.2 else 0)
        if d < r:
            return WHITE if d < 0.13 else GREY
        return None
    if index == 5:  # padlock
        if 0.22 < x < 0.78 and 0.45 < y < 0.88:
            return YELLOW if not (0.46 < x < 0.54 and 0.58 < y < 0.75) else DARK
        if abs(math.hypot(x - 0.5, y - 0.45) - 0.19) < 0.055 and y < 0.47:
            return GREY
        return None
    if index == 6:
        return GREEN if inside_polygon(x, y, [(0.25, 0.15), (0.85, 0.5), (0.25, 0.85)]) else None
    if index == 7:
        return RED if 0.2 < x < 0.8 and 0.2 < y < 0.8 else None
    if index == 8:
        pts = [(0.58, 0.06), (0.22, 0.55), (0.47, 0.55), (0.38, 0.94), (0.8, 0.4), (0.54, 0.4)]
        return YELLOW if inside_polygon(x, y, pts) else None
    if index == 9:
        return GREEN if (abs(x - 0.5) < 0.12 and 0.12 < y < 0.88) or (abs(y - 0.5) < 0.12 and 0.12 < x < 0.88) else None
    if index == 10:
        return RED if abs(y - 0.5) < 0.12 and 0.12 < x < 0.88 else None
    if index == 11:
        return BLUE if inside_polygon(x, y, [(0.5, 0.1), (0.88, 0.52), (0.64, 0.52), (0.64, 0.9), (0.36, 0.9), (0.36, 0.52), (0.12, 0.52)]) else None
    if index == 12:
        return BLUE if inside_polygon(x, y, [(0.5, 0.9), (0.88, 0.48), (0.64, 0.48), (0.64, 0.1), (0.36, 0.1), (0.36, 0.48), (0.12, 0.48)]) else None
    return None


def strip(size, count=13):
    rows = []
    for row in range(size):
        line = []
        for index in range(count):
            for col in range(size):
                acc = [0.0, 0.0, 0.0, 0.0]
                for sy in range(SS):
                    for sx in range(SS):
                        c = glyph(index, (col + (sx + 0.5) / SS) / size, (row + (sy + 0.5) / SS) / size)
                        if c:
                            acc[0] += c[0]
                            acc[1] += c[1]
                            acc[2] += c[2]
                            acc[3] += 1
                a = acc[3] / (SS * SS)
                # Premultiplied, as image lists take 32-bit bitmaps.
                line.append(tuple(int(round(v / (SS * SS) * 255)) for v in acc[:3]) + (int(round(a * 255)),))
        rows.append(line)
    return rows


def write_bmp(path, rows):
    height = len(rows)
    width = len(rows[0])
    pixels = bytearray()
    for line in reversed(rows):
        for r, g, b, a in line:
            pixels += bytes((b, g, r, a))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    path.write_bytes(file_header + header + pixels)


def main():
    folder = Path(__file__).resolve().parent.parent / 'assets' / 'icons'
    for size in (16, 32):
        write_bmp(folder / f'toolbar{size}.bmp', strip(size))


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Makes the alarm window's picture and sound: assets/images/alarm.bmp (an alarm clock, 170 x 150,
24-bit, on white) and assets/sounds/alarm.wav (PCM, mono, 22050 Hz, 16-bit, 12 seconds of
"beep-beep-beep-beep" that loops without a seam).

Pure Python, so both can be remade on any machine: python3 tools/make-alarm-assets.py
"""
import math
import struct
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WIDTH, HEIGHT = 170, 150
SUPERSAMPLE = 3

RED = (0.84, 0.12, 0.12)
DARK_RED = (0.55, 0.05, 0.05)
METAL = (0.62, 0.64, 0.68)
FACE = (1.0, 0.98, 0.92)
INK = (0.12, 0.12, 0.14)
WHITE = (1.0, 1.0, 1.0)


def segment_distance(x, y, ax, ay, bx, by):
    px, py = x - ax, y - ay
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - t * vx, py - t * vy)


def colour_at(x, y):
    """The colour of the point (x, y) in pixels, painted back to front."""
    cx, cy, radius = 85.0, 82.0, 52.0
    colour = WHITE
    # Legs.
    for sign in (-1, 1):
        if segment_distance(x, y, cx + sign * 30, cy + 40, cx + sign * 44, cy + 62) < 5:
            colour = DARK_RED
    # Bells and their hammer.
    for sign in (-1, 1):
        bx, by = cx + sign * 40, cy - 46
        if math.hypot(x - bx, y - by) < 22 and (x - bx) * sign * 0.5 + (y - by) < 6:
            colour = METAL
    if segment_distance(x, y, cx, cy - radius - 14, cx, cy - radius + 2) < 3:
        colour = METAL
    if math.hypot(x - cx, y - (cy - radius - 16)) < 6:
        colour = METAL
    # Body and face.
    dist = math.hypot(x - cx, y - cy)
    if dist < radius:
        colour = RED
    if dist < radius - 8:
        colour = FACE
        angle = math.atan2(y - cy, x - cx)
        for hour in range(12):
            tick = hour * math.pi / 6
            if abs(math.remainder(angle - tick, 2 * math.pi)) < 0.045 and radius - 18 < dist < radius - 11:
                colour = INK
        # Hands at ten past ten, the shape clocks are shown with.
        if segment_distance(x, y, cx, cy, cx - 22, cy - 13) < 3.2:
            colour = INK
        if segment_distance(x, y, cx, cy, cx + 24, cy - 22) < 2.4:
            colour = INK
        if dist < 4.5:
            colour = RED
    return colour


def bitmap():
    rows = []
    n = SUPERSAMPLE
    for row in range(HEIGHT):
        line = bytearray()
        for col in range(WIDTH):
            acc = [0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    c = colour_at(col + (sx + 0.5) / n, row + (sy + 0.5) / n)
                    for i in range(3):
                        acc[i] += c[i]
            r, g, b = (int(round(v / (n * n) * 255)) for v in acc)
            line += bytes((b, g, r))
        line += bytes((-len(line)) % 4)
        rows.append(bytes(line))
    pixels = b''.join(reversed(rows))  # BMP rows run bottom-up
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def sound():
    rate = 22050
    period = 1.2  # one group of beeps and its pause; ten of them make 12 s that loop evenly
    beep, gap, beeps = 0.09, 0.07, 4
    ramp = 0.004
    samples = bytearray()
    for i in range(int(rate * period * 10)):
        t = i / rate
        within = t % period
        value = 0.0
        for k in range(beeps):
            start = k * (beep + gap)
            if start <= within < start + beep:
                u = within - start
                envelope = min(1.0, u / ramp, (beep - u) / ramp)
                value = envelope * (0.42 * math.sin(2 * math.pi * 2048 * t)
                                    + 0.12 * math.sin(2 * math.pi * 4096 * t))
        samples += struct.pack('<h', int(round(value * 32767)))
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * 2, 2, 16)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(samples)) + bytes(samples)
    return b'RIFF' + struct.pack('<I', len(body)) + body


def main():
    (ROOT / 'assets/images').mkdir(parents=True, exist_ok=True)
    (ROOT / 'assets/sounds').mkdir(parents=True, exist_ok=True)
    (ROOT / 'assets/images/alarm.bmp').write_bytes(bitmap())
    (ROOT / 'assets/sounds/alarm.wav').write_bytes(sound())


if __name__ == '__main__':
    main()

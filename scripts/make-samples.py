#!/usr/bin/env python3
"""Makes the sample logos in samples/: one colour, two colours, and a photo-like gradient.

Run from anywhere: python3 scripts/make-samples.py. The files are small 24-bit and 8-bit BMPs."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "samples")

# A 5x7 block font, just the letters the samples need.
FONT = {
    "P": ["1111.", "1...1", "1...1", "1111.", "1....", "1....", "1...."],
    "-": [".....", ".....", ".....", "11111", ".....", ".....", "....."],
    "8": [".111.", "1...1", "1...1", ".111.", "1...1", "1...1", ".111."],
    "C": [".1111", "1....", "1....", "1....", "1....", "1....", ".1111"],
    "A": [".111.", "1...1", "1...1", "11111", "1...1", "1...1", "1...1"],
    "F": ["11111", "1....", "1....", "1111.", "1....", "1....", "1...."],
    "E": ["11111", "1....", "1....", "1111.", "1....", "1....", "11111"],
    "S": [".1111", "1....", "1....", ".111.", "....1", "....1", "1111."],
    "L": ["1....", "1....", "1....", "1....", "1....", "1....", "11111"],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}

WHITE, BLACK, RED = (255, 255, 255), (0, 0, 0), (220, 20, 30)


def canvas(w, h, colour=WHITE):
    return [[colour] * w for _ in range(h)]


def text(img, s, x0, y0, scale, colour):
    for i, ch in enumerate(s):
        for row, bits in enumerate(FONT[ch]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    for dy in range(scale):
                        for dx in range(scale):
                            img[y0 + row * scale + dy][x0 + (i * 6 + col) * scale + dx] = colour


def disc(img, cx, cy, r, colour):
    for y in range(len(img)):
        for x in range(len(img[0])):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                img[y][x] = colour


def write_bmp24(path, img):
    h, w = len(img), len(img[0])
    stride = (w * 3 + 3) & ~3
    rows = b""
    for y in range(h - 1, -1, -1):
        row = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in img[y])
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def write_bmp8(path, img, palette):
    h, w = len(img), len(img[0])
    stride = (w + 3) & ~3
    index = {c: i for i, c in enumerate(palette)}
    rows = b""
    for y in range(h - 1, -1, -1):
        row = bytes(index[c] for c in img[y])
        rows += row + b"\0" * (stride - len(row))
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 54 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + pal + rows)


def one_colour():
    img = canvas(384, 96)
    disc(img, 48, 48, 40, BLACK)
    disc(img, 48, 48, 28, WHITE)
    disc(img, 48, 48, 16, BLACK)
    text(img, "P-8 CAFE", 110, 30, 5, BLACK)
    for x in range(110, 350):
        for y in range(82, 88):
            img[y][x] = BLACK
    return img


def two_colour():
    img = canvas(320, 80)
    disc(img, 40, 40, 32, RED)
    text(img, "SALE", 90, 12, 8, BLACK)
    for x in range(90, 310):
        for y in range(70, 76):
            img[y][x] = RED
    return img


def gradient():
    w, h = 240, 120
    img = canvas(w, h)
    for y in range(h):
        for x in range(w):
            r = math.hypot(x - w / 2, y - h / 2) / math.hypot(w / 2, h / 2)
            shade = int(255 * min(1.0, r))
            red = int(255 * x / (w - 1))
            img[y][x] = (max(shade, red // 2), shade, shade)
    return img


def main():
    os.makedirs(OUT, exist_ok=True)
    write_bmp24(os.path.join(OUT, "one-colour.bmp"), one_colour())
    write_bmp8(os.path.join(OUT, "two-colour.bmp"), two_colour(), [WHITE, BLACK, RED])
    write_bmp24(os.path.join(OUT, "gradient.bmp"), gradient())


if __name__ == "__main__":
    main()

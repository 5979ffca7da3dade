#!/usr/bin/env python3
"""Caption contrast of one button face in a PNG drawn by `wendle-cli render`,
computed from the WCAG 2.2 definitions alone, with nothing of Wendle's code:
the PNG is decoded here (zlib and the five row filters) and the luminance and
ratio are written out from the WCAG text.

    caption_contrast.py PICTURE.png X Y W H CAPTION [SHADOW]

X Y W H is the face's rectangle in the picture, CAPTION the caption colour
and SHADOW its shadow colour (as RRGGBB). Ink is every pixel of the caption
colour; the face around it is every other pixel within 2 px (in any
direction) that is neither ink nor shadow. Prints the 5th percentile (nearest
rank) of the ratios of all ink/face pairs, and the lowest and the mean.
"""
import math
import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, "8-bit RGB(A) only"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return rows


def luminance(rgb):
    def linear(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    return (max(a, b) + 0.05) / (min(a, b) + 0.05)


def main():
    path, x0, y0, w, h, caption = sys.argv[1:7]
    x0, y0, w, h = int(x0), int(y0), int(w), int(h)
    ink = tuple(bytes.fromhex(caption))
    shadow = tuple(bytes.fromhex(sys.argv[7])) if len(sys.argv) > 7 else None
    rows = read_png(path)
    inside = lambda x, y: x0 <= x < x0 + w and y0 <= y < y0 + h
    pairs = []
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            if rows[y][x] != ink:
                continue
            for dy in range(-2, 3):
                for dx in range(-2, 3):
                    nx, ny = x + dx, y + dy
                    if not inside(nx, ny) or rows[ny][nx] in (ink, shadow):
                        continue
                    pairs.append(ratio(luminance(ink), luminance(rows[ny][nx])))
    pairs.sort()
    worst = pairs[max(1, math.ceil(0.05 * len(pairs))) - 1]
    print(f"pairs {len(pairs)}  5th percentile {worst:.4f}  lowest {pairs[0]:.4f}  "
          f"mean {sum(pairs) / len(pairs):.4f}")


if __name__ == "__main__":
    main()

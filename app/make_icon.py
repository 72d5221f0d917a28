#!/usr/bin/env python3
"""Draws Quenlith's icon: a blue rounded square with a white arrow pointing
down onto a bar. Writes one .ico with 16, 32 and 48 pixel images, 256
colours each (7406 bytes).

    make_icon.py OUT.ico
"""
import struct
import sys

SIZES = (16, 32, 48)
BLUES = 200  # palette 0..199: the background ramp; 200..255: white shades


def palette():
    colours = []
    for i in range(256):
        if i < BLUES:
            t = i / (BLUES - 1)  # top (dark) to bottom (light)
            colours.append((int(20 + 40 * t), int(70 + 110 * t), int(160 + 80 * t)))
        else:
            t = (i - BLUES) / (255 - BLUES)
            shade = int(215 + 40 * t)
            colours.append((shade, shade, shade))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def inside_rounded_square(u, v, margin=0.04, radius=0.22):
    lo, hi = margin, 1 - margin
    if not (lo <= u <= hi and lo <= v <= hi):
        return False
    cu = min(max(u, lo + radius), hi - radius)
    cv = min(max(v, lo + radius), hi - radius)
    return (u - cu) ** 2 + (v - cv) ** 2 <= radius ** 2


def on_arrow(u, v):
    shaft = abs(u - 0.5) <= 0.09 and 0.18 <= v <= 0.52
    head = 0.46 <= v <= 0.74 and abs(u - 0.5) <= (0.74 - v) * 1.05
    bar = 0.79 <= v <= 0.87 and 0.24 <= u <= 0.76
    return shaft or head or bar


def image(size):
    xor_rows, and_rows = [], []
    and_stride = (size + 31) // 32 * 4
    for y in range(size - 1, -1, -1):  # DIB rows run bottom-up
        row, mask = bytearray(), bytearray(and_stride)
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            if not inside_rounded_square(u, v):
                row.append(0)
                mask[x // 8] |= 0x80 >> (x % 8)  # transparent
            elif on_arrow(u, v):
                row.append(BLUES + int((1 - v) * (255 - BLUES)))
            else:
                row.append(int(v * (BLUES - 1)))
        xor_rows.append(bytes(row))
        and_rows.append(bytes(mask))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(pixels), 0, 0, 0, 0)
    return header + palette() + pixels


def main():
    images = [image(s) for s in SIZES]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(directory + b"".join(images))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the program icon: a red X on a transparent ground, in the sizes Windows asks for.

Usage: make_icon.py OUTPUT.ico
Each image is a 32-bit BMP entry with an alpha channel; the edges are anti-aliased by
supersampling, so the X reads well from 16 to 48 pixels.
"""
import struct
import sys

SIZES = (16, 20, 24, 32, 40, 48, 64)
RED = (0xD0, 0x10, 0x10)       # the stroke
DARK = (0x80, 0x00, 0x00)      # its outline, so the X stays visible on a red taskbar
SUPERSAMPLE = 4


def stroke_distance(x, y, size):
    """Distance from (x, y) to the nearer diagonal of the X, in pixels."""
    margin = size * 0.16
    lo, hi = margin, size - margin
    # Clamp to the segment ends so the arms have square-ish tips inside the margin.
    best = None
    for (x0, y0, x1, y1) in ((lo, lo, hi, hi), (lo, hi, hi, lo)):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        px, py = x0 + t * dx, y0 + t * dy
        d = ((x - px) ** 2 + (y - py) ** 2) ** 0.5
        best = d if best is None else min(best, d)
    return best


def render(size):
    """Rows top to bottom of (b, g, r, a) pixels."""
    half_width = max(1.2, size * 0.11)
    outline = max(0.8, size * 0.035)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            inner = outer = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    d = stroke_distance(x + (sx + 0.5) / SUPERSAMPLE, y + (sy + 0.5) / SUPERSAMPLE, size)
                    if d <= half_width:
                        inner += 1
                    elif d <= half_width + outline:
                        outer += 1
            total = SUPERSAMPLE * SUPERSAMPLE
            covered = inner + outer
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            # Colour: a blend of stroke and outline weighted by their share of the pixel.
            r = (RED[0] * inner + DARK[0] * outer) // covered
            g = (RED[1] * inner + DARK[1] * outer) // covered
            b = (RED[2] * inner + DARK[2] * outer) // covered
            row.append((b, g, r, 255 * covered // total))
        rows.append(row)
    return rows


def bmp_entry(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(p) for row in reversed(render(size)) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_row * size)  # transparency comes from the alpha channel
    return header + pixels + mask


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    images = [bmp_entry(s) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(argv[1], "wb") as f:
        f.write(out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Writes the program icon: a brush sweeping dust, in every size Windows asks for.

Usage: make_icon.py OUTPUT.ico [--preview SHEET.png]

Python's standard library only. The picture is a handful of shapes (handle, band,
bristles, dust) in a unit square. The small sizes (16 to 32 pixels) are drawn for their
size: each shape is placed on whole pixels with per-size widths, sampled once per pixel
(no blur), and ringed by a one-pixel dark outline, so the brush stays crisp and readable
on light and dark taskbars. From 40 pixels on the shapes are sampled 4 x 4 per pixel
with an outline of proportional width. The 256-pixel image is stored as PNG, the others
as 32-bit BMP entries with an alpha channel. --preview writes a sheet of every size on a
light and on a dark ground, each also enlarged, to look at.
"""
import math
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
CRISP_UP_TO = 32

OUTLINE = (38, 24, 12)
HANDLE = (214, 138, 58)
HANDLE_LIGHT = (244, 188, 112)
BAND = (46, 104, 214)
BAND_DARK = (28, 62, 150)
BRISTLE = (248, 202, 58)
STRAND = (190, 132, 18)
DUST = (168, 178, 190)

# The brush's axis: from the handle's top end down to the bristles' tips.
TOP = (0.90, 0.05)
DIRECTION = (-0.67, 0.74)
NORMAL = (0.74, 0.67)


def along(origin, t, s):
    """A point t along the axis and s across it from origin."""
    return (origin[0] + t * DIRECTION[0] + s * NORMAL[0], origin[1] + t * DIRECTION[1] + s * NORMAL[1])


def shapes(size):
    """(kind, colour, geometry) from back to front; geometry in unit coordinates."""
    px = 1.0 / size
    crisp = size <= CRISP_UP_TO
    # Widths in pixels that read at each small size; proportional above.
    handle_half = (max(1.0, round(size * 0.10)) * px) if crisp else 0.055
    band_center = along(TOP, 0.58, 0)
    band_half = 0.18 if crisp else 0.16
    band_len = max(2 * px, 0.09) if crisp else 0.08
    tip_t = 0.97
    tip_half = 0.25
    out = []
    # Dust being swept away, ahead of the bristles.
    dust = [(0.61, 0.88, 0.06), (0.76, 0.83, 0.05), (0.86, 0.91, 0.038)]
    if crisp:
        # Specks of one or two pixels; the outline makes them read.
        dust = [(0.64, 0.86, 1.0 * px), (0.84, 0.86, 0.6 * px)] if size <= 20 else \
            [(0.62, 0.86, 1.0 * px), (0.78, 0.80, 1.0 * px), (0.88, 0.91, 0.6 * px)]
    for cx, cy, r in dust:
        if crisp and r >= px:
            # A 2 x 2 speck: centred on a pixel corner.
            cx, cy = round(cx * size) / size, round(cy * size) / size
        out.append(("circle", DUST, (cx, cy, r)))
    # Bristles: a fan from the band to the floor.
    b0 = along(band_center, band_len / 2, -band_half)
    b1 = along(band_center, band_len / 2, band_half)
    t1 = along(TOP, tip_t, tip_half)
    t0 = along(TOP, tip_t, -tip_half)
    out.append(("poly", BRISTLE, [b0, b1, t1, t0]))
    strands = 2 if size <= 20 else 3 if size <= 32 else 5
    for i in range(strands):
        f = (i + 1) / (strands + 1) * 2 - 1
        out.append(("strand", STRAND, (along(band_center, band_len / 2, f * band_half),
                                       along(TOP, tip_t - 0.05, f * tip_half * 0.9))))
    # The band that holds the bristles.
    out.append(("poly", BAND, [along(band_center, -band_len / 2, -band_half), along(band_center, -band_len / 2, band_half),
                               along(band_center, band_len / 2, band_half), along(band_center, band_len / 2, -band_half)]))
    # The handle, ending in the band.
    h_end = along(band_center, -band_len / 2, 0)
    out.append(("poly", HANDLE, [along(TOP, 0, -handle_half), along(TOP, 0, handle_half),
                                 along(h_end, 0, handle_half), along(h_end, 0, -handle_half)]))
    if size >= 24:
        out.append(("strand", HANDLE_LIGHT, (along(TOP, 0.05, -handle_half * 0.35), along(h_end, -0.04, -handle_half * 0.35))))
    return out


def inside_poly(x, y, poly):
    hit = False
    for i in range(len(poly)):
        (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % len(poly)]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            hit = not hit
    return hit


def segment_distance(x, y, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = max(0.0, min(1.0, ((x - a[0]) * dx + (y - a[1]) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - a[0] - t * dx, y - a[1] - t * dy)


def distance(x, y, kind, geometry):
    """Signed distance to the shape's edge: negative inside."""
    if kind == "circle":
        cx, cy, r = geometry
        return math.hypot(x - cx, y - cy) - r
    if kind == "strand":
        return segment_distance(x, y, *geometry)
    edge = min(segment_distance(x, y, geometry[i], geometry[(i + 1) % len(geometry)]) for i in range(len(geometry)))
    return -edge if inside_poly(x, y, geometry) else edge


def render_crisp(size):
    """One sample per pixel centre, then a one-pixel outline around everything filled."""
    parts = shapes(size)
    grid = [[None] * size for _ in range(size)]
    solid = [[False] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            u, v = (x + 0.5) / size, (y + 0.5) / size
            for kind, colour, geometry in parts:
                if kind == "strand":
                    # Strands and the handle's light line are one pixel wide, on what lies below.
                    if solid[y][x] and distance(u, v, kind, geometry) <= 0.5 / size:
                        grid[y][x] = colour
                elif distance(u, v, kind, geometry) <= 0:
                    grid[y][x] = colour
                    solid[y][x] = True
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if solid[y][x]:
                r, g, b = grid[y][x]
                row.append((b, g, r, 255))
                continue
            near = any(0 <= x + dx < size and 0 <= y + dy < size and solid[y + dy][x + dx]
                       for dx in (-1, 0, 1) for dy in (-1, 0, 1))
            row.append((OUTLINE[2], OUTLINE[1], OUTLINE[0], 255) if near else (0, 0, 0, 0))
        rows.append(row)
    return rows


def render_smooth(size, samples=4):
    parts = shapes(size)
    outline = max(1.0, size / 40) / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    u, v = (x + (sx + 0.5) / samples) / size, (y + (sy + 0.5) / samples) / size
                    colour = None
                    near = False
                    filled = False
                    for kind, c, geometry in parts:
                        d = distance(u, v, kind, geometry)
                        if kind == "strand":
                            if filled and d <= 0.6 / size * max(1, size / 48):
                                colour = c
                            continue
                        if d <= 0:
                            colour, filled = c, True
                        elif d <= outline:
                            near = True
                    if colour is None and near:
                        colour = OUTLINE
                    if colour is not None:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = samples * samples
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(acc[2] / acc[3]), round(acc[1] / acc[3]), round(acc[0] / acc[3]),
                            round(255 * acc[3] / n)))
        rows.append(row)
    return rows


def render(size):
    """Rows top to bottom of (b, g, r, a) pixels."""
    return render_crisp(size) if size <= CRISP_UP_TO else render_smooth(size)


def png(width, height, rgba_rows):
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rgba_rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_entry(size, rows):
    if size >= 256:
        return png(size, size, [[(r, g, b, a) for (b, g, r, a) in row] for row in rows])
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def preview(images, path):
    """Every size at 1x on light and dark grounds, then 4x (256 at 1x) on both."""
    grounds = ((240, 240, 240), (32, 32, 32))
    scale = lambda s: 1 if s >= 256 else 4
    width = sum(s for s in SIZES) + 10 * (len(SIZES) + 1)
    big = sum(s * scale(s) for s in SIZES) + 10 * (len(SIZES) + 1)
    width = max(width, big)
    height = 2 * (64 + 20) + 2 * (256 + 20)
    canvas = [[(128, 128, 128, 255)] * width for _ in range(height)]

    def put(x0, y0, rows, factor, ground):
        for y, row in enumerate(rows):
            for x, (b, g, r, a) in enumerate(row):
                mixed = tuple(round((c * a + gc * (255 - a)) / 255) for c, gc in zip((r, g, b), ground))
                for dy in range(factor):
                    for dx in range(factor):
                        canvas[y0 + y * factor + dy][x0 + x * factor + dx] = mixed + (255,)

    def band(y0, h, factor_of, ground):
        for y in range(y0, y0 + h):
            for x in range(width):
                canvas[y][x] = ground + (255,)
        x = 10
        for size in SIZES:
            f = factor_of(size)
            put(x, y0 + 10, images[size], f, ground)
            x += size * f + 10

    band(0, 64 + 20, lambda s: 1, grounds[0])
    band(84, 64 + 20, lambda s: 1, grounds[1])
    band(168, 256 + 20, scale, grounds[0])
    band(444, 256 + 20, scale, grounds[1])
    with open(path, "wb") as f:
        f.write(png(width, height, canvas))


def main(argv):
    args = argv[1:]
    sheet = None
    if "--preview" in args:
        i = args.index("--preview")
        if i + 1 >= len(args):
            sys.stderr.write(__doc__)
            return 2
        sheet = args[i + 1]
        del args[i:i + 2]
    if len(args) != 1:
        sys.stderr.write(__doc__)
        return 2
    images = {s: render(s) for s in SIZES}
    entries = [ico_entry(s, images[s]) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, data in zip(SIZES, entries):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(entries)
    with open(args[0], "wb") as f:
        f.write(out)
    if sheet:
        preview(images, sheet)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Draws the program's icon and writes velorin-calc.ico beside this script.

The icon is a blue rounded square with a white speedometer whose needle
points high, for levelling, and a gold coin in the lower right corner, for
the skill costs. Every size is drawn from the same shapes, with strokes made
thicker and details simplified where the pixels are few, and is anti-aliased
by averaging a grid of samples inside each pixel. The output depends on
nothing but this script, so running it again gives the same file.
"""

import math
import struct
import zlib
from pathlib import Path

SIZES = (128, 64, 48, 32, 16)
PNG_SIZES = (128, 64)  # the small sizes stay 32-bit DIBs, which every loader reads

TRANSPARENT = (0.0, 0.0, 0.0, 0.0)
WHITE = (1.0, 1.0, 1.0, 1.0)
BLUE_TOP = (0.227, 0.490, 0.965, 1.0)
BLUE_BOTTOM = (0.110, 0.290, 0.780, 1.0)
NEEDLE_RED = (1.0, 0.353, 0.216, 1.0)
GOLD = (1.0, 0.788, 0.200, 1.0)
GOLD_RIM = (0.859, 0.561, 0.078, 1.0)
GOLD_SHINE = (1.0, 0.918, 0.560, 1.0)


class Geometry:
    """The shapes of the icon at one size, in units of the icon's side."""

    def __init__(self, size):
        pixel = 1.0 / size
        self.square_inset = round(0.03 * size) * pixel
        self.square_radius = 0.2

        # Placed so that the dial's edges fall on pixel borders at 16 px.
        self.gauge_centre = (0.4375, 0.5)
        self.gauge_radius = 0.3125
        self.gauge_stroke = max(0.095, 2.0 * pixel)
        # The dial is open at the bottom: it runs clockwise from 215 degrees
        # to -35 degrees, measured anticlockwise from the right.
        self.gauge_start = math.radians(215.0)
        self.gauge_end = math.radians(-35.0)
        self.tick_count = 7 if size >= 48 else 0
        self.tick_length = 0.06
        self.tick_gap = 0.025  # between the ticks and the dial
        self.tick_stroke = max(0.03, 1.2 * pixel)

        if size < 32:
            # Short, white and of even width, the needle stays legible at 16 px.
            self.needle_angle = math.radians(55.0)
            self.needle_length = 2.5 * pixel
            self.needle_base = self.needle_tip = 2.0 * pixel
            self.needle_colour = WHITE
        else:
            # Between the fourth and the fifth tick: a high level.
            self.needle_angle = math.radians(70.0)
            self.needle_length = 0.27
            self.needle_base = max(0.1, 2.4 * pixel)
            self.needle_tip = max(0.035, 1.4 * pixel)
            self.needle_colour = NEEDLE_RED
        self.hub_radius = max(0.075, 1.5 * pixel)

        self.coin_centre = (0.75, 0.75)
        self.coin_radius = 0.2
        self.coin_gap = max(0.04, 0.9 * pixel)
        self.coin_rim = max(0.04, 1.0 * pixel)
        self.coin_has_ring = size >= 32
        self.coin_ring_radius = 0.11
        self.coin_ring_stroke = max(0.022, 0.9 * pixel)


def distance(ax, ay, bx, by):
    return math.hypot(ax - bx, ay - by)


def inside_rounded_square(x, y, g):
    low = g.square_inset + g.square_radius
    high = 1.0 - g.square_inset - g.square_radius
    nearest_x = min(max(x, low), high)
    nearest_y = min(max(y, low), high)
    return distance(x, y, nearest_x, nearest_y) <= g.square_radius


def angle_from_gauge_centre(x, y, g):
    """Anticlockwise from the right, with y growing downwards on screen."""
    return math.atan2(g.gauge_centre[1] - y, x - g.gauge_centre[0])


def gauge_point(angle, radius, g):
    return (g.gauge_centre[0] + radius * math.cos(angle),
            g.gauge_centre[1] - radius * math.sin(angle))


def within_dial_sweep(angle, g):
    """True inside the dial's sweep, which skips the gap at the bottom."""
    return not (g.gauge_start - math.tau < angle < g.gauge_end)


def on_dial(x, y, g):
    half = g.gauge_stroke / 2.0
    angle = angle_from_gauge_centre(x, y, g)
    if within_dial_sweep(angle, g):
        return abs(distance(x, y, *g.gauge_centre) - g.gauge_radius) <= half
    ends = (gauge_point(g.gauge_start, g.gauge_radius, g), gauge_point(g.gauge_end, g.gauge_radius, g))
    return any(distance(x, y, *end) <= half for end in ends)


def on_tick(x, y, g):
    if g.tick_count == 0:
        return False
    inner = g.gauge_radius - g.gauge_stroke / 2.0 - g.tick_gap - g.tick_length
    outer = inner + g.tick_length
    sweep = g.gauge_start - g.gauge_end
    for index in range(g.tick_count):
        angle = g.gauge_start - sweep * index / (g.tick_count - 1)
        start = gauge_point(angle, inner, g)
        end = gauge_point(angle, outer, g)
        if distance_to_segment(x, y, start, end)[0] <= g.tick_stroke / 2.0:
            return True
    return False


def distance_to_segment(x, y, start, end):
    """The distance to the segment and how far along it the nearest point lies (0 to 1)."""
    dx, dy = end[0] - start[0], end[1] - start[1]
    along = ((x - start[0]) * dx + (y - start[1]) * dy) / (dx * dx + dy * dy)
    along = min(max(along, 0.0), 1.0)
    return distance(x, y, start[0] + along * dx, start[1] + along * dy), along


def on_needle(x, y, g):
    tip = gauge_point(g.needle_angle, g.needle_length, g)
    gap, along = distance_to_segment(x, y, g.gauge_centre, tip)
    width = g.needle_base + (g.needle_tip - g.needle_base) * along
    return gap <= width / 2.0


def on_hub(x, y, g):
    return distance(x, y, *g.gauge_centre) <= g.hub_radius


def coin_colour(x, y, g):
    """The coin's colour at a point inside it: darker rim, lighter engraved ring."""
    from_centre = distance(x, y, *g.coin_centre)
    if from_centre >= g.coin_radius - g.coin_rim:
        return GOLD_RIM
    if g.coin_has_ring and abs(from_centre - g.coin_ring_radius) <= g.coin_ring_stroke / 2.0:
        return GOLD_SHINE
    return GOLD


def background_colour(y):
    return tuple(top + (bottom - top) * y for top, bottom in zip(BLUE_TOP, BLUE_BOTTOM))


def sample_colour(x, y, g):
    """The one opaque or transparent colour of the icon at a point."""
    from_coin = distance(x, y, *g.coin_centre)
    if from_coin <= g.coin_radius:
        return coin_colour(x, y, g)
    # A transparent ring cuts the coin out of everything behind it.
    if from_coin <= g.coin_radius + g.coin_gap:
        return TRANSPARENT
    if not inside_rounded_square(x, y, g):
        return TRANSPARENT
    if on_needle(x, y, g):
        return g.needle_colour
    if on_hub(x, y, g) or on_dial(x, y, g) or on_tick(x, y, g):
        return WHITE
    return background_colour(y)


def render(size):
    """Rows of straight-alpha RGBA bytes, top row first."""
    g = Geometry(size)
    grid = 8 if size <= 48 else 4
    offsets = [(index + 0.5) / grid for index in range(grid)]
    rows = []
    for row in range(size):
        pixels = bytearray()
        for column in range(size):
            pixels += average_pixel(column, row, size, offsets, g)
        rows.append(bytes(pixels))
    return rows


def average_pixel(column, row, size, offsets, g):
    """Averages premultiplied samples, so that transparent ones lend no colour."""
    red = green = blue = alpha = 0.0
    for dy in offsets:
        for dx in offsets:
            r, gr, b, a = sample_colour((column + dx) / size, (row + dy) / size, g)
            red += r * a
            green += gr * a
            blue += b * a
            alpha += a
    if alpha == 0.0:
        return bytes(4)
    count = len(offsets) ** 2
    return bytes((to_byte(red / alpha), to_byte(green / alpha), to_byte(blue / alpha), to_byte(alpha / count)))


def to_byte(value):
    return max(0, min(255, round(value * 255.0)))


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def encode_png(rows, size):
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    scanlines = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(scanlines, 9)) + png_chunk(b"IEND", b""))


def encode_dib(rows, size):
    """A 32-bit BGRA icon bitmap: header, colour rows bottom-up, then the AND mask."""
    colour = bytearray()
    mask = bytearray()
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        mask_row = bytearray(mask_stride)
        for column in range(size):
            r, g, b, a = row[4 * column:4 * column + 4]
            colour += bytes((b, g, r, a))
            if a == 0:
                mask_row[column // 8] |= 0x80 >> (column % 8)
        mask += mask_row
    # The height counts the colour rows and the mask rows together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def encode_ico(images):
    """images: (size, encoded image) pairs, in the order of the directory."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        side = size % 256  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def main():
    images = []
    for size in SIZES:
        rows = render(size)
        encode = encode_png if size in PNG_SIZES else encode_dib
        images.append((size, encode(rows, size)))
    Path(__file__).with_name("velorin-calc.ico").write_bytes(encode_ico(images))


if __name__ == "__main__":
    main()

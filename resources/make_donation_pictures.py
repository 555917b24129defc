#!/usr/bin/env python3
"""Writes the support page's two donation pictures.

Each is a payment-code-like card: a rounded card in the payment service's
colour with a translucent rim, a caption drawn as simple shapes, and a white
panel holding a real QR code of the maker's site address. The corners fade
out anti-aliased, so the pictures carry fully and partly transparent pixels.

Standard library only; the output is the same on every run:

    python3 resources/make_donation_pictures.py
"""

import os
import struct
import zlib

SITE_ADDRESS = b"http://127.0.0.1:8936/"

# ---------------------------------------------------------------------------
# QR code, version 2 (25 x 25 modules), error correction level M, byte mode.

QR_VERSION = 2
QR_SIZE = 17 + 4 * QR_VERSION
DATA_CODEWORDS = 28  # version 2-M: one block of 28 data and 16 check codewords
CHECK_CODEWORDS = 16
FORMAT_BITS_M = 0b00
ALIGNMENT_CENTRE = 18


def gf_tables():
    exp = [0] * 512
    log = [0] * 256
    value = 1
    for i in range(255):
        exp[i] = value
        log[value] = i
        value <<= 1
        if value & 0x100:
            value ^= 0x11D
    for i in range(255, 512):
        exp[i] = exp[i - 255]
    return exp, log


GF_EXP, GF_LOG = gf_tables()


def gf_multiply(a, b):
    if a == 0 or b == 0:
        return 0
    return GF_EXP[GF_LOG[a] + GF_LOG[b]]


def reed_solomon_check(data, count):
    """The check codewords: the remainder of data * x^count by the generator."""
    generator = [1]
    for i in range(count):
        generator = [c ^ gf_multiply(g, GF_EXP[i]) for c, g in zip(generator + [0], [0] + generator)]
    remainder = [0] * count
    for byte in data:
        factor = byte ^ remainder[0]
        remainder = remainder[1:] + [0]
        for i in range(count):
            remainder[i] ^= gf_multiply(generator[i + 1], factor)
    return remainder


def data_codewords(text):
    bits = []

    def put(value, length):
        bits.extend((value >> (length - 1 - i)) & 1 for i in range(length))

    put(0b0100, 4)  # byte mode
    put(len(text), 8)
    for byte in text:
        put(byte, 8)
    capacity = DATA_CODEWORDS * 8
    if len(bits) > capacity:
        raise ValueError("text too long for a version 2-M code")
    put(0, min(4, capacity - len(bits)))  # terminator
    put(0, -len(bits) % 8)
    codewords = [int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, len(bits), 8)]
    pads = [0xEC, 0x11] * DATA_CODEWORDS
    return codewords + pads[:DATA_CODEWORDS - len(codewords)]


class QrMatrix:
    def __init__(self):
        self.dark = [[False] * QR_SIZE for _ in range(QR_SIZE)]
        self.function = [[False] * QR_SIZE for _ in range(QR_SIZE)]

    def set_function(self, x, y, dark):
        self.dark[y][x] = dark
        self.function[y][x] = True

    def draw_finder(self, cx, cy):
        for dy in range(-4, 5):
            for dx in range(-4, 5):
                x, y = cx + dx, cy + dy
                if 0 <= x < QR_SIZE and 0 <= y < QR_SIZE:
                    ring = max(abs(dx), abs(dy))
                    self.set_function(x, y, ring not in (2, 4))

    def draw_alignment(self, cx, cy):
        for dy in range(-2, 3):
            for dx in range(-2, 3):
                self.set_function(cx + dx, cy + dy, max(abs(dx), abs(dy)) != 1)

    def draw_function_patterns(self):
        for i in range(QR_SIZE):
            self.set_function(6, i, i % 2 == 0)
            self.set_function(i, 6, i % 2 == 0)
        self.draw_finder(3, 3)
        self.draw_finder(QR_SIZE - 4, 3)
        self.draw_finder(3, QR_SIZE - 4)
        self.draw_alignment(ALIGNMENT_CENTRE, ALIGNMENT_CENTRE)
        self.draw_format(0)  # reserves the format areas; redrawn with the mask

    def draw_format(self, mask):
        data = FORMAT_BITS_M << 3 | mask
        remainder = data
        for _ in range(10):
            remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537)
        bits = (data << 10 | remainder) ^ 0x5412

        def bit(i):
            return (bits >> i) & 1 == 1

        for i in range(6):
            self.set_function(8, i, bit(i))
        self.set_function(8, 7, bit(6))
        self.set_function(8, 8, bit(7))
        self.set_function(7, 8, bit(8))
        for i in range(9, 15):
            self.set_function(14 - i, 8, bit(i))
        for i in range(8):
            self.set_function(QR_SIZE - 1 - i, 8, bit(i))
        for i in range(8, 15):
            self.set_function(8, QR_SIZE - 15 + i, bit(i))
        self.set_function(8, QR_SIZE - 8, True)  # the dark module

    def place_codewords(self, codewords):
        index = 0
        total = len(codewords) * 8
        right = QR_SIZE - 1
        while right >= 1:
            if right == 6:
                right = 5
            upward = (right + 1) & 2 == 0
            for vertical in range(QR_SIZE):
                y = QR_SIZE - 1 - vertical if upward else vertical
                for x in (right, right - 1):
                    if not self.function[y][x] and index < total:
                        self.dark[y][x] = (codewords[index >> 3] >> (7 - (index & 7))) & 1 == 1
                        index += 1
            right -= 2

    def apply_mask(self, mask):
        rules = [
            lambda x, y: (x + y) % 2 == 0,
            lambda x, y: y % 2 == 0,
            lambda x, y: x % 3 == 0,
            lambda x, y: (x + y) % 3 == 0,
            lambda x, y: (x // 3 + y // 2) % 2 == 0,
            lambda x, y: x * y % 2 + x * y % 3 == 0,
            lambda x, y: (x * y % 2 + x * y % 3) % 2 == 0,
            lambda x, y: ((x + y) % 2 + x * y % 3) % 2 == 0,
        ]
        rule = rules[mask]
        for y in range(QR_SIZE):
            for x in range(QR_SIZE):
                if not self.function[y][x] and rule(x, y):
                    self.dark[y][x] = not self.dark[y][x]

    def penalty(self):
        score = 0
        lines = [row[:] for row in self.dark] + [list(col) for col in zip(*self.dark)]
        finder_like = ("10111010000", "00001011101")
        for line in lines:
            run_colour, run = None, 0
            for module in line + [None]:
                if module == run_colour:
                    run += 1
                    continue
                if run >= 5:
                    score += 3 + run - 5
                run_colour, run = module, 1
            text = "0000" + "".join("1" if m else "0" for m in line) + "0000"
            score += 40 * sum(text.count(p) for p in finder_like)
        for y in range(QR_SIZE - 1):
            for x in range(QR_SIZE - 1):
                block = {self.dark[y][x], self.dark[y][x + 1], self.dark[y + 1][x], self.dark[y + 1][x + 1]}
                if len(block) == 1:
                    score += 3
        dark = sum(sum(row) for row in self.dark)
        total = QR_SIZE * QR_SIZE
        score += 10 * (abs(dark * 20 - total * 10) // total)
        return score


def qr_code(text):
    """The modules of the code, dark = True, chosen with the least penalty."""
    data = data_codewords(text)
    codewords = data + reed_solomon_check(data, CHECK_CODEWORDS)
    best = None
    for mask in range(8):
        matrix = QrMatrix()
        matrix.draw_function_patterns()
        matrix.place_codewords(codewords)
        matrix.apply_mask(mask)
        matrix.draw_format(mask)
        score = matrix.penalty()
        if best is None or score < best[0]:
            best = (score, matrix)
    return best[1].dark


# ---------------------------------------------------------------------------
# Drawing: straight RGBA layers, shapes anti-aliased by 4 x 4 supersampling.

SAMPLES = 4


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0, 0, 0, 0)] * width for _ in range(height)]

    def paint(self, x, y, colour, coverage):
        """Lays a colour with this coverage (0..1) over the pixel."""
        if coverage <= 0:
            return
        r, g, b, a = colour
        source = a / 255 * coverage
        br, bg, bb, ba = self.pixels[y][x]
        below = ba / 255 * (1 - source)
        out = source + below
        if out <= 0:
            self.pixels[y][x] = (0, 0, 0, 0)
            return
        mix = [round((s * source + d * below) / out) for s, d in ((r, br), (g, bg), (b, bb))]
        self.pixels[y][x] = (mix[0], mix[1], mix[2], round(out * 255))

    def fill(self, inside, colour, bounds):
        """Fills the shape inside(px, py) -> bool within bounds (x0, y0, x1, y1)."""
        x0, y0, x1, y1 = bounds
        step = 1 / SAMPLES
        offsets = [(i + 0.5) * step for i in range(SAMPLES)]
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = sum(inside(x + ox, y + oy) for oy in offsets for ox in offsets)
                self.paint(x, y, colour, hits / (SAMPLES * SAMPLES))

    def rounded_rect(self, left, top, right, bottom, radius, colour):
        def inside(px, py):
            if not (left <= px < right and top <= py < bottom):
                return False
            cx = min(max(px, left + radius), right - radius)
            cy = min(max(py, top + radius), bottom - radius)
            return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius

        self.fill(inside, colour, (int(left), int(top), int(right) + 1, int(bottom) + 1))

    def circle(self, cx, cy, radius, colour):
        def inside(px, py):
            return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius

        self.fill(inside, colour, (int(cx - radius), int(cy - radius), int(cx + radius) + 2,
                                   int(cy + radius) + 2))

    def block(self, left, top, right, bottom, colour):
        """An axis-aligned rectangle on whole pixels, without anti-aliasing."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.paint(x, y, colour, 1)


WHITE = (255, 255, 255, 255)
INK = (24, 24, 24, 255)
RIM_ALPHA = 112
RIM_WIDTH = 6
CARD_RADIUS = 24


def card(canvas, colour):
    """The card over the whole picture: a translucent rim of the card colour
    around an opaque body, both with rounded corners."""
    w, h = canvas.width, canvas.height
    r, g, b = colour
    canvas.rounded_rect(0, 0, w, h, CARD_RADIUS, (r, g, b, RIM_ALPHA))
    canvas.rounded_rect(RIM_WIDTH, RIM_WIDTH, w - RIM_WIDTH, h - RIM_WIDTH,
                        CARD_RADIUS - RIM_WIDTH, (r, g, b, 255))


def qr_panel(canvas, left, top, module):
    """A white panel with the code and its four-module quiet zone."""
    modules = qr_code(SITE_ADDRESS)
    side = (QR_SIZE + 8) * module
    canvas.rounded_rect(left, top, left + side, top + side, module, WHITE)
    for y, row in enumerate(modules):
        for x, dark in enumerate(row):
            if dark:
                mx = left + (x + 4) * module
                my = top + (y + 4) * module
                canvas.block(mx, my, mx + module, my + module, INK)


def caption_bars(canvas, left, top, lengths, colour):
    """Words of a caption as rounded bars."""
    x = left
    for length in lengths:
        canvas.rounded_rect(x, top, x + length, top + 12, 6, colour)
        x += length + 8


def wechat_picture():
    green = (7, 193, 96)
    canvas = Canvas(317, 316)
    card(canvas, green)
    # Two speech bubbles, the larger one behind.
    canvas.circle(48, 36, 17, WHITE)
    canvas.circle(66, 46, 12, WHITE)
    canvas.circle(66, 46, 9, green + (255,))
    caption_bars(canvas, 92, 30, [56, 38, 70], WHITE)
    qr_panel(canvas, (317 - 33 * 7) // 2, 70, 7)
    return canvas


def alipay_picture():
    blue = (22, 119, 255)
    canvas = Canvas(295, 287)
    card(canvas, blue)
    # A rounded square badge with a bar through it.
    canvas.rounded_rect(28, 22, 64, 58, 9, WHITE)
    canvas.rounded_rect(35, 36, 57, 44, 3, blue + (255,))
    caption_bars(canvas, 76, 34, [44, 64, 52], WHITE)
    qr_panel(canvas, (295 - 33 * 6) // 2, 72, 6)
    return canvas


# ---------------------------------------------------------------------------
# PNG: 8-bit RGBA, not interlaced, with sRGB, gAMA and pHYs chunks.


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(canvas):
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    rows = bytearray()
    for row in canvas.pixels:
        rows.append(0)  # no filter
        for pixel in row:
            rows.extend(pixel)
    return b"".join([
        b"\x89PNG\r\n\x1a\n",
        chunk(b"IHDR", header),
        chunk(b"sRGB", bytes([0])),
        chunk(b"gAMA", struct.pack(">I", 45455)),
        chunk(b"pHYs", struct.pack(">IIB", 3779, 3779, 1)),
        chunk(b"IDAT", zlib.compress(bytes(rows), 9)),
        chunk(b"IEND", b""),
    ])


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, draw in (("wechat-donation.png", wechat_picture), ("alipay-donation.png", alipay_picture)):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(png_bytes(draw()))


if __name__ == "__main__":
    main()

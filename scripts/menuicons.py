#!/usr/bin/env python3
"""Draws the 47 menu icons (16 x 16) of the calculator window as PNG files in
resources/menuicons/. The PNGs are the sources; the build packs them into the image-list
file the menus read. Run again after changing a drawing here, or edit a PNG directly."""
import math
import os
import struct
import zlib

N = 16
OUT = os.path.join(os.path.dirname(__file__), '..', 'resources', 'menuicons')

K = (0, 0, 0, 255)
W = (255, 255, 255, 255)
G = (128, 128, 128, 255)
L = (200, 200, 200, 255)
R = (200, 30, 30, 255)
B = (30, 60, 190, 255)
GR = (20, 140, 40, 255)
Y = (240, 200, 20, 255)
O = (230, 120, 20, 255)
BR = (140, 90, 40, 255)
C = (40, 170, 210, 255)


class Icon:
    def __init__(self):
        self.px = [[(0, 0, 0, 0)] * N for _ in range(N)]

    def set(self, x, y, c):
        if 0 <= x < N and 0 <= y < N:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def box(self, x0, y0, x1, y1, edge, inside=None):
        if inside:
            self.fill(x0, y0, x1, y1, inside)
        for x in range(x0, x1 + 1):
            self.set(x, y0, edge)
            self.set(x, y1, edge)
        for y in range(y0, y1 + 1):
            self.set(x0, y, edge)
            self.set(x1, y, edge)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def circle(self, cx, cy, r, edge, inside=None):
        for y in range(N):
            for x in range(N):
                d = math.hypot(x - cx, y - cy)
                if inside and d <= r - 0.5:
                    self.set(x, y, inside)
                if abs(d - r) < 0.55:
                    self.set(x, y, edge)

    def glyph(self, x, y, ch, c):
        for row, bits in enumerate(FONT[ch]):
            for col in range(3):
                if bits & (4 >> col):
                    self.set(x + col, y + row, c)

    def text(self, x, y, s, c):
        for i, ch in enumerate(s):
            self.glyph(x + 4 * i, y, ch, c)

    def page(self, x0=3, y0=1, x1=12, y1=14):
        self.box(x0, y0, x1, y1, K, W)


FONT = {
    'A': [2, 5, 7, 5, 5], 'B': [6, 5, 6, 5, 6], 'C': [3, 4, 4, 4, 3], '1': [2, 6, 2, 2, 7],
    '3': [6, 1, 2, 1, 6], '$': [3, 6, 2, 3, 6], '?': [6, 1, 2, 0, 2], '=': [0, 7, 0, 7, 0],
    '+': [0, 2, 7, 2, 0],
}


def calculator(i, x0=3, y0=1):
    i.box(x0, y0, x0 + 9, y0 + 13, K, L)
    i.fill(x0 + 2, y0 + 2, x0 + 7, y0 + 4, (150, 200, 150, 255))
    for r in range(3):
        for c in range(3):
            i.set(x0 + 2 + 2 * c, y0 + 7 + 2 * r, K)


def printer(i, accent):
    i.box(4, 1, 11, 6, K, W)
    i.box(1, 6, 14, 11, K, L)
    i.fill(3, 8, 4, 8, accent)
    i.box(4, 10, 11, 14, K, W)
    i.line(5, 12, 10, 12, G)


def speaker(i):
    i.fill(2, 6, 4, 9, K)
    i.line(5, 6, 8, 3, K)
    i.line(5, 9, 8, 12, K)
    i.line(8, 3, 8, 12, K)
    i.fill(5, 6, 7, 9, G)


def flag_stripes(i, colours, vertical):
    i.box(1, 3, 14, 12, K)
    n = len(colours)
    if vertical:
        for k, col in enumerate(colours):
            i.fill(2 + k * 12 // n, 4, 1 + (k + 1) * 12 // n, 11, col)
    else:
        for k, col in enumerate(colours):
            i.fill(2, 4 + k * 8 // n, 13, 3 + (k + 1) * 8 // n, col)


def arrow_curve(i, back):
    """An arc with its arrowhead at the end it turns to: back (undo) on the left,
    forward (redo) on the right, as readers of left-to-right text expect."""
    cx = 8
    for a in range(200, 340, 8):
        r = math.radians(a)
        i.set(round(cx + 5 * math.cos(r)), round(10 + 5 * math.sin(r)), B)
    tip = (cx - 5 if back else cx + 5, 10)
    i.line(tip[0], tip[1], tip[0] - 2, tip[1] - 2, B)
    i.line(tip[0], tip[1], tip[0] + 2, tip[1] - 2, B)


def draw(n):
    i = Icon()
    if n == 1:
        calculator(i)
    elif n == 2:
        i.box(0, 1, 15, 14, K, W)
        i.fill(1, 2, 14, 3, B)
        i.box(4, 5, 11, 13, K, L)
        i.fill(5, 6, 10, 7, (150, 200, 150, 255))
        for r in range(2):
            for c in range(3):
                i.set(5 + 2 * c, 9 + 2 * r, K)
    elif n == 3:
        i.box(1, 2, 14, 14, K, W)
        i.fill(2, 3, 13, 5, R)
        i.set(4, 1, K); i.set(11, 1, K)
        for r in range(3):
            for c in range(4):
                i.set(3 + 3 * c, 7 + 2 * r, G)
    elif n == 4:
        i.circle(7.5, 7.5, 6.5, K, W)
        i.line(8, 8, 8, 3, K)
        i.line(8, 8, 11, 9, R)
    elif n == 5:
        i.page()
        i.text(6, 5, '$', GR)
    elif n == 6:
        i.circle(7.5, 7.5, 6.5, B, W)
        i.text(6, 5, '3', B)
    elif n == 7:
        i.page(1, 1, 9, 11)
        i.page(6, 4, 14, 14)
    elif n == 8:
        i.text(2, 5, 'ABC', K)
    elif n == 9:
        i.box(0, 4, 15, 11, K, (220, 240, 220, 255))
        i.line(2, 9, 9, 9, G)
        i.line(11, 7, 13, 7, K)
        i.line(2, 6, 6, 6, B)
    elif n == 10:
        i.page()
        for y in (4, 7, 10):
            i.line(5, y, 7, y, K)
            i.box(8, y - 1, 10, y + 1, G, W)
            i.set(9, y, B)
    elif n == 11:
        for (cx, cy, r) in ((5.5, 6.5, 3.6), (11, 11, 2.6)):
            i.circle(cx, cy, r, K, G)
            i.set(round(cx), round(cy), W)
    elif n == 12:
        i.box(1, 1, 14, 14, K, W)
        i.box(11, 1, 14, 14, K, L)
        i.fill(12, 4, 13, 7, G)
        for y in (3, 6, 9, 12):
            i.line(3, y, 9, y, B)
    elif n == 13:
        i.page()
        i.line(6, 12, 13, 3, O)
        i.line(7, 12, 14, 3, Y)
        i.set(5, 13, K)
    elif n == 14:
        i.circle(4, 10, 3, K, B)
        i.circle(11, 10, 3, K, B)
        i.fill(3, 3, 5, 7, K)
        i.fill(10, 3, 12, 7, K)
        i.fill(6, 5, 9, 6, G)
    elif n == 15:
        i.box(5, 4, 15, 14, K, W)
        i.line(5, 9, 15, 9, G)
        i.line(10, 4, 10, 14, G)
        i.line(0, 1, 7, 7, R)
        i.line(7, 7, 4, 7, R)
        i.line(7, 7, 7, 4, R)
    elif n == 16:
        i.page()
    elif n == 17:
        i.box(3, 7, 12, 14, K, Y)
        i.box(5, 2, 10, 7, K)
        i.set(7, 10, K); i.set(8, 10, K); i.set(7, 11, K)
    elif n == 18:
        i.page()
        i.box(6, 0, 9, 8, G)
        i.line(7, 2, 7, 6, G)
    elif n in (19, 20, 21):
        printer(i, (GR, Y, R)[n - 19])
    elif n == 22:
        speaker(i)
        i.line(10, 5, 10, 10, K)
        i.line(12, 3, 12, 12, K)
    elif n == 23:
        speaker(i)
        i.line(10, 5, 14, 11, R)
        i.line(10, 11, 14, 5, R)
    elif n == 24:
        i.line(1, 0, 4, 6, Y); i.line(14, 0, 11, 6, Y)
        i.fill(5, 11, 6, 12, K); i.fill(10, 9, 11, 10, K)
        i.line(7, 4, 7, 12, K); i.line(12, 3, 12, 10, K)
        i.line(7, 4, 12, 3, K)
    elif n == 25:
        i.circle(7.5, 7.5, 6.5, B, C)
        i.fill(4, 4, 7, 7, GR); i.fill(9, 9, 11, 11, GR)
        i.line(1, 7, 14, 7, B)
    elif n == 26:
        i.box(1, 3, 14, 12, K, GR)
        for y in range(4, 12):
            half = 5 - abs(y - 7.5)
            i.line(round(7.5 - half), y, round(7.5 + half), y, Y)
        i.circle(7.5, 7.5, 2.2, B, B)
    elif n == 27:
        i.box(1, 3, 14, 12, K, W)
        for y in range(4, 12, 2):
            i.line(2, y, 13, y, R)
        i.fill(2, 4, 7, 7, B)
    elif n == 28:
        flag_stripes(i, [R, Y, Y, R], False)
    elif n == 29:
        i.box(2, 2, 13, 13, K, L)
        i.line(11, 4, 11, 9, K)
        i.line(5, 9, 11, 9, K)
        i.line(5, 9, 7, 7, K)
        i.line(5, 9, 7, 11, K)
    elif n == 30:
        i.fill(6, 2, 9, 13, K); i.fill(2, 6, 13, 9, K)
    elif n == 31:
        i.fill(2, 4, 13, 6, K); i.fill(2, 9, 13, 11, K)
    elif n == 32:
        i.circle(7.5, 7.5, 6.5, B, Y)
        i.text(6, 5, '?', K)
    elif n == 33:
        i.line(3, 12, 10, 5, G)
        i.line(4, 13, 11, 6, G)
        i.circle(11.5, 4.5, 2.5, G)
        i.set(12, 3, (0, 0, 0, 0)); i.set(13, 4, (0, 0, 0, 0))
    elif n == 34:
        for a in range(5):
            r = math.radians(a * 72 - 90)
            r2 = math.radians(a * 72 + 54)
            i.line(8, 8, round(8 + 7 * math.cos(r)), round(8 + 7 * math.sin(r)), Y)
            i.line(round(8 + 7 * math.cos(r)), round(8 + 7 * math.sin(r)),
                   round(8 + 3 * math.cos(r2)), round(8 + 3 * math.sin(r2)), O)
    elif n == 35:
        i.box(1, 3, 14, 12, K, W)
        i.line(1, 3, 7, 8, K); i.line(14, 3, 8, 8, K)
    elif n == 36:
        i.box(1, 4, 14, 13, BR, Y)
        i.fill(1, 2, 6, 4, Y)
        i.box(1, 2, 6, 4, BR)
    elif n == 37:
        i.circle(7.5, 7.5, 6.5, B, W)
        i.text(6, 5, '1', B)
    elif n == 38:
        i.circle(7.5, 8, 6.5, BR, (230, 200, 150, 255))
        for (x, y, c) in ((4, 6, R), (7, 4, B), (11, 6, GR), (11, 10, Y)):
            i.fill(x, y, x + 1, y + 1, c)
        i.fill(5, 10, 6, 11, W)
    elif n == 39:
        i.circle(5.5, 11, 3.5, K, W)
        i.fill(5, 2, 13, 7, W)
        i.box(5, 1, 14, 8, K)
        i.line(7, 3, 12, 3, G); i.line(7, 5, 12, 5, G)
    elif n == 40:
        for (x, y) in ((4, 4), (1, 1)):
            i.box(x, y, x + 10, y + 10, K, B)
            i.fill(x + 2, y + 1, x + 8, y + 4, W)
            i.fill(x + 3, y + 7, x + 7, y + 10, L)
    elif n == 41:
        i.line(1, 5, 14, 5, B); i.line(1, 5, 4, 2, B); i.line(1, 5, 4, 8, B)
        i.line(1, 11, 14, 11, GR); i.line(14, 11, 11, 8, GR); i.line(14, 11, 11, 14, GR)
    elif n == 42:
        arrow_curve(i, back=True)
    elif n == 43:
        arrow_curve(i, back=False)
    elif n == 44:
        flag_stripes(i, [B, W, R], True)
    elif n == 45:
        i.line(1, 1, 1, 14, K); i.line(1, 14, 14, 14, K)
        for (a, b) in (((2, 11), (5, 7)), ((5, 7), (8, 9)), ((8, 9), (13, 2))):
            i.line(a[0], a[1], b[0], b[1], R)
    elif n == 46:
        i.box(2, 2, 13, 15, BR, (190, 150, 90, 255))
        i.box(4, 4, 11, 14, K, W)
        i.fill(6, 1, 9, 3, G)
        for y in (7, 9, 11):
            i.line(5, y, 10, y, G)
    return i


def png(icon):
    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in icon.px)
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', N, N, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    for n in range(47):
        with open(os.path.join(OUT, '%02d.png' % n), 'wb') as f:
            f.write(png(draw(n)))

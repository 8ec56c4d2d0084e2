#!/usr/bin/env python3
"""Draws the program's images and icon (standard library only).

    make_resources.py [--out DIR]      writes DIR/<number>.png and DIR/RadioConfig.ico
    make_resources.py --sheet OUT.png  writes a contact sheet: every image enlarged,
                                       then the stretchable ones in use at real size
    make_resources.py --check          exits 1 when a file in DIR differs from the drawing
"""
import argparse
import math
import os
import struct
import sys
import zlib

SS = 4  # supersamples per pixel edge

# Skin colours (0xAARRGGBB).
SKIN_BG = 0xFFD1E8F5
SKIN_BG2 = 0xFFC9E3F4
SKIN_BODY2 = 0xFFC6E0F1
SKIN_TITLE = 0xFF447AA1
SKIN_TEXT = 0xFF386382
SKIN_BORDER = 0xFF768D9B
MASK = 0xFFFF00FF


def argb(c):
    return ((c >> 16) & 255, (c >> 8) & 255, c & 255, (c >> 24) & 255)


def lerp_colour(c1, c2, t):
    t = min(max(t, 0.0), 1.0)
    a, b = argb(c1), argb(c2)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


class Canvas:
    """Straight-alpha RGBA pixels with anti-aliased shape filling."""

    def __init__(self, w, h, colour=0):
        self.w, self.h = w, h
        self.px = [argb(colour)] * (w * h)

    def get(self, x, y):
        return self.px[y * self.w + x]

    def put(self, x, y, rgba):
        self.px[y * self.w + x] = rgba

    def blend(self, x, y, rgba, cover=1.0):
        r, g, b, a = rgba
        sa = a / 255.0 * cover
        if sa <= 0:
            return
        dr, dg, db, da = self.get(x, y)
        da /= 255.0
        oa = sa + da * (1 - sa)
        if oa <= 0:
            return
        mix = lambda s, d: (s * sa + d * da * (1 - sa)) / oa
        self.put(x, y, (int(round(mix(r, dr))), int(round(mix(g, dg))),
                        int(round(mix(b, db))), int(round(oa * 255))))

    def fill(self, inside, paint, box=None):
        """inside(x, y) tests a point; paint is a colour or paint(x, y) -> colour."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        x0, y0 = max(int(math.floor(x0)), 0), max(int(math.floor(y0)), 0)
        x1, y1 = min(int(math.ceil(x1)), self.w), min(int(math.ceil(y1)), self.h)
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(SS):
                    for sx in range(SS):
                        if inside(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS):
                            hits += 1
                if hits:
                    c = paint(x + 0.5, y + 0.5) if callable(paint) else argb(paint)
                    self.blend(x, y, c, hits / (SS * SS))

    def paste(self, other, dx, dy):
        for y in range(other.h):
            for x in range(other.w):
                if 0 <= x + dx < self.w and 0 <= y + dy < self.h:
                    self.blend(x + dx, y + dy, other.get(x, y))

    def transposed(self):
        t = Canvas(self.h, self.w)
        for y in range(self.h):
            for x in range(self.w):
                t.put(y, x, self.get(x, y))
        return t

    def scaled(self, k):
        s = Canvas(self.w * k, self.h * k)
        for y in range(s.h):
            for x in range(s.w):
                s.put(x, y, self.get(x // k, y // k))
        return s


# Shapes: predicates on a point.

def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def strokes(segments, width):
    half = width / 2.0

    def near(x, y, seg):
        (ax, ay), (bx, by) = seg
        dx, dy = bx - ax, by - ay
        length = dx * dx + dy * dy
        t = 0.0 if length == 0 else min(max(((x - ax) * dx + (y - ay) * dy) / length, 0.0), 1.0)
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half * half
    return lambda x, y: any(near(x, y, s) for s in segments)


def arc_ring(cx, cy, r, width, a0, a1):
    """A ring of the given width between angles a0..a1 (degrees, y down, 0 = right)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2.0:
            return False
        ang = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (ang - a0) % 360 <= (a1 - a0) % 360
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def vgrad(c1, c2, y0, y1):
    return lambda x, y: lerp_colour(c1, c2, (y - y0) / max(y1 - y0, 1e-9))


def hgrad(c1, c2, x0, x1):
    return lambda x, y: lerp_colour(c1, c2, (x - x0) / max(x1 - x0, 1e-9))


def framed(c, x0, y0, x1, y1, r, border, face):
    """A rounded box: 1-pixel border of colour border, face a colour or paint."""
    c.fill(rounded_rect(x0, y0, x1, y1, r), border)
    c.fill(rounded_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(r - 1, 0)), face)


# Command buttons (stretched by nine-grid with 2-pixel corners).

BUTTON_LOOKS = {
    'normal': (0xFF6E9CC1, 0xFFFBFDFF, 0xFFD3E7F5, 0xFFFFFFFF),
    'hot': (0xFF4A84B1, 0xFFFFFFFF, 0xFFBFDEF4, 0xFFFFFFFF),
    'pushed': (0xFF386382, 0xFFB3D2EA, 0xFFD2E6F4, 0xFFA3C6E2),
    'disabled': (0xFFB3C0C9, 0xFFF3F5F7, 0xFFE3E8EC, 0xFFF8F9FA),
}


def command_button(h, look):
    border, top, bottom, shine = BUTTON_LOOKS[look]
    c = Canvas(5, h)
    framed(c, 0, 0, 5, h, 2.2, border, vgrad(top, bottom, 1, h - 1))
    # A one-pixel shine under the top edge gives the face depth.
    c.fill(lambda x, y: 1 <= y <= 2 and 1 <= x <= 4, shine & 0x80FFFFFF | 0x80000000)
    return c


# Edit frames (corner 2,4,2,4).

def edit_frame(h, disabled):
    border = 0xFFC0CBD3 if disabled else 0xFF8FB0C8
    face = 0xFFEEF2F5 if disabled else 0xFFFFFFFF
    shade = 0xFFE2E8EC if disabled else 0xFFDCE8F1
    c = Canvas(5, h)
    framed(c, 0, 0, 5, h, 2.0, border, face)
    c.fill(lambda x, y: 1 <= y <= 2 and 1 <= x <= 4, shade)
    return c


# Drop-down lists: the right 21 pixels hold the arrow button.

COMBO_LOOKS = {
    'normal': (0xFF8FB0C8, 0xFFFFFFFF, 0xFFF4F9FD, 0xFFD5E7F4, 0xFF447AA1, 0xFFC4D8E6),
    'hot': (0xFF4A84B1, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFBCDCF3, 0xFF2F5876, 0xFF9FC2DC),
    'disabled': (0xFFC0CBD3, 0xFFEEF2F5, 0xFFF0F3F5, 0xFFE2E7EB, 0xFFA9B5BE, 0xFFD3DBE1),
}


def combo_box(look):
    border, face, btop, bbottom, arrow, sep = COMBO_LOOKS[look]
    w, h = 24, 18
    c = Canvas(w, h)
    framed(c, 0, 0, w, h, 2.0, border, face)
    c.fill(lambda x, y: 5 <= x < 23 and 1 <= y < h - 1, vgrad(btop, bbottom, 1, h - 1))
    c.fill(lambda x, y: 4 <= x < 5 and 2 <= y < h - 2, sep)
    c.fill(polygon([(10.0, 7.5), (17.0, 7.5), (13.5, 11.5)]), arrow)
    return c


# Title-bar buttons.

# Face (top, bottom) and glyph colour of a title-bar button per look; the
# normal look has no face and the title colour.
TITLE_BUTTON_LOOKS = {
    'close': {'hot': (0xFFEC6F67, 0xFFCC3F37, 0xFFFFFFFF),
              'pushed': (0xFFB4362F, 0xFF9E2E28, 0xFFF6DAD8)},
    'minimise': {'hot': (0xFFF2F8FC, 0xFFB7D7EE, SKIN_TEXT),
                 'pushed': (0xFF97BFDF, 0xFFADCDE6, 0xFF27475E)},
}


def title_button(kind, look, w, h):
    """The button's canvas with its face drawn, its glyph colour and how far
    the glyph sinks when pushed."""
    c = Canvas(w, h)
    colours = TITLE_BUTTON_LOOKS[kind].get(look)
    if colours is None:
        return c, SKIN_TITLE, 0
    top, bottom, glyph = colours
    c.fill(rounded_rect(0, 0, w, h, 3), vgrad(top, bottom, 0, h))
    return c, glyph, 1 if look == 'pushed' else 0


def close_button(look):
    c, glyph, dy = title_button('close', look, 45, 17)
    cx, cy, s = 22.5, 8.5 + dy, 3.6
    c.fill(strokes([((cx - s, cy - s), (cx + s, cy + s)), ((cx - s, cy + s), (cx + s, cy - s))], 1.7),
           glyph, (cx - 6, cy - 6, cx + 6, cy + 6))
    return c


def minimise_button(look):
    c, glyph, dy = title_button('minimise', look, 26, 17)
    c.fill(lambda x, y: 8.5 <= x <= 17.5 and 10 + dy <= y <= 12 + dy, glyph)
    return c


# Menus.

def menu_hot():
    c = Canvas(9, 20)
    framed(c, 0, 0, 9, 20, 3.0, 0xFF8CB8DA, vgrad(0xFFF0F7FC, 0xFFC8E2F4, 1, 19))
    return c


def menu_open_title():
    # Same face and edge as the open panel below it, open at the bottom.
    c = Canvas(5, 20)
    c.fill(rounded_rect(0, 0, 5, 23, 2.0), 0xFFFFC700)
    c.fill(rounded_rect(1, 1, 4, 23, 1.0), 0xEEEEEEEE)
    return c


# The emblem: a radio mast sending waves to both sides, in a rounded blue square.

def emblem(c, x0, y0, size, sy=1.0):
    """Draws the emblem into the box x0, y0, size wide and size * sy high."""
    h = size * sy
    box = (x0, y0, x0 + size, y0 + h)
    c.fill(rounded_rect(x0, y0, x0 + size, y0 + h, size * 0.22), vgrad(0xFF5B93BD, 0xFF2F5876, y0, y0 + h), box)
    c.fill(rounded_rect(x0 + 0.6, y0 + 0.6, x0 + size - 0.6, y0 + h * 0.5, size * 0.18),
           lambda x, y: (255, 255, 255, int(60 * (1 - (y - y0) / (h * 0.5)))), box)
    cx, cy = x0 + size / 2.0, y0 + h * 0.40
    # Shapes are drawn in an unsquashed frame and mapped by sy.
    unsquash = lambda shape: (lambda x, y: shape(x, cy + (y - cy) / sy))
    white = 0xFFFFFFFF
    base = cy + size * 0.46
    mast = polygon([(cx - size * 0.05, cy), (cx + size * 0.05, cy),
                    (cx + size * 0.17, base), (cx - size * 0.17, base)])
    c.fill(unsquash(mast), white, box)
    c.fill(unsquash(circle(cx, cy, size * 0.10)), white, box)
    # Below 17 pixels two thin waves blur, so one stronger wave is drawn.
    rings, ring_width = ((0.22, 0.36), 0.075) if size >= 17 else ((0.32,), 0.12)
    for r in rings:
        for a0, a1 in ((315, 45), (135, 225)):
            c.fill(unsquash(arc_ring(cx, cy, size * r, size * ring_width, a0, a1)), white, box)


def title_icon():
    # Shown stretched from 20 to 24 rows, so the square is drawn 5/6 as high.
    c = Canvas(21, 20)
    emblem(c, 1.5, 0.0, 18.0, 20.0 / 24.0)
    return c


def icon_image(size):
    c = Canvas(size, size)
    pad = max(size / 16.0, 0.5)
    emblem(c, pad, pad, size - 2 * pad)
    return c


# The word mark.

LETTERS = {
    'V': (10, [((0, 0), (5, 14)), ((5, 14), (10, 0))]),
    'E': (8, [((0, 0), (0, 14)), ((0, 0), (8, 0)), ((0, 7), (6.5, 7)), ((0, 14), (8, 14))]),
    'L': (8, [((0, 0), (0, 14)), ((0, 14), (8, 14))]),
    'M': (12, [((0, 14), (0, 0)), ((0, 0), (6, 8.5)), ((6, 8.5), (12, 0)), ((12, 0), (12, 14))]),
    'A': (11, [((0, 14), (5.5, 0)), ((5.5, 0), (11, 14)), ((2.6, 9.4), (8.4, 9.4))]),
}


def letter_r():
    bowl = [(4.5 + 3.5 * math.sin(math.radians(a)), 3.5 - 3.5 * math.cos(math.radians(a)))
            for a in range(0, 181, 20)]
    segs = [((0, 14), (0, 0)), ((0, 0), (4.5, 0)), ((4.5, 7), (0, 7)), ((4.5, 7), (9, 14))]
    segs += [(bowl[i], bowl[i + 1]) for i in range(len(bowl) - 1)]
    return 9, segs


LETTERS['R'] = letter_r()


def logo():
    w, h = 123, 24
    c = Canvas(w, h)
    emblem(c, 1.0, 1.0, 22.0)
    x, top, slant = 30.0, 4.5, 0.18
    paint = vgrad(SKIN_TITLE, SKIN_TEXT, top, top + 14)
    for ch in 'VELMAR':
        width, segs = LETTERS[ch]
        placed = [tuple((x + px + (14 - py) * slant, top + py) for px, py in s) for s in segs]
        c.fill(strokes(placed, 2.7), paint, (x - 2, 0, x + width + 6, h))
        x += width + 6.2
    # A thin rule under the letters, like a carrier line.
    c.fill(lambda px, py: 30 <= px <= x - 4 and 21.2 <= py <= 22.2, hgrad(0xFF8DBBDD, 0x008DBBDD, 30, x - 4))
    return c


# The scroll-bar sheet: five rows of 16 x 16 parts, four states 18 pixels apart;
# rows 0..89 horizontal parts, rows 90..177 vertical ones.

STATES = ('normal', 'hot', 'pushed', 'disabled')
SB_BUTTON = {
    'normal': (0xFFA6C4DA, 0xFFF8FBFE, 0xFFDAEAF6, 0xFF447AA1),
    'hot': (0xFF6E9CC1, 0xFFFFFFFF, 0xFFC3E0F4, 0xFF2F5876),
    'pushed': (0xFF447AA1, 0xFFAFCFE8, 0xFFCCE2F2, 0xFF22445C),
    'disabled': (0xFFCAD3DA, 0xFFF2F4F6, 0xFFE7EBEE, 0xFFB3BEC6),
}
SB_THUMB = {
    'normal': (0xFF7EA6C5, 0xFFE3F0F9, 0xFFBCD8EC),
    'hot': (0xFF5A8DB6, 0xFFEDF6FC, 0xFFA7CDE8),
    'pushed': (0xFF447AA1, 0xFFA4C9E5, 0xFF86B2D5),
    'disabled': (0xFFC3CDD4, 0xFFF0F2F4, 0xFFDDE3E7),
}
SB_GRIP = {
    'normal': (0xFF5F8CB0, 0xFFF4F9FC),
    'hot': (0xFF3F7099, 0xFFFFFFFF),
    'pushed': (0xFFF4F9FC, 0xFF4F7FA5),
    'disabled': (0xFFB4BFC7, 0xFFF6F7F8),
}
SB_TRACK = {
    'normal': (0xFFC9DCEA, 0xFFE6F1F9),
    'hot': (0xFFB9D2E5, 0xFFDCEBF6),
    'pushed': (0xFFA9C8DF, 0xFFD0E4F2),
    'disabled': (0xFFD5DDE3, 0xFFF0F2F4),
}


def sb_button(look, down):
    border, top, bottom, arrow = SB_BUTTON[look]
    c = Canvas(16, 16)
    framed(c, 0, 0, 16, 16, 2.2, border, vgrad(top, bottom, 1, 15))
    d = 0.5 if look == 'pushed' else 0.0
    if down:
        pts = [(4.5 + d, 6.0 + d), (11.5 + d, 6.0 + d), (8.0 + d, 10.0 + d)]
    else:
        pts = [(4.5 + d, 10.0 + d), (11.5 + d, 10.0 + d), (8.0 + d, 6.0 + d)]
    c.fill(polygon(pts), arrow)
    return c


def sb_thumb(look):
    border, left, right = SB_THUMB[look]
    c = Canvas(16, 16)
    framed(c, 1, 0, 15, 16, 2.2, border, hgrad(left, right, 2, 14))
    return c


def sb_rail(look):
    line, light = SB_GRIP[look]
    c = Canvas(16, 16)
    for y in (5, 7, 9):
        c.fill(lambda px, py, y=y: 5 <= px < 11 and y <= py < y + 1, line)
        c.fill(lambda px, py, y=y: 5 <= px < 11 and y + 1 <= py < y + 2, light)
    return c


def sb_track(look):
    edge, face = SB_TRACK[look]
    c = Canvas(16, 16)
    framed(c, 0, 0, 16, 16, 2.0, edge, face)
    return c


def scroll_sheet():
    sheet = Canvas(70, 177)
    vertical = [lambda s: sb_button(s, False), lambda s: sb_button(s, True), sb_thumb, sb_rail, sb_track]
    horizontal = [lambda s: sb_button(s, False).transposed(), lambda s: sb_button(s, True).transposed(),
                  lambda s: sb_thumb(s).transposed(), lambda s: sb_rail(s).transposed(),
                  lambda s: sb_track(s).transposed()]
    for row, part in enumerate(horizontal + vertical):
        for col, state in enumerate(STATES):
            sheet.paste(part(state), col * 18, row * 18)
    # Untouched pixels carry the mask colour; soft edges keep their own alpha.
    for i, p in enumerate(sheet.px):
        if p[3] == 0:
            sheet.px[i] = argb(MASK)
    return sheet


def all_images():
    images = {}
    for number, look in ((144, 'normal'), (145, 'hot'), (146, 'pushed'),
                         (185, 'normal'), (186, 'hot'), (187, 'pushed')):
        images[number] = close_button(look)
    for number, look in ((150, 'normal'), (151, 'hot'), (152, 'pushed')):
        images[number] = minimise_button(look)
    images[159] = scroll_sheet()
    for number, h, look in ((160, 29, 'normal'), (161, 31, 'hot'), (162, 30, 'pushed'), (169, 29, 'disabled')):
        images[number] = command_button(h, look)
    images[164] = edit_frame(11, False)
    images[170] = edit_frame(9, True)
    images[174] = title_icon()
    images[175] = menu_hot()
    images[179] = logo()
    for number, look in ((180, 'normal'), (181, 'hot'), (183, 'disabled')):
        images[number] = combo_box(look)
    images[184] = menu_open_title()
    return images


# File formats.

def png_bytes(c):
    raw = bytearray()
    for y in range(c.h):
        raw.append(0)
        for x in range(c.w):
            raw.extend(c.get(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack('>IIBBBBB', c.w, c.h, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def ico_bmp_entry(c):
    """A 32-bit DIB with its AND mask, as icon directories hold them."""
    info = struct.pack('<IiiHHIIiiII', 40, c.w, c.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(c.h)):
        for x in range(c.w):
            r, g, b, a = c.get(x, y)
            pixels.extend((b, g, r, a))
    stride = ((c.w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(c.h)):
        row = bytearray(stride)
        for x in range(c.w):
            if c.get(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask.extend(row)
    return info + bytes(pixels) + bytes(mask)


def ico_bytes(canvases):
    entries = [ico_bmp_entry(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for c, data in zip(canvases, entries):
        out += struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(entries)


# Contact sheet.

def nine_grid(img, w, h, corner, source=None):
    """Stretches img (or its source part) to w x h keeping the corners, nearest sampling."""
    sx0, sy0, sx1, sy1 = source if source else (0, 0, img.w, img.h)
    sx1, sy1 = min(sx1, img.w), min(sy1, img.h)
    l, t, r, b = corner
    out = Canvas(w, h)

    def axis(d, n, lo, hi, s0, s1):
        if d < lo:
            return s0 + d
        if d >= n - hi:
            return s1 - (n - d)
        mid_src, mid_dst = (s1 - s0) - lo - hi, n - lo - hi
        return s0 + lo + min(int((d - lo) * mid_src / max(mid_dst, 1)), mid_src - 1)
    for y in range(h):
        for x in range(w):
            p = img.get(axis(x, w, l, r, sx0, sx1), axis(y, h, t, b, sy0, sy1))
            out.put(x, y, (0, 0, 0, 0) if p == argb(MASK) else p)
    return out


def checker(w, h):
    c = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            v = 0xFFFFFFFF if ((x // 4 + y // 4) % 2) else 0xFFE4E4E4
            c.put(x, y, argb(v))
    return c


def contact_sheet(images):
    zoom, gap = 4, 8
    order = sorted(images)
    tiles = [(images[n].scaled(zoom)) for n in order if n != 159]
    width = 760
    rows, row, row_w = [], [], 0
    for t in tiles:
        if row and row_w + t.w + gap > width - gap:
            rows.append(row)
            row, row_w = [], 0
        row.append(t)
        row_w += t.w + gap
    rows.append(row)
    sheet_img = images[159].scaled(3)
    top_h = sum(max(t.h for t in r) + gap for r in rows) + gap
    scene_h = 330
    out = Canvas(width + sheet_img.w + 2 * gap, max(top_h, sheet_img.h + 2 * gap) + scene_h, 0xFFF7F7F7)
    y = gap
    for r in rows:
        x = gap
        for t in r:
            out.paste(checker(t.w, t.h), x, y)
            out.paste(t, x, y)
            x += t.w + gap
        y += max(t.h for t in r) + gap
    out.paste(sheet_img, width + gap, gap)
    out.paste(scene(images).scaled(2), gap, max(top_h, sheet_img.h + 2 * gap))
    return out


def scene(images):
    """The stretchable images at the sizes the windows use them, on the skin's colours."""
    c = Canvas(370, 160, SKIN_BG)
    c.fill(lambda x, y: y < 33, vgrad(SKIN_BG, SKIN_BG2, 0, 33))
    c.paste(nine_grid(images[174], 21, 24, (0, 0, 0, 0)), 3, 7)
    c.paste(images[150], 370 - 3 - 45 - 26, 2)
    c.paste(images[144], 370 - 3 - 45, 2)
    c.paste(images[151], 200, 2)
    c.paste(images[145], 230, 2)
    c.paste(images[146], 280, 12)
    c.fill(lambda x, y: 33 <= y < 62, vgrad(SKIN_BG2, SKIN_BG, 33, 62))
    c.paste(nine_grid(images[175], 42, 19, (3, 3, 3, 3)), 8, 43)
    c.paste(nine_grid(images[184], 42, 19, (2, 2, 2, 2)), 52, 43)
    c.fill(lambda x, y: 52 <= x < 142 and 62 <= y < 84, 0xFFFFC700)
    c.fill(lambda x, y: 53 <= x < 141 and 62 <= y < 83, 0xEEEEEEEE)
    c.paste(nine_grid(images[175], 88, 20, (3, 3, 3, 3)), 53, 63)
    for i, n in enumerate((160, 161, 162, 169)):
        c.paste(nine_grid(images[n], 70, 25, (2, 2, 2, 2)), 160 + (i % 2) * 76, 40 + (i // 2) * 30)
    for i, n in enumerate((180, 181, 183)):
        c.paste(nine_grid(images[n], 80, 20, (2, 2, 21, 2)), 8 + i * 86, 100)
    c.paste(nine_grid(images[164], 90, 23, (2, 4, 2, 4)), 8, 127)
    c.paste(nine_grid(images[170], 90, 23, (2, 4, 2, 4)), 102, 127)
    c.paste(images[179], 220, 128)
    bar = Canvas(16, 110)
    sheet = images[159]
    for part, src, dst in (('bk', (0, 162, 16, 178), (0, 0, 16, 110)),
                           ('b1', (0, 90, 16, 106), (0, 0, 16, 16)),
                           ('b2', (0, 108, 16, 124), (0, 94, 16, 110)),
                           ('th', (18, 126, 34, 142), (0, 30, 16, 70)),
                           ('rail', (18, 144, 34, 160), (0, 42, 16, 58))):
        piece = nine_grid(sheet, dst[2] - dst[0], dst[3] - dst[1], (2, 2, 2, 2) if part in ('bk', 'th', 'rail') else (0, 0, 0, 0), src)
        bar.paste(piece, dst[0], dst[1])
    c.paste(bar, 350, 10)
    return c


def outputs():
    """Every file the script writes, by file name."""
    files = {'%d.png' % number: png_bytes(img) for number, img in all_images().items()}
    files['RadioConfig.ico'] = ico_bytes([icon_image(s) for s in (16, 32, 48)])
    return files


def stale_files(folder):
    stale = []
    for name, data in sorted(outputs().items()):
        path = os.path.join(folder, name)
        if not os.path.isfile(path) or open(path, 'rb').read() != data:
            stale.append(name)
    return stale


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    default_out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')
    parser.add_argument('--out', default=default_out)
    parser.add_argument('--sheet')
    parser.add_argument('--check', action='store_true', help='exit 1 when a file in --out differs from the drawing')
    args = parser.parse_args(argv)
    if args.sheet:
        with open(args.sheet, 'wb') as f:
            f.write(png_bytes(contact_sheet(all_images())))
        return 0
    if args.check:
        stale = stale_files(args.out)
        for name in stale:
            print('out of date: %s' % name)
        return 1 if stale else 0
    os.makedirs(args.out, exist_ok=True)
    for name, data in outputs().items():
        with open(os.path.join(args.out, name), 'wb') as f:
            f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Draws the skin engine's three embedded images into a folder:

  skin_sheet.png      205 x 260 RGBA: gloss, status strip, grip, frame/tab cells, caption glyphs
  controls_sheet.bmp  160 x 55, 24-bit, magenta 0xFF00FF outside the cells: push, check, radio
  tab_icon.ico        32 x 32, 32-bit: a blank page with a folded corner

Only the standard library is used. Shapes are anti-aliased by 4 x 4 supersampling. Every slice
that the engine stretches is kept uniform along its stretch direction, so the result does not
depend on the stretch mode.
"""
import math
import struct
import sys
import zlib
from pathlib import Path

SS = 4  # supersampling factor per axis
CREATION_TIME = "2009-06-18 21:04:00"  # fixed, so every build embeds the same bytes


class Canvas:
    """Straight (not premultiplied) RGBA pixels, composited with source-over."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.px = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return self.px[y * self.width + x]

    def set(self, x, y, rgba):
        self.px[y * self.width + x] = list(rgba)

    def blend(self, x, y, rgb, alpha):
        """Source-over of colour rgb with alpha 0..1 onto pixel (x, y)."""
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = min(alpha, 1.0)
        dr, dg, db, da = self.get(x, y)
        da /= 255.0
        out_a = alpha + da * (1 - alpha)
        if out_a <= 0:
            return
        mix = [(rgb[i] * alpha + (dr, dg, db)[i] * da * (1 - alpha)) / out_a for i in range(3)]
        self.set(x, y, [round(mix[0]), round(mix[1]), round(mix[2]), round(out_a * 255)])

    def cover(self, box, inside, rgb, alpha=1.0):
        """Blends rgb into every pixel of box (x0, y0, x1, y1) by the share of its subsamples
        for which inside(px, py) holds (pixel centres at +0.5)."""
        x0, y0, x1, y1 = box
        for y in range(max(0, math.floor(y0)), min(self.height, math.ceil(y1))):
            for x in range(max(0, math.floor(x0)), min(self.width, math.ceil(x1))):
                hits = 0
                for sy in range(SS):
                    for sx in range(SS):
                        if inside(x + (sx + 0.5) / SS, y + (sy + 0.5) / SS):
                            hits += 1
                if hits:
                    self.blend(x, y, rgb, alpha * hits / (SS * SS))


# ---- shapes (predicates in pixel coordinates, pixel (x, y) spans x..x+1) ----------------------

def rounded_rect(x0, y0, x1, y1, r):
    def inside(px, py):
        if not (x0 <= px <= x1 and y0 <= py <= y1):
            return False
        cx = min(max(px, x0 + r), x1 - r)
        cy = min(max(py, y0 + r), y1 - r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= r * r
    return inside


def ring(outer, inner):
    return lambda px, py: outer(px, py) and not inner(px, py)


def segment(ax, ay, bx, by, width):
    half = width / 2.0

    def inside(px, py):
        dx, dy = bx - ax, by - ay
        t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
        t = min(max(t, 0.0), 1.0)
        return (px - ax - t * dx) ** 2 + (py - ay - t * dy) ** 2 <= half * half
    return inside


def rect(x0, y0, x1, y1):
    return lambda px, py: x0 <= px < x1 and y0 <= py < y1


def union(*shapes):
    return lambda px, py: any(s(px, py) for s in shapes)


def disc(cx, cy, r):
    return lambda px, py: (px - cx) ** 2 + (py - cy) ** 2 <= r * r


# ---- skin sheet -------------------------------------------------------------------------------

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def gloss(sheet):
    # Rows only: the engine stretches this region across the whole banner width.
    for y in range(90):
        t = y / 89.0
        alpha = round(128 * (1 - t))
        for x in range(150):
            sheet.set(x, y, (255, 255, 255, alpha))


def status_strip(sheet):
    # Rows only: stretched across the window.
    for y in range(26):
        rgba = (255, 255, 255, round(77 - (77 - 18) * y / 25))
        for x in range(180, 200):
            sheet.set(x, y, rgba)


def size_grip(sheet):
    # Three diagonals of dot pairs in the lower right: a white dot with a black one beside it.
    ox, oy = 180, 26
    for row in range(3):
        for col in range(3 - row):
            x = ox + 10 - 3 * col - 1
            y = oy + 10 - 3 * row - 1
            for dx, dy, colour in ((1, 1, (255, 255, 255, 153)), (0, 0, (0, 0, 0, 153))):
                sheet.set(x + dx, y + dy, colour)


def frame_cell(sheet, ox, fill_alpha):
    """A 60 x 52 cell: rounded outline with an inner highlight; corners fit in 5 x 5 so the
    edge slices between them are uniform."""
    oy = 90
    outer = rounded_rect(ox, oy, ox + 60, oy + 52, 4.5)
    inner = rounded_rect(ox + 1, oy + 1, ox + 59, oy + 51, 3.5)
    if fill_alpha:
        sheet.cover((ox, oy, ox + 60, oy + 52), inner, WHITE, fill_alpha)
        # A brighter top half gives the filled tab cells a glassy face.
        sheet.cover((ox, oy, ox + 60, oy + 26), union(lambda px, py: inner(px, py) and py < oy + 26),
                    WHITE, fill_alpha * 0.6)
    sheet.cover((ox, oy, ox + 60, oy + 52), ring(outer, inner), (58, 64, 72), 0.85)
    innermost = rounded_rect(ox + 2, oy + 2, ox + 58, oy + 50, 2.5)
    sheet.cover((ox, oy, ox + 60, oy + 52), ring(inner, innermost), WHITE, 0.35)


# Caption glyphs: 7 cells of 27 x 19 then the 40 x 19 close cell; rows normal, hover, pressed.
GLYPH_ROWS = (145, 165, 185)


def glyph_help(cx, cy):
    bubble = ring(rounded_rect(cx - 6, cy - 5, cx + 6, cy + 3, 2.5),
                  rounded_rect(cx - 4.6, cy - 3.6, cx + 4.6, cy + 1.6, 1.2))
    tail = union(segment(cx - 2.5, cy + 2.5, cx - 3.5, cy + 5.5, 1.5),
                 segment(cx - 3.5, cy + 5.5, cx + 0.5, cy + 2.5, 1.5))
    dots = union(disc(cx - 2.2, cy - 1, 0.9), disc(cx, cy - 1, 0.9), disc(cx + 2.2, cy - 1, 0.9))
    return union(bubble, tail, dots)


def glyph_list(cx, cy):
    box = ring(rect(cx - 6, cy - 5, cx + 6, cy + 6), rect(cx - 4.6, cy - 3.6, cx + 4.6, cy + 4.6))
    lines = union(*(rect(cx - 3, cy - 2 + 2.5 * i, cx + 3, cy - 1 + 2.5 * i) for i in range(3)))
    return union(box, lines)


def glyph_menu(cx, cy):
    win = ring(rect(cx - 6, cy - 5, cx + 4, cy + 5), rect(cx - 4.6, cy - 2.4, cx + 2.6, cy + 3.6))
    pen = segment(cx - 1, cy + 2, cx + 6, cy - 5, 2.0)
    return union(win, pen)


def glyph_minimize(cx, cy):
    return rect(cx - 5, cy + 2, cx + 5, cy + 3.6)


def glyph_maximize(cx, cy):
    return ring(rect(cx - 5, cy - 5, cx + 5, cy + 5), rect(cx - 3.6, cy - 2.6, cx + 3.6, cy + 3.6))


def glyph_restore(cx, cy):
    back = ring(rect(cx - 2, cy - 6, cx + 6, cy + 2), rect(cx - 0.6, cy - 4.6, cx + 4.6, cy + 0.6))
    front_area = rect(cx - 6, cy - 2, cx + 2, cy + 6)
    front = ring(front_area, rect(cx - 4.6, cy - 0.6, cx + 0.6, cy + 4.6))
    return union(lambda px, py: back(px, py) and not front_area(px, py), front)


def glyph_close(cx, cy):
    return union(segment(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, 1.7),
                 segment(cx - 4.5, cy + 4.5, cx + 4.5, cy - 4.5, 1.7))


CAPTION_CELLS = [  # (x, width, glyph)
    (0, 27, glyph_help), (27, 27, glyph_list), (54, 27, glyph_menu), (81, 27, glyph_minimize),
    (108, 27, glyph_maximize), (135, 27, glyph_restore), (162, 40, glyph_close)]


def caption_cell(sheet, x, y, width, glyph, state, is_close):
    """state 0 normal, 1 hover, 2 pressed. Hover and pressed get a rounded plate behind the glyph."""
    plate = rounded_rect(x + 1, y, x + width - 1, y + 18, 3)
    box = (x, y, x + width, y + 19)
    if state:
        if is_close:
            colour = (232, 17, 35) if state == 1 else (160, 10, 22)
            sheet.cover(box, plate, colour, 0.92)
        else:
            sheet.cover(box, plate, WHITE if state == 1 else BLACK, 0.30 if state == 1 else 0.28)
        sheet.cover(box, ring(plate, rounded_rect(x + 2, y + 1, x + width - 2, y + 17, 2)), WHITE, 0.25)
    shape = glyph(x + width / 2.0, y + 9.5 + (0.5 if state == 2 else 0))
    # A soft dark shadow one pixel down keeps the white glyph readable on light banners.
    shadow = glyph(x + width / 2.0, y + 10.5 + (0.5 if state == 2 else 0))
    sheet.cover(box, shadow, BLACK, 0.35)
    sheet.cover(box, shape, WHITE, 1.0)


def skin_sheet():
    sheet = Canvas(205, 260)
    gloss(sheet)
    status_strip(sheet)
    size_grip(sheet)
    frame_cell(sheet, 0, 0.0)
    frame_cell(sheet, 60, 0.22)
    frame_cell(sheet, 120, 0.42)
    for state, y in enumerate(GLYPH_ROWS):
        for x, width, glyph in CAPTION_CELLS:
            caption_cell(sheet, x, y, width, glyph, state, glyph is glyph_close)
    return sheet


# ---- controls sheet ---------------------------------------------------------------------------

MAGENTA = (255, 0, 255)
FACE = (240, 240, 240)  # the usual button-face colour the push-button corners blend into


def flatten(canvas, background):
    """Composites a canvas onto a solid background and returns RGB rows."""
    rows = []
    for y in range(canvas.height):
        row = []
        for x in range(canvas.width):
            r, g, b, a = canvas.get(x, y)
            a /= 255.0
            row.append(tuple(round(c * a + bg * (1 - a)) for c, bg in zip((r, g, b), background)))
        rows.append(row)
    return rows


PUSH_STATES = [  # (outline, top face, bottom face, text-area face)
    ((122, 138, 153), (252, 252, 252), (236, 238, 241), (244, 245, 247)),
    ((60, 127, 177), (237, 246, 253), (214, 234, 250), (226, 240, 252)),
    ((44, 98, 139), (204, 228, 247), (190, 218, 241), (196, 223, 244)),
    ((173, 178, 181), (244, 244, 244), (244, 244, 244), (244, 244, 244)),
]


def push_cell(canvas, ox, state):
    outline, top, bottom, centre = PUSH_STATES[state]
    # Face: rows 0..4 and 18..22 may vary by row (not stretched vertically); rows 5..17 are the
    # stretched centre and side slices, so they are one colour.
    for y in range(23):
        if y < 5:
            colour = tuple(round(top[i] + (centre[i] - top[i]) * y / 5) for i in range(3))
        elif y < 18:
            colour = centre
        else:
            colour = tuple(round(centre[i] + (bottom[i] - centre[i]) * (y - 17) / 5) for i in range(3))
        for x in range(40):
            canvas.set(ox + x, y, colour + (255,))
    outer = rounded_rect(ox, 0, ox + 40, 23, 3)
    inner = rounded_rect(ox + 1, 1, ox + 39, 22, 2)
    # Outside the rounded outline: button face, so the corners sit on the client panel.
    for y in range(23):
        for x in range(ox, ox + 40):
            if not outer(x + 0.5, y + 0.5):
                canvas.set(x, y, FACE + (255,))
    canvas.cover((ox, 0, ox + 40, 23), ring(outer, inner), outline, 1.0)


def toggle_cell(canvas, ox, oy, state, checked, radio):
    """A 15 x 15 check box or radio cell. Edges are hard so the magenta key leaves no fringe."""
    outline, top, _, centre = PUSH_STATES[state]
    mark = (30, 30, 30) if state != 3 else (160, 160, 160)
    for y in range(15):
        for x in range(15):
            px, py = x + 0.5, y + 0.5
            if radio:
                d = math.hypot(px - 7.5, py - 7.5)
                if d > 7.2:
                    continue
                colour = outline if d > 6.0 else (top if py < 7.5 else centre)
                if checked and d <= 3.0:
                    colour = mark
            else:
                if x in (0, 14) or y in (0, 14):
                    colour = outline
                else:
                    colour = top if y < 7 else centre
                if checked and (segment(3.5, 7.5, 6.2, 10.5, 2.0)(px, py) or
                                segment(6.2, 10.5, 11.5, 4.0, 2.0)(px, py)):
                    colour = mark
            canvas.set(ox + x, oy + y, colour + (255,))


def controls_sheet():
    canvas = Canvas(160, 55, MAGENTA + (255,))
    for state in range(4):
        push_cell(canvas, 40 * state, state)
        for checked in (0, 1):
            column = 4 * checked + state
            toggle_cell(canvas, 15 * column, 25, state, checked, radio=False)
            toggle_cell(canvas, 15 * column, 40, state, checked, radio=True)
    return [[tuple(p[:3]) for p in canvas.px[y * 160:(y + 1) * 160]] for y in range(55)]


# ---- tab icon ---------------------------------------------------------------------------------

def tab_icon():
    icon = Canvas(32, 32)
    page = lambda px, py: 6 <= px <= 26 and 2 <= py <= 30 and (px - 6) + (30 - py) >= 0 and \
        not (px > 19 and py < 9 and (px - 19) > (py - 2))
    icon.cover((0, 0, 32, 32), lambda px, py: page(px - 1, py - 1), BLACK, 0.25)  # drop shadow
    icon.cover((0, 0, 32, 32), page, (110, 120, 130), 1.0)
    inner = lambda px, py: 7 <= px <= 25 and 3 <= py <= 29 and \
        not (px > 18.3 and py < 10 and (px - 18.3) > (py - 2.7))
    icon.cover((0, 0, 32, 32), inner, (250, 251, 252), 1.0)
    fold = lambda px, py: 19 <= px <= 26 and 2 <= py <= 9 and (px - 19) <= (py - 2)
    icon.cover((0, 0, 32, 32), fold, (205, 212, 220), 1.0)
    icon.cover((0, 0, 32, 32), segment(19.5, 2.5, 26, 9, 1.0), (110, 120, 130), 1.0)
    return icon


# ---- file writers -----------------------------------------------------------------------------

def png_bytes(canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + bytes(v for p in canvas.px[y * canvas.width:(y + 1) * canvas.width] for v in p)
                   for y in range(canvas.height))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    # Two text chunks as image editors write them; the engine reads neither.
    notes = (chunk(b"tEXt", b"Creation Time\x00" + CREATION_TIME.encode("latin-1")) +
             chunk(b"tEXt", b"Software\x00skinart.py"))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + notes + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def bmp_bytes(rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b"".join(bytes(v for r, g, b in row for v in (b, g, r)).ljust(stride, b"\x00")
                      for row in reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def ico_bytes(canvas):
    size = canvas.width
    xor = b"".join(bytes(v for r, g, b, a in canvas.px[y * size:(y + 1) * size] for v in (b, g, r, a))
                   for y in reversed(range(size)))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(mask_stride)
        for x in range(size):
            if canvas.get(x, y)[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22)
    return directory + image


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    out.mkdir(parents=True, exist_ok=True)
    (out / "skin_sheet.png").write_bytes(png_bytes(skin_sheet()))
    (out / "controls_sheet.bmp").write_bytes(bmp_bytes(controls_sheet()))
    (out / "tab_icon.ico").write_bytes(ico_bytes(tab_icon()))


if __name__ == "__main__":
    main()

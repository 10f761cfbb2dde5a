#!/usr/bin/python3
"""Paints every bitmap, cursor and icon that quillcast.rc builds into the exe.

Run from anywhere (needs Debian's python3-pil and the DejaVu fonts):

    /usr/bin/python3 src/resources/make_resources.py

It rewrites bitmaps/, cursors/ and quillcast.ico beside this script.  The
results are committed; the build only reads them.
"""

import math
import os
import sys

sys.dont_write_bytecode = True          # keep the source folder free of caches
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from PIL import Image, ImageDraw  # noqa: E402

import pixelfont  # noqa: E402
from artwork import (Canvas, flatten, font, rotate_pts,  # noqa: E402
                     save_bmp24, write_icon_file)

BITMAPS = os.path.join(HERE, "bitmaps")
CURSORS = os.path.join(HERE, "cursors")

WHITE = (255, 255, 255)
CAPTION_INK = (24, 44, 128)        # dark blue of the dock's caption words
OUTLINE = (28, 40, 72, 255)        # dark outline of the tool pictures
SHAPE_INK = (32, 72, 170, 255)
SHAPE_TINT = (205, 222, 255, 255)


# --- pens seen from the side ---------------------------------------------------

def along(tip, angle, d, off):
    """Point at distance d along a pen whose tip is at 'tip', off its axis by 'off'."""
    ux, uy = math.cos(math.radians(angle)), -math.sin(math.radians(angle))
    nx, ny = -uy, ux
    return (tip[0] + ux * d + nx * off, tip[1] + uy * d + ny * off)


def pen_part(c, tip, angle, d0, d1, h0, h1, fill, outline=OUTLINE, width=0.9):
    pts = [along(tip, angle, d0, -h0), along(tip, angle, d1, -h1),
           along(tip, angle, d1, h1), along(tip, angle, d0, h0)]
    c.poly(pts, fill=fill)
    c.line(pts + [pts[0]], outline, width)


def draw_pen(c, tip, angle, length, scale=1.0):
    """A ballpoint: dark point, silver cone, blue barrel, clip and end cap."""
    k = scale
    pen_part(c, tip, angle, 0.3 * k, 4.2 * k, 0.35 * k, 1.9 * k, (196, 203, 214, 255))
    pen_part(c, tip, angle, 4.2 * k, length * k, 1.9 * k, 1.9 * k, (47, 110, 224, 255))
    pen_part(c, tip, angle, (length - 2.2) * k, length * k, 2.0 * k, 2.0 * k, (28, 58, 140, 255))
    c.line([tip, along(tip, angle, 1.2 * k, 0)], (20, 20, 30, 255), 1.1 * k)


def draw_highlighter(c, tip, angle, length, scale=1.0, body=(255, 214, 10, 255), outline_width=0.9):
    """A marker with a slanted felt tip, a yellow barrel and a grey cap end."""
    k = scale
    ow = outline_width
    # Felt tip: a short block cut on the slant.
    a0, a1 = along(tip, angle, 0, -1.6 * k), along(tip, angle, 1.6 * k, 1.6 * k)
    b0, b1 = along(tip, angle, 2.6 * k, 1.6 * k), along(tip, angle, 2.6 * k, -1.6 * k)
    tip_pts = [a0, a1, b0, b1]
    c.poly(tip_pts, fill=(250, 190, 0, 255))
    c.line(tip_pts + [tip_pts[0]], OUTLINE, ow)
    pen_part(c, tip, angle, 2.6 * k, 4.6 * k, 2.0 * k, 2.6 * k, (70, 76, 88, 255), width=ow)
    pen_part(c, tip, angle, 4.6 * k, length * k, 2.6 * k, 2.6 * k, body, width=ow)
    pen_part(c, tip, angle, (length - 1.8) * k, length * k, 2.7 * k, 2.7 * k, (70, 76, 88, 255), width=ow)
    # A light stripe along the barrel for a rounded look.
    c.line([along(tip, angle, 6.0 * k, -1.2 * k), along(tip, angle, (length - 2.8) * k, -1.2 * k)],
           (255, 240, 150, 255), 0.8 * k)


# --- tool toolbar pictures (18 x 18, white paper, no mask) --------------------

def tool_pen(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    c.line([(2.2, 15.0), (4.0, 16.4), (6.2, 15.4), (8.4, 16.4), (10.6, 15.6)], (28, 58, 140, 255), 1.0)
    draw_pen(c, (2.4, 14.4), 45, 16.0)
    return c


def tool_highlighter(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    c.rect(1, 14, 15, 17, fill=(255, 236, 90, 255))
    draw_highlighter(c, (3.6, 14.0), 45, 15.0)
    return c


def tool_rectangle(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    c.rect(2, 4, 16, 14, fill=SHAPE_TINT, outline=SHAPE_INK, width=2)
    return c


def tool_roundrect(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    c.rrect(2, 4, 16, 14, 3.5, fill=SHAPE_TINT, outline=SHAPE_INK, width=2)
    return c


def tool_ellipse(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    c.ellipse(1.5, 3.5, 16.5, 14.5, fill=SHAPE_TINT, outline=SHAPE_INK, width=1.9)
    return c


def tool_arrow(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    head = (15.5, 2.5)
    c.line([(2.5, 15.5), (11.6, 6.4)], SHAPE_INK, 2.2)
    c.poly([head, (8.6, 4.6), (13.4, 9.4)], fill=SHAPE_INK)
    c.line([head, (8.6, 4.6), (13.4, 9.4), head], SHAPE_INK, 0.8)
    return c


def tool_stamp(zoom=1):
    c = Canvas(18, 18, zoom=zoom)
    red = (214, 40, 40, 255)
    c.rect(3, 16, 15, 18, fill=red)                           # the fresh imprint
    c.rect(3, 12, 15, 14, fill=red)                           # inked rubber
    c.rrect(2, 9, 16, 13, 1, fill=(150, 92, 52, 255), outline=OUTLINE, width=1)
    c.rect(7, 5, 11, 10, fill=(178, 116, 66, 255), outline=OUTLINE, width=1)
    c.ellipse(5, 0.5, 13, 6.5, fill=red, outline=OUTLINE, width=1)
    c.disc(7.8, 2.6, 0.9, (255, 150, 150, 255))
    return c


def tool_eraser(zoom=1):
    c = Canvas(20, 18, zoom=zoom)
    # A block eraser lying on the slant: pink rubber end, blue sleeve.
    cx, cy, ang = 9.0, 9.2, -40.0
    def box(x0, x1, fill):
        pts = [(x0, -3.6), (x1, -3.6), (x1, 3.6), (x0, 3.6)]
        p = rotate_pts([(cx + x, cy + y) for x, y in pts], ang, cx, cy)
        c.poly(p, fill=fill)
        c.line(p + [p[0]], OUTLINE, 0.9)
    box(-7.6, -1.6, (255, 150, 170, 255))
    box(-1.6, 7.6, (70, 120, 220, 255))
    c.line([(1.2, 16.6), (8.0, 16.6)], (150, 150, 160, 255), 0.9)
    return c


TOOLS = [  # file, picture; in the tool toolbar's button order
    ("tool_pen.bmp", tool_pen),
    ("tool_highlighter.bmp", tool_highlighter),
    ("tool_rectangle.bmp", tool_rectangle),
    ("tool_roundrect.bmp", tool_roundrect),
    ("tool_ellipse.bmp", tool_ellipse),
    ("tool_arrow.bmp", tool_arrow),
    ("tool_stamp.bmp", tool_stamp),
    ("tool_eraser.bmp", tool_eraser),
]


# --- caption words and menu buttons -------------------------------------------

CAPTIONS = [  # file, size, lines
    ("caption_color.bmp", (24, 7), ["color"]),
    ("caption_opacity.bmp", (34, 9), ["opacity"]),
    ("caption_size.bmp", (17, 7), ["size"]),
    ("caption_width.bmp", (26, 7), ["width"]),
    ("caption_eraseall.bmp", (36, 7), ["erase all"]),
    ("caption_filled.bmp", (23, 7), ["filled"]),
    ("caption_number.bmp", (34, 7), ["number"]),
    ("caption_texthint.bmp", (89, 21), ["To add text, double-", "click a filled shape"]),
]


ZOOMS = ((1.5, "_150"), (2, "_200"))   # the larger display scales: zoom, file suffix


def zoomed_words(size, lines, ink, zoom, bold=False):
    """A caption word for a larger display scale, drawn anew rather than
    stretched: at 200 % every pixel letter becomes a 2 x 2 block, exactly
    as sharp as at 100 %; at 150 %, where a pixel letter cannot stay sharp,
    the words are set in DejaVu Sans at the size that fills the same room."""
    if zoom == 2:
        return pixelfont.word_image(size, lines, ink, bold=bold).resize((size[0] * 2, size[1] * 2), Image.NEAREST)
    w, h = int(round(size[0] * zoom)), int(round(size[1] * zoom))
    img = Image.new("RGB", (w, h), WHITE)
    d = ImageDraw.Draw(img)
    f = font("DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf", 10 if bold else 9)
    step = h / len(lines)
    for i, line in enumerate(lines):
        d.text((w / 2, step * (i + 0.5)), line, font=f, fill=ink, anchor="mm")
    return img


def zoomed_menu_button(word, zoom):
    """menu_button at a larger scale: the word left of a drop-down triangle."""
    if zoom == 2:
        return menu_button(word).resize((144, 24), Image.NEAREST)
    w, h = int(72 * zoom), int(12 * zoom)
    img = Image.new("RGB", (w, h), WHITE)
    d = ImageDraw.Draw(img)
    f = font("DejaVuSans-Bold.ttf", 10)
    tw = d.textlength(word, font=f)
    tri = 7
    x0 = (w - (tw + 5 + tri)) / 2
    d.text((x0, h / 2), word, font=f, fill=CAPTION_INK, anchor="lm")
    tx, ty = round(x0 + tw + 5), h // 2 - 2
    d.polygon([(tx, ty), (tx + tri - 1, ty), (tx + (tri - 1) / 2, ty + 3)], fill=(40, 96, 220))
    return img


def menu_button(word):
    """72 x 12: the word in bold pixel letters and a small blue drop-down triangle."""
    img = Image.new("RGB", (72, 12), WHITE)
    tw = pixelfont.text_width(word, bold=True)
    x0 = (72 - (tw + 4 + 5)) // 2
    first, _ = pixelfont.rows_used(word)
    pixelfont.draw_text(img, x0, 2 - first + 0, word, CAPTION_INK, bold=True)
    d = ImageDraw.Draw(img)
    tx = x0 + tw + 4
    d.polygon([(tx, 5), (tx + 4, 5), (tx + 2, 7)], fill=(40, 96, 220))
    d.line([(tx, 5), (tx + 4, 5)], fill=(40, 96, 220))
    return img


# --- cursors (32 x 32 with alpha) --------------------------------------------

BLACK = (0, 0, 0, 255)
PAPER = (255, 255, 255, 255)


def haloed_line(c, pts, width=1.0):
    """A black line inside a white halo, readable over any picture."""
    c.line(pts, PAPER, width + 2.0)
    c.line(pts, BLACK, width)


def cursor_mark(zoom=1):
    """Hot spot (15, 18): cross hairs where the centre of the mark lands, the
    rubber stamp held above them."""
    c = Canvas(32, 32, zoom=zoom)
    hx, hy = 15.5, 18.5
    arms = (((hx - 9, hy), (hx - 2.5, hy)), ((hx + 2.5, hy), (hx + 9, hy)),
            ((hx, hy - 9), (hx, hy - 2.5)), ((hx, hy + 2.5), (hx, hy + 9)))
    for a, b in arms:
        c.line([a, b], PAPER, 3.0, round_caps=False)
    c.rect(14, 17, 17, 20, fill=PAPER)
    for a, b in arms:
        c.line([a, b], BLACK, 1.0, round_caps=False)
    c.rect(15, 18, 16, 19, fill=BLACK)
    # The stamp, up and to the right.
    sx, sy = 24.5, 2.0
    c.ellipse(sx - 3.5, sy - 1.5, sx + 3.5, sy + 4.5, fill=(214, 40, 40, 255), outline=BLACK, width=1)
    c.rect(int(sx - 1.5), int(sy + 4), int(sx + 2.5), int(sy + 8), fill=(178, 116, 66, 255), outline=BLACK, width=1)
    c.rrect(int(sx - 5.5), int(sy + 8), int(sx + 6.5), int(sy + 12), 1, fill=(150, 92, 52, 255), outline=BLACK, width=1)
    return c


def cursor_eraser(zoom=1):
    """Hot spot (9, 18): the working corner of a slanted eraser."""
    c = Canvas(32, 32, zoom=zoom)
    hx, hy = 9.5, 18.5
    ang = -40.0
    def box(x0, x1, fill):
        pts = [(hx + x0, hy - 8.6), (hx + x1, hy - 8.6), (hx + x1, hy), (hx + x0, hy)]
        p = rotate_pts(pts, ang, hx, hy)
        c.poly(p, fill=fill)
        return p
    outline = rotate_pts([(hx, hy - 8.6), (hx + 19, hy - 8.6), (hx + 19, hy), (hx, hy)], ang, hx, hy)
    c.line(outline + [outline[0]], PAPER, 3.2)
    box(0, 7, (255, 150, 170, 255))
    box(7, 19, (70, 120, 220, 255))
    c.line(outline + [outline[0]], BLACK, 1.0)
    mid = rotate_pts([(hx + 7, hy - 8.6), (hx + 7, hy)], ang, hx, hy)
    c.line(mid, BLACK, 1.0)
    c.rect(9, 18, 10, 19, fill=BLACK)
    return c


def cursor_highlighter(width, zoom=1):
    """Hot spot (0, 0): a bracket as tall as the band that the press will lay
    down (7 pixels per width step), with a small marker beside it.  The band
    keeps its height in screen pixels at every display scale, so at a zoom
    it takes fewer picture units."""
    c = Canvas(32, 32, zoom=zoom)
    band = min(7 * width if zoom == 1 else 7 * width / zoom, 32)
    c.rect(0, 0, 5, band, fill=(255, 230, 0, 110))
    c.rect(0, 0, 3, band, fill=PAPER)
    c.rect(0, 0, 1, band, fill=BLACK)
    c.rect(0, 0, 4, 1, fill=BLACK)
    c.rect(1, 1, 5, 2, fill=PAPER)
    if 7 * width / zoom <= 32:
        c.rect(0, band - 1, 4, band, fill=BLACK)
        c.rect(1, band - 2, 5, band - 1, fill=PAPER)
    draw_highlighter(c, (9.0, 12.0), 45, 16.0, scale=1.0)
    return c


# --- program icon ----------------------------------------------------------------

def highlighter_icon(size):
    """The program's picture: a yellow marker laying down a yellow band.
    Also used for the tray icon file beside the exe."""
    c = Canvas(size, size)
    k = size / 16.0
    band = (255, 226, 40, 255)
    c.rrect(0.5 * k, 11.2 * k, 13.5 * k, 15.5 * k, 1.2 * k, fill=(120, 90, 0, 255))
    c.rrect(1.0 * k, 11.7 * k, 13.0 * k, 15.0 * k, 0.9 * k, fill=band)
    draw_highlighter(c, (3.2 * k, 12.4 * k), 45, 15.5, scale=k, outline_width=max(0.9, 0.55 * k))
    return c.result()


ICON_SIZES = (16, 32, 48)


# --- writing -------------------------------------------------------------------

def main():
    os.makedirs(BITMAPS, exist_ok=True)
    os.makedirs(CURSORS, exist_ok=True)

    for name, paint in TOOLS:
        save_bmp24(flatten(paint().result()), os.path.join(BITMAPS, name))
    for name, size, lines in CAPTIONS:
        save_bmp24(pixelfont.word_image(size, lines, CAPTION_INK), os.path.join(BITMAPS, name))
    save_bmp24(menu_button("Options"), os.path.join(BITMAPS, "menu_options.bmp"))
    save_bmp24(menu_button("Snapshots"), os.path.join(BITMAPS, "menu_snapshots.bmp"))
    # The dock's pictures again for 150 % and 200 % displays.
    for zoom, suffix in ZOOMS:
        for name, paint in TOOLS:
            save_bmp24(flatten(paint(zoom).result()), os.path.join(BITMAPS, name.replace(".bmp", suffix + ".bmp")))
        for name, size, lines in CAPTIONS:
            save_bmp24(zoomed_words(size, lines, CAPTION_INK, zoom),
                       os.path.join(BITMAPS, name.replace(".bmp", suffix + ".bmp")))
        for word in ("Options", "Snapshots"):
            save_bmp24(zoomed_menu_button(word, zoom),
                       os.path.join(BITMAPS, "menu_%s%s.bmp" % (word.lower(), suffix)))
    # The highlighter strip is repainted before every use; white is as good as any.
    save_bmp24(Image.new("RGB", (1, 50), WHITE), os.path.join(BITMAPS, "highlight_strip.bmp"))

    write_icon_file(os.path.join(HERE, "quillcast.ico"), [highlighter_icon(n) for n in ICON_SIZES])

    # Each cursor holds its picture at 32, 48 and 64 pixels; the program asks
    # for the size of its display scale and gets the picture drawn for it.
    zooms = (1, 1.5, 2)

    def hot(x, y):
        return [(int(x * z + z / 2), int(y * z + z / 2)) for z in zooms]
    write_icon_file(os.path.join(CURSORS, "mark.cur"), [cursor_mark(z).result() for z in zooms], hot(15, 18))
    write_icon_file(os.path.join(CURSORS, "eraser.cur"), [cursor_eraser(z).result() for z in zooms], hot(9, 18))
    for wdt in range(1, 6):
        write_icon_file(os.path.join(CURSORS, "highlighter%d.cur" % wdt),
                        [cursor_highlighter(wdt, z).result() for z in zooms], [(0, 0)] * len(zooms))


if __name__ == "__main__":
    main()

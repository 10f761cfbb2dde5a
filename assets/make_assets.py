#!/usr/bin/python3
"""Makes the files that lie beside Quillcast.exe: the twelve mark pictures,
the tray icon and the three handwriting fonts with their licence texts.

Run from anywhere, with Debian's python3 (it needs python3-pil,
python3-fonttools, fonts-dejavu-core, fonts-kristi, fonts-humor-sans and
fonts-rufscript installed):

    /usr/bin/python3 assets/make_assets.py

Everything is written into the folder of this script and committed; the
build copies the files next to the exe.  The pictures inside the exe are
made by src/resources/make_resources.py.
"""

import os
import sys

sys.dont_write_bytecode = True          # keep the source folders free of caches
HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(os.path.dirname(HERE), "src", "resources")
sys.path.insert(0, RESOURCES)

from PIL import Image, ImageDraw  # noqa: E402
from fontTools.ttLib import TTFont  # noqa: E402

from artwork import Canvas, flatten, write_icon_file  # noqa: E402
from make_resources import ICON_SIZES, highlighter_icon  # noqa: E402

MARK = 32                         # marks are placed at their natural size
WHITE = (255, 255, 255, 255)


# --- mark pictures ------------------------------------------------------------

def gradient_fill(c, shape_box, top, bottom, shape="ellipse", radius=0.0):
    """Fills an ellipse or rounded box with a top-to-bottom colour blend."""
    s = c.s
    x0, y0, x1, y1 = [v * s for v in shape_box]
    grad = Image.new("RGBA", c.img.size)
    gpx = grad.load()
    h = max(1.0, y1 - y0)
    for y in range(c.img.size[1]):
        t = min(1.0, max(0.0, (y - y0) / h))
        col = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom)) + (255,)
        for x in range(int(x0), min(c.img.size[0], int(x1) + 1)):
            gpx[x, y] = col
    mask = Image.new("L", c.img.size, 0)
    md = ImageDraw.Draw(mask)
    if shape == "ellipse":
        md.ellipse([x0, y0, x1 - 1, y1 - 1], fill=255)
    else:
        md.rounded_rectangle([x0, y0, x1 - 1, y1 - 1], radius * s, fill=255)
    c.img.paste(grad, (0, 0), mask)


def soft_shadow(c, shape_box, shape="ellipse", radius=0.0):
    """A faint dark halo a little below the badge, so it lifts off the picture."""
    x0, y0, x1, y1 = shape_box
    for grow, alpha in ((1.4, 40), (0.8, 60)):
        box = (x0 - grow + 0.3, y0 - grow + 1.0, x1 + grow + 0.3, y1 + grow + 1.0)
        if shape == "ellipse":
            c.ellipse(*box, fill=(0, 0, 0, alpha))
        else:
            c.rrect(*box, radius + grow, fill=(0, 0, 0, alpha))


ZOOM = 1   # marks are drawn again at 1.5 and 2 times for larger display scales


def mark_canvas():
    return Canvas(MARK, MARK, zoom=ZOOM)


def disc_badge(top, bottom):
    """A round badge with a white rim, shaded from 'top' to 'bottom'."""
    c = mark_canvas()
    soft_shadow(c, (1.5, 1.0, 30.5, 30.0))
    c.ellipse(1.5, 1.0, 30.5, 30.0, fill=WHITE)
    gradient_fill(c, (3.3, 2.8, 28.7, 28.2), top, bottom)
    return c


def tile_badge(top, bottom):
    """A rounded square badge with a white rim, for the arithmetic marks."""
    c = mark_canvas()
    soft_shadow(c, (2.0, 1.5, 30.0, 29.5), "box", 6.0)
    c.rrect(2.0, 1.5, 30.0, 29.5, 6.0, fill=WHITE)
    gradient_fill(c, (3.8, 3.3, 28.2, 27.7), top, bottom, "box", 4.6)
    return c


def mark_number_circle():
    # Dark blue disc; the program prints the number on it in white.
    return disc_badge((52, 98, 196), (18, 48, 122))


def square_badge_bmp(face_top, face_bottom, rim, light):
    """An opaque square badge for the .bmp marks (a BMP carries no
    transparency, so the badge fills the picture to its edges)."""
    c = mark_canvas()
    c.rect(0, 0, MARK, MARK, fill=rim + (255,))
    gradient_fill(c, (1, 1, MARK - 1, MARK - 1), face_top, face_bottom, "box", 0.0)
    c.rect(1, 1, MARK - 1, 2, fill=light + (255,))
    return flatten(c.result())


def mark_number_red():
    return square_badge_bmp((232, 62, 58), (190, 28, 30), (120, 12, 14), (246, 130, 124))


def mark_number_yellow():
    return square_badge_bmp((255, 224, 92), (250, 196, 20), (170, 122, 0), (255, 244, 180))


def mark_exclamation():
    c = mark_canvas()
    tri = [(16.0, 1.6), (31.0, 28.6), (1.0, 28.6)]
    c.poly([(x + 0.3, y + 1.2) for x, y in tri], fill=(0, 0, 0, 60))
    c.line(tri + [tri[0]], (0, 0, 0, 60), 3.4)
    c.poly(tri, fill=WHITE)
    c.line(tri + [tri[0]], WHITE, 3.0)
    inner = [(16.0, 5.4), (27.6, 26.6), (4.4, 26.6)]
    c.poly(inner, fill=(255, 186, 20, 255))
    c.line(inner + [inner[0]], (236, 150, 0, 255), 1.6)
    c.line([(16.0, 11.2), (16.0, 19.0)], (40, 30, 10, 255), 3.0)
    c.disc(16.0, 23.0, 1.7, (40, 30, 10, 255))
    return c


def mark_check():
    c = disc_badge((76, 184, 92), (30, 128, 52))
    c.line([(9.2, 16.4), (13.8, 21.0), (22.8, 11.0)], WHITE, 3.4)
    return c


def mark_x():
    c = disc_badge((238, 84, 72), (186, 32, 30))
    c.line([(10.6, 10.0), (21.4, 20.8)], WHITE, 3.4)
    c.line([(21.4, 10.0), (10.6, 20.8)], WHITE, 3.4)
    return c


def mark_question():
    c = disc_badge((140, 104, 228), (86, 56, 170))
    c.text(16.0, 15.6, "?", "DejaVuSans-Bold.ttf", 20, WHITE)
    return c


def mark_info():
    c = disc_badge((66, 150, 236), (20, 96, 190))
    c.disc(16.0, 9.4, 2.1, WHITE)
    c.rrect(14.1, 13.0, 17.9, 23.8, 0.8, fill=WHITE)
    c.rrect(12.6, 13.0, 17.9, 14.8, 0.6, fill=WHITE)
    c.rrect(12.6, 22.2, 19.4, 23.9, 0.6, fill=WHITE)
    return c


MATHS_TOP, MATHS_BOTTOM = (88, 104, 136), (50, 62, 90)


def mark_plus():
    c = tile_badge(MATHS_TOP, MATHS_BOTTOM)
    c.line([(9.0, 15.5), (23.0, 15.5)], WHITE, 3.4)
    c.line([(16.0, 8.5), (16.0, 22.5)], WHITE, 3.4)
    return c


def mark_minus():
    c = tile_badge(MATHS_TOP, MATHS_BOTTOM)
    c.line([(9.0, 15.5), (23.0, 15.5)], WHITE, 3.4)
    return c


def mark_multiply():
    c = tile_badge(MATHS_TOP, MATHS_BOTTOM)
    c.line([(10.8, 10.3), (21.2, 20.7)], WHITE, 3.2)
    c.line([(21.2, 10.3), (10.8, 20.7)], WHITE, 3.2)
    return c


def mark_divide():
    c = tile_badge(MATHS_TOP, MATHS_BOTTOM)
    c.line([(9.0, 15.5), (23.0, 15.5)], WHITE, 3.0)
    c.disc(16.0, 9.6, 2.0, WHITE)
    c.disc(16.0, 21.4, 2.0, WHITE)
    return c


MARKS = [  # in the order of the program's mark list
    ("plMarkNumberCircle.png", mark_number_circle),
    ("plMarkNumberRed.bmp", mark_number_red),
    ("plMarkNumberYellow.bmp", mark_number_yellow),
    ("plMarkExclamation.png", mark_exclamation),
    ("plMarkCheck.png", mark_check),
    ("plMarkX.png", mark_x),
    ("plMarkQuestion.png", mark_question),
    ("plMarkInfo.png", mark_info),
    ("plMarkPlus.png", mark_plus),
    ("plMarkMinus.png", mark_minus),
    ("plMarkMultiply.png", mark_multiply),
    ("plMarkDivide.png", mark_divide),
]


MARK_ZOOMS = ((1, ""), (1.5, "_150"), (2, "_200"))   # zoom, file name suffix


def write_marks():
    """The marks at 100 %, and at 150 % and 200 % under the same name with
    _150 or _200 before the extension: the program takes the set nearest to
    its display scale, so that a mark is never a stretched small picture."""
    global ZOOM
    for ZOOM, suffix in MARK_ZOOMS:
        for name, paint in MARKS:
            pic = paint()
            base, ext = os.path.splitext(name)
            path = os.path.join(HERE, base + suffix + ext)
            if name.endswith(".bmp"):
                pic.convert("RGB").save(path, format="BMP")
            else:
                pic.result().save(path, format="PNG", optimize=True)
    ZOOM = 1


# --- handwriting fonts ---------------------------------------------------------

FONTS = [  # file beside the exe, family name the text tool asks for, source
    ("lib.ttf", "LibbyScript", "/usr/share/fonts/truetype/kristi/Kristi.ttf", "fonts-kristi"),
    ("whisper.ttf", "WhisperWrite", "/usr/share/fonts/truetype/rufscript/Rufscript010.ttf",
     "fonts-rufscript"),
    ("andrew.ttf", "AndrewScript", "/usr/share/fonts/truetype/humor-sans/Humor-Sans.ttf",
     "fonts-humor-sans"),
]


def rename_font(src, dst, family):
    """Copies a TrueType font under a new family, full and PostScript name.

    Windows picks a face by its family name, so that is what the text tool's
    face table names.  All platforms' name records are rewritten; the
    preferred-family records are dropped so that no old name is left over.
    """
    f = TTFont(src, recalcTimestamp=False)   # same bytes on every run
    name = f["name"]
    old_family = name.getDebugName(1)
    version = (name.getDebugName(5) or "Version 1.0").strip()
    name.names = [r for r in name.names if r.nameID not in (16, 17, 18, 21, 22)]
    new = {
        1: family,
        3: "Quillcast: %s: %s" % (family, version),
        4: family,
        6: family,
        10: "%s renamed to %s for Quillcast; the outlines are unchanged." % (old_family, family),
    }
    platforms = {(r.platformID, r.platEncID, r.langID) for r in name.names}
    for (pid, eid, lid) in platforms:
        for nid, text in new.items():
            name.setName(text, nid, pid, eid, lid)
    f.save(dst)
    return old_family


def write_fonts():
    for file_name, family, src, package in FONTS:
        dst = os.path.join(HERE, file_name)
        old = rename_font(src, dst, family)
        with open("/usr/share/doc/%s/copyright" % package, encoding="utf-8") as f:
            licence = f.read()
        note = ("%s is the font \"%s\" from the Debian package %s (%s),\n"
                "with its family, full and PostScript names changed to \"%s\".\n"
                "The glyphs are not modified.  Its licence follows, as shipped in\n"
                "/usr/share/doc/%s/copyright.\n\n" % (file_name, old, package, os.path.basename(src),
                                                      family, package))
        with open(dst + ".LICENSE.txt", "w", encoding="utf-8") as f:
            f.write(note + licence)


# --- tray icon -------------------------------------------------------------------

def write_tray_icon():
    write_icon_file(os.path.join(HERE, "plHighlighterIco.ICO"), [highlighter_icon(n) for n in ICON_SIZES])


def main():
    write_marks()
    write_tray_icon()
    write_fonts()


if __name__ == "__main__":
    main()

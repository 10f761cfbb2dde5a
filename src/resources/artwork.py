"""Drawing helpers shared by the scripts that paint Quillcast's pictures.

Pictures are drawn on a canvas SCALE times larger than the result and then
averaged down, which gives clean anti-aliased edges at icon sizes.  Shapes
that must look sharp are placed on whole result pixels.

Also here: writers for the Windows icon (.ico) and cursor (.cur) formats,
with 32-bit colour plus the 1-bit AND mask that older code paths read.
"""

import math
import struct

from PIL import Image, ImageDraw, ImageFont

SCALE = 8

DEJAVU = "/usr/share/fonts/truetype/dejavu/"


def font(name, px):
    return ImageFont.truetype(DEJAVU + name, px)


class Canvas:
    """An RGBA drawing surface in result-pixel coordinates."""

    def __init__(self, w, h, scale=SCALE, paper=(0, 0, 0, 0), zoom=1):
        """A picture of w x h result pixels, or of zoom times that size when
        it is drawn for a larger display scale (zoom 1.5 or 2): coordinates
        stay those of the 100 % picture, and lines and shapes grow with it."""
        self.w, self.h = int(round(w * zoom)), int(round(h * zoom))
        self.block = scale
        self.s = scale * zoom
        self.img = Image.new("RGBA", (self.w * scale, self.h * scale), paper)
        self.d = ImageDraw.Draw(self.img)

    def _p(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def poly(self, pts, fill=None, outline=None, width=1.0):
        self.d.polygon(self._p(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0]], outline, width)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1.0):
        """Rectangle covering result pixels x0..x1-1, y0..y1-1 (edges on the grid)."""
        s = self.s
        if outline is not None and fill is None:
            self.d.rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], outline=outline,
                             width=max(1, int(round(width * s))))
            return
        if outline is not None:
            self.d.rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=outline)
            k = width
            x0, y0, x1, y1 = x0 + k, y0 + k, x1 - k, y1 - k
        if fill is not None:
            self.d.rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=fill)

    def rrect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=1.0):
        s = self.s
        if outline is not None and fill is None:
            self.d.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], r * s, outline=outline,
                                     width=max(1, int(round(width * s))))
            return
        if outline is not None:
            self.d.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], r * s, fill=outline)
            k = width
            x0, y0, x1, y1, r = x0 + k, y0 + k, x1 - k, y1 - k, max(0.0, r - k)
        if fill is not None:
            self.d.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], r * s, fill=fill)

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=1.0):
        s = self.s
        if outline is not None and fill is None:
            self.d.ellipse([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], outline=outline,
                           width=max(1, int(round(width * s))))
            return
        if outline is not None:
            self.d.ellipse([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=outline)
            k = width
            x0, y0, x1, y1 = x0 + k, y0 + k, x1 - k, y1 - k
        if fill is not None:
            self.d.ellipse([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=fill)

    def disc(self, cx, cy, r, fill):
        s = self.s
        self.d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=fill)

    def line(self, pts, colour, width, round_caps=True):
        """A polyline of the given width with round joins (and round caps)."""
        s = self.s
        p = self._p(pts)
        self.d.line(p, fill=colour, width=max(1, int(round(width * s))), joint="curve")
        if round_caps:
            for q in (p[0], p[-1]):
                r = width * s / 2
                self.d.ellipse([q[0] - r, q[1] - r, q[0] + r, q[1] + r], fill=colour)

    def text(self, cx, cy, txt, fnt_name, px, fill):
        """Text centred on (cx, cy) by its ink box."""
        f = font(fnt_name, int(px * self.s))
        box = self.d.textbbox((0, 0), txt, font=f)
        x = cx * self.s - (box[0] + box[2]) / 2
        y = cy * self.s - (box[1] + box[3]) / 2
        self.d.text((x, y), txt, font=f, fill=fill)

    def result(self):
        """Averages the big canvas down to result pixels (premultiplied, so
        transparent paper does not darken the edges)."""
        big = self.img
        w, h, s = self.w, self.h, self.block
        src = big.load()
        out = Image.new("RGBA", (w, h))
        dst = out.load()
        n = s * s
        for y in range(h):
            for x in range(w):
                ar = ag = ab = aa = 0
                for yy in range(y * s, y * s + s):
                    for xx in range(x * s, x * s + s):
                        pr, pg, pb, pa = src[xx, yy]
                        ar += pr * pa
                        ag += pg * pa
                        ab += pb * pa
                        aa += pa
                if aa == 0:
                    dst[x, y] = (0, 0, 0, 0)
                else:
                    dst[x, y] = (round(ar / aa), round(ag / aa), round(ab / aa), round(aa / n))
        return out


def flatten(img, paper=(255, 255, 255)):
    """RGBA picture over an opaque paper colour, as RGB."""
    base = Image.new("RGBA", img.size, paper + (255,))
    base.alpha_composite(img)
    return base.convert("RGB")


def shadowed(img, offset=(0, 1), blur_alpha=0.35):
    """Adds a soft one-pixel drop shadow under an RGBA picture."""
    from PIL import ImageFilter
    a = img.getchannel("A")
    sh = Image.new("RGBA", img.size, (0, 0, 0, 0))
    shadow_alpha = a.filter(ImageFilter.GaussianBlur(0.8)).point(lambda v: int(v * blur_alpha))
    sh.putalpha(shadow_alpha)
    moved = Image.new("RGBA", img.size, (0, 0, 0, 0))
    moved.paste(sh, offset)
    moved.alpha_composite(img)
    return moved


def rotate_pts(pts, angle_deg, cx, cy):
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca) for x, y in pts]


# --- Windows icon and cursor files -------------------------------------------

def _dib32(img):
    """BITMAPINFOHEADER + BGRA rows (bottom-up) + AND mask, for .ico/.cur."""
    img = img.convert("RGBA")
    w, h = img.size
    px = img.load()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            colour += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(colour) + bytes(mask)


def write_icon_file(path, images, hotspots=None):
    """Writes an .ico (hotspots None) or .cur (one hot spot per image)."""
    kind = 1 if hotspots is None else 2
    blobs = [_dib32(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for i, (im, blob) in enumerate(zip(images, blobs)):
        w, h = im.size
        if kind == 1:
            a, b = 1, 32                       # planes, bits per pixel
        else:
            a, b = hotspots[i]                 # hot spot x, y
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def save_bmp24(img, path):
    """Plain 24-bit bottom-up BMP (BITMAPINFOHEADER), as LoadImage expects."""
    img.convert("RGB").save(path, format="BMP")

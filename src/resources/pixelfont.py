"""A small hand-made pixel alphabet for the dock's caption words.

The captions under the dock's controls are only 7 to 12 pixels high, where an
outline font turns to grey mush, so they are set in this alphabet instead.
Every glyph is 9 rows: rows 0-1 hold ascenders and capitals, rows 2-6 the
x-height (row 6 is the baseline row) and rows 7-8 the descenders.
"""

from PIL import Image

ROWS = 9
ASCENT = 7          # rows 0..6 sit on or above the baseline

# '#' is ink, '.' is paper.  Rows are listed top to bottom; a glyph given
# with fewer than 9 rows is padded with paper at the bottom.
_GLYPHS = {
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###"],
    "b": ["#...", "#...", "###.", "#..#", "#..#", "#..#", "###."],
    "c": ["...", "...", ".##", "#..", "#..", "#..", ".##"],
    "d": ["...#", "...#", ".###", "#..#", "#..#", "#..#", ".###"],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".##."],
    "f": [".##", "#..", "###", "#..", "#..", "#..", "#.."],
    "g": ["....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", ".##."],
    "h": ["#...", "#...", "###.", "#..#", "#..#", "#..#", "#..#"],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"],
    "l": ["#.", "#.", "#.", "#.", "#.", "#.", ".#"],
    "m": [".....", ".....", "####.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "n": ["....", "....", "###.", "#..#", "#..#", "#..#", "#..#"],
    "o": ["....", "....", ".##.", "#..#", "#..#", "#..#", ".##."],
    "p": ["....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."],
    "r": ["...", "...", "#.#", "##.", "#..", "#..", "#.."],
    "s": ["...", "...", ".##", "#..", ".#.", "..#", "##."],
    "t": ["...", "#..", "###", "#..", "#..", "#..", ".##"],
    "u": ["....", "....", "#..#", "#..#", "#..#", "#..#", ".###"],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "x": ["...", "...", "#.#", "#.#", ".#.", "#.#", "#.#"],
    "y": ["....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "...#", ".##."],
    "z": ["...", "...", "###", "..#", ".#.", "#..", "###"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "S": [".###", "#...", "#...", ".##.", "...#", "...#", "###."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    ",": [".", ".", ".", ".", ".", ".", "#", "#"],
    "-": ["..", "..", "..", "..", "##", "..", ".."],
}

SPACE_ADVANCE = 2   # extra paper for a space, besides the 1-pixel letter gap


def glyph(ch):
    rows = _GLYPHS[ch]
    width = len(rows[0])
    return [r.ljust(width, ".") for r in rows] + ["." * width] * (ROWS - len(rows))


def text_width(text, bold=False):
    x = 0
    for ch in text:
        if ch == " ":
            x += SPACE_ADVANCE
            continue
        x += len(glyph(ch)[0]) + (1 if bold else 0) + 1
    return max(0, x - 1)


def draw_text(img, x, top, text, colour, bold=False):
    """Draws text with its row 0 at 'top'; returns the pen position after it."""
    px = img.load()
    w, h = img.size
    for ch in text:
        if ch == " ":
            x += SPACE_ADVANCE
            continue
        rows = glyph(ch)
        gw = len(rows[0])
        for ry, row in enumerate(rows):
            for rx, cell in enumerate(row):
                if cell != "#":
                    continue
                for dx in ((0, 1) if bold else (0,)):
                    X, Y = x + rx + dx, top + ry
                    if 0 <= X < w and 0 <= Y < h:
                        px[X, Y] = colour
        x += gw + (1 if bold else 0) + 1
    return x


def rows_used(text):
    """First and last glyph row that carries ink for this text."""
    used = set()
    for ch in text:
        if ch == " ":
            continue
        for ry, row in enumerate(glyph(ch)):
            if "#" in row:
                used.add(ry)
    return min(used), max(used)


def word_image(size, lines, ink, paper=(255, 255, 255), bold=False, line_step=10):
    """A bitmap of the given size with one or more centred lines of text.

    The block of lines is centred vertically on the rows that carry ink, so
    a word without descenders is not pushed up by empty descender rows.
    """
    img = Image.new("RGB", size, paper)
    first = rows_used(lines[0])[0]
    last = (len(lines) - 1) * line_step + rows_used(lines[-1])[1]
    top = (size[1] - (last - first + 1)) // 2 - first
    for i, line in enumerate(lines):
        x = (size[0] - text_width(line, bold)) // 2
        draw_text(img, x, top + i * line_step, line, ink, bold)
    return img

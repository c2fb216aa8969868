#!/usr/bin/env python3
"""Draw Nerq's pictures: the chart shown in the 92 x 72 canvas and the icon.

Both show the same motif: red and green dots rising from left to right
between a black vertical axis at the left and a black horizontal axis at
the bottom, on a pale yellow ground.  The dots come from fixed lists, and
the palettes of the 256-colour icons come from a deterministic median cut
without dithering, so every run writes the same files.

The icon is drawn once per size (16, 32, 48 and 256 pixels).  Each drawing
is saved as a 32-bit PNG, which is what gets installed into the hicolor
icon theme, and all of them go into one Windows icon file, nerq.ico, the
program's window icon, which holds seven images:

  * 16, 32 and 48 pixels in 256 colours: the drawing reduced to a palette
    of at most 256 colours, transparency carried by the 1-bit AND mask
    alone (a pixel at least half opaque is shown, any other is not);
  * 16, 32 and 48 pixels in 32-bit colour with alpha, plus an AND mask
    marking the fully transparent pixels for readers that look at it;
  * 256 pixels as a PNG entry, the very bytes of nerq-256.png, since a
    bitmap of that size would be a quarter of a megabyte.

The small ones are BMP entries: a BITMAPINFOHEADER whose height counts both
bitmaps, then the palette (8-bit only), the colour bitmap bottom-up and the
AND mask bottom-up, rows padded to four bytes.  The file is written here
rather than by Pillow's icon writer, so that its layout is the one above.

Needs Pillow.  Run from anywhere:  python3 resources/make_pictures.py
Writes:  resources/ChartSmall.jpg
         resources/icons/nerq-16.png, nerq-32.png, nerq-48.png, nerq-256.png
         resources/icons/nerq.ico
"""

import io
import struct
from pathlib import Path

from PIL import Image, ImageDraw

HERE = Path(__file__).resolve().parent

GROUND = (255, 248, 196)
AXIS = (0, 0, 0)
RED = (214, 36, 36)
GREEN = (28, 150, 48)
BORDER = (176, 160, 96)

# Dots in plot coordinates: x from 0 (just right of the vertical axis) to 1
# (right edge of the plot), y from 0 (just above the horizontal axis) to 1
# (top of the plot).  Two loose rising clouds, the green one a little above
# the red one.
RED_DOTS = [
    (0.08, 0.10), (0.17, 0.22), (0.24, 0.13), (0.33, 0.30), (0.42, 0.26),
    (0.50, 0.41), (0.58, 0.36), (0.67, 0.53), (0.75, 0.49), (0.84, 0.64),
    (0.92, 0.70),
]
GREEN_DOTS = [
    (0.06, 0.28), (0.14, 0.38), (0.22, 0.34), (0.30, 0.49), (0.38, 0.45),
    (0.47, 0.60), (0.55, 0.56), (0.63, 0.72), (0.72, 0.69), (0.80, 0.84),
    (0.90, 0.90),
]

# Fewer, well separated dots for the small icons.
RED_DOTS_FEW = [(0.00, 0.00), (0.36, 0.22), (0.70, 0.48), (1.00, 0.70)]
GREEN_DOTS_FEW = [(0.06, 0.42), (0.40, 0.66), (0.74, 1.00)]


def draw_motif(size, scale, margins, axis_px, dot_px, red, green,
               corner_px=0, border_px=0):
    """Draw the scatter plot on a canvas of `size` pixels, `scale` times
    over-sampled.  `margins` (left, top, right, bottom) place the plot area,
    whose left and bottom edges are the axes; all lengths are in output
    pixels.  Returns an RGBA image of the over-sampled size."""
    width, height = size
    big = Image.new("RGBA", (width * scale, height * scale), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)

    def px(value):
        return round(value * scale)

    ground = [0, 0, px(width) - 1, px(height) - 1]
    if corner_px:
        draw.rounded_rectangle(ground, radius=px(corner_px), fill=GROUND,
                               outline=BORDER if border_px else None,
                               width=px(border_px))
    else:
        draw.rectangle(ground, fill=GROUND)

    left, top, right, bottom = margins
    x0, x1 = left, width - right      # vertical axis, right edge of the plot
    y0, y1 = height - bottom, top     # horizontal axis, top of the plot

    # Axes: the vertical one along the plot's left edge, the horizontal one
    # along its bottom edge, meeting at the origin.
    draw.rectangle([px(x0), px(y1), px(x0 + axis_px) - 1, px(y0 + axis_px) - 1],
                   fill=AXIS)
    draw.rectangle([px(x0), px(y0), px(x1) - 1, px(y0 + axis_px) - 1],
                   fill=AXIS)

    # Dots sit inside the plot area, clear of the axes.
    r = dot_px / 2
    gap = max(1, dot_px / 4)
    first_x, last_x = x0 + axis_px + gap + r, x1 - r
    first_y, last_y = y0 - gap - r, y1 + r
    for colour, dots in ((RED, red), (GREEN, green)):
        for u, v in dots:
            cx = first_x + u * (last_x - first_x)
            cy = first_y + v * (last_y - first_y)
            draw.ellipse([px(cx - r), px(cy - r), px(cx + r) - 1, px(cy + r) - 1],
                         fill=colour)
    return big


def make_chart():
    size = (92, 72)
    big = draw_motif(size, scale=4, margins=(7, 5, 5, 8), axis_px=1.5,
                     dot_px=5, red=RED_DOTS, green=GREEN_DOTS)
    chart = big.resize(size, Image.LANCZOS).convert("RGB")
    chart.save(HERE / "ChartSmall.jpg", "JPEG", quality=92, subsampling=0)


def make_icon_16():
    """The 16-pixel icon, set pixel by pixel: a smoothed-down drawing would
    blur into one smudge at this size, so it gets five 3 x 3 dots, an axis
    one pixel wide and slightly rounded corners."""
    icon = Image.new("RGBA", (16, 16), GROUND + (255,))
    draw = ImageDraw.Draw(icon)
    for corner in ((0, 0), (15, 0), (0, 15), (15, 15)):
        icon.putpixel(corner, (0, 0, 0, 0))
    draw.line([(2, 1), (2, 13)], fill=AXIS)     # vertical axis
    draw.line([(2, 13), (14, 13)], fill=AXIS)   # horizontal axis
    # Top-left corners of the dots.
    for colour, dots in ((RED, [(4, 9), (8, 6), (12, 3)]),
                         (GREEN, [(4, 5), (8, 2)])):
        for x, y in dots:
            draw.rectangle([x, y, x + 2, y + 2], fill=colour)
            # Soften the corners so they read as dots, not squares.
            for cx, cy in ((x, y), (x + 2, y), (x, y + 2), (x + 2, y + 2)):
                icon.putpixel((cx, cy), blend(colour, GROUND))
    return icon


def blend(a, b):
    return tuple((p + q) // 2 for p, q in zip(a, b)) + (255,)


# Per icon size from 32 up: margins, axis width, dot diameter, dot lists,
# corner radius and border width, in output pixels, and the over-sampling
# used to draw smooth dots.
ICONS = {
    32: dict(margins=(4, 3, 3, 5), axis_px=2, dot_px=5, red=RED_DOTS_FEW,
             green=GREEN_DOTS_FEW, corner_px=4, border_px=1, scale=4),
    48: dict(margins=(6, 5, 5, 8), axis_px=2, dot_px=7, red=RED_DOTS_FEW,
             green=GREEN_DOTS_FEW, corner_px=6, border_px=1, scale=4),
    256: dict(margins=(30, 26, 22, 36), axis_px=8, dot_px=16, red=RED_DOTS,
              green=GREEN_DOTS, corner_px=32, border_px=4, scale=4),
}


# A pixel of a 256-colour image is shown when its drawing is at least this
# opaque; there is no partial transparency without an alpha channel.
OPAQUE = 128


def to_palette(icon):
    """Reduce the RGBA `icon` to at most 256 colours.  Returns the index of
    every pixel (rows top-down), the palette as a list of RGB triples and
    the set of transparent pixel positions.  Transparent pixels use a black
    palette entry: the screen is ANDed with the mask and then XORed with the
    colour, and only black leaves it untouched."""
    alpha = list(icon.getchannel("A").getdata())
    hidden = {i for i, a in enumerate(alpha) if a < OPAQUE}
    rgb = icon.convert("RGB")
    rgb.putdata([(0, 0, 0) if i in hidden else p
                 for i, p in enumerate(rgb.getdata())])
    # 255, so that there is room left for black should the cut lose it.
    reduced = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                           dither=Image.Dither.NONE)
    flat = reduced.getpalette()[:3 * 255]
    palette = [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    if (0, 0, 0) not in palette:
        palette.append((0, 0, 0))
    black = palette.index((0, 0, 0))
    indices = [black if i in hidden else p
               for i, p in enumerate(reduced.getdata())]
    return indices, palette, hidden


def bottom_up(rows):
    """The rows of a bitmap, last first, each padded to a multiple of four
    bytes."""
    return b"".join(row + bytes(-len(row) % 4) for row in reversed(rows))


def and_mask(size, hidden):
    """The 1-bit AND mask: a set bit lets the screen show through."""
    rows = []
    for y in range(size):
        row = bytearray((size + 7) // 8)
        for x in range(size):
            if y * size + x in hidden:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return bottom_up(rows)


def dib_header(size, bits, image_bytes):
    # The height counts the colour bitmap and the mask.  No compression, no
    # resolution, and a colour count of 0, meaning all 2^bits of them.
    return struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0,
                       image_bytes, 0, 0, 0, 0)


def dib_8bit(icon):
    size = icon.width
    indices, palette, hidden = to_palette(icon)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    colours += bytes(4 * (256 - len(palette)))
    xor = bottom_up([bytes(indices[y * size:(y + 1) * size])
                     for y in range(size)])
    mask = and_mask(size, hidden)
    return dib_header(size, 8, len(xor) + len(mask)) + colours + xor + mask


def dib_32bit(icon):
    size = icon.width
    pixels = list(icon.getdata())
    hidden = {i for i, p in enumerate(pixels) if p[3] == 0}
    # Straight (not premultiplied) BGRA; nothing behind a hidden pixel.
    data = b"".join(bytes((0, 0, 0, 0) if a == 0 else (b, g, r, a))
                    for r, g, b, a in pixels)
    xor = bottom_up([data[4 * y * size:4 * (y + 1) * size]
                     for y in range(size)])
    mask = and_mask(size, hidden)
    return dib_header(size, 32, len(xor) + len(mask)) + xor + mask


def write_ico(path, entries):
    """Write the (size, bits, data) `entries` as one icon file: the header,
    a directory of 16 bytes per image, then the images in the same order."""
    header = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(header) + 16 * len(entries)
    directory, images = b"", b""
    for size, bits, data in entries:
        # Width and height 0 stand for 256.  The colour count is that of
        # the palette, and 0 for 256 colours or none.
        colours = 1 << bits if bits < 8 else 0
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colours,
                                 0, 1, bits, len(data), offset)
        offset += len(data)
        images += data
    path.write_bytes(header + directory + images)


def save_png(icon, path):
    """Save `icon` as PNG and return the bytes written."""
    buffer = io.BytesIO()
    icon.save(buffer, "PNG", optimize=True)
    path.write_bytes(buffer.getvalue())
    return buffer.getvalue()


def make_icons():
    out = HERE / "icons"
    out.mkdir(exist_ok=True)
    icons = {16: make_icon_16()}
    for n, spec in ICONS.items():
        spec = dict(spec)
        scale = spec.pop("scale")
        big = draw_motif((n, n), scale, **spec)
        icons[n] = big.resize((n, n), Image.LANCZOS)
    png = {n: save_png(icon, out / f"nerq-{n}.png") for n, icon in icons.items()}

    small = (16, 32, 48)
    write_ico(out / "nerq.ico",
              [(n, 8, dib_8bit(icons[n])) for n in small]
              + [(n, 32, dib_32bit(icons[n])) for n in small]
              + [(256, 32, png[256])])


if __name__ == "__main__":
    make_chart()
    make_icons()

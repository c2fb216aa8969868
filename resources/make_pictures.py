#!/usr/bin/env python3
"""Draw Nerq's pictures: the chart shown in the 92 x 72 canvas and the icon.

Both show the same motif: red and green dots rising from left to right
between a black vertical axis at the left and a black horizontal axis at
the bottom, on a pale yellow ground.  The dots come from fixed lists, so
every run writes the same files.

Run from anywhere:  python3 resources/make_pictures.py
Writes:  resources/ChartSmall.jpg
         resources/icons/nerq-16.png, nerq-32.png, nerq-48.png, nerq-256.png
"""

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


def make_icons():
    out = HERE / "icons"
    out.mkdir(exist_ok=True)
    make_icon_16().save(out / "nerq-16.png", "PNG", optimize=True)
    for n, spec in ICONS.items():
        spec = dict(spec)
        scale = spec.pop("scale")
        big = draw_motif((n, n), scale, **spec)
        icon = big.resize((n, n), Image.LANCZOS)
        icon.save(out / f"nerq-{n}.png", "PNG", optimize=True)


if __name__ == "__main__":
    make_chart()
    make_icons()

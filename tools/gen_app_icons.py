#!/usr/bin/env python3
"""Draws the application icon of Orvanto: a calendar leaf with a blue binding
band, a crescent moon and a grid of days with one red holiday.

Writes packaging/icons/orvanto.svg (the scalable icon) and renders the
hicolor sizes 16, 32, 48, 64, 128 and 256 with rsvg-convert (Debian package
librsvg2-bin). The small sizes use a simpler drawing with fewer, larger days
so they stay readable. Run from the repository root:

    python3 tools/gen_app_icons.py
"""
import os
import subprocess
import sys

SIZES = (16, 32, 48, 64, 128, 256)
OUT = os.path.join("packaging", "icons")

BAND_TOP = "#3d6fb6"
BAND_BOTTOM = "#234b8a"
LEAF = "#fbfaf6"
DAY = "#d9dde6"
HOLIDAY = "#d0342c"
MOON = "#f4c542"
EDGE = "#1b2f52"


def day_grid(columns, rows, left, top, width, height, gap, holiday):
    """The day squares of the leaf; the holiday cell (column, row) is red."""
    cell_w = (width - gap * (columns - 1)) / columns
    cell_h = (height - gap * (rows - 1)) / rows
    cells = []
    for row in range(rows):
        for column in range(columns):
            x = left + column * (cell_w + gap)
            y = top + row * (cell_h + gap)
            colour = HOLIDAY if (column, row) == holiday else DAY
            cells.append(
                f'<rect x="{x:.1f}" y="{y:.1f}" width="{cell_w:.1f}" height="{cell_h:.1f}" '
                f'rx="{min(cell_w, cell_h) * 0.18:.1f}" fill="{colour}"/>'
            )
    return "\n  ".join(cells)


def crescent(cx, cy, r):
    """A waxing crescent: a disc less a disc shifted towards the dark side."""
    return (
        f'<mask id="moonMask"><rect width="256" height="256" fill="white"/>'
        f'<circle cx="{cx - r * 0.55:.1f}" cy="{cy - r * 0.15:.1f}" r="{r * 0.92:.1f}" fill="black"/></mask>'
        f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{MOON}" mask="url(#moonMask)"/>'
    )


def icon_svg(small):
    """The whole icon on a 256 x 256 canvas; small: the simplified drawing."""
    if small:
        grid = day_grid(3, 2, 40, 120, 176, 100, 16, (2, 1))
        rings = ""
        moon = crescent(178, 70, 30)
    else:
        grid = day_grid(5, 4, 36, 112, 184, 112, 8, (3, 2))
        rings = "".join(
            f'<rect x="{x}" y="14" width="16" height="40" rx="8" fill="#c9ced8" stroke="{EDGE}" stroke-width="4"/>'
            for x in (74, 166)
        )
        moon = crescent(186, 68, 22)
    return f'''<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="band" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{BAND_TOP}"/>
      <stop offset="1" stop-color="{BAND_BOTTOM}"/>
    </linearGradient>
  </defs>
  <rect x="18" y="30" width="224" height="214" rx="26" fill="#000000" fill-opacity="0.22"/>
  <rect x="14" y="24" width="228" height="214" rx="26" fill="{LEAF}" stroke="{EDGE}" stroke-width="6"/>
  <path d="M14 50 a26 26 0 0 1 26 -26 h176 a26 26 0 0 1 26 26 v46 h-228 z" fill="url(#band)" stroke="{EDGE}" stroke-width="6"/>
  {moon}
  {rings}
  {grid}
</svg>
'''


def main():
    os.makedirs(OUT, exist_ok=True)
    scalable = os.path.join(OUT, "orvanto.svg")
    with open(scalable, "w", encoding="utf-8") as out:
        out.write(icon_svg(small=False))
    small = os.path.join(OUT, "orvanto-small.svg")
    with open(small, "w", encoding="utf-8") as out:
        out.write(icon_svg(small=True))
    for size in SIZES:
        source = small if size <= 32 else scalable
        target = os.path.join(OUT, f"orvanto-{size}.png")
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", target, source], check=True)
    os.remove(small)
    return 0


if __name__ == "__main__":
    sys.exit(main())

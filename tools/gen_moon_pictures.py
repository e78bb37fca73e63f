#!/usr/bin/python3
"""Draws the full-moon pictures of the moon image and writes them as PNG files.

Usage: tools/gen_moon_pictures.py [OUTPUT_FOLDER]   (default: resources/moon)

The moon is drawn here from scratch, with no photograph or other source: a grey disc
with a little limb darkening, the dark maria as overlapping ellipses placed roughly where
the large seas lie on the near side, and bright rayed craters. It is drawn four times
over in each direction and averaged, then reduced to 64, 32 and 16 pixels in two styles:

  MOON_LARGE, MOON_SMALL, MOON_TINY                 16 colours (4 bits a pixel), the
                                                    greys of the standard 16-colour palette
  MOON_COLOR_LARGE, MOON_COLOR_SMALL, MOON_COLOR_TINY   256 colours (8 bits a pixel),
                                                    warm greys on a night-blue background
  MOON_BW_LARGE, MOON_BW_SMALL, MOON_BW_TINY        1 bit: white outside the disc,
                                                    black on it (the icon masks)

Every picture is square; its disc has the centre and radius of the program's moon
geometry (64: centre x 31, y 28, radius 28; 32: 15, 14, 14; 16: 7, 7, 7), row by row
exactly the pixels of the mask, and all else is the plain background. Only the standard
library is used (zlib for the PNG data); the output is the same on every run.
"""
import math
import os
import struct
import sys
import zlib

SUPERSAMPLE = 4

# name suffix, picture size, centre x, centre y, radius (as the program draws the shadow)
SIZES = (("LARGE", 64, 31, 28, 28), ("SMALL", 32, 15, 14, 14), ("TINY", 16, 7, 7, 7))

# Dark seas: centre and half-axes in units of the moon's radius (x to the right, y down,
# as seen from the northern hemisphere), rotation in degrees, darkness 0..1.
MARIA = (
    (-0.30, -0.38, 0.30, 0.22, 20, 0.42),    # Imbrium
    (0.22, -0.36, 0.17, 0.16, 0, 0.40),      # Serenitatis
    (0.38, -0.05, 0.22, 0.17, 30, 0.40),     # Tranquillitatis
    (0.70, -0.22, 0.12, 0.10, 0, 0.45),      # Crisium
    (0.62, 0.18, 0.11, 0.20, 15, 0.36),      # Fecunditatis
    (0.40, 0.33, 0.10, 0.12, 0, 0.33),       # Nectaris
    (-0.62, -0.05, 0.26, 0.50, 10, 0.36),    # Oceanus Procellarum
    (-0.22, 0.38, 0.22, 0.13, -10, 0.34),    # Nubium
    (-0.50, 0.42, 0.13, 0.10, 0, 0.32),      # Humorum
    (0.00, -0.72, 0.38, 0.07, 0, 0.30),      # Frigoris
    (0.02, 0.02, 0.14, 0.10, 0, 0.22),       # Sinus Medii and Vaporum
)

# Bright craters: centre, radius (units of the moon's radius), brightness, ray length.
CRATERS = (
    (-0.12, 0.70, 0.045, 0.55, 0.9),   # Tycho, with its long rays
    (-0.30, -0.14, 0.045, 0.40, 0.35),  # Copernicus
    (-0.55, -0.20, 0.030, 0.40, 0.25),  # Kepler
    (-0.75, -0.32, 0.028, 0.50, 0.20),  # Aristarchus
    (0.55, 0.62, 0.035, 0.20, 0.0),
    (0.20, 0.78, 0.040, 0.18, 0.0),
    (-0.40, 0.72, 0.050, 0.15, 0.0),
    (0.80, 0.42, 0.030, 0.18, 0.0),
)

BASE_BRIGHTNESS = 0.80

# The standard 16-colour palette; the classic pictures use its black, greys and white.
VGA16 = ((0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255))
CLASSIC_GREYS = ((0, 0.0), (8, 128 / 255), (7, 192 / 255), (15, 1.0))  # palette index, level
CLASSIC_BACKGROUND = 0  # black

BAYER4 = ((0, 8, 2, 10), (12, 4, 14, 6), (3, 11, 1, 9), (15, 7, 13, 5))

COLOR_LEVELS = 240
COLOR_BACKGROUND_INDEX = 240
COLOR_BACKGROUND = (10, 14, 42)


def surface_brightness(u, v):
    """Brightness 0..1 of the moon's surface at (u, v), units of the radius (u^2+v^2 <= 1)."""
    r2 = u * u + v * v
    b = BASE_BRIGHTNESS * (0.82 + 0.18 * math.sqrt(max(0.0, 1 - r2)))  # limb darkening
    for cx, cy, ax, ay, angle, darkness in MARIA:
        a = math.radians(angle)
        du, dv = u - cx, v - cy
        x = (du * math.cos(a) + dv * math.sin(a)) / ax
        y = (-du * math.sin(a) + dv * math.cos(a)) / ay
        d = x * x + y * y
        if d < 1.6:
            # Soft edge: full darkness inside, fading out over the rim.
            weight = 1.0 if d < 0.5 else (1.6 - d) / 1.1
            b *= 1 - darkness * weight
    for cx, cy, radius, brightness, rays in CRATERS:
        du, dv = u - cx, v - cy
        dist = math.hypot(du, dv)
        if dist < radius:
            b = b + (1 - b) * brightness
        elif dist < radius * 1.6:
            b *= 0.85  # the crater's shadowed wall
        if rays > 0 and radius < dist < rays:
            direction = math.atan2(dv, du)
            streak = max(0.0, math.cos(direction * 7)) ** 8
            b = b + (1 - b) * 0.25 * streak * (1 - dist / rays)
    return min(1.0, max(0.0, b))


def disc_rows(centre_x, centre_y, radius):
    """The disc row by row: {y: (first x, last x)}, as the program's shadow and mask."""
    rows = {}
    for dy in range(radius + 1):
        half = round(math.sqrt(radius * radius - dy * dy))  # ties to even, as nearbyint
        for y in (centre_y + dy, centre_y - dy):
            rows[y] = (centre_x - half, centre_x + half)
    return rows


def inside(rows, x, y):
    return y in rows and rows[y][0] <= x <= rows[y][1]


def brightness_grid(size, centre_x, centre_y, radius):
    """Brightness of every disc pixel, averaged over SUPERSAMPLE^2 samples."""
    rows = disc_rows(centre_x, centre_y, radius)
    # The disc spans the pixels centre - half ... centre + half; its drawn radius is half a
    # pixel more than the geometry's.
    scale = radius + 0.5
    grid = {}
    for y in range(size):
        for x in range(size):
            if not inside(rows, x, y):
                continue
            total = 0.0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    u = (x + (sx + 0.5) / SUPERSAMPLE - 0.5 - centre_x) / scale
                    v = (y + (sy + 0.5) / SUPERSAMPLE - 0.5 - centre_y) / scale
                    if u * u + v * v > 1:
                        u, v = u / math.hypot(u, v), v / math.hypot(u, v)
                    total += surface_brightness(u, v)
            grid[(x, y)] = total / SUPERSAMPLE ** 2
    return grid


def classic_index(level, x, y):
    """The nearest grey of the 16-colour palette; a light ordered dither only in the middle
    of the step between two greys, so flat areas stay flat."""
    threshold = 0.5 + 0.25 * ((BAYER4[y % 4][x % 4] + 0.5) / 16 - 0.5)
    for (low_index, low), (high_index, high) in zip(CLASSIC_GREYS, CLASSIC_GREYS[1:]):
        if level <= high:
            fraction = (level - low) / (high - low)
            return high_index if fraction > threshold else low_index
    return CLASSIC_GREYS[-1][0]


def color_palette():
    palette = []
    for i in range(COLOR_LEVELS):
        v = i / (COLOR_LEVELS - 1)
        palette.append((round(255 * v), round(248 * v), round(232 * v)))  # warm grey
    palette.append(COLOR_BACKGROUND)
    while len(palette) < 256:
        palette.append((0, 0, 0))
    return palette


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def write_png(path, size, rows_of_indices, bit_depth, color_type, palette=None):
    """rows_of_indices: size rows of size values (palette indices, or 0/1 for 1-bit grey)."""
    raw = bytearray()
    per_byte = 8 // bit_depth
    for row in rows_of_indices:
        raw.append(0)  # no filter
        for i in range(0, size, per_byte):
            byte = 0
            for j in range(per_byte):
                value = row[i + j] if i + j < size else 0
                byte |= value << (8 - bit_depth * (j + 1))
            raw.append(byte)
    header = struct.pack(">IIBBBBB", size, size, bit_depth, color_type, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
    if palette is not None:
        data += png_chunk(b"PLTE", bytes(c for rgb in palette for c in rgb))
    data += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources", "moon")
    os.makedirs(folder, exist_ok=True)
    palette256 = color_palette()
    for suffix, size, cx, cy, radius in SIZES:
        grid = brightness_grid(size, cx, cy, radius)
        classic = [[classic_index(grid[(x, y)], x, y) if (x, y) in grid else CLASSIC_BACKGROUND
                    for x in range(size)] for y in range(size)]
        color = [[round(grid[(x, y)] * (COLOR_LEVELS - 1)) if (x, y) in grid else COLOR_BACKGROUND_INDEX
                  for x in range(size)] for y in range(size)]
        mask = [[0 if (x, y) in grid else 1 for x in range(size)] for y in range(size)]
        write_png(os.path.join(folder, f"MOON_{suffix}.png"), size, classic, 4, 3, VGA16)
        write_png(os.path.join(folder, f"MOON_COLOR_{suffix}.png"), size, color, 8, 3, palette256)
        write_png(os.path.join(folder, f"MOON_BW_{suffix}.png"), size, mask, 1, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())

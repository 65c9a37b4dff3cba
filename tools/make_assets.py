#!/usr/bin/env python3
"""Draws Kaleidra's icon (resources/kaleidra.ico, and for the desktop's icon theme
packaging/linux/icons/SIZE.png and scalable.svg), its splash picture (resources/splash.bmp), the Image List
heading (resources/listhead.bmp) and the About picture (resources/bricks.bmp).

Run by hand from the repository's top folder after changing a drawing, and commit the
files; the build embeds them. The same script always writes the same bytes.
"""
import math
import struct
import sys
import zlib
from pathlib import Path

# The standard 16-colour palette, in the order every 4-bit icon uses.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
NAVY, SILVER, RED, YELLOW, LIME, BLUE, FUCHSIA, AQUA, WHITE = 4, 7, 9, 11, 10, 12, 13, 14, 15
TRANSPARENT = None

WHITE_RGB = (255, 255, 255)
TEXT_BLUE = (0, 0, 255)
TEXT_SHADOW = (178, 186, 236)
LEAD = (22, 26, 70)
JEWELS = [(214, 32, 58), (247, 168, 20), (24, 160, 84), (30, 96, 214), (128, 52, 190),
          (18, 170, 190), (236, 84, 150), (250, 214, 60)]


def fold(x, y, mirrors):
    """Folds a point into one wedge of a kaleidoscope with `mirrors` mirror pairs."""
    wedge = math.pi / mirrors
    a = math.atan2(y, x) % (2 * wedge)
    if a > wedge:
        a = 2 * wedge - a
    r = math.hypot(x, y)
    return r * math.cos(a), r * math.sin(a)


# ---- Icon: a six-part pinwheel of glass in a navy ring, transparent outside.

def icon_pixel(u, v, size):
    """Palette index at (u, v) in [-1, 1]; `size` thickens the lines of the small image."""
    r = math.hypot(u, v)
    edge = 2.0 / size
    if r > 1.0:
        return TRANSPARENT
    if r > 1.0 - 1.6 * edge:
        return NAVY
    if r < 0.28:
        return WHITE if r < 0.28 - 1.2 * edge else NAVY
    turn = (math.atan2(v, u) + 1.1 * r) / (math.pi / 3)
    part = math.floor(turn) % 6
    if size >= 32 and (turn - math.floor(turn)) < 1.5 * edge / max(r, 0.3):
        return NAVY
    return [RED, YELLOW, LIME, AQUA, BLUE, FUCHSIA][part]


def draw_icon(size):
    """Rows top first; each pixel is the colour most of its 4 x 4 samples fall on."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            votes = {}
            for sy in range(4):
                for sx in range(4):
                    u = (x + (sx + 0.5) / 4) * 2 / size - 1
                    v = 1 - (y + (sy + 0.5) / 4) * 2 / size
                    colour = icon_pixel(u, v, size)
                    votes[colour] = votes.get(colour, 0) + 1
            row.append(max(votes, key=lambda c: (votes[c], -1 if c is None else c)))
        rows.append(row)
    return rows


def icon_image(rows):
    """One 4-bit icon image: header, palette, colour rows and AND mask, bottom row first."""
    size = len(rows)
    colour_stride = (size * 4 + 31) // 32 * 4
    mask_stride = (size + 31) // 32 * 4
    colour, mask = bytearray(), bytearray()
    for row in reversed(rows):
        line = [0 if c is TRANSPARENT else c for c in row]
        packed = bytes((line[i] << 4) | line[i + 1] for i in range(0, size, 2))
        colour += packed.ljust(colour_stride, b"\0")
        bits = 0
        for i, c in enumerate(row):
            if c is TRANSPARENT:
                bits |= 1 << (mask_stride * 8 - 1 - i)
        mask += bits.to_bytes(mask_stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    return header + palette + bytes(colour) + bytes(mask)


def make_icon():
    images = [icon_image(draw_icon(size)) for size in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


# ---- The icon for the desktop's icon theme: full colour, smooth edges, any size.

THEME_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def theme_icon_pixel(x, y, size):
    """RGBA of one pixel: the mean of 4 x 4 samples; above 32 pixels the lines keep the
    32-pixel image's weight, so the big icons look like it enlarged."""
    weight = min(size, 32)
    red = green = blue = alpha = 0
    for sy in range(4):
        for sx in range(4):
            u = (x + (sx + 0.5) / 4) * 2 / size - 1
            v = 1 - (y + (sy + 0.5) / 4) * 2 / size
            colour = icon_pixel(u, v, weight)
            if colour is not TRANSPARENT:
                r, g, b = VGA[colour]
                red, green, blue, alpha = red + r, green + g, blue + b, alpha + 1
    if alpha == 0:
        return (0, 0, 0, 0)
    return (red // alpha, green // alpha, blue // alpha, alpha * 255 // 16)


def png(width, height, rows):
    """A PNG of 8-bit RGBA rows."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def make_theme_icon(size):
    return png(size, size, [[theme_icon_pixel(x, y, size) for x in range(size)] for y in range(size)])


def svg_spiral(part, r):
    """A point of the line between two parts, at radius r, in the 256-unit square."""
    a = part * math.pi / 3 - 1.1 * r
    return f"{128 + 128 * r * math.cos(a):.2f},{128 - 128 * r * math.sin(a):.2f}"


def make_scalable_icon():
    """The icon's drawing as SVG, with the 32-pixel image's line weights: the parts run from
    the centre to the rim, and the lines, ring and hub are drawn over them."""
    navy = "#%02x%02x%02x" % VGA[NAVY]
    radii = [i / 16 for i in range(17)]
    shapes = []
    for part, colour in enumerate([RED, YELLOW, LIME, AQUA, BLUE, FUCHSIA]):
        out = " L".join(svg_spiral(part, r) for r in radii)
        back = " L".join(svg_spiral(part + 1, r) for r in reversed(radii))
        shapes.append(f'<path fill="#%02x%02x%02x" d="M{out} A128,128 0 0,0 {back} Z"/>' % VGA[colour])
    for part in range(6):
        line = " ".join(svg_spiral(part, r) for r in radii[4:-1])
        shapes.append(f'<polyline fill="none" stroke="{navy}" stroke-width="12.5" points="{line}"/>')
    shapes += [f'<circle cx="128" cy="128" r="121.6" fill="none" stroke="{navy}" stroke-width="12.8"/>',
               f'<circle cx="128" cy="128" r="35.84" fill="{navy}"/>',
               '<circle cx="128" cy="128" r="26.24" fill="#ffffff"/>']
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            + "".join(f"  {shape}\n" for shape in shapes) + "</svg>\n").encode()


# ---- Splash: a stained-glass kaleidoscope fading into white, with the name below.

SPLASH_W, SPLASH_H = 257, 265
CENTRE_X, CENTRE_Y, RADIUS = 128.0, 104.0, 100.0


def glass_seeds():
    """Pieces of glass in one wedge, from a fixed linear congruential sequence."""
    state, seeds = 20260, []
    for i in range(15):
        state = (state * 1103515245 + 12345) % 2**31
        radius = RADIUS * (0.12 + 0.88 * (i + (state % 1000) / 1000) / 15)
        state = (state * 1103515245 + 12345) % 2**31
        angle = (math.pi / 6) * (state % 1000) / 1000
        seeds.append((radius * math.cos(angle), radius * math.sin(angle), JEWELS[i % len(JEWELS)]))
    return seeds


def glass_colour(x, y, seeds):
    """Colour of the kaleidoscope at (x, y) from its centre, before the fade."""
    fx, fy = fold(x, y, 6)
    dists = sorted((math.hypot(fx - sx, fy - sy), colour) for sx, sy, colour in seeds)
    (d1, colour), (d2, _) = dists[0], dists[1]
    if d2 - d1 < 2.2:
        return LEAD
    glow = 0.78 + 0.42 * max(0.0, 1 - d1 / 26)
    return tuple(min(255, c * glow) for c in colour)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def splash_sample(x, y, seeds):
    dx, dy = x - CENTRE_X, y - CENTRE_Y
    r = math.hypot(dx, dy) / RADIUS
    if r >= 1.0:
        return WHITE_RGB
    fade = 0.0 if r < 0.62 else ((r - 0.62) / 0.38) ** 1.6
    return mix(glass_colour(dx, dy, seeds), WHITE_RGB, fade)


FONT = {
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "l": [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    ".": ["..", "..", "..", "..", "..", "##", "##"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "g": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def text_cells(text, scale, top, picture_width=SPLASH_W, tall=None):
    """The pixels a line of text covers, centred across the picture; `tall` stretches rows.
    A glyph's rows past the seventh hang below the line."""
    tall = tall or scale
    width = sum(len(FONT[ch][0]) + 1 for ch in text) - 1
    left = (picture_width - width * scale) // 2
    cells = set()
    for ch in text:
        for row, line in enumerate(FONT[ch]):
            for col, bit in enumerate(line):
                if bit == "#":
                    cells.update((left + col * scale + i, top + row * tall + j)
                                 for i in range(scale) for j in range(tall))
        left += (len(FONT[ch][0]) + 1) * scale
    return cells


def shadow_then_text(pixels, cells, shadow, colour_at):
    """Draws a one-pixel drop shadow, then the lettering over it."""
    for x, y in cells:
        if (x + 1, y + 1) not in cells:
            pixels[y + 1][x + 1] = shadow
    for x, y in cells:
        pixels[y][x] = colour_at(x, y)


def draw_splash():
    seeds = glass_seeds()
    pixels = []
    for y in range(SPLASH_H):
        row = []
        for x in range(SPLASH_W):
            samples = [splash_sample(x + (i + 0.5) / 3, y + (j + 0.5) / 3, seeds)
                       for j in range(3) for i in range(3)]
            row.append(tuple(round(sum(c[k] for c in samples) / 9) for k in range(3)))
        pixels.append(row)
    for cells in (text_cells("Kaleidra", 3, 214), text_cells("3.0", 2, 242)):
        shadow_then_text(pixels, cells, TEXT_SHADOW, lambda x, y: TEXT_BLUE)
    return pixels


def median_cut(histogram, count):
    """Up to `count` colours for a {colour: pixels} histogram, and each colour's entry."""
    boxes = [sorted(histogram.items())]
    while len(boxes) < count:
        def spread(box):
            return max(max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3))
        box = max(boxes, key=lambda b: (spread(b) * sum(n for _, n in b), len(b)))
        if len(box) < 2:
            break
        channel = max(range(3), key=lambda k: max(c[k] for c, _ in box) - min(c[k] for c, _ in box))
        box.sort(key=lambda item: (item[0][channel], item[0]))
        half, total, cut = sum(n for _, n in box) / 2, 0, 1
        for cut, (_, n) in enumerate(box[:-1], 1):
            total += n
            if total >= half:
                break
        boxes.remove(box)
        boxes += [box[:cut], box[cut:]]
    palette, entry = [], {}
    for box in boxes:
        pixels = sum(n for _, n in box)
        mean = tuple(round(sum(c[k] * n for c, n in box) / pixels) for k in range(3))
        for colour, _ in box:
            entry[colour] = len(palette)
        palette.append(mean)
    return palette, entry


def bmp8(pixels, exact):
    """An 8-bit BMP file of rows top first; the `exact` colours keep palette entries of their own."""
    height, width = len(pixels), len(pixels[0])
    histogram = {}
    for row in pixels:
        for colour in row:
            if colour not in exact:
                histogram[colour] = histogram.get(colour, 0) + 1
    palette, entry = median_cut(histogram, 256 - len(exact))
    entry.update({colour: len(palette) + i for i, colour in enumerate(exact)})
    palette += exact
    stride = (width + 3) // 4 * 4
    bits = b"".join(bytes(entry[c] for c in row).ljust(stride, b"\0") for row in reversed(pixels))
    offset = 14 + 40 + 4 * 256
    out = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(bits), 0, 0, 256, 0)
    out += b"".join(bytes((b, g, r, 0)) for r, g, b in palette).ljust(4 * 256, b"\0")
    return out + bits


def make_splash():
    return bmp8(draw_splash(), [WHITE_RGB, TEXT_BLUE, TEXT_SHADOW, LEAD])


# ---- Image List heading: "Current Image List", shaded from blue to green, on white.

HEADING_W, HEADING_H = 230, 30
HEADING_SHADOW = (188, 204, 214)


def heading_colour(x, y):
    """Blue at the top left turning to green at the bottom right, darker at the letters' feet."""
    t = min(1.0, max(0.0, 0.75 * x / HEADING_W + 0.25 * (y - 2) / 21))
    shade = 1.0 - 0.25 * min(1.0, (y - 2) / 21)
    return tuple(round(c * shade) for c in mix((0, 40, 230), (0, 170, 60), t))


def draw_heading():
    pixels = [[WHITE_RGB] * HEADING_W for _ in range(HEADING_H)]
    cells = text_cells("Current Image List", 2, 2, HEADING_W, tall=3)
    shadow_then_text(pixels, cells, HEADING_SHADOW, heading_colour)
    return pixels


def make_heading():
    return bmp8(draw_heading(), [WHITE_RGB, HEADING_SHADOW])


# ---- About picture: a pale grey and white brick wall.

BRICKS_W, BRICKS_H = 303, 203
BRICK_W, BRICK_H, JOINT = 36, 14, 2
MORTAR = (214, 214, 214)


def brick_tone(column, course):
    """Each brick its own pale shade, from a fixed sequence."""
    state = (column * 7919 + course * 104729 + 20260) % 2**31
    state = (state * 1103515245 + 12345) % 2**31
    return 236 + state % 20


def draw_bricks():
    pixels = []
    for y in range(BRICKS_H):
        course, v = divmod(y, BRICK_H + JOINT)
        shift = (BRICK_W + JOINT) // 2 if course % 2 else 0
        row = []
        for x in range(BRICKS_W):
            column, u = divmod(x + shift, BRICK_W + JOINT)
            if v >= BRICK_H or u >= BRICK_W:
                row.append(MORTAR)
                continue
            tone = brick_tone(column, course)
            grain = (x * 31 + y * 17 + column) % 7 == 0
            tone -= 6 if grain else 0
            tone -= 8 if v == BRICK_H - 1 or u == BRICK_W - 1 else 0
            row.append((tone, tone, min(255, tone + 2)))
        pixels.append(row)
    return pixels


def make_bricks():
    return bmp8(draw_bricks(), [WHITE_RGB, MORTAR])


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "resources")
    (folder / "kaleidra.ico").write_bytes(make_icon())
    (folder / "splash.bmp").write_bytes(make_splash())
    (folder / "listhead.bmp").write_bytes(make_heading())
    (folder / "bricks.bmp").write_bytes(make_bricks())
    icons = Path(sys.argv[2] if len(sys.argv) > 2 else "packaging/linux/icons")
    icons.mkdir(parents=True, exist_ok=True)
    for size in THEME_ICON_SIZES:
        (icons / f"{size}.png").write_bytes(make_theme_icon(size))
    (icons / "scalable.svg").write_bytes(make_scalable_icon())


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Draws app/mozhou.ico, the program's icon: an ink-black covered boat (墨舟, the ink boat) on a
warm paper-coloured rounded square, with two brush strokes of water under it and a small red seal
in the corner.

The icon holds five images, 128, 64, 48, 32 and 16 pixels square, each a 32-bit DIB with straight
alpha and the 1-bit mask Windows expects after it. Every pixel is computed here: each shape is a
test of a point, and a pixel is the average of a grid of points inside it, so the edges come out
smooth. The small sizes leave out what would only blur (the line between canopy and deck, the seal's
inner line, the second water stroke).

usage: tools/gen_icon.py [--output FILE]
"""

import argparse
import math
import pathlib
import struct

DEFAULT_OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "app" / "mozhou.ico"
SIZES = (128, 64, 48, 32, 16)

PAPER_TOP = (247, 237, 214)
PAPER_BOTTOM = (234, 216, 180)
PAPER_EDGE = (176, 148, 102)
INK = (30, 28, 26)
WATER = (84, 100, 108)
SEAL = (184, 52, 40)

# The paper square and its corner radius, in units of the icon's side.
MARGIN = 0.03
RADIUS = 0.19


def insideRoundedSquare(x, y, inset):
    low, high = MARGIN + inset, 1.0 - MARGIN - inset
    radius = max(RADIUS - inset, 0.0)
    if x < low or x > high or y < low or y > high:
        return False
    cornerX = min(max(x, low + radius), high - radius)
    cornerY = min(max(y, low + radius), high - radius)
    return (x - cornerX) ** 2 + (y - cornerY) ** 2 <= radius * radius


# The hull: both edges meet in upturned points at bow and stern; the bottom bellies down.
HULL_LEFT, HULL_RIGHT = 0.09, 0.91
HULL_DECK = 0.62


def insideHull(x, y):
    if x <= HULL_LEFT or x >= HULL_RIGHT:
        return False
    t = (x - 0.5) / ((HULL_RIGHT - HULL_LEFT) / 2)
    top = HULL_DECK - 0.12 * t**4
    bottom = top + 0.13 * (1.0 - t * t) ** 0.75
    return top <= y <= bottom


# The canopy: a half-ellipse standing on the deck, a little off centre towards the stern.
CANOPY_X, CANOPY_RX, CANOPY_RY = 0.45, 0.22, 0.20


def insideCanopy(x, y):
    if y > HULL_DECK + 0.005:
        return False
    dx = (x - CANOPY_X) / CANOPY_RX
    dy = (y - HULL_DECK) / CANOPY_RY
    return dx * dx + dy * dy <= 1.0


def onWaterStroke(x, y, centreY, left, right, thickness):
    """A brush stroke: a gentle wave that swells in the middle and tapers to points."""
    if x <= left or x >= right:
        return False
    s = (x - left) / (right - left)
    half = thickness / 2 * math.sin(math.pi * s) ** 0.8
    waveY = centreY + 0.012 * math.sin(2 * math.pi * (1.5 * s + 0.1))
    return abs(y - waveY) <= half


# The punting pole at the stern, from its top down into the water.
POLE_TOP = (0.80, 0.17)
POLE_BOTTOM = (0.66, 0.84)


def onPole(x, y, width):
    (x0, y0), (x1, y1) = POLE_TOP, POLE_BOTTOM
    dx, dy = x1 - x0, y1 - y0
    t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)
    if t < 0.0 or t > 1.0:
        return False
    distance = abs((x - x0) * dy - (y - y0) * dx) / math.hypot(dx, dy)
    return distance <= width / 2


SEAL_LEFT, SEAL_TOP, SEAL_SIDE = 0.13, 0.13, 0.14


def insideSeal(x, y):
    return SEAL_LEFT <= x <= SEAL_LEFT + SEAL_SIDE and SEAL_TOP <= y <= SEAL_TOP + SEAL_SIDE


def onSealLine(x, y, inset, width):
    low = inset
    high = SEAL_SIDE - inset
    u, v = x - SEAL_LEFT, y - SEAL_TOP
    if not (low <= u <= high and low <= v <= high):
        return False
    return min(u - low, high - u, v - low, high - v) < width


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def sampleColour(x, y, size):
    """The colour and alpha at one point of the icon, painted back to front."""
    pixel = 1.0 / size
    if not insideRoundedSquare(x, y, 0.0):
        return (0.0, 0.0, 0.0), 0.0
    # The paper's edge line is one pixel wide at every size, a little more at the largest.
    edge = pixel * (1.5 if size >= 128 else 1.0)
    if not insideRoundedSquare(x, y, edge):
        colour = PAPER_EDGE
    else:
        colour = mix(PAPER_TOP, PAPER_BOTTOM, (y - MARGIN) / (1 - 2 * MARGIN))

    strokes = [(0.80, 0.18, 0.82, max(0.035, 1.2 * pixel))]
    if size >= 32:
        strokes.append((0.87, 0.34, 0.70, max(0.025, 1.0 * pixel)))
    if any(onWaterStroke(x, y, *stroke) for stroke in strokes):
        colour = mix(colour, WATER, 0.55)

    if insideHull(x, y) or insideCanopy(x, y) or onPole(x, y, max(0.022, 1.0 * pixel)):
        colour = INK
        # A thin line of paper where the canopy stands on the deck keeps the two apart.
        if size >= 32 and insideCanopy(x, y) and abs(y - (HULL_DECK - 0.018)) < 0.5 * pixel:
            colour = mix(INK, PAPER_TOP, 0.85)

    if insideSeal(x, y):
        colour = SEAL
        if size >= 64 and onSealLine(x, y, 0.022, 1.0 * pixel):
            colour = mix(SEAL, PAPER_TOP, 0.8)
    return colour, 1.0


def renderImage(size):
    """Rows of (r, g, b, a) bytes, top row first, straight alpha."""
    grid = max(4, 192 // size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            red = green = blue = alpha = 0.0
            for sy in range(grid):
                for sx in range(grid):
                    x = (px + (sx + 0.5) / grid) / size
                    y = (py + (sy + 0.5) / grid) / size
                    colour, a = sampleColour(x, y, size)
                    red += colour[0] * a
                    green += colour[1] * a
                    blue += colour[2] * a
                    alpha += a
            count = grid * grid
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            row.append(
                (
                    round(red / alpha),
                    round(green / alpha),
                    round(blue / alpha),
                    round(255 * alpha / count),
                )
            )
        rows.append(row)
    return rows


def iconEntryBytes(rows):
    """One image of the .ico: BITMAPINFOHEADER (twice the height, for the mask), the BGRA pixels
    from the bottom row up, then the AND mask, set where a pixel is fully transparent."""
    size = len(rows)
    maskStride = (size + 31) // 32 * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for red, green, blue, alpha in row:
            pixels += bytes((blue, green, red, alpha))
        bits = bytearray(maskStride)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0
    )
    return header + bytes(pixels) + bytes(mask)


def iconFileBytes(images):
    """ICONDIR, one ICONDIRENTRY per image, then the images in the same order."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = bytearray()
    data = bytearray()
    for size, image in images:
        side = size if size < 256 else 0
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
        data += image
    return header + bytes(entries) + bytes(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", type=pathlib.Path, default=DEFAULT_OUTPUT)
    args = parser.parse_args()
    images = [(size, iconEntryBytes(renderImage(size))) for size in SIZES]
    icon = iconFileBytes(images)
    args.output.write_bytes(icon)
    print(f"{args.output}: {len(icon)} bytes, sizes {', '.join(str(s) for s in SIZES)}")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes skin/mozhou.skin, the skin image that the program hands to its skinning library.

The format is described in skin/FORMAT.md. The skin is calm on purpose: a warm light grey face
close to the system's button face (so the plain push buttons sit well on it), near-black text,
edit boxes black on white, and a soft grey-brown line around the edit boxes.

usage: tools/gen_skin.py [--output FILE]
"""

import argparse
import pathlib
import struct

DEFAULT_OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "skin" / "mozhou.skin"

MAGIC = b"mzsk"
VERSION = 1
HEADER_LENGTH = 36
MAX_TILE_SIDE = 64

FACE = (0xEF, 0xEC, 0xE5)
TEXT = (0x20, 0x20, 0x20)
EDIT_BACKGROUND = (0xFF, 0xFF, 0xFF)
EDIT_TEXT = (0x00, 0x00, 0x00)
BORDER = (0x8A, 0x82, 0x76)


def colourBytes(rgb):
    red, green, blue = rgb
    return bytes([red, green, blue, 0])


def skinImage(face, text, editBackground, editText, border, tile=None):
    """The image's bytes; tile is None or a list of rows of (r, g, b) pixels, top row first."""
    rows = tile or []
    height = len(rows)
    width = len(rows[0]) if rows else 0
    if width > MAX_TILE_SIDE or height > MAX_TILE_SIDE or any(len(r) != width for r in rows):
        raise ValueError("a tile is a rectangle of at most 64 x 64 pixels")
    length = HEADER_LENGTH + 4 * width * height
    header = MAGIC + struct.pack("<HHHHI", VERSION, width, height, 0, length)
    colours = b"".join(colourBytes(c) for c in (face, text, editBackground, editText, border))
    pixels = b"".join(colourBytes(p) for row in rows for p in row)
    image = header + colours + pixels
    assert len(image) == length
    return image


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", type=pathlib.Path, default=DEFAULT_OUTPUT)
    args = parser.parse_args()
    image = skinImage(FACE, TEXT, EDIT_BACKGROUND, EDIT_TEXT, BORDER)
    args.output.write_bytes(image)
    print(f"{args.output}: {len(image)} bytes")


if __name__ == "__main__":
    main()

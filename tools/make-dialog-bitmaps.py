#!/usr/bin/env python3
"""Writes the four toolbar bitmaps of the message dialog's details pane.

Each is a 16 x 16, 16-colour (4 bits per pixel) BMP on a pure red background; the dialog
loads red as the transparent colour. Run from anywhere: the files land in resources/.
"""
import pathlib
import struct

# The classic 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# One letter per palette entry used in the drawings below; "." is the red background.
INK = {"k": 0, "o": 3, "n": 4, "s": 7, "g": 8, ".": 9, "l": 10, "y": 11, "b": 12, "w": 15}

# Two overlapping text pages.
COPY = """
................
.kkkkkkkk.......
.kwwwwwwk.......
.kwnnnnwk.......
.kwwwwwwk.......
.kwnnnkkkkkkkkk.
.kwwwwkwwwwwwwk.
.kwnnnkwnnnnnwk.
.kwwwwkwwwwwwwk.
.kwnnnkwnnnnnwk.
.kkkkkkwwwwwwwk.
......kwnnnnnwk.
......kwwwwwwwk.
......kwnnnnnwk.
......kwwwwwwwk.
......kkkkkkkkk.
"""

# A floppy disk: metal shutter above, white label below.
SAVE = """
................
.kkkkkkkkkkkkkk.
.knnssssssssnnk.
.knnsssssgssnnk.
.knnsssssgssnnk.
.knnsssssgssnnk.
.knnssssssssnnk.
.knnnnnnnnnnnnk.
.knnnnnnnnnnnnk.
.knwwwwwwwwwwnk.
.knwkkkkkkkkwnk.
.knwwwwwwwwwwnk.
.knwkkkkkkkkwnk.
.knwwwwwwwwwwnk.
.kkkkkkkkkkkkkk.
................
"""

# A printer with a page going in at the top and one coming out at the bottom.
PRINT = """
....kkkkkkkk....
....kwwwwwwk....
....kwnnnnwk....
....kwwwwwwk....
....kwnnnnwk....
..kkkkkkkkkkkk..
.kssssssssssssk.
.kssssssssssssk.
.ksssssssssslsk.
.kggggggggggggk.
.kgkkkkkkkkkkgk.
.kggwwwwwwwwggk.
..kkwwwwwwwwkk..
....kwnnnnwk....
....kwwwwwwk....
....kkkkkkkk....
"""

# A help book with a blue question mark on its cover.
HELP = """
................
..kkkkkkkkkkkk..
..koyyyyyyyyyk..
..koyybbbbbyyk..
..koybbyyybbyk..
..koyyyyyybbyk..
..koyyyyybbyyk..
..koyyyybbyyyk..
..koyyyybbyyyk..
..koyyyyyyyyyk..
..koyyyybbyyyk..
..koyyyybbyyyk..
..kokkkkkkkkkk..
..kowwwwwwwwwk..
..kkkkkkkkkkkk..
................
"""


def bmp_bytes(drawing: str) -> bytes:
    rows = drawing.strip().splitlines()
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), "drawings are 16 x 16"
    pixels = bytearray()
    for row in reversed(rows):  # BMP rows run bottom-up
        for left, right in zip(row[0::2], row[1::2]):
            pixels.append(INK[left] << 4 | INK[right])
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    return file_header + info_header + palette + bytes(pixels)


def main() -> None:
    folder = pathlib.Path(__file__).resolve().parent.parent / "resources"
    for name, drawing in {"COPY": COPY, "SAVE": SAVE, "PRINT": PRINT, "HELP": HELP}.items():
        (folder / f"{name}.bmp").write_bytes(bmp_bytes(drawing))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the program's pictures and writes them as Windows resources:
MAINICON.ico (32 x 32, 16 colours: three grey file folders) and FEDITBMP.bmp (14 x 12,
16 colours: an open folder with a small curved arrow on magenta). Run it after changing a
picture; its output is committed beside it."""
import struct
from pathlib import Path

# The standard 16-colour palette, index: (r, g, b).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, SILVER, GREY, WHITE, MAGENTA, NAVY = 0, 7, 8, 15, 13, 4
CLEAR = None


def folder(canvas, x, y):
    """A closed file folder, 18 x 13, top-left at x, y: tab, body, outline and highlight."""
    width, height = 18, 13
    for col in range(1, 7):
        canvas[y][x + col] = BLACK
    for col in range(1, 7):
        canvas[y + 1][x + col] = SILVER if col > 1 else BLACK
    canvas[y + 1][x + 7] = BLACK
    for row in range(2, height):
        for col in range(width):
            edge = row in (2, height - 1) or col in (0, width - 1)
            canvas[y + row][x + col] = BLACK if edge else (WHITE if row == 3 or col == 1 else
                                                           (GREY if row == height - 2 else SILVER))


def icon_pixels():
    canvas = [[CLEAR] * 32 for _ in range(32)]
    for x, y in ((1, 2), (7, 9), (13, 17)):  # back to front
        folder(canvas, x, y)
    return canvas


def bitmap_pixels():
    art = [
        "MMMMMMMMMMMMMM",
        "MMMMMMMMMNNNMM",
        "MKKKKMMMMMMNMN",
        "KYWYWKMMMMMNNN",
        "KWYWYWKKKKKKMM",
        "KYWYWYWYWYWKMM",
        "KWYWYKKKKKKKKK",
        "KYWYKYYYYYYYKK",
        "KWYKYYYYYYYKKM",
        "KYKYYYYYYYKKMM",
        "KKYYYYYYYYKMMM",
        "KKKKKKKKKKKMMM",
    ]
    colours = {"M": MAGENTA, "K": BLACK, "Y": 3, "W": SILVER, "N": NAVY}
    return [[colours[c] for c in row] for row in art]


def dib_rows(pixels, width):
    """4-bit rows, bottom-up, each padded to 4 bytes."""
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for row in reversed(pixels):
        nibbles = [(p if p is not None else 0) for p in row]
        data = bytes((nibbles[i] << 4) | (nibbles[i + 1] if i + 1 < width else 0)
                     for i in range(0, width, 2))
        rows.append(data.ljust(stride, b"\0"))
    return b"".join(rows)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def write_icon(path, pixels):
    size = 32
    xor = dib_rows(pixels, size)
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    image = header + palette_bytes() + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    Path(path).write_bytes(directory + image)


def write_bitmap(path, pixels):
    height, width = len(pixels), len(pixels[0])
    data = dib_rows(pixels, width)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 0, 0, 16, 0)
    offset = 14 + len(info) + 64
    Path(path).write_bytes(struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset) +
                           info + palette_bytes() + data)


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    write_icon(here / "MAINICON.ico", icon_pixels())
    write_bitmap(here / "FEDITBMP.bmp", bitmap_pixels())

#!/usr/bin/env python3
"""Draws the control's own toolbox bitmap (16 x 15) and design-time icon (32 x 32).

Run by hand when the pictures change; its output is committed beside it.
The picture: a menu with a highlighted gradient bar and three text lines."""
import struct


def picture(width, height):
    """Returns rows (top first) of (r, g, b, a) pixels."""
    def px(x, y):
        sx, sy = x * 16 / width, y * 16 / height
        # frame
        if sx < 1 or sx >= 15 or sy < 1 or sy >= 15.5:
            return (0, 0, 0, 0)
        if sx < 1.5 or sx >= 14.5 or sy < 1.5 or sy >= 15:
            return (64, 64, 96, 255)
        if sx < 4:  # icon column
            return (200, 190, 230, 255)
        if 6 <= sy < 9:  # highlight bar: gold to crimson
            t = (sx - 4) / 10.5
            return (int(240 - 60 * t), int(200 - 150 * t), int(60 + 20 * t), 255)
        if sy in (3.5,) or (3 <= sy < 4 or 11 <= sy < 12) and sx < 12:
            return (40, 40, 40, 255)
        return (250, 248, 240, 255)
    return [[px(x, y) for x in range(width)] for y in range(height)]


def write_bmp(path, width, height):
    rows = picture(width, height)
    stride = (width * 3 + 3) & ~3
    data = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("BBB", b, g, r) if a else struct.pack("BBB", 192, 192, 192)
                        for r, g, b, a in row)
        data += line + b"\0" * (stride - width * 3)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 54) + header + data)


def write_ico(path, size):
    rows = picture(size, size)
    xor = b"".join(struct.pack("BBBB", b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    andmask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
    image = header + xor + andmask
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22))
        f.write(image)


if __name__ == "__main__":
    write_bmp("toolbox.bmp", 16, 15)
    write_ico("brocade.ico", 32)

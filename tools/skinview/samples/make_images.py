#!/usr/bin/env python3
"""Draws the small PNG images the sample skins use (run from anywhere; writes images/)."""
import os
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "images")


def write_png(name, width, height, pixel):
    rows = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(png)


def frame(x, y):
    # A 4-pixel dark blue rim around a light centre: stretched by its corners.
    rim = x < 4 or y < 4 or x >= 12 or y >= 12
    return (20, 40, 120, 255) if rim else (200, 220, 255, 255)


def checker(x, y):
    return (220, 30, 30, 255) if (x // 4 + y // 4) % 2 == 0 else (255, 255, 255, 255)


def disc(x, y):
    # A green disc whose edge fades out, on a fully transparent square.
    d = ((x - 7.5) ** 2 + (y - 7.5) ** 2) ** 0.5
    alpha = 255 if d < 5 else max(0, int(255 * (8 - d) / 3)) if d < 8 else 0
    return (0, 160, 0, alpha)


def magenta_keyed(x, y):
    # Magenta is the mask colour: those pixels are holes.
    return (255, 0, 255, 255) if (x + y) % 6 < 3 else (0, 0, 0, 255)


if __name__ == "__main__":
    os.makedirs(HERE, exist_ok=True)
    write_png("frame.png", 16, 16, frame)
    write_png("checker.png", 8, 8, checker)
    write_png("disc.png", 16, 16, disc)
    write_png("keyed.png", 12, 12, magenta_keyed)

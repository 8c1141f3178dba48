#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 clayrange developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rebuild clayrange.ico, the Windows icon, from clayrange.svg.

Run from anywhere:  python3 data/icons/make-ico.py [SVG [ICO]]
(defaults: clayrange.svg and clayrange.ico next to this script).
Needs rsvg-convert (Debian: librsvg2-bin) to render and ImageMagick's
convert to decode and quantise; the ICO itself is written here.

Entries, in this order:
  32 x 32, 8 bits (255 colours + AND mask), first: programs that take the
      first image, and LoadImage with size 0, get the window icon's size;
  16, 24, 32, 48 x 32 bits BGRA (with AND mask);
  256 x 256 as PNG.
Windows picks by size, then by the depth closest to the display's, so at
32 x 32 the true-colour image wins on a true-colour screen and the
256-colour one on a low-colour screen.
"""

import os
import struct
import subprocess
import sys
import tempfile

TRUE_COLOUR_SIZES = (16, 24, 32, 48)
PALETTED_SIZE = 32
PNG_SIZE = 256
OPAQUE = 128  # alpha at or above this is opaque in the 1-bit AND mask


def render_png(svg, size, out):
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-f", "png",
                    "-o", out, svg], check=True)


def rgba_of(png, size):
    raw = subprocess.run(["convert", png, "-depth", "8", "rgba:-"], check=True,
                         stdout=subprocess.PIPE).stdout
    if len(raw) != size * size * 4:
        sys.exit(f"{png}: expected {size}x{size} RGBA, got {len(raw)} bytes")
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def and_mask(pixels, size):
    """Bottom-up 1-bit rows, each padded to 32 bits; 1 = transparent."""
    stride = (size + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if pixels[y * size + x][3] < OPAQUE:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bitmap_header(size, bits, image_bytes):
    # Icon DIBs give twice the height: the XOR image and the AND mask.
    return struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, image_bytes,
                       0, 0, 0, 0)


def true_colour_dib(pixels, size):
    xor = bytearray()
    for y in reversed(range(size)):
        for r, g, b, a in pixels[y * size:(y + 1) * size]:
            xor += bytes((b, g, r, a))
    mask = and_mask(pixels, size)
    return bitmap_header(size, 32, len(xor) + len(mask)) + bytes(xor) + mask


def quantise(pixels, colours):
    """ImageMagick's colour reduction, without dithering, of the opaque pixels.

    The pixels go over as one row so that the answer comes back in order, and
    transparent ones stay out so they take no share of the palette.
    """
    opaque = [p[:3] for p in pixels if p[3] >= OPAQUE]
    ppm = b"P6\n%d 1\n255\n" % len(opaque) + b"".join(bytes(p) for p in opaque)
    raw = subprocess.run(["convert", "ppm:-", "+dither", "-colors", str(colours),
                          "-depth", "8", "rgb:-"], input=ppm, check=True,
                         stdout=subprocess.PIPE).stdout
    reduced = iter(tuple(raw[i:i + 3]) for i in range(0, len(raw), 3))
    return [next(reduced) if p[3] >= OPAQUE else None for p in pixels]


def paletted_dib(pixels, size):
    # Index 0 is black for the transparent pixels: the screen ANDed with the
    # mask's 1s, then XORed with 0, stays as it was.
    reduced = quantise(pixels, 255)
    palette = [(0, 0, 0)]
    index = {}
    for c in reduced:
        if c is not None and c not in index:
            index[c] = len(palette)
            palette.append(c)
    if len(palette) > 256:
        sys.exit(f"quantising left {len(palette) - 1} colours")
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (size + 3) // 4 * 4
    xor = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            c = reduced[y * size + x]
            row[x] = 0 if c is None else index[c]
        xor += row
    mask = and_mask(pixels, size)
    rgbquads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return bitmap_header(size, 8, len(xor) + len(mask)) + rgbquads + bytes(xor) + mask


def write_ico(path, entries):
    """entries: (size, bits, data); 256 is written as 0 in the directory."""
    offset = 6 + 16 * len(entries)
    head = struct.pack("<HHH", 0, 1, len(entries))
    body = b""
    for size, bits, data in entries:
        head += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits,
                            len(data), offset + len(body))
        body += data
    with open(path, "wb") as f:
        f.write(head + body)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    svg = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "clayrange.svg")
    ico = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "clayrange.ico")
    with tempfile.TemporaryDirectory() as tmp:
        def png(size):
            out = os.path.join(tmp, f"{size}.png")
            if not os.path.exists(out):
                render_png(svg, size, out)
            return out

        entries = [(PALETTED_SIZE, 8,
                    paletted_dib(rgba_of(png(PALETTED_SIZE), PALETTED_SIZE), PALETTED_SIZE))]
        for size in TRUE_COLOUR_SIZES:
            entries.append((size, 32, true_colour_dib(rgba_of(png(size), size), size)))
        with open(png(PNG_SIZE), "rb") as f:
            entries.append((PNG_SIZE, 32, f.read()))
    write_ico(ico, entries)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes a Windows icon file (.ico) from XPM images: icon 128 of the resources, in each size it is
drawn in, for the Windows program's resource script. Run at build time on the build machine.

    xpm-to-ico.py OUTPUT.ico IMAGE.xpm [IMAGE.xpm ...]
"""
import re
import struct
import sys


def read_xpm(path):
    """The XPM's width, height and rows of (r, g, b, a) pixels."""
    with open(path, encoding="ascii") as f:
        strings = re.findall(r'"((?:[^"\\]|\\.)*)"', f.read())
    width, height, colours, cpp = (int(n) for n in strings[0].split()[:4])
    palette = {}
    for line in strings[1:1 + colours]:
        key, fields = line[:cpp], line[cpp:].split()
        value = fields[fields.index("c") + 1]
        palette[key] = (0, 0, 0, 0) if value.lower() == "none" else (
            int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
    rows = []
    for line in strings[1 + colours:1 + colours + height]:
        rows.append([palette[line[x * cpp:(x + 1) * cpp]] for x in range(width)])
    return width, height, rows


def icon_image(width, height, rows):
    """One image of an icon file: a 32-bit BMP without its file header, bottom row first, with the
    AND mask after it (the alpha channel decides; the mask marks the transparent pixels too)."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row_bytes = ((width + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + pixels + mask


def main(output, *images):
    entries = [icon_image(*read_xpm(path)) + b"" for path in images]
    sizes = [read_xpm(path)[:2] for path in images]
    data = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for (width, height), image in zip(sizes, entries):
        data += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(entries)
    with open(output, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])

#!/usr/bin/env python3
"""Writes a Windows icon file that holds the PNG pictures given, one image each.

    ico.py out.ico picture.png...

Windows reads PNG images in icons from Vista on, at every size, and picks the size each place
needs, scaling the nearest one.
"""
import struct
import sys

out, pictures = sys.argv[1], sys.argv[2:]
images = []
for path in pictures:
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("%s: not a PNG picture" % path)
    width, height = struct.unpack(">II", data[16:24])
    images.append((width, height, data))
images.sort()

# The directory: reserved 0, type 1 (icon), the count; then one entry an image, where a width
# or height of 256 is written as 0.
directory = struct.pack("<HHH", 0, 1, len(images))
offset = len(directory) + 16 * len(images)
for width, height, data in images:
    directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open(out, "wb") as f:
    f.write(directory + b"".join(data for _, _, data in images))

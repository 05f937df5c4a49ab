"""Writers for the Windows picture formats the program keeps as resources.

Pictures are lists of rows of RGBA tuples (alpha 0 = transparent), top row first.
"""
import struct


def _dib32(pixels):
    """32-bit BI_RGB DIB with an AND mask, as ICO and CUR entries hold it."""
    height = len(pixels)
    width = len(pixels[0])
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def _icon_dir(kind, images, hotspots):
    out = bytearray(struct.pack('<HHH', 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    blobs = []
    for pixels, hotspot in zip(images, hotspots):
        blob = _dib32(pixels)
        w, h = len(pixels[0]), len(pixels)
        planes_or_x, bits_or_y = (1, 32) if kind == 1 else hotspot
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, planes_or_x, bits_or_y, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def write_ico(path, images):
    with open(path, 'wb') as f:
        f.write(_icon_dir(1, images, [None] * len(images)))


def write_cur(path, pixels, hotspot):
    with open(path, 'wb') as f:
        f.write(_icon_dir(2, [pixels], [hotspot]))


def write_bmp(path, pixels, palette=None):
    """A plain BMP: 4-bit with the given palette (up to 16 RGB colours), else 24-bit."""
    height = len(pixels)
    width = len(pixels[0])
    if palette:
        stride = ((width * 4 + 31) // 32) * 4
        index = {tuple(c[:3]): i for i, c in enumerate(palette)}
        data = bytearray()
        for row in reversed(pixels):
            line = bytearray(stride)
            for x, p in enumerate(row):
                line[x // 2] |= index[tuple(p[:3])] << (4 if x % 2 == 0 else 0)
            data += line
        colours = b''.join(bytes((b, g, r, 0)) for r, g, b in (tuple(c[:3]) for c in palette))
        colours += bytes(4 * (16 - len(palette)))
        bits, used = 4, 16
    else:
        stride = ((width * 24 + 31) // 32) * 4
        data = bytearray()
        for row in reversed(pixels):
            line = bytearray()
            for r, g, b, *_ in row:
                line += bytes((b, g, r))
            line += bytes(stride - len(line))
            data += line
        colours, bits, used = b'', 24, 0
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(data), 2835, 2835, used, 0)
    offset = 14 + len(info) + len(colours)
    head = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(head + info + colours + bytes(data))


def from_art(rows, palette):
    """Pixel art: each character of a row names a colour of the palette ('.' is transparent)."""
    return [[palette.get(ch, (0, 0, 0, 0)) for ch in row] for row in rows]

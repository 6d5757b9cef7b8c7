#!/usr/bin/env python3
"""Compares a picture rasterised from SVG or PDF with the program's BMP.

usage: compare_picture.py PICTURE.bmp OTHER.(png|pgm)

Both are reduced to black and white (darker than middle grey is black). Prints
  size=WxH other=WxH black=N differ=M far=K
where differ counts the pixels black in one picture and white in the other,
and far counts those of them farther than one pixel from an edge of the BMP's
drawing (a pixel whose 3 x 3 neighbourhood in the BMP is all one colour).
"""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, 'rb').read()
    off, = struct.unpack_from('<I', data, 10)
    w, h = struct.unpack_from('<ii', data, 18)
    stride = (w * 3 + 3) // 4 * 4
    rows = []
    for y in range(h):
        base = off + (h - 1 - y) * stride
        row = data[base:base + w * 3]
        rows.append(bytes(1 if row[3 * x] < 128 else 0 for x in range(w)))
    return w, h, rows


def read_pgm(path):
    data = open(path, 'rb').read()
    parts = []
    pos = 0
    while len(parts) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        parts.append(data[start:pos])
    pos += 1
    assert parts[0] == b'P5'
    w, h = int(parts[1]), int(parts[2])
    return w, h, [bytes(1 if v < 128 else 0 for v in data[pos + y * w:pos + (y + 1) * w]) for y in range(h)]


def read_png(path):
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n'
    pos, idat = 8, b''
    while pos < len(data):
        n, kind = struct.unpack_from('>I4s', data, pos)
        body = data[pos + 8:pos + 8 + n]
        if kind == b'IHDR':
            w, h, depth, colour = struct.unpack_from('>IIBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + n
    assert depth == 8 or (depth == 1 and colour == 0)
    bpp = {0: 1, 2: 3, 4: 2, 6: 4}[colour]
    raw = zlib.decompress(idat)
    stride = (w * bpp * depth + 7) // 8
    prev = bytearray(stride)
    rows = []
    for y in range(h):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        prev = line
        out = bytearray(w)
        for x in range(w):
            if depth == 1:
                out[x] = 0 if line[x >> 3] >> (7 - (x & 7)) & 1 else 1
                continue
            v = line[x * bpp]
            if colour in (4, 6) and line[x * bpp + bpp - 1] < 128:
                v = 255  # transparent counts as the white sheet
            out[x] = 1 if v < 128 else 0
        rows.append(bytes(out))
    return w, h, rows


def main():
    w, h, bmp = read_bmp(sys.argv[1])
    other_path = sys.argv[2]
    ow, oh, other = (read_png if other_path.endswith('.png') else read_pgm)(other_path)
    black = sum(sum(r) for r in bmp)
    differ = far = 0
    for y in range(min(h, oh)):
        for x in range(min(w, ow)):
            if bmp[y][x] == other[y][x]:
                continue
            differ += 1
            near = set()
            for yy in range(max(0, y - 1), min(h, y + 2)):
                near.update(bmp[yy][max(0, x - 1):x + 2])
            if len(near) == 1:
                far += 1
    print('size=%dx%d other=%dx%d black=%d differ=%d far=%d' % (w, h, ow, oh, black, differ, far))


main()

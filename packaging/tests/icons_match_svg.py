#!/usr/bin/env python3
"""Checks that the committed icon PNGs are the SVG as it is now: renders the SVG again at each
size with rsvg-convert (what tools/make-icons.sh uses) and compares the pixels, so an edited
SVG without remade PNGs fails. Another librsvg version may anti-alias edges a little
differently, so small differences in a few pixels pass.
Usage: icons_match_svg.py ICON_DIR"""
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib


def decode_png(data):
    """Pixels of an 8-bit, non-interlaced RGB or RGBA PNG as rows of RGBA bytes."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise ValueError(f"unsupported PNG (depth {depth}, colour type {colour}, interlace {interlace})")
    raw, stride, rows, prev = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = prev[i], prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line) if channels == 4 else
                    b"".join(bytes(line[i:i + 3]) + b"\xff" for i in range(0, stride, 3)))
        prev = line
    return width, height, rows


def main():
    icons = pathlib.Path(sys.argv[1])
    if not shutil.which("rsvg-convert"):
        print("FAIL: rsvg-convert is needed (Debian package librsvg2-bin)")
        return 1
    failed = False
    with tempfile.TemporaryDirectory() as tmp:
        for size in (48, 128, 256):
            committed = icons / f"mireldantholm-{size}.png"
            fresh = pathlib.Path(tmp) / f"{size}.png"
            subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size), "--format", "png",
                            str(icons / "mireldantholm.svg"), "--output", str(fresh)], check=True)
            w1, h1, a = decode_png(committed.read_bytes())
            w2, h2, b = decode_png(fresh.read_bytes())
            if (w1, h1) != (w2, h2):
                print(f"FAIL: {committed.name} is {w1}x{h1}, the SVG renders at {w2}x{h2}")
                failed = True
                continue
            # Pixels where some channel differs by more than a quarter of its range.
            off = sum(1 for ra, rb in zip(a, b) for x in range(0, len(ra), 4)
                      if max(abs(ra[x + k] - rb[x + k]) for k in range(4)) > 64)
            share = off / (w1 * h1)
            if share > 0.005:
                print(f"FAIL: {committed.name} differs from the SVG in {off} pixels ({share:.1%}); "
                      "run tools/make-icons.sh")
                failed = True
            else:
                print(f"ok: {committed.name} matches the SVG ({off} pixels differ)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

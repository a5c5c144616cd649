#!/usr/bin/python3
"""Packs a file for the page: raw DEFLATE at the highest level, written as "SIZE BASE64", SIZE the file's own length.

Usage: deflate_base64.py INPUT OUTPUT

The page unpacks it with tiny-inflate, which writes into a buffer of the known size. The same input always gives the
same bytes.
"""
import base64
import sys
import zlib


def main(source, output):
    data = open(source, "rb").read()
    packer = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    packed = packer.compress(data) + packer.flush()
    with open(output, "w", encoding="ascii") as out:
        out.write(f"{len(data)} {base64.b64encode(packed).decode('ascii')}")


if __name__ == "__main__":
    main(*sys.argv[1:])

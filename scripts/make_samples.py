#!/usr/bin/env python3
"""Writes the sample image files for the demo and the tests.

usage: make_samples.py OUTDIR [--big-mib N]

  app.img       XPR application image, version 1.2.3 build 15, buyer "XY"
  boot.bin      CNXT boot image, buyer code 0 ("Free")
  factory.img   "YFW" + XPR factory image
  upload.bin    command file "CMD0"
  big.img       (with --big-mib N) an XPR application image of N MiB
"""
import argparse
import os
import struct


def pattern(size, seed):
    out = bytearray(size)
    x = (seed * 2654435761 + 12345) & 0xFFFFFFFF
    for i in range(size):
        x = (x * 1103515245 + 12345) & 0xFFFFFFFF
        out[i] = (x >> 16) & 0xFF
    return bytes(out)


def xpr(kind, payload, version, build, date, time, buyer):
    header = bytearray(48)
    header[0:3] = b"XPR"
    struct.pack_into("<I", header, 4, 48)
    header[8:11] = kind
    struct.pack_into("<IIIIII", header, 16, len(payload), version, build, date, time, 0)
    header[36:36 + len(buyer)] = buyer
    struct.pack_into("<I", header, 44, sum(payload) & 0xFFFFFFFF)
    return bytes(header) + payload


def cnxt(product, version, buyer, payload):
    header = bytearray(64)
    header[12:16] = b"CNXT"
    struct.pack_into("<II", header, 32, product, version)
    header[44:44 + len(buyer)] = buyer
    return bytes(header) + payload


def write(path, data):
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("outdir")
    parser.add_argument("--big-mib", type=int, default=0)
    args = parser.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    date = (2008 << 16) | (4 << 8) | 3
    time = (11 << 24) | (48 << 16) | (22 << 8)
    write(os.path.join(args.outdir, "app.img"),
          xpr(b"APP", pattern(150_000, 1), 0x01020300, 15, date, time, b"XY"))
    write(os.path.join(args.outdir, "boot.bin"), cnxt(0x20060203, 0x01000000, b"", pattern(40_000, 2)))
    write(os.path.join(args.outdir, "factory.img"),
          b"YFW" + b" " * 13 + xpr(b"FAC", pattern(60_000, 3), 0x00090100, 7, date, time, b"XY"))
    write(os.path.join(args.outdir, "upload.bin"), b"CMD0" + b"\0" * 60)
    if args.big_mib:
        # Repeat a 1 MiB block: the byte sum is easy to form and the file large.
        block = pattern(1 << 20, 4)
        payload_len = args.big_mib << 20
        header = bytearray(48)
        header[0:3] = b"XPR"
        struct.pack_into("<I", header, 4, 48)
        header[8:11] = b"APP"
        struct.pack_into("<IIIIII", header, 16, payload_len, 0x01000000, 1, date, time, 0)
        struct.pack_into("<I", header, 44, (sum(block) * args.big_mib) & 0xFFFFFFFF)
        path = os.path.join(args.outdir, "big.img")
        with open(path + ".tmp", "wb") as f:
            f.write(header)
            for _ in range(args.big_mib):
                f.write(block)
        os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()

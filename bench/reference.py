#!/usr/bin/env python3
"""A plain reference converter for the benchmark: Python's re and base64.

    bench/reference.py [--scheme http|ftp] [--format thunder|flashget|xuanfeng]
                       [--marker TEXT] FILE

An address runs from the scheme prefix to the first CR, LF or FF (or the end);
with a marker, only addresses right after it count, the marker left out.
Addresses under 13 bytes give no line. Writes the lines, each ending in CR LF.
The marker is taken literally and given in UTF-8; the page is GBK.
"""
import argparse
import base64
import re
import sys

WRAP = {
    "thunder": (b"thunder://", b"AA", b"ZZ"),
    "flashget": (b"Flashget://", b"[FLASHGET]", b"[FLASHGET]"),
    "xuanfeng": (b"qqdl://", b"", b""),
}


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--scheme", default="http")
    args.add_argument("--format", default="thunder")
    args.add_argument("--marker", default="")
    args.add_argument("file")
    opts = args.parse_args()

    page = open(opts.file, "rb").read()
    marker = opts.marker.encode("gbk")
    prefix, front, back = WRAP[opts.format]
    pattern = re.compile(re.escape(marker) + b"(" + opts.scheme.encode() + rb"://[^\r\n\f]*)")
    lines = [
        prefix + base64.b64encode(front + m.group(1) + back) + b"\r\n"
        for m in pattern.finditer(page)
        if len(m.group(1)) >= 13
    ]
    sys.stdout.buffer.write(b"".join(lines))


if __name__ == "__main__":
    main()

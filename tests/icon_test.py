#!/usr/bin/env python3
"""The program icon as drawn at build time: three 8-bit images of 16, 32 and
48 pixels, 7406 bytes in all.    icon_test.py ICON"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
reserved, kind, count = struct.unpack_from("<HHH", data)
entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
checks = {
    "7406 bytes": len(data) == 7406,
    "an icon of three images": (reserved, kind, count) == (0, 1, 3),
    "16, 32 and 48 pixels": [(e[0], e[1]) for e in entries] == [(16, 16), (32, 32), (48, 48)],
    "256 colours each": all(e[5] == 8 for e in entries),
    "each image where its entry says": all(e[6] + e[7] <= len(data) for e in entries),
}
failed = [name for name, ok in checks.items() if not ok]
for name in failed:
    print("FAILED", name)
print(f"icon: {len(checks) - len(failed)} passed, {len(failed)} failed")
sys.exit(1 if failed else 0)

#!/usr/bin/env python3
"""Converts a generated 50 MB page with quenlith and with the Python reference
in one run, checks that both give the same bytes, and prints MB/s for each.

    bench/throughput.py [--megabytes N] [--quenlith PATH]
"""
import argparse
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PASSES = [
    ("plain, http, thunder", ["--scheme", "http", "--format", "thunder"], ""),
    ("marker 下载：, ftp, flashget", ["--scheme", "ftp", "--format", "flashget"], "下载："),
]


def timed(command, stdout_path):
    with open(stdout_path, "wb") as out:
        start = time.perf_counter()
        subprocess.run(command, stdout=out, stderr=subprocess.DEVNULL, check=True)
        return time.perf_counter() - start


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--megabytes", type=float, default=50)
    args.add_argument("--quenlith", default=os.path.join(ROOT, "build/native/cli/quenlith"))
    args.add_argument("--repeat", type=int, default=3)
    opts = args.parse_args()

    work = os.path.join(ROOT, "build/bench")
    os.makedirs(work, exist_ok=True)
    page = os.path.join(work, f"page-{opts.megabytes:g}MB.txt")
    if not os.path.exists(page):
        subprocess.run([sys.executable, os.path.join(ROOT, "bench/make_page.py"), page, str(opts.megabytes)], check=True)
    megabytes = os.path.getsize(page) / 1e6

    print(f"page: {page} ({megabytes:.1f} MB); best of {opts.repeat} runs each")
    ok = True
    for name, options, marker in PASSES:
        ours_out, ref_out = os.path.join(work, "quenlith.out"), os.path.join(work, "reference.out")
        gbk_marker = ["--marker", marker.encode("gbk")] if marker else []
        ours = min(timed([opts.quenlith, *options, *gbk_marker, page], ours_out) for _ in range(opts.repeat))
        utf8_marker = ["--marker", marker] if marker else []
        ref = min(timed([sys.executable, os.path.join(ROOT, "bench/reference.py"), *options, *utf8_marker, page], ref_out)
                  for _ in range(opts.repeat))
        same = open(ours_out, "rb").read() == open(ref_out, "rb").read()
        lines = open(ours_out, "rb").read().count(b"\r\n")
        ok &= same
        print(f"{name}: {lines} links, outputs {'identical' if same else 'DIFFER'}; "
              f"quenlith {megabytes / ours:.1f} MB/s ({ours:.2f} s), "
              f"python reference {megabytes / ref:.1f} MB/s ({ref:.2f} s), "
              f"ratio {ref / ours:.2f}x")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()

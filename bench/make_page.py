#!/usr/bin/env python3
"""Writes a deterministic benchmark page in GBK: Chinese text mixed with lines
of http and ftp addresses, some behind the marker 下载：, some too short.

    bench/make_page.py OUT [MEGABYTES]   (default 50)
"""
import random
import sys

WORDS = "资源 下载 软件 工具 文档 说明 版本 更新 镜像 地址 高速 免费 绿色 安装 压缩 手册 常见 问题 最新 推荐".split()
HOSTS = ["downloads.quenlith.example", "mirror.quenlith.example", "cdn.example.org", "files.example.net"]
EXTS = ["rar", "zip", "exe", "iso", "pdf", "7z"]


def address(rng, scheme):
    path = "/".join(rng.choice(["pub", "soft", "docs", "2026", "资料", "v1"]) for _ in range(rng.randint(1, 3)))
    name = rng.choice(WORDS) + str(rng.randint(1, 9999)) + "." + rng.choice(EXTS)
    return f"{scheme}://{rng.choice(HOSTS)}/{path}/{name}"


def line(rng):
    kind = rng.random()
    text = "".join(rng.choice(WORDS) for _ in range(rng.randint(2, 12)))
    if kind < 0.45:
        return text + "，" + text[::-1] + "。"
    if kind < 0.65:
        return f"{rng.randint(1, 99)}. {text}：{address(rng, 'http')}"
    if kind < 0.78:
        return "下载：" + address(rng, "http")
    if kind < 0.88:
        return f"{text} {address(rng, 'ftp')}"
    if kind < 0.93:
        return "下载：" + address(rng, "ftp")
    if kind < 0.96:
        return "短地址 http://a/b"  # under 13 bytes: no link
    return f"两个地址 {address(rng, 'http')} {address(rng, 'http')}"


def main():
    out = sys.argv[1]
    size = int(float(sys.argv[2]) * 1_000_000) if len(sys.argv) > 2 else 50_000_000
    rng = random.Random(20261211)
    chunks, written = [], 0
    while written < size:
        data = (line(rng) + "\r\n").encode("gbk")
        chunks.append(data)
        written += len(data)
    with open(out, "wb") as f:
        f.write(b"".join(chunks))


if __name__ == "__main__":
    main()

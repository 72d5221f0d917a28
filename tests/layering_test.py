#!/usr/bin/env python3
"""Which folder may include which: every #include "..." of every source file
is checked against one allow-list, and a wrong one fails with its file and
line. Before the real tree is read, a planted wrong include must be caught,
so that a checker that finds nothing cannot pass.

    layering_test.py SOURCE_ROOT
"""
import os
import re
import sys
import tempfile

# folder -> the folders its sources may include (besides their own).
ALLOWED = {
    "encoding": set(),
    "conversion": {"encoding"},
    "files": {"conversion", "encoding"},
    "ui": {"conversion", "encoding", "files"},
    "cli": {"conversion", "encoding", "files"},
    "app": {"ui", "conversion", "encoding", "files"},
}
# Test, tool, benchmark and fuzzing code may include whatever it needs.
ANYTHING = {"tests", "tools", "bench", "fuzz"}
SOURCE_ENDINGS = (".h", ".hpp", ".c", ".cpp", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def violations(root):
    found = []
    for top in sorted(set(ALLOWED) | ANYTHING):
        for folder, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(n for n in names if n.endswith(SOURCE_ENDINGS)):
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m or top in ANYTHING:
                            continue
                        target = m.group(1)
                        # A bare name is a header the build generates.
                        if "/" not in target:
                            continue
                        to = target.split("/", 1)[0]
                        if to != top and to not in ALLOWED[top]:
                            found.append(f"{os.path.relpath(path, root)}:{number}: {top}/ may not include {target}")
    return found


def planted_include_is_caught():
    with tempfile.TemporaryDirectory() as root:
        os.makedirs(os.path.join(root, "cli"))
        with open(os.path.join(root, "cli", "planted.cpp"), "w") as f:
            f.write('#include "conversion/pattern.h"\n#include "ui/main_window.h"\n')
        return violations(root) == ["cli/planted.cpp:2: cli/ may not include ui/main_window.h"]


def main():
    if not planted_include_is_caught():
        print("FAILED the checker misses a planted wrong include")
        return 1
    found = violations(sys.argv[1])
    for v in found:
        print("FAILED", v)
    print(f"layering: {len(found)} wrong includes")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())

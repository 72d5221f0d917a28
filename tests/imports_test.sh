#!/usr/bin/env bash
# Each .exe needs nothing beyond Windows' own DLLs (the runtime is linked in).
#   imports_test.sh OBJDUMP EXE...
set -u
objdump=$1
shift
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|ole32|msvcrt)\.dll$'
passed=0 failed=0
for exe in "$@"; do
  others=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | grep -viE "$allowed")
  if [ -z "$others" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED $(basename "$exe") needs: $others"
  fi
done
echo "imports: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

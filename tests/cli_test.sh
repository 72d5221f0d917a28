#!/usr/bin/env bash
# The command-line companion as a user meets it. Arguments: the command
# that runs quenlith (natively, or the Wine wrapper and quenlith.exe); with
# --windows first, the program is a Windows one: it writes its messages in
# GBK, and Wine hands it the (UTF-8) command line in GBK.
set -u
windows=0
if [ "${1:-}" = "--windows" ]; then windows=1; shift; fi
quenlith=("$@")

messages() {  # a file of messages as this terminal reads them, one line each
  if [ "$windows" = 1 ]; then iconv -f GBK -t UTF-8 "$1"; else cat "$1"; fi | tr -d '\r' | paste -sd'|'
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
  fi
}

link() {  # link FORMAT ADDRESS: the link, built with coreutils' base64
  case $1 in
    thunder) printf 'thunder://%s' "$(printf 'AA%sZZ' "$2" | base64 -w0)" ;;
    flashget) printf 'Flashget://%s' "$(printf '[FLASHGET]%s[FLASHGET]' "$2" | base64 -w0)" ;;
    xuanfeng) printf 'qqdl://%s' "$(printf '%s' "$2" | base64 -w0)" ;;
  esac
}

# Standard input, the defaults: http and Thunder; stdout holds the lines alone.
printf 'a http://example.com/files/a.rar\r\nftp://x/y\r\n' >"$work/in.txt"
"${quenlith[@]}" <"$work/in.txt" >"$work/out" 2>"$work/err"; status=$?
check "stdin: exit status" 0 "$status"
check "stdin: output" "$(link thunder http://example.com/files/a.rar | od -An -tx1)" \
  "$(tr -d '\r\n' <"$work/out" | od -An -tx1)"
check "stdin: CR LF after the link" "0d0a" "$(tail -c2 "$work/out" | od -An -tx1 | tr -d ' ')"
check "stdin: status on stderr" "大功告成，已转换1条" "$(messages "$work/err")"

# A FILE, ftp, FlashGet; an address under 13 bytes gives no line.
printf 'ftp://x/y\r\nftp://x/y/z.iso\r\n' >"$work/ftp.txt"
"${quenlith[@]}" --scheme ftp --format=flashget "$work/ftp.txt" >"$work/out" 2>/dev/null
check "file, ftp, flashget" "$(link flashget ftp://x/y/z.iso)" "$(tr -d '\r\n' <"$work/out")"

# A GBK marker reaches the core as its bytes; so does a GBK page.
printf '\xcf\xc2\xd4\xd8\xa3\xbahttp://a/1.rar\r\nhttp://b/2.rar\r\n' >"$work/gbk.txt"
marker=$'\xcf\xc2\xd4\xd8\xa3\xba'
[ "$windows" = 1 ] && marker=下载：
"${quenlith[@]}" --format xuanfeng --marker "$marker" "$work/gbk.txt" >"$work/out" 2>/dev/null
check "GBK marker" "$(link xuanfeng http://a/1.rar)" "$(tr -d '\r\n' <"$work/out")"

# Too little input: the message, then the count, each on its own line.
printf 'http://abc' | "${quenlith[@]}" >"$work/out" 2>"$work/err"; status=$?
check "too little: exit status" 0 "$status"
check "too little: messages" "阁下这也叫批量转换？貌似要转换的内容太少了吧？请别忽悠我！！！|大功告成，已转换0条" \
  "$(messages "$work/err")"
check "too little: no output" 0 "$(wc -c <"$work/out")"

# Bad command lines.
"${quenlith[@]}" --format foo </dev/null >/dev/null 2>"$work/err"; status=$?
check "bad format: exit status" 2 "$status"
check "bad format: names the allowed values" 1 "$(grep -c 'thunder, flashget or xuanfeng' "$work/err")"
"${quenlith[@]}" --frobnicate </dev/null >/dev/null 2>"$work/err"; status=$?
check "unknown option: exit status" 2 "$status"
check "unknown option: usage" 1 "$(grep -c '^usage: quenlith' "$work/err")"
"${quenlith[@]}" "$work/missing.txt" >/dev/null 2>"$work/err"; status=$?
check "missing file: exit status" 1 "$status"
check "missing file: names it" 1 "$(grep -c 'missing.txt' "$work/err")"
check "--version" "quenlith 1.0.0" "$("${quenlith[@]}" --version | tr -d '\r')"

# --save: each FILE converted as a dropped file, saved beside it.
native_path() {  # how the program names a file of this machine
  if [ "$windows" = 1 ]; then local p="Z:$1"; printf '%s' "${p//\//\\}"; else printf '%s' "$1"; fi
}
mkdir -p "$work/下载"
printf 'a http://a.test/1.rar\r\n' >"$work/list.txt"
printf '下载：http://b.test/二.rar\r\n' | iconv -f UTF-8 -t GBK >"$work/下载/地址.txt"
printf 'old' >"$work/转换-list.txt"  # an earlier copy is replaced
"${quenlith[@]}" --save "$(native_path "$work/list.txt")" "$(native_path "$work/missing.txt")" \
  "$(native_path "$work/下载/地址.txt")" >"$work/out" 2>"$work/err"; status=$?
check "--save: a missing file makes the exit status 1" 1 "$status"
check "--save: the missing file is named" 1 "$(grep -c 'missing.txt' "$work/err")"
check "--save: first copy" "$(link thunder http://a.test/1.rar)" "$(tr -d '\r\n' <"$work/转换-list.txt")"
check "--save: CR LF kept" "0d0a" "$(tail -c2 "$work/转换-list.txt" | od -An -tx1 | tr -d ' ')"
check "--save: second copy, GBK address" \
  "$(printf 'http://b.test/二.rar' | iconv -f UTF-8 -t GBK | { printf 'thunder://'; { printf AA; cat; printf ZZ; } | base64 -w0; })" \
  "$(tr -d '\r\n' <"$work/下载/转换-地址.txt")"
saved=$(if [ "$windows" = 1 ]; then iconv -f GBK -t UTF-8 "$work/out"; else cat "$work/out"; fi | tr -d '\r' | paste -sd'|')
check "--save: prints each saved path" \
  "$(native_path "$work/转换-list.txt")|$(native_path "$work/下载/转换-地址.txt")" "$saved"
check "--save: no stray files" "list.txt|下载|转换-list.txt" "$(ls "$work" | grep -v -e '^in.txt$' -e '^ftp.txt$' -e '^gbk.txt$' -e '^out$' -e '^err$' | paste -sd'|')"

echo "cli: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

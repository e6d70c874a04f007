#!/usr/bin/env bash
# sucholin-cli.exe under Wine: code page 1252 bytes into pipes and files, characters into a
# console, devices not read, and its own output file not searched. Run by scripts/test-windows.
set -euo pipefail
cli=$1
: "${WINEPREFIX:?needs the prefix scripts/test-windows sets up}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { wine "$cli" "$@" | tr -d '\r'; }

printf 'Wort\n' >'€.txt'
[ "$(run Wort . | od -An -c | tr -s ' ')" == " 200 . t x t \t 1 \n" ] ||
  fail "a pipe gets other bytes than code page 1252: $(run Wort . | od -c)"
# A terminal stands for the console and shows what it holds as UTF-8; a runtime that took the
# bytes for Latin-1 would show U+0080 instead of the euro sign.
shown=$(script -qec "wine $cli Wort ." /dev/null)
[[ "$shown" == *€.txt* ]] || fail "the console shows [$shown]"

got=0
wine "$cli" Wort CON >out 2>err || got=$?
[ $got -eq 2 ] && grep -q 'nicht lesbar: CON' err || fail "the console device was read (exit $got)"

wine "$cli" Wort . >out.txt
grep -q '^out.txt' out.txt && fail "the output file was searched"
echo "win32_cli_test: all passed"

#!/usr/bin/env bash
# sucholin-cli.exe under Wine: code page 1252 bytes into pipes and files, characters into a
# console. Run in the Windows tests' Wine session.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'Wort\n' >'€.txt'
piped=$(wine "$cli" Wort . | tr -d '\r')
[ "$piped" = $'\x80.txt\t1' ] || fail "a pipe gets other bytes than code page 1252: $(od -c <<<"$piped")"
# A terminal stands for the console and shows what it holds as UTF-8; a runtime that took the
# bytes for Latin-1 would show U+0080 instead of the euro sign.
shown=$(script -qec "wine $cli Wort ." /dev/null)
[[ "$shown" == *€.txt* ]] || fail "the console shows [$shown]"

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

# The word as UTF-8 bytes, as the Windows program hands it on once it reads Unicode: here the
# argument's characters are those whose code page 1252 bytes are that UTF-8. "Grüße" is found in
# a UTF-8 file and "Fehler" in a UTF-16 LE file as PowerShell writes it, in the right lines.
printf 'Hallo\r\nGr\303\274\303\237e aus K\303\266ln\r\n' >utf8.txt
{ printf '\377\376' && printf 'eins\r\nFehler: x\r\nzwei\r\nkein Fehler\r\n' | iconv -f UTF-8 -t UTF-16LE; } >ps.txt
grusse=$(printf 'Gr\303\274\303\237e' | iconv -f CP1252 -t UTF-8)
found=$(wine "$cli" "$grusse" utf8.txt | tr -d '\r')
[ "$found" = $'utf8.txt\t2' ] || fail "the UTF-8 word in a UTF-8 file: [$found]"
found=$(wine "$cli" Fehler ps.txt | tr -d '\r')
[ "$found" = $'ps.txt\t2,4' ] || fail "Fehler in a UTF-16 LE file: [$found]"

#!/usr/bin/env bash
# sucholin-cli: exit codes, messages, row format, folder and file mode, grep's line numbers on
# LF-only files, and a file of more than 2^31 lines.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }
# run EXPECTED_EXIT ARGS...: runs the program, output in out and err.
run() {
  local want=$1 got=0
  shift
  "$cli" "$@" >out 2>err || got=$?
  [ "$got" -eq "$want" ] || fail "sucholin-cli $* exited $got, not $want: $(cat err)"
}
same() { [ "$1" == "$2" ] || fail "$3: got '$1', wanted '$2'"; }

# Usage errors and messages: one line on stderr, nothing on stdout.
run 2
same "$(wc -l <err)" 1 "usage message lines"
run 2 only-a-word
run 2 a b c
run 2 "" .
same "$(cat err)" "Sie müssen das zu suchende Wort eingeben!" "word notice"
run 2 Wort ""
run 2 Wort missing.txt
grep -q 'missing.txt' err || fail "the unreadable path is named"
[ ! -s out ] || fail "no output on errors"
run 0 --help
grep -q '^Aufruf: sucholin-cli WORT PFAD$' out || fail "help shows the usage"

# Folder mode: one level, the nine extensions only, one row per file with hits.
mkdir -p d/sub.txt
printf 'a\nWort\nb\nWort Wort\n' >d/a.txt
printf 'Wort\r\nWort' >d/e.html
printf 'Wort\n' >d/b.TXT
printf 'Wort\n' >d/f.pl
printf 'nichts\n' >d/c.txt
printf 'Wort\n' >d/sub.txt/x.txt
want=$(printf 'a.txt\t2,4\ne.html\t1,2')
run 0 Wort d
same "$(sort out)" "$want" "folder rows"
run 0 Wort d/
same "$(sort out)" "$want" "folder with its separator"
run 1 Nichts d
[ ! -s out ] || fail "no rows, no output"

# File mode: the name without its folder, any extension.
run 0 Wort d/b.TXT
same "$(cat out)" "$(printf 'b.TXT\t1')" "file row"
run 1 Wort d/c.txt
run 2 Wort d/sub.txt/missing

# LF-only text: the same line numbers as grep -Fn.
awk 'BEGIN { for (i = 1; i <= 30000; i++) {
       if (i % 97 == 5) printf "vorne Zebra%s hinten\n", (i % 3 ? "" : " Zebra");
       else if (i % 1000 == 1) { for (j = 0; j < 3000; j++) printf "lang "; printf "Zebra\n" }
       else printf "Zeile %d ohne das Wort\n", i } }' >lf.txt
run 0 Zebra lf.txt
same "$(cut -f2 out)" "$(grep -Fn Zebra lf.txt | cut -d: -f1 | paste -sd,)" "grep's line numbers"

# More than 2^31 lines: every zero byte ends a line, and the counter must not wrap.
if truncate -s $((2147483648 + 16)) big.txt 2>/dev/null; then
  printf 'Wort' | dd of=big.txt bs=1 seek=$((2147483648 + 4)) conv=notrunc status=none
  run 0 Wort big.txt
  same "$(cat out)" "$(printf 'big.txt\t2147483653')" "line number beyond 2^31"
fi
echo "cli_test: all passed"

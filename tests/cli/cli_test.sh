#!/usr/bin/env bash
# sucholin-cli from the outside: exit codes, messages, rows, names, faults of files and output,
# and a file of more than 2^31 lines.
# Arguments: the program, the read-fault library to preload.
shim=$2
source "$(dirname "$0")/scratch.sh"
chmod 755 "$work"
# check EXIT STDOUT STDERR ARGS...: runs the program (behind the words of $wrap) and compares
# both outputs as their lines in byte order.
check() {
  local want=$1 stdout=$2 stderr=$3 got=0
  shift 3
  ${wrap:-} "$cli" "$@" >out 2>err || got=$?
  [ "$got" -eq "$want" ] || fail "sucholin-cli $* exited $got, not $want: $(cat err)"
  [ "$(LC_ALL=C sort out)" == "$stdout" ] || fail "stdout of sucholin-cli $*: $(cat out)"
  [ "$(LC_ALL=C sort err)" == "$stderr" ] || fail "stderr of sucholin-cli $*: $(cat err)"
}

mkdir -p d/sub.txt n f
printf 'a\nWort\nb\nWort Wort\n' >d/a.txt
printf 'Wort\r\nWort' >d/e.html
printf 'Wort\n' | tee d/b.TXT d/f.pl d/sub.txt/x.txt >/dev/null
usage='sucholin-cli: Aufruf: sucholin-cli WORT PFAD (Hilfe: sucholin-cli --help)'

# Calls and their answers: folder and file mode, usage errors, unreadable paths.
check 0 "$(printf 'a.txt\t2,4\ne.html\t1,2')" '' Wort d
check 1 '' '' Nichts d
check 0 "$(printf 'b.TXT\t1')" '' Wort d/b.TXT
# With standard input closed, a file may open as descriptor 0.
closed() { "$@" 0<&-; }
wrap=closed check 0 "$(printf 'b.TXT\t1')" '' Wort d/b.TXT
check 2 '' "$usage" only-a-word
check 2 '' "$usage" a b c
check 2 '' "$usage" Wort ''
check 2 '' 'sucholin-cli: Sie müssen das zu suchende Wort eingeben!' '' d
check 2 '' 'sucholin-cli: Ordner oder Datei nicht lesbar: missing.txt' Wort missing.txt
check 2 '' 'sucholin-cli: Ordner oder Datei nicht lesbar: missing.txt' $'Wort\rWort' missing.txt
check 0 'sucholin-cli 1.0' '' --version
"$cli" -h >help
check 0 "$(LC_ALL=C sort help)" '' --help

# Names from the file system: only '/' separates, '"' is a name byte, control bytes and '\'
# are escaped, so every row stays one line with one tab; other bytes stay, UTF-8 or not.
for name in 'back\slash.txt' '"quoted.txt' 'q.txt"x' $'forge.txt\t99\nfake.txt' $'esc\e[31m.txt' \
            $'cr\r.txt' $'latin\xe4\xfc.txt'; do
  printf 'Wort\n' >"n/$name"
done
check 0 "$(printf '"quoted.txt\t1\nback\\\\slash.txt\t1\ncr\\r.txt\t1\nesc\\x1b[31m.txt\t1\nforge.txt\\t99\\nfake.txt\t1\nlatin\xe4\xfc.txt\t1')" \
  '' Wort n

# Files that fail: the rows of the others still come, each failure is named, the exit is 2.
printf 'Wort\n' | tee f/ok.txt f/secret.txt >/dev/null
# Line 2 is longer than a read block, so the read that fails comes before line 3; the file is
# large enough to be read in pieces side by side, and the lines after the damage are not taken.
{ printf 'Wort\n'; head -c 17000000 /dev/zero | tr '\0' x; printf '\nWort\n'; } >f/bad.txt
chmod 000 f/secret.txt
faulty() { LD_PRELOAD=$shim READ_FAULT_NAME=bad.txt ASAN_OPTIONS=verify_asan_link_order=0 "$@"; }
unread='sucholin-cli: Lesefehler, die Datei ist nur bis dahin durchsucht: '
wrap=faulty check 2 "$(printf 'bad.txt\t1')" "${unread}f/bad.txt" Wort f/bad.txt
wrap="faulty setpriv --reuid=nobody --regid=nogroup --clear-groups" check 2 \
  "$(printf 'bad.txt\t1\nok.txt\t1')" \
  "$(printf 'sucholin-cli: Datei nicht lesbar: f/secret.txt\n%s' "${unread}f/bad.txt")" Wort f/

# A folder whose listing fails is told, not taken for an empty folder; it is listed only once.
listfault() { LD_PRELOAD=$shim LIST_FAULT_NAME=/d ASAN_OPTIONS=verify_asan_link_order=0 "$@"; }
wrap=listfault check 2 '' 'sucholin-cli: Lesefehler im Ordner, nicht alle Dateien sind durchsucht: d' \
  Wort d

# Interrupted reads are tried again; a stale errno ends neither a file nor a listing, nor a file
# read in pieces.
mkdir in.txt
{ printf 'Wort\n'; head -c 17000000 /dev/zero | tr '\0' x; printf '\nWort\n'; } >in.txt/in.txt
interrupted() { LD_PRELOAD=$shim INTERRUPT_NAME=in.txt ASAN_OPTIONS=verify_asan_link_order=0 "$@"; }
wrap=interrupted check 0 "$(printf 'in.txt\t1,3')" '' Wort in.txt
wrap=interrupted check 0 "$(printf 'in.txt\t1,3')" '' Wort in.txt/in.txt

# A FIFO asked for is no file to search.
mkfifo f/chan.txt
rm f/bad.txt f/secret.txt
check 2 '' 'sucholin-cli: Ordner oder Datei nicht lesbar: f/chan.txt' Wort f/chan.txt

# Output that cannot be written: a message and exit 2, also with SIGPIPE ignored.
written() {
  local got=0
  "$@" 2>err || got=$?
  [ $got -eq 2 ] && grep -qx 'sucholin-cli: Die Ausgabe kann nicht geschrieben werden.' err ||
    fail "a failed write of $* went untold (exit $got)"
}
written "$cli" Wort d >/dev/full
written "$cli" --help >/dev/full
written "$cli" Wort d >&-
(trap '' PIPE; { sleep 0.5; written "$cli" Wort d; } | true)

# A name beyond the path limit is opened relative to its folder.
deep=$(printf "$(printf 'o%.0s' {1..200})/%.0s" {1..20})
long=$(printf 'n%.0s' {1..240}).txt
mkdir -p "$deep"
(cd "$deep" && printf 'Wort\n' >"$long")
check 0 "$(printf '%s\t1' "$long")" '' Wort "$deep"
# A folder text beyond the limit itself is told, not taken for an empty folder.
toolong=d/$(printf './%.0s' {1..2100})
check 2 '' "sucholin-cli: Ordner oder Datei nicht lesbar: $toolong" Wort "$toolong"

# The output written into the searched folder is not searched, though it holds the word.
for i in {1..300}; do printf 'Wort\n' >"f/a$(printf 'x%.0s' {1..150})$i.txt"; done
printf 'Wort\n' >f/out.txt
"$cli" Wort f >>f/out.txt
if grep -q '^out.txt' f/out.txt; then fail "the output file was searched"; fi
[ "$(wc -l <f/out.txt)" -eq 302 ] || fail "rows missing beside the output file"

# More than 2^31 lines: every zero byte ends a line, and the counter must not wrap.
if truncate -s $((2147483648 + 16)) big.txt 2>/dev/null; then
  printf 'Wort' | dd of=big.txt bs=1 seek=$((2147483648 + 4)) conv=notrunc status=none
  check 0 "$(printf 'big.txt\t2147483653')" '' Wort big.txt
fi
echo "cli_test: all passed"

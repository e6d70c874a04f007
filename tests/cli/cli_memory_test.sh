#!/usr/bin/env bash
# sucholin-cli's memory, measured on the optimised build: the sanitizers' allocator keeps freed
# blocks. Argument: the program.
source "$(dirname "$0")/scratch.sh"

# Memory: one copy of a row, little for a long line, and an orderly exit when it runs out.
{ yes a || :; } | head -c $((32 << 20)) >m.txt
/usr/bin/time -o peak -f %M "$cli" a m.txt | wc -c >size
(( $(cat peak) * 1024 <= $(cat size) * 3 / 2 + (32 << 20) )) ||
  fail "peak $(cat peak) KiB for a row of $(cat size) bytes"
{ head -c $((64 << 20)) /dev/zero | tr '\0' w; printf 'Wort\n'; } >long.txt
/usr/bin/time -o peak -f %M "$cli" Wort long.txt >/dev/null
(( $(cat peak) < 8 << 10 )) || fail "peak $(cat peak) KiB for one long line"
# Also where the row is made on a thread of the folder search.
mkdir mem
cp m.txt mem/m.txt
printf 'a\n' >mem/x.txt
for target in m.txt mem; do
  got=0
  prlimit --as=$((128 << 20)) "$cli" a $target >/dev/null 2>err || got=$?
  [ $got -eq 2 ] && grep -qx 'sucholin-cli: Zu wenig Speicher.' err || fail "out of memory: exit $got"
done
echo "cli_memory_test: all passed"

#!/usr/bin/env bash
# sucholin-cli.exe under Wine: every file under its own name, UTF-8 into pipes and files,
# characters into a console. Run in the Windows tests' Wine session.
source "$(dirname "$0")/scratch.sh"

# Names no code page holds, each with the word on a line of its own; a look-alike of "..\x.bat"
# or "a.txt" would read the parent's files, which hold the word on line 1.
mkdir sub
printf 'Wort\n' | tee x.bat a.txt >/dev/null
expected=
line=1
for name in '..＼x.bat' 'ａ.txt' 'złoty.txt' 'zloty.txt' 'Ωmega.txt' '😀.txt' 'Ärger.txt'; do
  { for ((i = 1; i < line; i++)); do echo; done; echo Wort; } >"sub/$name"
  expected+="$name"$'\t'"$line"$'\n'
  line=$((line + 1))
done
# The output file, in the searched folder under a name of its own, is not searched.
wine "$cli" Wort sub >'sub/żaba.txt'
[ "$(LC_ALL=C sort 'sub/żaba.txt' | tr -d '\r')" = "$(LC_ALL=C sort <<<"${expected%$'\n'}")" ] ||
  fail "the rows in a file are not UTF-8 of the names as on disk: $(cat 'sub/żaba.txt')"
# The word is taken as typed: "Ωmega" is not "Omega".
printf 'Omega hier\nΩmega hier\n' >w.txt
[ "$(wine "$cli" Ωmega w.txt | tr -d '\r')" = $'w.txt\t2' ] || fail "the word was converted"
# A terminal stands for the console and shows what it holds as UTF-8; characters a code page
# lacks reach it as they are.
shown=$(script -qec "wine $cli Wort sub" /dev/null)
[[ "$shown" == *złoty.txt* && "$shown" == *Ωmega.txt* ]] || fail "the console shows [$shown]"

# "Grüße" is found in a UTF-8 file and in a code page 1252 one, "Fehler" in a UTF-16 LE file as
# PowerShell writes it, each in its own lines.
printf 'Hallo\r\nGr\303\274\303\237e aus K\303\266ln\r\n' >utf8.txt
printf 'Gr\374\337e\r\n' >ansi.txt
{ printf '\377\376' && printf 'eins\r\nFehler: x\r\nzwei\r\nkein Fehler\r\n' | iconv -f UTF-8 -t UTF-16LE; } >ps.txt
for want in $'utf8.txt\t2 Grüße' $'ansi.txt\t1 Grüße' $'ps.txt\t2,4 Fehler'; do
  found=$(wine "$cli" "${want#* }" "${want%%$'\t'*}" | tr -d '\r')
  [ "$found" = "${want% *}" ] || fail "${want#* } in ${want%%$'\t'*}: [$found]"
done
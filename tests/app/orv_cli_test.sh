#!/usr/bin/env bash
# End-to-end check of the orv command line on a small text of its own:
# build, verify, archive write and read, page (through orv-page), and the
# failures' exit codes.
# Usage: orv_cli_test.sh PATH_TO_ORV
set -euo pipefail
ORV=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORV_ROOT=$work/root ORV_PROGRAM_DIR=$work/prog
mkdir -p "$ORV_PROGRAM_DIR/Source"

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_line() {  # expect_line FILE TEXT
  grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "missing line '$2'"; }
}

codes=(GEN EX LEV NUM DEU JOS JUD RUTH 1SA 2SA 1KI 2KI 1CH 2CH EZRA NEH EST JOB PS PR ECC SS
       ISA JER LAM EZ DAN HOS JOEL AMOS OBAD JON MIC NAH HAB ZEP HAG ZEC MAL)
for i in "${!codes[@]}"; do
  {
    printf '*BOOK Book %d\r\n*R-L\r\n*1\r\n' "$((i + 1))"
    printf '1 bravit bra- alhim <note> at\r\n'
    printf ' hvmim vat harC\r\n'
    printf '2 vharC hith thu vbhu\r\n'
    printf '*2\r\n1 alhim bra\r\n'
  } >"$ORV_PROGRAM_DIR/Source/${codes[$i]}.OLF"
done

# One supplied interlinear source: every command starts as the desktop
# program's first start does, with it registered and shown on line 1.
mkdir -p "$ORV_PROGRAM_DIR/Interlinear/KJV-Gloss"
printf '*BOOK Genesis\r\n*CITE Gen\r\n*LANG English\r\n*WHAT KJV gloss\r\n*L-R\r\n' \
  >"$ORV_PROGRAM_DIR/Interlinear/KJV-Gloss/GEN.ILT"

"$ORV" build >"$work/build.out" 2>"$work/build.err" || { cat "$work/build.err"; fail "build"; }
expect_line "$work/build.out" "Building Word && Cite datastores"
expect_line "$work/build.out" "Compressing Word datastore"
expect_line "$work/build.out" "WORD $((39 * 13))"
expect_line "$work/build.out" "CITE $((39 * 13))"
expect_line "$work/build.out" "BOOK $((39 * 2))"
[[ -f "$ORV_ROOT/Source/WORD.XRD" ]] || fail "WORD.XRD not under the data root"
[[ ! -s "$work/build.err" ]] || { cat "$work/build.err"; fail "build showed progress off a terminal"; }

# Long tasks show their progress on a terminal only (script gives them one).
if command -v script >/dev/null; then
  script -qec "$ORV concordance $work/c1.txt" /dev/null | tr '\r' '\n' >"$work/tty.out"
  grep -q "^concordance: $((39 * 13))/$((39 * 13)) (100%)" "$work/tty.out" ||
    { cat "$work/tty.out"; fail "no progress on a terminal"; }
  script -qec "$ORV build --book" /dev/null | tr '\r' '\n' >"$work/tty.out"
  grep -q "^Building Book datastore: Book 39: 39/39 (100%)" "$work/tty.out" ||
    { cat "$work/tty.out"; fail "no build progress on a terminal"; }
fi
"$ORV" concordance "$work/c2.txt" >"$work/c.out" 2>&1 || fail "concordance"
[[ ! -s "$work/c.out" ]] || { cat "$work/c.out"; fail "concordance said something off a terminal"; }
cmp -s "$work/c2.txt" "$work/c1.txt" || [[ ! -f "$work/c1.txt" ]] || fail "the two reports differ"

"$ORV" verify >"$work/verify.out" 2>&1 || { cat "$work/verify.out"; fail "verify"; }
expect_line "$work/verify.out" "BOOK datastore is good"
expect_line "$work/verify.out" "WORD datastore is good"
expect_line "$work/verify.out" "CITE datastore is good"

"$ORV" archive write "$work/all.arc" >"$work/a.out" 2>&1 || { cat "$work/a.out"; fail "archive write"; }
"$ORV" archive read "$work/all.arc" >"$work/r.out" 2>&1 || { cat "$work/r.out"; fail "archive read"; }
expect_line "$work/r.out" "Archive successfully read"

"$ORV" cite "Gen 2:1" >"$work/c.out" || fail "cite"
expect_line "$work/c.out" "0 Gen 2:1.1"
if "$ORV" cite "Gen 9:1" >"$work/c.out" 2>/dev/null; then fail "a chapter past the book's end was read"; fi
expect_line "$work/c.out" "13"
"$ORV" prefs show >"$work/p.out" || fail "prefs show"
expect_line "$work/p.out" "line1 2 KJV gloss"
expect_line "$work/p.out" "strongs on"
[[ -f "$ORV_ROOT/Interlinear/KJV-Gloss/GEN.ILT" ]] || fail "the supplied source was not copied"
"$ORV" words "Gen 1:1" >"$work/w.out" || fail "words"
[[ $(wc -l <"$work/w.out") -eq 11 ]] || { cat "$work/w.out"; fail "words of Genesis 1"; }
"$ORV" words Gen 1:2 2 >"$work/w.out" || fail "words with a count"
[[ $(cut -f1 "$work/w.out" | tr '\n' ' ') == "Gen 1:2.1 Gen 1:2.2 " ]] || { cat "$work/w.out"; fail "words from 1:2"; }
[[ $(head -1 "$work/w.out" | awk -F'\t' '{print NF}') -eq 12 ]] || fail "words: 12 columns"
if "$ORV" words "Gen 1:1" 0 >/dev/null 2>&1; then fail "words with count 0"; fi

# orv page: the PNG's header names the size asked for (default 1920x1080).
png_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24)
assert d[:8]==b"\x89PNG\r\n\x1a\n" and d[12:16]==b"IHDR"; print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"; }
env -u XDG_RUNTIME_DIR "$ORV" page Gen 1:1 --png "$work/p.png" --size 640x300 \
  >"$work/p.out" 2>"$work/p.err" || { cat "$work/p.err"; fail "page"; }
# Nothing on the terminal from Qt when the session has no runtime folder.
[[ ! -s "$work/p.err" ]] || { cat "$work/p.err"; fail "page: Qt warned on the terminal"; }
[[ $(png_size "$work/p.png") == 640x300 ]] || fail "page: not 640x300"
expect_line "$work/p.out" "Gen 1:1.1 - Gen 1:2.4"
# --pages: pages as Page Down moves, one range a line, each starting after the last.
"$ORV" page Gen 1:1 --png "$work/pp.png" --size 640x300 --pages 3 >"$work/pp.out" ||
  fail "page --pages"
[[ $(wc -l <"$work/pp.out") -eq 3 && -e "$work/pp-3.png" ]] || fail "page --pages: not 3 pages"
expect_line "$work/pp.out" "Gen 1:1.1 - Gen 1:2.4"
expect_line "$work/pp.out" "Gen 2:1.1 - Gen 2:1.2"
expect_line "$work/pp.out" "Ex  1:1.1 - Ex  1:2.4"
# At the end of the text paging stops.
"$ORV" page Mal 2:1 --png "$work/pm.png" --pages 3 >"$work/pm.out" 2>/dev/null || fail "page --pages at the end"
[[ $(wc -l <"$work/pm.out") -eq 1 && ! -e "$work/pm-2.png" ]] || fail "page --pages went past the end"
"$ORV" page "Gen 2:1" --png "$work/p.png" >/dev/null 2>&1 || fail "page at the default size"
[[ $(png_size "$work/p.png") == 1920x1080 ]] || fail "page: default size not 1920x1080"
for bad in "Gen 9:1 --png $work/x.png" "Gen 1:1 --png $work/x.png --size 640" \
           "Gen 1:1 --png $work/x.png --size 0x300" "Gen 1:1 --png $work/x.png --size 20000x10" \
           "Gen 1:1" "Gen 1:1 --png" "Gen 1:1 --png $work/none/x.png" \
           "Gen 1:1 --png $work/x.png --pages 0" "Gen 1:1 --png $work/x.png --pages x"; do
  # shellcheck disable=SC2086
  if "$ORV" page $bad >/dev/null 2>&1; then fail "page $bad succeeded"; fi
done
[[ ! -e "$work/x.png" ]] || fail "a failed page wrote its file"
"$ORV" value a-b >"$work/v.out" || fail "value"
expect_line "$work/v.out" "Original 3 Traditional 3"
if "$ORV" value f >"$work/v.out"; then fail "value of a non-letter"; fi
expect_line "$work/v.out" "Illegal characters in input string"
"$ORV" value בְּרֵאשִׁית >"$work/v.out" || fail "value of Unicode Hebrew"
expect_line "$work/v.out" "Original 611 Traditional 913"

# Range values: bravit (shin, no letter i) is 606 / 903, bra 203 in both.
"$ORV" value --range "Gen 1:1" "Gen 1:1" >"$work/v.out" || fail "value --range of one word"
expect_line "$work/v.out" "Original 606 Traditional 903"
"$ORV" value --range "Gen 1:1.2" ".2" >"$work/v.out" || fail "value --range with the end's parts left out"
expect_line "$work/v.out" "Original 203 Traditional 203"
range_fails() {  # range_fails START END MESSAGE
  if "$ORV" value --range "$1" "$2" >"$work/v.out" 2>/dev/null; then fail "value --range $1 $2"; fi
  expect_line "$work/v.out" "$3"
}
range_fails "Gen 1:2" "Gen 1:1" "Ending citation before first"
range_fails "Mal 2:1" "Mal 2:1.9" "Error in datastores"
range_fails "" "Gen 1:1" "The start of range was not entered"
range_fails "Gen 1:1" "Gen 9" "Invalid ending citation"

# Thematic search: one line per run, citation tab words; from Genesis 1:1 by default.
"$ORV" thematic 203 --limit 2 >"$work/t.out" || fail "thematic"
[[ $(cat "$work/t.out") == $'Gen 1:1.2\t1\nGen 2:1.2\t1' ]] || { cat "$work/t.out"; fail "thematic runs"; }
"$ORV" thematic 203 --from "Mal 2:1" >"$work/t.out" || fail "thematic --from"
[[ $(cat "$work/t.out") == $'Mal 2:1.2\t1' ]] || { cat "$work/t.out"; fail "thematic from Mal 2:1"; }
if "$ORV" thematic 203 --window 0 --max 1 --order original --from "Mal 2:1.2" --limit 1 \
  >"$work/t.out"; then :; else fail "thematic with every option"; fi
expect_line "$work/t.out" $'Mal 2:1.2\t1'
if "$ORV" thematic 1 >"$work/t.out"; then fail "thematic 1 matched"; fi
expect_line "$work/t.out" "No matches to thematic value"
if "$ORV" thematic 0 --window x 2>"$work/t.err"; then fail "thematic 0"; fi
expect_line "$work/t.err" "** Invalid thematic value"
expect_line "$work/t.err" "** Invalid thematic range"

# Embedded search: "ab" runs from the a of bra (ending a book's Genesis 2:1)
# into the b of the next book's first word.
"$ORV" embedded ab --skip 1 --limit 2 >"$work/e.out" || fail "embedded"
[[ $(cat "$work/e.out") == $'Gen 2:1.2\t2\nEx  2:1.2\t2' ]] || { cat "$work/e.out"; fail "embedded runs"; }
"$ORV" embedded אב --from "Mal 1:1" >"$work/e.out" 2>&1 && fail "embedded past the last a-b"
expect_line "$work/e.out" "No matches to embedded search term"
for bad in "ab --skip -1" "ab --skip 3x" "ab --skip 2000000000"; do
  # shellcheck disable=SC2086
  if "$ORV" embedded $bad 2>"$work/e.err"; then fail "embedded $bad"; fi
  expect_line "$work/e.err" "** Invalid skip factor"
done
if "$ORV" embedded abf 2>"$work/e.err"; then fail "embedded abf"; fi
expect_line "$work/e.err" "** The search term may hold only the 22 Hebrew letters"
if "$ORV" embedded "" >"$work/e.out"; then fail "an empty term matched"; fi
expect_line "$work/e.out" "No matches to embedded search term"

# orv find: the first occurrence, every one with --all, a pattern's words, the messages.
"$ORV" find aleim >"$work/f.out" || { cat "$work/f.out"; fail "find"; }
[[ $(cat "$work/f.out") == "Gen 1:1.3" ]] || { cat "$work/f.out"; fail "find aleim"; }
"$ORV" find "אלהים" >"$work/f.out" || fail "find in Hebrew letters"
expect_line "$work/f.out" "Gen 1:1.3"
"$ORV" find aleim --all >"$work/f.out" || fail "find --all"
[[ $(wc -l <"$work/f.out") -eq $((39 * 2 + 1)) ]] || { cat "$work/f.out"; fail "find --all: not every occurrence"; }
[[ $(sed -n 2p "$work/f.out") == "Gen 2:1.1" && $(tail -1 "$work/f.out") == "No more occurrences of aleim" ]] ||
  fail "find --all: order or end"
"$ORV" find %%% >"$work/f.out" || fail "find %%%"
[[ $(tr '\n' ' ' <"$work/f.out") == "Matches to wildcard search bra wax xec " ]] || { cat "$work/f.out"; fail "find %%%: list"; }
printf 'ORV Archive File\r\nVersion 1.9.1\r\n#1 1 1 3 430\r\n#2 1 1 3 430\r\n' >"$work/s430.arc"
"$ORV" archive read-strongs "$work/s430.arc" >/dev/null 2>&1 || fail "archive read-strongs"
"$ORV" find H430 --all >"$work/f.out" || fail "find H430"
[[ $(tr '\n' ' ' <"$work/f.out") == "Gen 1:1.3 Ex  1:1.3 No more occurrences of H430 " ]] || { cat "$work/f.out"; fail "find H430 --all"; }
for bad in "** Invalid use of wildcards" "a* Too general - supply more characters" \
           "8675 Strong's number out of range" "-3 Strong's number out of range" \
           "12abc Word not found" "abcdefghijkl Word too long - maximum is 11 characters" \
           "8674 Strong number not found"; do
  if "$ORV" find "${bad%% *}" >"$work/f.out" 2>&1; then fail "find ${bad%% *} succeeded"; fi
  expect_line "$work/f.out" "${bad#* }"
done

if "$ORV" kjv "GEN 1:1" >/dev/null 2>&1; then fail "kjv without King James files"; fi
mkdir -p "$ORV_PROGRAM_DIR/KJV"
for code in "${codes[@]}"; do
  printf '1:1 In the beginning 7225 God 430\r\n created 1254\r\n1:2 And the earth 776\r\n2:1 Thus\r\n' \
    >"$ORV_PROGRAM_DIR/KJV/$code.str"
done
"$ORV" kjv "GEN 1:1" >"$work/k.out" 2>&1 || { cat "$work/k.out"; fail "kjv"; }
grep -q "beginning" "$work/k.out" || fail "kjv text missing"
if grep -q "7225" "$work/k.out"; then fail "Strong's numbers shown without --numbers"; fi
"$ORV" kjv "GEN 1:1" --numbers >"$work/k.out" 2>&1 || fail "kjv --numbers"
grep -q "7225" "$work/k.out" || fail "Strong's numbers missing with --numbers"

if "$ORV" strongs 7225 >"$work/s.out" 2>"$work/s.err"; then fail "strongs without Hebrew.def"; fi
expect_line "$work/s.err" "Cannot open Strong's data file"
printf '*1 first entry\r\nthe first definition\r\n*2 second entry\r\nthe second\r\n' \
  >"$ORV_PROGRAM_DIR/Hebrew.def"
"$ORV" strongs 2 >"$work/s.out" 2>&1 || { cat "$work/s.out"; fail "strongs 2"; }
grep -q "the second" "$work/s.out" || fail "entry 2 not shown"

# Failures: a missing archive, no Strongs.dat, an unknown command.
if "$ORV" archive read "$work/none.arc" >"$work/x.out" 2>"$work/x.err"; then
  fail "reading a missing archive succeeded"
fi
expect_line "$work/x.err" "** Error(s) reading archive **"
if "$ORV" archive default-strongs >/dev/null 2>&1; then fail "default-strongs without Strongs.dat"; fi
if "$ORV" frobnicate >/dev/null 2>&1; then fail "unknown command accepted"; fi

# orv page and orv import run orv-page and orv-import beside orv; alone, orv
# names the program it misses and exits with 1, and orv-import answers as
# `orv import` does.
"$(dirname "$ORV")/orv-import" import --only nothing >/dev/null 2>"$work/i.err" && fail "import --only nothing"
grep -q "unknown part nothing" "$work/i.err" || fail "orv-import: no word on the unknown part"
mkdir "$work/alone" && cp "$ORV" "$work/alone/orv"
for cmd in page import; do
  sibling=orv-$cmd
  set +e
  "$work/alone/orv" $cmd Gen 1:1 >/dev/null 2>"$work/alone.err"
  code=$?
  set -e
  [[ $code -eq 1 ]] || fail "orv $cmd without $sibling: exit code $code"
  grep -q "needs the program $sibling beside orv" "$work/alone.err" || { cat "$work/alone.err"; fail "orv $cmd without $sibling: no message"; }
done

# A missing book file stops the build with the message and exit code 1.
rm "$ORV_PROGRAM_DIR/Source/MAL.OLF"
if "$ORV" build --book >"$work/b.out" 2>"$work/b.err"; then fail "build without MAL.OLF succeeded"; fi
expect_line "$work/b.err" "** Cannot open input file MAL **"
echo "orv command line: all checks passed"

#!/usr/bin/env bash
# End-to-end check of `orv define` on a small text of its own: a word is
# defined and marked, one occurrence gets a definition choice and a mark,
# another a new Strong's number; the archive is written, CITE built anew and
# XLAT removed, the archive read back, and every change is printed again.
# Then the refusals: bad fields, a word in no datastore, usage errors; none
# of them changes a stored byte.
# Usage: orv_define_test.sh PATH_TO_ORV
set -euo pipefail
ORV=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export ORV_ROOT="$tmp/root" ORV_PROGRAM_DIR="$tmp/prog"
work=$tmp

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_line() {  # expect_line FILE TEXT: FILE holds the line TEXT
  if ! grep -qxF -- "$2" "$1"; then
    cat "$1" >&2
    fail "missing line '$2'"
  fi
}

# Every book: "In the beginning God (alhim) created ..." and a chapter 2
# that begins with the same word.
mkdir -p "$ORV_PROGRAM_DIR/Source"
n=0
for code in GEN EX LEV NUM DEU JOS JUD RUTH 1SA 2SA 1KI 2KI 1CH 2CH EZRA NEH EST JOB PS PR \
            ECC SS ISA JER LAM EZ DAN HOS JOEL AMOS OBAD JON MIC NAH HAB ZEP HAG ZEC MAL; do
  n=$((n + 1))
  printf '*BOOK Book %d\r\n*R-L\r\n*1\r\n1 bravit bra- alhim at hvmim vat harC\r\n*2\r\n1 alhim bra\r\n' \
    "$n" >"$ORV_PROGRAM_DIR/Source/$code.OLF"
done
"$ORV" build >/dev/null 2>&1 || fail "build"
god=$'\xd7\x90\xd7\x9c\xd7\x94\xd7\x99\xd7\x9d'  # the word as a Hebrew keyboard types it

"$ORV" define "$god" --at "Gen 1:1.3" --def 0 "God of all" --def 1 gods --mark-word on \
  --use 1 --mark-use on >"$work/d1.out" 2>&1 || { cat "$work/d1.out"; fail "define"; }
expect_line "$work/d1.out" "0 God-of-all"
expect_line "$work/d1.out" "Mark Word on"
expect_line "$work/d1.out" "Gen 1:1.3 Strong's 0 Use 1 Mark Use on"
"$ORV" define "$god" --at "Gen 2:1.1" --strongs H433 >"$work/d2.out" 2>&1 || fail "strongs"
expect_line "$work/d2.out" "Gen 2:1.1 Strong's 433 Use 0 Mark Use off"

"$ORV" archive write "$work/all.arc" >/dev/null 2>&1 || fail "archive write"
"$ORV" build --cite >/dev/null 2>&1 || fail "build --cite"
xlat=$(find "$ORV_ROOT" -name XLAT.XRD)
[[ -n "$xlat" ]] || fail "no XLAT.XRD"
rm "$xlat"
"$ORV" define "$god" --at "Gen 2:1.1" >"$work/gone.out" 2>&1 || fail "define after the rebuild"
expect_line "$work/gone.out" "Gen 2:1.1 Strong's 0 Use 0 Mark Use off"
"$ORV" archive read "$work/all.arc" >/dev/null 2>&1 || fail "archive read"
"$ORV" define "$god" --at "Gen 1:1.3" >"$work/back.out" 2>&1 || fail "define after reading"
for line in "0 God-of-all" "1 gods" "2 " "Mark Word on" "Gen 1:1.3 Strong's 0 Use 1 Mark Use on"; do
  expect_line "$work/back.out" "$line"
done
"$ORV" define "$god" --at "Gen 2:1.1" >"$work/back2.out" 2>&1 || fail "define Gen 2:1.1"
expect_line "$work/back2.out" "Gen 2:1.1 Strong's 433 Use 0 Mark Use off"

# Refusals: exit 1 with the message, and not a byte changed.
sum() { find "$ORV_ROOT" -name '*.XRD' -print0 | sort -z | xargs -0 cat | md5sum; }
before=$(sum)
long=$(printf 'x%.0s' {1..40})
refuse() {  # refuse MESSAGE ARGS...
  local message=$1
  shift
  if "$ORV" define "$@" >"$work/r.out" 2>"$work/r.err"; then fail "accepted: $*"; fi
  expect_line "$work/r.err" "orv define: $message"
}
refuse "** Definition too long - maximum is 39 characters: definition 2" "$god" --def 2 "$long"
refuse "** Invalid use number - enter 0 to 5" "$god" --at "Gen 1:1.3" --use 7
refuse "** Invalid use number - enter 0 to 5" "$god" --at "Gen 1:1.3" --use x
refuse "** Invalid Strong's number - enter 0 to 8674" "$god" --at "Gen 1:1.3" --strongs 70000
refuse "** Invalid Strong's number - enter 0 to 8674" "$god" --at "Gen 1:1.3" --strongs abc
refuse "qqq: Word not in database" qqq --def 0 x
refuse "Word too long - maximum is 11 characters" abwzidevthsl --def 0 x
refuse "aleim does not occur at Gen 1:1.1" "$god" --at "Gen 1:1.1" --strongs 1
for args in "" "$god --def 6 x" "$god --use 1" "$god --mark-word yes" "$god --def 0"; do
  # shellcheck disable=SC2086
  if "$ORV" define $args >/dev/null 2>&1; then fail "usage accepted: $args"; fi
  # shellcheck disable=SC2086
  "$ORV" define $args >/dev/null 2>&1 || [[ $? -eq 2 ]] || fail "usage code for: $args"
done
[[ "$(sum)" == "$before" ]] || fail "a refused define changed a datastore"
echo "orv define: ok"

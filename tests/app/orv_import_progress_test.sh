#!/usr/bin/env bash
# orv import's progress: drawn in one line on a terminal's standard error,
# and nothing extra when standard error is not a terminal; the part names
# in its message for an unknown part.
# Usage: orv_import_progress_test.sh PATH_TO_ORV
set -uo pipefail
ORV=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
if [ ! -x "$(dirname "$ORV")/orv-import" ]; then
  echo "orv-import is not built: skipped"
  exit 0
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Not a terminal: the lines of the parts, and standard error stays empty.
ORV_PROGRAM_DIR=$tmp/prog "$ORV" import --only docs >"$tmp/out" 2>"$tmp/err" ||
  fail "orv import --only docs failed: $(cat "$tmp/err")"
[ ! -s "$tmp/err" ] || fail "standard error is not empty: $(od -c "$tmp/err" | head -n 3)"
[ "$(head -n 1 "$tmp/out")" = "Importing into $tmp/prog" ] || fail "first line: $(head -n 1 "$tmp/out")"
grep -q '^Documents: [0-9.]* s$' "$tmp/out" || fail "no line for the documents"
grep -q '^Import finished: ' "$tmp/out" || fail "no closing line"
! grep -q $'\r' "$tmp/out" || fail "a carriage return on standard output"

ORV_PROGRAM_DIR=$tmp/prog "$ORV" import --only docs,greek >/dev/null 2>"$tmp/err"
[ $? -eq 2 ] || fail "an unknown part does not exit 2"
[ "$(cat "$tmp/err")" = "orv import: unknown part greek (hebrew, kjv, dictionary, docs, interlinear)" ] ||
  fail "unknown part: $(cat "$tmp/err")"

# A terminal (through script(1), when present): the progress line is drawn
# and rewritten with carriage returns.
if command -v script >/dev/null; then
  ORV_PROGRAM_DIR=$tmp/tty script -qec "'$ORV' import --only docs" /dev/null >"$tmp/tty.out" ||
    fail "orv import on a terminal failed"
  grep -q $'\rDocuments: 0/1 (0%)' "$tmp/tty.out" || fail "no progress line on a terminal"
  grep -q $'\rMoving the files into place: 1/1 (100%)' "$tmp/tty.out" ||
    fail "the progress does not reach the end"
fi
echo ok

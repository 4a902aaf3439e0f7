#!/usr/bin/env bash
# orv sources delete: lines that showed the deleted source are named and
# show nothing; the other lines keep their sources under the new numbers;
# deleting a source no line shows says nothing about lines.
# Usage: orv_sources_test.sh PATH_TO_ORV
set -euo pipefail
ORV=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORV_ROOT=$work/root ORV_PROGRAM_DIR=$work/prog
mkdir -p "$ORV_PROGRAM_DIR/Source" "$ORV_ROOT/B" "$ORV_ROOT/C" "$ORV_ROOT/D"

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_line() {  # expect_line FILE TEXT
  grep -qxF -- "$2" "$1" || { cat "$1" >&2; fail "missing line '$2'"; }
}

# Sources: 1 ILT Translation, 2 B, 3 C, 4 D, 5 Translation DB.
for d in B C D; do "$ORV" sources add-ilt "$ORV_ROOT/$d" >/dev/null || fail "add-ilt $d"; done
for set in "line2 2" "line5 2" "line3 4" "line6 5"; do
  # shellcheck disable=SC2086
  "$ORV" prefs set $set >/dev/null || fail "prefs set $set"
done

"$ORV" sources delete ilt 2 >"$work/d.out" 2>&1 || { cat "$work/d.out"; fail "delete ilt 2"; }
expect_line "$work/d.out" 'Lines 2 and 5 showed the deleted source "B" and now show nothing.'
"$ORV" prefs show >"$work/p.out" || fail "prefs show"
for line in "line2 0" "line5 0" "line3 3 D" "line6 4 Translation DB"; do expect_line "$work/p.out" "$line"; done

"$ORV" sources delete ilt 2 >"$work/d.out" 2>&1 || { cat "$work/d.out"; fail "delete ilt 2 again"; }
if grep -q "showed the deleted source" "$work/d.out"; then cat "$work/d.out"; fail "a message for a source no line showed"; fi
"$ORV" prefs show >"$work/p.out" || fail "prefs show"
for line in "line3 2 D" "line6 3 Translation DB"; do expect_line "$work/p.out" "$line"; done
echo "orv sources: ok"

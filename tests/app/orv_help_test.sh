#!/usr/bin/env bash
# orv --help, orv help COMMAND, orv --version and the exit codes of a
# command line that cannot be read (0 done, 1 failed, 2 usage).
# Usage: orv_help_test.sh PATH_TO_ORV
set -uo pipefail
ORV=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
# run EXPECTED_CODE ARGS...: runs orv, keeps its output in $out and $err.
run() {
  local want=$1
  shift
  out=$("$ORV" "$@" 2>/tmp/orv_help_err.$$)
  local code=$?
  err=$(cat /tmp/orv_help_err.$$)
  rm -f /tmp/orv_help_err.$$
  [ "$code" -eq "$want" ] || fail "orv $* exited $code, not $want"
}

version=$(sed -n 's/^#define ORV_VERSION "\(.*\)"/\1/p' "$(dirname "$0")/../../src/model/version.h")
run 0 --version
[ "$out" = "orv $version" ] || fail "--version printed '$out'"

run 0 --help
grep -q "^  import \[--hebrew DIR\]" <<<"$out" || fail "--help lacks import"
run 0 help
[ "$out" = "$("$ORV" --help)" ] || fail "help without a command is not the usage"

# One command's lines, with the lines that go on below it.
run 0 help import
[ "$(head -n 1 <<<"$out")" = "  import [--hebrew DIR] [--only hebrew,kjv,dictionary,docs,interlinear]" ] ||
  fail "help import printed '$out'"
[ "$(wc -l <<<"$out")" -eq 2 ] || fail "help import: $(wc -l <<<"$out") lines"
run 0 help value
[ "$(grep -c '^  value ' <<<"$out")" -eq 2 ] || fail "help value: $out"
grep -q "thematic\|build" <<<"$out" && fail "help value shows other commands: $out"

run 2 help nonsense
grep -q "no command nonsense" <<<"$err" || fail "help nonsense said '$err'"
run 2
run 2 nonsense
grep -q "unknown command nonsense" <<<"$err" || fail "unknown command said '$err'"
echo "help, version and exit codes as documented"

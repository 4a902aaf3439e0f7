#!/bin/sh
# `cmake --install` into a temporary prefix puts the programs, the supplied
# data, the desktop files, the manual pages and the completion where a Linux
# system looks for them.
#   install_tree_test.sh BUILD_DIR SUPPLIED_DIR
# Exit 77 (skipped) when the programs are not built.
set -u
build="$1"
supplied="$2"
. "$(dirname "$0")/programs_built.sh"
prefix=$(mktemp -d) || exit 1
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }

status=0
expect() {
  if [ ! -e "$prefix/$1" ]; then
    echo "missing: $1"
    status=1
  fi
}
expect bin/orv
expect bin/orvane
# Every sibling program beside orv in the build folder.
for sibling in "$build"/orv-*; do
  [ -f "$sibling" ] && [ -x "$sibling" ] && expect "bin/$(basename "$sibling")"
done
expect share/applications/org.orvane.Orvane.desktop
expect share/metainfo/org.orvane.Orvane.metainfo.xml
expect share/icons/hicolor/scalable/apps/org.orvane.Orvane.svg
expect share/man/man1/orv.1
expect share/man/man1/orvane.1
expect share/bash-completion/completions/orv
# The supplied data that the program folder holds is installed as it is.
for item in Source/GEN.OLF KJV/GEN.str Interlinear/KJV-Gloss/GEN.ILT \
            Interlinear/Morphology/MAL.ILT Interlinear/Transliteration/GEN.ILT \
            Strongs.dat Hebrew.def OT.VRB README.RTF HELP.RTF; do
  if [ -e "$supplied/$item" ]; then
    expect "share/orvane/$item"
    cmp -s "$supplied/$item" "$prefix/share/orvane/$item" || { echo "differs: $item"; status=1; }
  fi
done
# The installed programs find the program folder beside them.
if [ -e "$supplied/KJV/GEN.str" ]; then
  out=$(env -u ORV_PROGRAM_DIR ORV_ROOT="$prefix/root" "$prefix/bin/orv" kjv "Gen 1:1" 2>&1)
  case "$out" in
    *beginning*) ;;
    *) echo "installed orv kjv does not find the King James text: $out"; status=1 ;;
  esac
fi
# The metainfo and desktop files are valid where the validators are installed.
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.orvane.Orvane.metainfo.xml" ||
    status=1
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$prefix/share/applications/org.orvane.Orvane.desktop" || status=1
fi
# The completion script is valid shell.
bash -n "$prefix/share/bash-completion/completions/orv" || status=1
[ $status -eq 0 ] && echo "install tree complete"
exit $status

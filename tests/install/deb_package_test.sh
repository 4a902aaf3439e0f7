#!/bin/sh
# `cpack -G DEB` builds a package that holds the install tree under /usr and
# declares its dependencies.
#   deb_package_test.sh BUILD_DIR
# Exit 77 (skipped) when cpack, dpkg-deb or the programs are missing.
set -u
build="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: no $tool"
    exit 77
  fi
done
. "$(dirname "$0")/programs_built.sh"
out=$(mktemp -d) || exit 1
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; echo "cpack failed"; exit 1; }
deb=$(ls "$out"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package made"; exit 1; }

status=0
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/orv ./usr/bin/orvane ./usr/share/applications/org.orvane.Orvane.desktop \
            ./usr/share/metainfo/org.orvane.Orvane.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.orvane.Orvane.svg \
            ./usr/share/man/man1/orv.1 ./usr/share/man/man1/orvane.1 \
            ./usr/share/bash-completion/completions/orv; do
  echo "$contents" | grep -q " $path\$" || { echo "not in the package: $path"; status=1; }
done
for sibling in "$build"/orv-*; do
  [ -f "$sibling" ] && [ -x "$sibling" ] || continue
  path="./usr/bin/$(basename "$sibling")"
  echo "$contents" | grep -q " $path\$" || { echo "not in the package: $path"; status=1; }
done
# The libraries the programs link are declared: Qt and, for orv import, SWORD.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libc6; do
  echo "$depends" | grep -q "$lib" || { echo "Depends lacks $lib: $depends"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = "orvane" ] || { echo "package name"; status=1; }
case "$(dpkg-deb -f "$deb" Description)" in
  *";"*) echo "the description holds a list separator"; status=1 ;;
esac
[ $status -eq 0 ] && echo "package complete: $(basename "$deb")"
exit $status

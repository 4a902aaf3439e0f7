# Sourced by the install tests: exits 77 (skipped) unless the programs are
# built in $build.
for program in orv orvane; do
  if [ ! -x "$build/$program" ]; then
    echo "skipped: $build/$program is not built"
    exit 77
  fi
done

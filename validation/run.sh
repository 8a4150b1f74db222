#!/usr/bin/env bash
# Rebuilds the accuracy report: the figures between the markers of docs/accuracy.md, the CSV files
# (build/accuracy/) and the plot docs/accuracy.png. Needs ERFA and gnuplot:
#   apt-get install -y liberfa-dev gnuplot-nox
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DSOLARLON_VALIDATION=ON >/dev/null
if ! grep -q '^ERFA_LIBRARY:.*liberfa' build/CMakeCache.txt; then
  echo "validation/run.sh: ERFA not found; apt-get install -y liberfa-dev" >&2
  exit 1
fi
cmake --build build -j2 --target solarlon-accuracy
out=build/accuracy
mkdir -p "$out"
./build/solarlon-accuracy --out "$out" --update docs/accuracy.md
if command -v gnuplot >/dev/null; then
  gnuplot -e "dir='$out'; out='docs/accuracy.png'" validation/accuracy.gp
else
  echo "validation/run.sh: gnuplot not found, docs/accuracy.png left as it was" >&2
fi
./build/solarlon-accuracy --check docs/accuracy.md

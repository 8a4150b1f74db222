#!/usr/bin/env bash
# Times the file modes on generated files: mode 2 on N date lines (default 1,000,000), mode 5 on M
# longitudes (default 100,000). Prints wall time and peak memory of each run.
#   bash bench/filemodes.sh [BUILD_DIR] [N] [M]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
n=${2:-1000000}
m=${3:-100000}
exe="$build/solarlon"
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Dates YYMMDD.dd over 1930-2029, a heading every 1000 lines.
awk -v n="$n" 'BEGIN { srand(1); for (i = 0; i < n; i++) {
    if (i % 1000 == 0) { print "------.--  heading"; continue }
    printf "%02d%02d%02d.%02d\r\n", int(rand() * 100), 1 + int(rand() * 12), 1 + int(rand() * 28), int(rand() * 100) } }' > DATES.TXT
awk -v m="$m" 'BEGIN { srand(2); for (i = 0; i < m; i++) printf "%.3f\n", rand() * 360 }' > LONS.TXT

timed() {  # label, console input
    local label=$1 input=$2
    if [ -x /usr/bin/time ]; then
        printf '%s' "$input" | /usr/bin/time -f "$label: %e s wall, %M KiB peak" "$exe" > /dev/null
    else
        local t0=$(date +%s.%N)
        printf '%s' "$input" | "$exe" > /dev/null
        echo "$label: $(echo "$(date +%s.%N) - $t0" | bc) s wall"
    fi
}
timed "mode 2, $n date lines" $'2\n2000\nDATES.TXT\n'
timed "mode 5, $m longitudes" $'5\n2000\nLONS.TXT\n'
wc -l DATES.SLG LONS.THJ | head -2

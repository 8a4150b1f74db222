#!/usr/bin/env bash
# Times the file modes on generated files: mode 2 on N date lines (default 1,000,000), mode 5 on M
# longitudes (default 100,000), with the equinox answer EQ (default 2000). Each run is made three
# times; the median wall time and the largest peak memory are printed, and mode 2 once more on a
# tenth of the lines, to show that memory does not grow with the file.
#   bash bench/filemodes.sh [BUILD_DIR] [N] [M] [EQ]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
n=${2:-1000000}
m=${3:-100000}
eq=${4:-2000}
exe="$build/solarlon"
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Dates YYMMDD.dd over 1930-2029, a heading every 1000 lines.
dates() {  # lines, file
    awk -v n="$1" 'BEGIN { srand(1); for (i = 0; i < n; i++) {
        if (i % 1000 == 0) { print "------.--  heading"; continue }
        printf "%02d%02d%02d.%02d\r\n", int(rand() * 100), 1 + int(rand() * 12), 1 + int(rand() * 28), int(rand() * 100) } }' > "$2"
}
dates "$n" DATES.TXT
dates $((n / 10)) SHORT.TXT
awk -v m="$m" 'BEGIN { srand(2); for (i = 0; i < m; i++) printf "%.3f\n", rand() * 360 }' > LONS.TXT

timed() {  # label, console input
    local label=$1 input=$2 runs=()
    local peak=0
    for _ in 1 2 3; do
        rm -f ./*.SLG ./*.THJ
        if [ -x /usr/bin/time ]; then
            local out
            out=$(printf '%s' "$input" | /usr/bin/time -f "%e %M" "$exe" 2>&1 > /dev/null | tail -1)
            runs+=("${out% *}")
            [ "${out#* }" -gt "$peak" ] && peak=${out#* }
        else
            local t0 t1
            t0=$(date +%s.%N)
            printf '%s' "$input" | "$exe" > /dev/null
            t1=$(date +%s.%N)
            runs+=("$(echo "$t1 - $t0" | bc)")
        fi
    done
    local median
    median=$(printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p)
    if [ "$peak" -gt 0 ]; then
        echo "$label: $median s wall (median of ${runs[*]}), $peak KiB peak"
    else
        echo "$label: $median s wall (median of ${runs[*]})"
    fi
}
timed "mode 2, EQ $eq, $n date lines" $'2\n'"$eq"$'\nDATES.TXT\n'
wc -l < DATES.SLG | xargs echo "  lines written:"
timed "mode 2, EQ $eq, $((n / 10)) date lines" $'2\n'"$eq"$'\nSHORT.TXT\n'
timed "mode 5, EQ $eq, $m longitudes" $'5\n'"$eq"$'\nLONS.TXT\n'
wc -l < LONS.THJ | xargs echo "  lines written:"

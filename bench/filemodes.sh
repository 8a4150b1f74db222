#!/usr/bin/env bash
# Times the file modes on generated files, each beside its astronomy alone on the same input: mode 2
# on N date lines (default 1,000,000) against SUNLON over the same dates, mode 5 on M longitudes
# (default 100,000) against SUNTIM over the same longitudes, with the equinox answer EQ (default 2000).
# The program and the series (bench_series) run by turns, five times each; the best times are divided,
# so each ratio comes from one run of this script. The largest peak memory is printed too, and mode 2
# once more on a tenth of the lines, to show that memory does not grow with the file.
#   bash bench/filemodes.sh [BUILD_DIR] [N] [M] [EQ]
# BUILD_DIR is a Release build configured with -DSOLARLON_BENCH=ON (for bench/bench_series).
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
n=${2:-1000000}
m=${3:-100000}
eq=${4:-2000}
exe="$build/solarlon"
series="$build/bench/bench_series"
[ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 1; }
[ -x "$series" ] || { echo "no $series: configure with -DSOLARLON_BENCH=ON and build bench_series" >&2; exit 1; }
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

now() { date +%s%N; }
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

# Five rounds of one run of the program on a console input, then the series on the same file (best of
# three passes in one process), taken turn about so that a busy moment weighs on both alike. Sets BEST
# and ALONE (wall s, the least of the rounds), CPU (user + system s of the program, the least; empty
# without /usr/bin/time, 10 ms steps), RUNS, COUNT (lines or values the series saw) and PEAK (KiB, 0
# when unknown).
timed() {  # console input, series kind, file
    local input=$1 kind=$2 file=$3 t0 t1 s user sys kib alone
    BEST="" CPU="" ALONE="" RUNS="" PEAK=0
    for _ in 1 2 3 4 5; do
        rm -f ./*.SLG ./*.THJ
        t0=$(now)
        if [ -x /usr/bin/time ]; then
            printf '%s' "$input" | /usr/bin/time -f "%U %S %M" -o mem.txt "$exe" > /dev/null
        else
            printf '%s' "$input" | "$exe" > /dev/null
        fi
        t1=$(now)
        s=$(awk -v ns=$((t1 - t0)) 'BEGIN { printf "%.3f", ns / 1e9 }')
        RUNS="$RUNS $s"
        if [ -z "$BEST" ] || smaller "$s" "$BEST"; then BEST=$s; fi
        if [ -f mem.txt ]; then
            read -r user sys kib < <(tail -1 mem.txt)
            if [ "$kib" -gt "$PEAK" ]; then PEAK=$kib; fi
            s=$(awk -v u="$user" -v k="$sys" 'BEGIN { printf "%.2f", u + k }')
            if [ -z "$CPU" ] || smaller "$s" "$CPU"; then CPU=$s; fi
        fi
        if [ -n "$kind" ]; then
            read -r _ COUNT alone < <("$series" "$kind" "$file" "$eq" 2>/dev/null)
            if [ -z "$ALONE" ] || smaller "$alone" "$ALONE"; then ALONE=$alone; fi
        fi
    done
}

peak() { if [ "$PEAK" -gt 0 ]; then awk -v k="$PEAK" -v c="$CPU" 'BEGIN { printf ", %.2f s CPU, %.1f MiB peak", c, k / 1024 }'; fi; }

ratio() {  # program, series
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

cpu_ratio() { if [ -n "$CPU" ]; then echo " (by CPU time $(ratio "$CPU" "$ALONE"))"; fi; }

timed $'2\n'"$eq"$'\nDATES.TXT\n' dates DATES.TXT
echo "mode 2, EQ $eq, $n lines: $BEST s (runs:$RUNS)$(peak)"
echo "  SUNLON alone on its $COUNT date lines: $ALONE s; ratio $(ratio "$BEST" "$ALONE")$(cpu_ratio)"
wc -l < DATES.SLG | xargs echo "  lines written:"
timed $'2\n'"$eq"$'\nSHORT.TXT\n' "" ""
echo "mode 2, EQ $eq, $((n / 10)) lines: $BEST s$(peak)"
timed $'5\n'"$eq"$'\nLONS.TXT\n' longitudes LONS.TXT
echo "mode 5, EQ $eq, $m longitudes: $BEST s (runs:$RUNS)$(peak)"
echo "  SUNTIM alone on its $COUNT longitudes: $ALONE s; ratio $(ratio "$BEST" "$ALONE")$(cpu_ratio)"
wc -l < LONS.THJ | xargs echo "  lines written:"

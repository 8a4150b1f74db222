#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for a bounded time, starting from the corpus kept under tests/fuzz/corpus/<target>/.
#
#   bash tests/fuzz/run.sh [SECONDS per target, default 30] [TARGET...]
#
# Needs clang++ and the libFuzzer runtime (Debian: clang, libclang-rt-14-dev). Builds in build-fuzz
# (FUZZ_BUILD overrides). New inputs go to a temporary corpus, never into the repository; findings go to
# <build>/fuzz/findings/. Exits non-zero when a target cannot be built or any run reports a finding.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
seconds="${1:-30}"
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(fuzz_record fuzz_numbers fuzz_getnum fuzz_program)
build="${FUZZ_BUILD:-$root/build-fuzz}"
cxx="${FUZZ_CXX:-clang++}"

if ! command -v "$cxx" >/dev/null 2>&1; then
  echo "run.sh: $cxx not found (Debian: apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi

generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$cxx" -DSOLARLON_FUZZ=ON -DSOLARLON_TESTS=OFF
else
  cmake -S "$root" -B "$build" -DSOLARLON_FUZZ=ON -DSOLARLON_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target "${targets[@]}" -j2

# The program target reads the whole dialogue; short inputs keep each run cheap.
declare -A max_len=([fuzz_record]=8192 [fuzz_numbers]=512 [fuzz_getnum]=160 [fuzz_program]=512)

findings="$build/fuzz/findings"
mkdir -p "$findings"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=()
for t in "${targets[@]}"; do
  echo "== $t: ${seconds} s"
  mkdir -p "$work/$t"
  kept="$here/corpus/$t"
  dict=()
  [ -f "$here/$t.dict" ] && dict=(-dict="$here/$t.dict")
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/$t" "$work/$t" "$kept" "${dict[@]}" \
      -max_total_time="$seconds" -max_len="${max_len[$t]:-4096}" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/$t-" -print_final_stats=1 >"$work/$t.log" 2>&1 || rc=$?
  grep -E '^#[0-9]+.*(INITED|DONE)|^stat::number_of_executed_units|^stat::peak_rss_mb' "$work/$t.log" || true
  if [ "$rc" -ne 0 ]; then
    echo "!! $t: finding (exit $rc); the input is under $findings/" >&2
    tail -n 60 "$work/$t.log" >&2
    failed+=("$t")
  fi
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: ${#targets[@]} targets, ${seconds} s each, no finding"

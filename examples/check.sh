#!/usr/bin/env bash
# The library as others use it. Configures, builds and installs the tree into a temporary prefix, builds
# the example against the installed copy by find_package(solarlon) and by pkg-config, and checks what
# both print; then builds the tree as a subdirectory of a project with targets named io and util, and
# checks its example too.
#   bash examples/check.sh [BUILD]   BUILD: an existing build folder to install from (default: a new one)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
jobs="${JOBS:-2}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

expected='2000-01-01 12:00 UT  longitude 280.37806
2027 winter solstice 2027-12-22 11:40:05.9 JST'

check_output() {  # NAME PROGRAM
  local got
  got="$("$2")"
  if [ "$got" != "$expected" ]; then
    echo "FAIL: the example built $1 prints"
    echo "$got"
    echo "instead of"
    echo "$expected"
    exit 1
  fi
  echo "ok: the example built $1"
}

if [ $# -ge 1 ]; then
  build="$(cd "$1" && pwd)"
  cmake -S "$root" -B "$build" >/dev/null
else
  build="$work/build"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSOLARLON_TESTS=OFF -DSOLARLON_VALIDATION=OFF \
    >/dev/null
fi
cmake --build "$build" -j"$jobs"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# What the install holds: the program, six libraries, seven public headers, the CMake package and the
# pkg-config file, nothing else (no private header).
libdir="$(dirname "$(dirname "$(find "$prefix" -name solarlon.pc)")")"
libdir="${libdir#"$prefix"/}"
want="bin/solarlon
include/solarlon/calendar.hpp
include/solarlon/constants.hpp
include/solarlon/equinox.hpp
include/solarlon/io.hpp
include/solarlon/solar.hpp
include/solarlon/sun.hpp
include/solarlon/util.hpp"
for lib in apparent equinox io solar sun util; do want+=$'\n'"$libdir/libsolarlon_$lib.a"; done
want+=$'\n'"$libdir/cmake/solarlon/solarlonConfig.cmake
$libdir/cmake/solarlon/solarlonConfigVersion.cmake
$libdir/cmake/solarlon/solarlonTargets.cmake
$libdir/pkgconfig/solarlon.pc"
got="$(cd "$prefix" && find . -type f ! -name 'solarlonTargets-*.cmake' | sed 's|^\./||' | LC_ALL=C sort)"
want="$(echo "$want" | LC_ALL=C sort)"
if [ "$got" != "$want" ]; then
  echo "FAIL: the install holds"
  echo "$got"
  echo "instead of"
  echo "$want"
  exit 1
fi
echo "ok: the install holds the program, the libraries, the public headers and the package files"

cmake -S "$here" -B "$work/by-cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/by-cmake" -j"$jobs" >/dev/null
check_output "by find_package(solarlon)" "$work/by-cmake/longitude"
check_output "with the routines, by find_package(solarlon)" "$work/by-cmake/routines"

export PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
# shellcheck disable=SC2046  # the flags are words
"${CXX:-c++}" -std=c++17 -Wall -Wextra -Wpedantic -Werror "$here/longitude.cpp" -o "$work/longitude-pc" \
  $(pkg-config --cflags --libs solarlon)
check_output "by pkg-config ($(pkg-config --modversion solarlon))" "$work/longitude-pc"
# shellcheck disable=SC2046
"${CXX:-c++}" -std=c++17 -Wall -Wextra -Wpedantic -Werror "$here/routines.cpp" -o "$work/routines-pc" \
  $(pkg-config --cflags --libs solarlon)
check_output "with the routines, by pkg-config" "$work/routines-pc"

cmake -S "$here/subproject" -B "$work/sub" -DSOLARLON_SOURCE="$root" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/sub" -j"$jobs" >/dev/null
check_output "in a project that adds the tree and has targets io and util" "$work/sub/longitude"

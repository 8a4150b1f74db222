#!/usr/bin/env bash
# Runs the cross-built solarlon.exe under wine, standard input and output redirected: every golden
# dialogue of tests/golden (NAME.in fed in, the console output compared with NAME.sjis byte for byte),
# then the file modes (a .TXT to .SLG, a .TXT to .THJ, an existing output replaced, a name with a path,
# a name in Japanese, read-only files) and the refusal of DATA.SLG and DATA.slg as their own output.
# Given the Linux build as well, each case that does not depend on the file system's case rules is run
# there too, and its status, console bytes and files must be the same.
#
#   bash tests/windows/run-wine.sh build-win/solarlon.exe [build/solarlon]
#
# Needs wine (Debian: wine64) and iconv. The Japanese name case needs the ja_JP.UTF-8 locale (Debian:
# locales, then localedef -i ja_JP -f UTF-8 ja_JP.UTF-8): under it wine takes Shift-JIS (932) as the
# ANSI code page, as a Japanese Windows does. Exits non-zero when any byte differs.
set -uo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
golden="$(cd "$here/../golden" && pwd)"
[ $# -ge 1 ] || { echo "usage: $0 SOLARLON.EXE [LINUX_SOLARLON]" >&2; exit 2; }
exe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
[ -f "$exe" ] || { echo "run-wine.sh: no $1" >&2; exit 2; }
linux=""
if [ $# -ge 2 ]; then
  linux="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
  [ -x "$linux" ] || { echo "run-wine.sh: no $2" >&2; exit 2; }
fi
command -v wine >/dev/null 2>&1 || { echo "run-wine.sh: wine not found (Debian: apt-get install wine64)" >&2; exit 2; }

work="$(mktemp -d)"
export WINEDEBUG=-all WINEPREFIX="$work/prefix" WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

wine_locale=C.UTF-8
japanese=no
if locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8'; then
  wine_locale=ja_JP.UTF-8
  japanese=yes
fi

start=$SECONDS
if ! LC_ALL=$wine_locale wineboot -i >"$work/wineboot.log" 2>&1; then
  cat "$work/wineboot.log" >&2
  echo "run-wine.sh: wineboot failed" >&2
  exit 2
fi
echo "wine prefix ready in $((SECONDS - start)) s (locale $wine_locale)"

pass=0 fail=0 dialogues=0 filecases=0
ok() { pass=$((pass + 1)); echo "ok    $1"; }
bad() { fail=$((fail + 1)); echo "FAIL  $1: $2"; }

# Console texts in Shift-JIS, from their UTF-8 spelling.
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
menu="$work/menu.sjis"
cp "$golden/menu_blank.sjis" "$menu"
sjis ' 分点 (1950 or 2000 or etc. or 0:瞬時) :' >"$work/eqx.sjis"
sjis ' 年月日(UT)ファイル名 :' >"$work/prompt2.sjis"
sjis ' 太陽黄経ファイル名 :' >"$work/prompt5.sjis"

# run_in DIR STDIN STDOUT [linux]: runs the program in DIR; its status is printed.
run_in() {
  local status
  if [ "${4:-}" = linux ]; then
    (cd "$1" && "$linux" <"$2" >"$3" 2>/dev/null)
  else
    (cd "$1" && LC_ALL=$wine_locale wine "$exe" <"$2" >"$3" 2>/dev/null)
  fi
  status=$?
  echo "$status"
}

# differs WANT GOT: empty when the files are equal, else the first differing byte.
differs() { cmp "$1" "$2" 2>&1 | head -1; }

# Linked statically: the executable imports Windows' own DLLs only, none of the compiler's runtime.
objdump=x86_64-w64-mingw32-objdump
if command -v "$objdump" >/dev/null 2>&1; then
  dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ' | sed 's/ $//')
  if echo "$dlls" | grep -qiE '(^| )lib[^ ]*\.dll'; then bad static "imports $dlls"; else ok "static (imports $dlls)"; fi
fi

echo "== golden dialogues"
for in in "$golden"/*.in; do
  name="$(basename "$in" .in)"
  want="$golden/$name.sjis"
  [ -f "$want" ] || continue
  dialogues=$((dialogues + 1))
  d="$work/g-$name"
  mkdir -p "$d"
  status=$(run_in "$d" "$in" "$work/$name.out")
  why=$(differs "$want" "$work/$name.out")
  if [ -z "$why" ] && [ -n "$linux" ]; then
    mkdir -p "$d-linux"
    lstatus=$(run_in "$d-linux" "$in" "$work/$name.linux" linux)
    [ "$status" = "$lstatus" ] || why="exit status $status, on Linux $lstatus"
  fi
  if [ -z "$why" ]; then ok "$name"; else bad "$name" "$why"; fi
done

echo "== options"
# --utf8 writes the mode-1 sample in UTF-8; --sjis keeps the golden bytes; a bad argument is status 2.
opt_case() {  # NAME ARGS WANT-FILE WANT-STATUS
  local d="$work/o-$1" status why
  dialogues=$((dialogues + 1))
  mkdir -p "$d"
  status=$(cd "$d" && LC_ALL=$wine_locale wine "$exe" $2 <"$golden/mode1_sample.in" >"$work/$1.out" 2>/dev/null; echo $?)
  why=$(differs "$3" "$work/$1.out")
  [ "$status" = "$4" ] || why="exit status $status, want $4"
  if [ -z "$why" ]; then ok "$1"; else bad "$1" "$why"; fi
}
iconv -f CP932 -t UTF-8 "$golden/mode1_sample.sjis" >"$work/mode1_sample.utf8"
: >"$work/empty"
opt_case utf8_option --utf8 "$work/mode1_sample.utf8" 0
opt_case sjis_option --sjis "$golden/mode1_sample.sjis" 0
opt_case bad_argument --bogus "$work/empty" 2
# The commands answer as on Linux by the classic theory: csv in UTF-8, text in Shift-JIS with --sjis, each
# line ended by CR LF where Linux ends it by LF; a bad value is status 2. This build has no ERFA: the
# apparent theory, the default, is refused with status 2 and one line on standard error that says so.
if [ -n "$linux" ]; then
  "$linux" terms 2027 --format csv --theory classic 2>/dev/null | sed 's/$/\r/' >"$work/terms.csv"
  "$linux" --sjis when 1978 79.26941 --theory classic 2>/dev/null | sed 's/$/\r/' >"$work/when.sjis"
  opt_case terms_csv "terms 2027 --format csv --theory classic" "$work/terms.csv" 0
  opt_case when_text "--sjis when 1978 79.26941 --theory classic" "$work/when.sjis" 0
fi
opt_case bad_value "when 2027 400" "$work/empty" 2
opt_case no_apparent_theory "terms 2027" "$work/empty" 2
printf '*ERR* argument error: terms: this build has no apparent theory (built without ERFA); --theory classic gives the program'"'"'s own geometric longitude\r\n' >"$work/no_theory.err"
dialogues=$((dialogues + 1))
(cd "$work" && LC_ALL=$wine_locale wine "$exe" terms 2027 --theory apparent <"$work/empty" >/dev/null 2>"$work/no_theory.got")
why=$(differs "$work/no_theory.err" "$work/no_theory.got")
if [ -z "$why" ]; then ok "no_apparent_theory_message"; else bad "no_apparent_theory_message" "$why"; fi

# A file-mode case: setup_NAME fills the folder, check_NAME DIR OUT STATUS prints what is wrong.
# PORTABLE yes: the Linux build, given, must leave the same files, status and console bytes.
file_case() {  # NAME CONSOLE-INPUT PORTABLE
  local name=$1 input=$2 portable=$3 d="$work/f-$1" status why
  filecases=$((filecases + 1))
  mkdir -p "$d"
  printf '%b' "$input" >"$work/$name.in"
  (cd "$d" && "setup_$name")
  status=$(run_in "$d" "$work/$name.in" "$work/$name.out")
  why=$("check_$name" "$d" "$work/$name.out" "$status")
  if [ -z "$why" ] && [ -n "$linux" ] && [ "$portable" = yes ]; then
    mkdir -p "$d-linux"
    (cd "$d-linux" && "setup_$name")
    lstatus=$(run_in "$d-linux" "$work/$name.in" "$work/$name.linux" linux)
    if [ "$status" != "$lstatus" ]; then
      why="exit status $status, on Linux $lstatus"
    elif ! cmp -s "$work/$name.out" "$work/$name.linux"; then
      why="console bytes differ from Linux: $(differs "$work/$name.linux" "$work/$name.out")"
    elif ! diff -r "$d-linux" "$d" >/dev/null; then
      why="files differ from Linux: $(diff -rq "$d-linux" "$d" | head -1)"
    fi
  fi
  if [ -z "$why" ]; then ok "$name"; else bad "$name" "$why"; fi
}

# The console of a file mode that ran to the end: menu, equinox prompt, file-name prompt, nothing else.
console_ok() {  # OUT PROMPT-FILE
  cat "$menu" "$work/eqx.sjis" "$2" >"$work/console.want"
  local why
  why=$(differs "$work/console.want" "$1")
  [ -z "$why" ] || echo "console: $why"
}

# The console of a refused file name: the prompts, then one file error line that names the file.
refused_ok() {  # OUT PROMPT-FILE NAME
  cat "$menu" "$work/eqx.sjis" "$2" >"$work/console.want"
  printf '\r\n*ERR* file error: ' >>"$work/console.want"
  local n
  n=$(stat -c %s "$work/console.want")
  if ! cmp -s -n "$n" "$work/console.want" "$1"; then
    echo "console does not end with a file error line: $(differs "$work/console.want" "$1")"
  elif ! tail -c +"$((n + 1))" "$1" | grep -qF "$3"; then
    echo "the file error does not name $3"
  elif [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' ')" != 0d0a ]; then
    echo "the file error line has no CR LF"
  fi
}

# file_is DIR NAME: the file's bytes must be those of printf '%b' with the remaining arguments.
file_is() {
  local dir=$1 name=$2
  shift 2
  [ -f "$dir/$name" ] || { echo "no $name"; return; }
  printf '%b' "$@" >"$work/file.want"
  local why
  why=$(differs "$work/file.want" "$dir/$name")
  [ -z "$why" ] || echo "$name: $why"
}

only_files() {  # DIR NAME...: the folder holds exactly these files
  local dir=$1
  shift
  local got want
  got=$(cd "$dir" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
  want=$(printf '%s\n' "$@" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
  [ "$got" = "$want" ] || echo "files: $got(want $want)"
}

status_is() { [ "$1" = "$2" ] || echo "exit status $1, want $2"; }

longline=$(printf 'L%.0s' $(seq 100))
dates_in="HEADING LINE\r\n------.--\r\n531010.21\r\n521016.34XABCDEFGtail after column 17\n521024.39       \n\n   \r\n${longline}\r\nHEAD.1 is a heading that looks like a date line? no: column 7 is ' '\n\x1a\r\n531010.21\r\n"
dates_slg="HEADING LINE\r\n------.--\r\n531010.21 197.248\r\n521016.34X203.567tail after column 17\r\n521024.39 211.575\r\n\r\n\r\n${longline:0:78}\r\nHEAD.1 is a heading that looks like a date line? no: column 7 is ' '\r\n"
lons_in="270\n280 and some text\n  \n/\n1000\n"
lons_thj="270.0 2000 12 21 13\r\n280.0 2000  1  1  3\r\n280.0 2000  1  1  3\r\n***** 2000  1  1  3\r\n"

setup_dates() { printf '%b' "$dates_in" >DATA.TXT; }
check_dates() {
  status_is "$3" 0
  console_ok "$2" "$work/prompt2.sjis"
  file_is "$1" DATA.SLG "$dates_slg"
  file_is "$1" DATA.TXT "$dates_in"
}

setup_longitudes() { printf '%b' "$lons_in" >L.TXT; }
check_longitudes() {
  status_is "$3" 0
  console_ok "$2" "$work/prompt5.sjis"
  file_is "$1" L.THJ "$lons_thj"
}

setup_replaced() { printf '%b' "$dates_in" >DATA.TXT; printf 'old contents, longer than the new ones %.0s\n' $(seq 20) >DATA.SLG; }
check_replaced() {
  status_is "$3" 0
  file_is "$1" DATA.SLG "$dates_slg"
}

setup_path() { mkdir -p sub; printf '531010.21\n' >sub/D.TXT; }
check_path() {
  status_is "$3" 0
  file_is "$1" 'sub/D.SLG' '531010.21 197.248\r\n'
  only_files "$1" sub sub/D.TXT sub/D.SLG
}

# A dot in a folder name is not the extension: the output goes beside the input.
setup_dot_in_folder() { mkdir -p dir.d; printf '521024.39\n' >dir.d/file; }
check_dot_in_folder() {
  status_is "$3" 0
  file_is "$1" dir.d/file.SLG '521024.39 211.575\r\n'
}

# D: is this folder, so that D:\E.TXT names it with a drive.
setup_drive() { printf '531010.21\n' >E.TXT; ln -sfn "$PWD" "$WINEPREFIX/dosdevices/d:"; }
check_drive() {
  status_is "$3" 0
  file_is "$1" E.SLG '531010.21 197.248\r\n'
}

# An old output whose name differs in case is the output on Windows, and is replaced.
setup_replaced_case() { printf '531010.21\n' >DATA.TXT; printf 'old\n' >data.slg; }
check_replaced_case() {
  status_is "$3" 0
  file_is "$1" DATA.SLG '531010.21 197.248\r\n'
  only_files "$1" DATA.TXT DATA.SLG
}

setup_readonly_input() { printf '%b' "$lons_in" >R.TXT; chmod a-w R.TXT; }
check_readonly_input() {
  status_is "$3" 0
  file_is "$1" R.THJ "$lons_thj"
  file_is "$1" R.TXT "$lons_in"
}

# Windows keeps a read-only file from being removed: the old output stays and the run ends with a
# file error, where Linux replaces it.
setup_readonly_output() { printf '531010.21\n' >P.TXT; printf 'kept\n' >P.SLG; chmod a-w P.SLG; }
check_readonly_output() {
  status_is "$3" 1
  refused_ok "$2" "$work/prompt2.sjis" P.SLG
  file_is "$1" P.SLG 'kept\n'
}

setup_self_same() { printf '531010.21\n' >DATA.SLG; }
check_self_same() {
  status_is "$3" 1
  refused_ok "$2" "$work/prompt2.sjis" DATA.SLG
  file_is "$1" DATA.SLG '531010.21\n'
  only_files "$1" DATA.SLG
}

# DATA.SLG, the output name of DATA.slg, is the input itself on a case-insensitive file system.
setup_self_case() { printf '531010.21\n' >DATA.slg; }
check_self_case() {
  status_is "$3" 1
  refused_ok "$2" "$work/prompt2.sjis" DATA.slg
  file_is "$1" DATA.slg '531010.21\n'
  only_files "$1" DATA.slg
}

# An output name that is a link to the input denotes the input.
setup_hard_link() { printf '531010.21\n' >X.TXT; ln X.TXT X.SLG; }
check_hard_link() {
  status_is "$3" 1
  refused_ok "$2" "$work/prompt2.sjis" X.TXT
  file_is "$1" X.TXT '531010.21\n'
}
setup_symlink() { printf '531010.21\n' >Y.TXT; ln -s Y.TXT Y.SLG; }
check_symlink() {
  status_is "$3" 1
  refused_ok "$2" "$work/prompt2.sjis" Y.TXT
  file_is "$1" Y.TXT '531010.21\n'
}

# A name typed in Shift-JIS opens the file of that name (太陽.TXT, a UTF-8 name on the Linux side).
setup_japanese() { printf '531010.21\n' >'太陽.TXT'; }
check_japanese() {
  status_is "$3" 0
  file_is "$1" '太陽.SLG' '531010.21 197.248\r\n'
}

echo "== file modes"
file_case dates '2\n2000\nDATA.TXT\n' yes
file_case longitudes '5\n2000\nL.TXT\n' yes
file_case replaced '2\n2000\nDATA.TXT\n' yes
file_case path '2\n2000\nsub\\D.TXT\n' no
file_case dot_in_folder '2\n2000\ndir.d\\file\n' no
file_case drive '2\n2000\nD:\\E.TXT\n' no
file_case replaced_case '2\n2000\nDATA.TXT\n' no
file_case readonly_input '5\n2000\nR.TXT\n' yes
file_case readonly_output '2\n2000\nP.TXT\n' no
file_case self_same '2\n2000\nDATA.SLG\n' yes
file_case self_case '2\n2000\nDATA.slg\n' no
file_case hard_link '2\n2000\nX.TXT\n' yes
file_case symlink '2\n2000\nY.TXT\n' yes
if [ "$japanese" = yes ]; then
  file_case japanese "2\n2000\n$(sjis '太陽.TXT')\n" no
else
  echo "skip  japanese: no ja_JP.UTF-8 locale"
fi

echo "compared $dialogues dialogues (golden and options) and $filecases file-mode cases under wine in $((SECONDS - start)) s${linux:+, with the Linux build beside them}"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ] && [ "$dialogues" -gt 0 ]

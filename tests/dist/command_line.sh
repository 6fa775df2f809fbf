#!/bin/sh
# The two programs' command lines: help and version without a display, a wrong
# option, and the batch command's messages and exit status for a missing file,
# a bad line and a good file; the batch command links no Qt library.
# Usage: command_line.sh DFTSCOPE DFTSCOPE_BATCH
set -u
window=$(realpath "$1")
batch=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# expect STATUS OUT-PATTERN ERR-PATTERN COMMAND...: exit status and a line of
# standard output and of standard error matching (grep -E; "" for empty).
expect() {
    want=$1 out=$2 err=$3
    shift 3
    "$@" >"$work/out" 2>"$work/err"
    got=$?
    [ "$got" -eq "$want" ] || fail "$* ended with $got, not $want"
    if [ -z "$out" ]; then [ ! -s "$work/out" ] || fail "$* wrote to standard output"
    else grep -Eq -- "$out" "$work/out" || fail "$* printed no '$out'"; fi
    if [ -z "$err" ]; then [ ! -s "$work/err" ] || fail "$* wrote to standard error: $(cat "$work/err")"
    else grep -Eq -- "$err" "$work/err" || fail "$* said no '$err' but: $(cat "$work/err")"; fi
}

# No display at all: the answers come before Qt would look for one.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
expect 0 '^Usage: dftscope \[FILE\]' '' nodisplay "$window" --help
expect 0 '^dftscope [0-9]+\.[0-9.]+$' '' nodisplay "$window" --version
expect 2 '' "unknown option '--bogus'" nodisplay "$window" --bogus
expect 2 '' '^Usage: dftscope' nodisplay "$window" a.DAT b.DAT

expect 0 '--autocorrelation START,WIDTH' '' nodisplay "$batch" --help
expect 0 '^dftscope-batch [0-9]' '' nodisplay "$batch" --version
expect 2 '' "--harmonics: '0' is not a whole number of at least 1" "$batch" --harmonics 0 x.DAT
expect 2 '' "unknown option '--adcc'" "$batch" --adcc 5 x.DAT

printf 'Stream rate (Hz): 500\tx\r\n*******\r\n1.5\r\n2,5\r\n-3\r\n4\r\n' >"$work/good.DAT"
printf '1.5\r\n2.5\r\nabc\r\n' >"$work/bad.DAT"
cd "$work"
expect 1 '' 'missing\.DAT: Cannot open file "'"$work"'/missing\.DAT"\. No such file or directory' \
    "$batch" --autocorrelation 0,2 missing.DAT good.DAT
[ -f good.export_spectr.dat ] && [ -f good.export_korr.dat ] || fail "the good file's exports are missing"
expect 1 '' '^dftscope-batch: bad\.DAT: Данные: ошибка в строке 3 в позиции 1$' "$batch" bad.DAT
[ ! -e bad.export_spectr.dat ] || fail "a file with a bad line got exports"
expect 2 '' 'does not fit its 4 samples' "$batch" --autocorrelation 3,2 good.DAT
printf '1\n2\n3\n4\n5\n' >long.txt
expect 1 '' '^dftscope-batch: good\.DAT: Количество данных меньше образа$' "$batch" --pattern long.txt good.DAT
expect 1 '' '^dftscope-batch: bad\.DAT: Образ: ошибка в строке 3 в позиции 1$' "$batch" --pattern bad.DAT good.DAT
mkdir exports
expect 0 '' '' "$batch" --autocorrelation 0,2 --output exports good.DAT
[ -f exports/export_spectr.dat ] && [ -f exports/export_korr.dat ] || fail "one file with --output lacks the window's names"

if readelf -d "$batch" | grep NEEDED | grep -qi 'libQt'; then
    fail "dftscope-batch needs a Qt library: $(readelf -d "$batch" | grep NEEDED | grep -i qt)"
fi
exit $status

#!/bin/sh
# Installs the build into a temporary prefix, runs the installed batch command
# on a data file there, and starts the installed program headless with that
# file. The window has no option to quit by itself, so still running after 3 s
# counts as started; a crash or a missing library ends it sooner.
# Usage: installed_start.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
printf 'Stream rate (Hz): 250\tx\r\n*******\r\n1\r\n-1\r\n1\r\n-1\r\n' >signal.DAT
if ! env -u DISPLAY "$prefix/bin/dftscope-batch" --autocorrelation 0,2 --decimal-separator . signal.DAT ||
   ! grep -q "^1	62.50	" signal.export_spectr.dat; then
    echo "the installed dftscope-batch did not write the spectrum of signal.DAT"
    exit 1
fi
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/dftscope" signal.DAT || status=$?
if [ "$status" -eq 124 ]; then
    echo "started from $prefix/bin and still running after 3 s"
    exit 0
fi
echo "the installed program ended with status $status before 3 s"
exit 1

#!/bin/sh
# Installs the build into a temporary prefix and starts the installed program
# headless. It has no option to quit by itself, so still running after 3 s
# counts as started; a crash or a missing library ends it sooner.
# Usage: installed_start.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/dftscope" || status=$?
if [ "$status" -eq 124 ]; then
    echo "started from $prefix/bin and still running after 3 s"
    exit 0
fi
echo "the installed program ended with status $status before 3 s"
exit 1

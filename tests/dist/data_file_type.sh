#!/bin/sh
# The data file type the package installs: update-mime-database accepts it,
# *.dat and *.DAT (a glob of any case) map to it, it is a kind of text, and the desktop entry opens it.
# Usage: data_file_type.sh DIST_DIR APP_ID
set -eu
dist=$1
id=$2
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
mkdir "$db/packages"
cp "$dist/$id-mime.xml" "$db/packages/"
if ! update-mime-database "$db" >"$db/log" 2>&1; then
    cat "$db/log"
    exit 1
fi
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$dist/$id-mime.xml")
status=0
# Without the case-sensitive flag (":cs") the glob takes *.DAT too.
grep -qx "[0-9]*:$type:\*\.dat" "$db/globs2" || { echo "no *.dat glob of any case for $type"; status=1; }
grep -qx "$type text/plain" "$db/subclasses" || { echo "$type is no subclass of text/plain"; status=1; }
grep -qx "MimeType=$type;" "$dist/$id.desktop" || { echo "the desktop entry does not open $type"; status=1; }
grep -qx 'Exec=dftscope %f' "$dist/$id.desktop" || { echo "the desktop entry passes no file"; status=1; }
exit $status

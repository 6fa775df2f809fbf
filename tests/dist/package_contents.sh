#!/bin/sh
# Builds the Debian package into a folder of its own and checks what it holds
# and what it asks to be installed with.
# Usage: package_contents.sh CPACK BUILD_DIR APP_ID
set -eu
cpack=$1
build=$2
id=$3
out=$build/package-check
rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
set -- "$out"/dftscope_*_amd64.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "expected one dftscope_<version>_amd64.deb in $out"
    exit 1
fi
deb=$1
status=0

contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for path in usr/bin/dftscope \
            usr/bin/dftscope-batch \
            "usr/share/mime/packages/$id-mime.xml" \
            usr/share/man/man1/dftscope-batch.1.gz \
            "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml" \
            usr/share/icons/hicolor/scalable/apps/dftscope.svg \
            usr/share/icons/hicolor/48x48/apps/dftscope.png \
            usr/share/man/man1/dftscope.1.gz; do
    if ! printf '%s\n' "$contents" | grep -qxF "./$path"; then
        echo "not in the package: $path"
        status=1
    fi
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for name in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    if ! printf '%s\n' "$depends" | grep -Eq "(^|, )$name( |,|$)"; then
        echo "not a dependency: $name"
        status=1
    fi
done
if printf '%s\n' "$depends" | grep -Eq -- '-dev( |,|$)'; then
    echo "a development package among the dependencies"
    status=1
fi

# The PNG in the package is the 48-pixel one the theme folder promises.
unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
if ! file "$unpacked/usr/share/icons/hicolor/48x48/apps/dftscope.png" | grep -q '48 x 48'; then
    echo "the packaged PNG icon is not 48 x 48"
    status=1
fi
exit $status

#!/bin/sh
# make package builds velomi_VERSION_ARCH.deb with everything the install
# lays out but the simulated device, and Depends computed from the programs.
# Usage: package.sh BUILD_DIR VERSION SANITIZED
set -eu
build=$1 version=$2 sanitized=${3:-0}
id=com.calvorn.Velomi
if [ "$sanitized" = 1 ]; then
    echo "SKIP: a sanitized build's programs are not packaged"
    exit 77
fi
if ! command -v dpkg-deb >/dev/null; then
    echo "SKIP: dpkg-deb is missing: the .deb is not built"
    exit 77
fi
command -v dpkg-shlibdeps >/dev/null || {
    echo "FAIL: dpkg-shlibdeps is missing: make deps installs dpkg-dev" >&2
    exit 1
}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$out/cpack.log")"
set -- "$out"/velomi_"$version"_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no velomi_${version}_ARCH.deb in: $(ls "$out")"
deb=$1
files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in ./usr/bin/velomi ./usr/bin/velomi-cli ./usr/share/applications/$id.desktop \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/man/man1/velomi.1 \
    ./usr/share/man/man1/velomi-cli.1 ./usr/lib/udev/rules.d/70-velomi.rules; do
    echo "$files" | grep -qx "$file" || fail "$file is not in the package"
done
! echo "$files" | grep -q devsim || fail "the simulated device is in the package"
[ "$(dpkg-deb -f "$deb" Package)" = velomi ] || fail "the package is not named velomi"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6serialport6 libc6 qt6-qpa-plugins; do
    echo "$depends" | grep -q "\\b$library\\b" || fail "Depends lacks $library: $depends"
done
echo "$(basename "$deb"): Depends: $depends"

#!/bin/sh
# cmake --install lays out the programs, the menu entry with its icon, the
# metainfo, the man pages and the udev rule; the desktop's own validators
# accept them. Usage: layout.sh BUILD_DIR VERSION
set -eu
build=$1 version=$2
id=com.calvorn.Velomi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
for file in bin/velomi bin/velomi-cli share/applications/$id.desktop \
    share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml \
    share/man/man1/velomi.1 share/man/man1/velomi-cli.1 lib/udev/rules.d/70-velomi.rules; do
    [ -f "$usr/$file" ] || fail "$file is not installed"
done
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "no ${size}px icon: $png"
done
[ -z "$(find "$root" -name '*devsim*')" ] || fail "the simulated device is installed"
! grep -v '^#' "$usr/lib/udev/rules.d/70-velomi.rules" | grep -q '@VELOMI_' ||
    fail "the udev rule is on but its USB IDs are placeholders"

# The menu entry starts an installed program and shows the installed icon;
# the metainfo names the menu entry and this version.
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$exec" ] || fail "Exec=$exec is not an installed program"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry's icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" ||
    fail "the metainfo has no release $version"
"$usr/bin/velomi" --version | grep -q "$version" || fail "velomi --version"
"$usr/bin/velomi-cli" --version | grep -q "$version" || fail "velomi-cli --version"

command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
    fail "desktop-file-validate or appstreamcli is missing: make deps installs them"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
for page in "$usr"/share/man/man1/*.1; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
echo "Installed and valid: $(cd "$usr" && find . -type f | wc -l) files"

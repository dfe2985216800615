#!/bin/sh
# Installs what building and testing Velomi Tool needs on Debian 12, and
# nothing when everything is there already.
set -e
PACKAGES="cmake g++ make pkg-config git clang-format qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n desktop-file-utils appstream dpkg-dev file"
[ -n "$EXTRA_PACKAGES" ] && PACKAGES="$PACKAGES $EXTRA_PACKAGES"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing

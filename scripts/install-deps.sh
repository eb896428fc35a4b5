#!/bin/sh
# Installs the Debian packages Plumeno needs, only when one is missing.
# Packages named as arguments are wanted too (`make fuzz` adds clang's).
set -e
PKGS="cmake g++ make qt6-base-dev qt6-multimedia-dev fonts-ipafont-gothic libgl-dev $*"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing

#!/bin/sh
# Installs the Debian packages that building, running and testing the wizard need, when they are
# missing. As root it installs them; otherwise it prints the one apt-get line to run.
set -eu

PACKAGES="cmake ninja-build g++ make pkg-config qt6-base-dev libcurl4-openssl-dev libgtest-dev libgmock-dev
srecord python3-pyftpdlib iproute2 util-linux fonts-dejavu-core xvfb xauth x11-apps imagemagick curl"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y$missing" >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing

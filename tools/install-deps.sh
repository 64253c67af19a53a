#!/bin/sh
# Installs the Debian packages that a make target needs, when they are missing. As root it installs
# them; otherwise it prints the one apt-get line to run.
#
#   sh tools/install-deps.sh [GROUP...]      without a group: every group
#
#   build  the compiler, make, CMake, Ninja, Qt 6 and the libcurl headers
#   run    what the wizard needs at run time: Qt 6 Widgets, libcurl (loaded at the first upload),
#          SRecord for the conversion programs, and a font
#   test   GoogleTest; the simulated scale (pyftpdlib) and the network-namespace rig (ip, unshare);
#          the desktop-entry and AppStream validators of the install check
#   demo   the simulated scale and the rig; Xvfb and xauth to run it without a display (xvfb-run)
#   bench  the simulated scale and the rig, and curl, the upload's peer
#   windows the mingw-w64 cross compilers (posix threads), Wine to run and test the Windows program,
#          GoogleTest's sources to cross-build it, icoutils to read the built program's resources; SRecord
#          and Python for the converters' agreement test; wixl and msitools for the installer
#   shots  Xvfb, ImageMagick's import and xdotool, to walk the real windows of a run on a virtual
#          display and screenshot them
set -eu

packages_of() {
    case $1 in
    build) echo "cmake ninja-build g++ make qt6-base-dev libcurl4-openssl-dev" ;;
    run) echo "libqt6widgets6 libcurl4 srecord fonts-dejavu-core" ;;
    test) echo "libgtest-dev libgmock-dev python3-pyftpdlib iproute2 util-linux desktop-file-utils appstream" ;;
    demo) echo "python3-pyftpdlib iproute2 util-linux xvfb xauth" ;;
    bench) echo "python3-pyftpdlib iproute2 util-linux curl" ;;
    windows) echo "g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 googletest icoutils zip srecord python3 wixl msitools" ;;
    shots) echo "xvfb xauth imagemagick xdotool" ;;
    *)
        echo "install-deps: no package group '$1' (build, run, test, demo, bench, windows, shots)" >&2
        return 1
        ;;
    esac
}

[ $# -gt 0 ] || set -- build run test demo bench

missing=""
for group in "$@"; do
    packages=$(packages_of "$group")
    for package in $packages; do
        case " $missing " in *" $package "*) continue ;; esac
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
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

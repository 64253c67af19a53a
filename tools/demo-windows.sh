#!/bin/sh
# The Windows wizard under Wine against the simulated scales of the demo (tools/demo.sh), in the
# same private network namespace. The build has a Wine prefix of its own (BUILD/wine-prefix, never
# the user's ~/.wine). Its Wine server is started inside the namespace: a server running outside for
# the same prefix would take the wizard's sockets out of it, so none may run when the demo starts.
#
#   demo-windows.sh [BUILD]
set -eu
BUILD=$(cd "${1:-build-windows}" && pwd)
SOURCE=$(cd "$(dirname "$0")/.." && pwd)

export WINEPREFIX="$BUILD/wine-prefix"
export WINEDEBUG=-all
# No desktop menu entries or file associations of the demo's own in the user's desktop.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

# Made once, with the display the demo runs on: a prefix booted without one keeps its desktop
# without one, and no window of a later run is made.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once, some 10 s)"
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
if wineserver -k 2>/dev/null; then
    wineserver -w
fi

exec sh "$SOURCE/tools/demo.sh" "$BUILD" sh -c 'wine "$1"; status=$?; wineserver -w; exit $status' \
    demo-windows "$BUILD/TarvelWiz.exe"

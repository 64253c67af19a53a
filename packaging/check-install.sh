#!/bin/sh
# The install check (CTest "install"): installs the build into a temporary prefix that already holds
# files of its own, checks the installed layout, validates the desktop entry and the AppStream
# metadata, starts the wizard through the installed launcher and waits for its log in the installed
# program directory, then uninstalls and compares the prefix with what it was: the same, apart from
# the program directory with the log and the conversion work files in it.
#   sh packaging/check-install.sh BUILD SOURCE
set -eu
BUILD=$1
SOURCE=$2
WORK=$(mktemp -d)
pid=""
installed=""
uninstall() {
    cmake -DTARVEL_BINARY_DIR="$BUILD" -DPREFIX="$PREFIX" -P "$SOURCE/packaging/Uninstall.cmake" >"$WORK/uninstall.log"
}
# Whatever happens, the wizard is stopped and the build folder keeps no record of the temporary prefix.
cleanup() {
    set +e
    [ -z "$pid" ] || kill "$pid" 2>/dev/null
    [ -z "$installed" ] || uninstall 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
PREFIX="$WORK/prefix with blank"
fail() {
    echo "install check: $*" >&2
    exit 1
}

# What was there before: a desktop entry of another program and an empty bin folder, both to stay.
mkdir -p "$PREFIX/share/applications" "$PREFIX/bin"
echo "[Desktop Entry]" >"$PREFIX/share/applications/other.desktop"
listing() { (cd "$PREFIX" && find . -printf '%y %p\n' | LC_ALL=C sort); }
listing >"$WORK/before"

installed=yes
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" || { cat "$WORK/install.log"; fail "install failed"; }

PROGRAM_DIR="$PREFIX/lib/tarvelwiz"
for program in TarvelWiz ConvertBoot.bat ConvertFont.bat ConvertAply.bat SRECORD.EXE CNVS.EXE; do
    [ -x "$PROGRAM_DIR/$program" ] || fail "$program is not installed in the program directory with its run bit"
done
[ -f "$PROGRAM_DIR/README.md" ] || fail "README.md is not in the program directory"
[ -x "$PREFIX/bin/tarvelwiz" ] || fail "no launcher bin/tarvelwiz"
ID=org.tarvelwiz.TarvelWiz
ENTRY="$PREFIX/share/applications/$ID.desktop"
METAINFO="$PREFIX/share/metainfo/$ID.metainfo.xml"
for size in 16 32 48 256; do
    icon="$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png"
    [ -f "$icon" ] || fail "no ${size}x$size icon"
    # The PNG header holds the width and the height as 32-bit big-endian numbers at bytes 16 to 23.
    dimensions=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
    side="0 0 $((size / 256)) $((size % 256))"
    [ "$dimensions" = "$side $side" ] || fail "the ${size}x$size icon's header says $dimensions"
done
grep -qx "Exec=\"$PREFIX/bin/tarvelwiz\"" "$ENTRY" || fail "the desktop entry does not start the installed launcher: $(grep ^Exec= "$ENTRY")"
desktop-file-validate "$ENTRY" || fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$METAINFO" || fail "appstreamcli refuses the metadata"

# The installed launcher starts the installed program, which empties its log in its own directory.
QT_QPA_PLATFORM=offscreen "$PREFIX/bin/tarvelwiz" &
pid=$!
waited=0
until [ -f "$PROGRAM_DIR/TarvelLog.txt" ] || [ $waited -ge 200 ] || ! kill -0 "$pid" 2>/dev/null; do
    sleep 0.1
    waited=$((waited + 1))
done
kill "$pid" 2>/dev/null || fail "the installed wizard did not keep running"
wait "$pid" 2>/dev/null || true
pid=""
[ -f "$PROGRAM_DIR/TarvelLog.txt" ] || fail "the installed wizard wrote no log into its program directory"
# The work files of a conversion, as the wizard leaves them there.
echo S0 >"$PROGRAM_DIR/ZELTO.MOT"
echo binary >"$PROGRAM_DIR/ZELTO.BIN"

installed=""
uninstall || { cat "$WORK/uninstall.log"; fail "uninstall failed"; }
{ cat "$WORK/before"; printf '%s\n' "d ./lib" "d ./lib/tarvelwiz" "f ./lib/tarvelwiz/TarvelLog.txt" \
    "f ./lib/tarvelwiz/ZELTO.BIN" "f ./lib/tarvelwiz/ZELTO.MOT"; } | LC_ALL=C sort >"$WORK/expected"
listing >"$WORK/after"
diff -u "$WORK/expected" "$WORK/after" || fail "after uninstalling, the prefix differs from what it was (above)"
echo "install check: passed"

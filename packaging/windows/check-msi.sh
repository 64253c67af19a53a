#!/bin/sh
# The per-user installer under Wine, as a technician uses it: installs with no administrator into the
# user's own folder, the Start-menu entry starts the wizard there (its log appears beside it), a
# package of a higher version replaces the first, and uninstalling removes every installed file and
# keeps the log.   check-msi.sh <Windows build folder>    (77: no installer was built)
set -eu
build=$(cd "$1" && pwd)
msi=$(ls "$build"/TarvelWiz-*-x64.msi 2>/dev/null | head -n 1)
[ -n "$msi" ] || { echo "no installer in $build (make windows-package)"; exit 77; }

export WINEPREFIX="$build/wine-prefix-msi" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
unset DISPLAY
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
# No display: the null graphics driver lets the wizard run without one.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w

user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n 1)
home="$WINEPREFIX/drive_c/users/$user"
folder="$home/AppData/Local/Programs/TarvelWiz"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Scale Tarvel.lnk"
files="TarvelWiz.exe ConvertBoot.bat ConvertFont.bat ConvertAply.bat SRECORD.EXE CNVS.EXE README.md"
fail() { echo "FAIL: $*"; exit 1; }
entries() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'; }

# Installed for this user alone, without elevation, with what Settings, Apps shows.
wine msiexec /i "$msi" /qn || fail "msiexec /i returned $?"
for f in $files; do [ -f "$folder/$f" ] || fail "$f not installed in $folder"; done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entries | grep -q 'DisplayName.*TarvelWiz Application' || fail "no uninstall entry"
entries | grep -q 'Publisher.*The TarvelWiz developers' || fail "no publisher"

# The shortcut starts the wizard in its folder, which empties (makes) its log there at once.
wine start /unix "$shortcut" >/dev/null 2>&1 &
i=0
until [ -f "$folder/TarvelLog.txt" ]; do
    i=$((i + 1)); [ $i -le 60 ] || fail "the shortcut did not start the wizard"; sleep 0.5
done
wineserver -k; wineserver -w

# A higher version (1.0.1: Windows Installer compares three fields) replaces the first.
# wixl reads the package's files relative to its source, so the newer one's stand in the build folder.
mkdir -p "$build/msi-newer"
sed -e 's/ Version="[0-9.]*"/ Version="1.0.1.0"/' -e 's|Source="msi-stage/README.md"|Source="msi-newer/README.md"|' \
    "$build/TarvelWiz.wxs" >"$build/msi-newer/newer.wxs"
echo "the newer package" >"$build/msi-newer/README.md"
cp "$build/msi-newer/README.md" "$work/README.md"
(cd "$build" && wixl -a x64 -o "$work/newer.msi" msi-newer/newer.wxs) >/dev/null 2>&1 || fail "wixl refused the newer package"
wine msiexec /i "$work/newer.msi" /qn || fail "the upgrade returned $?"
[ "$(entries | grep -c 'DisplayName.*TarvelWiz Application')" -eq 1 ] || fail "two installations after the upgrade"
entries | grep -q 'DisplayVersion.*1\.0\.1\.0' || fail "the uninstall entry is not the newer one"
cmp -s "$work/README.md" "$folder/README.md" || fail "the newer package's files were not installed"

# Uninstalling leaves the log (never installed), and with it the folder.
wine msiexec /x "$work/newer.msi" /qn || fail "msiexec /x returned $?"
for f in $files; do [ ! -e "$folder/$f" ] || fail "$f left behind"; done
[ ! -e "$shortcut" ] || fail "the shortcut left behind"
entries | grep -q 'TarvelWiz Application' && fail "the uninstall entry left behind"
[ -f "$folder/TarvelLog.txt" ] || fail "the log was removed"
echo "installed, started, upgraded and removed: $(basename "$msi")"

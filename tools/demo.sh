#!/bin/sh
# The wizard against simulated scales, inside a private network namespace made for the demo:
#   192.168.10.1  the scale in recovery mode (BIOS and application, BIOS, font and application)
#   10.87.20.5    a scale in test mode (application only): type this address on the Step 2 page
#   10.87.20.6    a scale in test mode that refuses the first file it is sent, to show Retry
#   10.87.20.7    a scale in test mode on a slow link (about 1 MB/s), to watch the upload's progress
# Sample images of 4 MB are made in the program directory: BOOT.BIN, FONT.BIN, APLY.BIN (binary) and
# BOOT.MOT, FONT.MOT, APLY.MOT (Motorola S-record, converted by the wizard) in a folder with a long
# name, "demo-images/service/scale firmware/release", as they often lie on a service PC.
# What each scale stores is left in <build>/demo-scales/<address>/.
#
#   demo.sh [BUILD [COMMAND...]]   the command that runs the wizard: BUILD/TarvelWiz unless given
set -eu
BUILD=$(cd "${1:-build}" && pwd)
[ $# -gt 0 ] && shift
[ $# -gt 0 ] || set -- "$BUILD/TarvelWiz"
SOURCE=$(cd "$(dirname "$0")/.." && pwd)

IMAGES="$BUILD/demo-images/service/scale firmware/release"
mkdir -p "$IMAGES"
# Large enough that the slow scale takes a few seconds for each; smaller ones of an older demo are
# made again.
IMAGE_SIZE=4194304
for kind in BOOT FONT APLY; do
    if [ "$(stat -c %s "$BUILD/$kind.BIN" 2>/dev/null || echo 0)" -lt $IMAGE_SIZE ]; then
        head -c $IMAGE_SIZE /dev/urandom >"$BUILD/$kind.BIN"
        rm -f "$IMAGES/$kind.MOT"
    fi
    [ -s "$IMAGES/$kind.MOT" ] ||
        srec_cat "$BUILD/$kind.BIN" -binary -offset 0x10000 -execution-start-address 0x10000 \
            -o "$IMAGES/$kind.MOT" -motorola
done

SCALES="$BUILD/demo-scales"
rm -rf "$SCALES"
echo "Simulated scales: 192.168.10.1 (recovery mode), 10.87.20.5 (test mode), 10.87.20.6 (test mode, refuses the first file)"
echo "                  10.87.20.7 (test mode, slow link of about 1 MB/s: type it on Step 2 to watch the progress bar)"
echo "What they store: $SCALES"
exec "$SOURCE/tests/rig/netns-run.sh" --address 10.87.20.6 --address 10.87.20.7 \
    --scale "192.168.10.1:$SCALES/192.168.10.1" \
    --scale "10.87.20.5:$SCALES/10.87.20.5" \
    --scale "10.87.20.6:$SCALES/10.87.20.6:refuse-store,refuse-store-count=1" \
    --scale "10.87.20.7:$SCALES/10.87.20.7:rate=1024" \
    -- "$@"

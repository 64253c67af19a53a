#!/bin/sh
# The wizard against simulated scales, inside a private network namespace made for the demo:
#   192.168.10.1  the scale in recovery mode (BIOS and application, BIOS, font and application)
#   10.87.20.5    a scale in test mode (application only): type this address on the Step 2 page
#   10.87.20.6    a scale in test mode that refuses the first file it is sent, to show Retry
# Sample images are made in the program directory: BOOT.BIN, FONT.BIN, APLY.BIN (binary) and
# BOOT.MOT, FONT.MOT, APLY.MOT (Motorola S-record, converted by the wizard) in a folder with a long
# name, "demo-images/service/scale firmware/release", as they often lie on a service PC.
# What each scale stores is left in <build>/demo-scales/<address>/.
set -eu
BUILD=$(cd "${1:-build}" && pwd)
SOURCE=$(cd "$(dirname "$0")/.." && pwd)

IMAGES="$BUILD/demo-images/service/scale firmware/release"
mkdir -p "$IMAGES"
for kind in BOOT FONT APLY; do
    [ -s "$BUILD/$kind.BIN" ] || head -c 262144 /dev/urandom >"$BUILD/$kind.BIN"
    [ -s "$IMAGES/$kind.MOT" ] ||
        srec_cat "$BUILD/$kind.BIN" -binary -offset 0x10000 -execution-start-address 0x10000 \
            -o "$IMAGES/$kind.MOT" -motorola
done

SCALES="$BUILD/demo-scales"
rm -rf "$SCALES"
echo "Simulated scales: 192.168.10.1 (recovery mode), 10.87.20.5 (test mode), 10.87.20.6 (test mode, refuses the first file)"
echo "What they store: $SCALES"
exec "$SOURCE/tests/rig/netns-run.sh" --address 10.87.20.6 \
    --scale "192.168.10.1:$SCALES/192.168.10.1" \
    --scale "10.87.20.5:$SCALES/10.87.20.5" \
    --scale "10.87.20.6:$SCALES/10.87.20.6:refuse-store,refuse-store-count=1" \
    -- "$BUILD/TarvelWiz"

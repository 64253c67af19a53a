#!/bin/sh
# SRECORD.EXE <S-record file> <binary image>
#
# Converts a Motorola S-record file into a binary image that starts at the file's lowest address, with
# every gap between records filled with 0xFF, using SRecord's srec_cat. A malformed file, a bad
# checksum or a file without data is refused with a message and status 1, and no image is left.
if [ $# -ne 2 ]; then
    echo "usage: SRECORD.EXE <S-record file> <binary image>" >&2
    exit 2
fi
# srec_cat would read a name that starts with "-" as an option.
case $1 in -*) input=./$1 ;; *) input=$1 ;; esac
case $2 in -*) image=./$2 ;; *) image=$2 ;; esac

if ! command -v srec_cat >/dev/null 2>&1; then
    echo "SRECORD.EXE: srec_cat is not installed (Debian package srecord)" >&2
    exit 1
fi
if [ ! -f "$input" ] || [ ! -r "$input" ]; then
    echo "SRECORD.EXE: cannot read $input" >&2
    exit 1
fi

rm -f -- "$image"
partial=$(mktemp -- "$image.XXXXXX") || exit 1
trap 'rm -f -- "$partial"' EXIT
trap 'exit 1' HUP INT TERM

# Scale images are a few megabytes. Records at addresses far apart would otherwise fill the disk with
# gigabytes of 0xFF: 64 MiB, in the shell's 512-byte blocks, is plenty.
ulimit -f 131072

if ! srec_cat '(' "$input" -motorola -fill 0xFF -over "$input" -motorola ')' \
        -offset - -minimum-addr "$input" -motorola -o "$partial" -binary; then
    echo "SRECORD.EXE: $input is not a valid Motorola S-record file" >&2
    exit 1
fi
if [ ! -s "$partial" ]; then
    echo "SRECORD.EXE: $input holds no data" >&2
    exit 1
fi
chmod 644 "$partial" && mv -f -- "$partial" "$image"

#!/bin/sh
# The wizard is a desktop window: without a display, say so and how to run it on a virtual one.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "$1: no display (DISPLAY is not set). Run it on a virtual display instead:" >&2
    echo "  xvfb-run -a -s '-screen 0 1024x768x24' $1" >&2
    exit 1
fi

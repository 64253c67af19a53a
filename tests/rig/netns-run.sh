#!/bin/bash
# Runs a command inside a private network namespace that holds the scale's addresses, so that network
# tests and the demo talk to simulated scales only and nothing leaves the machine.
#
#   netns-run.sh [--address ADDRESS]... [--scale ADDRESS:FOLDER[:OPTION,OPTION=VALUE,...]]... -- COMMAND [ARGUMENT]...
#
# Inside the namespace the loopback is up and carries
#   192.168.10.1  the scale's fixed address in recovery mode, and
#   10.87.20.5    the test-mode address: the address a scale in test mode is given in the demo and
#                 the tests (any address the operator types works the same way).
# Each --address puts one more address on the loopback (the demo's second test-mode scale).
# Each --scale starts a simulated scale (tools/scale-sim/scale_sim.py) on port 21 of ADDRESS that
# stores into FOLDER; the options are the simulator's own without their dashes, for example
# 192.168.10.1:/tmp/scale:refuse-store,refuse-store-count=1. The command starts once every scale is
# ready, with TARVEL_NETNS=1 and TARVEL_SCALE_SIM=<the simulator> in its environment.
#
# Exit status: the command's; 77 when no namespace can be made here (the tests then count as skipped).
set -u

RIG_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SCALE_SIM=$(cd "$RIG_DIR/../../tools/scale-sim" && pwd)/scale_sim.py
PYTHON=/usr/bin/python3  # Debian's interpreter, the one with pyftpdlib
RECOVERY_ADDRESS=192.168.10.1
TEST_MODE_ADDRESS=10.87.20.5
SKIP=77

usage() {
    echo "usage: $0 [--address ADDRESS]... [--scale ADDRESS:FOLDER[:OPTIONS]]... -- COMMAND [ARGUMENT]..." >&2
    exit 2
}

if [ "${1:-}" != "--inside-namespace" ]; then
    # Outside: make the namespace and run this script again inside it. Root makes a network namespace
    # of its own; anyone else (and root where that is not allowed) inside a user namespace.
    for way in "unshare --net" "unshare --map-root-user --net"; do
        [ "$way" = "unshare --net" ] && [ "$(id -u)" != 0 ] && continue
        if command -v unshare >/dev/null && $way true 2>/dev/null; then
            exec $way -- /bin/bash "$0" --inside-namespace "$@"
        fi
    done
    echo "netns-run: cannot make a private network namespace here; skipping" >&2
    exit $SKIP
fi
shift

SCALES=()
EXTRA_ADDRESSES=()
while [ $# -gt 0 ]; do
    case "$1" in
        --scale) [ $# -ge 2 ] || usage; SCALES+=("$2"); shift 2 ;;
        --address) [ $# -ge 2 ] || usage; EXTRA_ADDRESSES+=("$2"); shift 2 ;;
        --) shift; break ;;
        *) usage ;;
    esac
done
[ $# -gt 0 ] || usage

IP=$(PATH="$PATH:/usr/sbin:/sbin" command -v ip) || {
    echo "netns-run: the ip command (iproute2) is missing; skipping" >&2
    exit $SKIP
}
"$IP" link set lo up &&
    "$IP" addr add "$RECOVERY_ADDRESS/32" dev lo &&
    "$IP" addr add "$TEST_MODE_ADDRESS/32" dev lo || {
    echo "netns-run: cannot set up the loopback in the namespace; skipping" >&2
    exit $SKIP
}
for address in "${EXTRA_ADDRESSES[@]}"; do
    "$IP" addr add "$address/32" dev lo || exit 1
done

WORK=$(mktemp -d /tmp/netns-run.XXXXXX)
SIM_PIDS=()
COMMAND_PID=
cleanup() {
    [ -z "$COMMAND_PID" ] || kill "$COMMAND_PID" 2>/dev/null
    for pid in "${SIM_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${SIM_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

start_scale() {
    local scale=$1 address folder options ready
    address=${scale%%:*}
    folder=${scale#*:}
    options=
    if [ "$folder" != "${folder#*:}" ]; then
        options=${folder#*:}
        folder=${folder%%:*}
    fi
    [ -n "$address" ] && [ -n "$folder" ] && [ "$folder" != "$scale" ] || usage
    local args=(--address "$address" --root "$folder")
    local option
    IFS=, read -ra option_list <<<"$options"
    for option in "${option_list[@]}"; do
        [ -n "$option" ] || continue
        if [ "$option" != "${option#*=}" ]; then
            args+=("--${option%%=*}" "${option#*=}")
        else
            args+=("--$option")
        fi
    done
    ready="$WORK/ready.${#SIM_PIDS[@]}"
    mkdir -p "$folder"
    "$PYTHON" "$SCALE_SIM" "${args[@]}" --ready-file "$ready" >/dev/null &
    local pid=$!
    SIM_PIDS+=("$pid")
    for _ in $(seq 100); do
        [ -e "$ready" ] && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "netns-run: the simulated scale $scale did not start" >&2
    exit 1
}

for scale in "${SCALES[@]}"; do
    start_scale "$scale"
done

export TARVEL_NETNS=1
export TARVEL_SCALE_SIM="$SCALE_SIM"
# In the background and waited for, so that a TERM from the test driver ends it and the scales at once.
"$@" <&0 &
COMMAND_PID=$!
wait "$COMMAND_PID"
status=$?
COMMAND_PID=
exit $status

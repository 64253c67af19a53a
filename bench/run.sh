#!/bin/sh
# make bench: the wizard's figures against peers measured in the same run, inside a private network
# namespace with the simulated scale at 192.168.10.1 (tests/rig/netns-run.sh).
#
#   sh bench/run.sh [BUILD]      BUILD: the build folder of make build / make test (default: build)
#
# Prints one table and writes it to BUILD/bench-results.md. Each figure is the median of alternated
# runs (ours, peer, ours, peer, ...) after one warm-up pair, with the smallest and largest run; each
# ratio compares the two medians of the same run. bench/README.md says what each figure means.
# Where no network namespace can be made the benchmarks are skipped (status 0).
set -u

SOURCE=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = "--inside" ]; then
    # Inside the namespace, with the scale already listening: the four benchmarks one after another.
    BUILD=$2
    WORK=$3
    STORE=$4
    DRIVER="$BUILD/bench/tarvel_bench"
    RESULTS="$WORK/results"
    failed=0
    echo "== upload (64 MB image, page against curl)"
    "$DRIVER" upload image="$WORK/image64.bin" store="$STORE" results="$RESULTS" runs="${BENCH_UPLOAD_RUNS:-11}" ||
        failed=1
    echo "== connection check (page against a bare connect)"
    "$DRIVER" check results="$RESULTS" runs="${BENCH_CHECK_RUNS:-31}" || failed=1
    echo "== conversion (S-record image, ConvertMotToBin against srec_cat)"
    "$DRIVER" convert mot="$WORK/image8.mot" results="$RESULTS" runs="${BENCH_CONVERT_RUNS:-5}" || failed=1
    echo "== start-up (intro page against a bare dialog)"
    "$DRIVER" startup ours="$BUILD/bench/tarvel_bench_wizard_start" peer="$BUILD/bench/tarvel_bench_bare_dialog" \
        results="$RESULTS" runs="${BENCH_STARTUP_RUNS:-11}" || failed=1
    exit $failed
fi

BUILD_ARG=${1:-build}
if ! BUILD=$(cd "$BUILD_ARG" 2>/dev/null && pwd) || [ ! -x "$BUILD/bench/tarvel_bench" ]; then
    echo "bench: no benchmark drivers in $BUILD_ARG/bench; build first (make build, or make test)" >&2
    exit 1
fi

# The peers and the scale (curl, srec_cat, pyftpdlib) come with the project's other packages.
sh "$SOURCE/tools/install-deps.sh" || exit 1

WORK=$(mktemp -d "$BUILD/bench-work.XXXXXX") || exit 1
# The scale stores into memory where it can, so that disk write-back does not blur the upload figures.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    STORE=$(mktemp -d /dev/shm/tarvel-bench-scale.XXXXXX) || exit 1
else
    STORE="$WORK/store"
fi
trap 'rm -rf "$WORK" "$STORE"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
mkdir -p "$WORK/results" "$WORK/runtime" "$STORE"
chmod 700 "$WORK/runtime"

echo "bench: making the images"
if ! { head -c 67108864 /dev/urandom >"$WORK/image64.bin" &&
    head -c 8388608 /dev/urandom >"$WORK/image8.bin" &&
    srec_cat "$WORK/image8.bin" -binary -offset 0x10000 -execution-start-address 0x10000 \
        -o "$WORK/image8.mot" -motorola; }; then
    echo "bench: cannot make the images" >&2
    exit 1
fi

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$WORK/runtime"
"$SOURCE/tests/rig/netns-run.sh" --scale "192.168.10.1:$STORE" -- sh "$SOURCE/bench/run.sh" --inside "$BUILD" "$WORK" "$STORE"
status=$?
if [ $status -eq 77 ]; then
    echo "bench: no private network namespace can be made here (needs unshare as root, or user namespaces);"
    echo "bench: the benchmarks are skipped."
    exit 0
fi

OUT="$BUILD/bench-results.md"
{
    echo "# TarvelWiz benchmarks"
    echo
    echo "$(date -u '+%Y-%m-%d %H:%M UTC'); $(lscpu 2>/dev/null | sed -n 's/^Model name: *//p' | head -n 1)," \
        "$(nproc) CPUs; $(uname -sr); Qt platform plugin offscreen; scale: tools/scale-sim (pyftpdlib)" \
        "on 192.168.10.1 in a private network namespace."
    echo
    echo "Median (min–max) of alternated runs (ours, peer, ours, peer, ...); ratio = our median / peer median."
    echo
    echo "| figure | ours | peer (same run) | ratio | goal | met |"
    echo "|---|---|---|---|---|---|"
    cat "$WORK/results/rows.md" 2>/dev/null
    echo
    cat "$WORK/results/notes.md" 2>/dev/null
} >"$OUT"
echo
cat "$OUT"
echo
echo "bench: written to $OUT"
if [ $status -ne 0 ]; then
    echo "bench: some benchmark runs failed (see above)" >&2
    exit 1
fi
exit 0

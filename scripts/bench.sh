#!/usr/bin/env bash
# Builds the benchmarks and prints their figures: store and load of the
# settings image on tmpfs, Show_all of a full record, creating and showing
# the window (offscreen), the whole-process start-up to the first painted
# frame against the smallest Qt window, with peak memory of both (under Xvfb),
# and qmconf-cli check of 100 images against cksum, on tmpfs and on the disk
# that holds $TMPDIR.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${BENCH_PACKAGES[@]}" time xvfb xauth
build=${QMCONF_BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQMCONF_BUILD_BENCH=ON \
    -DQMCONF_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "== image (tmpfs)"
"$build/bench/image_bench" --benchmark_min_time=0.5
echo "== window (offscreen)"
"$build/bench/ui_bench" --benchmark_min_time=0.5

echo "== qmconf-cli check of 100 images against cksum, whole processes"
bash bench/cli_check.sh "$build/cli/qmconf-cli" /dev/shm
bash bench/cli_check.sh "$build/cli/qmconf-cli"

echo "== start-up to the first painted frame (Xvfb)"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
    set -euo pipefail
    build=$1
    json=$(mktemp)
    hyperfine --style basic --warmup 5 --runs 40 --export-json "$json" \
        -n editor "$build/bench/startup_probe_editor" \
        -n "minimal Qt window" "$build/bench/startup_probe_minimal" >/dev/null
    python3 bench/startup_summary.py "$json"
    for probe in editor minimal; do
        kb=$( { /usr/bin/time -f "%M" "$build/bench/startup_probe_$probe" >/dev/null; } 2>&1 | tail -1)
        echo "peak memory $probe: $kb KiB"
    done
' _ "$build"

echo "== the Windows window (Wine)"
bash scripts/bench-win.sh

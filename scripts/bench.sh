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
source scripts/virtual-screen.sh

bash scripts/deps.sh "${BENCH_PACKAGES[@]}" time xvfb
build=build-bench
cmake --preset bench >/dev/null
cmake --build --preset bench

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "== image (tmpfs)"
"$build/bench/image_bench" --benchmark_min_time=0.5
echo "== window (offscreen)"
"$build/bench/ui_bench" --benchmark_min_time=0.5

echo "== qmconf-cli check of 100 images against cksum, whole processes"
bash bench/cli_check.sh "$build/cli/qmconf-cli" /dev/shm
bash bench/cli_check.sh "$build/cli/qmconf-cli"

echo "== start-up to the first painted frame (Xvfb)"
work=$(mktemp -d)
trap 'qm_screen_down; rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work}
qm_screen_up 1024x768
hyperfine --style basic --warmup 5 --runs 40 --export-json "$work/startup.json" \
    -n editor "$build/bench/startup_probe_editor" \
    -n "minimal Qt window" "$build/bench/startup_probe_minimal" >/dev/null
python3 bench/startup_summary.py "$work/startup.json"
for probe in editor minimal; do
    kb=$( { /usr/bin/time -f "%M" "$build/bench/startup_probe_$probe" >/dev/null; } 2>&1 | tail -1)
    echo "peak memory $probe: $kb KiB"
done
qm_screen_down

echo "== the Windows window (Wine)"
bash scripts/bench-win.sh

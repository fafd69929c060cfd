#!/usr/bin/env bash
# The Windows window's figures under Wine (not a test): start to the first
# painted frame and peak working set of qmconf.exe against the least Win32
# window that makes one control of each class the editor uses, built the same
# way with the same manifest, side by side in one run (each probe measures
# itself from its process's creation; the medians of QMCONF_BENCH_RUNS runs,
# 15 by default), and where the time goes: the same probes stopped at
# wWinMain (the loader's share) and once the window is made, before it is
# shown. Then the size of qmconf.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/virtual-screen.sh
source scripts/wine-prefix.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"
build=build-win-bench
cmake --preset windows-bench >/dev/null
cmake --build --preset windows-bench --target qmconf win_startup_probe_editor \
    win_startup_probe_minimal

work=$(mktemp -d -t qmconf-winbench.XXXXXX)
cleanup() {
    qm_wine_down
    qm_screen_down
    rm -rf "$work"
}
trap cleanup EXIT
qm_screen_up 1280x1024
qm_wine_prefix "$work/prefix"
probes=(editor minimal)
stops=(frame made entry)
# One run of each first, so that neither pays for Wine's first start.
for probe in "${probes[@]}"; do
    wine "$build/bench/win_startup_probe_$probe.exe" >"$work/warm.txt" 2>&1
done
for _ in $(seq "${QMCONF_BENCH_RUNS:-15}"); do
    for stop in "${stops[@]}"; do
        for probe in "${probes[@]}"; do
            # Output to files, never pipes: Wine's services keep them open.
            stop_at=()
            [ "$stop" = frame ] || stop_at=("$stop")
            wine "$build/bench/win_startup_probe_$probe.exe" "${stop_at[@]}" >"$work/one.txt" 2>&1
            cat "$work/one.txt" >>"$work/$probe-$stop.txt"
        done
    done
done

median() { # file column
    awk -v c="$2" '{ print $c }' "$1" | sort -n | awk '{ v[NR] = $1 } END {
        print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
echo "== Windows window under Wine ($(wine --version)), medians of ${QMCONF_BENCH_RUNS:-15} runs"
printf '%-10s %14s %14s %14s %18s\n' probe "first frame" "made" "at wWinMain" "peak working set"
for probe in "${probes[@]}"; do
    printf '%-10s %11s ms %11s ms %11s ms %14s KiB\n' "$probe" \
        "$(median "$work/$probe-frame.txt" 1)" "$(median "$work/$probe-made.txt" 1)" \
        "$(median "$work/$probe-entry.txt" 1)" "$(median "$work/$probe-frame.txt" 3)"
done
awk -v e="$(median "$work/editor-frame.txt" 1)" -v m="$(median "$work/minimal-frame.txt" 1)" \
    -v es="$(median "$work/editor-frame.txt" 3)" -v ms="$(median "$work/minimal-frame.txt" 3)" \
    'BEGIN { printf "editor / minimal: first frame %.2f, peak working set %.2f\n", e / m, es / ms }'
echo "qmconf.exe: $(stat -c %s "$build/win/qmconf.exe") bytes"

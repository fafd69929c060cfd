#!/usr/bin/env bash
# The Windows window's figures under Wine (not a test): start to the first
# painted frame and peak working set of qmconf.exe against the smallest Win32
# window with one label built the same way, side by side in one run (each
# probe measures itself from its process's creation; the medians of
# QMCONF_BENCH_RUNS runs, 15 by default), and the size of qmconf.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"
build=${QMCONF_WIN_BENCH_BUILD_DIR:-build-win-bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DQMCONF_BUILD_UI=OFF -DQMCONF_BUILD_TESTS=OFF \
    -DQMCONF_BUILD_BENCH=ON --no-warn-unused-cli >/dev/null
cmake --build "$build" --parallel 2 --target qmconf win_startup_probe_editor \
    win_startup_probe_minimal

work=$(mktemp -d /tmp/qmconf-winbench.XXXXXX)
# No winemenubuilder: nothing of the prefix goes into the desktop's own menu.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 5 -screen 0 1280x1024x24 -noreset -nolisten tcp \
    5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"
# Output to files, never pipes: Wine's services keep them open.
wine wineboot --init >"$work/wineboot.log" 2>&1
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
cat >"$work/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
(cd "$work" && wine regedit /S settings.reg >"$work/regedit.log" 2>&1)
# One run of each first, so that neither pays for Wine's first start.
for probe in editor minimal; do
    wine "$build/bench/win_startup_probe_$probe.exe" >"$work/warm.txt" 2>&1
done
for _ in $(seq "${QMCONF_BENCH_RUNS:-15}"); do
    for probe in editor minimal; do
        wine "$build/bench/win_startup_probe_$probe.exe" >"$work/one.txt" 2>&1
        cat "$work/one.txt" >>"$work/$probe.txt"
    done
done

median() { # column of a probe's figures
    awk -v c="$2" '{ print $c }' "$1" | sort -n | awk '{ v[NR] = $1 } END {
        print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
echo "== Windows window under Wine ($(wine --version)), medians of ${QMCONF_BENCH_RUNS:-15} runs"
printf '%-22s %12s %16s\n' probe "first frame" "peak working set"
for probe in editor minimal; do
    printf '%-22s %9s ms %12s KiB\n' "$probe" "$(median "$work/$probe.txt" 1)" \
        "$(median "$work/$probe.txt" 3)"
done
echo "qmconf.exe: $(stat -c %s "$build/win/qmconf.exe") bytes"

#!/usr/bin/env bash
# Takes the pictures of the Windows window (qmconf.exe) for the user guide,
# under Wine on a virtual X display of its own, driven with real clicks:
#   win-start.png        the window as it opens
#   win-tab1..4.png      "ПО УМОЛЧАНИЮ", then each of the four tab pages
# The Wine prefix is a throw-away one set to the Russian locale, as the
# technicians' Windows is: there "MS Sans Serif" is the raster face with the
# Cyrillic letters. scripts/screenshots.sh runs it after the Linux pictures.
#
# Usage: scripts/screenshots-win.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"

out=${1:-docs/images}
build=${QMCONF_WIN_BUILD_DIR:-build-win}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DQMCONF_BUILD_UI=OFF -DQMCONF_BUILD_TESTS=OFF \
        --no-warn-unused-cli >/dev/null
fi
cmake --build "$build" --parallel 2 --target qmconf
editor=$(realpath "$build/win/qmconf.exe")

work=$(mktemp -d /tmp/qmconf-winshots.XXXXXX)
# No winemenubuilder: nothing of the prefix goes into the desktop's own menu.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes the locale from these, whether or not the host has it.
ru_wine() {
    LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$@"
}
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "screenshots-win: $*" >&2
    exit 1
}

Xvfb -displayfd 5 -screen 0 1280x1024x24 -dpi 96 -noreset -nolisten tcp \
    5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# Output to files, never pipes: Wine's services keep them open.
ru_wine wineboot --init >"$work/wineboot.log" 2>&1 || fail "no Wine prefix"
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
cat >"$work/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
(cd "$work" && ru_wine regedit /S settings.reg >"$work/regedit.log" 2>&1)
wineserver -k 2>/dev/null || true

(cd "$work" && ru_wine "$editor" >"$work/editor.log" 2>&1 &)
window=$(timeout 30 xdotool search --sync \
    --name 'QM$' | head -n1) ||
    fail "the window did not appear"
X=0 Y=0 WIDTH=0 HEIGHT=0
eval "$(xdotool getwindowgeometry --shell "$window")"
# Wine draws the frame itself: the client area sits inside the borders,
# under the title bar.
border=$(((WIDTH - 617) / 2))
client_x=$((X + border))
client_y=$((Y + HEIGHT - border - 468))

click_at() { # client x, client y
    xdotool mousemove --sync $((client_x + $1)) $((client_y + $2)) click 1
    xdotool mousemove --sync 0 0
}
shot() {
    sleep 1
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/shot.ppm"
    convert "$work/shot.ppm" -strip -define png:exclude-chunks=date,time "$out/$1"
}

mkdir -p "$out"
xdotool mousemove --sync 0 0
shot win-start.png
click_at 501 12 # ПО УМОЛЧАНИЮ
# The middles of the four tabs in the raster face.
tabs=(68 194 329 462)
for page in 1 2 3 4; do
    click_at "${tabs[page - 1]}" 43
    shot "win-tab$page.png"
done
click_at 589 12 # ВЫХОД
echo "Pictures written to $out: win-start win-tab1 win-tab2 win-tab3 win-tab4 (.png)"

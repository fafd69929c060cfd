#!/usr/bin/env bash
# Takes pictures of the Windows window (qmconf.exe) and, when asked, of the
# installer, under Wine on a virtual X display of its own, driven with real
# clicks and keys:
#   win-start.png        the window as it opens
#   win-tab1..4.png      "ПО УМОЛЧАНИЮ", then each of the four tab pages,
#                        turned with Ctrl+Tab
#   setup-1..5.png       with QMCONF_SHOT_SETUP=<installer>: its licence,
#                        components, folder and finish pages, and the window
#                        its finish page starts
#   uninstall-1..2.png   and the uninstaller's first and last pages
# The Wine prefix is a throw-away one in the Russian locale, as the
# technicians' Windows is; QMCONF_SHOT_LOCALE=C.UTF-8 makes it an English one.
# QMCONF_SHOT_DPI (96 by default; 120, 144, 192) sets the screen's DPI; at
# any other than 96, or in another locale, the names start with
# "<locale>-<dpi>-" (ru-144-win-tab1.png). scripts/screenshots.sh runs it
# after the Linux pictures.
#
# Usage: scripts/screenshots-win.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine-prefix.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"

out=${1:-docs/images}
dpi=${QMCONF_SHOT_DPI:-96}
locale=${QMCONF_SHOT_LOCALE:-ru_RU.UTF-8}
language=$([ "$locale" = ru_RU.UTF-8 ] && echo ru || echo en)
names=""
[ "$dpi" = 96 ] && [ "$language" = ru ] || names="$language-$dpi-"
setup=${QMCONF_SHOT_SETUP:+$(realpath "$QMCONF_SHOT_SETUP")}
build=${QMCONF_WIN_BUILD_DIR:-build-win}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DQMCONF_BUILD_UI=OFF -DQMCONF_BUILD_TESTS=OFF \
        --no-warn-unused-cli >/dev/null
fi
cmake --build "$build" --parallel 2 --target qmconf
editor=$(realpath "$build/win/qmconf.exe")

work=$(mktemp -d -t qmconf-winshots.XXXXXX)
# No winemenubuilder: nothing of the prefix goes into the desktop's own menu.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes the locale from its name, whether or not the host has it.
in_locale() {
    env LC_ALL="$locale" "$@"
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

Xvfb -displayfd 5 -screen 0 1600x1200x24 -dpi "$dpi" -noreset -nolisten tcp \
    5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

qm_wine_prefix "$work" "$locale" || fail "no Wine prefix"
qm_wine_dpi "$dpi" "$work"

scaled() { # pixels at 96 DPI
    echo $(($1 * dpi / 96))
}
# The window's geometry as X has it: X, Y, WIDTH, HEIGHT.
X=0 Y=0 WIDTH=0 HEIGHT=0
find_window() { # pattern of its name (bash's, as the window's name reads in UTF-8)
    local window name
    for _ in $(seq 150); do
        for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            name=$(xdotool getwindowname "$window" 2>/dev/null) || continue
            if [[ $name =~ $1 ]]; then
                eval "$(xdotool getwindowgeometry --shell "$window")"
                echo "$window"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}
shot() { # name
    sleep 1
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/shot.ppm"
    convert "$work/shot.ppm" -strip -define png:exclude-chunks=date,time "$out/$names$1"
}
key() { # key...: to the window with the focus
    xdotool key --delay 100 "$@"
}

mkdir -p "$out"
xdotool mousemove --sync 0 0
client_x=0 client_y=0
find_editor() {
    find_window 'QM$' >/dev/null || fail "the window did not appear"
    # Wine draws the frame itself: the client area sits inside the borders,
    # under the title bar.
    local border=$(((WIDTH - $(scaled 617)) / 2))
    client_x=$((X + border))
    client_y=$((Y + HEIGHT - border - $(scaled 468)))
}
click_at() { # client x, client y at 96 DPI
    xdotool mousemove --sync $((client_x + $(scaled "$1"))) $((client_y + $(scaled "$2"))) click 1
    xdotool mousemove --sync 0 0
}
(cd "$work" && in_locale wine "$editor" >"$work/editor.log" 2>&1 &)
find_editor
shot win-start.png
click_at 501 12 # ПО УМОЛЧАНИЮ
shot win-tab1.png
for page in 2 3 4; do
    key ctrl+Tab
    shot "win-tab$page.png"
done
click_at 589 12 # ВЫХОД
pictures="win-start win-tab1 win-tab2 win-tab3 win-tab4"

if [ -n "$setup" ]; then
    (cd "$work" && in_locale wine "$setup" >"$work/setup.log" 2>&1 &)
    find_window '^Установка программы' >/dev/null || fail "the installer did not appear"
    # Enter takes the page's default button: "Принимаю", "Далее",
    # "Установить"; the files are copied on the way to the last page.
    for page in 1 2 3; do
        shot "setup-$page.png"
        key Return
    done
    sleep 3
    shot setup-4.png
    # "Готово" with "Запустить программу" ticked: the window opens.
    key Return
    find_editor
    shot setup-5.png
    click_at 589 12 # ВЫХОД
    sleep 1
    (cd "$work" && in_locale wine "C:\\Program Files\\qmconf\\uninstall.exe" \
        >"$work/uninstall.log" 2>&1 &)
    find_window '^Удаление программы' >/dev/null || fail "the uninstaller did not appear"
    shot uninstall-1.png
    key Return
    sleep 3
    shot uninstall-2.png
    key Return
    pictures+=" setup-1 setup-2 setup-3 setup-4 setup-5 uninstall-1 uninstall-2"
fi
echo "Pictures written to $out: $pictures (.png)${names:+, each name starting $names}"

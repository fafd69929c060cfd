#!/usr/bin/env bash
# Takes pictures of the Windows window (qmconf.exe) and, when asked, of the
# installer, under Wine on a virtual X display of its own:
#   win-start.png        the window as it opens
#   win-tab1..4.png      "ПО УМОЛЧАНИЮ", then each of the four tab pages,
#                        turned with Ctrl+Tab (both by the window's picture
#                        driver, win/tests/Guide_pictures.cpp)
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
source scripts/utf8-locale.sh
source scripts/virtual-screen.sh
source scripts/wine-prefix.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"

out=${1:-docs/images}
dpi=${QMCONF_SHOT_DPI:-96}
locale=${QMCONF_SHOT_LOCALE:-ru_RU.UTF-8}
language=$([ "$locale" = ru_RU.UTF-8 ] && echo ru || echo en)
names=""
[ "$dpi" = 96 ] && [ "$language" = ru ] || names="$language-$dpi-"
setup=${QMCONF_SHOT_SETUP:+$(realpath "$QMCONF_SHOT_SETUP")}
cmake --preset windows >/dev/null
cmake --build --preset windows --target win_guide_pictures
driver=$(realpath build-win/win/tests/win_guide_pictures.exe)

work=$(mktemp -d -t qmconf-winshots.XXXXXX)
cleanup() {
    qm_wine_down
    qm_screen_down
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "screenshots-win: $*" >&2
    exit 1
}

qm_screen_up 1600x1200 -dpi "$dpi"
qm_wine_prefix "$work/prefix" "$locale" || fail "no Wine prefix"
qm_wine_dpi "$dpi"
mkdir -p "$out"
# The pictures carry no time stamps, so that an unchanged window gives
# unchanged files.
save_png() { # picture name
    convert "$1" -strip -define png:exclude-chunks=date,time "$out/$names$2"
}

# Wine takes the locale from its name, whether or not the host has it.
(cd "$work" && LC_ALL=$locale wine "$driver" >"$work/pictures.log" 2>&1) ||
    fail "the window's picture driver failed: $(tr -d '\r' <"$work/pictures.log")"
pictures="win-start win-tab1 win-tab2 win-tab3 win-tab4"
for picture in $pictures; do
    save_png "$work/$picture.ppm" "$picture.png"
done

if [ -n "$setup" ]; then
    # The installer's pages, driven by xdotool: a window by a pattern of its
    # name (bash's, as the name reads in UTF-8), its geometry as X has it.
    X=0 Y=0 WIDTH=0 HEIGHT=0
    find_window() {
        local window name
        for _ in $(seq 150); do
            for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
                name=$(xdotool getwindowname "$window" 2>/dev/null) || continue
                if [[ $name =~ $1 ]]; then
                    eval "$(xdotool getwindowgeometry --shell "$window")"
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
        save_png "$work/shot.ppm" "$1"
    }
    key() { # key...: to the window with the focus
        xdotool key --delay 100 "$@"
    }
    xdotool mousemove --sync 0 0
    (cd "$work" && LC_ALL=$locale wine "$setup" >"$work/setup.log" 2>&1 &)
    find_window '^Установка программы' || fail "the installer did not appear"
    # Enter takes the page's default button: "Принимаю", "Далее",
    # "Установить"; the files are copied on the way to the last page.
    for page in 1 2 3; do
        shot "setup-$page.png"
        key Return
    done
    sleep 3
    shot setup-4.png
    # "Готово" with "Запустить программу" ticked: the window opens, and is
    # closed from the keyboard.
    key Return
    find_window 'QM$' || fail "the window did not appear"
    shot setup-5.png
    key alt+F4
    sleep 1
    (cd "$work" && LC_ALL=$locale wine "C:\\Program Files\\qmconf\\uninstall.exe" \
        >"$work/uninstall.log" 2>&1 &)
    find_window '^Удаление программы' || fail "the uninstaller did not appear"
    shot uninstall-1.png
    key Return
    sleep 3
    shot uninstall-2.png
    key Return
    pictures+=" setup-1 setup-2 setup-3 setup-4 setup-5 uninstall-1 uninstall-2"
fi
echo "Pictures written to $out: $pictures (.png)${names:+, each name starting $names}"

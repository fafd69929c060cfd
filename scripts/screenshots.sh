#!/usr/bin/env bash
# Makes the pictures of the user guide (docs/images/): builds the editor and
# the board stand-in if needed, starts the editor on a virtual X display of
# its own and drives it with real clicks and key presses:
#   start.png     the window as it opens
#   nodevice.png  the message box of "ИЗ УСТРОЙСТВА" with no board attached
#   tab1..4.png   "ПО УМОЛЧАНИЮ", then each of the four tab pages
#   serial.png    a blank board's settings loaded with "ИЗ ФАЙЛА" and a
#                 serial label typed into the serial entry
#   win-*.png     the Windows window under Wine (scripts/screenshots-win.sh)
# Run it again whenever the window changes; an unchanged window gives the same
# files. Run it with no board attached.
#
# Usage: scripts/screenshots.sh [output folder]
# (default docs/images; a relative folder is taken from the top of the tree)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${BUILD_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"

out=${1:-docs/images}
build=${QMCONF_BUILD_DIR:-build}
# An existing build folder keeps its own options (the test build has the
# suites on); a new one gets the editor alone, as scripts/run.sh makes it.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQMCONF_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" --parallel 2 --target qmconf qmboard
editor=$build/ui/qmconf

work=$(mktemp -d)
# The blank board's settings file is loaded from a fixed place, because its
# path shows in the status line of serial.png.
board=${TMPDIR:-/tmp}/qmconf-guide
xvfb_pid=""
editor_pid=""
cleanup() {
    if [ -n "$editor_pid" ]; then kill "$editor_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work" "$board"
}
trap cleanup EXIT

fail() {
    echo "screenshots: $*" >&2
    exit 1
}

# A display of our own: Xvfb picks a free number and tells it on fd 5. No
# window manager runs there: windows have no frame and stay where the editor
# puts them, and the keyboard focus goes where xdotool sets it.
Xvfb -displayfd 5 -screen 0 1024x768x24 -dpi 96 -noreset -nolisten tcp \
    5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

# The same pixels on every machine: no scaling, 96 dpi, and the editor's own
# folder for its temporary file and its board archive.
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
    QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    XDG_RUNTIME_DIR="$work" XDG_DATA_HOME="$work" \
    "$editor" >"$work/editor.log" 2>&1 &
editor_pid=$!

# A window of the editor by its whole title; waits up to 20 s for it.
find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}

# Waits up to 10 s for a window to go.
wait_gone() {
    for _ in $(seq 100); do
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

window=$(find_window 'Программа конфигурирования платы мониторинга серии QM') ||
    fail "the editor's window did not appear: $(cat "$work/editor.log")"
X=0 Y=0 WIDTH=0 HEIGHT=0
eval "$(xdotool getwindowgeometry --shell "$window")" # sets X, Y, WIDTH, HEIGHT
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
screen_w=${screen%x*}
screen_h=${screen#*x}

pointer_at() {
    xdotool getmouselocation | sed -E 's/^x:([0-9]+) y:([0-9]+) .*/\1 \2/'
}

# Rest the pointer on a screen corner outside the window, so that no tool-tip
# or hover shows in a picture.
park_pointer() {
    local cx cy
    for corner in "0 0" "$((screen_w - 1)) 0" "0 $((screen_h - 1))" \
        "$((screen_w - 1)) $((screen_h - 1))"; do
        read -r cx cy <<<"$corner"
        if ((cx < X || cx >= X + WIDTH || cy < Y || cy >= Y + HEIGHT)); then
            # --sync waits for a motion, and there is none when the pointer
            # rests there already.
            [ "$(pointer_at)" = "$cx $cy" ] || xdotool mousemove --sync "$cx" "$cy"
            return
        fi
    done
}

# A click at a point of the window's client area.
click_at() {
    xdotool mousemove --sync --window "$window" "$1" "$2" click 1
    park_pointer
}

# Key presses and typing go to the window given first.
type_into() {
    xdotool windowfocus --sync "$1"
    xdotool type --delay 20 "$2"
}
key_into() {
    xdotool windowfocus --sync "$1"
    xdotool key "$2"
}

# The screen within the window's frame, message boxes over it included.
grab() {
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# Grabs the window into $1 once it shows something other than $2 and has
# stopped changing (two grabs alike in a row).
grab_settled() {
    local target=$1 before=$2 previous=$work/previous.ppm
    grab "$previous"
    for _ in $(seq 50); do
        sleep 0.2
        grab "$target"
        if cmp -s "$target" "$previous" && ! cmp -s "$target" "$before"; then
            return 0
        fi
        cp "$target" "$previous"
    done
    return 1
}

# The tab headers while the first page shows: the right edge of each tab is a
# dark vertical line down the tab row of the page control (at the window's top
# 33, below the buttons); letters have no dark run that long. (The tab that
# shows hides the right edge of the one before it, so this holds only with
# the first page showing.) Prints the x of the middle of each tab.
tab_centres() {
    convert "$1" -crop "${WIDTH}x20+0+33" +repage -colorspace gray -depth 8 txt:- |
        awk 'NR > 1 {
                 split($1, at, ","); v = $NF; gsub(/[^0-9]/, "", v)
                 if (v + 0 < 140) dark[at[1] + 0]++
             }
             END {
                 left = 0
                 for (x = 0; x < '"$WIDTH"'; x++)
                     if (dark[x] >= 12) { print int((left + x) / 2); left = x + 1 }
             }'
}

# Where two grabs differ below the command buttons and above the status line:
# prints the middle of the differing area as "x y".
changed_centre() {
    local top=33 height=$((HEIGHT - 33 - 20)) box w h x y
    box=$(convert "$1" "$2" -crop "${WIDTH}x${height}+0+${top}" +repage \
        -compose difference -composite -threshold 0 -format '%@' info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    echo "$((x + w / 2)) $((top + y + h / 2))"
}

# The pictures carry no time stamps, so that an unchanged window gives
# unchanged files.
save_png() {
    convert "$1" -strip -define png:exclude-chunks=date,time "$2"
}

# Positions of the command buttons in their row at the top of the window
# (left + width / 2 of each, 25 pixels high).
button_x() {
    case $1 in
    from_device) echo 53 ;;
    from_file) echo 277 ;;
    defaults) echo 501 ;;
    exit) echo 589 ;;
    esac
}
button_y=12

mkdir -p "$out"
blank=$work/blank.ppm
convert -size "${WIDTH}x${HEIGHT}" xc:black "$blank"

grab_settled "$work/start.ppm" "$blank" || fail "the window did not settle"
save_png "$work/start.ppm" "$out/start.png"

# "ИЗ УСТРОЙСТВА" with no board: the message box.
click_at "$(button_x from_device)" $button_y
box=$(find_window 'Конфигуратор плат QM') ||
    fail "no message box after ИЗ УСТРОЙСТВА (is a board attached?)"
# The box alone, framed by a line as a desktop would frame it.
sleep 0.5
import -window "$box" "$work/nodevice.ppm"
convert "$work/nodevice.ppm" -bordercolor '#606060' -border 1 "$work/nodevice-framed.ppm"
save_png "$work/nodevice-framed.ppm" "$out/nodevice.png"
key_into "$box" Return
wait_gone "$box" || fail "the message box did not close"
park_pointer

click_at "$(button_x defaults)" $button_y
grab_settled "$work/defaults.ppm" "$work/start.ppm" ||
    fail "the defaults did not show after the click on ПО УМОЛЧАНИЮ"

mapfile -t centres < <(tab_centres "$work/defaults.ppm")
[ "${#centres[@]}" -eq 4 ] || fail "found ${#centres[@]} tab headers instead of 4"

shown=$work/defaults.ppm
for page in 1 2 3 4; do
    click_at "${centres[page - 1]}" 43
    if [ "$page" -eq 1 ]; then
        # The first page shows already: the click changes nothing visible.
        sleep 0.5
        grab "$work/tab1.ppm"
    else
        grab_settled "$work/tab$page.ppm" "$shown" || fail "page $page did not show"
    fi
    save_png "$work/tab$page.ppm" "$out/tab$page.png"
    shown=$work/tab$page.ppm
done

# A blank board's settings file, loaded through the open dialog.
rm -rf "$board"
mkdir -p "$board"
"$build/tools/qmboard" --blank "$work/board.img" >/dev/null
mcopy -i "$work/board.img" ::set.ini "$board/set.ini"

click_at "${centres[0]}" 43
grab_settled "$work/back.ppm" "$work/tab4.ppm" || fail "the first page did not show again"
click_at "$(button_x from_file)" $button_y
dialog=$(find_window 'Открыть') || fail "no open dialog after ИЗ ФАЙЛА"
type_into "$dialog" "$board/set.ini"
key_into "$dialog" Return
wait_gone "$dialog" || fail "the open dialog did not close"
park_pointer
grab_settled "$work/loaded.ppm" "$work/back.ppm" || fail "the blank board did not load"

# The serial entry is what appeared beside the status text; type the label
# there, then move the focus on to the tab headers, which show no caret.
read -r entry_x entry_y < <(changed_centre "$work/tab1.ppm" "$work/loaded.ppm") ||
    fail "no serial entry appeared"
click_at "$entry_x" "$entry_y"
type_into "$window" "QM 0.4.1.7.2"
key_into "$window" shift+Tab
park_pointer
grab_settled "$work/serial.ppm" "$work/loaded.ppm" || fail "the serial label did not show"
save_png "$work/serial.ppm" "$out/serial.png"

# "ВЫХОД" closes the editor.
click_at "$(button_x exit)" $button_y
for _ in $(seq 50); do
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$editor_pid" 2>/dev/null; then
    fail "the editor did not close on ВЫХОД"
fi
wait "$editor_pid" || fail "the editor ended with an error: $(cat "$work/editor.log")"
editor_pid=""

echo "Pictures written to $out: start nodevice tab1 tab2 tab3 tab4 serial (.png)"

# The Windows window under Wine, beside it.
bash scripts/screenshots-win.sh "$out"

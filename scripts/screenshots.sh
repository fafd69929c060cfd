#!/usr/bin/env bash
# Makes the pictures of the user guide (docs/images/): builds the editor's
# picture driver (ui/tests/Guide_pictures.cpp) and the board stand-in, and
# runs the driver on a virtual X display of its own, where it starts the
# editor and drives it with real clicks and key presses:
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
source scripts/utf8-locale.sh
source scripts/virtual-screen.sh

bash scripts/deps.sh "${TEST_PACKAGES[@]}" "${SCREENSHOT_PACKAGES[@]}"
out=${1:-docs/images}
cmake --preset native >/dev/null
cmake --build --preset native --target ui_guide_pictures qmboard

work=$(mktemp -d)
# The blank board's settings file is loaded from a fixed place, because its
# path shows in the status line of serial.png.
board=${TMPDIR:-/tmp}/qmconf-guide
cleanup() {
    qm_screen_down
    rm -rf "$work" "$board"
}
trap cleanup EXIT
rm -rf "$board"
mkdir -p "$board"
build/tools/qmboard --blank "$work/board.img" >/dev/null
mcopy -i "$work/board.img" ::set.ini "$board/set.ini"

# The same pixels on every machine: no scaling, 96 dpi, and the editor's own
# folders for its temporary file, its board archive and the file dialog's
# history.
qm_screen_up 1024x768 -dpi 96
env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM=xcb \
    QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    XDG_RUNTIME_DIR="$work" XDG_DATA_HOME="$work" XDG_CONFIG_HOME="$work" \
    build/ui/tests/ui_guide_pictures "$work" "$board/set.ini"
qm_screen_down

# The pictures carry no time stamps, so that an unchanged window gives
# unchanged files.
mkdir -p "$out"
pictures=(start nodevice tab1 tab2 tab3 tab4 serial)
for picture in "${pictures[@]}"; do
    convert "$work/$picture.ppm" -strip -define png:exclude-chunks=date,time "$out/$picture.png"
done
echo "Pictures written to $out: ${pictures[*]} (.png)"

# The Windows window under Wine, beside it.
bash scripts/screenshots-win.sh "$out"

#!/usr/bin/env bash
# Builds the toolkit-free libraries (core/, image/, archive/, form/), the
# command line qmconf-cli (cli/), the Win32 window (win/) and their test
# suites as Windows executables with MinGW-w64 (the windows preset) and runs
# every case under Wine through CTest, each in a process of its own, in a
# throw-away Wine prefix on an Xvfb of its own; then tests the delivery
# (scripts/windows-package-test.sh). Exits non-zero when any case fails or
# hangs (300 seconds a case).
#
# Two drives of that prefix are folders set up as volumes (Wine reports the
# volume serial number written in a folder's .windows-serial), both removable
# like the board, both holding set.ini as the board holds it:
#   Q:  the board, serial C208-9526
#   P:  serial 9526-C208, the board's with its halves swapped: not the board
# The device tests find them through QMCONF_TEST_BOARD_DRIVE and
# QMCONF_TEST_NEAR_DRIVE. Where the machine allows (root, FUSE), R: and S:
# are small exFAT volumes for the full-volume tests (QMCONF_TEST_FULL_DRIVES).
#
# The window's layout cases run once more at 120, 144 and 192 DPI, and at
# all four in a Russian prefix; qmconf-cli's text cases once more as on a
# Russian Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/utf8-locale.sh
source scripts/exfat-volumes.sh
source scripts/virtual-screen.sh
source scripts/wine-prefix.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows

work=$(mktemp -d -t qmconf-wine.XXXXXX)
cleanup() {
    qm_wine_down
    exfat_volumes_down
    qm_screen_down
    rm -rf "$work"
}
trap cleanup EXIT
# What the emulator and Wine leave in the temporary folder goes with the
# work folder, even from a case killed at its time limit.
export TMPDIR=$work

# A screen large enough for the window at its place (x 547) and at twice its
# size.
qm_screen_up 1600x1200
qm_wine_prefix "$work/en"
volume() { # folder serial
    mkdir "$1"
    printf '%s\n' "$2" >"$1/.windows-serial"
    cp image/tests/data/board_set.ini "$1/set.ini"
}
volume "$work/board" c2089526
volume "$work/near" 9526c208
drives=(p="$work/near" q="$work/board")
# Two small exFAT volumes for the full-volume tests, R: with 4 KiB clusters
# and S: with 512-byte ones, where they can be made.
full_drives=""
for drive in r:4096 s:512; do
    if exfat_volume_up "$work/exfat-${drive#*:}" "${drive#*:}"; then
        drives+=("${drive%%:*}=$work/exfat-${drive#*:}/root")
        full_drives+="${drive^^} "
    fi
done
qm_wine_drives "${drives[@]}"
export QMCONF_TEST_BOARD_DRIVE=Q QMCONF_TEST_NEAR_DRIVE=P QMCONF_TEST_FULL_DRIVES="${full_drives% }"

status=0
qm_wine_keep
ctest --preset windows || status=1
# The figures of the reader's comparison with GetPrivateProfileStringA.
grep -h '^profile differential' build-win/Testing/Temporary/LastTest.log || true

# The window's layout at each DPI a technician's screen may be set to, in the
# English prefix (code page 1252, where every case ran at 96 DPI above) and a
# Russian one (1251).
layout_runs() { # code-page locale DPI...
    local code_page=$1 locale=$2 dpi
    shift 2
    for dpi in "$@"; do
        qm_wine_dpi "$dpi"
        qm_wine_keep
        echo "== the window's layout at $dpi DPI, code page $code_page"
        # (bash's own warning that the host lacks the locale aside)
        LC_ALL=$locale QMCONF_TEST_DPI=$dpi QMCONF_TEST_CODEPAGE=$code_page \
            ctest --preset windows-layout 2>/dev/null || status=1
    done
}
layout_runs 1252 C.UTF-8 120 144 192
english=$WINEPREFIX
if qm_wine_prefix "$work/ru" ru_RU.UTF-8; then
    layout_runs 1251 ru_RU.UTF-8 96 120 144 192
else
    status=1
fi

# qmconf-cli's text once more as on a Russian Windows (ANSI code page 1251,
# OEM 866): Wine takes them from the locale, made here in the work folder.
echo "== qmconf-cli's text as on a Russian Windows"
mkdir "$work/locale"
if localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" >"$work/localedef.log" 2>&1; then
    WINEPREFIX=$english qm_wine_keep
    WINEPREFIX=$english LOCPATH=$work/locale LC_ALL=ru_RU.UTF-8 \
        ctest --preset windows-cli-text || status=1
else
    cat "$work/localedef.log" >&2
    echo "no Russian locale for the second run of qmconf-cli's text cases" >&2
    status=1
fi

bash scripts/windows-package-test.sh build-win || status=1
exit $status

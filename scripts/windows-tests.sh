#!/usr/bin/env bash
# Builds the toolkit-free libraries (core/, image/, archive/, form/), the command line
# qmconf-cli (cli/) and their test suites as Windows executables with
# MinGW-w64 and runs every *_tests.exe under Wine, quietly, in a throw-away
# Wine prefix. Prints each suite with its summary and
# exits non-zero when any test fails or hangs (QMCONF_WIN_TEST_TIMEOUT seconds a
# suite, 300 by default).
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
# The window's suite (win_tests) needs a display: an Xvfb of its own, started
# here and stopped at the end. Its layout cases run once more at 96, 120, 144
# and 192 DPI, in the English prefix and in a Russian one.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/utf8-locale.sh
source scripts/exfat-volumes.sh
source scripts/wine-prefix.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"

build=${QMCONF_WIN_BUILD_DIR:-build-win}
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DQMCONF_BUILD_UI=OFF -DQMCONF_BUILD_TESTS=ON \
    --no-warn-unused-cli >/dev/null
cmake --build "$build" --parallel "$(nproc)"

work=$(mktemp -d /tmp/qmconf-wine.XXXXXX)
# No winemenubuilder: nothing of the prefix goes into the desktop's own menu.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    exfat_volumes_down
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A screen of our own, large enough for the window at its place (x 547) and
# at 1.5 times its size; -noreset keeps it up between the Wine programs.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -noreset -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -1 "$work/display")"

volume() { # folder serial
    mkdir "$1"
    printf '%s\n' "$2" >"$1/.windows-serial"
    cp image/tests/data/board_set.ini "$1/set.ini"
}
volume "$work/board" c2089526
volume "$work/near" 9526c208

# Output goes to files, never to pipes: the Wine services that the first
# program starts inherit its output and keep a pipe open until they end.
if ! wine wineboot --init >"$work/wineboot.log" 2>&1; then
    cat "$work/wineboot.log" >&2
    echo "wineboot could not make the Wine prefix" >&2
    exit 1
fi
# Wine's own fonts (MS Sans Serif, Tahoma, Marlett...) and Windows' faces of
# the window.
qm_wine_fonts "$work"
ln -s "$work/near" "$WINEPREFIX/dosdevices/p:"
ln -s "$work/board" "$WINEPREFIX/dosdevices/q:"
cat >"$work/drives.reg" <<'EOF'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"p:"="floppy"
"q:"="floppy"

; No window manager to wait for: Wine places its windows itself.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
EOF
(cd "$work" && wine regedit /S drives.reg >"$work/regedit.log" 2>&1)
# Two small exFAT volumes for the full-volume tests, R: with 4 KiB clusters
# and S: with 512-byte ones, where they can be made.
full_drives=""
for drive in r:4096 s:512; do
    if exfat_volume_up "$work/exfat-${drive#*:}" "${drive#*:}"; then
        ln -s "$work/exfat-${drive#*:}/root" "$WINEPREFIX/dosdevices/${drive%%:*}:"
        full_drives+="${drive^^} "
    fi
done
export QMCONF_TEST_FULL_DRIVES="${full_drives% }"
# Wine's mount manager reads the drives when it starts: start afresh.
wineserver -k 2>/dev/null || true

export QMCONF_TEST_BOARD_DRIVE=Q QMCONF_TEST_NEAR_DRIVE=P
status=0
suites=()
run_suite() { # exe name [gtest arguments]
    local exe=$1 name=$2
    shift 2
    echo "== $name (Windows, under Wine)"
    # A hang (a read that waits for ever) counts as a failure, not as CI stuck.
    rc=0
    (cd "$(dirname "$exe")" &&
        timeout "${QMCONF_WIN_TEST_TIMEOUT:-300}" wine "$exe" --gtest_brief=1 "$@" \
            >"$work/$name.log" 2>&1) || rc=$?
    grep -v '^Running main() from' "$work/$name.log" || true
    count=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .*/\1/p' "$work/$name.log")
    summary="$name (${count:-no} tests"
    if [ $rc -ne 0 ]; then
        status=1
        [ $rc -eq 124 ] && summary+=", timed out"
        summary+=", FAILED"
    fi
    suites+=("$summary)")
}
exes=()
while IFS= read -r exe; do
    exes+=("$exe")
    run_suite "$exe" "$(basename "$exe" .exe)"
done < <(find "$(realpath "$build")" -name '*_tests.exe' -type f | sort)

# The window's layout at each DPI a technician's screen may be set to, in an
# English prefix (the one above, code page 1252, where the suites ran at 96
# DPI) and a Russian one (1251): the screen's DPI as Wine reports it is the
# prefix's LogPixels.
layout_runs() { # exe language code-page locale DPI...
    local exe=$1 language=$2 code_page=$3 locale=$4 dpi
    shift 4
    for dpi in "$@"; do
        qm_wine_dpi "$dpi" "$work"
        # (bash's own warning that the host lacks the locale aside)
        LC_ALL=$locale QMCONF_TEST_DPI=$dpi QMCONF_TEST_CODEPAGE=$code_page \
            run_suite "$exe" "win_tests-$language-${dpi}dpi" --gtest_filter='NativeLayout.*' \
            2>/dev/null
    done
    wineserver -k 2>/dev/null || true
}
for exe in "${exes[@]}"; do
    [ "$(basename "$exe")" = win_tests.exe ] || continue
    layout_runs "$exe" en 1252 C.UTF-8 120 144 192
    mkdir "$work/ru"
    if WINEPREFIX="$work/ru/prefix" qm_wine_prefix "$work/ru" ru_RU.UTF-8; then
        WINEPREFIX="$work/ru/prefix" layout_runs "$exe" ru 1251 ru_RU.UTF-8 96 120 144 192
    else
        status=1
    fi
done

# qmconf-cli's text once more as on a Russian Windows (ANSI code page 1251,
# OEM 866): Wine takes them from the locale, made here in the work folder.
for exe in "${exes[@]}"; do
    [ "$(basename "$exe")" = cli_tests.exe ] || continue
    mkdir "$work/locale"
    if ! localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" >"$work/localedef.log" 2>&1; then
        cat "$work/localedef.log" >&2
        echo "no Russian locale for the second run of cli_tests" >&2
        status=1
        continue
    fi
    LOCPATH="$work/locale" LC_ALL=ru_RU.UTF-8 run_suite "$exe" cli_tests-ru \
        --gtest_filter='ConsoleTest.*:ScreenTest.*:Cli/RedirectTest.*:*Pattern*'
done

if [ ${#suites[@]} -eq 0 ]; then
    echo "no *_tests.exe in $build" >&2
    exit 1
fi
printf -v joined '%s, ' "${suites[@]}"
echo "Windows suites run under Wine: ${joined%, }"
bash scripts/windows-package-test.sh "$build" || status=1
exit $status

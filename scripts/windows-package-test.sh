#!/usr/bin/env bash
# Tests the Windows delivery end to end under Wine, in a throw-away prefix:
# builds the installer and the zip (scripts/windows-package.sh) from a
# Windows build folder (the first argument, or QMCONF_WIN_BUILD_DIR, or
# build-win), installs silently with /PATH=1, checks the files, the Start-menu
# shortcuts, the "Apps and features" entry, the user's PATH and the versions,
# starts the installed programs, installs the next version over it, uninstalls
# silently and checks that nothing of ours is left while the user's board
# archive stays; then unzips the zip and runs the programs from it.
# Prints one pass/fail line and exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/utf8-locale.sh

build=$(realpath "${1:-${QMCONF_WIN_BUILD_DIR:-build-win}}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
next=${version%.*}.$((${version##*.} + 1))

work=$(mktemp -d /tmp/qmconf-package.XXXXXX)
# winemenubuilder off: the shortcuts the installer makes stay in the prefix
# instead of turning into entries of the desktop's own menu. The desktop's
# data and configuration folders point into the work folder all the same, so
# that the check below sees any entry made and none lands in the user's home.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export XDG_DATA_HOME="$work/xdg-data" XDG_CONFIG_HOME="$work/xdg-config"
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # description command...
    if "${@:2}"; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        failures=$((failures + 1))
    fi
}

QMCONF_PACKAGE_DIR="$work/v1" bash scripts/windows-package.sh "$build"
QMCONF_PACKAGE_DIR="$work/v2" QMCONF_PACKAGE_VERSION="$next" \
    bash scripts/windows-package.sh "$build" >"$work/v2.log"
setup1="$work/v1/qmconf-$version-windows-x64-setup.exe"
setup2="$work/v2/qmconf-$next-windows-x64-setup.exe"
zipfile="$work/v1/qmconf-$version-windows-x64.zip"
# The listing into a file first: grep -q stops reading at the first match,
# and unzip, killed by SIGPIPE, would fail the pipeline under pipefail.
unzip -Z1 "$zipfile" >"$work/zip.list"
window=no
grep -q '/qmconf\.exe$' "$work/zip.list" && window=yes

# Output of Wine programs goes to files, never to pipes (see windows-tests.sh).
if ! wine wineboot --init >"$work/wineboot.log" 2>&1; then
    cat "$work/wineboot.log" >&2
    echo "wineboot could not make the Wine prefix" >&2
    exit 1
fi
wineserver -w
c="$WINEPREFIX/drive_c"
dir="$c/Program Files/qmconf"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\qmconf'
local_app_data=$(find "$c/users" -mindepth 3 -maxdepth 3 -path '*/AppData/Local' \
    -not -path '*/Public/*' | head -n 1)
planted="$local_app_data/qmconf/archive/C208-9526/2026-01-01_set.ini"
mkdir -p "$(dirname "$planted")"
cp image/tests/data/board_set.ini "$planted"

run() { # log program arguments...: runs a Windows program, waits for all of Wine
    local log=$1 rc=0
    shift
    timeout 120 wine "$@" >"$log" 2>&1 || rc=$?
    wineserver -w
    return $rc
}
reg_value() { # key value: prints the data of a registry value, or nothing
    wine reg query "$1" /v "$2" >"$work/reg.log" 2>&1 || return 0
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p" "$work/reg.log" | tr -d '\r'
}
path_count() { # how often the install folder is on the user's PATH
    reg_value 'HKCU\Environment' Path | tr ';' '\n' |
        grep -cixF 'C:\Program Files\qmconf' || true
}
cli_version() { # folder: the version qmconf-cli.exe there reports
    (cd "$1" && run "$work/version.log" ./qmconf-cli.exe --version) || true
    tr -d '\r' <"$work/version.log"
}
resource_version() { # exe: FileVersion and ProductVersion of its version resource
    strings -el "$1" | grep -A1 -xE 'FileVersion|ProductVersion' | grep -v -e -- -e Version |
        sort -u
}
lnk_points_to() { # lnk name: whether the shortcut's target ends in name
    [ -f "$1" ] || return 1
    strings -a "$1" | grep -qiF "$2" || strings -el "$1" | grep -qiF "$2"
}
window_starts() { # folder: qmconf.exe there stays up (its window shown) until killed
    local rc=0 screen=()
    # Without a desktop Wine has no display driver and no window can open:
    # Wine starts afresh on a virtual screen.
    [ -n "${DISPLAY:-}" ] || screen=(xvfb-run -a)
    wineserver -k 2>/dev/null || true
    (cd "$1" && "${screen[@]}" timeout 10 wine ./qmconf.exe >"$work/window.log" 2>&1) || rc=$?
    wineserver -k 2>/dev/null || true
    [ $rc -eq 124 ]
}

# 1. A silent first install, the programs' folder on PATH.
check "installer $version runs silently" run "$work/setup1.log" "$setup1" /S /PATH=1
for f in qmconf-cli.exe guide.html LICENSE.txt uninstall.exe; do
    check "installed $f" test -f "$dir/$f"
done
check "shortcut to the guide" lnk_points_to "$menu/Конфигуратор плат QM — руководство.lnk" guide.html
if [ $window = yes ]; then
    check "installed qmconf.exe" test -f "$dir/qmconf.exe"
    check "Start-menu shortcut to qmconf.exe" lnk_points_to "$menu/Конфигуратор плат QM.lnk" qmconf.exe
    check "installed qmconf.exe starts and stays up" window_starts "$dir"
else
    echo "skipped: qmconf.exe (the window) is not built in $build; the shortcut opens the guide"
    check "Start-menu shortcut to the guide" lnk_points_to "$menu/Конфигуратор плат QM.lnk" guide.html
fi
check "uninstall entry with version $version" test "$(reg_value "$key" DisplayVersion)" = "$version"
check "uninstall entry's publisher" test -n "$(reg_value "$key" Publisher)"
check "uninstall entry's quiet uninstall" test "$(reg_value "$key" QuietUninstallString)" = \
    '"C:\Program Files\qmconf\uninstall.exe" /S'
check "uninstall entry's size" test -n "$(reg_value "$key" EstimatedSize)"
check "install folder once on the user's PATH" test "$(path_count)" = 1
check "installed qmconf-cli --version" test "$(cli_version "$dir")" = "qmconf-cli $version"
check "version resource of qmconf-cli.exe" test "$(resource_version "$dir/qmconf-cli.exe")" = "$version"

# 2. The next version over it: one entry, the new version, PATH choice kept.
check "installer $next runs silently over $version" run "$work/setup2.log" "$setup2" /S
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' >"$work/keys.log" 2>&1 || true
check "one uninstall entry" test "$(grep -ciE '\\qmconf' "$work/keys.log")" = 1
check "uninstall entry with version $next" test "$(reg_value "$key" DisplayVersion)" = "$next"
check "install folder still once on PATH" test "$(path_count)" = 1
check "installed uninstaller is the new one" test "$(resource_version "$dir/uninstall.exe")" = "$next"
check "installed files after the upgrade" test -f "$dir/qmconf-cli.exe" -a -f "$dir/uninstall.exe"

# 3. A silent uninstall leaves nothing of ours, and the user's archive.
check "uninstaller runs silently" run "$work/uninstall.log" "$dir/uninstall.exe" /S
check "install folder gone" test ! -e "$dir"
check "shortcuts gone" test -z "$(find "$menu" -name 'Конфигуратор плат QM*')"
check "uninstall entry gone" test -z "$(reg_value "$key" DisplayVersion)"
check "PATH entry gone" test "$(path_count)" = 0
check "the user's board archive stays" cmp -s image/tests/data/board_set.ini "$planted"
check "no entries in the desktop's own menu" \
    test -z "$(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" -name '*.desktop' -o -name '*.menu' 2>/dev/null)"

# 4. Without /PATH=1 (and no earlier choice) PATH stays as it was.
check "installer runs silently without /PATH" run "$work/setup3.log" "$setup1" /S
check "PATH untouched by default" test "$(path_count)" = 0
check "uninstaller runs silently again" run "$work/uninstall2.log" "$dir/uninstall.exe" /S
check "install folder gone again" test ! -e "$dir"

# 5. The zip, as from a USB stick.
mkdir "$work/usb"
unzip -q "$zipfile" -d "$work/usb"
usb="$work/usb/qmconf-$version"
for f in qmconf-cli.exe guide.html LICENSE.txt; do
    check "zip holds $f" test -f "$usb/$f"
done
check "qmconf-cli --version from the zip" test "$(cli_version "$usb")" = "qmconf-cli $version"
if [ $window = yes ]; then
    check "qmconf.exe from the zip starts and stays up" window_starts "$usb"
fi

if [ $failures -eq 0 ]; then
    echo "Windows delivery under Wine: PASSED (installer $(stat -c %s "$setup1") bytes, window: $window)"
else
    echo "Windows delivery under Wine: FAILED ($failures checks)"
    exit 1
fi

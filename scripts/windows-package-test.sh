#!/usr/bin/env bash
# Tests the Windows delivery end to end under Wine, in a throw-away prefix:
# builds the installer and the zip (scripts/windows-package.sh) from a
# Windows build folder (the first argument, or QMCONF_WIN_BUILD_DIR, or
# build-win), signed with a certificate made here for the test; checks what
# the programs declare (Windows 7 and later, the icon, no symbols) and their
# signatures; installs silently with /PATH=1, checks the files, the Start-menu
# shortcuts, the "Apps and features" entry, the system's PATH and the
# versions, starts the installed programs, installs the next version (not
# signed) over it, uninstalls silently and checks that nothing of ours is left
# while the user's board archive stays; checks that a PATH too long to handle
# is left whole and that an older Windows is refused; then unzips the zip and
# runs the programs from it.
# Prints one pass/fail line and exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/utf8-locale.sh
source scripts/virtual-screen.sh
source scripts/wine-prefix.sh

build=$(realpath "${1:-${QMCONF_WIN_BUILD_DIR:-build-win}}")
cached() { # name: a value of the build folder's cache
    sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}
version=$(cached CMAKE_PROJECT_VERSION)
product=$(cached QMCONF_PRODUCT_NAME)
publisher=$(cached QMCONF_PUBLISHER)
next=${version%.*}.$((${version##*.} + 1))

work=$(mktemp -d -t qmconf-package.XXXXXX)
# winemenubuilder is off in the prefix: the shortcuts the installer makes
# stay there instead of turning into entries of the desktop's own menu. The
# desktop's data and configuration folders point into the work folder all
# the same, so that the check below sees any entry made and none lands in
# the user's home.
export XDG_DATA_HOME="$work/xdg-data" XDG_CONFIG_HOME="$work/xdg-config"
cleanup() {
    qm_wine_down
    qm_screen_down
    rm -rf "$work"
}
trap cleanup EXIT
# Without a desktop Wine has no display driver and no window can open.
[ -n "${DISPLAY:-}" ] || qm_screen_up 1280x1024

failures=0
check() { # description command...
    if "${@:2}"; then
        echo "ok: $1"
    else
        echo "FAILED: $1"
        failures=$((failures + 1))
    fi
}

# A throw-away code-signing certificate, trusted by nothing but this test.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" \
    -days 2 -subj "/CN=qmconf delivery test" -addext extendedKeyUsage=codeSigning \
    >"$work/openssl.log" 2>&1
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/test.pfx" \
    -passout pass:delivery-test >>"$work/openssl.log" 2>&1

QMCONF_PACKAGE_DIR="$work/v1" QMCONF_SIGN_PFX="$work/test.pfx" \
    QMCONF_SIGN_PASSWORD=delivery-test bash scripts/windows-package.sh "$build"
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
mkdir "$work/usb"
unzip -q "$zipfile" -d "$work/usb"
usb="$work/usb/qmconf-$version"

# What the programs declare, as Windows reads it before it runs them.
objdump=x86_64-w64-mingw32-objdump
declares_windows_7() { # exe: the least Windows it asks for is 7 (NT 6.1)
    "$objdump" -p "$1" >"$work/headers.txt"
    for field in MajorOSystemVersion MajorSubsystemVersion; do
        grep -qE "^$field[[:space:]]+6$" "$work/headers.txt" || return 1
    done
    for field in MinorOSystemVersion MinorSubsystemVersion; do
        grep -qE "^$field[[:space:]]+1$" "$work/headers.txt" || return 1
    done
}
manifest_names_7_to_11() { # exe: its manifest names Windows 7, 8, 8.1 and 10/11
    wrestool --raw -x -t24 "$1" >"$work/manifest.xml" 2>/dev/null || return 1
    for os in 35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 \
        1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
        grep -qi "supportedOS Id=\"{$os}\"" "$work/manifest.xml" || return 1
    done
}
dpi_aware() { # exe: its manifest says it scales itself
    wrestool --raw -x -t24 "$1" 2>/dev/null | grep -q '<dpiAware[^>]*>true</dpiAware>'
}
stripped() { # exe: no symbol table, no debug data
    "$objdump" -f "$1" >"$work/flags.txt" && ! grep -q HAS_SYMS "$work/flags.txt" &&
        ! "$objdump" -h "$1" | grep -q '\.debug'
}
icon_images() { # exe: the sizes and depths of its first icon
    rm -rf "$work/icon" && mkdir "$work/icon"
    wrestool -x -t14 -o "$work/icon/" "$1" 2>/dev/null || return 1
    icotool -l "$work/icon/"*.ico | sed 's/--index=[0-9]* //' | sort
}
carries_the_icon() { # exe: its icon is the product's, every image of it
    local ours="$build/win/qmconf.ico" theirs
    theirs=$(icon_images "$1") || return 1
    [ "$theirs" = "$(icotool -l "$ours" | sed 's/--index=[0-9]* //' | sort)" ] || return 1
    # The 32-pixel image itself, pixel for pixel.
    icotool -x -w 32 -o "$work/icon/theirs.png" "$work/icon/"*.ico &&
        icotool -x -w 32 -o "$work/icon/ours.png" "$ours" &&
        cmp -s "$work/icon/theirs.png" "$work/icon/ours.png"
}
signed() { # file: a valid signature by the test's certificate
    osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1
}
unsigned() { # file: no valid signature
    ! signed "$1"
}

if [ $window = yes ]; then
    check "qmconf.exe declares Windows 7" declares_windows_7 "$usb/qmconf.exe"
    check "qmconf.exe's manifest names Windows 7, 8, 8.1, 10" manifest_names_7_to_11 "$usb/qmconf.exe"
    check "qmconf.exe carries the product's icon" carries_the_icon "$usb/qmconf.exe"
    check "qmconf.exe has every icon size 16 to 256" \
        test "$(icon_images "$usb/qmconf.exe" | grep -oE 'width=[0-9]+' | sort -u | wc -l)" -ge 9
    check "qmconf.exe in the zip is stripped" stripped "$usb/qmconf.exe"
    check "qmconf.exe in the zip is signed" signed "$usb/qmconf.exe"
fi
check "qmconf-cli.exe declares Windows 7" declares_windows_7 "$usb/qmconf-cli.exe"
check "qmconf-cli.exe in the zip is stripped" stripped "$usb/qmconf-cli.exe"
check "qmconf-cli.exe in the zip is signed" signed "$usb/qmconf-cli.exe"
check "installer is signed" signed "$setup1"
check "installer without a certificate is not signed" unsigned "$setup2"
check "installer carries the product's icon" carries_the_icon "$setup1"
check "installer is DPI-aware" dpi_aware "$setup1"

# Output of Wine programs goes to files, never to pipes (scripts/wine-prefix.sh).
qm_wine_prefix "$work/prefix"
c="$WINEPREFIX/drive_c"
dir="$c/Program Files/qmconf"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\qmconf'
system_env='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
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
refused() { # log program arguments...: the program ends with a failure
    ! run "$@"
}
reg_value() { # key value: prints the data of a registry value, or nothing
    wine reg query "$1" /v "$2" >"$work/reg.log" 2>&1 || return 0
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p" "$work/reg.log" | tr -d '\r'
}
reg_text() { # key value: the data of a string value, every character kept (reg query
    # writes in the console's code page; an export is in UTF-16)
    rm -f "$c/export.reg"
    wine reg export "$1" 'C:\export.reg' /y >"$work/reg.log" 2>&1 || return 0
    iconv -f UTF-16LE -t UTF-8 "$c/export.reg" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"$/\1/p"
}
on_path() { # key: how often the install folder is on that PATH
    reg_value "$1" Path | tr ';' '\n' | grep -cixF 'C:\Program Files\qmconf' || true
}
cli_version() { # folder: the version qmconf-cli.exe there reports
    (cd "$1" && run "$work/version.log" ./qmconf-cli.exe --version) || true
    # A file it writes to is in UTF-16 with its byte order mark.
    iconv -f UTF-16 -t UTF-8 "$work/version.log" | tr -d '\r'
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
    local rc=0
    wineserver -k 2>/dev/null || true
    (cd "$1" && timeout 10 wine ./qmconf.exe >"$work/window.log" 2>&1) || rc=$?
    wineserver -k 2>/dev/null || true
    [ $rc -eq 124 ]
}
user_path_before=$(reg_value 'HKCU\Environment' Path)

# 1. A silent first install, the programs' folder on the system's PATH.
check "installer $version runs silently" run "$work/setup1.log" "$setup1" /S /PATH=1
for f in qmconf-cli.exe guide.html LICENSE.txt uninstall.exe; do
    check "installed $f" test -f "$dir/$f"
done
check "shortcut to the guide" lnk_points_to "$menu/$product — руководство.lnk" guide.html
if [ $window = yes ]; then
    check "installed qmconf.exe" test -f "$dir/qmconf.exe"
    check "Start-menu shortcut to qmconf.exe" lnk_points_to "$menu/$product.lnk" qmconf.exe
    check "installed qmconf.exe starts and stays up" window_starts "$dir"
else
    echo "skipped: qmconf.exe (the window) is not built in $build; the shortcut opens the guide"
    check "Start-menu shortcut to the guide" lnk_points_to "$menu/$product.lnk" guide.html
fi
check "installed qmconf-cli.exe is stripped" stripped "$dir/qmconf-cli.exe"
check "uninstaller is signed" signed "$dir/uninstall.exe"
check "uninstaller carries the product's icon" carries_the_icon "$dir/uninstall.exe"
check "uninstall entry named $product" test "$(reg_text "$key" DisplayName)" = "$product"
check "uninstall entry with version $version" test "$(reg_value "$key" DisplayVersion)" = "$version"
check "uninstall entry's publisher" test "$(reg_text "$key" Publisher)" = "$publisher"
check "uninstall entry's quiet uninstall" test "$(reg_value "$key" QuietUninstallString)" = \
    '"C:\Program Files\qmconf\uninstall.exe" /S'
check "uninstall entry's size" test -n "$(reg_value "$key" EstimatedSize)"
check "install folder once on the system's PATH" test "$(on_path "$system_env")" = 1
check "the installing account's own PATH untouched" \
    test "$(reg_value 'HKCU\Environment' Path)" = "$user_path_before"
check "installed qmconf-cli --version" test "$(cli_version "$dir")" = "qmconf-cli $version"
check "version resource of qmconf-cli.exe" test "$(resource_version "$dir/qmconf-cli.exe")" = "$version"

# 2. The next version over it: one entry, the new version, PATH choice kept.
check "installer $next runs silently over $version" run "$work/setup2.log" "$setup2" /S
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' >"$work/keys.log" 2>&1 || true
check "one uninstall entry" test "$(grep -ciE '\\qmconf' "$work/keys.log")" = 1
check "uninstall entry with version $next" test "$(reg_value "$key" DisplayVersion)" = "$next"
check "install folder still once on the system's PATH" test "$(on_path "$system_env")" = 1
check "installed uninstaller is the new one" test "$(resource_version "$dir/uninstall.exe")" = "$next"
check "installed files after the upgrade" test -f "$dir/qmconf-cli.exe" -a -f "$dir/uninstall.exe"

# 3. A silent uninstall leaves nothing of ours, and the user's archive.
check "uninstaller runs silently" run "$work/uninstall.log" "$dir/uninstall.exe" /S
check "install folder gone" test ! -e "$dir"
check "shortcuts gone" test -z "$(find "$menu" -name "$product*")"
check "uninstall entry gone" test -z "$(reg_value "$key" DisplayVersion)"
check "PATH entry gone" test "$(on_path "$system_env")" = 0
check "the user's board archive stays" cmp -s image/tests/data/board_set.ini "$planted"
check "no entries in the desktop's own menu" \
    test -z "$(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" -name '*.desktop' -o -name '*.menu' 2>/dev/null)"

# 4. Without /PATH=1 (and no earlier choice) PATH stays as it was.
check "installer runs silently without /PATH" run "$work/setup3.log" "$setup1" /S
check "PATH untouched by default" test "$(on_path "$system_env")" = 0
check "uninstaller runs silently again" run "$work/uninstall2.log" "$dir/uninstall.exe" /S
check "install folder gone again" test ! -e "$dir"

# 5. A system PATH longer than the installer's strings hold (1024
# characters) is left whole, neither cut short nor given the folder, through
# install and uninstall.
path_before=$(reg_value "$system_env" Path)
long_path="$path_before"
for i in $(seq 60); do long_path+=";C:\\Tools\\vendor-$i\\bin"; done
wine reg add "$system_env" /v Path /t REG_EXPAND_SZ /d "$long_path" /f >"$work/reg-add.log" 2>&1
check "installer runs silently with a long PATH" run "$work/setup4.log" "$setup1" /S /PATH=1
check "a long PATH is left whole by the installer" \
    test "$(reg_value "$system_env" Path)" = "$long_path"
check "uninstaller runs silently with a long PATH" run "$work/uninstall3.log" "$dir/uninstall.exe" /S
check "a long PATH is left whole by the uninstaller" \
    test "$(reg_value "$system_env" Path)" = "$long_path"
wine reg add "$system_env" /v Path /t REG_EXPAND_SZ /d "$path_before" /f >"$work/reg-add.log" 2>&1

# 6. A Windows older than 7 SP1 is refused, and nothing installed.
wine reg add 'HKCU\Software\Wine' /v Version /d vista /f >"$work/reg-add.log" 2>&1
wineserver -k 2>/dev/null || true
check "installer refuses Windows Vista" refused "$work/setup-vista.log" "$setup1" /S
check "nothing installed on Windows Vista" test ! -e "$dir"
wine reg delete 'HKCU\Software\Wine' /v Version /f >"$work/reg-add.log" 2>&1
wineserver -k 2>/dev/null || true

# 7. The zip, as from a USB stick.
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

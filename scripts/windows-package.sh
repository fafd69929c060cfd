#!/usr/bin/env bash
# Builds the Windows delivery from a Windows build folder (the one
# scripts/windows-tests.sh makes; build-win by default, or QMCONF_WIN_BUILD_DIR,
# or the first argument):
#   qmconf-<version>-windows-x64-setup.exe  the installer (NSIS, 64-bit)
#   qmconf-<version>-windows-x64.zip        the portable zip, for a USB stick
# both in <build>/package (or QMCONF_PACKAGE_DIR). They hold qmconf-cli.exe,
# the user guide as HTML (made here from docs/guide.md, its pictures inside),
# the licence, and qmconf.exe, the window, when the build folder has it; the
# programs without their symbols and debug data.
# The version is the project's, as the build folder was configured with it;
# QMCONF_PACKAGE_VERSION overrides it (the upgrade test makes a later one).
#
# Signing: with QMCONF_SIGN_PFX naming a PKCS#12 file (its password in
# QMCONF_SIGN_PASSWORD, a time-stamp server in QMCONF_SIGN_TIMESTAMP), the two
# programs, the uninstaller and the installer are signed with Authenticode
# (scripts/windows-sign.sh); without it they are not signed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/utf8-locale.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"

build=$(realpath "${1:-${QMCONF_WIN_BUILD_DIR:-build-win}}")
cli="$build/cli/qmconf-cli.exe"
if [ ! -f "$cli" ]; then
    echo "no $cli: build the Windows programs first (scripts/windows-tests.sh)" >&2
    exit 1
fi
cached() { # name: a value of the build folder's cache
    sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}
version=${QMCONF_PACKAGE_VERSION:-$(cached CMAKE_PROJECT_VERSION)}
product=$(cached QMCONF_PRODUCT_NAME)
publisher=$(cached QMCONF_PUBLISHER)
if [ -z "$version" ] || [ -z "$product" ] || [ -z "$publisher" ]; then
    echo "no project version, product name or publisher in $build/CMakeCache.txt" >&2
    exit 1
fi
# The product's icon, rendered from its SVG by the build.
cmake --build "$build" --target qmconf_icon >/dev/null
icon="$build/win/qmconf.ico"
out=${QMCONF_PACKAGE_DIR:-$build/package}
mkdir -p "$out"
out=$(realpath "$out")

stage=$(mktemp -d "$out/stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# The picture beside the installer's last pages: the icon on the icon's
# blue, at twice the 164 x 314 pixels of a page at 100 %.
rsvg-convert --width=256 --height=256 --output="$stage/icon.png" packaging/qmconf.svg
convert -size 328x628 xc:'#1d4e7e' "$stage/icon.png" -geometry +36+96 -composite \
    -type TrueColor BMP3:"$stage/panel.bmp"

window=$(find "$build" -path "$out" -prune -o -name qmconf.exe -type f -print | head -n 1)
nsis_window=()
# What a technician downloads carries no symbols and no debug data.
x86_64-w64-mingw32-strip --strip-all -o "$stage/qmconf-cli.exe" "$cli"
if [ -n "$window" ]; then
    echo "qmconf.exe: $window, included"
    x86_64-w64-mingw32-strip --strip-all -o "$stage/qmconf.exe" "$window"
    nsis_window=(-DWITH_WINDOW=1)
else
    echo "qmconf.exe: not built in $build, left out (the delivery has qmconf-cli.exe and the guide)"
fi
nsis_sign=()
if [ -n "${QMCONF_SIGN_PFX:-}" ]; then
    export QMCONF_SIGN_NAME="$product"
    bash scripts/windows-sign.sh "$stage"/*.exe
    nsis_sign=(-DSIGN="bash $(realpath scripts/windows-sign.sh) \"%1\"")
    echo "signed with $QMCONF_SIGN_PFX${QMCONF_SIGN_TIMESTAMP:+, time stamp from $QMCONF_SIGN_TIMESTAMP}"
fi
# Notepad of older Windows shows a text with bare line feeds as one line.
sed 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"
# One file a double-click opens anywhere, the pictures of docs/images inside.
pandoc docs/guide.md --from gfm --to html5 --standalone --self-contained \
    --resource-path=docs --metadata pagetitle="$product — руководство пользователя" \
    --metadata lang=ru -o "$stage/guide.html"

setup="$out/qmconf-$version-windows-x64-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DPRODUCT="$product" \
    -DPUBLISHER="$publisher" -DICON="$icon" -DPANEL="$stage/panel.bmp" -DSTAGE="$stage" \
    -DOUTFILE="$setup" \
    "${nsis_window[@]}" "${nsis_sign[@]}" packaging/windows/qmconf.nsi

zipfile="$out/qmconf-$version-windows-x64.zip"
rm -f "$zipfile"
folder="$stage/qmconf-$version"
mkdir "$folder"
cp "$stage"/*.exe "$stage/guide.html" "$stage/LICENSE.txt" "$folder/"
(cd "$stage" && zip -q -X -r "$zipfile" "qmconf-$version")

echo "installer: $setup ($(stat -c %s "$setup") bytes)"
echo "zip: $zipfile ($(stat -c %s "$zipfile") bytes)"

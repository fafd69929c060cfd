#!/usr/bin/env bash
# Builds the Windows delivery from a Windows build folder (the one
# scripts/windows-tests.sh makes; build-win by default, or QMCONF_WIN_BUILD_DIR,
# or the first argument):
#   qmconf-<version>-windows-x64-setup.exe  the installer (NSIS, 64-bit)
#   qmconf-<version>-windows-x64.zip        the portable zip, for a USB stick
# both in <build>/package (or QMCONF_PACKAGE_DIR). They hold qmconf-cli.exe,
# the user guide as HTML (made here from docs/guide.md, its pictures inside),
# the licence, and qmconf.exe, the window, when the build folder has it.
# The version is the project's, as the build folder was configured with it;
# QMCONF_PACKAGE_VERSION overrides it (the upgrade test makes a later one).
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
version=${QMCONF_PACKAGE_VERSION:-$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")}
if [ -z "$version" ]; then
    echo "no project version in $build/CMakeCache.txt" >&2
    exit 1
fi
out=${QMCONF_PACKAGE_DIR:-$build/package}
mkdir -p "$out"
out=$(realpath "$out")

stage=$(mktemp -d "$out/stage.XXXXXX")
trap 'rm -rf "$stage"' EXIT

window=$(find "$build" -path "$out" -prune -o -name qmconf.exe -type f -print | head -n 1)
nsis_window=()
cp "$cli" "$stage/"
if [ -n "$window" ]; then
    echo "qmconf.exe: $window, included"
    cp "$window" "$stage/"
    nsis_window=(-DWITH_WINDOW=1)
else
    echo "qmconf.exe: not built in $build, left out (the delivery has qmconf-cli.exe and the guide)"
fi
# Notepad of older Windows shows a text with bare line feeds as one line.
sed 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"
# One file a double-click opens anywhere, the pictures of docs/images inside.
pandoc docs/guide.md --from gfm --to html5 --standalone --self-contained \
    --resource-path=docs --metadata pagetitle="qmconf — руководство пользователя" \
    --metadata lang=ru -o "$stage/guide.html"

setup="$out/qmconf-$version-windows-x64-setup.exe"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" \
    "${nsis_window[@]}" packaging/windows/qmconf.nsi

zipfile="$out/qmconf-$version-windows-x64.zip"
rm -f "$zipfile"
folder="$stage/qmconf-$version"
mkdir "$folder"
cp "$stage"/*.exe "$stage/guide.html" "$stage/LICENSE.txt" "$folder/"
(cd "$stage" && zip -q -X -r "$zipfile" "qmconf-$version")

echo "installer: $setup ($(stat -c %s "$setup") bytes)"
echo "zip: $zipfile ($(stat -c %s "$zipfile") bytes)"

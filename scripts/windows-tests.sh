#!/usr/bin/env bash
# Builds the toolkit-free libraries (core/, image/) and their test suites as
# Windows executables with MinGW-w64 and runs them under Wine in a
# throw-away Wine prefix. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"

build=${QMCONF_WIN_BUILD_DIR:-build-win}
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DQMCONF_BUILD_UI=OFF -DQMCONF_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --parallel

prefix=$(mktemp -d /tmp/qmconf-wine.XXXXXX)
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot --init >/dev/null 2>&1 || true

status=0
while IFS= read -r exe; do
    echo "== $(basename "$exe") (Windows, under Wine)"
    if ! (cd "$(dirname "$exe")" && wine "$exe" --gtest_brief=1 2>&1); then
        status=1
    fi
done < <(find "$(realpath "$build")" -name '*_tests.exe' -type f | sort)
exit $status

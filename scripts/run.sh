#!/usr/bin/env bash
# Installs what the editor needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/utf8-locale.sh

bash scripts/deps.sh "${BUILD_PACKAGES[@]}"

build=${QMCONF_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMCONF_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel --target qmconf
exec "$build/ui/qmconf" "$@"

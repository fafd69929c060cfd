#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs
# every test suite. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${TEST_PACKAGES[@]}"

build=${QMCONF_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMCONF_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --parallel
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"

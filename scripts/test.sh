#!/usr/bin/env bash
# Installs what the build and the tests need, builds everything and runs
# every test suite: the native suites, the same suites under AddressSanitizer
# and UndefinedBehaviorSanitizer, the toolkit-free suites built for Windows
# and run under Wine, and a short fuzzing pass. Exits non-zero when anything
# fails.
#
# QMCONF_STAGES picks stages (default: "native sanitize windows fuzz");
# QMCONF_FUZZ_SECONDS sets the fuzzing budget in all (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/utf8-locale.sh

stages=${QMCONF_STAGES:-native sanitize windows fuzz}
bash scripts/deps.sh "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

for stage in $stages; do
    start=$SECONDS
    echo "=== stage: $stage"
    case $stage in
    native)
        build=${QMCONF_BUILD_DIR:-build}
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DQMCONF_BUILD_TESTS=ON >/dev/null
        cmake --build "$build" --parallel
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure \
            --parallel "$(nproc)"
        ;;
    sanitize) bash scripts/sanitize.sh ;;
    windows) bash scripts/windows-tests.sh ;;
    fuzz) bash scripts/fuzz.sh "${QMCONF_FUZZ_SECONDS:-60}" ;;
    *) echo "unknown stage: $stage" >&2; exit 2 ;;
    esac
    echo "=== stage $stage passed in $((SECONDS - start))s"
done

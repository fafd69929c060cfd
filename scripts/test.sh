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

# Each stage runs with a home and a temporary folder of its own, empty at
# its start: a stage that writes into the user's home or leaves anything in
# the temporary folder fails.
scratch=$(mktemp -d)
chmod 0755 "$scratch"
trap 'rm -rf "$scratch"' EXIT
run_stage() { # stage
    case $1 in
    native)
        cmake --preset native >/dev/null
        cmake --build --preset native
        ctest --preset native --parallel "$(nproc)"
        ;;
    sanitize) bash scripts/sanitize.sh ;;
    windows) bash scripts/windows-tests.sh ;;
    fuzz) bash scripts/fuzz.sh "${QMCONF_FUZZ_SECONDS:-60}" ;;
    *) echo "unknown stage: $1" >&2; exit 2 ;;
    esac
}

for stage in $stages; do
    start=$SECONDS
    echo "=== stage: $stage"
    rm -rf "${scratch:?}"/*
    mkdir -m 0700 "$scratch/home"
    # Open to other users as /tmp is: tests run programs as another user.
    mkdir -m 1777 "$scratch/tmp"
    (HOME=$scratch/home TMPDIR=$scratch/tmp run_stage "$stage")
    for place in home tmp; do
        left=$(cd "$scratch/$place" && find . -mindepth 1 | sort)
        if [ -n "$left" ]; then
            echo "stage $stage left in its $place folder (the user's, outside a test run):" >&2
            echo "$left" >&2
            exit 1
        fi
    done
    echo "=== stage $stage passed in $((SECONDS - start))s"
done

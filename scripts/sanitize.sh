#!/usr/bin/env bash
# Builds every test suite, window tests included, with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${TEST_PACKAGES[@]}"

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
# The sanitizers' options are the test preset's.
ctest --preset sanitize --parallel "$(nproc)"

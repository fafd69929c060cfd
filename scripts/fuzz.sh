#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [total seconds, default 240]
# Fails on any finding; the input that caused it is left in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${FUZZ_PACKAGES[@]}"

total=${1:-240}
build=${QMCONF_FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQMCONF_FUZZ=ON -DQMCONF_BUILD_TESTS=OFF -DQMCONF_BUILD_UI=OFF >/dev/null
cmake --build "$build" --parallel

targets=()
while IFS= read -r t; do targets+=("$t"); done < <(find "$build/fuzz" -maxdepth 1 -name '*_fuzz' -type f -perm -u+x | sort)
per=$(( total / ${#targets[@]} ))
[ "$per" -ge 1 ] || per=1

findings="$build/findings"
mkdir -p "$findings"
status=0
for t in "${targets[@]}"; do
    name=$(basename "$t")
    work=$(mktemp -d)
    seeds="fuzz/corpus/${name%_fuzz}"
    [ -d "$seeds" ] && cp -r "$seeds/." "$work/"
    echo "== $name for ${per}s"
    if ! "$t" -max_total_time="$per" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$findings/$name-" "$work" >"$build/$name.log" 2>&1; then
        echo "FINDING in $name:"; tail -40 "$build/$name.log"; status=1
    else
        grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/$name.log" | tail -2 || true
    fi
    rm -rf "$work"
done
exit $status

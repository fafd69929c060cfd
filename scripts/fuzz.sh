#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Usage: scripts/fuzz.sh [total seconds, default 240]
# Fails on any finding; the input that caused it is left in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${FUZZ_PACKAGES[@]}"

total=${1:-240}
build=build-fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=()
while IFS= read -r t; do targets+=("$t"); done < <(find "$build/fuzz" -maxdepth 1 -name '*_fuzz' -type f -perm -u+x | sort)
per=$(( total / ${#targets[@]} ))
[ "$per" -ge 1 ] || per=1

findings="$build/findings"
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for t in "${targets[@]}"; do
    name=$(basename "$t")
    rm -rf "${work:?}"/*
    mkdir "$work/corpus" "$work/tmp"
    seeds="fuzz/corpus/${name%_fuzz}"
    [ -d "$seeds" ] && cp -r "$seeds/." "$work/corpus/"
    echo "== $name for ${per}s"
    # What a target writes goes into the work folder, removed afterwards.
    if ! TMPDIR="$work/tmp" "$t" -max_total_time="$per" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$findings/$name-" "$work/corpus" \
            >"$build/$name.log" 2>&1; then
        echo "FINDING in $name:"; tail -40 "$build/$name.log"; status=1
    else
        grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/$name.log" | tail -2 || true
    fi
done
exit $status

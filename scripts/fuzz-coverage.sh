#!/usr/bin/env bash
# Line coverage that the fuzz corpora reach in the code each target exercises.
# Usage: scripts/fuzz-coverage.sh [corpus root, default fuzz/corpus]
# The corpus root holds one folder per target, named as in fuzz/corpus
# (read_file, check_image, ...). Builds the targets with clang's source-based
# coverage, replays each corpus once (no fuzzing) and prints llvm-cov's
# per-file report of the project files each target reaches.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${FUZZ_PACKAGES[@]}"

corpora=$(realpath "${1:-fuzz/corpus}")
build=build-fuzz-coverage
cmake --preset fuzz-coverage >/dev/null
cmake --build --preset fuzz-coverage

profiles="$build/profiles"
rm -rf "$profiles"
mkdir -p "$profiles"
# What a target writes goes into a folder removed afterwards.
export TMPDIR
TMPDIR=$(mktemp -d)
trap 'rm -rf "$TMPDIR"' EXIT
for t in $(find "$build/fuzz" -maxdepth 1 -name '*_fuzz' -type f -perm -u+x | sort); do
    name=$(basename "$t")
    corpus="$corpora/${name%_fuzz}"
    [ -d "$corpus" ] || { echo "no corpus for $name in $corpora" >&2; continue; }
    LLVM_PROFILE_FILE="$profiles/$name.profraw" "$t" -runs=0 "$corpus" >/dev/null 2>&1
    llvm-profdata-14 merge -sparse "$profiles/$name.profraw" -o "$profiles/$name.profdata"
    echo "== $name: $(find "$corpus" -type f | wc -l) inputs"
    llvm-cov-14 report "$t" -instr-profile="$profiles/$name.profdata" \
        -ignore-filename-regex='(^/usr/|/fuzz/|\.h$)' |
        sed -e "s|$PWD/||" |
        awk '$1 ~ /^-+$/ { next } NR == 1 { print "   file                          lines  missed  line cover  branch cover"; next }
             { printf "   %-28s %6s %7s %11s %13s\n", $1, $8, $9, $10, $13 }'
done

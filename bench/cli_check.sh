#!/usr/bin/env bash
# qmconf-cli check over 100 settings images against cksum over the same
# files, whole processes side by side with hyperfine. Each check reads its
# image as a load does: exclusively and past the file cache (O_DIRECT where
# the file system allows it), which cksum does not. The images are written
# once into a folder on the file system of $TMPDIR (default /tmp), or of the
# folder given as the second argument.
#
#   bash bench/cli_check.sh <path of qmconf-cli> [folder for the images]
set -euo pipefail
cli=$1
parent=${2:-${TMPDIR:-/tmp}}
work=$(mktemp -d "$parent/qmconf-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work XDG_DATA_HOME=$work/data

for i in $(seq -w 1 100); do
    "$cli" set defaults "$work/chair$i.ini" "SET08=$((10#$i * 10))" >/dev/null
done
files=("$work"/chair*.ini)
"$cli" check "${files[@]}" >/dev/null

json=$work/check.json
hyperfine --style basic --warmup 10 --runs 200 --export-json "$json" -N \
    -n "qmconf-cli check" "$cli check ${files[*]}" \
    -n cksum "cksum ${files[*]}" >/dev/null 2>&1
python3 - "$json" "$(df -T "$work" | awk 'NR == 2 {print $2}')" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
check, cksum = results["qmconf-cli check"], results["cksum"]
print(f"100 images on {sys.argv[2]}")
for name, r in (("qmconf-cli check", check), ("cksum", cksum)):
    print(f"{name:17} {r['mean'] * 1000:6.2f} ms mean, {r['median'] * 1000:.2f} ms median, "
          f"sd {r['stddev'] * 1000:.2f} ms")
print(f"{'ratio (median)':17} {check['median'] / cksum['median']:6.2f}")
PY

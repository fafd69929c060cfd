#!/usr/bin/env bash
# The locale the scripts run the builds and tests in, from environments as
# they come: with no locale set (a freshly bootstrapped system), with a
# locale without UTF-8, with one the system does not have, and with a UTF-8
# one, which is kept.
set -euo pipefail
helper=$(cd "$(dirname "$0")/.." && pwd)/utf8-locale.sh
status=0
# environment | charmap afterwards | LC_ALL afterwards
while IFS='|' read -r environment charmap lc_all; do
    # shellcheck disable=SC2086,SC2016 # the environment: words of NAME=VALUE; the inner script: its own
    got=$(env -i PATH="$PATH" $environment bash -c \
        'source "$1"; printf "%s|%s" "$(locale charmap 2>/dev/null)" "${LC_ALL:-}"' _ "$helper")
    if [ "$got" != "$charmap|$lc_all" ]; then
        echo "FAIL: with [$environment]: charmap|LC_ALL is $got, not $charmap|$lc_all"
        status=1
    fi
done <<'TABLE'
|UTF-8|C.UTF-8
LC_ALL=C|UTF-8|C.UTF-8
LANG=ru_RU.CP1251|UTF-8|C.UTF-8
LANG=C.UTF-8|UTF-8|
TABLE
exit $status

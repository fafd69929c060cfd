#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest, as the Windows build's
# emulator: its cases are listed and run through here, one process a case,
# in the prefix and on the screen the caller has exported (WINEPREFIX,
# DISPLAY; scripts/windows-tests.sh prepares them). The program's output goes
# to files first, never straight into CTest's pipes, which the Wine services
# the program may start would inherit and keep open; it is then passed on
# with the line ends of the host. Exits with the program's status.
set -uo pipefail
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err"
status=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
exit $status

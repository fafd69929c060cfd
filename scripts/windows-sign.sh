#!/usr/bin/env bash
# Signs Windows programs in place with Authenticode (osslsigncode), for the
# delivery: each FILE given, with the certificate and key of the PKCS#12 file
# QMCONF_SIGN_PFX, whose password is in QMCONF_SIGN_PASSWORD (or none), and
# a time stamp from the RFC 3161 server QMCONF_SIGN_TIMESTAMP when it is set;
# the signature names the program QMCONF_SIGN_NAME.
# The makers of the installer call it for the uninstaller and the installer.
set -euo pipefail

pfx=${QMCONF_SIGN_PFX:?QMCONF_SIGN_PFX names no certificate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The password through a file, not on the command line where ps shows it.
(umask 077 && printf '%s' "${QMCONF_SIGN_PASSWORD:-}" >"$work/password")
timestamp=()
[ -n "${QMCONF_SIGN_TIMESTAMP:-}" ] && timestamp=(-ts "$QMCONF_SIGN_TIMESTAMP")
for file in "$@"; do
    rm -f "$work/signed"
    osslsigncode sign -pkcs12 "$pfx" -readpass "$work/password" -h sha256 \
        -n "${QMCONF_SIGN_NAME:-qmconf}" "${timestamp[@]}" \
        -in "$file" -out "$work/signed" >"$work/sign.log" 2>&1 || {
        cat "$work/sign.log" >&2
        echo "windows-sign: could not sign $file" >&2
        exit 1
    }
    # In place, with the file's own mode.
    cat "$work/signed" >"$file"
done

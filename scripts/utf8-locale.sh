# Sourced by the build, run and test scripts: where the environment names no
# UTF-8 locale (a freshly bootstrapped system or a container runs in the
# POSIX locale), use C.UTF-8, which every Debian system has. Wine maps the
# programs' Cyrillic file names to the host's only through a UTF-8 locale.
# shellcheck shell=bash

if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
fi

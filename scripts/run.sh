#!/usr/bin/env bash
# Installs what the editor needs, builds it and starts it. Builds the whole
# program (the editor, qmconf-cli, qmboard and the manual pages), so that the
# build folder also makes the Debian package (README, "Debian package").
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/utf8-locale.sh

bash scripts/deps.sh "${BUILD_PACKAGES[@]}"

build=build
cmake --preset editor >/dev/null
cmake --build --preset editor

# The window needs a desktop session; without one the toolkit aborts with a
# text about platform plugins that tells a newcomer nothing.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<TEXT
qmconf is built ($build/ui/qmconf), but it is a desktop program and this
shell has no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it from a terminal of your desktop, or over "ssh -X". To try it
without one, on a virtual screen (Xvfb), take pictures of all its pages:

    bash scripts/screenshots.sh /tmp/qmconf-pictures

TEXT
    exit 1
fi
exec "$build/ui/qmconf" "$@"

#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# and checks what it installs and what it depends on.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/qmconf_*.deb)
dpkg-deb --info "$deb" >/dev/null
dpkg -x "$deb" "$work/root"

fail() { echo "FAIL: $*"; exit 1; }
for f in usr/bin/qmconf usr/bin/qmboard usr/share/applications/qmconf.desktop \
         usr/share/icons/hicolor/scalable/apps/qmconf.svg; do
    [ -f "$work/root/$f" ] || fail "missing $f"
done
[ -x "$work/root/usr/bin/qmconf" ] || fail "qmconf is not executable"
# Nothing but the files above and their folders.
extra=$(cd "$work/root" && find . -type f | sort | grep -vE '^\./usr/(bin/(qmconf|qmboard)|share/applications/qmconf\.desktop|share/icons/hicolor/scalable/apps/qmconf\.svg)$' || true)
[ -z "$extra" ] || fail "unexpected files: $extra"

desktop="$work/root/usr/share/applications/qmconf.desktop"
grep -qx 'Exec=qmconf' "$desktop" || fail "desktop entry does not start qmconf"
grep -qx 'Icon=qmconf' "$desktop" || fail "desktop entry names another icon"
grep -q '^Comment\[ru\]=' "$desktop" || fail "no Russian comment"
grep -qE '^Categories=.*(Utility|Settings)' "$desktop" || fail "no category"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$pkg" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done
# The Qt libraries the editor links against are the ones it depends on.
for lib in $(objdump -p "$work/root/usr/bin/qmconf" | awk '/NEEDED/ && /libQt6/ {print $2}'); do
    case $lib in
    libQt6Widgets.so.6 | libQt6Gui.so.6 | libQt6Core.so.6) ;;
    *) fail "links $lib, which the package does not depend on" ;;
    esac
done
echo "ok: $(basename "$deb") installs qmconf, qmboard, the desktop entry and the icon"

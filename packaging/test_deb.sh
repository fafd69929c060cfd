#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# and checks what it installs and what it depends on, then has lintian judge
# the package and appstreamcli the AppStream metadata with its desktop entry.
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/.." && pwd)
id=example.c_seed_d63c4cd7.qmconf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/qmconf_*.deb)
dpkg-deb --info "$deb" >/dev/null
root=$work/root
dpkg -x "$deb" "$root"

fail() { echo "FAIL: $*"; exit 1; }
for program in qmconf qmboard; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program missing or not executable"
done
# Every program with its manual page, and nothing else but these files.
expected=(
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/icons/hicolor/scalable/apps/qmconf.svg
    usr/share/doc/qmconf/copyright
    usr/share/doc/qmconf/changelog.gz
)
for program in "$root"/usr/bin/*; do
    name=$(basename "$program")
    expected+=("usr/bin/$name" "usr/share/man/man1/$name.1.gz")
done
unlisted=$(diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(cd "$root" && find . -type f -printf '%P\n' | sort) | grep '^[<>]' || true)
[ -z "$unlisted" ] || fail "files differ from the list (< missing, > unexpected):
$unlisted"

# The manual page of a program with a usage text names the options it lists.
with_usage=(qmboard)
for program in "${with_usage[@]}"; do
    usage=$("$root/usr/bin/$program" --help 2>&1 || true)
    diff <(grep -oE -- '--[a-z][a-z-]*' <<<"$usage" | grep -vx -- --help | sort -u) \
        <(zcat "$root/usr/share/man/man1/$program.1.gz" | grep -oE -- '--[a-z][a-z-]*' | sort -u) ||
        fail "the options of $program --help (<) and of its manual page (>) differ"
done

desktop="$root/usr/share/applications/$id.desktop"
grep -qx 'Exec=qmconf' "$desktop" || fail "desktop entry does not start qmconf"
grep -qx 'Icon=qmconf' "$desktop" || fail "desktop entry names another icon"
grep -q '^Comment\[ru\]=' "$desktop" || fail "no Russian comment"
grep -qE '^Categories=.*(Utility|Settings)' "$desktop" || fail "no category"
desktop-file-validate "$desktop"
# The metainfo file with the desktop entry it names, as software centres
# read them; any warning fails.
appstreamcli validate-tree --no-net "$root" >"$work/appstream.txt" 2>&1 ||
    fail "appstreamcli: $(cat "$work/appstream.txt")"

# One version in the package, its changelog and its AppStream releases.
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/qmconf/changelog.gz" >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
released=$(grep -om1 '<release [^>]*version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml" |
    sed 's/.*version="//; s/"$//')
[ "$logged" = "$version" ] || fail "changelog is at $logged, the package at $version"
[ "$released" = "$version" ] || fail "AppStream release is $released, the package $version"
# The licence in the copyright file is the one at the root of the sources.
diff <(sed -n '/^Permission/,$p' "$source_dir/LICENSE") \
    <(sed -n '/^ Permission/,$p' "$root/usr/share/doc/qmconf/copyright" | sed 's/^ //; s/^\.$//') \
    >/dev/null || fail "copyright file and LICENSE differ"

depends=$(dpkg-deb -f "$deb" Depends)
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$pkg" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done
# The Qt libraries the editor links against are the ones it depends on.
for lib in $(objdump -p "$root/usr/bin/qmconf" | awk '/NEEDED/ && /libQt6/ {print $2}'); do
    case $lib in
    libQt6Widgets.so.6 | libQt6Gui.so.6 | libQt6Core.so.6) ;;
    *) fail "links $lib, which the package does not depend on" ;;
    esac
done

# lintian: no error, no warning; of its informational tags, none of those
# that the build's hardening and the package's strip step answer.
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.txt")"
if grep -E ': (hardening-no-(bindnow|relro|pie)|binary-has-unneeded-section) ' "$work/lintian.txt"; then
    fail "programs built or stripped without the package's hardening"
fi
echo "ok: $(basename "$deb") passes lintian and appstreamcli; $(grep -c '^[IP]:' "$work/lintian.txt" || true) lintian notes"

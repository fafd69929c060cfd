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
for program in qmconf qmconf-cli qmboard; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program missing or not executable"
done
# Every program with its manual page, and nothing else but these files.
expected=(
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/icons/hicolor/scalable/apps/qmconf.svg
    usr/share/icons/hicolor/16x16/apps/qmconf.png
    usr/share/icons/hicolor/22x22/apps/qmconf.png
    usr/share/icons/hicolor/24x24/apps/qmconf.png
    usr/share/icons/hicolor/32x32/apps/qmconf.png
    usr/share/icons/hicolor/48x48/apps/qmconf.png
    usr/share/icons/hicolor/64x64/apps/qmconf.png
    usr/share/icons/hicolor/128x128/apps/qmconf.png
    usr/share/icons/hicolor/256x256/apps/qmconf.png
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

# The manual page of a program with a usage text names the options it lists
# (--help, which every such program has, aside).
with_usage=(qmboard qmconf-cli)
for program in "${with_usage[@]}"; do
    usage=$("$root/usr/bin/$program" --help 2>&1 || true)
    diff <(grep -oE -- '--[a-z][a-z-]*' <<<"$usage" | grep -vx -- --help | sort -u) \
        <(zcat "$root/usr/share/man/man1/$program.1.gz" | grep -oE -- '--[a-z][a-z-]*' |
            grep -vx -- --help | sort -u) ||
        fail "the options of $program --help (<) and of its manual page (>) differ"
done

# The manual pages read in any locale: in the POSIX one, where the manual is
# ASCII, the window's Russian texts come in Latin letters and troff warns of
# no missing character; in a UTF-8 one they stand as they are.
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page") in the POSIX locale: $warnings"
done
page="$root/usr/share/man/man1/qmconf.1.gz"
LC_ALL=C man -l "$page" | grep -q 'IZ USTROISTVA' ||
    fail "qmconf.1 in the POSIX locale lacks the command IZ USTROISTVA"
LC_ALL=C.UTF-8 man -l "$page" | grep -q 'ИЗ УСТРОЙСТВА' ||
    fail "qmconf.1 in a UTF-8 locale lacks the command ИЗ УСТРОЙСТВА"

# The editor started without a desktop session says so in one line and ends
# with status 1, instead of the toolkit's abort.
status=0
env -i PATH=/usr/bin:/bin "$root/usr/bin/qmconf" >"$work/out.txt" 2>"$work/err.txt" || status=$?
[ "$status" -eq 1 ] || fail "qmconf without a desktop session ends with status $status, not 1"
[ ! -s "$work/out.txt" ] && [ "$(wc -l <"$work/err.txt")" -eq 1 ] &&
    grep -q 'нужен графический сеанс' "$work/err.txt" ||
    fail "qmconf without a desktop session says: $(cat "$work/out.txt" "$work/err.txt")"

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
# The same version as the project's, which the Windows installer, its zip and
# the programs' version resources carry, and as the program reports.
project=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ "$project" = "$version" ] || fail "the project is at $project, the package at $version"
reported=$("$root/usr/bin/qmconf-cli" --version)
[ "$reported" = "qmconf-cli $version" ] || fail "qmconf-cli --version says $reported, the package $version"
# The licence in the copyright file is the one at the root of the sources.
diff <(sed -n '/^Permission/,$p' "$source_dir/LICENSE") \
    <(sed -n '/^ Permission/,$p' "$root/usr/share/doc/qmconf/copyright" | sed 's/^ //; s/^\.$//') \
    >/dev/null || fail "copyright file and LICENSE differ"

depends=$(dpkg-deb -f "$deb" Depends)
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$pkg" <<<"$depends" || fail "Depends lacks $pkg: $depends"
done
# The window's fixed layout is made for Liberation Sans, the face
# ui/Appearance.cpp takes first of those Debian has; in a wider one labels are
# cut. Each font package that may satisfy the dependencies must bring it,
# whichever alternative apt takes (those packages are installed here).
face="Liberation Sans"
font_groups=$(tr ',' '\n' <<<"$depends" | grep -E '(^|[ |])fonts-' || true)
[ -n "$font_groups" ] || fail "Depends names no font: $depends"
for pkg in $(tr '|' '\n' <<<"$font_groups" | sed 's/(.*)//; s/ //g'); do
    files=$(dpkg-query -L "$pkg" 2>/dev/null | grep -E '\.(ttf|otf)$') ||
        fail "font package $pkg of Depends is not installed here, or has no fonts"
    # shellcheck disable=SC2086 # one font file a word
    fc-scan --format '%{family}\n' $files | tr ',' '\n' | grep -qx "$face" ||
        fail "font package $pkg of Depends lacks $face, the window's face"
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
# (Its caches of the programs' ELF data go into the work folder, not left
# behind in the temporary folder.)
TMPDIR=$work lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.txt")"
if grep -E ': (hardening-no-(bindnow|relro|pie)|binary-has-unneeded-section) ' "$work/lintian.txt"; then
    fail "programs built or stripped without the package's hardening"
fi
echo "ok: $(basename "$deb") passes lintian and appstreamcli; $(grep -c '^[IP]:' "$work/lintian.txt" || true) lintian notes"

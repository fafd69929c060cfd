# Sourced by the Windows scripts: throw-away Wine prefixes that show the
# programs as on a technician's Windows, and one clean-up for all of them.
# Output of Wine programs goes to files, never to pipes: the Wine services
# that the first program starts inherit its output and keep a pipe open.
# shellcheck shell=bash
#
#   qm_wine_prefix FOLDER [LOCALE]   makes a prefix in FOLDER (new or empty)
#                                    and exports WINEPREFIX; status 1 when
#                                    it cannot
#   qm_wine_drives LETTER=FOLDER...  maps folders as removable drives
#   qm_wine_dpi DPI                  the screen's DPI the prefix reports
#   qm_wine_keep                     keeps the prefix's server up until
#                                    qm_wine_down, for many programs in a row
#   qm_wine_down                     ends Wine in every prefix made and
#                                    removes them

# No winemenubuilder: nothing of a prefix goes into the desktop's own menu;
# no Mono and no Gecko to install.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
qm_wine_prefixes=()

# Runs regedit on a file of registry text given on standard input, then ends
# Wine, so that the next program reads the registry afresh.
qm_wine_registry() { # name (of the file in the prefix)
    cat >"$WINEPREFIX/$1.reg"
    (cd "$WINEPREFIX" && wine regedit /S "$1.reg" >"$WINEPREFIX/$1.log" 2>&1)
    wineserver -k 2>/dev/null || true
}

# The prefix in the locale given (Wine takes the Windows locale and code page
# from its name, whether or not the host has it), with Wine's own fonts
# (MS Sans Serif, Tahoma, Marlett...) and Windows' Arial and Courier New, which
# the window draws in, as their metric twins from fonts-liberation; no window
# manager to wait for: Wine places its windows itself.
qm_wine_prefix() { # folder [locale]
    mkdir -p "$1"
    export WINEPREFIX
    WINEPREFIX=$(realpath "$1")
    qm_wine_prefixes+=("$WINEPREFIX")
    if ! env ${2:+LC_ALL="$2"} wine wineboot --init >"$WINEPREFIX/wineboot.log" 2>&1; then
        cat "$WINEPREFIX/wineboot.log" >&2
        echo "wineboot could not make the Wine prefix $WINEPREFIX" >&2
        return 1
    fi
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    qm_wine_registry prefix <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
REG
}

# Folders as drives, removable like the board (Wine takes a drive's volume
# serial number from the .windows-serial file in its folder). Wine's mount
# manager reads the drives when it starts: the next program sees them.
qm_wine_drives() { # letter=folder...
    local drive types=""
    for drive in "$@"; do
        ln -sfn "$(realpath "${drive#*=}")" "$WINEPREFIX/dosdevices/${drive%%=*}:"
        types+="\"${drive%%=*}:\"=\"floppy\""$'\n'
    done
    qm_wine_registry drives <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]
$types
REG
}

# The screen's DPI as Wine reports it is the prefix's LogPixels.
qm_wine_dpi() { # dpi
    qm_wine_registry dpi <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$1")
REG
}

# Wine's server ends a few seconds after its last program; a program that
# starts just then connects to a server on its way out and fails with "wine
# client error:0: recvmsg: Connection reset by peer". Where programs follow
# one another (a test stage runs one a case), the server of the prefix stays
# up instead, until qm_wine_down or the next registry change ends it.
qm_wine_keep() {
    wineserver -w 2>/dev/null || true
    wineserver -p 2>/dev/null || true
}

# Ends Wine in each prefix made, then removes the prefix and the folder its
# server kept under the temporary folder (named in the prefix's wineserver
# file).
qm_wine_down() {
    local prefix server
    for prefix in "${qm_wine_prefixes[@]}"; do
        WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
        server=$(cat "$prefix/wineserver" 2>/dev/null || true)
        if [[ $server == wine-* ]]; then rm -rf "${TMPDIR:-/tmp}/$server"; fi
        rm -rf "$prefix"
    done
    qm_wine_prefixes=()
}

# Sourced by the Windows scripts: what a throw-away Wine prefix needs to
# show the window as on a technician's Windows. The caller exports
# WINEPREFIX (and the locale Wine takes its code page from, LANG or LC_ALL).
# Output of Wine programs goes to files, never to pipes: the Wine services
# that the first program starts inherit its output and keep a pipe open.
# shellcheck shell=bash

# qm_wine_fonts LOGS: Wine's own fonts in the prefix, and Windows' Arial and
# Courier New, which the window draws in, as their metric twins from
# fonts-liberation; no window manager to wait for (Wine places its windows).
qm_wine_fonts() {
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    cat >"$1/prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
REG
    (cd "$1" && wine regedit /S prefix.reg >"$1/regedit-prefix.log" 2>&1)
    wineserver -k 2>/dev/null || true
}

# qm_wine_prefix LOGS [LOCALE]: makes the prefix, in the locale given (Wine
# takes the Windows locale and code page from its name, whether or not the
# host has it), with the fonts above.
qm_wine_prefix() {
    if ! env ${2:+LC_ALL="$2"} wine wineboot --init >"$1/wineboot.log" 2>&1; then
        cat "$1/wineboot.log" >&2
        echo "wineboot could not make the Wine prefix $WINEPREFIX" >&2
        return 1
    fi
    qm_wine_fonts "$1"
}

# qm_wine_dpi DPI LOGS: the screen's DPI as the prefix reports it (its
# LogPixels), from the next Wine program on.
qm_wine_dpi() {
    cat >"$2/dpi.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$1")
REG
    (cd "$2" && wine regedit /S dpi.reg >"$2/regedit-dpi.log" 2>&1)
    wineserver -k 2>/dev/null || true
}

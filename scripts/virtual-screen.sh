# Sourced by the scripts that show windows: a virtual X screen (Xvfb) of
# their own. Xvfb picks a free display number itself (-displayfd), since
# other programs may run an Xvfb on the same machine; -noreset keeps it up
# between the programs shown on it. No window manager runs there: windows
# have no frame and stay where their program puts them.
# shellcheck shell=bash
#
#   qm_screen_up WIDTHxHEIGHT [Xvfb option...]   starts it and exports DISPLAY;
#                                                status 1 when it cannot
#   qm_screen_down                               stops it

qm_screen_pid=""
qm_screen_dir=""

qm_screen_up() {
    local size=$1
    shift
    qm_screen_dir=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp "$@" \
        3>"$qm_screen_dir/display" >"$qm_screen_dir/xvfb.log" 2>&1 &
    qm_screen_pid=$!
    for _ in $(seq 100); do
        [ -s "$qm_screen_dir/display" ] && break
        kill -0 "$qm_screen_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$qm_screen_dir/display" ]; then
        cat "$qm_screen_dir/xvfb.log" >&2
        echo "Xvfb did not start" >&2
        return 1
    fi
    DISPLAY=":$(head -n1 "$qm_screen_dir/display")"
    export DISPLAY
}

qm_screen_down() {
    if [ -n "$qm_screen_pid" ]; then
        kill "$qm_screen_pid" 2>/dev/null || true
        wait "$qm_screen_pid" 2>/dev/null || true
    fi
    if [ -n "$qm_screen_dir" ]; then rm -rf "$qm_screen_dir"; fi
    qm_screen_pid=""
    qm_screen_dir=""
}

# shellcheck shell=bash disable=SC2034,SC2154
# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end scripts share, sourced by them: waiting with a time
# limit, the virtual X server, and the game started as a player would start
# it, and the end of a run. The script that sources it sets `name` (for its
# messages), `work` (its folder, with a private runtime folder made here),
# `failed=0`, `xvfb_pid=""` and `deadline` (when every wait ends); it may
# define `poll_guard COMMAND...`, run at each try of a wait (to fail at once
# when the game has ended, say).

# fail MESSAGE...: a check failed: says so with a screenshot of the display
# and the end of the game's log, and ends the script.
fail() {
    failed=1
    echo "$name: FAILED: $*" >&2
    if command -v import >/dev/null 2>&1 && [ -n "${DISPLAY:-}" ] && [ -n "$xvfb_pid" ]; then
        import -window root "$work/failure.png" >/dev/null 2>&1
    fi
    if [ -s "$work/game.log" ]; then
        echo "--- the game's output:" >&2
        tail -n 20 "$work/game.log" >&2
    fi
    exit 1
}

# end_session PID...: stops those programs and the X server, then removes the
# script's folder, or keeps it when a check failed and says where.
end_session() {
    local p
    for p in "$@" $xvfb_pid; do
        if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then
            kill "$p" 2>/dev/null
            wait "$p" 2>/dev/null
        fi
    done
    if [ "$failed" = 0 ]; then
        rm -rf "$work"
    else
        echo "$name: the folders, logs and a screenshot are kept in $work" >&2
    fi
}

# poll SECONDS COMMAND...: runs COMMAND every 0.25 s until it succeeds (0) or
# the time is up (1).
poll() {
    local limit=$(($(date +%s) + $1))
    [ "$limit" -gt "$deadline" ] && limit=$deadline
    shift
    while :; do
        "$@" && return 0
        if declare -F poll_guard >/dev/null; then poll_guard "$@"; fi
        [ "$(date +%s)" -ge "$limit" ] && return 1
        sleep 0.25
    done
}

# start_xvfb: a virtual X server of 1280x1024; sets xvfb_pid and exports DISPLAY.
# The server picks a free display itself and writes its number when it is ready.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll 20 display_ready || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    mkdir -m 700 "$work/runtime"
}
display_ready() { grep -qE '^[0-9]+$' "$work/display" 2>/dev/null; }

# launch_game BINARY FOLDER: starts the game in that folder in the background,
# its output appended to the folder's game.log; sets launched to its pid. No
# desktop theme (it could bring the desktop's own dialogs), no scaling, no
# sound.
launch_game() {
    (cd "$2" && exec env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u QT_QPA_PLATFORMTHEME -u WAYLAND_DISPLAY \
        -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
        QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" SDL_AUDIODRIVER=dummy "$1") >>"$2/game.log" 2>&1 &
    launched=$!
}

# kept_stage FOLDER: the stage of the game kept in the folder's tablorw.sav
# (0 the human's turn, 1 the computer's turn next, 2 over), when the file is
# a kept game of 302 bytes.
kept_stage() {
    [ "$(stat -c %s "$1/tablorw.sav" 2>/dev/null)" = 302 ] && od -A n -v -t u1 -j 298 -N 1 "$1/tablorw.sav" | tr -d ' \n'
}

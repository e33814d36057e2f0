#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The kept game (tablorw.sav) with real copies of the game in a virtual X
# server, driven by the keyboard with xdotool:
#
# 1. Round after round: a new game, File > Exit, the game started again (it
#    plays on with the game kept), Resign, and the statistics left with Esc
#    (once killed instead): every game is scored once, the kept file is gone
#    when the game has ended, and the next start begins a new game.
# 2. Two copies in one folder: the second copy does not take up the first
#    copy's game, and leaves its kept file alone when its own game ends; once
#    the first copy is killed, the next start plays on with its game.
#
# Usage: KeptGame.sh TABLOR_BINARY
#
# The kept file tells where the game stands: a position file of 286 bytes,
# then "KEPT", the game's id (8 bytes) and its stage (0: the human's turn).
set -uo pipefail

if ! command -v Xvfb >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
    echo "kept_game_end_to_end: skipped: Xvfb or xdotool not installed"
    exit 0
fi
if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: KeptGame.sh TABLOR_BINARY (executable)" >&2
    exit 2
fi
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")

name=kept_game_end_to_end
work=$(mktemp -d "${TMPDIR:-/tmp}/tablor-kept.XXXXXX")
xvfb_pid=""
pids=()
failed=0

cleanup() { end_session "${pids[@]}"; }
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

deadline=$(($(date +%s) + 270))
# shellcheck source=tests/e2e/Session.sh
. "$(dirname "$0")/Session.sh"
start_xvfb

# new_folder NAME: a folder with settings in which the human opens each game,
# with the rolls from a file.
new_folder() {
    local folder=$work/$1
    mkdir "$folder"
    for _ in $(seq 1 20); do echo 3-1 6-4 5-2; done >"$folder/rolls.txt"
    printf '[Options]\nUseCube=0\nAutoFinish=0\nSpeed=1\nAutoChangeTurn=1\nFirstMoveBy=2\nAutoForcedMoves=0\nDiceMode=2\nRollsList=%s\n[Game]\nHuman=0\nComputer=0\n' \
        "$folder/rolls.txt" >"$folder/tablorw.ini"
    echo "$folder"
}

# start_game FOLDER: starts a copy of the game there; its pid in started.
start_game() {
    launch_game "$game" "$1"
    started=$launched
    pids+=("$started")
    poll 30 has_window "$started" Tablor || fail "no window \"Tablor\" of the copy $started within 30 s"
    # The first game is put on the board before the window takes input.
    sleep 1
}
# window_of PID NAME: the visible window of that copy with that title.
window_of() { xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1 | grep .; }
has_window() { window_of "$@" >/dev/null; }
running() { kill -0 "$1" 2>/dev/null; }
exited() { ! running "$1"; }
# key_to PID NAME KEYS...: the keys, typed into that copy's window of that title.
key_to() {
    local pid=$1 win
    win=$(window_of "$pid" "$2") || fail "copy $pid has no window \"$2\""
    shift 2
    timeout 10 xdotool windowfocus --sync "$win" >/dev/null 2>&1 || fail "could not focus window \"$2\" of copy $pid"
    xdotool key --delay 200 "$@"
}
# end_copy PID: waits for the copy to end by itself, with exit status 0.
end_copy() {
    poll 30 exited "$1" || fail "copy $1 was still running 30 s after it was told to end"
    wait "$1"
    local status=$?
    [ "$status" -eq 0 ] || fail "copy $1 ended with status $status"
}
exit_by_menu() {
    key_to "$1" Tablor alt+f
    sleep 0.5
    xdotool key x
    end_copy "$1"
}
# resign PID: Ctrl+Space and the dialog's choice; the statistics follow.
resign() {
    key_to "$1" Tablor ctrl+space
    poll 20 has_window "$1" Resign || fail "Ctrl+Space: copy $1 showed no \"Resign\" dialog"
    key_to "$1" Resign Return
    poll 20 has_window "$1" Statistics || fail "Resign: copy $1 showed no \"Statistics\" dialog"
}

kept_size() { stat -c %s "$1/tablorw.sav" 2>/dev/null || echo 0; }
kept_id() { od -A n -v -t x1 -j 290 -N 8 "$1/tablorw.sav" | tr -d ' \n'; }
kept_sum() { md5sum <"$1/tablorw.sav"; }
# kept_new_turn FOLDER OLD_IDS: the human's turn of a game none of OLD_IDS is kept.
kept_new_turn() {
    [ "$(kept_size "$1")" -eq 302 ] && [ "$(kept_stage "$1")" = 0 ] && [[ " $2 " != *" $(kept_id "$1") "* ]]
}
score() { awk -F= -v key="$2" '/^\[/ {in_game = ($0 == "[Game]")} in_game && $1 == key {print $2}' "$1/tablorw.ini"; }

# ------------------------------------------------------------------ exit, resume, resign, round after round

# In an empty folder, as a player starts: every setting at its default.
one=$work/one
mkdir "$one"
ended=""
computer=0
for round in 1 2 3; do
    start_game "$one"
    copy=$started
    poll 20 kept_new_turn "$one" "$ended" ||
        fail "round $round: the start did not keep a new game's turn (tablorw.sav: $(kept_size "$one") bytes," \
            "id $(kept_id "$one" 2>/dev/null), games ended: $ended)"
    id=$(kept_id "$one")
    exit_by_menu "$copy"
    [ "$(kept_id "$one")" = "$id" ] || fail "round $round: File > Exit did not leave the game kept"

    start_game "$one"
    copy=$started
    resign "$copy"
    now=$(score "$one" Computer)
    # A resignation gives 1 to 3 points, as the position allows.
    if [ -z "$now" ] || [ "$now" -lt $((computer + 1)) ] || [ "$now" -gt $((computer + 3)) ]; then
        fail "round $round: the resigned game did not score once: the computer's score went from $computer to '$now'"
    fi
    computer=$now
    if [ "$round" = 2 ]; then
        kill -KILL "$copy"
        wait "$copy" 2>/dev/null
    else
        key_to "$copy" Statistics Escape
        end_copy "$copy"
    fi
    [ ! -e "$one/tablorw.sav" ] || fail "round $round: the game has ended but tablorw.sav is still there"
    ended+=" $id"
done
start_game "$one"
poll 20 kept_new_turn "$one" "$ended" || fail "after the last round: the start did not begin a new game"
exit_by_menu "$started"
if [ "$(score "$one" Computer)" != "$computer" ] || [ "$(score "$one" Human)" != 0 ]; then
    fail "in the end: expected Human=0 Computer=$computer, found Human=$(score "$one" Human) Computer=$(score "$one" Computer)"
fi

# ------------------------------------------------------------------ two copies in one folder

two=$(new_folder two)
start_game "$two"
first=$started
poll 20 kept_new_turn "$two" "" || fail "two copies: the first copy kept no game"
first_id=$(kept_id "$two") first_sum=$(kept_sum "$two")

start_game "$two"
second=$started
sleep 1
[ "$(kept_sum "$two")" = "$first_sum" ] || fail "two copies: the second copy's start changed the first copy's kept game"
resign "$second"
key_to "$second" Statistics Escape
end_copy "$second"
[ -e "$two/tablorw.sav" ] || fail "two copies: the second copy's resigned game removed the first copy's kept game"
[ "$(kept_sum "$two")" = "$first_sum" ] || fail "two copies: the second copy changed the first copy's kept game"
running "$first" || fail "two copies: the first copy ended"

kill -KILL "$first"
wait "$first" 2>/dev/null
start_game "$two"
third=$started
sleep 1
exit_by_menu "$third"
if [ "$(kept_id "$two")" != "$first_id" ] || [ "$(kept_stage "$two")" != 0 ]; then
    fail "two copies: once the first copy was killed, the next start did not play on with its game" \
        "(kept id $(kept_id "$two"), the first copy's $first_id)"
fi

echo "kept_game_end_to_end: passed (3 games resigned, each scored once: Computer=$computer;" \
    "a second copy left the first copy's game alone)"

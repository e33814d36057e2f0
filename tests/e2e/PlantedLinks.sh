#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Links that another user plants in a shared folder (sticky and writable by
# all, as /tmp) under the names of the game's own files, pointing at files of
# the player's. The real game, started by the player in that folder in a
# virtual X server, plays a game to its end (a resignation, driven with
# xdotool) and exits: the player's files stay byte for byte as they were,
# nothing new is written beside them, and the failed write of the scores is
# told. The same links made by the player are followed.
#
# Two users of their own play the planter (uid 12345) and the player (uid
# 12346), through setpriv. That takes root; without it, or without setpriv,
# Xvfb or xdotool, the test is skipped (status 77).
#
# Usage: PlantedLinks.sh TABLOR_BINARY
set -uo pipefail

name=planted_links_end_to_end
skip() {
    echo "$name: skipped: $*"
    exit 77
}
for tool in Xvfb xdotool setpriv; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool not installed"
done
[ "$(id -u)" = 0 ] || skip "running the game as two other users takes root"
if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: PlantedLinks.sh TABLOR_BINARY (executable)" >&2
    exit 2
fi
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")

planter=12345
player=12346
# The game's files in its working folder, the lock beside the kept game too.
names=(tablorw.sav tablorw32.gph tablorw.ini tablorw.sav.lock)

work=$(mktemp -d "${TMPDIR:-/tmp}/tablor-links.XXXXXX")
chmod 755 "$work"
xvfb_pid=""
pid=""
failed=0

cleanup() { end_session "$pid"; }
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

deadline=$(($(date +%s) + 240))
# shellcheck source=tests/e2e/Session.sh
. "$(dirname "$0")/Session.sh"
start_xvfb

as() {
    local uid=$1
    shift
    setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"
}
# The player's home and runtime folder, and a folder of the player's files:
# what the planted links point at. A copy of each (root's) to compare with.
home=$work/home
mine=$work/mine
mkdir -m 700 "$home" "$work/player-runtime"
mkdir -m 755 "$mine"
mkdir "$work/originals"
for file in "${names[@]}"; do
    printf "The player's own %s, not the game's: %s\n" "$file" "$(od -A n -N 12 -t x1 /dev/urandom | tr -d ' ')" \
        >"$mine/$file.mine"
    cp -p "$mine/$file.mine" "$work/originals/"
done
chown -R "$player:$player" "$home" "$mine" "$work/player-runtime"
listing() { find "$mine" -printf '%P %u %s %T@ %m\n' | sort; }
before=$(listing)

# start_in FOLDER: the game started there as the player; its pid in pid and
# its main window in main.
start_in() {
    (cd "$1" && exec setpriv --reuid="$player" --regid="$player" --clear-groups \
        env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$home" XDG_RUNTIME_DIR="$work/player-runtime" \
        QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$game") >>"$work/game.log" 2>&1 &
    pid=$!
    poll 30 main_window >/dev/null || fail "no window \"Tablor\" within 30 s (game.log: $(tail -n 5 "$work/game.log"))"
    main=$(main_window)
    # The first game is put on the board before the window takes input.
    sleep 1
}
windows_named() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null; }
main_window() { windows_named Tablor | head -n 1 | grep .; }
# A message box has the main window's title; notices counts those answered.
notices=0
answer_notice() {
    local win
    win=$(windows_named Tablor | grep -vx "$main" | head -n 1)
    [ -n "$win" ] || return 1
    timeout 10 xdotool windowfocus --sync "$win" >/dev/null 2>&1 || fail "could not focus the message box"
    xdotool key Return
    notices=$((notices + 1))
    sleep 0.5
}
key_to() {
    local win
    win=$(windows_named "$1" | head -n 1)
    [ -n "$win" ] || fail "no window \"$1\""
    shift
    timeout 10 xdotool windowfocus --sync "$win" >/dev/null 2>&1 || fail "could not focus a window"
    xdotool key --delay 200 "$@"
}
statistics_or_notice() {
    answer_notice
    windows_named Statistics | grep -q .
}
exited() { ! kill -0 "$pid" 2>/dev/null; }

# play_to_the_end FOLDER: a game there, resigned at once, the statistics left
# with Esc, which ends the game.
play_to_the_end() {
    start_in "$1"
    answer_notice
    # Keys typed while the computer plays are dropped: again until it is the human's turn.
    local tries=0
    until windows_named Resign | grep -q .; do
        [ $((tries += 1)) -le 10 ] || fail "Ctrl+Space showed no \"Resign\" dialog"
        key_to Tablor ctrl+space
        sleep 2
    done
    key_to Resign Return
    poll 30 statistics_or_notice || fail "the resigned game showed no \"Statistics\" dialog"
    key_to Statistics Escape
    poll 30 exited || fail "the game still ran 30 s after the statistics were left"
    wait "$pid"
    local status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
}

# ------------------------------------------------------------------ another user's links

shared=$work/shared
mkdir -m 1777 "$shared"
for file in "${names[@]}"; do
    as "$planter" ln -s "$mine/$file.mine" "$shared/$file" || fail "could not plant $file as uid $planter"
done
play_to_the_end "$shared"
for file in "${names[@]}"; do
    cmp -s "$mine/$file.mine" "$work/originals/$file.mine" ||
        fail "the planted link $file was written through: $(head -c 200 "$mine/$file.mine" | od -c | head -n 3)"
    if [ "$(stat -c %u "$shared/$file")" != "$planter" ] || [ "$(readlink "$shared/$file")" != "$mine/$file.mine" ]; then
        fail "the planted link $file was replaced"
    fi
done
[ "$(listing)" = "$before" ] || fail "the player's files changed: $(diff <(echo "$before") <(listing))"
[ "$notices" -ge 1 ] || fail "the scores could not be written, but no message said so"

# ------------------------------------------------------------------ the player's own links

own=$work/own
mkdir -m 1777 "$own"
for file in tablorw.ini tablorw32.gph; do
    as "$player" ln -s "$mine/$file.mine" "$own/$file" || fail "could not make $file as uid $player"
done
as "$player" sh -c "printf '[Game]\nHuman=0\nComputer=0\n' >'$mine/tablorw.ini.mine'"
notices=0
play_to_the_end "$own"
grep -qE '^Computer=[1-3]' "$mine/tablorw.ini.mine" ||
    fail "the player's own link tablorw.ini was not followed: $(cat "$mine/tablorw.ini.mine")"
[ "$(stat -c %s "$mine/tablorw32.gph.mine")" = 208 ] ||
    fail "the player's own link tablorw32.gph was not followed"
if [ ! -L "$own/tablorw.ini" ] || [ ! -L "$own/tablorw32.gph" ]; then fail "the player's own links were replaced"; fi
[ "$notices" = 0 ] || fail "writes through the player's own links were told as failed"

echo "$name: passed (another user's links left the player's files untouched, the player's own links were followed)"

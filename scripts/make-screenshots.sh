#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the AppStream data and the README: the real game
# in a virtual X server (framed by openbox when it is installed), played a
# few moves into a game with Suggest move, then the settings sheet, then the
# statistics after the program has finished the game.
#
# Usage: scripts/make-screenshots.sh [TABLOR_BINARY [OUTPUT_FOLDER]]
#   TABLOR_BINARY defaults to the game of `build` (build/tablor-game-path.txt),
#   OUTPUT_FOLDER to docs/screenshots.
# Writes board.png, settings.png and statistics.png.
set -euo pipefail
cd "$(dirname "$0")/.."

game=${1:-$(cat build/tablor-game-path.txt 2>/dev/null || true)}
out=${2:-docs/screenshots}
if [ -z "$game" ] || [ ! -x "$game" ]; then
    echo "usage: make-screenshots.sh [TABLOR_BINARY [OUTPUT_FOLDER]] (build the game first)" >&2
    exit 2
fi
for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make-screenshots: $tool is missing (scripts/deps.sh installs it)" >&2
        exit 1
    fi
done
game=$(cd "$(dirname "$game")" && pwd)/$(basename "$game")
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/tablor-shots.XXXXXX")
pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# A free display number.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if command -v openbox >/dev/null 2>&1; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi

# The game in a folder of its own, without sounds: the human opens, the
# program finishes a game at once when asked.
cat >"$work/tablorw.ini" <<'EOF'
[Options]
FirstMoveBy=2
AutoFinish=0
[Sounds]
DiceSoundActive=0
MoveSoundActive=0
HitSoundActive=0
WinSoundActive=0
LoseSoundActive=0
EOF
(cd "$work" && SDL_AUDIODRIVER=dummy exec "$game" >"$work/game.log" 2>&1) &
pids+=($!)

# window NAME: the id of the visible window of that title, waited for.
window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    if [ -z "$id" ]; then
        echo "make-screenshots: no window \"$1\" appeared" >&2
        tail -n 20 "$work/game.log" >&2
        exit 1
    fi
    echo "$id"
}
# dialog_within TENTHS: the id of the game's visible window other than the main
# one, waited for TENTHS of a second (60 s unless given); empty when none came.
dialog_within() {
    local id=""
    for _ in $(seq "${1:-600}"); do
        id=$(xdotool search --onlyvisible --class tablor 2>/dev/null | grep -vx "$main" | tail -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}
# dialog: the same, waited for 60 s, or the script fails.
dialog() {
    local id=""
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --class tablor 2>/dev/null | grep -vx "$main" | tail -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    if [ -z "$id" ]; then
        import -window root "$work/../tablor-shots-failed.png" 2>/dev/null || true
        echo "make-screenshots: no dialog appeared (the screen is in ${TMPDIR:-/tmp}/tablor-shots-failed.png)" >&2
        exit 1
    fi
    echo "$id"
}
# shoot ID FILE: the window with its frame.
shoot() {
    xdotool windowraise "$1" >/dev/null 2>&1 || true
    sleep 1
    import -frame -window "$1" "$2"
    echo "make-screenshots: $2"
}

focus_main() {
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
    xdotool windowfocus --sync "$main" >/dev/null 2>&1 || true
    sleep 0.5
}

main=$(window Tablor)
focus_main
sleep 2
# Six of the human's moves, each answered by the computer.
for _ in 1 2 3 4 5 6; do
    xdotool key ctrl+m
    sleep 4
done
shoot "$main" "$out/board.png"

xdotool key F9
settings=$(dialog)
shoot "$settings" "$out/settings.png"
xdotool key Escape
sleep 1

# The keys go to the focused window: give the focus back to the game's
# window, which the window manager need not do when the sheet closes.
# A key pressed while the game still settles after the sheet can be lost:
# pressed again until the program plays on (the statistics come at the end).
statistics=""
for _ in 1 2 3 4 5; do
    focus_main
    xdotool key ctrl+f
    statistics=$(dialog_within 300)
    [ -n "$statistics" ] && break
done
[ -n "$statistics" ] || statistics=$(dialog)
shoot "$statistics" "$out/statistics.png"

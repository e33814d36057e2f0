#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays game after game in the real window under Xvfb with a window manager:
# each game is finished quick (Ctrl+F), the statistics dialog answered with
# Again (Return). Prints the game's resident memory after the first game,
# every 250 games and at the end, and the scores the settings file holds.
#
# Usage: scripts/window-soak.sh [--seconds N] [--display N] [GAME]
#   --seconds N  how long to play (default 3600)
#   --display N  the Xvfb display number to use (default 77)
#   GAME         the game to run (default build/src/shell/qt/tablor)
#
# Needs Xvfb and xdotool; runs openbox as the window manager when it is
# installed, as a player's desktop would.
# Exits non-zero when the game dies during the run.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=3600
display=77
game="$root/build/src/shell/qt/tablor"
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        --display) display="$2"; shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) game="$1"; shift ;;
    esac
done
game="$(realpath "$game")"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done
[ -x "$game" ] || { echo "$game is not built" >&2; exit 2; }

folder="$(mktemp -d /tmp/tablor-soak.XXXXXX)"
cd "$folder" || exit 2
# Quick finish without asking, no pauses, the human to move first.
printf '[Options]\nAutoFinish=0\nSpeed=50\nFirstMoveBy=0\n' > tablorw.ini

Xvfb ":$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
wm=""
cleanup() { kill ${gamepid:-} $wm $xvfb 2>/dev/null; }
trap cleanup EXIT
sleep 1
export DISPLAY=":$display"
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; sleep 1; fi
"$game" > game.log 2>&1 & gamepid=$!
sleep 3

rss() { awk '/VmRSS/{print $2}' "/proc/$gamepid/status" 2>/dev/null; }
statistics_shown() { xdotool search --onlyvisible --name '^Statistics$' >/dev/null 2>&1; }

end=$(( $(date +%s) + seconds ))
games=0
misses=0
first=""
while [ "$(date +%s)" -lt "$end" ] && kill -0 "$gamepid" 2>/dev/null; do
    # Keys pressed while the computer plays are discarded, as in every turn:
    # Ctrl+F is pressed again until the statistics dialog shows.
    shown=""
    for attempt in $(seq 1 20); do
        main="$(xdotool search --onlyvisible --name '^Tablor' | head -1)"
        [ -n "$main" ] && xdotool windowactivate --sync "$main" >/dev/null 2>&1
        xdotool key ctrl+f
        for i in $(seq 1 40); do
            if statistics_shown; then shown=1; break; fi
            sleep 0.05
        done
        [ -n "$shown" ] && break
    done
    if [ -z "$shown" ]; then misses=$((misses + 1)); continue; fi
    games=$((games + 1))
    [ -z "$first" ] && first="$(rss)" && echo "after game 1: $first kB"
    xdotool key Return
    for i in $(seq 1 600); do statistics_shown || break; sleep 0.05; done
    [ $((games % 250)) -eq 0 ] && echo "after game $games: $(rss) kB"
done

alive=no
kill -0 "$gamepid" 2>/dev/null && alive=yes
echo "games $games, missed tries $misses, memory after game 1 ${first:-?} kB, at the end $(rss) kB, running: $alive"
sed -n '/^\[Game\]/,$p' tablorw.ini
[ "$alive" = yes ]

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tablor's self-play as GNU Backgammon judges it: the engine tool plays and
# exports the games (selfplay --export), gnubg imports the match file,
# analyses every chequer play at the given plies and prints its statistics;
# this prints, for each side, the unforced moves, the error rate in mEMG per
# unforced move and gnubg's rating words. From the top of the source tree:
#   bench/gnubg-analyse.sh [--games 20] [--seed 1] [--levels 2,2] [--plies 2] [--engine build/tablor-engine]
#                          [--keep DIR]   (keeps the match file and gnubg's whole output there)
# The games are cubeless, so the cube is not analysed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
gnubg=${GNUBG:-/usr/games/gnubg}
engine=$here/../build/tablor-engine
games=20 seed=1 levels=2,2 plies=2 keep=""
while [ $# -gt 0 ]; do
    case $1 in
    --games) games=$2 ;;
    --seed) seed=$2 ;;
    --levels) levels=$2 ;;
    --plies) plies=$2 ;;
    --engine) engine=$2 ;;
    --keep) keep=$2 ;;
    *) echo "gnubg-analyse: unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$engine" selfplay --games "$games" --seed "$seed" --levels "$levels" --export "$work/games.mat" >"$work/selfplay.json"
cat >"$work/commands.txt" <<COMMANDS
set analysis chequerplay evaluation plies $plies
set analysis chequerplay evaluation noise 0
set analysis cube off
set jacoby off
import mat $work/games.mat
analyse match
show statistics match
COMMANDS
started=$(date +%s)
# A HOME of its own: no personal gnubg settings change the analysis.
HOME=$work "$gnubg" -t -q <"$work/commands.txt" >"$work/gnubg.txt" 2>&1
seconds=$(($(date +%s) - started))
if [ -n "$keep" ]; then cp "$work/games.mat" "$work/gnubg.txt" "$keep/"; fi
if grep -q -i "warning\|illegal" "$work/gnubg.txt"; then
    echo "gnubg-analyse: gnubg warned while importing the match:" >&2
    grep -i "warning\|illegal" "$work/gnubg.txt" | head -n 5 >&2
    exit 1
fi
echo "Tablor self-play: $games games, seed $seed, levels computer,human $levels; gnubg $plies-ply analysis in ${seconds} s"
# The chequer-play section of the statistics, columns split at runs of two or more spaces.
awk -F '  +' -v levels="$levels" '
    /^Player / { first = $2; second = $3 }
    /^Chequerplay statistics/ { inside = 1 }
    /^Luck statistics|^Cube statistics|^Overall statistics/ { inside = 0 }
    inside && /^Unforced moves/ { unforced[1] = $2; unforced[2] = $3 }
    inside && /^Error total EMG/ { total[1] = $2; total[2] = $3 }
    inside && /^Error rate mEMG/ { rate[1] = $2; rate[2] = $4 }
    inside && /^Chequerplay rating/ { rating[1] = $2; rating[2] = $3 }
    END {
        if (rate[1] == "") { print "gnubg-analyse: no chequer-play statistics in gnubg'"'"'s output" > "/dev/stderr"; exit 1 }
        split(levels, level, ",")
        printf "%-10s %5s %15s %18s %22s  %s\n", "side", "level", "unforced moves", "error total (EMG)", "error rate (mEMG/move)", "gnubg rating"
        for (k = 1; k <= 2; ++k) {
            name = k == 1 ? first : second
            lv = name == "Computer" ? level[1] : level[2]
            sub(/^-/, "", rate[k]); sub(/ *\(.*/, "", total[k]); sub(/^-/, "", total[k])
            printf "%-10s %5s %15s %18s %22s  %s\n", name, lv, unforced[k], total[k], rate[k], rating[k]
        }
    }' "$work/gnubg.txt"

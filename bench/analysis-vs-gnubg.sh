#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tablor's analysis of its self-play against GNU Backgammon's analysis of the
# same games: the engine tool plays and exports the games (selfplay
# --export), judges them itself (analyse-selfplay --decisions) and gnubg
# judges the exported match (bench/gnubg-decisions.py). Prints the
# correlation over the games of the two error rates of each side (mEMG per
# checker play with a choice), and the share of the plays gnubg finds bad or
# very bad (>= 80 mEMG lost) that Tablor marks bad or very bad too.
#   bench/analysis-vs-gnubg.sh [--games 100] [--seed 1] [--levels 2,2] [--plies 2] [--gnubg-plies 2] [--cubeless]
#                              [--engine build/tablor-engine] [--min-r R] [--min-share S] [--keep DIR]
# With --min-r or --min-share it fails (status 1) when a figure is below it;
# --keep DIR keeps the match file and both analyses there.
# Without gnubg it says so and exits with status 77.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
gnubg=${GNUBG:-/usr/games/gnubg}
engine=$here/../build/tablor-engine
games=100 seed=1 levels=2,2 plies=2 gnubg_plies=2 min_r=-1 min_share=-1 cubeless="" keep=""
while [ $# -gt 0 ]; do
    case $1 in
    --games) games=$2 ;;
    --seed) seed=$2 ;;
    --levels) levels=$2 ;;
    --plies) plies=$2 ;;
    --gnubg-plies) gnubg_plies=$2 ;;
    --engine) engine=$2 ;;
    --min-r) min_r=$2 ;;
    --min-share) min_share=$2 ;;
    --cubeless) cubeless=--cubeless; shift; continue ;;
    --keep) keep=$2 ;;
    *) echo "analysis-vs-gnubg: unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
if [ ! -x "$gnubg" ]; then
    echo "analysis-vs-gnubg: no GNU Backgammon at $gnubg, nothing to compare with" >&2
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$engine" selfplay --games "$games" --seed "$seed" --levels "$levels" --export "$work/games.mat" >/dev/null
started=$(date +%s.%N)
"$engine" analyse-selfplay --games "$games" --seed "$seed" --levels "$levels" --plies "$plies" --decisions $cubeless \
    >"$work/tablor.json"
tablor_seconds=$(echo "$(date +%s.%N) - $started" | bc)
started=$(date +%s)
# A HOME of its own: no personal gnubg settings change the analysis.
HOME=$work MATCH=$work/games.mat PLIES=$gnubg_plies "$gnubg" -t -q -p "$here/gnubg-decisions.py" \
    >"$work/gnubg.out" 2>&1
gnubg_seconds=$(($(date +%s) - started))
grep '^{' "$work/gnubg.out" >"$work/gnubg.json" || true
if [ -n "$keep" ]; then cp "$work/games.mat" "$work/tablor.json" "$work/gnubg.json" "$keep/"; fi
python3 "$here/compare-analyses.py" "$work/tablor.json" "$work/gnubg.json" "$min_r" "$min_share" "$tablor_seconds" \
    "$gnubg_seconds"

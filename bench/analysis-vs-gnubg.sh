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
#                              [--engine build/tablor-engine] [--min-r R] [--min-share S]
# With --min-r or --min-share it fails (status 1) when a figure is below it.
# Without gnubg it says so and exits with status 77.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
gnubg=${GNUBG:-/usr/games/gnubg}
engine=$here/../build/tablor-engine
games=100 seed=1 levels=2,2 plies=2 gnubg_plies=2 min_r=-1 min_share=-1 cubeless=""
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
python3 - "$work/tablor.json" "$work/gnubg.json" "$min_r" "$min_share" <<PYTHON
import json, math, sys
tablor = [json.loads(l) for l in open(sys.argv[1])]
gnubg = [json.loads(l) for l in open(sys.argv[2])]
min_r, min_share = float(sys.argv[3]), float(sys.argv[4])
plays = {}
for d in tablor:
    if d.get("kind") == "play":
        plays.setdefault(d["game"], []).append(d)
theirs = {}
for d in gnubg:
    theirs.setdefault(d["game"], []).append(d)
if not theirs:
    sys.exit("analysis-vs-gnubg: gnubg judged no plays")
xs, ys = [], []
big = agreed = skipped = 0
for game, ours in plays.items():
    other = theirs.get(game, [])
    if len(other) != len(ours) or any(a["side"] != b["side"] for a, b in zip(ours, other)):
        skipped += 1
        continue
    for side in ("computer", "human"):
        a = [d for d in ours if d["side"] == side and not d["forced"]]
        b = [d for d in other if d["side"] == side and not d["forced"]]
        if a and b:
            xs.append(sum(d["loss_memg"] for d in a) / len(a))
            ys.append(1000 * sum(d["error"] for d in b) / len(b))
    for a, b in zip(ours, other):
        if 1000 * b["error"] >= 80:
            big += 1
            agreed += a["mark"] in ("bad", "very bad")
n = len(xs)
mx, my = sum(xs) / n, sum(ys) / n
sxy = sum((x - mx) * (y - my) for x, y in zip(xs, ys))
sxx = sum((x - mx) ** 2 for x in xs)
syy = sum((y - my) ** 2 for y in ys)
r = sxy / math.sqrt(sxx * syy) if sxx > 0 and syy > 0 else 0.0
share = agreed / big if big else 1.0
print(json.dumps({"games": len(plays), "games_compared": len(plays) - skipped, "side_games": n,
                  "correlation": round(r, 4), "tablor_mean_memg": round(mx, 2), "gnubg_mean_memg": round(my, 2),
                  "gnubg_bad_plays": big, "tablor_marks_too": agreed, "share": round(share, 4),
                  "tablor_seconds": round(float("$tablor_seconds"), 2), "gnubg_seconds": $gnubg_seconds}))
if skipped:
    print("analysis-vs-gnubg: %d games did not line up and were left out" % skipped, file=sys.stderr)
if r < min_r or share < min_share:
    sys.exit("analysis-vs-gnubg: below the bounds asked for (r >= %g, share >= %g)" % (min_r, min_share))
PYTHON

# SPDX-License-Identifier: GPL-3.0-or-later
# Compares Tablor's analysis of self-played games (analyse-selfplay
# --decisions) with gnubg's of the same games (gnubg-decisions.py):
#   compare-analyses.py TABLOR.json GNUBG.json [MIN_R MIN_SHARE [TABLOR_SECONDS GNUBG_SECONDS]]
# Prints one line of JSON; fails when the correlation or the share is below its bound.
import json, math, sys
tablor = [json.loads(l) for l in open(sys.argv[1])]
gnubg = [json.loads(l) for l in open(sys.argv[2])]
args = sys.argv[1:] + ["-1", "-1", "0", "0"][len(sys.argv) - 3:]
min_r, min_share = float(args[2]), float(args[3])
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
                  "tablor_seconds": round(float(args[4]), 2), "gnubg_seconds": int(float(args[5]))}))
if skipped:
    print("analysis-vs-gnubg: %d games did not line up and were left out" % skipped, file=sys.stderr)
if r < min_r or share < min_share:
    sys.exit("analysis-vs-gnubg: below the bounds asked for (r >= %g, share >= %g)" % (min_r, min_share))

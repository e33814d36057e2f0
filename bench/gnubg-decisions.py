# SPDX-License-Identifier: GPL-3.0-or-later
# Run inside GNU Backgammon (gnubg -t -q -p bench/gnubg-decisions.py): imports
# the match file $MATCH, analyses its checker plays at $PLIES plies (cube
# off, no noise) and prints one line of JSON per checker play:
#   {"game": 1, "side": "computer", "error": 0.012, "forced": false}
# "error" is the equity (EMG) the play lost against gnubg's best.
import json
import os

import gnubg

plies = int(os.environ.get("PLIES", "1"))
gnubg.command("set analysis chequerplay evaluation plies %d" % plies)
gnubg.command("set analysis chequerplay evaluation noise 0")
gnubg.command("set analysis cube off")
gnubg.command("set jacoby off")
gnubg.command("import mat " + os.environ["MATCH"])
gnubg.command("analyse match")
match = gnubg.match(analysis=1, boards=0, statistics=0, verbose=0)
names = {side: info["name"].lower() for side, info in match["match-info"].items() if side in ("O", "X")}
for number, game in enumerate(match["games"], 1):
    for action in game["game"]:
        if action.get("action") != "move":
            continue
        analysis = action.get("analysis") or {}
        moves = analysis.get("moves") or []
        chosen = analysis.get("imove", 0)
        forced = len(moves) <= 1
        error = 0.0
        if not forced and chosen < len(moves):
            error = max(0.0, moves[0]["score"] - moves[chosen]["score"])
        print(json.dumps({"game": number, "side": names[action["player"]], "error": error, "forced": forced}))

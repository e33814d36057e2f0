# SPDX-License-Identifier: GPL-3.0-or-later
# Tablor's engine against GNU Backgammon: cubeless money games (gammons 2,
# backgammons 3, no cube, Jacoby off), Tablor through `tablor-engine serve`,
# gnubg as its own computer player at a fixed number of plies without noise.
# gnubg rolls the dice from its Mersenne Twister seeded with --seed; the side
# that starts alternates game by game (the opening roll is kept and given to
# the side whose turn it is to start).
#
# Every Tablor play is checked against gnubg's list of legal plays for the
# roll; a play that is not on it (or an engine error) is counted, shown, and
# replaced by gnubg's best play for Tablor's side, and the game goes on
# (--stop-on-illegal stops the run instead). After each Tablor play the board
# gnubg holds is compared with the board Tablor meant, the play's steps applied
# to the board Tablor was given; a difference means the mapping between the two
# boards is wrong and stops the run.
#
# Runs inside gnubg: `gnubg -t -q -p bench/gnubg-match.py`, with the options in
# the environment variable TABLOR_GNUBG_MATCH (gnubg passes no arguments to a
# script); bench/gnubg-match.sh does that. The report goes to file descriptor
# 3 when it is open (gnubg's own chatter stays on standard output), else to
# standard error.
import argparse
import base64
import json
import math
import os
import shlex
import subprocess
import sys
import time

import gnubg

# Tablor's board (src/core/board/BoardData.h): 28 (count, owner) locations.
# The computer moves from 24 down to 1 and bears off into 26, enters from its
# bar 25; the human moves from 1 up to 24, bears off into 27, enters from its
# bar 0. Tablor always plays the computer's side here, gnubg the human's.
NOBODY, COMPUTER, HUMAN = 0, 1, 2
HUMAN_BAR, COMPUTER_BAR, COMPUTER_TRAY, HUMAN_TRAY = 0, 25, 26, 27
FIXED_OWNER = {HUMAN_BAR: HUMAN, COMPUTER_BAR: COMPUTER, COMPUTER_TRAY: COMPUTER, HUMAN_TRAY: HUMAN}

# gnubg's player numbers: 0 is gnubg, 1 is Tablor.
GNUBG, TABLOR = 0, 1


def standard_setup():
    """Tablor's StandardSetup() (src/core/board/BoardData.cpp), bars and trays with their fixed owners."""
    b = empty_board()
    for location, owner, count in ((1, HUMAN, 2), (6, COMPUTER, 5), (8, COMPUTER, 3), (12, HUMAN, 5),
                                   (13, COMPUTER, 5), (17, HUMAN, 3), (19, HUMAN, 5), (24, COMPUTER, 2)):
        b[location] = [count, owner]
    return b


def empty_board():
    b = [[0, NOBODY] for _ in range(28)]
    for location, owner in FIXED_OWNER.items():
        b[location][1] = owner
    return b


def opponent(p):
    return {COMPUTER: HUMAN, HUMAN: COMPUTER}.get(p, NOBODY)


def to_tablor(tablor_side, gnubg_side):
    """Tablor's board from gnubg's two halves of 25 (points 1..24 counted from
    each side's own home, then its bar): Tablor's point p is location p, gnubg's
    point p is location 25 - p."""
    b = empty_board()
    for i in range(24):
        if tablor_side[i]:
            b[i + 1] = [tablor_side[i], COMPUTER]
        if gnubg_side[i]:
            if b[24 - i][0]:
                raise RuntimeError("both sides on location %d" % (24 - i))
            b[24 - i] = [gnubg_side[i], HUMAN]
    b[COMPUTER_BAR][0] = tablor_side[24]
    b[HUMAN_BAR][0] = gnubg_side[24]
    b[COMPUTER_TRAY][0] = 15 - sum(tablor_side)
    b[HUMAN_TRAY][0] = 15 - sum(gnubg_side)
    return b


def board_argument(b):
    return ",".join("%d:%d" % (count, owner) for count, owner in b)


def move_to(b, source, target, player):
    """Tablor's MoveTo: one piece from source to target, hitting a lone
    opposing piece on a point there (it goes to its owner's bar)."""
    if b[source][0] <= 0 or b[source][1] != player:
        raise ValueError("no piece of the side to move on location %d" % source)
    b[source][0] -= 1
    if b[source][0] == 0 and source not in (HUMAN_BAR, COMPUTER_BAR):
        b[source][1] = NOBODY
    dest = b[target]
    if 1 <= target <= 24 and dest[1] == opponent(player):
        if dest[0] >= 2:
            raise ValueError("location %d is held by the other side" % target)
        move_to(b, target, COMPUTER_BAR if player == HUMAN else HUMAN_BAR, opponent(player))
    dest[0] += 1
    if dest[1] == NOBODY:
        dest[1] = player


def gnubg_location(point):
    """Tablor's location of a point in gnubg's notation for Tablor's side: 25 the bar, 0 off."""
    return COMPUTER_TRAY if point <= 0 else point


def apply_steps(board, steps):
    """The board after the computer's steps (location pairs), or None when a step cannot be played."""
    b = [list(s) for s in board]
    try:
        for source, target in steps:
            if b[COMPUTER_BAR][0] and source != COMPUTER_BAR:
                raise ValueError("a piece on the bar must enter first")
            move_to(b, source, target, COMPUTER)
    except ValueError:
        return None
    return b


def step_text(source, target):
    return "%s/%s" % ("bar" if source == COMPUTER_BAR else source, "off" if target == COMPUTER_TRAY else target)


def match_state():
    """The fields of gnubg's current Match ID that the game loop needs."""
    key = gnubg.gnubgid().split(":")[1]
    v = int.from_bytes(base64.b64decode(key + "=" * (-len(key) % 4)), "little")
    return {"state": (v >> 8) & 7, "turn": (v >> 11) & 1, "resigned": (v >> 13) & 3,
            "dice": ((v >> 15) & 7, (v >> 18) & 7)}


class Engine:
    """`tablor-engine serve`, one process for the whole run."""

    def __init__(self, path, level, book, expert_plies=None):
        self.level = level
        self.book = book
        self.extra = " --plies %d" % expert_plies if expert_plies is not None and level == 3 else ""
        self.process = subprocess.Popen([path, "serve"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        universal_newlines=True, bufsize=1)
        self.seconds = 0.0
        self.plays = 0

    def play(self, board, dice):
        line = "move --board %s --dice %d %d --level %d --side computer%s%s\n" % (
            board_argument(board), dice[0], dice[1], self.level, " --book" if self.book else "", self.extra)
        started = time.monotonic()
        self.process.stdin.write(line)
        self.process.stdin.flush()
        answer = self.process.stdout.readline()
        self.seconds += time.monotonic() - started
        self.plays += 1
        if not answer:
            raise RuntimeError("tablor-engine serve ended")
        return json.loads(answer)

    def close(self):
        self.process.stdin.close()
        self.process.wait()


def tablor_steps(answer):
    """The locations (from, to) of the computer's play: its pairs are (from, die)."""
    steps = []
    for source, die in answer["moves"]:
        target = source - die
        steps.append((source, COMPUTER_TRAY if target <= 0 else target))
    return steps, [die for _, die in answer["moves"]]


def legal_plays(board):
    """gnubg's legal plays for Tablor's roll now, each as (text, the board after it), best first at 0-ply."""
    plays = []
    for hint in gnubg.hint(10000)["hint"]:
        steps = [(source, gnubg_location(target)) for source, target in gnubg.parsemove(hint["move"])]
        after = apply_steps(board, steps)
        if after is None:
            raise RuntimeError("gnubg's play %s cannot be applied to Tablor's board" % hint["move"])
        plays.append((hint["move"], after))
    return plays


def current_board():
    """Tablor's board of the position now, whichever side is on roll."""
    first, second = gnubg.board()  # the side not on roll, then the side on roll
    return to_tablor(second, first) if match_state()["turn"] == TABLOR else to_tablor(first, second)


class Run:
    def __init__(self, options, report):
        self.o = options
        self.report = report
        self.engine = Engine(options.engine, options.level, options.book, options.expert_plies)
        self.illegal = 0
        self.checked = 0
        self.tablor_plays = 0
        self.blocked = 0
        self.resign_offers = 0
        self.points = []
        self.wins = {TABLOR: 0, GNUBG: 0}
        self.gammons = {TABLOR: 0, GNUBG: 0}
        self.backgammons = {TABLOR: 0, GNUBG: 0}

    def say(self, text):
        self.report.write(text + "\n")
        self.report.flush()

    def setup(self):
        o = self.o
        for command in ("set display off", "set rng mersenne", "set seed %d" % o.seed, "set matchlength 0",
                        "set cube use off", "set jacoby off", "set automatic game off", "set automatic roll off",
                        "set automatic move off", "set automatic bearoff off",
                        "set player 0 name gnubg", "set player 1 name tablor", "set player 1 human",
                        "set player 0 chequerplay evaluation plies %d" % o.plies,
                        "set player 0 chequerplay evaluation noise 0",
                        "set player 0 chequerplay evaluation deterministic on",
                        # hints list every legal play, evaluated at 0-ply
                        "set evaluation chequerplay evaluation plies 0",
                        "set player 0 human"):
            gnubg.command(command)

    def gnubg_turn(self):
        # gnubg plays only while it is on roll, so that Tablor's play can be
        # checked in gnubg's board before gnubg moves on.
        gnubg.command("set player 0 gnubg")
        gnubg.command("play")
        gnubg.command("set player 0 human")

    def tablor_turn(self, game, rolled):
        before = current_board()
        if not rolled:
            gnubg.command("roll")
            state = match_state()
            if state["turn"] != TABLOR or state["state"] != 1:
                # No legal play: gnubg passed the turn. Tablor must find none either.
                record = gnubg.match(0, 0, 0, 0)["games"][-1]["game"][-1]
                if record["player"] != "O" or record["action"] != "move" or record["move"]:
                    raise RuntimeError("game %d: gnubg took Tablor's turn: %s" % (game, record))
                answer = self.engine.play(before, record["dice"])
                self.blocked += 1
                if answer.get("moves") != []:
                    self.illegal += 1
                    self.say("game %d: Tablor plays %s for %s where there is no legal play" %
                             (game, answer, record["dice"]))
                return
        dice = match_state()["dice"]
        plays = legal_plays(before)
        answer = self.engine.play(before, dice)
        self.tablor_plays += 1
        meant = None
        if "moves" in answer:
            steps, used = tablor_steps(answer)
            meant = apply_steps(before, steps)
            roll = [dice[0]] * 4 if dice[0] == dice[1] else list(dice)
            if any(used.count(d) > roll.count(d) for d in used):
                meant = None
        if meant is None or all(meant != after for _, after in plays):
            self.illegal += 1
            self.say("game %d: Tablor's play %s for %d-%d is not legal on %s; gnubg's best (%s) is played" %
                     (game, answer, dice[0], dice[1], board_argument(before), plays[0][0]))
            if self.o.stop_on_illegal:
                raise SystemExit(1)
            gnubg.command("move " + plays[0][0])
            meant = plays[0][1]
        else:
            gnubg.command("move " + " ".join(step_text(s, t) for s, t in steps))
        # The board gnubg now holds is the board Tablor meant.
        held = current_board()
        if held != meant:
            raise RuntimeError("game %d: after Tablor's %s gnubg holds %s, Tablor meant %s" %
                               (game, answer, board_argument(held), board_argument(meant)))
        self.checked += 1

    def game(self, number):
        gnubg.command("new game")
        state = match_state()
        if current_board() != standard_setup():
            raise RuntimeError("gnubg's starting position maps to %s, not Tablor's StandardSetup" %
                               board_argument(current_board()))
        # The opening roll stays; the side that starts alternates, Tablor first in odd games.
        starter = TABLOR if number % 2 == 1 else GNUBG
        if state["turn"] != starter:
            dice = state["dice"]
            gnubg.command("set turn %s" % ("tablor" if starter == TABLOR else "gnubg"))
            gnubg.command("set dice %d %d" % dice)
        first = True
        while True:
            state = match_state()
            if state["state"] != 1:
                break
            if state["resigned"]:
                # gnubg offers to resign: played out instead.
                self.resign_offers += 1
                gnubg.command("reject")
                continue
            if state["turn"] == GNUBG:
                self.gnubg_turn()
            else:
                # Tablor's opening roll is on the table already.
                self.tablor_turn(number, rolled=first)
            first = False
        info = gnubg.match(0, 0, 0, 0)["games"][-1]["info"]
        winner = TABLOR if info["winner"] == "O" else GNUBG
        won = info["points-won"]
        self.wins[winner] += 1
        if won == 2:
            self.gammons[winner] += 1
        if won == 3:
            self.backgammons[winner] += 1
        self.points.append(won if winner == TABLOR else -won)

    def summary(self, seconds):
        n = len(self.points)
        mean = sum(self.points) / n
        sd = math.sqrt(sum((p - mean) ** 2 for p in self.points) / (n - 1)) if n > 1 else 0.0
        half = 1.96 * sd / math.sqrt(n)
        o = self.o
        self.say("Tablor level %d against gnubg %d-ply, %d cubeless money games, seed %d" %
                 (o.level, o.plies, n, o.seed))
        self.say("points per game for Tablor: %+.3f  (95 %% interval %+.3f to %+.3f, sd %.3f)" %
                 (mean, mean - half, mean + half, sd))
        self.say("games won: Tablor %d, gnubg %d" % (self.wins[TABLOR], self.wins[GNUBG]))
        self.say("gammons: Tablor %d, gnubg %d; backgammons: Tablor %d, gnubg %d" %
                 (self.gammons[TABLOR], self.gammons[GNUBG], self.backgammons[TABLOR], self.backgammons[GNUBG]))
        self.say("Tablor plays: %d, not legal: %d, with no legal play: %d; boards checked after a play: %d;"
                 " resignations offered by gnubg (played out): %d" %
                 (self.tablor_plays, self.illegal, self.blocked, self.checked, self.resign_offers))
        self.say("time: %.1f s, %.1f games per minute, Tablor %.1f ms a play" %
                 (seconds, 60.0 * n / seconds if seconds > 0 else 0.0,
                  1000.0 * self.engine.seconds / max(1, self.engine.plays)))


def main():
    parser = argparse.ArgumentParser(prog="gnubg-match")
    parser.add_argument("--games", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--level", type=int, default=2)
    parser.add_argument("--engine", default="build/tablor-engine")
    parser.add_argument("--plies", type=int, default=0)
    parser.add_argument("--expert-plies", type=int, default=None, help="the Expert's depth at level 3 (its default: 1)")
    parser.add_argument("--book", action="store_true", help="let Tablor use its opening book")
    parser.add_argument("--stop-on-illegal", action="store_true", help="stop at a Tablor play that is not legal")
    parser.add_argument("--progress", type=int, default=0, help="a line every N games")
    options = parser.parse_args(shlex.split(os.environ.get("TABLOR_GNUBG_MATCH", "")))
    try:
        report = os.fdopen(3, "w")
    except OSError:
        report = sys.stderr
    run = Run(options, report)
    run.setup()
    started = time.monotonic()
    for number in range(1, options.games + 1):
        run.game(number)
        if options.progress and number % options.progress == 0:
            n = len(run.points)
            run.say("after %d games: %+.3f ppg" % (n, sum(run.points) / n))
    run.summary(time.monotonic() - started)
    run.engine.close()


try:
    main()
except SystemExit:
    raise
except BaseException as error:  # gnubg swallows a script's exceptions: say it and exit with an error
    import traceback
    traceback.print_exc()
    try:
        os.write(3, ("gnubg-match: %s\n" % error).encode())
    except OSError:
        pass
    os._exit(1)
os._exit(0)

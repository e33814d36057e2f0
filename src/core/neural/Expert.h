// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Expert: the play of a roll chosen by lookahead over the evaluator.
// 0-ply judges the position after each play; n-ply judges it by the average,
// over the opponent's 21 rolls, of the opponent's best reply judged at
// (n - 1)-ply. The plays are filtered on the way: every play at 0-ply, the
// best few at 1-ply, the best of those at 2-ply; inside the lookahead a reply
// is picked at 0-ply and only the best few are looked at deeper. No
// randomness: the same position, roll and weights always give the same play.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/board/BoardData.h"
#include "core/neural/Evaluator.h"
#include "core/neural/Plays.h"

// The depth the Expert plays at unless told otherwise. Measured against
// GNU Backgammon at 0-ply on the same dice, 1-ply scored at least as well as
// 2-ply (+0.01 against -0.04 points a game over 500 games, +0.08 against
// +0.01 over 300) at an eighth of the time, so 1-ply it is.
constexpr int EXPERT_DEFAULT_PLIES = 1;
constexpr int EXPERT_MAX_PLIES = 3;

// How many plays go on from one depth of the search to the next.
struct ExpertFilter {
    int rootKeep1 = 8;         // plays judged at 1-ply at the root
    double rootMargin1 = 0.16; // ... at most this much equity below the best at 0-ply
    int rootKeep2 = 3;         // plays judged at 2-ply (and deeper) at the root
    double rootMargin2 = 0.06;
    int innerKeep = 1; // replies looked at deeper inside the lookahead
};

// A play as the game makes it: moves of `player` as (location, die), in
// order, each legal by the game's rules at its turn.
struct ExpertMove {
    int count = 0;
    std::array<std::uint8_t, 4> from{}; // the game's location of each move's piece
    std::array<std::uint8_t, 4> die{};
    // The program's move pairs: (from, from - die) for the computer,
    // (from, from + die) for the human; a target off the board means the tray.
    std::array<std::pair<int, int>, 4> pairs{};
    Probabilities value; // the mover's chances after the play, at the depth searched
};

class Expert {
public:
    explicit Expert(std::shared_ptr<const Evaluator> evaluator, int plies = EXPERT_DEFAULT_PLIES,
                    ExpertFilter filter = {});

    int Plies() const { return plies_; }
    void SetPlies(int plies);
    const Evaluator& Judge() const { return *eval_; }

    // The play of roll (d1, d2) for `player` (COMPUTER or HUMAN) on the
    // game's board; no moves when none is possible.
    ExpertMove Choose(const BoardData& board, int player, int d1, int d2);

    // The play of the side on roll; `value` gets its chances after the play.
    Play ChoosePlay(const Checkers& c, int d1, int d2, Probabilities* value = nullptr);
    // The chances of the side on roll before it rolls, looked at `plies` deep.
    Probabilities EvaluatePly(const Checkers& c, int plies);

    // A function the search calls every POLL_EVALUATIONS positions judged; a
    // false answer abandons the search: the rest of it judges nothing and
    // the play returned is still one of the roll's plays, picked on what was
    // judged. A program calls it to handle its window meanwhile.
    static constexpr std::uint64_t POLL_EVALUATIONS = 64;
    void SetPoll(std::function<bool()> goOn) { poll_ = std::move(goOn); }
    // Whether the last search was abandoned.
    bool Abandoned() const { return stopped_; }

    // Positions judged by the networks or the table since the last reset.
    std::uint64_t Evaluations() const { return evaluations_; }
    void ResetEvaluations() { evaluations_ = 0; }

private:
    Probabilities Static(const Checkers& c);
    // The value, for the mover, of the position after a play.
    Probabilities After(const Checkers& after, int plies);
    PlayMaker& Maker(int depth);

    std::shared_ptr<const Evaluator> eval_;
    int plies_;
    ExpertFilter filter_;
    std::vector<PlayMaker> makers_; // one per depth, so that a deeper search keeps the plays above it
    std::uint64_t evaluations_ = 0;
    int depth_ = 0;
    std::function<bool()> poll_;
    std::uint64_t sincePoll_ = 0;
    bool stopped_ = false;
};

// The game's move pairs of a play made by `player`.
ExpertMove ToGameMove(const Play& play, int player);

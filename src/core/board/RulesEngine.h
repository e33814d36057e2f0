// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of movement and the computer player. Created at every new game
// over the live board and the dice record; all questions are asked for the
// board's side to move (its CurrentPlayer).

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <utility>

#include "core/board/Board.h"
#include "core/board/BoardData.h"

class DiceRecord;

// How far the side to double must stand ahead by the doubling balance: the
// computer doubles at -DOUBLING_THRESHOLD or less and refuses the human's
// double at DOUBLING_THRESHOLD or more.
constexpr std::int32_t DOUBLING_THRESHOLD = 37;

class RulesEngine {
public:
    RulesEngine(Board* board, DiceRecord* dice);
    ~RulesEngine();
    RulesEngine(const RulesEngine&) = delete;
    RulesEngine& operator=(const RulesEngine&) = delete;

    void InitRules(Board* board, DiceRecord* dice);
    // Recomputes `race`: every computer piece has passed every human piece.
    bool UpdateRace();

    // Whether one piece of the side to move may go `step` points (signed) from `from`.
    bool IsLegalStep(int from, int step) const;
    // The bar rule and the direction of the side to move, then IsLegalStep.
    bool IsLegalMove(int from, int die) const;
    bool AllHome() const;
    // The highest location (25 down to 0) that can play die slot i, or -1.
    int HighestPlayable(int i) const;
    // No die of the record can be played from anywhere (true when none is left).
    bool CannotMove() const;
    // The die to bear off with from `from` (the human's), or -1.
    int BearOffDie(int from) const;
    // The destination chosen for a piece the human picked, or NO_VALUE; with
    // `intelMoves` also where only one of the two dice can be played.
    int AutoTarget(int from, bool intelMoves) const;
    // One of the human's two dice is blocked now but playable after the other.
    bool BothDiceUsable() const;
    // Whether the human resigning risks more than a single game.
    bool GammonRisk() const;

    int humanBar() const { return (*board)[HUMAN_BAR].count; }
    int computerBar() const { return (*board)[COMPUTER_BAR].count; }
    int humanOff() const { return (*board)[HUMAN_TRAY].count; }
    int computerOff() const { return (*board)[COMPUTER_TRAY].count; }

    // Computer player (always searched as player 1).
    // Fills bestFrom/bestDice for the dice record, evaluated at skill `level`
    // (0 "Poor" to 2 "Good"; the opening table only at 2), and returns the
    // milliseconds spent.
    std::int32_t ChooseMove(bool useBook, int level);
    bool AcceptDouble() const;
    std::int32_t DoublingBalance() const;
    std::int32_t ExposedBlots(int p) const;
    std::int32_t Lead(int p) const;
    // Removes the die values that the greedy play from the highest source cannot use.
    void DropUnusableDice();
    // The search's score of the position `after` a play of the computer
    // against the position `before` it, at `level` and with `race`.
    std::int32_t ScorePlay(const BoardData& before, const BoardData& after, int level);
    // The human's best play for the dice left, found by the computer's search on
    // the mirrored board at `level` (the program's suggestion always uses 2):
    // `count` moves as (from, to) in the human's locations, a `to` above 24
    // meaning the tray. The live board is mirrored and mirrored back; the dice
    // record keeps only the values played. Returns the milliseconds spent.
    std::int32_t SuggestMove(bool useBook, std::array<std::pair<int, int>, 4>& moves, int& count, int level = 2);

    bool race = false;
    Board* board = nullptr;
    DiceRecord* dice = nullptr;

    std::array<std::uint8_t, 4> bestFrom{NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};
    std::array<std::uint8_t, 4> bestDice{NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};
    std::int32_t bestScore = std::numeric_limits<std::int32_t>::min();
    std::array<std::int32_t, 3> block{};
    std::array<std::int32_t, 3> homeBlots{};
    std::array<std::uint8_t, 4> path{NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};

    // Milliseconds since some fixed start; the program gives the platform's clock.
    std::function<std::uint32_t()> tickCount;
    // A play that reaches a position already scored in the same search can
    // only tie, and a tie keeps the earlier play, so it is skipped. Off, every
    // play is scored (the choice is the same; tests compare the two).
    bool skipRepeatedPositions = true;

private:
    struct Search;
    Search& Scratch();
    void SearchPlays(Search& s, int depth);
    void Evaluate(Search& s, const BoardData& b);
    std::int32_t Score(Search& s, const BoardData& b);
    void Prepare(Search& s, const BoardData& start, int level) const;
    void DropUnusableDice(const BoardData& start);
    bool BookPlayLegal(const BoardData& start, const std::array<std::uint8_t, 2>& sources) const;
    std::uint32_t Ticks() const { return tickCount ? tickCount() : 0; }

    // The search's working state, made at the first search and kept.
    std::unique_ptr<Search> scratch;
};

// The table of opening plays: the source points for the first and second die
// of a non-double roll, indexed by (first - 1) * 6 + (second - 1); {0, 0} when empty.
extern const std::array<std::array<std::uint8_t, 2>, 36> OpeningTable;

// Rules on plain data for a given player (what the queries above and the
// search use).
bool LegalStep(const BoardData& b, int player, int from, int step);
bool AllHome(const BoardData& b, int player);

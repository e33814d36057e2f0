// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every legal play of a roll for the side on roll, by the rules of the game:
// a piece on the bar enters first, a point held by two or more opposing
// pieces is closed, a higher die bears off only from the highest occupied
// point, as many dice as possible are used and, when only one of two
// different dice can be used, the higher one where it can be. Plays that end
// in the same position are kept once (the first found).

#include <array>
#include <cstdint>
#include <vector>

#include "core/neural/Checkers.h"

struct Play {
    std::uint8_t count = 0;             // moves, 0 when nothing can be played
    std::array<std::uint8_t, 4> from{}; // source point of each move (25 the bar)
    std::array<std::uint8_t, 4> die{};  // die of each move, in playing order
    Checkers after;                     // the position after the play, still seen by the mover
};

// Whether one piece of the side on roll may move from `from` (1..25) by `die`.
bool LegalMove(const Checkers& c, int from, int die);
// Moves one piece (the move must be legal), hitting a lone opposing piece.
void ApplyMove(Checkers& c, int from, int die);

// Makes the plays; keeps its buffers between calls so that a search or a
// training game allocates nothing after its first few rolls.
class PlayMaker {
public:
    // The plays of roll (d1, d2) from `start`; one play of no moves when none
    // is possible. The result stays valid until the next call.
    const std::vector<Play>& Make(const Checkers& start, int d1, int d2);

private:
    void Search(const Checkers& here, int depth, int lastFrom);
    void Keep(const Checkers& after, int depth);

    std::vector<Play> plays_;
    std::vector<std::uint32_t> table_; // indices + 1 into plays_, open addressing
    std::array<std::uint8_t, 4> dice_{};
    std::array<std::uint8_t, 4> from_{};
    int diceCount_ = 0;
    int most_ = 0; // the most moves any play found so far makes
    bool double_ = false;
};

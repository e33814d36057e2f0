// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Expert's judgement of a position, for the side on roll before it rolls:
// exact for a finished game, from the bear-off table when both sides are
// home, and otherwise from the race network (no contact left) or the contact
// network. Deterministic: the same position and weights give the same bits.

#include <cstdint>
#include <memory>

#include "core/neural/Bearoff.h"
#include "core/neural/Checkers.h"
#include "core/neural/Encoding.h"
#include "core/neural/Network.h"

// The chances of the side on roll; each counts that result or a bigger one
// (a gammon win is also a win), so backgammon <= gammon <= win.
struct Probabilities {
    float win = 0, winGammon = 0, winBackgammon = 0, loseGammon = 0, loseBackgammon = 0;

    // Points per game for the side on roll without the cube.
    double Equity() const { return 2.0 * win - 1.0 + winGammon - loseGammon + winBackgammon - loseBackgammon; }
    // The same chances for the other side.
    Probabilities Inverted() const { return {1.0f - win, loseGammon, loseBackgammon, winGammon, winBackgammon}; }
    friend bool operator==(const Probabilities&, const Probabilities&) = default;
};

// The two networks the Expert plays with, and how many games trained them.
struct Networks {
    Network contact;
    Network race;
    std::uint64_t gamesTrained = 0;
    friend bool operator==(const Networks&, const Networks&) = default;
};

// Which judge a position goes to.
enum class PositionKind { Finished, Bearoff, Race, Contact };
PositionKind Classify(const Checkers& c);

// The exact result of a finished game (a side has borne off all 15).
Probabilities FinishedResult(const Checkers& c);

// The network's outputs made consistent with the position: in 0..1,
// backgammon <= gammon <= win, and nothing the position rules out (no
// gammon once the loser has borne off a piece, no backgammon in a race
// where the loser has nothing left in the winner's home or on the bar).
Probabilities Consistent(const Outputs& out, const Checkers& c);

// The bear-off table every evaluator shares, made at the first call.
const BearoffTable& SharedBearoffTable();

// The judgement of a position by these networks and the shared bear-off table.
Probabilities EvaluatePosition(const Networks& nets, const Checkers& c);
// The network of `nets` a position of this kind goes to (race or contact).
inline const Network& NetworkFor(const Networks& nets, PositionKind kind)
{
    return kind == PositionKind::Race ? nets.race : nets.contact;
}
inline Network& NetworkFor(Networks& nets, PositionKind kind)
{
    return kind == PositionKind::Race ? nets.race : nets.contact;
}

class Evaluator {
public:
    explicit Evaluator(Networks networks);

    Probabilities Evaluate(const Checkers& c) const { return EvaluatePosition(nets_, c); }
    const Networks& Nets() const { return nets_; }

private:
    Networks nets_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Evaluator.h"

#include <algorithm>

PositionKind Classify(const Checkers& c)
{
    if (c.me[OFF_POINT] >= PIECES_PER_SIDE || c.you[OFF_POINT] >= PIECES_PER_SIDE) return PositionKind::Finished;
    if (BothHome(c)) return PositionKind::Bearoff;
    return NoContact(c) ? PositionKind::Race : PositionKind::Contact;
}

Probabilities FinishedResult(const Checkers& c)
{
    // The loser's pieces on the bar or in the winner's home board (the
    // loser's points 19..24) make a backgammon.
    auto result = [](const std::array<std::uint8_t, 26>& loser) {
        const bool gammon = loser[OFF_POINT] == 0;
        const bool backgammon = gammon && PiecesOn(loser, 19, 25) > 0;
        return std::pair<float, float>{gammon ? 1.0f : 0.0f, backgammon ? 1.0f : 0.0f};
    };
    if (c.you[OFF_POINT] >= PIECES_PER_SIDE) {
        const auto [g, b] = result(c.me);
        return {0.0f, 0.0f, 0.0f, g, b};
    }
    const auto [g, b] = result(c.you);
    return {1.0f, g, b, 0.0f, 0.0f};
}

Probabilities Consistent(const Outputs& out, const Checkers& c)
{
    Probabilities p;
    p.win = std::clamp(out[0], 0.0f, 1.0f);
    p.winGammon = std::clamp(out[1], 0.0f, p.win);
    p.winBackgammon = std::clamp(out[2], 0.0f, p.winGammon);
    p.loseGammon = std::clamp(out[3], 0.0f, 1.0f - p.win);
    p.loseBackgammon = std::clamp(out[4], 0.0f, p.loseGammon);
    if (c.you[OFF_POINT] > 0) p.winGammon = p.winBackgammon = 0.0f;
    if (c.me[OFF_POINT] > 0) p.loseGammon = p.loseBackgammon = 0.0f;
    if (NoContact(c)) {
        if (PiecesOn(c.you, 19, 25) == 0) p.winBackgammon = 0.0f;
        if (PiecesOn(c.me, 19, 25) == 0) p.loseBackgammon = 0.0f;
    }
    return p;
}

const BearoffTable& SharedBearoffTable()
{
    // Made once, by whichever thread asks first; never changed after.
    static const BearoffTable table;
    return table;
}

Evaluator::Evaluator(Networks networks) : nets_(std::move(networks)) { SharedBearoffTable(); }

Probabilities EvaluatePosition(const Networks& nets, const Checkers& c)
{
    const PositionKind kind = Classify(c);
    if (kind == PositionKind::Finished) return FinishedResult(c);
    if (kind == PositionKind::Bearoff) {
        const auto chances = SharedBearoffTable().Chances(c);
        return {chances[0], chances[1], chances[2], chances[3], chances[4]};
    }
    Inputs in;
    Encode(c, in);
    return Consistent(NetworkFor(nets, kind).Evaluate(in), c);
}

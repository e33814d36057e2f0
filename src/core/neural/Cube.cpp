// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Cube.h"

#include <algorithm>

namespace {

struct Values {
    double w = 1, l = 1; // points per win and per loss
};

Values Average(const Probabilities& p)
{
    Values v;
    const double lose = 1.0 - p.win;
    if (p.win > 1e-9) v.w = (p.win + p.winGammon + p.winBackgammon) / p.win;
    if (lose > 1e-9) v.l = (lose + p.loseGammon + p.loseBackgammon) / lose;
    return v;
}

double Between(double p, double p0, double e0, double p1, double e1)
{
    if (p1 - p0 < 1e-12) return p < p0 ? e0 : e1;
    return e0 + (e1 - e0) * (p - p0) / (p1 - p0);
}

} // namespace

double CubefulEquity(const Probabilities& p, CubeHolder holder, double x)
{
    const Values v = Average(p);
    const double win = p.win;
    const double dead = win * v.w - (1.0 - win) * v.l;
    const double tp = (v.l - 0.5) / (v.w + v.l + 0.5);
    const double cp = (v.l + 1.0) / (v.w + v.l + 0.5);
    double live;
    switch (holder) {
    case CubeHolder::Centred:
        live = win <= tp ? -1.0 : win >= cp ? 1.0 : Between(win, tp, -1.0, cp, 1.0);
        break;
    case CubeHolder::Me:
        live = win >= cp ? 1.0 : Between(win, 0.0, -v.l, cp, 1.0);
        break;
    default:
        live = win <= tp ? -1.0 : Between(win, tp, -1.0, 1.0, v.w);
        break;
    }
    return (1.0 - x) * dead + x * live;
}

double CubeEfficiency(const Checkers& c)
{
    if (!NoContact(c)) return 0.68;
    // A long race plays like a live cube; near the end the market is gone.
    const int pips = Pips(c.me);
    return std::clamp(0.55 + 0.0025 * pips, 0.6, 0.8);
}

CubeDecision DecideDouble(const Probabilities& p, CubeHolder holder, double x)
{
    CubeDecision d;
    d.noDouble = CubefulEquity(p, holder, x);
    d.doubleTake = 2.0 * CubefulEquity(p, CubeHolder::Them, x);
    const double pass = 1.0;
    d.shouldTake = d.doubleTake < pass;
    // Doubling gives the better of the taker's two answers to the taker.
    const double afterDouble = std::min(d.doubleTake, pass);
    d.shouldDouble = holder != CubeHolder::Them && afterDouble > d.noDouble;
    return d;
}

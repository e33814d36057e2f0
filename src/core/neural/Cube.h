// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Expert's doubling in a money game, from the evaluator's cubeless
// chances, by Janowski's cubeful approximation: the equity with the cube is
// a blend, by the cube's efficiency x, of the dead-cube equity and the
// equity of a fully live cube, which is linear between the take point and
// the cash point:
//
//   W = points won per game won, L = points lost per game lost
//   take point  TP = (L - 1/2) / (W + L + 1/2)     (live cube)
//   cash point  CP = (L + 1)   / (W + L + 1/2)
//   dead        E  = p W - (1 - p) L
//   live, cube centred:  -1 below TP, +1 above CP, linear between
//   live, cube mine:     -L at p = 0 up to +1 at CP, +1 above
//   live, cube theirs:   -1 below TP, then linear up to +W at p = 1
//
// Equities are per unit of the cube's present value, for the side on roll
// before it rolls. The efficiency x is 0.68 while there is contact and
// rises with the race's length otherwise (a short race leaves fewer market
// losers).

#include "core/neural/Checkers.h"
#include "core/neural/Evaluator.h"

enum class CubeHolder { Centred, Me, Them };

// The equity of the side on roll with the cube where it is.
double CubefulEquity(const Probabilities& p, CubeHolder holder, double efficiency);
// The cube's efficiency in this position.
double CubeEfficiency(const Checkers& c);

struct CubeDecision {
    double noDouble = 0;   // keeping the cube where it is
    double doubleTake = 0; // doubled and taken: twice the equity with the other side holding the cube
    bool shouldDouble = false;
    bool shouldTake = false; // what the other side does with a double, on these chances
};

// Whether the side on roll, holding the cube or with it centred, should
// double, and whether the other side should take: a double is right when
// the game after it is worth more than keeping the cube (and not so good
// that playing on for a gammon is worth more than the point); a take when
// the taker loses less than the point it would drop.
CubeDecision DecideDouble(const Probabilities& p, CubeHolder holder, double efficiency);

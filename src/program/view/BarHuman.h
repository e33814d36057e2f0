// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Location 0, the bar holding the human's hit pieces: the upper part of the
// bar strip between the two halves of the board. Its layout draws the whole
// strip, on which the computer's bar lies too.

#include "program/view/PositionTop.h"

class BarHuman : public PositionTop {
public:
    using PositionTop::PositionTop;

    // Only the upper part of the strip answers for location 0.
    bool HitTest(int px, int py) const override;
    void Layout() override;
};

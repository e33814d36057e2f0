// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Location 25, the bar holding the computer's hit pieces: the lower part of
// the bar strip, whose stack grows upward like a bottom-row point's.

#include "program/view/PositionBottom.h"

class BarComputer : public PositionBottom {
public:
    using PositionBottom::PositionBottom;

    // Takes its place below the human's bar; the strip is drawn by location 0.
    void Layout() override;
};

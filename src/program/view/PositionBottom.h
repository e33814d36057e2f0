// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point of the lower half of the board (13..24): it stands in the column
// of the top-row point 25 - i and its stack grows upward from the base line.

#include "program/view/PositionTop.h"

class PositionBottom : public PositionTop {
public:
    using PositionTop::PositionTop;

    void Layout() override;
    int PieceY(int k) const override;
};

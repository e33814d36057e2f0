// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/Locations.h"

#include "program/view/BarComputer.h"
#include "program/view/BarHuman.h"
#include "program/view/BearOffPosition.h"
#include "program/view/PositionBottom.h"
#include "program/view/PositionTop.h"

std::unique_ptr<Position> CreateLocation(Board& board, int index, int owner, ViewHost& host)
{
    if (index == HUMAN_BAR) return std::make_unique<BarHuman>(&board, index, owner, host);
    if (index == COMPUTER_BAR) return std::make_unique<BarComputer>(&board, index, owner, host);
    if (index == COMPUTER_TRAY || index == HUMAN_TRAY)
        return std::make_unique<BearOffPosition>(&board, index, owner, host);
    if (index >= 13) return std::make_unique<PositionBottom>(&board, index, owner, host);
    return std::make_unique<PositionTop>(&board, index, owner, host);
}

LocationFactory DrawingLocations(ViewHost& host)
{
    return [&host](Board& board, int index, int owner) { return CreateLocation(board, index, owner, host); };
}

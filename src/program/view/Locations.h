#pragma once
// The factory the main window gives its Board: the drawing class of each
// location.

#include <memory>

#include "core/board/Board.h"

// PositionTop for points 1..12, PositionBottom for 13..24, BarHuman for 0,
// BarComputer for 25 and BearOffPosition for the trays 26 and 27.
std::unique_ptr<Position> CreateLocation(Board& board, int index, int owner);

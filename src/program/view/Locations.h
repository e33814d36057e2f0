// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The factory the main window gives its Board: the drawing class of each
// location, drawing through the main window.

#include <memory>

#include "core/board/Board.h"
#include "program/view/ViewHost.h"

// PositionTop for points 1..12, PositionBottom for 13..24, BarHuman for 0,
// BarComputer for 25 and BearOffPosition for the trays 26 and 27.
std::unique_ptr<Position> CreateLocation(Board& board, int index, int owner, ViewHost& host);

// A factory that makes the drawing locations over `host`.
LocationFactory DrawingLocations(ViewHost& host);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A play in the notation players read and write: points numbered 1 to 24
// from the mover's own home, "bar" for its bar and "off" for its tray, a
// "*" after a point where a lone opposing piece was hit. One piece moved
// with both dice is written as one move ("24/18"), with the point between
// shown only where it hit ("24/21*/18"); equal moves are written once with
// their count ("8/5(2)"); moves are listed from the highest point down.

#include <string>
#include <vector>

#include "core/files/MatchFile.h"

// The point a location is for `player`, counted from its own home: its bar
// is 25; 0 is off the board.
int OwnPoint(int player, int location);

// "13/8 24/21*", "bar/22", "6/off"; "" for no moves.
std::string PlayNotation(int player, const std::vector<MatchMove>& moves);

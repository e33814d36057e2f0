// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions and match states as the short IDs other backgammon programs show
// and paste: the Position ID (14 characters) and the Match ID (12), both
// Base64 text of a little-endian bit string.
//
// Position ID: for the side not on roll, then for the side on roll, one bit
// 1 per piece on each point counted from that side's own home (1 to 24, then
// its bar), each point closed by a 0; padded to 80 bits. Pieces not on the
// board are borne off. (GNU Backgammon shows and reads its IDs in this order.)
//
// Match ID: 66 bits, in order: the cube's 2-logarithm (4), its owner (2:
// 0, 1, or 3 in the middle), the side on roll (1), the Crawford game (1), the
// game state (3), the side to decide (1), a double offered (1), a
// resignation offered (2), the two dice (3 each), the match length (15, 0 for
// money) and the two sides' scores (15 each); then one bit set when the
// Jacoby rule is not in force (an ID without it means money play under it).
// Side 0 is the computer, side 1 the human.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/board/BoardData.h"

// The Position ID of `board` with `onRoll` (HUMAN or COMPUTER) to move.
std::string PositionId(const BoardData& board, int onRoll);

// The board a Position ID describes, with `onRoll` to move: the pieces the ID
// leaves out are in their side's tray. Nothing for text that is not a Position
// ID of a position that can be played (both sides on one point, more than 15
// pieces a side, all 15 of a side borne off, bits past the last point).
std::optional<BoardData> BoardFromPositionId(std::string_view id, int onRoll);

enum class MatchIdState { NoGame = 0, Playing = 1, Over = 2, Resigned = 3, Dropped = 4 };

struct MatchIdFields {
    int cubeValue = 1;      // a power of two, 1 to 32768
    int cubeOwner = NOBODY; // NOBODY: in the middle
    int onRoll = HUMAN;     // the side on roll, or that rolled
    bool crawford = false;  // this is the Crawford game
    MatchIdState state = MatchIdState::Playing;
    int toDecide = HUMAN;              // the side whose decision it is
    bool doubled = false;              // a double is offered
    int resigned = 0;                  // 0 none, 1 single, 2 gammon, 3 backgammon
    int first = 0, second = 0;         // the dice, 0 when not rolled
    int matchLength = 0;               // 0: money play
    std::array<int, 3> score{0, 0, 0}; // by player, slot 0 unused
    bool jacoby = false;               // gammons count only once the cube has turned
    friend bool operator==(const MatchIdFields&, const MatchIdFields&) = default;
};

// The Match ID of `fields`, the higher die first; values past a field's
// width are held to it.
std::string MatchId(const MatchIdFields& fields);

// The fields of a Match ID; nothing for text that is not one (wrong length or
// characters, a cube over 32768, an owner or game state without a meaning,
// a die over 6 or a single die, a score past the match length).
std::optional<MatchIdFields> ParseMatchId(std::string_view id);

// A position read from pasted text: the board with the side it says is on
// roll, and the Match ID's fields when the text holds one.
struct PastedIds {
    BoardData board{};
    std::optional<MatchIdFields> match;
};

// Finds a Position ID, and a Match ID if there is one, in text as other
// programs copy them: the two IDs alone, joined by a colon
// ("4HPwATDgc/ABMA:cAkAAAAAAAAA"), or with their labels ("Position ID: ...").
// Without a Match ID the human is taken to be on roll. Nothing when the text
// holds no Position ID of a position that can be played.
std::optional<PastedIds> ReadPastedIds(std::string_view text);

// The text put on the clipboard for a position: the Position ID and the
// Match ID joined by a colon, as other programs paste it.
std::string CopiedIds(const BoardData& board, const MatchIdFields& match);

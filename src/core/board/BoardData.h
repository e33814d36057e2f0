// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain board data: the (count, owner) of each of the 28 locations, and the
// counting functions that the rules, the computer player and the turn cycle
// share. Values only: a snapshot is a copy.

#include <array>
#include <cstdint>
#include <string>

// Location numbers.
constexpr int HUMAN_BAR = 0;
constexpr int COMPUTER_BAR = 25;
constexpr int COMPUTER_TRAY = 26;
constexpr int HUMAN_TRAY = 27;
constexpr int LOCATIONS = 28;

// Player ids.
constexpr int NOBODY = 0;
constexpr int COMPUTER = 1;
constexpr int HUMAN = 2;

constexpr int PIECES_PER_SIDE = 15;

// "No value" in a byte field: the empty half of a move pair, a die slot
// without a die, a play the search has not chosen.
constexpr std::uint8_t NO_VALUE = 255;

// One location's data.
struct Spot {
    std::int8_t count = 0;
    std::int32_t owner = 0;
    friend bool operator==(const Spot&, const Spot&) = default;
};
using BoardData = std::array<Spot, LOCATIONS>;

constexpr int Opponent(int p) { return p == COMPUTER ? HUMAN : p == HUMAN ? COMPUTER : NOBODY; }

// The fixed owner of a bar or tray, 0 for a point.
constexpr int FixedOwner(int location)
{
    switch (location) {
    case HUMAN_BAR:
        return HUMAN;
    case COMPUTER_BAR:
        return COMPUTER;
    case COMPUTER_TRAY:
        return COMPUTER;
    case HUMAN_TRAY:
        return HUMAN;
    default:
        return NOBODY;
    }
}

// The tray a side bears off into, and the bar its hit pieces go to.
constexpr int TrayOf(int p) { return p == COMPUTER ? COMPUTER_TRAY : HUMAN_TRAY; }
constexpr int BarOf(int p) { return p == COMPUTER ? COMPUTER_BAR : HUMAN_BAR; }

// The letter that names a location in the move list and keyboard input:
// "A".."X" for points 1..24, "0" for everything else.
constexpr char LocationLetter(int location)
{
    return location >= 1 && location <= 24 ? static_cast<char>('A' + location - 1) : '0';
}

// Sum of the counts on locations first..last owned by p; 0 when first > last.
constexpr int PiecesInRange(int first, int last, const BoardData& board, int p)
{
    if (first < 0) first = 0;
    if (last > LOCATIONS - 1) last = LOCATIONS - 1;
    int sum = 0;
    for (int i = first; i <= last; ++i)
        if (board[i].owner == p) sum += board[i].count;
    return sum;
}

// Pips a side still has to travel; a piece on its own bar counts 25.
constexpr int PipCount(const BoardData& board, int p)
{
    int sum = 0;
    for (int i = 0; i <= 25; ++i) {
        if (board[i].owner != p) continue;
        sum += board[i].count * (p == COMPUTER ? i : 25 - i);
    }
    return sum;
}

// Pieces weighted by the board quarter they stand in, counted from the
// owner's home: 1 in the home board up to 5 on the bar.
constexpr int QuarterCount(const BoardData& board, int p)
{
    int sum = 0;
    for (int i = 0; i <= 25; ++i) {
        if (board[i].owner != p || board[i].count == 0) continue;
        int weight;
        if (p == COMPUTER)
            weight = i == 0 ? 0 : i == 25 ? 5 : (i - 1) / 6 + 1;
        else
            weight = i == 25 ? 0 : i == 0 ? 5 : (24 - i) / 6 + 1;
        sum += board[i].count * weight;
    }
    return sum;
}

// What a game that has just ended counts, times the cube: 3 (backgammon)
// while a side still has pieces on its bar or in the other's home board, 2
// (gammon) while a side has borne off none, 1 otherwise.
constexpr int GameValue(const BoardData& b)
{
    if (PiecesInRange(0, 6, b, HUMAN) > 0 || PiecesInRange(19, 25, b, COMPUTER) > 0) return 3;
    if (b[HUMAN_TRAY].count == 0 || b[COMPUTER_TRAY].count == 0) return 2;
    return 1;
}

// Whether `mover`'s piece arriving on `target` hits: a lone opposing piece
// on a point is sent to its bar. The one hit rule of the program: the data
// move, the drawn move, the record and the statistics all ask it.
constexpr bool Hits(const Spot& dest, int target, int mover)
{
    return target >= 1 && target <= 24 && dest.count == 1 && dest.owner == Opponent(mover);
}
constexpr bool Hits(const BoardData& board, int target, int mover)
{
    return target >= 0 && target < LOCATIONS && Hits(board[target], target, mover);
}

// Moves one piece from `from` to `target` on plain data, hitting a lone
// opposing piece on a point there first (it goes to its owner's bar).
// `player` is the side that moves; an empty source moves nothing.
constexpr void MoveTo(BoardData& board, int from, int target, int player)
{
    Spot& source = board[from];
    if (source.count <= 0) return;
    source.count = static_cast<std::int8_t>(source.count - 1);
    if (source.count == 0 && from != HUMAN_BAR && from != COMPUTER_BAR) source.owner = NOBODY;
    Spot& dest = board[target];
    if (Hits(board, target, player))
        MoveTo(board, target, player == HUMAN ? COMPUTER_BAR : HUMAN_BAR, Opponent(player));
    dest.count = static_cast<std::int8_t>(dest.count + 1);
    if (dest.owner == NOBODY) dest.owner = player;
}

// Whether `player` has pieces on its bar and every one of its six entry
// points is held by two or more opposing pieces: it can play nothing.
constexpr bool ClosedOut(const BoardData& b, int player)
{
    if (b[BarOf(player)].count == 0) return false;
    const int first = player == HUMAN ? 1 : 19;
    for (int i = first; i < first + 6; ++i)
        if (b[i].owner != Opponent(player) || b[i].count < 2) return false;
    return true;
}

// Whether both sides are on their bars facing closed boards: neither can ever
// move again, whatever the dice.
constexpr bool NeitherCanMove(const BoardData& b) { return ClosedOut(b, HUMAN) && ClosedOut(b, COMPUTER); }

// Whether the data keeps the board's invariants: counts 0..15, owners 0..2,
// empty points owned by nobody, bars and trays with their fixed owners and
// 15 pieces a side in all.
bool IsValid(const BoardData& board);

// The same data with the bars and trays given their fixed owners (the
// standard table and files saved before the first capture hold owner 0 there).
BoardData WithFixedOwners(BoardData board);

// Whether a board from outside (a position file, the engine tool's argument)
// can be played, and the board in the form the model keeps it: bars and trays
// with their fixed owners (owner 0 there comes from files saved before the
// first capture of a game), empty points owned by nobody, no location over 15
// pieces and 15 pieces a side in all (with fewer a side could never bear off
// its fifteenth piece, so its game could never end), and neither side with
// all 15 borne off already (that game is over; with both sides off no move
// could ever end it). When it cannot, `why` (if given) says what is wrong in
// a few words.
bool NormaliseBoard(BoardData& board, std::string* why = nullptr);

// The standard starting position.
BoardData StandardSetup();

// Mirror image of a position as the other player sees it: point i becomes
// 25 - i, the bars and trays change places and owners are exchanged.
BoardData Mirrored(const BoardData& board);

// The 224-byte image of a table of 28 entries: {int8 count, 3 zero bytes,
// int32 owner little-endian} in location order.
constexpr int BOARD_IMAGE_SIZE = 224;
using BoardImage = std::array<std::uint8_t, BOARD_IMAGE_SIZE>;
BoardImage ToImage(const BoardData& board);
BoardData FromImage(const BoardImage& image);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Checkers.h"

Checkers FromBoard(const BoardData& board, int player)
{
    Checkers c;
    const int other = Opponent(player);
    for (int point = 0; point <= 25; ++point) {
        const Spot& mine = board[LocationOf(player, point)];
        const Spot& theirs = board[LocationOf(other, point)];
        const bool fixed = point == OFF_POINT || point == BAR_POINT;
        c.me[point] = static_cast<std::uint8_t>(fixed || mine.owner == player ? std::max<int>(0, mine.count) : 0);
        c.you[point] = static_cast<std::uint8_t>(fixed || theirs.owner == other ? std::max<int>(0, theirs.count) : 0);
    }
    return c;
}

BoardData ToBoard(const Checkers& c, int player)
{
    BoardData b{};
    const int other = Opponent(player);
    // An empty point is left alone: the other side may stand on it.
    for (int point = 0; point <= 25; ++point) {
        const bool fixed = point == OFF_POINT || point == BAR_POINT;
        if (fixed || c.me[point] > 0) b[LocationOf(player, point)] = {static_cast<std::int8_t>(c.me[point]), player};
        if (fixed || c.you[point] > 0) b[LocationOf(other, point)] = {static_cast<std::int8_t>(c.you[point]), other};
    }
    for (int i = 1; i <= 24; ++i)
        if (b[i].count == 0) b[i].owner = NOBODY;
    return b;
}

Checkers StartingCheckers()
{
    Checkers c;
    for (auto* side : {&c.me, &c.you}) {
        (*side)[24] = 2;
        (*side)[13] = 5;
        (*side)[8] = 3;
        (*side)[6] = 5;
    }
    return c;
}

int Pips(const std::array<std::uint8_t, 26>& side)
{
    int sum = 0;
    for (int i = 1; i <= 25; ++i) sum += i * side[i];
    return sum;
}

int PiecesOn(const std::array<std::uint8_t, 26>& side, int first, int last)
{
    int sum = 0;
    for (int i = first; i <= last; ++i) sum += side[i];
    return sum;
}

bool NoContact(const Checkers& c)
{
    // My rearmost piece against the opponent's rearmost, both in my numbering.
    int myBack = 0, yourBack = 26;
    for (int i = 25; i >= 1; --i)
        if (c.me[i] > 0) {
            myBack = i;
            break;
        }
    for (int i = 25; i >= 1; --i)
        if (c.you[i] > 0) {
            yourBack = 25 - i;
            break;
        }
    return myBack < yourBack;
}

bool BothHome(const Checkers& c) { return PiecesOn(c.me, 7, 25) == 0 && PiecesOn(c.you, 7, 25) == 0; }

bool IsSound(const Checkers& c)
{
    int me = 0, you = 0;
    for (int i = 0; i <= 25; ++i) {
        me += c.me[i];
        you += c.you[i];
        if (i >= 1 && i <= 24 && c.me[i] > 0 && c.you[25 - i] > 0) return false;
    }
    return me == PIECES_PER_SIDE && you == PIECES_PER_SIDE;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/BoardData.h"

bool IsValid(const BoardData& board)
{
    int total[3] = {0, 0, 0};
    for (int i = 0; i < LOCATIONS; ++i) {
        const Spot& s = board[i];
        if (s.count < 0 || s.count > PIECES_PER_SIDE) return false;
        if (s.owner < NOBODY || s.owner > HUMAN) return false;
        int fixed = FixedOwner(i);
        if (fixed != NOBODY) {
            if (s.owner != fixed) return false;
        } else if ((s.count == 0) != (s.owner == NOBODY)) {
            return false;
        }
        total[s.owner] += s.count;
    }
    return total[COMPUTER] == PIECES_PER_SIDE && total[HUMAN] == PIECES_PER_SIDE;
}

BoardData WithFixedOwners(BoardData board)
{
    for (int i : {HUMAN_BAR, COMPUTER_BAR, COMPUTER_TRAY, HUMAN_TRAY}) board[i].owner = FixedOwner(i);
    return board;
}

namespace {

// A refusal of NormaliseBoard, with its reason when one is asked for.
bool Refuse(std::string* why, const std::string& reason)
{
    if (why != nullptr) *why = reason;
    return false;
}

const char* SideName(int p) { return p == COMPUTER ? "the computer" : "the human"; }

} // namespace

bool NormaliseBoard(BoardData& board, std::string* why)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        Spot& s = board[i];
        auto refuseAt = [&](const char* what) { return Refuse(why, "location " + std::to_string(i) + what); };
        if (s.count < 0 || s.count > PIECES_PER_SIDE) return refuseAt(" has a count outside 0 to 15");
        if (s.owner < NOBODY || s.owner > HUMAN) return refuseAt(" has an owner outside 0 to 2");
        const int fixed = FixedOwner(i);
        if (fixed != NOBODY) {
            if (s.owner != NOBODY && s.owner != fixed) return refuseAt(" is a bar or tray owned by the other side");
            s.owner = fixed;
        } else if (s.count == 0) {
            s.owner = NOBODY;
        } else if (s.owner == NOBODY) {
            return refuseAt(" holds pieces that nobody owns");
        }
    }
    for (int p : {COMPUTER, HUMAN}) {
        const int pieces = PiecesInRange(0, LOCATIONS - 1, board, p);
        if (pieces != PIECES_PER_SIDE)
            return Refuse(why, std::string(SideName(p)) + " has " + std::to_string(pieces) + " pieces, not 15");
    }
    for (int p : {COMPUTER, HUMAN})
        if (board[TrayOf(p)].count == PIECES_PER_SIDE)
            return Refuse(why, std::string(SideName(p)) + " has borne off all its pieces: the game is over");
    return true;
}

BoardData StandardSetup()
{
    BoardData b{};
    auto put = [&b](int location, int owner, int count) { b[location] = Spot{static_cast<std::int8_t>(count), owner}; };
    put(1, HUMAN, 2);
    put(6, COMPUTER, 5);
    put(8, COMPUTER, 3);
    put(12, HUMAN, 5);
    put(13, COMPUTER, 5);
    put(17, HUMAN, 3);
    put(19, HUMAN, 5);
    put(24, COMPUTER, 2);
    return b;
}

BoardData Mirrored(const BoardData& board)
{
    BoardData out{};
    for (int i = 0; i < LOCATIONS; ++i) {
        int j = i == HUMAN_TRAY ? COMPUTER_TRAY : i == COMPUTER_TRAY ? HUMAN_TRAY : 25 - i;
        out[j] = Spot{board[i].count, Opponent(board[i].owner)};
    }
    return out;
}

BoardImage ToImage(const BoardData& board)
{
    BoardImage image{};
    for (int i = 0; i < LOCATIONS; ++i) {
        std::uint8_t* e = &image[i * 8];
        e[0] = static_cast<std::uint8_t>(board[i].count);
        auto owner = static_cast<std::uint32_t>(board[i].owner);
        for (int k = 0; k < 4; ++k) e[4 + k] = static_cast<std::uint8_t>(owner >> (8 * k));
    }
    return image;
}

BoardData FromImage(const BoardImage& image)
{
    BoardData board{};
    for (int i = 0; i < LOCATIONS; ++i) {
        const std::uint8_t* e = &image[i * 8];
        std::uint32_t owner = 0;
        for (int k = 0; k < 4; ++k) owner |= static_cast<std::uint32_t>(e[4 + k]) << (8 * k);
        board[i] = Spot{static_cast<std::int8_t>(e[0]), static_cast<std::int32_t>(owner)};
    }
    return board;
}

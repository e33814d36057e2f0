// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/RulesEngine.h"

#include <cstdlib>

#include "core/dice/DiceRecord.h"

namespace {

int DiceLeft(const DiceRecord* dice) { return dice ? dice->moves : 0; }

} // namespace

// Whether all of the player's pieces stand in its home board or are borne off.
bool AllHome(const BoardData& b, int player)
{
    if (player == COMPUTER) return PiecesInRange(1, 6, b, COMPUTER) + b[COMPUTER_TRAY].count == PIECES_PER_SIDE;
    return PiecesInRange(19, 24, b, player) + b[HUMAN_TRAY].count == PIECES_PER_SIDE;
}

// Whether one piece of `player` may go `step` points (signed) from `from`:
// onto a point not held by two or more opposing pieces, or off the board.
bool LegalStep(const BoardData& b, int player, int from, int step)
{
    if (from < 0 || from > 25) return false;
    const int t = from + step;
    if (t >= 1 && t <= 24) {
        if (b[from].owner != player || b[from].count < 1) return false;
        return !(b[t].owner == Opponent(player) && b[t].count >= 2);
    }
    // Bearing off, only in the player's own direction: a higher die bears
    // off only from the highest occupied point of the home board.
    if (b[from].owner != player || !AllHome(b, player)) return false;
    if (player == COMPUTER) {
        if (t > 0) return false;
        return t == 0 || PiecesInRange(from + 1, 6, b, player) == 0;
    }
    if (t < 25) return false;
    return t == 25 || PiecesInRange(19, from - 1, b, player) == 0;
}

void RulesEngine::InitRules(Board* b, DiceRecord* d)
{
    board = b;
    dice = d;
    UpdateRace();
}

// Counts the pieces behind the human's rearmost piece (from location 0 up);
// no contact is left when they and the computer's borne-off pieces make 15.
bool RulesEngine::UpdateRace()
{
    const BoardData b = board->Data();
    int passed = 0;
    // The trays are not part of the walk: tray 26 is added once, below.
    for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) {
        if (b[i].owner == HUMAN && b[i].count > 0) break;
        passed += b[i].count;
    }
    race = passed + b[COMPUTER_TRAY].count == PIECES_PER_SIDE;
    return race;
}

bool RulesEngine::IsLegalStep(int from, int step) const
{
    return LegalStep(board->Data(), board->CurrentPlayer, from, step);
}

// The bar rule (only the bar may be played while it holds pieces) and the
// direction of the side to move, then IsLegalStep.
bool RulesEngine::IsLegalMove(int from, int die) const
{
    if (board->CurrentPlayer == COMPUTER) {
        if (computerBar() != 0 && from != COMPUTER_BAR) return false;
        return IsLegalStep(from, -die);
    }
    if (humanBar() != 0 && from != HUMAN_BAR) return false;
    return IsLegalStep(from, die);
}

bool RulesEngine::AllHome() const { return ::AllHome(board->Data(), board->CurrentPlayer); }

// Scans the locations from 25 down for the first that can play die slot i.
int RulesEngine::HighestPlayable(int i) const
{
    if (!dice || i < 0 || i > 3 || dice->die[i] == NO_VALUE) return -1;
    const int value = dice->die[i];
    for (int n = 25; n >= 0; --n)
        if (IsLegalMove(n, value)) return n;
    return -1;
}

// Whether no remaining die can be played from any location.
bool RulesEngine::CannotMove() const
{
    const int n = DiceLeft(dice);
    if (n <= 0) return true;
    for (int k = 0; k < n && k < 4; ++k)
        for (int s = 25; s >= 0; --s)
            if (IsLegalMove(s, dice->die[k])) return false;
    return true;
}

// The exact die bears off first; otherwise the last die in the record that
// overshoots the tray.
int RulesEngine::BearOffDie(int from) const
{
    const int n = DiceLeft(dice);
    int found = -1;
    for (int k = 0; k < n && k < 4; ++k)
        if (from + dice->die[k] > 25) found = dice->die[k];
    for (int k = 0; k < n && k < 4; ++k)
        if (from + dice->die[k] == 25) found = dice->die[k];
    return found;
}

// Fills in the destination when the dice leave one choice: a single die or
// doubles, a legal bear-off in the race, or (with IntelMoves) the only die
// playable from `from`; NO_VALUE leaves the choice to the user.
int RulesEngine::AutoTarget(int from, bool intelMoves) const
{
    if (!dice || dice->moves <= 0) return NO_VALUE;
    if (dice->moves == 1 || dice->die[0] == dice->die[1]) return from + dice->die[0];
    if (race && AllHome()) {
        const int v = BearOffDie(from);
        // A bear-off is filled in only when it is legal; otherwise the user
        // must be able to enter the move with the other die.
        if (v > 0 && from + v >= 25 && IsLegalMove(from, v)) return from + v;
    }
    if (!intelMoves) return NO_VALUE;
    for (int i = 0; i < 2; ++i)
        if (!IsLegalMove(from, dice->die[i])) return from + dice->die[std::abs(i - 1)];
    return NO_VALUE;
}

// Whether a die the human cannot play now becomes playable after some legal
// play of the other die; looked ahead on the live data and restored.
bool RulesEngine::BothDiceUsable() const
{
    if (board->CurrentPlayer != HUMAN || !dice || dice->moves != 2) return false;
    const BoardData saved = board->Data();
    bool usable = false;
    for (int i = 0; i < 2 && !usable; ++i) {
        if (HighestPlayable(i) != -1) continue;
        const int other = dice->die[std::abs(i - 1)];
        for (int j = 0; j <= 24 && !usable; ++j) {
            if (!IsLegalMove(j, other)) continue;
            BoardData look = saved;
            const int t = j + other;
            ::MoveTo(look, j, t >= 1 && t <= 24 ? t : HUMAN_TRAY, HUMAN);
            board->SetData(look);
            usable = HighestPlayable(i) >= 0;
            board->SetData(saved);
        }
    }
    return usable;
}

// Pieces still on the bar or in the computer's home board with contact, or a
// clear quarter lead for the computer with nothing borne off yet.
bool RulesEngine::GammonRisk() const
{
    const BoardData b = board->Data();
    if (PiecesInRange(0, 6, b, HUMAN) != 0 && !race) return true;
    return QuarterCount(b, HUMAN) - QuarterCount(b, COMPUTER) > 9 && humanOff() == 0;
}

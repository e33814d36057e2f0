// Mouse and keyboard play: picking a piece and its target by click or
// letter, the hover highlight, and taking moves back.
#include <cstdlib>

#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/game/BackgWnd.h"
#include "program/game/Commands.h"
#include "program/game/GameGlobals.h"
#include "program/view/Metrics.h"

namespace {

constexpr Colour YELLOW = RGB(255, 255, 0);
constexpr Colour BLACK = RGB(0, 0, 0);

} // namespace

void BackgWnd::OnKeyDown(const Message& m)
{
    // Letters count with or without Shift; the 0 of the main keyboard counts,
    // the keypad's does not.
    if ((m.key >= VK_A && m.key <= VK_X) || m.key == VK_0) OnLetter(m.key, true);
}

void BackgWnd::OnLetter(int c, bool realKey)
{
    if (board.CurrentPlayer != HUMAN || !dice || dice->moves <= 0) return;
    const int k = c == '0' ? 0 : c - 64;
    if (k < 0 || k > 24) return;
    AppendToLastLine(std::string(1, static_cast<char>(c)));
    if (realKey) OnMouseMove(board[k].rect.left + Unit, board[k].rect.top);

    MovePair& move = CurrentMove();
    if (move.from == 255) {
        AppendToLastLine(LoadString(IDS_TO));
        move.from = static_cast<std::uint8_t>(k);
        if (rules->humanBar() > 0 && k != HUMAN_BAR) {
            // A piece on the bar must move first: lift it in place to draw the eye.
            platform.Status().SetPaneText(2, LoadString(IDS_BAR_FIRST));
            board[HUMAN_BAR].MoveTo(HUMAN_BAR);
            PromptHumanMove(true);
            return;
        }
        if (board[k].owner != board.CurrentPlayer || board[k].count < 1) {
            PromptHumanMove(true);
            return;
        }
        const int target = rules->AutoTarget(k, IntelMoves != 0);
        move.to = static_cast<std::uint8_t>(target > 255 ? 255 : target);
        if (target == 255) {
            SetStatus(IDS_MOVE_TO);
            return;
        }
        AppendToLastLine(std::string(1, LocationLetter(target)));
    } else {
        move.to = static_cast<std::uint8_t>(k);
    }

    const int from = move.from;
    int to = move.to;
    if (to == 0 || to >= 25) {
        // Bearing off: the exact die if there is one, else the last higher one.
        const int v = rules->BearOffDie(from);
        to = v == -1 ? from - 1 : from + v;
    }
    bool found = false;
    for (int i = dice->moves - 1; i >= 0 && !found; --i) found = dice->die[i] == to - from;
    if (!found || to < 0 || (rules->humanBar() != 0 && from != HUMAN_BAR) || !rules->IsLegalStep(from, to - from)) {
        PromptHumanMove(true);
        return;
    }
    move.to = static_cast<std::uint8_t>(to);
    ApplyMove(move);
}

void BackgWnd::OnLButtonUp(int x, int y)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        if (board[i].HitTest(x, y)) {
            OnLetter(LocationLetter(i), false);
            return;
        }
    }
    // A click beside the board (on the dice, say) passes when no move is left.
    if (board.CurrentPlayer == HUMAN && rules->CannotMove()) OnPass();
}

void BackgWnd::OnRButtonDown(int x, int y)
{
    if (MovesMade > 0 || CurrentMove().from != 255)
        Undo();
    else
        platform.ShowActionMenu(x, y);
}

void BackgWnd::OnMouseMove(int x, int y)
{
    mouseX = x;
    mouseY = y;
    if (HighLight == 0 || !dice || dice->moves == 0 || board.CurrentPlayer != HUMAN) return;
    // In "Possible moves" mode the highlight stays on the picked piece.
    if (!(CurrentMove().from == 255 || HighLight == 1)) return;
    int n = -1;
    for (int i = COMPUTER_TRAY; i >= 0 && n < 0; --i)
        if (board[i].HitTest(x, y)) n = i;
    if (n == lastHovered) return;
    Highlight(lastHovered, false);
    lastHovered = n;
    Highlight(n, true);
}

void BackgWnd::ColourTrays()
{
    for (int which = 0; which < 2; ++which) platform.Tray(which).SetTextColour(trayHighlight ? YELLOW : BLACK);
}

void BackgWnd::Highlight(int s, bool on)
{
    if (s < 0 || s > COMPUTER_TRAY) return;
    if (s >= 1 && s <= 24) board[s].DrawLetter(on ? 1 : 0);
    if (s == COMPUTER_TRAY) {
        trayHighlight = on;
        ColourTrays();
        board[COMPUTER_TRAY].Layout();
    }
    if (HighLight != 2 || !dice) return;
    // Mark where the picked piece can go: one walk down the dice from the
    // last, and for two dice one walk up from the first.
    const int n = dice->moves > 4 ? 4 : dice->moves;
    const int walks = n == 2 ? 2 : 1;
    for (int walk = 0; walk < walks; ++walk) {
        int index = walk == 0 ? n - 1 : 0;
        int t = s;
        while (index >= 0 && index < n) {
            t += dice->die[index];
            if (rules->humanBar() != 0 && s != HUMAN_BAR) break;
            if (!rules->IsLegalStep(s, t - s)) break;
            if (t >= 25) {
                trayHighlight = on;
                ColourTrays();
                board[HUMAN_TRAY].Layout();
            } else if (t >= 1) {
                board[t].DrawLetter(on ? 1 : 0);
            }
            index += walk == 0 ? -1 : 1;
            if (rules->humanBar() >= 2) break;
        }
    }
}

void BackgWnd::RefreshHover()
{
    for (int i = 1; i <= 24; ++i)
        if (board[i].MarkColour() != 0) board[i].DrawLetter(0);
    if (trayHighlight) {
        trayHighlight = false;
        ColourTrays();
        board[COMPUTER_TRAY].Layout();
        board[HUMAN_TRAY].Layout();
    }
    lastHovered = -1;
    if (mouseX >= 0) OnMouseMove(mouseX, mouseY);
}

void BackgWnd::Undo()
{
    if (BlinkShown) OnTimer(BLINK_TIMER);
    if (MovesMade > 0) {
        MovesMade -= 1;
        CurrentMoveIndex = MovesMade;
        const int from = CurrentMove().from;
        int to = CurrentMove().to;
        dice->GiveBackDie(to - from);
        ShowDice();
        UndoInProgress = true;
        UndoUsed = true;
        if (to >= 25) to = HUMAN_TRAY;
        TransferPiece(to, from);
        // The move had hit a computer piece: put it back from the bar.
        if (to >= 1 && to <= 24 && board.BoardTable[to].owner == COMPUTER && board[to].count == 0 &&
            board[COMPUTER_BAR].count > 0) {
            HitsMade[HUMAN] -= 1;
            board[to].owner = COMPUTER;
            board[COMPUTER_BAR].MoveTo(to);
        }
        DeleteLastLine();
        if (dice->moves > 1) DeleteLastLine();
        UndoInProgress = false;
        RefreshHover();
    }
    PromptHumanMove(CurrentMove().to == 255);
}

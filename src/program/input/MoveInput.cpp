// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/input/MoveInput.h"

#include "program/app/StringTable.h"
#include "program/game/TurnCycle.h"
#include "program/input/CommandTable.h"
#include "program/view/BoardView.h"
#include "program/view/SidePanel.h"

namespace {

} // namespace

MoveInput::MoveInput(WindowContext& context)
    : ctx(context), platform(context.platform), settings(context.settings), game(context.game)
{
}

void MoveInput::OnKeyDown(const Message& m)
{
    if ((m.key >= VK_A && m.key <= VK_X) || m.key == VK_0) OnLetter(m.key, true);
}

void MoveInput::OnLetter(int c, bool realKey)
{
    Board& board = game.board;
    DiceRecord* dice = game.dice.get();
    if (game.CurrentPlayer() != HUMAN || !dice || dice->moves <= 0) return;
    RulesEngine& rules = *game.rules;
    SidePanel& panel = ctx.panel;
    TurnCycle& turns = ctx.turns;
    const int k = c == '0' ? 0 : c - 64;
    if (k < 0 || k > 24) return;
    panel.AppendToLastLine(std::string(1, static_cast<char>(c)));
    if (realKey) OnMouseMove(board[k].rect.left + ctx.view.DisplayMetrics().Unit, board[k].rect.top);

    MovePair& move = game.CurrentMove();
    if (move.from == NO_VALUE) {
        panel.AppendToLastLine(LoadString(IDS_TO, platform.Texts()));
        move.from = static_cast<std::uint8_t>(k);
        if (rules.humanBar() > 0 && k != HUMAN_BAR) {
            // A piece on the bar must move first: lift it in place to draw the eye.
            platform.Status().SetPaneText(PANE_NOTICE, LoadString(IDS_BAR_FIRST, platform.Texts()));
            board[HUMAN_BAR].MoveTo(HUMAN_BAR);
            turns.PromptHumanMove(true);
            return;
        }
        if (board[k].owner != game.CurrentPlayer() || board[k].count < 1) {
            turns.PromptHumanMove(true);
            return;
        }
        const int target = rules.AutoTarget(k, settings.IntelMoves != 0);
        move.to = static_cast<std::uint8_t>(target > NO_VALUE ? NO_VALUE : target);
        if (target == NO_VALUE) {
            panel.SetStatus(IDS_MOVE_TO);
            return;
        }
        panel.AppendToLastLine(std::string(1, LocationLetter(target)));
    } else {
        move.to = static_cast<std::uint8_t>(k);
    }

    const int from = move.from;
    int to = move.to;
    if (to == 0 || to >= 25) {
        // Bearing off: the exact die if there is one, else the last higher one.
        const int v = rules.BearOffDie(from);
        to = v == -1 ? from - 1 : from + v;
    }
    bool found = false;
    for (int i = dice->moves - 1; i >= 0 && !found; --i) found = dice->die[i] == to - from;
    if (!found || to < 0 || (rules.humanBar() != 0 && from != HUMAN_BAR) || !rules.IsLegalStep(from, to - from)) {
        turns.PromptHumanMove(true);
        return;
    }
    move.to = static_cast<std::uint8_t>(to);
    turns.ApplyMove(move);
}

void MoveInput::OnLButtonUp(int x, int y)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        if (game.board[i].HitTest(x, y)) {
            OnLetter(LocationLetter(i), false);
            return;
        }
    }
    // A click beside the board (on the dice, say) passes when no move is left.
    if (game.CurrentPlayer() == HUMAN && game.rules->CannotMove()) ctx.commands.OnPass();
}

void MoveInput::OnRButtonDown(int x, int y)
{
    if (game.MovesMade > 0 || game.CurrentMove().from != NO_VALUE)
        ctx.turns.Undo();
    else
        platform.ShowActionMenu(x, y);
}

void MoveInput::OnMouseMove(int x, int y)
{
    if (settings.HighLight == 0 || !game.dice || game.dice->moves == 0 || game.CurrentPlayer() != HUMAN) return;
    // In "Possible moves" mode the highlight stays on the picked piece.
    if (!(game.CurrentMove().from == NO_VALUE || settings.HighLight == 1)) return;
    int n = -1;
    for (int i = COMPUTER_TRAY; i >= 0 && n < 0; --i)
        if (game.board[i].HitTest(x, y)) n = i;
    if (n == lastHovered) return;
    Highlight(lastHovered, false);
    lastHovered = n;
    Highlight(n, true);
}

bool MoveInput::TrayHighlighted() const { return ctx.view.LitTray() >= 0; }

void MoveInput::Highlight(int s, bool on)
{
    Board& board = game.board;
    if (s < 0 || s > COMPUTER_TRAY) return;
    if (s >= 1 && s <= 24) board[s].DrawLetter(on ? 1 : 0);
    if (s == COMPUTER_TRAY) {
        ctx.view.LightTray(on ? COMPUTER_TRAY : -1);
        board[COMPUTER_TRAY].Layout();
    }
    const DiceRecord* dice = game.dice.get();
    if (settings.HighLight != 2 || !dice) return;
    const RulesEngine& rules = *game.rules;
    // Mark where the picked piece can go: one walk down the dice from the
    // last, and for two dice one walk up from the first.
    const int n = dice->moves > 4 ? 4 : dice->moves;
    const int walks = n == 2 ? 2 : 1;
    for (int walk = 0; walk < walks; ++walk) {
        int index = walk == 0 ? n - 1 : 0;
        int t = s;
        while (index >= 0 && index < n) {
            t += dice->die[index];
            if (rules.humanBar() != 0 && s != HUMAN_BAR) break;
            if (!rules.IsLegalStep(s, t - s)) break;
            if (t >= 25) {
                ctx.view.LightTray(on ? HUMAN_TRAY : -1);
                board[HUMAN_TRAY].Layout();
            } else if (t >= 1) {
                board[t].DrawLetter(on ? 1 : 0);
            }
            index += walk == 0 ? -1 : 1;
            if (rules.humanBar() >= 2) break;
        }
    }
}

void MoveInput::RefreshHover()
{
    Board& board = game.board;
    for (int i = 1; i <= 24; ++i)
        if (board[i].MarkColour() != 0) board[i].DrawLetter(0);
    if (ctx.view.LitTray() >= 0) {
        ctx.view.LightTray(-1);
        board[COMPUTER_TRAY].Layout();
        board[HUMAN_TRAY].Layout();
    }
    lastHovered = -1;
    // Where the pointer is now: it may have moved over a dialog or out of the
    // window since the board last saw it, or never moved over the board.
    if (const std::optional<Point> p = platform.PointerPosition()) OnMouseMove(p->x, p->y);
}

// The trays were laid out anew while the highlight was still on: their
// labels are given black text again here.
void MoveInput::ResetHighlights()
{
    ctx.view.LightTray(-1);
    lastHovered = -1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/BoardView.h"

#include "core/settings/Saturating.h"
#include "program/sound/SoundEvents.h"
#include "program/view/PositionTop.h"
#include "program/view/SidePanel.h"

BoardView::BoardView(WindowContext& context)
    : ctx(context), platform(context.platform), settings(context.settings), game(context.game)
{
}

void BoardView::OnSize()
{
    if (platform.IsMinimized()) return;
    int screenWidth = 0, screenHeight = 0;
    platform.ScreenArea(screenWidth, screenHeight);
    int w = 0, h = 0;
    WindowSizeFor(screenWidth, screenHeight, w, h);
    metrics.SetMetrics(w, h);
    // Only while the window is being created is it moved to the corner.
    platform.SetWindowSize(w, h, !game.board.Built());
    const Rect client = platform.ClientRect();
    const int clientWidth = client.right - client.left;
    const int clientHeight = client.bottom - client.top;
    if (clientWidth == metrics.ClientWidth && clientHeight == metrics.ClientHeight) return;
    metrics.ClientWidth = clientWidth;
    metrics.ClientHeight = clientHeight;
    // The trays stand half way down the client area, and the dice row and
    // the cube by the trays: a new client size (a frame that arrives after
    // the board was laid out) places them all again.
    Board& board = game.board;
    if (!board.Built()) return;
    board[COMPUTER_TRAY].Layout();
    board[HUMAN_TRAY].Layout();
    ctx.panel.PlacePanelControls();
    ctx.panel.PlaceCube();
}

void BoardView::OnPaint()
{
    Board& board = game.board;
    if (board.Built()) {
        for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) {
            board[i].Layout();
            if (auto* location = dynamic_cast<PositionTop*>(&board[i])) location->DrawPieces();
        }
    }
    platform.Cube().Repaint();
    // The side controls repaint with the board, and the progress bar with them.
    ctx.panel.DrawProgressBar();
}

void BoardView::RefreshColours()
{
    ctx.panel.ApplyBackgroundColour();
    platform.Invalidate();
    Board& board = game.board;
    if (!board.Built()) return;
    // A piece keeps the colour it was made in: the pieces on the bars are
    // made anew as well as those on the points. The trays hold no pieces.
    for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) {
        Position& location = board[i];
        const int pieces = location.count;
        const int owner = location.owner;
        while (location.count > 0) location.RemovePiece();
        location.owner = owner;
        for (int k = 0; k < pieces && location.count < pieces; ++k) location.AddPiece();
    }
}

Surface& BoardView::Screen() { return platform.Screen(); }

TrayLabel& BoardView::TrayControl(int location) { return platform.Tray(location == COMPUTER_TRAY ? 0 : 1); }

void BoardView::LightTray(int location)
{
    constexpr Colour YELLOW = RGB(255, 255, 0), BLACK = RGB(0, 0, 0);
    litTray = location;
    platform.Tray(0).SetTextColour(litTray == COMPUTER_TRAY ? YELLOW : BLACK);
    platform.Tray(1).SetTextColour(litTray == HUMAN_TRAY ? YELLOW : BLACK);
}

void BoardView::Delay()
{
    if (!game.FinishingQuick()) platform.Sleep(settings.Speed);
}

void BoardView::PlayHitOrMove(int event)
{
    if (!game.FinishingQuick()) PlayEvent(platform, settings, event, true);
}

bool BoardView::UndoInProgressNow() const { return game.UndoInProgress; }

int BoardView::NextRandom() { return game.random.Next(); }

void BoardView::CountHit()
{
    const int player = game.CurrentPlayer();
    if (player == COMPUTER || player == HUMAN) game.HitsMade[player] = SaturatingAdd(game.HitsMade[player], 1);
}

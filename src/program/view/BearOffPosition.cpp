// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/BearOffPosition.h"

#include "core/board/Board.h"

BearOffPosition::BearOffPosition(Board* owningBoard, int location, int startOwner, ViewHost& host)
    : Position(owningBoard, location, startOwner), label(&host.TrayControl(location)), view(host)
{
}

BearOffPosition::~BearOffPosition()
{
    if (label) label->SetText("");
    while (count > 0) Position::RemovePiece();
}

void BearOffPosition::RemovePiece()
{
    Position::RemovePiece();
    Layout();
}

void BearOffPosition::AddPiece()
{
    Position::AddPiece();
    Layout();
}

// The computer's tray sits one unit above the human's, half way down the
// board, at the left edge with ClockWise and in point 1's column without.
void BearOffPosition::Layout()
{
    const Metrics& m = view.DisplayMetrics();
    const bool clockWise = view.Options().ClockWise != 0;
    const int s = m.Unit;
    x = clockWise ? s / 2 : (*board)[1].x;
    y = m.ClientHeight / 2 - (owner == COMPUTER ? s : 0) - s / 2;
    rect = {x, y, x + s, y + s};
    labelText = std::to_string(count);
    if (!label) return;
    label->SetGeometry(rect);
    label->SetAlignLeft(clockWise);
    // A highlighted tray shows its count in yellow.
    label->SetTextColour(view.TrayHighlighted(index) ? RGB(255, 255, 0) : RGB(0, 0, 0));
    label->SetText(labelText);
    label->Repaint();
}

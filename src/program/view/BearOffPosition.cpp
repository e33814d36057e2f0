#include "program/view/BearOffPosition.h"

#include "core/board/Board.h"
#include "core/files/ColourScheme.h"
#include "core/settings/Settings.h"
#include "program/game/BackgWnd.h"
#include "program/view/Metrics.h"
#include "program/view/ViewHost.h"

BearOffPosition::BearOffPosition(Board* owningBoard, int location, int startOwner)
    : Position(owningBoard, location, startOwner)
{
    if (View) label = &View->TrayControl(location);
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
    const int s = Unit;
    x = ClockWise ? s / 2 : (*board)[1].x;
    y = ClientHeight / 2 - (owner == COMPUTER ? s : 0) - s / 2;
    rect = {x, y, x + s, y + s};
    labelText = std::to_string(count);
    if (!label) return;
    label->SetGeometry(rect);
    label->SetAlignLeft(ClockWise != 0);
    // A highlighted tray (a possible target) shows its count in yellow.
    const bool highlighted = MainWnd && MainWnd->trayHighlight;
    label->SetTextColour(highlighted ? RGB(255, 255, 0) : RGB(0, 0, 0));
    label->SetText(labelText);
    label->Repaint();
}

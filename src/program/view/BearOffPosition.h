// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tray of borne-off pieces (26 the computer's, 27 the human's): no images,
// only its count shown in a label of the main window.

#include <string>

#include "core/board/Position.h"
#include "program/platform/Controls.h"
#include "program/view/ViewHost.h"

class BearOffPosition : public Position {
public:
    // Shows its count in the main window's label for the tray.
    BearOffPosition(Board* owningBoard, int location, int startOwner, ViewHost& host);
    // Empties the tray and its label.
    ~BearOffPosition() override;

    void RemovePiece() override;
    void AddPiece() override;
    // Places the label over the tray and writes the count into it.
    void Layout() override;

    TrayLabel* label = nullptr;
    std::string labelText;

private:
    ViewHost& view;
};

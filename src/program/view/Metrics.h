// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Display metrics: the board's sizes, recomputed from the window size at
// every size message. The view owns one; the locations draw by it.

#include <cstdint>

struct Metrics {
    // The board's unit length: (W + H) / 57.
    int Unit = 27;
    // Diameter of a piece: 1.15 x Unit.
    int PieceSize = 31;
    // Horizontal offset of a piece's shadow: PieceSize / 5.
    int ShadowOffset = 6;
    // Side of the square a piece with its shadow covers.
    std::int16_t PieceCell = 37;
    // The main window's outer size (W x H) and its client area.
    int WindowWidth = 939;
    int WindowHeight = 626;
    int ClientWidth = 939;
    int ClientHeight = 560;

    // Sets the sizes for a window of outer size w x h.
    void SetMetrics(int w, int h)
    {
        WindowWidth = w;
        WindowHeight = h;
        Unit = (w + h) / 57;
        PieceSize = Unit * 115 / 100; // exact, where 1.15 in floating point truncates low
        ShadowOffset = PieceSize / 5;
        PieceCell = static_cast<std::int16_t>(PieceSize + ShadowOffset);
    }
};

// The window's outer size for a screen area of wf x hf a maximised window gets.
inline void WindowSizeFor(int wf, int hf, int& w, int& h)
{
    if (wf <= 800) {
        w = wf - 20;
        h = hf;
    } else if (wf <= 1024) {
        w = 800;
        h = hf;
    } else {
        h = 63 * hf / 100;
        if (h < 600) h = 600;
        w = h * 3 / 2;
    }
}

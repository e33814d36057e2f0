// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/PieceImage.h"

#include <string>

#include "core/board/BoardData.h"
#include "program/view/ViewHost.h"

PieceImage::PieceImage(ViewHost& host, int px, int py, int place, int player)
    : x(px), y(py), number(place), owner(player), view(host), surface(host.Screen()),
      background(surface.CreateBitmap(host.DisplayMetrics().PieceCell, host.DisplayMetrics().PieceCell)),
      colour(host.SchemeColour()[player == COMPUTER ? COLOUR_COMPUTER : COLOUR_HUMAN])
{
}

PieceImage::~PieceImage() { ErasePiece(); }

void PieceImage::SaveBackground()
{
    if (!background) return;
    surface.SaveCell(*background, x, y);
    saved = true;
}

void PieceImage::ErasePiece()
{
    if (!saved || !background) return;
    surface.RestoreCell(*background, x, y);
    saved = false;
}

void PieceImage::FillDisc()
{
    const int size = view.DisplayMetrics().PieceSize;
    surface.FillEllipse({x, y, x + size, y + size}, colour);
}

// From the sixth piece on the stack does not grow: the piece only writes its
// number on the fifth disc, over the number of the piece below.
void PieceImage::DrawPiece(bool plain, bool noNumber)
{
    const Metrics& m = view.DisplayMetrics();
    SaveBackground();
    if (!plain) {
        if (!noNumber && number > 5) {
            const std::string text = std::to_string(number);
            const int left = x + m.PieceSize / 2 - surface.TextWidth(text) / 2;
            surface.Text(left, y + m.ShadowOffset + 1, text, RGB(0, 0, 0), colour, true);
            return;
        }
        surface.FillEllipse({x + m.ShadowOffset, y, x + m.PieceCell, y + m.PieceSize}, SHADOW_COLOUR);
    }
    FillDisc();
}

// Each jump walks the piece sideways by whole units until it stands at least
// a unit inside the window, and down (upper half) or up (lower half) by a
// random part of a unit per step.
void PieceImage::ShakePiece(int p)
{
    if (!view.Options().HitShake) return;
    const Metrics& m = view.DisplayMetrics();
    for (int jump = 0; jump < 5; ++jump) {
        for (int i = 0; i < 4; ++i) view.Delay();
        ErasePiece();
        const int u = m.Unit;
        if (u > 0) {
            int steps = 0;
            do {
                x += view.NextRandom() % 2 != 0 ? u : -u;
                if (x < 0) x = 0;
                const int dy = view.NextRandom() % u;
                y += p < 13 ? dy : -dy;
            } while (!(x >= u && x <= m.ClientWidth - u) && ++steps < ANIMATION_FRAME_LIMIT);
        }
        DrawPiece(false, false);
    }
}

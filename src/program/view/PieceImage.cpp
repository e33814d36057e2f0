#include "program/view/PieceImage.h"

#include <string>

#include "core/board/BoardData.h"
#include "core/settings/Settings.h"
#include "program/view/Metrics.h"
#include "program/view/ViewHost.h"

PieceImage::PieceImage(int px, int py, int place, int player)
    : x(px), y(py), number(place), owner(player),
      colour(player == COMPUTER ? SchemeColour[COLOUR_COMPUTER] : SchemeColour[COLOUR_HUMAN])
{
    if (View) {
        surface = &View->Screen();
        background = surface->CreateBitmap(PieceCell, PieceCell);
    }
}

PieceImage::~PieceImage() { ErasePiece(); }

void PieceImage::SaveBackground()
{
    if (!surface || !background) return;
    surface->SaveCell(*background, x, y);
    saved = true;
}

void PieceImage::ErasePiece()
{
    if (!saved || !surface || !background) return;
    surface->RestoreCell(*background, x, y);
    saved = false;
}

void PieceImage::FillDisc()
{
    if (surface) surface->FillEllipse({x, y, x + PieceSize, y + PieceSize}, colour);
}

// From the sixth piece on the stack does not grow: the piece only writes its
// number on the fifth disc, over the number of the piece below.
void PieceImage::DrawPiece(bool plain, bool noNumber)
{
    if (!surface) return;
    SaveBackground();
    if (!plain) {
        if (!noNumber && number > 5) {
            const std::string text = std::to_string(number);
            const int left = x + PieceSize / 2 - surface->TextWidth(text) / 2;
            surface->Text(left, y + ShadowOffset + 1, text, RGB(0, 0, 0), colour, true);
            return;
        }
        surface->FillEllipse({x + ShadowOffset, y, x + PieceCell, y + PieceSize}, SHADOW_COLOUR);
    }
    FillDisc();
}

// Each jump walks the piece sideways by whole units until it stands at least
// a unit inside the window, and down (upper half) or up (lower half) by a
// random part of a unit per step.
void PieceImage::ShakePiece(int p)
{
    if (!HitShake || !View) return;
    for (int jump = 0; jump < 5; ++jump) {
        for (int i = 0; i < 4; ++i) View->Delay();
        ErasePiece();
        const int u = Unit;
        if (u > 0) {
            int steps = 0;
            do {
                x += View->NextRandom() % 2 != 0 ? u : -u;
                if (x < 0) x = 0;
                const int dy = View->NextRandom() % u;
                y += p < 13 ? dy : -dy;
            } while (!(x >= u && x <= ClientWidth - u) && ++steps < ANIMATION_FRAME_LIMIT);
        }
        DrawPiece(false, false);
    }
}

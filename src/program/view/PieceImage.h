// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The image of one piece on a point or a bar: where its disc lies, which
// piece of the stack it is, and a copy of what lay under it so that it can be
// taken off the board again without a repaint.

#include <memory>

#include "core/files/ColourScheme.h"
#include "program/platform/Surface.h"

class ViewHost;

// Every animation loop stops after this many frames, whatever the geometry
// (a zero-sized window or a Unit of 0 would otherwise never arrive).
constexpr int ANIMATION_FRAME_LIMIT = 10000;

// The colour of a piece's shadow.
constexpr Colour SHADOW_COLOUR = RGB(64, 64, 64);

class PieceImage {
public:
    // An image at (x, y), the top-left corner of its disc, drawn on the main
    // window's surface in its owner's colour; nothing is drawn yet.
    PieceImage(ViewHost& view, int x, int y, int number, int owner);
    // Takes the piece off the board first (restores what lay under it).
    ~PieceImage();
    PieceImage(const PieceImage&) = delete;
    PieceImage& operator=(const PieceImage&) = delete;

    // Saves the cell under the piece and draws it: plain is the disc alone;
    // otherwise the disc with its shadow, or from the sixth piece on only its
    // number written on the fifth disc (unless noNumber).
    void DrawPiece(bool plain, bool noNumber);
    // Puts back what lay under the piece.
    void ErasePiece();
    // Copies the cell under the piece into the image's own bitmap.
    void SaveBackground();
    // Fills the disc in the owner's colour, without shadow.
    void FillDisc();
    // Makes a hit piece jump five times at random about point p before it
    // leaves for the bar (only with HitShake on).
    void ShakePiece(int p);

    int x = 0;
    int y = 0;
    int number = 0;
    int owner = 0;
    // A background copy is held.
    bool saved = false;

private:
    ViewHost& view;
    Surface& surface;
    std::unique_ptr<Bitmap> background;
    // The owner's colour when the image was made (the colour's brush).
    Colour colour = 0;
};

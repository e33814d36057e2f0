// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's kept drawing context: the program draws the board through it
// outside painting too, and what it draws is seen at once.

#include <memory>
#include <string>

#include "core/board/Position.h"
#include "core/files/ColourScheme.h"

struct Point {
    int x = 0, y = 0;
};

// A rectangle of pixels copied off the surface (a piece's saved background).
class Bitmap {
public:
    virtual ~Bitmap() = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual void FillRect(const Rect& r, Colour fill) = 0;
    // A polygon filled with `fill` and outlined with `pen`.
    virtual void Polygon(const Point* points, int count, Colour fill, Colour pen) = 0;
    // An ellipse inside r, filled, without outline.
    virtual void FillEllipse(const Rect& r, Colour fill) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, Colour pen) = 0;
    // Text with its top-left corner at (x, y); opaque draws the background
    // colour behind the letters.
    virtual void Text(int x, int y, const std::string& text, Colour colour, Colour background, bool opaque) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight() const = 0;
    // Every pixel a text drawn at (x, y) may change: its cell, and where a
    // glyph reaches beyond it.
    virtual Rect TextBox(int x, int y, const std::string& text) const
    {
        return {x, y, x + TextWidth(text), y + TextHeight()};
    }

    virtual std::unique_ptr<Bitmap> CreateBitmap(int width, int height) = 0;
    // Copies the cell at (x, y) of the surface into the bitmap, and back.
    virtual void SaveCell(Bitmap& into, int x, int y) = 0;
    virtual void RestoreCell(const Bitmap& from, int x, int y) = 0;
};

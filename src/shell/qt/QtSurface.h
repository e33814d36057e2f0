// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's kept drawing context: a back buffer the program draws into
// with QPainter. What is drawn is collected as a dirty region, which the
// window shows at once (synchronously before a pause) or at the next repaint.
//
// The buffer holds the screen's physical pixels: at a device pixel ratio of 2
// it is twice as wide and high as the client area, and the program's drawing,
// in the client area's (logical) coordinates, is scaled onto it, so that
// every edge is as sharp as the screen can show it. A piece's saved cell is
// the block of physical pixels that its logical square touches, the same
// block for the same square, so that putting it back is exact at any ratio.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRegion>

#include <functional>
#include <memory>
#include <string>

#include "program/platform/Surface.h"

// A piece's saved background: a copy of physical pixels off the back buffer,
// of a cell of width x height logical pixels.
class QtBitmap final : public Bitmap {
public:
    QtBitmap(int width, int height);
    int width;
    int height;
    QImage image;
};

class QtSurface final : public Surface {
public:
    QtSurface();

    // Changes the size of the buffer (in logical pixels) and its device pixel
    // ratio, keeping the pixels that stay inside while the ratio stays; new
    // pixels get `fill`.
    void Resize(int width, int height, Colour fill, qreal ratio = 1.0);
    // Fills the whole buffer (the erase before a full repaint).
    void Fill(Colour c);
    // The physical pixels, with their device pixel ratio set.
    const QImage& Image() const { return image; }
    qreal Ratio() const { return ratio; }
    // The block of physical pixels a logical rectangle touches.
    QRect Physical(const QRect& logical) const;
    void SetFont(const QFont& f);
    const QFont& Font() const { return font; }

    // The region drawn since the last call, and whether there is one.
    QRegion TakeDirty();
    bool HasDirty() const { return !dirty.isEmpty(); }
    // Told of every rectangle drawn (the window schedules its repaint).
    std::function<void(const QRect&)> onDrawn;

    // Surface
    void FillRect(const Rect& r, Colour fill) override;
    void Polygon(const Point* points, int count, Colour fill, Colour pen) override;
    void FillEllipse(const Rect& r, Colour fill) override;
    void Line(int x1, int y1, int x2, int y2, Colour pen) override;
    void Text(int x, int y, const std::string& text, Colour colour, Colour background, bool opaque) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight() const override;
    Rect TextBox(int x, int y, const std::string& text) const override;
    std::unique_ptr<Bitmap> CreateBitmap(int width, int height) override;
    void SaveCell(Bitmap& into, int x, int y) override;
    void RestoreCell(const Bitmap& from, int x, int y) override;

private:
    // Adds r, clipped to the buffer, to the dirty region.
    void Drawn(const QRect& r);

    QImage image;
    qreal ratio = 1.0;
    QSize logicalSize{1, 1};
    QFont font;
    QFontMetrics metrics;
    QRegion dirty;
};

// The colour as Qt takes it.
QColor ToQColor(Colour c);

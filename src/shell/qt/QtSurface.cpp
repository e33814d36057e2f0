// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/QtSurface.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstring>

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

namespace {

// Copies the w x h pixels at (sx, sy) of `from` to (dx, dy) of `to`, leaving
// out whatever falls outside either image. Both images are 32 bits a pixel.
void CopyPixels(const QImage& from, int sx, int sy, QImage& to, int dx, int dy, int w, int h)
{
    // Clip against the source, then against the target.
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min({w, from.width() - sx, to.width() - dx});
    h = std::min({h, from.height() - sy, to.height() - dy});
    if (w <= 0 || h <= 0) return;
    for (int row = 0; row < h; ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(from.constScanLine(sy + row)) + sx;
        auto* dst = reinterpret_cast<QRgb*>(to.scanLine(dy + row)) + dx;
        std::memcpy(dst, src, static_cast<std::size_t>(w) * sizeof(QRgb));
    }
}

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// Physical pixels of a logical coordinate at a ratio, rounded down or up.
int Floor(int logical, qreal ratio) { return static_cast<int>(std::floor(logical * ratio + 1e-9)); }
int Ceil(int logical, qreal ratio) { return static_cast<int>(std::ceil(logical * ratio - 1e-9)); }

} // namespace

QtBitmap::QtBitmap(int w, int h) : width(std::max(w, 0)), height(std::max(h, 0))
{
    image = QImage(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
}

QtSurface::QtSurface() : image(1, 1, QImage::Format_RGB32), metrics(font) { image.fill(Qt::black); }

void QtSurface::Resize(int width, int height, Colour fill, qreal newRatio)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    newRatio = newRatio > 0 ? newRatio : 1.0;
    if (QSize(width, height) == logicalSize && newRatio == ratio) return;
    QImage next(Ceil(width, newRatio), Ceil(height, newRatio), QImage::Format_RGB32);
    next.fill(ToQColor(fill));
    // At another ratio every pixel is drawn anew.
    if (newRatio == ratio) CopyPixels(image, 0, 0, next, 0, 0, image.width(), image.height());
    next.setDevicePixelRatio(newRatio);
    image = std::move(next);
    ratio = newRatio;
    logicalSize = QSize(width, height);
    Drawn(QRect(QPoint(0, 0), logicalSize));
}

// From the physical pixel holding the rectangle's top-left corner to the one
// holding its bottom-right: the same block for the same rectangle, and every
// pixel that drawing inside the rectangle can change.
QRect QtSurface::Physical(const QRect& logical) const
{
    return QRect(
        QPoint(Floor(logical.left(), ratio), Floor(logical.top(), ratio)),
        QPoint(Ceil(logical.left() + logical.width(), ratio) - 1, Ceil(logical.top() + logical.height(), ratio) - 1));
}

void QtSurface::Fill(Colour c)
{
    image.fill(ToQColor(c));
    Drawn(QRect(QPoint(0, 0), logicalSize));
}

void QtSurface::SetFont(const QFont& f)
{
    font = f;
    metrics = QFontMetrics(font);
}

QRegion QtSurface::TakeDirty()
{
    QRegion taken = dirty;
    dirty = QRegion();
    return taken;
}

// The region is kept in logical pixels; at a fractional ratio a logical edge
// falls inside a physical pixel, which then belongs to both sides.
void QtSurface::Drawn(const QRect& r)
{
    const bool fractional = ratio != std::floor(ratio);
    const QRect clipped = (fractional ? r.adjusted(-1, -1, 1, 1) : r).intersected(QRect(QPoint(0, 0), logicalSize));
    if (clipped.isEmpty()) return;
    dirty += clipped;
    if (onDrawn) onDrawn(clipped);
}

// An empty or inverted rectangle fills nothing. A rectangle covers whole
// physical pixels, so that rectangles side by side leave no seam.
void QtSurface::FillRect(const Rect& r, Colour fill)
{
    if (r.right <= r.left || r.bottom <= r.top) return;
    const QRect area = ToQRect(r).intersected(QRect(QPoint(0, 0), logicalSize));
    if (area.isEmpty()) return;
    const QRect physical(
        QPoint(Floor(area.left(), ratio), Floor(area.top(), ratio)),
        QPoint(Floor(area.left() + area.width(), ratio) - 1, Floor(area.top() + area.height(), ratio) - 1));
    QPainter painter(&image);
    // Undoes the buffer's own scaling: the rectangle is in physical pixels.
    painter.scale(1 / ratio, 1 / ratio);
    painter.fillRect(physical, ToQColor(fill));
    painter.end();
    Drawn(area);
}

// The board's edges are smoothed at every scale: the shape is moved by half a
// logical pixel, so that an edge along a row or a column of pixels covers
// that row or column exactly, as the unsmoothed outline did, and only the
// slanted edges are blended with what lies beside them.
void QtSurface::Polygon(const Point* points, int count, Colour fill, Colour pen)
{
    if (points == nullptr || count <= 0) return;
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) polygon << QPointF(points[i].x + 0.5, points[i].y + 0.5);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(pen), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(ToQColor(fill));
    painter.drawPolygon(polygon, Qt::OddEvenFill);
    painter.end();
    Drawn(polygon.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
}

// The pieces are round: their edge is smoothed. The pixels stay inside r, so
// a saved cell still holds everything a piece changes.
void QtSurface::FillEllipse(const Rect& r, Colour fill)
{
    const QRect bounds = ToQRect(r);
    if (bounds.width() <= 0 || bounds.height() <= 0) return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(fill));
    painter.drawEllipse(QRectF(bounds));
    painter.end();
    Drawn(bounds);
}

// A line one logical pixel wide through the middle of the pixels named, both
// end points drawn; smoothed where it slants.
void QtSurface::Line(int x1, int y1, int x2, int y2, Colour pen)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(pen), 1.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    painter.end();
    Drawn(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
              .adjusted(-1, -1, 1, 1));
}

// The text's cell is the font's full height; an opaque text fills the cell
// behind the letters in the background colour first.
void QtSurface::Text(int x, int y, const std::string& text, Colour colour, Colour background, bool opaque)
{
    const QString s = QString::fromStdString(text);
    const int width = metrics.horizontalAdvance(s);
    const QRect cell(x, y, width, metrics.height());
    // Opaque text is drawn over its own background, its glyphs' ink included
    // where it reaches beyond the advance: antialiased edges drawn again over
    // themselves would darken, the letter thicken.
    const Rect box = TextBox(x, y, text);
    if (opaque) FillRect(box, background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    painter.drawText(x, y + metrics.ascent(), s);
    painter.end();
    // Glyphs may reach a little beyond their advance.
    Drawn(cell.adjusted(-2, 0, 2, 0).united(QRect(box.left, box.top, box.right - box.left, box.bottom - box.top)));
}

int QtSurface::TextWidth(const std::string& text) const
{
    return metrics.horizontalAdvance(QString::fromStdString(text));
}

int QtSurface::TextHeight() const { return metrics.height(); }

// The cell and the glyphs' ink, which can reach beyond the advance (the left
// edge of an underscore, the tail of an italic letter).
Rect QtSurface::TextBox(int x, int y, const std::string& text) const
{
    const QString s = QString::fromStdString(text);
    const QRect cell(x, y, metrics.horizontalAdvance(s), metrics.height());
    const QRect ink = metrics.boundingRect(s).translated(x, y + metrics.ascent());
    const QRect box = ink.isEmpty() ? cell : cell.united(ink);
    return {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
}

std::unique_ptr<Bitmap> QtSurface::CreateBitmap(int width, int height)
{
    return std::make_unique<QtBitmap>(width, height);
}

// The cell's physical block; the bitmap grows to it (its size in physical
// pixels depends on the ratio, and by one pixel on where the cell lies).
void QtSurface::SaveCell(Bitmap& into, int x, int y)
{
    auto* cell = dynamic_cast<QtBitmap*>(&into);
    if (cell == nullptr) return;
    const QRect block = Physical(QRect(x, y, cell->width, cell->height));
    if (cell->image.width() < block.width() || cell->image.height() < block.height())
        cell->image = QImage(std::max(block.width(), cell->image.width()),
                             std::max(block.height(), cell->image.height()), QImage::Format_RGB32);
    CopyPixels(image, block.left(), block.top(), cell->image, 0, 0, block.width(), block.height());
}

void QtSurface::RestoreCell(const Bitmap& from, int x, int y)
{
    const auto* cell = dynamic_cast<const QtBitmap*>(&from);
    if (cell == nullptr) return;
    const QRect block = Physical(QRect(x, y, cell->width, cell->height));
    CopyPixels(cell->image, 0, 0, image, block.left(), block.top(), std::min(block.width(), cell->image.width()),
               std::min(block.height(), cell->image.height()));
    Drawn(QRect(x, y, cell->width, cell->height));
}

#include "shell/qt/QtSurface.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
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

} // namespace

QtBitmap::QtBitmap(int width, int height) : image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32)
{
    image.fill(Qt::black);
}

QtSurface::QtSurface() : image(1, 1, QImage::Format_RGB32), metrics(font) { image.fill(Qt::black); }

void QtSurface::Resize(int width, int height, Colour fill)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == image.width() && height == image.height()) return;
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(ToQColor(fill));
    CopyPixels(image, 0, 0, next, 0, 0, image.width(), image.height());
    image = std::move(next);
    Drawn(image.rect());
}

void QtSurface::Fill(Colour c)
{
    image.fill(ToQColor(c));
    Drawn(image.rect());
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

void QtSurface::Drawn(const QRect& r)
{
    const QRect clipped = r.intersected(image.rect());
    if (clipped.isEmpty()) return;
    dirty += clipped;
    if (onDrawn) onDrawn(clipped);
}

// An empty or inverted rectangle fills nothing.
void QtSurface::FillRect(const Rect& r, Colour fill)
{
    if (r.right <= r.left || r.bottom <= r.top) return;
    const QRect area = ToQRect(r).intersected(image.rect());
    if (area.isEmpty()) return;
    QPainter painter(&image);
    painter.fillRect(area, ToQColor(fill));
    painter.end();
    Drawn(area);
}

// Filled by the even-odd rule and outlined with a one-pixel pen, without
// antialiasing, so that the board's edges stay sharp.
void QtSurface::Polygon(const Point* points, int count, Colour fill, Colour pen)
{
    if (points == nullptr || count <= 0) return;
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) polygon << QPoint(points[i].x, points[i].y);
    QPainter painter(&image);
    painter.setPen(QPen(ToQColor(pen), 0));
    painter.setBrush(ToQColor(fill));
    painter.drawPolygon(polygon, Qt::OddEvenFill);
    painter.end();
    Drawn(polygon.boundingRect().adjusted(-1, -1, 1, 1));
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

// Both end points are drawn.
void QtSurface::Line(int x1, int y1, int x2, int y2, Colour pen)
{
    QPainter painter(&image);
    painter.setPen(QPen(ToQColor(pen), 0));
    painter.drawLine(x1, y1, x2, y2);
    painter.end();
    Drawn(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))));
}

// The text's cell is the font's full height; an opaque text fills the cell
// behind the letters in the background colour first.
void QtSurface::Text(int x, int y, const std::string& text, Colour colour, Colour background, bool opaque)
{
    const QString s = QString::fromStdString(text);
    const int width = metrics.horizontalAdvance(s);
    const QRect cell(x, y, width, metrics.height());
    QPainter painter(&image);
    if (opaque) painter.fillRect(cell, ToQColor(background));
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    painter.drawText(x, y + metrics.ascent(), s);
    painter.end();
    // Glyphs may reach a little beyond their advance.
    Drawn(cell.adjusted(-2, 0, 2, 0));
}

int QtSurface::TextWidth(const std::string& text) const
{
    return metrics.horizontalAdvance(QString::fromStdString(text));
}

int QtSurface::TextHeight() const { return metrics.height(); }

std::unique_ptr<Bitmap> QtSurface::CreateBitmap(int width, int height)
{
    return std::make_unique<QtBitmap>(width, height);
}

void QtSurface::SaveCell(Bitmap& into, int x, int y)
{
    auto* cell = dynamic_cast<QtBitmap*>(&into);
    if (cell == nullptr) return;
    CopyPixels(image, x, y, cell->image, 0, 0, cell->image.width(), cell->image.height());
}

void QtSurface::RestoreCell(const Bitmap& from, int x, int y)
{
    const auto* cell = dynamic_cast<const QtBitmap*>(&from);
    if (cell == nullptr) return;
    CopyPixels(cell->image, 0, 0, image, x, y, cell->image.width(), cell->image.height());
    Drawn(QRect(x, y, cell->image.width(), cell->image.height()));
}

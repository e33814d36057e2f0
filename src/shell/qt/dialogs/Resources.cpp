// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/dialogs/Resources.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#ifdef TABLOR_HAS_SVG
#include <QSvgRenderer>
#endif

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The sizes an icon is drawn at; the icon scales the nearest one for others.
constexpr std::array<int, 7> ICON_SIZES{16, 24, 32, 48, 64, 128, 256};

// The pips of each value on a 3 × 3 grid, one bit per cell, row by row from
// the top left.
constexpr std::array<int, 7> PIP_CELLS{
    0,
    1 << 4,
    1 << 0 | 1 << 8,
    1 << 0 | 1 << 4 | 1 << 8,
    1 << 0 | 1 << 2 | 1 << 6 | 1 << 8,
    1 << 0 | 1 << 2 | 1 << 4 | 1 << 6 | 1 << 8,
    1 << 0 | 1 << 2 | 1 << 3 | 1 << 5 | 1 << 6 | 1 << 8,
};

// A square of `size` logical pixels, with `ratio` times as many physical ones.
QPixmap TransparentPixmap(int size, qreal ratio = 1.0)
{
    const int physical = static_cast<int>(std::ceil(size * ratio - 1e-9));
    QPixmap pixmap(physical, physical);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

template <typename Paint> QIcon PaintedIcon(Paint paint)
{
    QIcon icon;
    for (const int size : ICON_SIZES) {
        QPixmap pixmap = TransparentPixmap(size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, static_cast<qreal>(size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The board point of the program icon: a wood-coloured tile, a tall red
// triangle standing on its lower edge, a white piece with a black one on it.
void PaintProgramIcon(QPainter& painter, qreal s)
{
    const qreal pen = std::max(1.0, s / 32);
    painter.setPen(QPen(QColor(92, 58, 24), pen));
    painter.setBrush(QColor(222, 184, 120));
    painter.drawRoundedRect(QRectF(pen / 2, pen / 2, s - pen, s - pen), s * 0.14, s * 0.14);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 32, 28));
    painter.drawPolygon(QPolygonF{QPointF(s * 0.2, s * 0.92), QPointF(s * 0.8, s * 0.92), QPointF(s * 0.5, s * 0.08)});

    const qreal r = s * 0.15;
    const qreal base = s * 0.92 - pen;
    painter.setPen(QPen(QColor(30, 30, 30), pen));
    painter.setBrush(QColor(250, 248, 240));
    painter.drawEllipse(QPointF(s * 0.5, base - r), r, r);
    painter.setPen(QPen(QColor(235, 235, 235), pen));
    painter.setBrush(QColor(24, 24, 24));
    painter.drawEllipse(QPointF(s * 0.5, base - 3 * r), r, r);
}

// A right-pointing triangle, black, centred in the square.
void PaintPlayIcon(QPainter& painter, qreal s)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF{QPointF(s * 0.28, s * 0.18), QPointF(s * 0.28, s * 0.82), QPointF(s * 0.8, s * 0.5)});
}

// Draws an SVG picture of the resources into a transparent square; false
// when the picture or the SVG renderer is missing (the picture is then drawn
// in code instead).
bool RenderPicture(const QString& resource, QPixmap& into)
{
#ifdef TABLOR_HAS_SVG
    if (!QFile::exists(resource)) return false;
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return false;
    QPainter painter(&into);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), into.deviceIndependentSize()));
    return true;
#else
    (void)resource;
    (void)into;
    return false;
#endif
}

} // namespace

// Pips sit on a 3 × 3 grid at a quarter of the face from each edge, so the
// layouts read the same at every size.
QPixmap DieFace(int value, int size, qreal ratio)
{
    size = std::max(size, 8);
    const qreal s = size;
    QPixmap pixmap = TransparentPixmap(size, ratio > 0 ? ratio : 1.0);
    if (value >= 1 && value <= 6 && RenderPicture(QStringLiteral(":/dice/die%1.svg").arg(value), pixmap)) return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal border = std::max(1.0, s / 32);
    painter.setPen(QPen(QColor(48, 48, 48), border));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(border / 2, border / 2, s - border, s - border), s * 0.16, s * 0.16);

    if (value < 1 || value > 6) return pixmap;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal radius = s * 0.095;
    for (int cell = 0; cell < 9; ++cell)
        if (PIP_CELLS[value] & 1 << cell)
            painter.drawEllipse(QPointF(s * (0.25 + 0.25 * (cell % 3)), s * (0.25 + 0.25 * (cell / 3))), radius,
                                radius);
    return pixmap;
}

QIcon PlayIcon()
{
    QPixmap picture = TransparentPixmap(64);
    if (RenderPicture(QStringLiteral(":/play.svg"), picture)) return QIcon(picture);
    return PaintedIcon(PaintPlayIcon);
}

QIcon ProgramIcon() { return PaintedIcon(PaintProgramIcon); }

// A black arrow with a white outline, its tip the hot spot, and a green disc
// with a white check mark at its lower right.
QCursor ConfirmCursor(qreal ratio)
{
    QPixmap pixmap = TransparentPixmap(32, ratio > 0 ? ratio : 1.0);
    if (RenderPicture(QStringLiteral(":/confirm.svg"), pixmap)) return QCursor(pixmap, 1, 1);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPolygonF arrow{QPointF(1, 1),   QPointF(1, 19),     QPointF(5.5, 14.5), QPointF(9, 22),
                          QPointF(12, 21), QPointF(8.5, 13.5), QPointF(14, 13.5)};
    painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);

    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(24, 140, 44));
    painter.drawEllipse(QPointF(23, 23), 8, 8);
    QPainterPath check;
    check.moveTo(19, 23.5);
    check.lineTo(22, 26.5);
    check.lineTo(27.5, 19.5);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(check);
    painter.end();
    return QCursor(pixmap, 1, 1);
}

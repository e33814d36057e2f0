// SPDX-License-Identifier: GPL-3.0-or-later
// make-icons: draws an SVG icon as the PNG pictures of a desktop icon theme.
//
//   tablor-make-icons ICON.svg THEME_FOLDER NAME SIZE...
//
// writes THEME_FOLDER/SIZExSIZE/apps/NAME.png for each size, square, with a
// transparent background. Exit status 1 when the icon cannot be read or a
// picture cannot be written.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: tablor-make-icons ICON.svg THEME_FOLDER NAME SIZE...\n");
        return 2;
    }
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "make-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString theme = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        char* end = nullptr;
        const long size = std::strtol(argv[i], &end, 10);
        if (*end != '\0' || size < 1 || size > 4096) {
            std::fprintf(stderr, "make-icons: %s is no size\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString path = QStringLiteral("%1/%2.png").arg(folder, name);
        QImage picture(static_cast<int>(size), static_cast<int>(size), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            icon.render(&painter, QRectF(0, 0, static_cast<qreal>(size), static_cast<qreal>(size)));
        }
        if (!QDir().mkpath(folder) || !picture.save(path, "PNG")) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

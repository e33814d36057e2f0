#include "shell/qt/PanelControls.h"

#include <utility>

#include "shell/qt/QtSurface.h"
#include "shell/qt/dialogs/Resources.h"

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

} // namespace

QtDicePicture::QtDicePicture(QWidget* canvas, int size) : QLabel(canvas), iconSize(size)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    hide();
}

void QtDicePicture::SetGeometry(const Rect& r) { setGeometry(ToQRect(r)); }

void QtDicePicture::SetFace(int value)
{
    if (value == face && pixmap().cacheKey() != 0) return;
    face = value;
    setPixmap(DieFace(value, iconSize));
}

QtCubeButton::QtCubeButton(QWidget* canvas, std::function<void()> onClick) : QPushButton(canvas)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, [click = std::move(onClick)] {
        if (click) click();
    });
}

void QtCubeButton::SetGeometry(const Rect& r) { setGeometry(ToQRect(r)); }

Rect QtCubeButton::Geometry() const
{
    const QRect g = geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

QtTrayLabel::QtTrayLabel(QWidget* canvas) : QLabel(canvas)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    SetAlignLeft(false);
    SetTextColour(0);
}

void QtTrayLabel::SetGeometry(const Rect& r) { setGeometry(ToQRect(r)); }

void QtTrayLabel::SetAlignLeft(bool left) { setAlignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop); }

void QtTrayLabel::SetTextColour(Colour c)
{
    if (c == colour && palette().color(QPalette::WindowText) == ToQColor(c)) return;
    colour = c;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(c));
    setPalette(pal);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/InputFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    default:
        return false;
    }
}

} // namespace

InputFilter::InputFilter(QWidget& mainWindow) : window(mainWindow)
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputFilter::~InputFilter()
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

// What was held back is pending input too.
void InputFilter::DropPendingInput()
{
    dropping = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    dropping = false;
    held.clear();
}

void InputFilter::ReleaseHeld()
{
    std::vector<Held> events = std::move(held);
    held.clear();
    for (Held& h : events)
        if (h.receiver) QCoreApplication::postEvent(h.receiver, h.event.release());
}

bool InputFilter::IsMainWindow(QObject* object) const
{
    if (auto* widget = qobject_cast<QWidget*>(object)) return widget->window() == &window;
    if (auto* handle = qobject_cast<QWindow*>(object)) return handle == window.windowHandle();
    return false;
}

// A held key repeats as presses (and, on some systems, releases marked as
// repeats): only a real release lets Esc go. Leaving the application lets go
// of every key.
bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            if (type == QEvent::KeyPress)
                escDown = true;
            else if (!key->isAutoRepeat())
                escDown = false;
        }
    } else if (type == QEvent::ApplicationDeactivate) {
        escDown = false;
    }
    if (dropping && IsUserInput(type) && IsMainWindow(watched)) {
        // Accepting the override keeps the key from triggering a shortcut.
        event->accept();
        return true;
    }
    // Input reaches the main window's window handle first, before any of
    // its widgets: held there, it is later handled as it came.
    if (holding && IsUserInput(type) && watched == window.windowHandle()) {
        if (type == QEvent::MouseMove && !held.empty() && held.back().event->type() == QEvent::MouseMove)
            held.back().event.reset(event->clone());
        else
            held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
        event->accept();
        return true;
    }
    return false;
}

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

// A held key repeats as presses, on X as pairs of a release and a press
// marked as repeats. When the program is slow to read them, the window system
// cannot tell the pair from a real release and press: the pair's press then
// comes unmarked, with the time of the release before it, and is a repeat all
// the same. A repeat that reaches a dialog other than the window the key was
// pressed in is dropped (its shortcut too); the main window takes its repeats.
bool InputFilter::RepeatFromElsewhere(QWidget& widget, const QKeyEvent& key)
{
    QWidget* top = widget.window();
    KeyState& state = keys[key.key()];
    const quint64 time = key.timestamp();
    if (key.type() == QEvent::KeyRelease) {
        if (key.isAutoRepeat()) return state.window != top && !IsMainWindow(top);
        state.down = false;
        state.releasedAt = time;
        return false;
    }
    const bool repeat = key.isAutoRepeat() || (time != 0 && !state.down && time == state.releasedAt);
    if (key.type() == QEvent::ShortcutOverride) return repeat && state.window != top && !IsMainWindow(top);
    if (!repeat) state.window = top;
    state.down = true;
    return repeat && state.window != top && !IsMainWindow(top);
}

// Only a real release lets Esc go. Leaving the application lets go of every key.
bool InputFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && RepeatFromElsewhere(*widget, *static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
    }
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
        keys.clear();
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

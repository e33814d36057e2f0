// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches all of the application's input: it keeps the state of the Esc key
// as the keyboard reports it, it can deliver the input the window system
// holds while dropping what is meant for the main window, and it can hold
// back the main window's input while the program is busy, so that the
// window's other events (a repaint, a close request) are handled meanwhile.
// A dialog never takes the auto-repeats of a key that was already down when
// it opened: holding the key that opened it does not answer it.

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class QEvent;
class QKeyEvent;
class QWidget;

class InputFilter final : public QObject {
public:
    // Watches the application; `window` is the main window whose input can be dropped.
    explicit InputFilter(QWidget& window);
    ~InputFilter() override;

    // Whether Esc is down after the last press or release seen.
    bool EscDown() const { return escDown; }
    // Delivers the events waiting now; user input meant for the main window
    // (its menu bar included) is dropped, after Esc's state is noted.
    void DropPendingInput();
    // While holding, the user's input for the main window is kept back, in
    // its order (of pointer moves in a row only the last); ReleaseHeld posts
    // it again for the window to handle.
    void Hold(bool on) { holding = on; }
    bool Holding() const { return holding; }
    void ReleaseHeld();
    bool HasHeld() const { return !held.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the object is the main window, one of its widgets or its window handle.
    bool IsMainWindow(QObject* object) const;
    // Notes a key's press or release given to `widget` and tells whether the
    // event is to be dropped: a repeat of a key pressed in another window,
    // given to a dialog.
    bool RepeatFromElsewhere(QWidget& widget, const QKeyEvent& key);

    // Where a key went down and when it last came up, as the keyboard's
    // timestamps count.
    struct KeyState {
        QPointer<QWidget> window;
        bool down = false;
        quint64 releasedAt = 0;
    };

    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    QWidget& window;
    bool escDown = false;
    bool dropping = false;
    bool holding = false;
    std::vector<Held> held;
    std::map<int, KeyState> keys;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches all of the application's input: it keeps the state of the Esc key
// as the keyboard reports it, it can deliver the input the window system
// holds while dropping what is meant for the main window, and it can hold
// back the main window's input while the program is busy, so that the
// window's other events (a repaint, a close request) are handled meanwhile.

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QEvent;
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

    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    QWidget& window;
    bool escDown = false;
    bool dropping = false;
    bool holding = false;
    std::vector<Held> held;
};

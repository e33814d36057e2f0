#pragma once
// Watches all of the application's input: it keeps the state of the Esc key
// as the keyboard reports it, and it can deliver the input the window system
// holds while dropping what is meant for the main window.

#include <QObject>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the object is the main window, one of its widgets or its window handle.
    bool IsMainWindow(QObject* object) const;

    QWidget& window;
    bool escDown = false;
    bool dropping = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window system's side asks of the program's main window: it queues
// the messages the window system delivers and handles them when asked, and
// it sizes and paints itself.

#include "program/platform/Message.h"

class MainWindow {
public:
    virtual ~MainWindow() = default;
    // Queues a message from the window system.
    virtual void Post(const Message& m) = 0;
    // Handles queued messages until the queue is empty.
    virtual void PumpMessages() = 0;
    virtual bool HasMessages() const = 0;
    // Whether a command from the menu or an accelerator would be carried out now.
    virtual bool IsCommandEnabled(int id) const = 0;
    // The program has ended (Exit) or been asked to end (the window was closed).
    virtual bool QuitRequested() const = 0;
    virtual void RequestQuit() = 0;
    // The size message: the window sizes itself from the screen.
    virtual void OnSize() = 0;
    // Paints the board into the window's drawing surface.
    virtual void OnPaint() = 0;
};

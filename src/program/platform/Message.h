// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's messages: what the window system delivers to the main window,
// in the order it delivers them, and the commands the program posts to itself.

#include <cstdint>

// Virtual-key codes of the keys the program knows.
enum VirtualKey : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_0 = 0x30,
    VK_A = 0x41,
    VK_X = 0x58,
    VK_Z = 0x5A,
    VK_NUMPAD0 = 0x60,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F9 = 0x78,
    VK_OEM_2 = 0xBF, // the "/" and "?" key
};

enum class MessageKind {
    KeyDown,     // key: virtual key; ch: the character it types (0 if none); ctrl, shift
    LButtonDown, // x, y in client coordinates; onControl: pressed on a control of the panel
    LButtonUp,
    RButtonDown,
    RButtonUp,
    MouseMove,
    Command,   // command id and source
    Timer,     // timerId
    KillFocus, // toMoveList: the focus went to the move list
};

enum class CommandSource {
    Menu,        // chosen from the menu bar or the pop-up menu
    Accelerator, // a key of the accelerator table
    Control,     // a button of the window (the cube)
    Posted,      // posted by the program to itself
};

struct Message {
    MessageKind kind = MessageKind::Command;
    int key = 0;
    int ch = 0;
    bool ctrl = false;
    bool shift = false;
    int x = 0;
    int y = 0;
    int command = 0;
    CommandSource source = CommandSource::Posted;
    int timerId = 0;
    bool toMoveList = false;
    // A button pressed on one of the window's controls (the move list, the
    // status bar) rather than on the board.
    bool onControl = false;

    static Message Key(int vk, int character = 0, bool ctrlDown = false, bool shiftDown = false)
    {
        Message m;
        m.kind = MessageKind::KeyDown;
        m.key = vk;
        m.ch = character;
        m.ctrl = ctrlDown;
        m.shift = shiftDown;
        return m;
    }
    static Message Mouse(MessageKind k, int px, int py)
    {
        Message m;
        m.kind = k;
        m.x = px;
        m.y = py;
        return m;
    }
    static Message ControlPress(MessageKind k, int px, int py)
    {
        Message m = Mouse(k, px, py);
        m.onControl = true;
        return m;
    }
    static Message Cmd(int id, CommandSource from)
    {
        Message m;
        m.kind = MessageKind::Command;
        m.command = id;
        m.source = from;
        return m;
    }
    static Message Tick(int id)
    {
        Message m;
        m.kind = MessageKind::Timer;
        m.timerId = id;
        return m;
    }
};

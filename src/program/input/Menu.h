// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Menu 222 and accelerator table 283 as data: the shell builds its menu bar
// and shortcuts from them, and the main window turns key presses into
// commands with AcceleratorCommand.

#include <array>
#include <span>
#include <string>

#include "program/platform/Message.h"

struct MenuItem {
    int id;
    const char* text;
    // The shortcut shown after a tab, "" for none.
    const char* shortcut;
    bool separatorAfter;

    // The text as stored: the label, a tab and the shortcut when there is one.
    std::string StoredText() const;
    // The status-bar prompt (the string of the same id; "" for none).
    std::string Prompt() const;
};

struct MenuPopup {
    const char* title;
    std::span<const MenuItem> items;
};

constexpr int MENU_ID = 222;
constexpr int ACCELERATOR_TABLE_ID = 283;

// The menu bar: "&File", "&Action", "&View", "&Help" with their items.
std::span<const MenuPopup> MenuBar();
// The pop-up menu of that title, or nullptr.
const MenuPopup* FindMenu(const std::string& title);

struct Accelerator {
    // A virtual key, or (when isChar) the character typed.
    int key;
    bool isChar;
    bool ctrl;
    int command;
};

// The accelerator table in its stored order.
std::span<const Accelerator> AcceleratorTable();

// The command a key-down message stands for, 0 when it is no accelerator.
// A virtual-key entry needs exactly its Ctrl state and no Shift (Space is
// Pass, Ctrl+Space Resign); a character entry matches the character typed
// without Ctrl.
int AcceleratorCommand(const Message& keyDown);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's key presses as the program's key-down messages, with the virtual-key
// codes the program knows.

#include <optional>

#include "program/platform/Message.h"

class QKeyEvent;

// Letters give 'A'..'Z' with or without Shift, the digits of the main keyboard
// '0'..'9' and those of the keypad VK_NUMPAD0..; `ch` is the character the key
// types (0 with Ctrl or for keys that type none). Keys pressed with Alt reach
// the menu bar, not the board: they give no message.
std::optional<Message> TranslateKey(const QKeyEvent& event);

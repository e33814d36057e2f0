// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every English text the program shows, whole or as the pattern it fills in:
// the string table, the menu, the dialogs' labels and buttons, the fixed
// texts of the move list and the About box. A translation of the program is
// complete when it has each of them.

#include <string>
#include <vector>

// Each text once, in a fixed order.
std::vector<std::string> ProgramTexts();

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Auto finish" dialog: finish the game fast (no pauses) or slow, or
// leave it.

#include <array>

#include "program/dialogs/DialogButton.h"

class FinishDlg {
public:
    static constexpr int IDD = 225;
    static constexpr const char* CAPTION = "Auto finish";
    static constexpr int ID_FAST = 3, ID_SLOW = 4, ID_CANCEL = 2;
    // Each button closes the dialog with its own id.
    static constexpr std::array<DialogButton, 3> BUTTONS{{
        {ID_FAST, "&Fast", true},
        {ID_SLOW, "&Slow", false},
        {ID_CANCEL, "Cancel", false},
    }};

    // Whether a result starts finishing (fast or slow) and, if so, fast.
    static constexpr bool Starts(int result) { return result == ID_FAST || result == ID_SLOW; }
    static constexpr bool IsFast(int result) { return result == ID_FAST; }
};

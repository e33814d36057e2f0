// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button of a dialog as the view shows it.

struct DialogButton {
    int id;
    const char* text;
    bool isDefault;
};

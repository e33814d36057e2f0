// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "About" box: the program's title in bold, its version, the date and
// time it was built, and two contact lines.

#include <string>

#include "program/dialogs/DialogButton.h"

class AboutDlg {
public:
    static constexpr int IDD = 323;
    static constexpr const char* CAPTION = "About";
    static constexpr int ID_TITLE = 204, ID_VERSION = 233, ID_DATE = 1202;
    // Read-only edit fields.
    static constexpr int ID_CONTACT_0 = 1245, ID_CONTACT_1 = 212;
    static constexpr DialogButton OK{2, "&OK", true};
    // The title's font weight (bold).
    static constexpr int TITLE_WEIGHT = 700;

    // The text of a static or edit field by id; "" for another id.
    std::string Text(int id) const;
    static constexpr bool IsBold(int id) { return id == ID_TITLE; }

    // The build date as "Tue Dec  8 16:55:19 2026", with the day padded by a
    // space as the build tools write it, from the compiler's date ("Dec  8
    // 2026") and time ("16:55:19"); the weekday is computed from the date. A
    // date that cannot be read is shown as given.
    static std::string BuildDateText(const char* date, const char* time);
    // The date and time this program was built.
    static std::string BuildDate();
};

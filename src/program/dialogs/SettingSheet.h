// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Settings" sheet: four pages, each with its own copies of the live
// settings, loaded when the page is first shown and applied on OK.
//
// The view shows the active page, reports tab changes to SetActivePage and
// OK to OnOk (both refuse while the page being left has a bad field: the view
// shows the prompt, focuses the field and stays), and closes with IDOK after
// an accepted OnOk or with IDCANCEL, which applies nothing.

#include <array>
#include <string>

#include "program/dialogs/DialogButton.h"
#include "program/dialogs/DiceOpts.h"
#include "program/dialogs/OptsPage.h"
#include "program/dialogs/PlayOpts.h"
#include "program/dialogs/SndOpts.h"
#include "program/dialogs/VisOpts.h"

class SettingSheet {
public:
    // The pages in tab order.
    enum PageIndex { PAGE_VISUAL = 0, PAGE_GAME = 1, PAGE_DICE = 2, PAGE_SOUNDS = 3, PAGES = 4 };
    static constexpr DialogButton OK{1, "OK", true};
    static constexpr DialogButton CANCEL{2, "Cancel", false};
    static constexpr DialogButton HELP{57670, "Help", false};

    // Opens on `startPage` (a page out of range opens "Visual"), which loads it.
    SettingSheet(const SheetContext& context, int startPage);
    SettingSheet(const SettingSheet&) = delete;
    SettingSheet& operator=(const SettingSheet&) = delete;

    // "Settings".
    static std::string Caption();
    static const char* PageTitle(int page);

    OptsPage& Page(int page);
    int ActivePage() const { return active; }
    bool WasShown(int page) const { return page >= 0 && page < PAGES && shown[page]; }

    // Leaves the active page for `page`: refused while the active page has a
    // bad field; a page shown for the first time loads the live settings.
    PageCheck SetActivePage(int page);
    // Checks the visible page, then applies every page shown in this opening
    // of the sheet, in tab order. Refused (nothing applied) on a bad field.
    PageCheck OnOk();

    VisOpts visual;
    PlayOpts game;
    DiceOpts dice;
    SndOpts sounds;

private:
    void Show(int page);

    std::array<bool, PAGES> shown{};
    int active = PAGE_VISUAL;
};

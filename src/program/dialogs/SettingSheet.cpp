// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/SettingSheet.h"

#include "program/app/StringTable.h"

SettingSheet::SettingSheet(const SheetContext& context, int startPage)
    : visual(context), game(context), dice(context), sounds(context)
{
    Show(startPage >= 0 && startPage < PAGES ? startPage : PAGE_VISUAL);
}

std::string SettingSheet::Caption() { return LoadString(IDS_SETTINGS_CAPTION); }

const char* SettingSheet::PageTitle(int page)
{
    switch (page) {
    case PAGE_VISUAL:
        return VisOpts::TITLE;
    case PAGE_GAME:
        return PlayOpts::TITLE;
    case PAGE_DICE:
        return DiceOpts::TITLE;
    case PAGE_SOUNDS:
        return SndOpts::TITLE;
    default:
        return "";
    }
}

OptsPage& SettingSheet::Page(int page)
{
    switch (page) {
    case PAGE_GAME:
        return game;
    case PAGE_DICE:
        return dice;
    case PAGE_SOUNDS:
        return sounds;
    default:
        return visual;
    }
}

void SettingSheet::Show(int page)
{
    active = page;
    if (shown[page]) return;
    shown[page] = true;
    Page(page).Load();
}

PageCheck SettingSheet::SetActivePage(int page)
{
    if (page < 0 || page >= PAGES || page == active) return {};
    const PageCheck check = Page(active).Validate();
    if (check.ok) Show(page);
    return check;
}

PageCheck SettingSheet::OnOk()
{
    const PageCheck check = Page(active).Validate();
    if (!check.ok) return check;
    for (int page = 0; page < PAGES; ++page)
        if (shown[page]) Page(page).Apply();
    return check;
}

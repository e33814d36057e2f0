// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/BackgClr.h"

#include <cstdio>
#include <optional>

#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/platform/Platform.h"

BackgClr::BackgClr(Platform& p, std::string path, Settings& appSettings, ColourSet& colours,
                   std::function<void()> refreshWindow)
    : platform(p), schemePath(std::move(path)), settings(appSettings), SchemeColour(colours),
      refresh(std::move(refreshWindow))
{
}

void BackgClr::Open()
{
    savedColours = SchemeColour;
    const int current = settings.CurScheme;
    shownScheme = current >= 0 && current < SCHEMES ? current : 0;
    schemes = ReadSchemes(schemePath);
    listEntries.clear();
    for (int i = 0; i < SCHEMES; ++i) {
        char entry[32];
        std::snprintf(entry, sizeof entry, LoadString(IDS_SCHEME, platform.Texts()), 'A' + i);
        listEntries.emplace_back(entry);
    }
}

LabelPaint BackgClr::LabelColours(int index) const
{
    if (index < 0 || index >= SCHEME_COLOURS) return {};
    const Colour c = schemes[shownScheme][index];
    return {c, WhiteTextOn(c)};
}

bool BackgClr::DefaultEnabled() const { return schemes[shownScheme] != DefaultSchemes[shownScheme]; }

int BackgClr::ColourIndexOf(int controlId)
{
    for (int i = 0; i < SCHEME_COLOURS; ++i)
        if (LABEL_IDS[i] == controlId || CHOOSE_IDS[i] == controlId) return i;
    return -1;
}

bool BackgClr::ChooseColour(int index)
{
    if (index < 0 || index >= SCHEME_COLOURS) return false;
    const std::optional<Colour> chosen = platform.ChooseColour(schemes[shownScheme][index]);
    if (!chosen) return false;
    schemes[shownScheme][index] = *chosen & 0xFFFFFF;
    SelectScheme(shownScheme);
    return true;
}

void BackgClr::SelectScheme(int n)
{
    if (n < 0 || n >= SCHEMES) return;
    shownScheme = n;
    SchemeColour = schemes[shownScheme];
    if (refresh) refresh();
}

void BackgClr::Default()
{
    schemes[shownScheme] = DefaultSchemes[shownScheme];
    SelectScheme(shownScheme);
}

void BackgClr::Ok()
{
    settings.CurScheme = shownScheme;
    // Normally the shown scheme is already in force; if the file changed
    // since start-up it may not be, and the board must show what is chosen.
    const bool changed = SchemeColour != schemes[shownScheme];
    SchemeColour = schemes[shownScheme];
    if (changed && refresh) refresh();
    WriteSchemes(schemePath, schemes);
}

void BackgClr::Cancel()
{
    SchemeColour = savedColours;
    if (refresh) refresh();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/AboutDlg.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "program/app/StringTable.h"

namespace {

constexpr std::array<const char*, 12> MONTHS{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 7> WEEKDAYS{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// Day of the week of a Gregorian date, 0 for Sunday.
constexpr int Weekday(int year, int month, int day)
{
    constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}
static_assert(Weekday(2026, 12, 8) == 2);
static_assert(Weekday(2000, 1, 1) == 6);

} // namespace

std::string AboutDlg::BuildDateText(const char* date, const char* time)
{
    const std::string fallback = std::string(date) + " " + time;
    char monthName[4] = {};
    int day = 0, year = 0;
    if (std::sscanf(date, "%3s %d %d", monthName, &day, &year) != 3) return fallback;
    int month = 0;
    for (int m = 0; m < 12; ++m)
        if (std::strcmp(MONTHS[m], monthName) == 0) month = m + 1;
    if (month == 0 || day < 1 || day > 31 || year < 1) return fallback;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %s %2d %s %d", WEEKDAYS[Weekday(year, month, day)], MONTHS[month - 1], day,
                  time, year);
    return buffer;
}

std::string AboutDlg::BuildDate() { return BuildDateText(__DATE__, __TIME__); }

std::string AboutDlg::Text(int id) const
{
    switch (id) {
    case ID_TITLE:
        return ApplicationTitle();
    case ID_VERSION:
        return AboutVersion();
    case ID_DATE:
        return BuildDate();
    case ID_CONTACT_0:
        return AboutContact(0);
    case ID_CONTACT_1:
        return AboutContact(1);
    default:
        return "";
    }
}

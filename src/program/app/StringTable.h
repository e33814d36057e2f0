// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts by id, and the scrambled fixed texts.

#include <string>
#include <vector>

class Catalogue;

enum StringId : int {
    IDS_ORDINAL_1 = 100, // "st "
    IDS_ORDINAL_2 = 101,
    IDS_ORDINAL_3 = 102,
    IDS_ORDINAL_4 = 103,
    IDS_FROM = 105,
    IDS_TO = 106,
    IDS_DICE = 107,
    IDS_COMPUTER_DOUBLES = 108,
    IDS_THINKING = 115,
    IDS_MOVING = 116,
    IDS_UNDO_HINT = 117,
    IDS_CANNOT_MOVE = 118,
    IDS_COMPUTER_LEADS = 119,
    IDS_YOU_LEAD = 120,
    IDS_THINKING_TIME = 230,
    IDS_EVEN = 232,
    IDS_NOT_ACCEPTED = 235,
    IDS_SETTINGS_CAPTION = 240,
    IDS_BOTH_DICE = 1047,
    IDS_SCHEME = 1048,
    IDS_POSITION_FILTER = 1049,
    IDS_TEXT_FILTER = 1050,
    IDS_WAVE_FILTER = 1051,
    IDS_LEAVE_FROM = 57345,
    // Texts shown by the program that carry no id of their own elsewhere.
    IDS_MOVE_TO = 2001,
    IDS_BAR_FIRST = 2002,
    IDS_NO_MOVE = 2003,
    IDS_KEEP_ESC = 2004,
    IDS_START_NEW_GAME = 2005,
    IDS_RESET_SCORES = 2006,
    IDS_INVALID_POSITION = 2007,
    IDS_INVALID_ROLLS = 2008,
    IDS_NOT_FOUND = 2009,
    IDS_CANNOT_SAVE_POSITION = 2010,
    IDS_CANNOT_SHOW = 2011,
    IDS_GAME_RESUMED = 2020,
    IDS_MATCH_FILTER = 2021,
    IDS_CANNOT_EXPORT = 2022,
    IDS_EXPORT_NOT_FROM_START = 2023,
    IDS_CANNOT_WRITE_SETTINGS = 2030,
    IDS_POSITION_ID_COPIED = 2040,
    IDS_NO_POSITION_ID = 2041,
    IDS_HINTS_UNAVAILABLE = 2042,
    IDS_ANALYSIS_UNAVAILABLE = 2060,
    IDS_ANALYSIS_NOT_FROM_START = 2061,
    IDS_TUTOR_DOUBTFUL = 2050, // then 2051 bad, 2052 very bad
    IDS_TUTOR_UNAVAILABLE = 2053,
    IDS_MARK_DOUBTFUL = 2054, // then 2055 bad, 2056 very bad
    IDS_TUTOR_DOUBLE = 2057,
    IDS_TUTOR_TAKE = 2058,
    IDS_TUTOR_PASS = 2059,
};

// The text of a string id ("" for an unknown id). The command ids of the
// menu give their status-bar prompts.
const char* LoadString(int id);
// The text of a string id in the catalogue's language.
const char* LoadString(int id, const Catalogue& texts);
// Every text of the string table, in its order.
std::vector<const char*> StringTableTexts();

// The fixed texts stored scrambled: each byte of the stored text is the
// plain byte plus 100 (modulo 256).
std::string Unscramble(const unsigned char* stored);

// The application's title: the window caption and the first line of the move list.
std::string ApplicationTitle();
// The banner lines of the move list, its two texts appended before the year,
// and the About box's version and contact lines.
std::string BannerLine(int n);   // n = 0, 1, 2
std::string BannerSuffix(int n); // n = 0, 1
std::string AboutVersion();
std::string AboutContact(int n); // n = 0, 1

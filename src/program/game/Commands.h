// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command ids of the menu, the accelerators, the buttons and the commands the
// program posts to itself.

constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57604;
constexpr int ID_SETTINGS = 229;
constexpr int ID_RESET_SCORES = 226;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_SHOW_PROGRESS = 209;
constexpr int ID_UNDO = 216;
constexpr int ID_DOUBLE = 227;
constexpr int ID_PASS = 218;
constexpr int ID_RESIGN = 32774;
constexpr int ID_SUGGEST_MOVE = 32773;
constexpr int ID_SWITCH_SIDES = 32771;
constexpr int ID_FINISH_GAME = 32772;
constexpr int ID_COLOURS = 32770;
constexpr int ID_REDRAW = 32769;
constexpr int ID_HELP = 57670;
constexpr int ID_DOCUMENTATION = 32787;
constexpr int ID_EXPORT_GAME = 32788;
constexpr int ID_EXPORT_LAST_GAME = 32789;
constexpr int ID_COPY_POSITION_ID = 32790;
constexpr int ID_PASTE_POSITION_ID = 32791;
constexpr int ID_HINTS = 32792;
constexpr int ID_ANALYSE_GAME = 32793;
constexpr int ID_TUTOR = 32794;
// Posted at the end of the human's play while the tutor watches.
constexpr int ID_TUTOR_CHECK = 32795;
constexpr int ID_APP_ABOUT = 57664;

// Posted by the program to itself.
constexpr int ID_COMPUTER_TURN = 32775;
constexpr int ID_PLAY_FORCED = 32776;

// The blink timer of the move list's underscore.
constexpr int BLINK_TIMER = 219;
constexpr int BLINK_INTERVAL_MS = 400;

// Help contexts.
constexpr int HELP_SETTINGS = 155;
constexpr int HELP_COLOURS = 105;
constexpr int HELP_RESIGN = 115;
constexpr int HELP_AUTO_FINISH = 120;

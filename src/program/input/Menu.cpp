// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/input/Menu.h"

#include "program/app/StringTable.h"
#include "program/game/Commands.h"

namespace {

constexpr MenuItem FILE_ITEMS[] = {
    {ID_FILE_NEW, "&New game", "Ctrl+N", true},
    {ID_FILE_OPEN, "&Open...", "Ctrl+O", false},
    {ID_FILE_SAVE, "&Save...", "Ctrl+S", false},
    {ID_EXPORT_GAME, "Export &game...", "Ctrl+E", false},
    {ID_EXPORT_LAST_GAME, "Export &last game...", "", false},
    {ID_COPY_POSITION_ID, "&Copy position ID", "Ctrl+I", false},
    {ID_PASTE_POSITION_ID, "&Paste position ID", "Ctrl+V", true},
    {ID_SETTINGS, "S&ettings...", "F9", true},
    {ID_RESET_SCORES, "&Reset scores", "", true},
    {ID_APP_EXIT, "E&xit", "", false},
};

constexpr MenuItem ACTION_ITEMS[] = {
    {ID_SHOW_PROGRESS, "Show &progress", "?", false},  {ID_UNDO, "&Undo", "Esc", false},
    {ID_DOUBLE, "&Double", "Ctrl+D", false},           {ID_PASS, "&Pass", "Space", false},
    {ID_RESIGN, "&Resign...", "Ctrl+Space", true},     {ID_SUGGEST_MOVE, "Suggest &move", "Ctrl+M", false},
    {ID_HINTS, "&Hints...", "Ctrl+H", false},          {ID_TUTOR, "&Tutor...", "", false},
    {ID_ANALYSE_GAME, "&Analyse game...", "", true},   {ID_SWITCH_SIDES, "S&witch sides", "Ctrl+W", false},
    {ID_FINISH_GAME, "&Finish game", "Ctrl+F", false},
};

constexpr MenuItem VIEW_ITEMS[] = {
    {ID_COLOURS, "&Colors...", "Ctrl+C", false},
    {ID_REDRAW, "&Redraw", "Ctrl+R", false},
};

constexpr MenuItem HELP_ITEMS[] = {
    {ID_HELP, "&Help", "F1", false},
    {ID_DOCUMENTATION, "&Documentation", "", true},
    {ID_APP_ABOUT, "&About", "", false},
};

constexpr MenuPopup MENU_BAR[] = {
    {"&File", FILE_ITEMS},
    {"&Action", ACTION_ITEMS},
    {"&View", VIEW_ITEMS},
    {"&Help", HELP_ITEMS},
};

// Letters have the virtual key of their capital.
constexpr int LetterKey(char c) { return VK_A + (c - 'A'); }

constexpr Accelerator ACCELERATORS[] = {
    {LetterKey('N'), false, true, ID_FILE_NEW},
    {VK_F2, false, false, ID_FILE_NEW},
    {LetterKey('O'), false, true, ID_FILE_OPEN},
    {LetterKey('S'), false, true, ID_FILE_SAVE},
    {LetterKey('E'), false, true, ID_EXPORT_GAME},
    {LetterKey('I'), false, true, ID_COPY_POSITION_ID},
    {LetterKey('V'), false, true, ID_PASTE_POSITION_ID},
    {VK_F9, false, false, ID_SETTINGS},
    {'?', true, false, ID_SHOW_PROGRESS},
    {'/', true, false, ID_SHOW_PROGRESS},
    {VK_ESCAPE, false, false, ID_UNDO},
    {LetterKey('D'), false, true, ID_DOUBLE},
    {VK_SPACE, false, false, ID_PASS},
    {VK_SPACE, false, true, ID_RESIGN},
    {LetterKey('M'), false, true, ID_SUGGEST_MOVE},
    {LetterKey('H'), false, true, ID_HINTS},
    {LetterKey('W'), false, true, ID_SWITCH_SIDES},
    {LetterKey('F'), false, true, ID_FINISH_GAME},
    {LetterKey('C'), false, true, ID_COLOURS},
    {LetterKey('R'), false, true, ID_REDRAW},
    {VK_F1, false, false, ID_HELP},
};

} // namespace

std::string MenuItem::StoredText() const
{
    std::string text = this->text;
    if (*shortcut != '\0') text += std::string("\t") + shortcut;
    return text;
}

std::string MenuItem::Prompt() const { return LoadString(id); }

std::span<const MenuPopup> MenuBar() { return MENU_BAR; }

const MenuPopup* FindMenu(const std::string& title)
{
    for (const MenuPopup& popup : MENU_BAR)
        if (title == popup.title) return &popup;
    return nullptr;
}

std::span<const Accelerator> AcceleratorTable() { return ACCELERATORS; }

int AcceleratorCommand(const Message& keyDown)
{
    if (keyDown.kind != MessageKind::KeyDown) return 0;
    for (const Accelerator& a : ACCELERATORS) {
        if (a.isChar) {
            if (keyDown.ch == a.key && !keyDown.ctrl) return a.command;
        } else if (keyDown.key == a.key && keyDown.ctrl == a.ctrl && !keyDown.shift) {
            return a.command;
        }
    }
    return 0;
}

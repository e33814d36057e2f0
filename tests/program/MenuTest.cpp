// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "program/game/Commands.h"
#include "program/input/Menu.h"

namespace {

int Press(int vk, bool ctrl = false, int ch = 0, bool shift = false)
{
    return AcceleratorCommand(Message::Key(vk, ch, ctrl, shift));
}

TEST(Menu, AcceleratorsByKey)
{
    EXPECT_EQ(Press('N', true), 57600);
    EXPECT_EQ(Press(VK_F2), 57600);
    EXPECT_EQ(Press('O', true), 57601);
    EXPECT_EQ(Press('S', true), 57604);
    EXPECT_EQ(Press(VK_F9), 229);
    EXPECT_EQ(Press(VK_OEM_2, false, '?', true), 209);
    EXPECT_EQ(Press(VK_OEM_2, false, '/'), 209);
    EXPECT_EQ(Press(VK_ESCAPE), 216);
    EXPECT_EQ(Press('D', true), 227);
    EXPECT_EQ(Press(VK_SPACE, false, ' '), 218);
    EXPECT_EQ(Press(VK_SPACE, true), 32774);
    EXPECT_EQ(Press('M', true), 32773);
    EXPECT_EQ(Press('H', true), 32792);
    EXPECT_EQ(Press('W', true), 32771);
    EXPECT_EQ(Press('F', true), 32772);
    EXPECT_EQ(Press('C', true), 32770);
    EXPECT_EQ(Press('R', true), 32769);
    EXPECT_EQ(Press(VK_F1), 57670);

    // Letters without Ctrl are moves, not commands; other modifiers do not match.
    EXPECT_EQ(Press('N', false, 'n'), 0);
    EXPECT_EQ(Press('D', false, 'd'), 0);
    EXPECT_EQ(Press(VK_F1, true), 0);
    EXPECT_EQ(Press(VK_ESCAPE, true), 0);
    EXPECT_EQ(Press(VK_SPACE, false, ' ', true), 0);
    EXPECT_EQ(Press('N', true, 0, true), 0);
    EXPECT_EQ(Press(VK_RETURN, false, '\r'), 0);
    Message click = Message::Mouse(MessageKind::LButtonUp, 1, 1);
    click.key = VK_F1;
    EXPECT_EQ(AcceleratorCommand(click), 0);
}

TEST(Menu, MenuBarAsStored)
{
    const auto bar = MenuBar();
    ASSERT_EQ(bar.size(), 4u);
    EXPECT_STREQ(bar[0].title, "&File");
    EXPECT_STREQ(bar[3].title, "&Help");
    const MenuPopup* action = FindMenu("&Action");
    ASSERT_NE(action, nullptr);
    ASSERT_EQ(action->items.size(), 11u);
    const MenuItem& hints = action->items[6];
    EXPECT_EQ(hints.StoredText(), "&Hints...\tCtrl+H");
    EXPECT_EQ(hints.Prompt(), "List the best plays of your roll with their equities");
    EXPECT_FALSE(hints.separatorAfter);
    const MenuItem& tutor = action->items[7];
    EXPECT_EQ(tutor.StoredText(), "&Tutor...");
    EXPECT_EQ(tutor.Prompt(), "Be warned before a weak play of yours passes");
    EXPECT_FALSE(tutor.separatorAfter);
    EXPECT_FALSE(action->items[5].separatorAfter);
    // Analyse game has no shortcut; its access key is its own in the menu.
    const MenuItem& analyse = action->items[8];
    EXPECT_EQ(analyse.id, ID_ANALYSE_GAME);
    EXPECT_EQ(analyse.StoredText(), "&Analyse game...");
    EXPECT_EQ(analyse.Prompt(), "Judge every play and cube action of the game");
    EXPECT_TRUE(analyse.separatorAfter);
    const MenuItem& resign = action->items[4];
    EXPECT_EQ(resign.id, 32774);
    EXPECT_EQ(resign.StoredText(), "&Resign...\tCtrl+Space");
    EXPECT_EQ(resign.Prompt(), "Give up this game");
    EXPECT_TRUE(resign.separatorAfter);
    const MenuItem& exportGame = FindMenu("&File")->items[3];
    EXPECT_EQ(exportGame.id, ID_EXPORT_GAME);
    EXPECT_EQ(exportGame.StoredText(), "Export &game...\tCtrl+E");
    EXPECT_EQ(exportGame.Prompt(), "Write the game so far to a match file for analysis");
    EXPECT_FALSE(exportGame.separatorAfter);
    const MenuItem& exportLast = FindMenu("&File")->items[4];
    EXPECT_EQ(exportLast.id, ID_EXPORT_LAST_GAME);
    EXPECT_EQ(exportLast.StoredText(), "Export &last game...");
    EXPECT_EQ(exportLast.Prompt(), "Write the game finished last to a match file for analysis");
    EXPECT_FALSE(exportLast.separatorAfter);
    const MenuItem& paste = FindMenu("&File")->items[6];
    EXPECT_EQ(paste.id, ID_PASTE_POSITION_ID);
    EXPECT_EQ(paste.StoredText(), "&Paste position ID\tCtrl+V");
    EXPECT_EQ(paste.Prompt(), "Set up the position whose ID is on the clipboard");
    EXPECT_EQ(FindMenu("&File")->items[8].StoredText(), "&Reset scores");
    EXPECT_EQ(FindMenu("&File")->items[9].Prompt(), "");
    EXPECT_EQ(FindMenu("&View")->items[0].Prompt(), "Choose or edit a color scheme");
    EXPECT_EQ(FindMenu("&Tools"), nullptr);

    // Separators after New game, Paste position ID, Settings, Reset scores,
    // Resign, Analyse game and Documentation.
    std::string separated;
    for (const MenuPopup& popup : bar)
        for (const MenuItem& item : popup.items)
            if (item.separatorAfter) separated += std::to_string(item.id) + " ";
    EXPECT_EQ(separated, "57600 32791 229 226 32774 32793 32787 ");

    // No two items of the File menu share an access key.
    std::string keys;
    for (const MenuItem& item : FindMenu("&File")->items) {
        const char* amp = std::strchr(item.text, '&');
        ASSERT_NE(amp, nullptr) << item.text;
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(amp[1])));
        EXPECT_EQ(keys.find(key), std::string::npos) << item.text;
        keys += key;
    }

    // Every shortcut shown on a menu item is in the accelerator table.
    for (const MenuPopup& popup : bar) {
        for (const MenuItem& item : popup.items) {
            if (*item.shortcut == '\0') continue;
            bool found = false;
            for (const Accelerator& a : AcceleratorTable()) found = found || a.command == item.id;
            EXPECT_TRUE(found) << item.text;
        }
    }
}

} // namespace

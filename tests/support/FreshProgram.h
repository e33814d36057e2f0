#pragma once

// Puts the program-wide state back to what a freshly started program holds,
// so that each test starts the window as a player starts the game.

#include "app/Settings.h"
#include "board/Board.h"
#include "dialogs/StatDlg.h"
#include "files/ColourScheme.h"
#include "game/GameGlobals.h"

inline void ResetProgramState()
{
    ResetSettingsToDefaults();
    ResetGameGlobals();
    BoardTable = BoardData{};
    CurrentPlayer = NOBODY;
    SchemeColour = DefaultSchemes[0];
    InMemoryWinGraph = WinGraph{};
}

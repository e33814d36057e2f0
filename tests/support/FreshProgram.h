#pragma once

// Puts the program-wide state back to what a freshly started program holds,
// so that each test starts the window as a player starts the game.

#include "core/board/Board.h"
#include "core/files/ColourScheme.h"
#include "core/settings/Settings.h"
#include "program/dialogs/StatDlg.h"
#include "program/game/GameGlobals.h"

inline void ResetProgramState()
{
    ResetSettingsToDefaults();
    ResetGameGlobals();
    SchemeColour = DefaultSchemes[0];
    InMemoryWinGraph = WinGraph{};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the parts of the main window share: the platform, the settings and the
// files, the window's queue, the state of the game, and each other. BackgWnd
// makes one and hands it to every part it owns; a part keeps what it uses.

#include "core/settings/Paths.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "program/game/GameState.h"
#include "program/platform/MessageQueue.h"
#include "program/platform/Platform.h"

class BoardView;
class SidePanel;
class MoveInput;
class DoublingCube;
class TurnCycle;
class SavedGame;
class CommandTable;
class ExpertPlayer;

struct WindowContext {
    Platform& platform;
    Settings& settings;
    const AppPaths& paths;
    Profile& profile;
    MessageQueue& queue;
    GameState& game;

    BoardView& view;
    SidePanel& panel;
    MoveInput& input;
    DoublingCube& cube;
    TurnCycle& turns;
    SavedGame& kept;
    CommandTable& commands;
    // The Expert level, with or without its networks.
    ExpertPlayer& expert;

    // Set by the Exit command and by a close of the window: nothing more is handled.
    bool quitRequested = false;

    // Posts a command to the window itself; it is handled before input that waits.
    // The level the computer plays at: the settings' level, or "Good" when
    // they ask for the Expert and it has no weights.
    int PlayedLevel() const;

    void PostCommand(int id) { queue.Post(Message::Cmd(id, CommandSource::Posted)); }
    // Removes every queued input, command and timer message, and the input the
    // window system holds but has not delivered yet.
    void FlushInput()
    {
        queue.FlushInput();
        platform.DropPendingInput();
    }
};

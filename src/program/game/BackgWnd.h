// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window. It owns the state of the game and the parts that work on
// it (the turn cycle, the cube, move input, the side panel, the board's view
// and the command table) and routes the window system's messages to them.
// It talks to the window system only through the Platform.

#include "core/settings/Paths.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"
#include "program/game/DoublingCube.h"
#include "program/game/ExpertPlayer.h"
#include "program/game/GameState.h"
#include "program/game/SavedGame.h"
#include "program/game/TurnCycle.h"
#include "program/game/WindowContext.h"
#include "program/input/CommandTable.h"
#include "program/input/MoveInput.h"
#include "program/platform/MainWindow.h"
#include "program/platform/MessageQueue.h"
#include "program/platform/Platform.h"
#include "program/view/BoardView.h"
#include "program/view/SidePanel.h"

class BackgWnd : public MainWindow {
public:
    // Creates the window: seeds the generator, reads the settings into
    // `settings` and the colour scheme, starts the blink timer and the first
    // game. `expertWeights` are the Expert level's networks, read at start-up
    // (none: the level is not available).
    BackgWnd(Platform& platform, const AppPaths& paths, Settings& settings, ExpertWeights expertWeights = {});
    ~BackgWnd() override;
    BackgWnd(const BackgWnd&) = delete;
    BackgWnd& operator=(const BackgWnd&) = delete;

    // --- MainWindow ---
    void Post(const Message& m) override { queue.Post(m); }
    // Handles queued messages until the queue is empty (a nested call leaves
    // them to the outer one).
    void PumpMessages() override;
    bool HasMessages() const override { return !queue.Empty() || expertNoticePending; }
    bool IsCommandEnabled(int id) const override { return commands.IsCommandEnabled(id); }
    bool QuitRequested() const override { return context.quitRequested; }
    void RequestQuit() override { context.quitRequested = true; }
    void OnSize() override { view.OnSize(); }
    void OnPaint() override { view.OnPaint(); }

    // Handles one message as the window system delivers it: the
    // pre-translation hook, accelerators, then the part that handles it.
    void Dispatch(const Message& m);
    void PostCommand(int id) { context.PostCommand(id); }

    // The state and the parts, for the shell and the tests.
    GameState& Game() { return game; }
    const GameState& Game() const { return game; }
    Settings& Options() { return settings; }
    MessageQueue& Queue() { return queue; }
    BoardView& View() { return view; }
    SidePanel& Panel() { return panel; }
    MoveInput& Input() { return input; }
    DoublingCube& Cube() { return cube; }
    TurnCycle& Turns() { return turns; }
    SavedGame& Kept() { return kept; }
    CommandTable& Commands() { return commands; }
    ExpertPlayer& Expert() { return expert; }

private:
    // The end-of-turn confirmation; true when the message was consumed.
    bool PreTranslateMessage(const Message& m);

    // The members are made in the order below and destroyed in the reverse,
    // and the order matters. The context holds only references to the parts,
    // so it may name them before they are made. The view comes before the
    // game because the game's board is made of drawn locations that draw
    // through the view, even as they go: the destructor takes the board down
    // (erasing every piece and emptying the trays' labels) while the view and
    // the platform's controls still stand, and only then lets go of the
    // platform. The parts after the game reach it and each other through the
    // context and do nothing as they are destroyed.
    Platform& platform;
    Settings& settings;
    AppPaths paths;
    Profile profile;
    MessageQueue queue;
    WindowContext context;
    BoardView view;
    GameState game;
    SidePanel panel;
    MoveInput input;
    DoublingCube cube;
    TurnCycle turns;
    SavedGame kept;
    CommandTable commands;
    ExpertPlayer expert;
    // How deep PumpMessages is nested (a dialog's loop inside a handler).
    int pumpDepth = 0;
    // Whether the player has been told that the settings file cannot be written.
    bool toldWriteFailed = false;
    // The settings ask for the Expert and it has no weights: the player is
    // told at the first handling of messages, over the painted board.
    bool expertNoticePending = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the menu, the accelerators, the cube button and those the
// program posts to itself: a table of each command's enabling rule and
// handler, and the handlers that belong to no other part of the window.

#include <span>
#include <string>

#include "program/game/WindowContext.h"

class CommandTable {
public:
    explicit CommandTable(WindowContext& context);

    // Whether a command from the menu or an accelerator is carried out now
    // (posted commands always are).
    bool IsCommandEnabled(int id) const;
    // Carries out a command; from the menu or an accelerator only when enabled.
    void OnCommand(int id, CommandSource source);
    // Whether the table has the command.
    static bool Handles(int id) { return Find(id) != nullptr; }

    void OnNewGameCommand();
    void OnResetScores();
    // Space, or a click beside the board: the human passes when no move is possible.
    void OnPass();
    void OnResign();
    // The computer's choice for the human's dice, played as the human's moves.
    void OnSuggestMove();
    // The Expert's best plays of the human's roll listed with their equities
    // and chances; the one chosen is played while the roll is still to be.
    void OnHints();
    // The Expert's judgement of the game Export game would write, shown
    // once it is complete.
    void OnAnalyseGame();
    // The tutor's dialog: on or off, and from which mark it warns.
    void OnTutor();
    void OnSwitchSides();
    // The program plays both sides until the game ends or Esc is held.
    void OnFinishGame();
    void OnHelp();
    void OnDocumentation();
    void OnAbout();
    void OnOpen();
    void OnSave();
    // Writes the game so far (or, before the first move of a game, the game
    // finished last) to a match file that analysis programs import.
    void OnExportGame();
    // Writes the game finished last, from its end until the next game ends.
    void OnExportLastGame();
    void OnCopyPositionId();
    void OnPastePositionId();
    // Runs the settings sheet on the page it was last closed on.
    void OnSettings();
    // Rebuilds the board for the other direction of play, keeping the
    // position, the roll and the position the turn started from.
    void ReverseDirection(bool clockWise);
    // Runs the colours dialog over the live board.
    void OnColours();
    void OnExit();

    // The page the settings sheet was last closed on.
    int LastSettingsPage() const { return lastSettingsPage; }

private:
    struct Entry {
        int id;
        // Null: always enabled.
        bool (*enabled)(const CommandTable&);
        void (*run)(CommandTable&);
    };
    static std::span<const Entry> Table();
    // Whether the Expert's networks were read; if not, says so with the
    // text of `unavailableText`, its %s standing for the reason.
    bool ExpertReady(int unavailableText);
    static const Entry* Find(int id);

    WindowContext& ctx;
    Platform& platform;
    Settings& settings;
    GameState& game;
    int lastSettingsPage = 0;
};

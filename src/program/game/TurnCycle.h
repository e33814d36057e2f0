// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turn cycle, from the opening roll to the score: the human's turn with
// its prompts, forced moves and confirmation, the computer's turn, the end of
// a game and the next one. It also answers what a roll asks of the program.

#include <functional>
#include <string>

#include "core/dice/DiceRecord.h"
#include "program/game/WindowContext.h"

// Pauses of the turn cycle, in milliseconds (none while finishing quick).
// Before the dice sound of a roll.
constexpr int DICE_SOUND_PAUSE_MS = 250;
// Before a refused move is taken off the move list.
constexpr int REFUSED_MOVE_PAUSE_MS = 200;
// The computer's thinking, at least, before it moves (none in a race).
constexpr int COMPUTER_MOVE_PAUSE_MS = 1500;
// A computer closed out on the bar passes after this.
constexpr int CLOSED_OUT_PAUSE_MS = 100;

class TurnCycle : public DiceHost {
public:
    explicit TurnCycle(WindowContext& context);

    // Builds the board in the standard position and rolls the opening roll,
    // which decides who starts (or replays the last game's rolls).
    void NewGame();
    // Rolls for the side to move next (not in the opening turn) and prompts.
    void StartTurn();
    // Lists the prompt for the human's next move and posts the forced moves;
    // `restart` takes the refused attempt off the list first. Does nothing
    // outside the human's turn.
    void PromptHumanMove(bool restart);
    // Plays one move: animated, recorded on the undo stack, the die removed.
    // False when the move ended the game.
    bool ApplyMove(MovePair pair);
    // Moves a piece with animation; a target off the board is the mover's tray.
    void TransferPiece(int from, int to);
    // The human's dice are used: the turn passes now or waits for
    // confirmation, or, while the tutor watches, once the tutor has looked.
    void FinishHumanTurn();
    // The tutor judges the human's play just made: a play at or beyond its
    // threshold is shown with the choice of playing it anyway, taking it
    // back, or taking it back to see the hints.
    void CheckWithTutor();
    // The human's turn is over: the game is kept as the human left it, and
    // the computer's turn comes next.
    void PassToComputer();
    // The human's turn is ended as FinishHumanTurn ends it, the tutor aside.
    void EndHumanTurn();
    void PlayForcedMoves();
    // Plays a move the program chose for the human (forced or suggested): it
    // is written into the prompt line as if typed, and input given meanwhile
    // is dropped. False when the move ended the game.
    bool PlayChosenMove(MovePair move);
    // The computer's turn: a double perhaps, the roll, the search, the moves.
    void PlayComputerTurn();
    // Fills the rules' bestFrom/bestDice and the dice record with the
    // computer's play at the level played, as ChooseMove does, and returns
    // the milliseconds the choice took.
    int ChooseComputerMove();
    // Scores the game, shows the statistics and starts the next game or quits.
    void EndGame(int winner, bool gammonCheck);
    // Makes the rules anew over the board and the dice.
    void MakeRules();

    // Whether the side to move sees its roll: a side on its bar that cannot
    // enter sees none, at any start of its turn (nothing is shown, listed or
    // counted).
    bool RollSeen() const;
    // Counts the roll of the side to move into its pips and doubles rolled.
    void CountRoll();
    // "Dice: 6+5".
    std::string DiceLine() const;
    void StartClock(int player);
    void StopClock(int player);
    // Waits ms milliseconds unless the program finishes a game quick.
    void Pause(int ms);

    // DiceHost
    void AskManualDice(DiceRecord& record) override;
    void InvalidRollsFile() override;
    bool IsAutoPlay() const override;
    std::string RollsPath() const override;

    // Told of every piece moved by the turn cycle or Undo, before it moves
    // (checks of the program's own moves hang on it).
    std::function<void(int from, int to)> onTransfer;

private:
    WindowContext& ctx;
    Platform& platform;
    Settings& settings;
    GameState& game;
};

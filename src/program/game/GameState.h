// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the game in progress, and what is counted from game to game:
// the board with the side to move, the rules, the dice, the turn, the cube
// and the statistics. The main window owns one; its parts work on it.

#include <array>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/board/Board.h"
#include "core/board/PositionId.h"
#include "core/board/RulesEngine.h"
#include "core/dice/DiceRecord.h"
#include "core/dice/Random.h"
#include "core/files/MatchFile.h"
#include "core/files/PositionFile.h"
#include "core/files/WinGraph.h"
#include "core/neural/Cube.h"

// One move of a piece: (from, to) locations, NO_VALUE in both when empty;
// `hit` tells a move played in the turn that it sent a lone opposing piece to
// the bar, so that Undo puts back only a piece its move hit.
struct MovePair {
    std::uint8_t from = NO_VALUE;
    std::uint8_t to = NO_VALUE;
    bool hit = false;
};

struct GameState {
    explicit GameState(LocationFactory factory) : board(std::move(factory)) {}
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    MovePair& CurrentMove() { return TurnMoves[CurrentMoveIndex]; }
    const MovePair& CurrentMove() const { return TurnMoves[CurrentMoveIndex]; }
    int CurrentPlayer() const { return board.CurrentPlayer; }
    // The animation, the pauses and the move and hit sounds are skipped.
    bool FinishingQuick() const { return AutoPlay && FastFinish; }

    Random random;
    // The live board, with the side to move and the table of the position
    // the turn started from.
    Board board;
    // Made anew at every new game and every change of direction.
    std::unique_ptr<RulesEngine> rules;
    // Made at the first game and kept: the rolls file stays open from game to game.
    std::unique_ptr<DiceRecord> dice;

    // The turn.
    int Starter = 0;
    int Winner = 0;
    int MovesMade = 0;
    // The human's moves of the turn (the undo stack); after the fourth move
    // CurrentMove is the fifth, unused entry.
    std::array<MovePair, 5> TurnMoves{};
    int CurrentMoveIndex = 0;
    bool OpeningTurn = false;
    bool FirstGame = true;
    bool ReplayRolls = false;
    // The human's dice are played; a key or click ends the turn.
    bool WaitingConfirm = false;
    // The suggested move was played: the turn waits for confirmation.
    bool HoldTurn = false;
    bool UndoInProgress = false;
    bool BothDicePlayable = false;
    // A move was taken back in this turn; blocks automatic forced moves.
    bool UndoUsed = false;
    // The program plays both sides (Finish game); FastFinish skips every
    // pause, animation delay and the move and hit sounds meanwhile.
    bool AutoPlay = false;
    bool FastFinish = false;

    // The doubling cube.
    int CubeValue = 1;
    int CubeOwner = 0;
    bool ComputerMayDouble = true;

    // Statistics, indexed by player (slot 0 unused); each stops at the int32
    // limits rather than wrapping round.
    std::array<int, 3> ScoreSinceStart{0, 0, 0};
    std::array<int, 3> HitsMade{0, 0, 0};
    std::array<int, 3> PipsRolled{0, 0, 0};
    std::array<int, 3> DoublesRolled{0, 0, 0};
    // The milliseconds each side has thought, as far as its clock was stopped.
    std::array<int, 3> ThinkingTime{0, 0, 0};
    // Whether a side's clock runs, and the tick count it was started at. Kept
    // apart from ThinkingTime, so that a clock stays sound whatever the time
    // a file gave and however long the system has been up.
    std::array<bool, 3> ClockRunning{false, false, false};
    std::array<std::uint32_t, 3> ClockStart{0, 0, 0};
    // The graph record kept between games; each statistics dialog reads the
    // file over it again.
    WinGraph graph{};
    // Every roll, move and cube action of the game, and of the game finished
    // last, for export.
    GameRecord record;
    GameRecord finished;
    // The game finished last as Export last game writes it, held from the
    // end of that game (or from its file at start-up) until the next game
    // ends; the text is empty for a game that did not begin in the starting
    // position.
    bool lastGameHeld = false;
    std::string lastGameText;
};

// The match-file text of a game as Export writes it, dated `now`.
std::string ExportedGameText(const MatchGame& game, std::time_t now);

// The game as a position file holds it.
PositionFileData CurrentPositionData(const GameState& game);

// Where the cube is as `player` sees it.
CubeHolder CubeHolderFor(const GameState& game, int player);

// The roll the side to move began its turn with, while that turn is open
// (the dice keep only what is left of it).
std::optional<std::pair<int, int>> OpenRoll(const GameState& game);

// The Position ID and Match ID of the game joined for the clipboard: in the
// human's turn once a piece has moved, of the turn's start with its roll
// (the decision as it stood), else of the board as it is, with the roll of
// the side to move while its turn is open.
std::string CopiedGameIds(const GameState& game);

// The game's position data with a pasted position in place of its board,
// and the pasted cube where the IDs give one (held to the cube's 64).
PositionFileData PastedPositionData(const GameState& game, const PastedIds& pasted);

// The human's remaining dice played by the computer's search ("Good"), as moves.
std::vector<MovePair> SuggestedMoves(GameState& game, bool useBook);

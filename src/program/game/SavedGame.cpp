// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/SavedGame.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/files/AtomicFile.h"
#include "core/files/RegularFile.h"
#include "program/app/StringTable.h"
#include "program/game/DoublingCube.h"
#include "program/game/TurnCycle.h"
#include "program/input/MoveInput.h"
#include "program/view/SidePanel.h"

namespace {

// A whole roll with nothing of it played: two dice, or four of a doublet.
bool IsRoll(const PositionFileData& d)
{
    auto die = [](int v) { return v >= 1 && v <= 6; };
    if (!die(d.die[0]) || !die(d.die[1])) return false;
    if (d.die[0] != d.die[1]) return d.moves == 2 && d.die[2] == NO_VALUE && d.die[3] == NO_VALUE;
    return d.moves == 4 && d.die[2] == d.die[0] && d.die[3] == d.die[0];
}

} // namespace

SavedGame::SavedGame(WindowContext& context) : ctx(context), game(context.game) {}

void SavedGame::StartOrResume()
{
    if (const std::optional<PositionFileData> data = ReadSavedGame(ctx.paths.savedGamePath)) {
        kept = EncodePositionFile(*data);
        Resume(*data);
    } else {
        ctx.turns.NewGame();
    }
}

void SavedGame::TakeFigures(const PositionFileData& d)
{
    game.ThinkingTime = {0, d.thinkingTimeComputer, d.thinkingTimeHuman};
    game.ClockRunning = {false, false, false};
    game.PipsRolled = {0, d.pipsRolledComputer, d.pipsRolledHuman};
    game.DoublesRolled = {0, d.doublesRolledComputer, d.doublesRolledHuman};
    game.HitsMade = {0, d.hitsMadeComputer, d.hitsMadeHuman};
    game.CubeValue = d.cubeValue;
    game.CubeOwner = d.cubeOwner;
    game.ComputerMayDouble = d.computerMayDouble != 0;
    // A turn from a file has nothing of it played, undone or suggested.
    game.MovesMade = 0;
    game.CurrentMoveIndex = 0;
    game.TurnMoves.fill(MovePair{});
    game.UndoUsed = false;
    game.HoldTurn = false;
}

// As a new game begins, but with the kept turn's board, cube, statistics and
// roll; the roll was counted when it was made and is only listed again.
void SavedGame::Resume(const PositionFileData& d)
{
    Board& board = game.board;
    SidePanel& panel = ctx.panel;
    board.BoardTable = WithFixedOwners(FromImage(d.board));
    board.BuildBoard(false);
    board.CurrentPlayer = HUMAN;
    if (!game.dice) game.dice = std::make_unique<DiceRecord>(&game.random, &ctx.turns);
    DiceRecord& dice = *game.dice;
    dice.mode = ctx.settings.DiceMode;
    dice.replay = false;
    dice.die = d.die;
    dice.moves = d.moves;
    // The roll in hand is the game's history: "Same rolls" replays from it,
    // and later rolls are no opening rolls.
    dice.history.assign(d.die.begin(), d.die.begin() + 2);
    dice.historyPos = 2;
    ctx.turns.MakeRules();

    TakeFigures(d);
    game.OpeningTurn = false;
    game.FirstGame = false;
    game.AutoPlay = false;
    game.Winner = NOBODY;
    game.Starter = HUMAN;
    game.record.Start(false);
    game.record.Roll(HUMAN, dice.die[0], dice.die[1]);
    ctx.input.ResetHighlights();
    ctx.platform.Invalidate();

    panel.CreatePanelControls();
    panel.ResetMoveList();
    ctx.cube.UpdateCube();
    ctx.FlushInput();
    panel.AddListLine(LoadString(IDS_GAME_RESUMED));
    panel.AddListLine(ctx.turns.DiceLine());
    ctx.platform.UpdateNow();
    ctx.turns.PromptHumanMove(false);
    panel.ShowDice();
}

void SavedGame::Keep()
{
    if (game.CurrentPlayer() != HUMAN || game.MovesMade != 0) return;
    const PositionFileBytes bytes = EncodePositionFile(CurrentPositionData(game));
    if (WriteFileAtomically(ctx.paths.savedGamePath, bytes.data(), bytes.size()))
        kept = bytes;
    else
        Forget(); // an older turn of this game must not come back
}

// Puts a position from a file in place: the board rebuilt from it, its cube
// and statistics, and a fresh roll for the human.
void SavedGame::LoadPosition(const PositionFileData& d)
{
    Board& board = game.board;
    SidePanel& panel = ctx.panel;
    game.OpeningTurn = false;
    game.record.Start(false);
    panel.HideDice();
    board.BoardTable = WithFixedOwners(FromImage(d.board));
    board.Refill(board.BoardTable);
    // The race bar shows the new position, as the pip count beside it does.
    panel.DrawProgressBar();
    game.dice->die = d.die;
    game.dice->moves = d.moves;
    // A file never holds moves of the turn that Undo could take back.
    TakeFigures(d);
    ctx.cube.UpdateCube();
    panel.ResetMoveList();
    game.dice->RollDice();
    game.rules->UpdateRace();
    game.record.Roll(HUMAN, game.dice->die[0], game.dice->die[1]);
    panel.AddListLine(ctx.turns.DiceText());
    Keep();
    ctx.turns.PromptHumanMove(false);
    panel.ShowDice();
    // Highlights drawn for the old position and dice are cleared.
    ctx.input.RefreshHover();
}

// Another copy of the program in the same folder keeps its own game in the
// same file: its game stays when this copy's game ends.
void SavedGame::Forget()
{
    if (!kept) return;
    const std::string& path = ctx.paths.savedGamePath;
    const std::optional<std::vector<std::uint8_t>> now = ReadRegularFile(path, POSITION_FILE_SIZE + 1);
    if (now && std::equal(now->begin(), now->end(), kept->begin(), kept->end())) RemoveSavedGame(path);
    kept.reset();
}

std::optional<PositionFileData> ReadSavedGame(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    PositionFileData data;
    const bool whole = std::filesystem::is_regular_file(path, error) &&
                       std::filesystem::file_size(path, error) == static_cast<std::uintmax_t>(POSITION_FILE_SIZE);
    // The reader refuses a board the game cannot hold, a game already over
    // and negative figures; the roll must be whole and unplayed.
    if (whole && ReadPositionFile(path, data) == PositionFileResult::Ok && IsRoll(data)) return data;
    RemoveSavedGame(path);
    return std::nullopt;
}

void RemoveSavedGame(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
}

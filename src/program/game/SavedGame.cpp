#include "program/game/SavedGame.h"

#include <filesystem>
#include <system_error>

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
    if (const std::optional<PositionFileData> kept = ReadSavedGame(ctx.paths.savedGamePath))
        Resume(*kept);
    else
        ctx.turns.NewGame();
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

    game.ThinkingTime = {0, d.thinkingTimeComputer, d.thinkingTimeHuman};
    game.ClockRunning = {false, false, false};
    game.PipsRolled = {0, d.pipsRolledComputer, d.pipsRolledHuman};
    game.DoublesRolled = {0, d.doublesRolledComputer, d.doublesRolledHuman};
    game.HitsMade = {0, d.hitsMadeComputer, d.hitsMadeHuman};
    game.CubeValue = d.cubeValue;
    game.CubeOwner = d.cubeOwner;
    game.ComputerMayDouble = d.computerMayDouble != 0;
    game.OpeningTurn = false;
    game.FirstGame = false;
    game.AutoPlay = false;
    game.Winner = NOBODY;
    game.Starter = HUMAN;
    game.MovesMade = 0;
    game.CurrentMoveIndex = 0;
    game.TurnMoves.fill(MovePair{});
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
    if (game.CurrentPlayer() == HUMAN && game.MovesMade == 0)
        WriteSavedGame(ctx.paths.savedGamePath, CurrentPositionData(game));
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
    game.MovesMade = 0; // a file never holds moves of the turn that Undo could take back
    game.rules->race = d.race != 0;
    game.ThinkingTime[HUMAN] = d.thinkingTimeHuman;
    game.ThinkingTime[COMPUTER] = d.thinkingTimeComputer;
    game.ClockRunning = {false, false, false};
    game.CubeOwner = d.cubeOwner;
    game.CubeValue = d.cubeValue;
    game.PipsRolled[HUMAN] = d.pipsRolledHuman;
    game.PipsRolled[COMPUTER] = d.pipsRolledComputer;
    game.ComputerMayDouble = d.computerMayDouble != 0;
    game.DoublesRolled[HUMAN] = d.doublesRolledHuman;
    game.DoublesRolled[COMPUTER] = d.doublesRolledComputer;
    game.HitsMade[HUMAN] = d.hitsMadeHuman;
    game.HitsMade[COMPUTER] = d.hitsMadeComputer;
    game.CurrentMoveIndex = game.MovesMade;
    game.TurnMoves.fill(MovePair{});
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

void SavedGame::Forget() { RemoveSavedGame(ctx.paths.savedGamePath); }

bool WriteSavedGame(const std::string& path, const PositionFileData& data) { return WritePositionFile(path, data); }

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

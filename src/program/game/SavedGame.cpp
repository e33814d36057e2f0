// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/SavedGame.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#include "core/files/AtomicFile.h"
#include "core/files/MatchFile.h"
#include "core/files/RegularFile.h"
#include "program/app/StringTable.h"
#include "program/game/Commands.h"
#include "program/game/DoublingCube.h"
#include "program/game/TurnCycle.h"
#include "program/input/MoveInput.h"
#include "program/platform/Platform.h"
#include "program/view/SidePanel.h"

namespace {

bool IsDie(int value) { return value >= 1 && value <= 6; }

// A whole roll with nothing of it played: two dice, or four of a doublet.
bool IsRoll(const PositionFileData& d)
{
    if (!IsDie(d.die[0]) || !IsDie(d.die[1])) return false;
    if (d.die[0] != d.die[1]) return d.moves == 2 && d.die[2] == NO_VALUE && d.die[3] == NO_VALUE;
    return d.moves == 4 && d.die[2] == d.die[0] && d.die[3] == d.die[0];
}

// The most ids of ended games the settings file remembers, newest last.
constexpr std::size_t MAX_ENDED_IDS = 8;

bool Remove(const std::string& path)
{
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

} // namespace

SavedGame::SavedGame(WindowContext& context) : ctx(context), game(context.game) {}

void SavedGame::StartOrResume()
{
    ReadFinished();
    endedIds = ParseGameIds(ctx.profile.GetString(SECTION_GAME, KEY_ENDED_GAMES, ""));
    const std::string& path = ctx.paths.savedGamePath;
    // Another running copy in this folder owns the kept game: this one
    // neither resumes it nor keeps a game of its own over it.
    Platform::KeptLock taken = ctx.platform.LockKeptGame(path);
    lock = std::move(taken.lock);
    keeps = !taken.busy;
    if (!keeps) {
        ctx.turns.NewGame();
        return;
    }
    KeptRecord kept;
    switch (ReadKeptGame(path, kept)) {
    case KeptFileResult::Ok:
        if (Playable(kept)) {
            id = kept.id;
            Resume(kept);
            return;
        }
        Remove(path);
        break;
    case KeptFileResult::Invalid:
        Remove(path);
        break;
    case KeptFileResult::Missing:
        break;
    }
    ctx.turns.NewGame();
}

// A game that is over is not played on, nor one that went out of date; the
// human's turn needs its whole roll, with nothing of it played.
bool SavedGame::Playable(const KeptRecord& kept) const
{
    if (std::find(endedIds.begin(), endedIds.end(), kept.id) != endedIds.end()) return false;
    switch (kept.stage) {
    case KeptStage::HumanTurn:
        return IsRoll(kept.data);
    case KeptStage::ComputerTurn:
        return true;
    case KeptStage::Ended:
        break;
    }
    return false;
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
// roll; the roll was counted when it was made and is only listed again. A
// game kept as the human's turn left it goes on with the computer's turn,
// which rolls anew.
void SavedGame::Resume(const KeptRecord& kept)
{
    const PositionFileData& d = kept.data;
    const bool humanToPlay = kept.stage == KeptStage::HumanTurn;
    Board& board = game.board;
    SidePanel& panel = ctx.panel;
    board.BoardTable = WithFixedOwners(FromImage(d.board));
    board.BuildBoard(false);
    board.CurrentPlayer = HUMAN;
    if (!game.dice) game.dice = std::make_unique<DiceRecord>(&game.random, &ctx.turns);
    DiceRecord& dice = *game.dice;
    dice.mode = ctx.settings.DiceMode;
    dice.replay = false;
    // The roll of the kept turn (in hand, or played by the human before the
    // computer's turn) is the game's history: "Same rolls" replays from it,
    // and later rolls are no opening rolls.
    const bool rolled = IsDie(d.die[0]) && IsDie(d.die[1]);
    dice.history.clear();
    if (rolled) dice.history.assign(d.die.begin(), d.die.begin() + 2);
    dice.historyPos = static_cast<std::int32_t>(dice.history.size());
    dice.die = d.die;
    dice.moves = d.moves;
    if (!humanToPlay) {
        dice.die.fill(NO_VALUE);
        dice.moves = 0;
    }
    ctx.turns.MakeRules();

    TakeFigures(d);
    game.OpeningTurn = false;
    game.FirstGame = false;
    game.AutoPlay = false;
    game.Winner = NOBODY;
    game.Starter = HUMAN;
    game.record.Start(false);
    if (humanToPlay) game.record.Roll(HUMAN, dice.die[0], dice.die[1]);
    ctx.input.ResetHighlights();
    ctx.platform.Invalidate();

    panel.CreatePanelControls();
    panel.ResetMoveList();
    ctx.cube.UpdateCube();
    ctx.FlushInput();
    panel.AddListLine(LoadString(IDS_GAME_RESUMED, ctx.platform.Texts()));
    if (!humanToPlay) {
        panel.HideDice();
        ctx.platform.UpdateNow();
        ctx.PostCommand(ID_COMPUTER_TURN);
        return;
    }
    // A roll the human cannot enter with is not shown, as at any turn's start.
    const bool seen = ctx.turns.RollSeen();
    if (seen) panel.AddListLine(ctx.turns.DiceLine());
    ctx.platform.UpdateNow();
    ctx.turns.PromptHumanMove(false);
    if (seen) panel.ShowDice();
}

void SavedGame::Keep()
{
    if (!keeps || game.CurrentPlayer() != HUMAN || game.MovesMade != 0) return;
    Write(CurrentPositionData(game), KeptStage::HumanTurn);
}

// The board as the human's moves left it (the board of the turn's start is
// taken again only when the computer's turn is over), with the roll the
// human played: the last one made.
void SavedGame::KeepComputerTurn()
{
    if (!keeps || game.CurrentPlayer() != HUMAN) return;
    PositionFileData data = CurrentPositionData(game);
    data.board = ToImage(game.board.Data());
    const DiceRecord& dice = *game.dice;
    data.die.fill(NO_VALUE);
    data.moves = 0;
    if (dice.historyPos >= 2 && static_cast<std::size_t>(dice.historyPos) <= dice.history.size()) {
        data.die[0] = dice.history[static_cast<std::size_t>(dice.historyPos) - 2];
        data.die[1] = dice.history[static_cast<std::size_t>(dice.historyPos) - 1];
    }
    Write(data, KeptStage::ComputerTurn);
}

bool SavedGame::Write(const PositionFileData& data, KeptStage stage)
{
    if (id == 0) id = NewId();
    const std::vector<std::uint8_t> bytes = EncodeKeptGame(KeptRecord{data, id, stage});
    if (WriteFileAtomically(ctx.paths.savedGamePath, bytes.data(), bytes.size())) return true;
    // An older turn of this game must not come back; the game goes on, kept
    // (when the file can be written again) under a new id.
    Retire();
    return false;
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
    // As at any turn's start, a roll the human cannot enter with is neither
    // shown nor listed nor counted.
    const bool seen = ctx.turns.RollSeen();
    if (seen) {
        ctx.turns.CountRoll();
        panel.AddListLine(ctx.turns.DiceLine());
    }
    Keep();
    ctx.turns.PromptHumanMove(false);
    if (seen) panel.ShowDice();
    // Highlights drawn for the old position and dice are cleared.
    ctx.input.RefreshHover();
}

void SavedGame::KeepFinished()
{
    const GameRecord& finished = game.finished;
    game.lastGameHeld = true;
    game.lastGameText = finished.FromStart() ? ExportedGameText(finished.Played(), ctx.platform.Now()) : "";
    // A file that cannot be written leaves the game held for this run only.
    const std::string& path = ctx.paths.finishedGamePath;
    if (!game.lastGameText.empty())
        WriteMatchFile(path, game.lastGameText);
    else if (KindOf(path) == FileKind::Regular)
        Remove(path);
}

void SavedGame::ReadFinished()
{
    if (std::optional<std::string> text = ReadMatchFile(ctx.paths.finishedGamePath)) {
        game.lastGameHeld = true;
        game.lastGameText = std::move(*text);
    }
}

void SavedGame::Forget() { Retire(); }

// Only a file that holds this game is touched: another copy of the program
// in the same folder may have kept its own game there since.
void SavedGame::Retire()
{
    if (id == 0 || !keeps) return;
    const std::string& path = ctx.paths.savedGamePath;
    KeptRecord now;
    if (ReadKeptGame(path, now) == KeptFileResult::Ok && now.id == id && now.stage != KeptStage::Ended &&
        !Remove(path)) {
        now.stage = KeptStage::Ended;
        const std::vector<std::uint8_t> bytes = EncodeKeptGame(now);
        if (!WriteFileAtomically(path, bytes.data(), bytes.size())) RememberEnded(id);
    }
    id = 0;
}

void SavedGame::RememberEnded(std::uint64_t ended)
{
    endedIds.push_back(ended);
    if (endedIds.size() > MAX_ENDED_IDS)
        endedIds.erase(endedIds.begin(), endedIds.end() - static_cast<std::ptrdiff_t>(MAX_ENDED_IDS));
    ctx.profile.WriteString(SECTION_GAME, KEY_ENDED_GAMES, GameIdsText(endedIds));
}

// Ids are drawn apart from the dice, whose rolls they must not change.
std::uint64_t SavedGame::NewId()
{
    std::uint64_t made = 0;
    try {
        std::random_device device;
        made = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (...) {
        // No source of randomness: the time and the count still differ.
    }
    made ^= static_cast<std::uint64_t>(ctx.platform.Now()) * 0x9E3779B97F4A7C15ULL + ++idsMade;
    return made == 0 ? 1 : made;
}

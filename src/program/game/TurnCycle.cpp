// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/TurnCycle.h"

#include <array>
#include <cstdio>
#include <limits>
#include <memory>

#include "core/files/Notation.h"
#include "core/settings/Saturating.h"
#include "program/app/StringTable.h"
#include "program/dialogs/DiceDlg.h"
#include "program/dialogs/StatDlg.h"
#include "program/dialogs/TutorDlg.h"
#include "program/game/Commands.h"
#include "program/game/DoublingCube.h"
#include "program/game/ExpertPlayer.h"
#include "program/game/SavedGame.h"
#include "program/input/MoveInput.h"
#include "program/sound/SoundEvents.h"
#include "program/view/BoardView.h"
#include "program/view/SidePanel.h"

TurnCycle::TurnCycle(WindowContext& context)
    : ctx(context), platform(context.platform), settings(context.settings), game(context.game)
{
}

void TurnCycle::MakeRules()
{
    game.rules.reset();
    game.rules = std::make_unique<RulesEngine>(&game.board, game.dice.get());
    game.rules->tickCount = [this] { return platform.TickCount(); };
}

void TurnCycle::NewGame()
{
    Board& board = game.board;
    SidePanel& panel = ctx.panel;
    board.BuildBoard(true);
    game.rules.reset();
    if (!game.dice) game.dice = std::make_unique<DiceRecord>(&game.random, this);
    DiceRecord& dice = *game.dice;
    dice.historyPos = 0;
    dice.mode = settings.DiceMode;
    dice.replay = game.ReplayRolls;
    MakeRules();
    platform.Invalidate();

    game.HitsMade = {0, 0, 0};
    game.PipsRolled = {0, 0, 0};
    game.DoublesRolled = {0, 0, 0};
    game.ThinkingTime = {0, 0, 0};
    game.ClockRunning = {false, false, false};
    game.CubeValue = 1;
    game.CubeOwner = 0;
    game.ComputerMayDouble = true;
    game.OpeningTurn = true;
    game.AutoPlay = false;
    game.record.Start(true);
    ctx.kept.Forget();
    ctx.input.ResetHighlights();

    panel.CreatePanelControls();
    panel.ResetMoveList();
    ctx.cube.UpdateCube();
    ctx.FlushInput();
    panel.HideDice();

    if (!game.ReplayRolls) {
        dice.history.clear();
        dice.RollDice();
        game.rules->UpdateRace();
        const int computerDie = dice.die[0];
        const int humanDie = dice.die[1];
        const int higher = humanDie > computerDie ? HUMAN : COMPUTER;
        if (!game.FirstGame && game.Winner != NOBODY) {
            board.CurrentPlayer = computerDie == humanDie ? game.Winner : higher;
        } else {
            const int firstMoveBy = settings.FirstMoveBy;
            board.CurrentPlayer = firstMoveBy == 1 ? COMPUTER : firstMoveBy == 2 ? HUMAN : higher;
        }
    } else {
        dice.RollDice();
        game.rules->UpdateRace();
    }
    if (board.CurrentPlayer != HUMAN && board.CurrentPlayer != COMPUTER) board.CurrentPlayer = COMPUTER;
    game.Winner = NOBODY;
    game.Starter = board.CurrentPlayer;

    platform.Invalidate();
    platform.UpdateNow();
    if (board.CurrentPlayer == HUMAN)
        StartTurn();
    else
        ctx.PostCommand(ID_COMPUTER_TURN);
}

void TurnCycle::StartTurn()
{
    Board& board = game.board;
    game.TurnMoves.fill(MovePair{});
    game.MovesMade = 0;
    game.CurrentMoveIndex = 0;
    ctx.panel.HideDice();
    game.UndoUsed = false;
    // A suggestion holds only the end of the turn it was made in; one that
    // played nothing, or ended the game, leaves no hold for the next turn.
    game.HoldTurn = false;
    if (!game.OpeningTurn) {
        board.CurrentPlayer = Opponent(board.CurrentPlayer);
        game.dice->RollDice();
        game.rules->UpdateRace();
    }
    game.record.Roll(board.CurrentPlayer, game.dice->die[0], game.dice->die[1]);
    if (RollSeen()) {
        if (settings.SoundActive[SOUND_DICE] && !game.AutoPlay) {
            platform.SetCursor(CursorKind::Wait);
            platform.Sleep(DICE_SOUND_PAUSE_MS);
            PlayEvent(platform, settings, SOUND_DICE, false);
            platform.SetCursor(board.CurrentPlayer == COMPUTER ? CursorKind::Wait : CursorKind::Arrow);
        }
        ctx.panel.ShowDice();
        CountRoll();
        ctx.panel.AddListLine(DiceLine());
    }
    if (board.CurrentPlayer == HUMAN) ctx.kept.Keep();
    ctx.FlushInput();
    PromptHumanMove(false);
}

void TurnCycle::PromptHumanMove(bool restart)
{
    SidePanel& panel = ctx.panel;
    // Nothing to withdraw or prompt outside the human's turn: a game that
    // ended under Finish game may have been followed by one the computer
    // opens, whose move list must keep its lines.
    if (game.CurrentPlayer() != HUMAN) return;
    if (restart) {
        if (game.CurrentMove().from != NO_VALUE) ctx.input.Highlight(game.CurrentMove().from, false);
        Pause(REFUSED_MOVE_PAUSE_MS);
        panel.DeleteLastLine();
    }
    ctx.cube.RefreshButton();
    if (!game.AutoPlay) {
        platform.Status().SetPaneText(PANE_NOTICE, "");
        platform.Status().SetPaneText(
            PANE_PROMPT, LoadString(game.rules->CannotMove() ? IDS_CANNOT_MOVE : IDS_LEAVE_FROM, platform.Texts()));
    }
    const int made = game.MovesMade;
    char line[16];
    std::snprintf(line, sizeof line, "%d%s ", made + 1,
                  LoadString(IDS_ORDINAL_1 + (made > 3 ? 3 : made), platform.Texts()));
    panel.AddListLine(std::string(line) + LoadString(IDS_FROM, platform.Texts()));
    game.CurrentMove() = MovePair{};
    if (made == 0) game.BothDicePlayable = game.rules->BothDiceUsable();
    if (!game.UndoInProgress) ctx.PostCommand(ID_PLAY_FORCED);
    StartClock(game.CurrentPlayer());
}

bool TurnCycle::ApplyMove(MovePair pair)
{
    StopClock(HUMAN);
    if (pair.from != NO_VALUE) ctx.input.Highlight(pair.from, false);
    pair.hit = false;
    if (pair.from < LOCATIONS) {
        const Board& board = game.board;
        const int target = pair.to >= 1 && pair.to <= 24 ? pair.to : TrayOf(board.CurrentPlayer);
        pair.hit = Hits(board[target].Data(), target, board.CurrentPlayer);
        game.record.Move(pair.from, target, pair.hit);
    }
    TransferPiece(pair.from, pair.to);
    const RulesEngine& rules = *game.rules;
    if (rules.humanOff() == PIECES_PER_SIDE || rules.computerOff() == PIECES_PER_SIDE) {
        EndGame(rules.humanOff() == PIECES_PER_SIDE ? HUMAN : COMPUTER, true);
        return false;
    }
    if (game.CurrentPlayer() != HUMAN) return true;
    game.TurnMoves[game.MovesMade] = pair;
    game.MovesMade += 1;
    game.CurrentMoveIndex = game.MovesMade;
    game.dice->RemoveDie(pair.to - pair.from);
    ctx.input.RefreshHover();
    ctx.panel.ShowDice();
    if (game.dice->moves > 0)
        PromptHumanMove(false);
    else
        FinishHumanTurn();
    return true;
}

void TurnCycle::Undo()
{
    Board& board = game.board;
    SidePanel& panel = ctx.panel;
    panel.HideBlink();
    const bool moveTakenBack = game.MovesMade > 0;
    if (moveTakenBack) {
        game.MovesMade -= 1;
        game.CurrentMoveIndex = game.MovesMade;
        const int from = game.CurrentMove().from;
        int to = game.CurrentMove().to;
        const bool hit = game.CurrentMove().hit;
        game.dice->GiveBackDie(to - from);
        game.record.UndoMove();
        panel.ShowDice();
        game.UndoInProgress = true;
        game.UndoUsed = true;
        if (to >= 25) to = HUMAN_TRAY;
        TransferPiece(to, from);
        // The move had hit a computer piece: put it back from the bar. Only
        // this move's own hit counts; a later move onto a point emptied by an
        // earlier hit of the turn puts nothing back.
        if (hit && to >= 1 && to <= 24 && board[to].count == 0 && board[COMPUTER_BAR].count > 0) {
            game.HitsMade[HUMAN] -= 1;
            board[to].owner = COMPUTER;
            board[COMPUTER_BAR].MoveTo(to);
        }
        panel.DeleteLastLine();
        if (game.dice->moves > 1) panel.DeleteLastLine();
        game.UndoInProgress = false;
    }
    PromptHumanMove(game.CurrentMove().to == NO_VALUE);
    // Once the move taken back is no longer the current one (which would
    // hold the highlight on its piece), the pointer's highlight is drawn anew.
    if (moveTakenBack) ctx.input.RefreshHover();
}

void TurnCycle::TransferPiece(int from, int to)
{
    Board& board = game.board;
    if (to < 1 || to > 24) to = game.UndoInProgress ? HUMAN_BAR : TrayOf(board.CurrentPlayer);
    if (from < 0 || from >= LOCATIONS) return;
    if (onTransfer) onTransfer(from, to);
    if (from == HUMAN_TRAY) {
        // Undo puts back a borne-off piece without animation.
        board[HUMAN_TRAY].RemovePiece();
        board[to].AddPiece();
    } else {
        board[from].MoveTo(to);
    }
    ctx.panel.DrawProgressBar();
}

void TurnCycle::FinishHumanTurn()
{
    // The tutor looks from the top of the message loop, not from inside the
    // last move's call, as it may take the whole play back. A play the
    // program chose (suggested, or from the hints) is not judged.
    if (settings.Tutor && !game.AutoPlay && !game.HoldTurn && game.MovesMade > 0 && ctx.expert.Available()) {
        ctx.PostCommand(ID_TUTOR_CHECK);
        return;
    }
    EndHumanTurn();
}

void TurnCycle::CheckWithTutor()
{
    // The turn may have moved on since the check was posted.
    if (game.CurrentPlayer() != HUMAN || game.MovesMade == 0 || game.dice->moves != 0 || game.WaitingConfirm) return;
    const std::optional<std::pair<int, int>> roll = OpenRoll(game);
    std::optional<PlayVerdict> verdict;
    if (roll) {
        const CubeHolder holder = CubeHolderFor(game, HUMAN);
        platform.SetCursor(CursorKind::Wait);
        verdict = ctx.expert.Judge(WithFixedOwners(game.board.BoardTable), game.board.Data(), HUMAN, roll->first,
                                   roll->second, holder, settings.UseCube != 0);
        platform.SetCursor(CursorKind::Arrow);
    }
    if (!verdict || static_cast<int>(verdict->mark) < settings.TutorThreshold) {
        EndHumanTurn();
        return;
    }
    char loss[16];
    std::snprintf(loss, sizeof loss, "%.3f", verdict->loss);
    char text[512];
    std::snprintf(text, sizeof text,
                  LoadString(IDS_TUTOR_DOUBTFUL + static_cast<int>(verdict->mark) - 1, platform.Texts()),
                  PlayNotation(HUMAN, verdict->made).c_str(), loss, PlayNotation(HUMAN, verdict->best).c_str());
    TutorWarning warning(text);
    const int answer = warning.Answer(platform.RunTutorWarning(warning));
    if (answer == TutorWarning::PLAY_ANYWAY.id) {
        EndHumanTurn();
        return;
    }
    while (game.MovesMade > 0 && game.CurrentPlayer() == HUMAN) Undo();
    if (answer == TutorWarning::SHOW_HINT.id) ctx.PostCommand(ID_HINTS);
}

void TurnCycle::EndHumanTurn()
{
    if (game.AutoPlay || ((settings.AutoChangeTurn || game.rules->race) && !game.HoldTurn)) {
        PassToComputer();
        return;
    }
    game.WaitingConfirm = true;
    platform.SetCursor(CursorKind::Confirm);
    ctx.panel.SetStatus(IDS_UNDO_HINT);
}

// A close or a kill before the computer has played must not give the human
// the turn just played again.
void TurnCycle::PassToComputer()
{
    game.OpeningTurn = false;
    ctx.kept.KeepComputerTurn();
    ctx.PostCommand(ID_COMPUTER_TURN);
}

void TurnCycle::PlayForcedMoves()
{
    if (!settings.AutoForcedMoves || game.AutoPlay || game.UndoUsed || game.CurrentPlayer() != HUMAN ||
        game.WaitingConfirm)
        return;
    const DiceRecord& dice = *game.dice;
    const RulesEngine& rules = *game.rules;
    for (int k = 0; k < dice.moves && k < 4; ++k) {
        const int d = dice.die[k];
        const int left = dice.moves;
        const int other = k == 0 ? dice.die[1] : dice.die[0];
        int sources = 0;
        int source = -1;
        for (int s = 0; s <= 24; ++s) {
            if (!rules.IsLegalMove(s, d)) continue;
            // Entering with this die is no force when the other die enters as well.
            if (s == HUMAN_BAR && (left == 2 || left == 3) && rules.humanBar() < left &&
                rules.IsLegalMove(HUMAN_BAR, other))
                continue;
            ++sources;
            source = s;
        }
        if (sources != 1) continue;
        if (!PlayChosenMove(MovePair{static_cast<std::uint8_t>(source), static_cast<std::uint8_t>(source + d)})) return;
    }
}

bool TurnCycle::PlayChosenMove(MovePair move)
{
    game.CurrentMove() = move;
    ctx.panel.AppendToLastLine(std::string(1, LocationLetter(move.from)) + LoadString(IDS_TO, platform.Texts()) +
                               LocationLetter(move.to));
    ctx.FlushInput();
    return ApplyMove(game.CurrentMove());
}

void TurnCycle::PlayComputerTurn()
{
    SidePanel& panel = ctx.panel;
    panel.HideBlink();
    panel.AddListLine(" ");
    platform.SetFocusToMain();
    if (ctx.cube.ComputerWantsToDouble()) ctx.cube.ComputerOffersDouble();
    StartTurn();
    if (game.Winner != NOBODY) {
        EndGame(game.Winner, false);
        return;
    }
    if (ClosedOut(game.board.Data(), COMPUTER)) {
        Pause(CLOSED_OUT_PAUSE_MS);
    } else {
        panel.SetStatus(IDS_THINKING);
        if (!game.AutoPlay) platform.SetCursor(CursorKind::Wait);
        StartClock(game.CurrentPlayer());
        RulesEngine& rules = *game.rules;
        const DiceRecord& dice = *game.dice;
        const int t = ChooseComputerMove();
        if (!game.FinishingQuick()) {
            // The computer seems to think a while, longer over a doublet.
            int pause = COMPUTER_MOVE_PAUSE_MS;
            if (rules.race || game.AutoPlay)
                pause = 0;
            else if (dice.die[0] == dice.die[1])
                pause = t < COMPUTER_MOVE_PAUSE_MS ? COMPUTER_MOVE_PAUSE_MS - t : 0;
            if (pause > 0) platform.Sleep(pause);
        }
        StopClock(game.CurrentPlayer());
        panel.AddListLine(" ");
        panel.SetStatus(IDS_MOVING);
        for (int i = 0; i < dice.moves && i < 4; ++i) {
            const int from = rules.bestFrom[i];
            const int die = rules.bestDice[i];
            game.CurrentMove() = MovePair{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(from - die)};
            char text[16];
            std::snprintf(text, sizeof text, "%c+%d  ", LocationLetter(from), die);
            panel.AppendToLastLine(text);
            if (!ApplyMove(game.CurrentMove())) return;
        }
    }
    game.board.CaptureBoard();
    if (!game.AutoPlay) platform.SetCursor(CursorKind::Arrow);
    panel.AddListLine(" ");
    game.OpeningTurn = false;
    game.FirstGame = false;
    StartTurn();
}

int TurnCycle::ChooseComputerMove()
{
    RulesEngine& rules = *game.rules;
    const int level = ctx.PlayedLevel();
    if (level != LEVEL_EXPERT) return rules.ChooseMove(game.OpeningTurn, level);
    // The Expert's play goes where the search leaves its own: the dice
    // record holds the dice played first, in the order played, then those
    // that cannot be played, and counts only the played ones.
    DiceRecord& dice = *game.dice;
    const std::uint32_t started = platform.TickCount();
    const ExpertMove m = ctx.expert.Choose(game.board.Data(), COMPUTER, dice.die[0], dice.die[1]);
    rules.bestFrom.fill(NO_VALUE);
    rules.bestDice.fill(NO_VALUE);
    rules.bestScore = std::numeric_limits<std::int32_t>::min();
    std::array<std::uint8_t, 4> rest = dice.die;
    std::array<std::uint8_t, 4> order{NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};
    int placed = 0;
    for (int k = 0; k < m.count && k < 4; ++k) {
        rules.bestFrom[k] = m.from[k];
        rules.bestDice[k] = m.die[k];
        order[placed++] = m.die[k];
        for (std::uint8_t& d : rest) {
            if (d == m.die[k]) {
                d = NO_VALUE;
                break;
            }
        }
    }
    for (std::uint8_t d : rest)
        if (d != NO_VALUE && placed < 4) order[placed++] = d;
    dice.die = order;
    dice.moves = m.count;
    return static_cast<int>(platform.TickCount() - started);
}

void TurnCycle::EndGame(int winner, bool gammonCheck)
{
    ctx.FlushInput();
    StopClock(HUMAN);
    game.AutoPlay = false;
    game.Winner = winner;
    if (gammonCheck) game.CubeValue *= GameValue(game.board.Data());
    game.record.End(winner, game.CubeValue, gammonCheck);
    game.finished = game.record;
    ctx.kept.KeepFinished();
    ctx.kept.Forget();
    if (winner == HUMAN || winner == COMPUTER) {
        game.ScoreSinceStart[winner] = SaturatingAdd(game.ScoreSinceStart[winner], game.CubeValue);
        settings.Score[winner] = SaturatingAdd(settings.Score[winner], game.CubeValue);
    }
    // Other copies of the program in this folder wait while the scores and
    // the graph are read again, counted and written back; not while the
    // dialog is open.
    auto shared = std::make_unique<Profile::Hold>(ctx.profile);
    SaveScores(ctx.profile, settings);

    StatDlg dialog(GameFigures{game.PipsRolled, game.DoublesRolled, game.HitsMade, game.ScoreSinceStart, settings.Score,
                               game.ThinkingTime},
                   game.Winner, platform.Texts());
    dialog.rollChoice = 0;
    dialog.background = ctx.view.SchemeColour()[COLOUR_BACKGROUND];
    const SoundEvent event = dialog.OnOpen(ctx.paths.graphPath, game.graph);
    shared.reset();
    PlayEvent(platform, settings, event, true);
    const int result = platform.RunStatDlg(dialog);
    if (result == IDOK) {
        game.ReplayRolls = dialog.rollChoice > 0;
        if (dialog.rollChoice == 2)
            game.board.CurrentPlayer = Opponent(game.Starter);
        else if (dialog.rollChoice == 1)
            game.board.CurrentPlayer = game.Starter;
        platform.Invalidate();
        platform.UpdateNow();
        NewGame();
    } else {
        ctx.PostCommand(ID_APP_EXIT);
    }
}

bool TurnCycle::RollSeen() const { return !ClosedOut(game.board.Data(), game.CurrentPlayer()); }

void TurnCycle::CountRoll()
{
    const DiceRecord& dice = *game.dice;
    const int player = game.CurrentPlayer();
    if (player == HUMAN || player == COMPUTER) {
        for (int i = 0; i < dice.moves && i < 4; ++i) {
            game.PipsRolled[player] = SaturatingAdd(game.PipsRolled[player], dice.die[i]);
            if (i == 3) game.DoublesRolled[player] = SaturatingAdd(game.DoublesRolled[player], 1);
        }
    }
}

std::string TurnCycle::DiceLine() const
{
    const DiceRecord& dice = *game.dice;
    std::string text = LoadString(IDS_DICE, platform.Texts());
    for (int i = 0; i < dice.moves && i < 4; ++i) text += std::to_string(dice.die[i]) + "+";
    if (!text.empty() && text.back() == '+') text.pop_back();
    return text;
}

// Starting a running clock changes nothing.
void TurnCycle::StartClock(int player)
{
    if (player != HUMAN && player != COMPUTER) return;
    if (game.ClockRunning[player]) return;
    game.ClockRunning[player] = true;
    game.ClockStart[player] = platform.TickCount();
}

// Adds the milliseconds since the start; stopping a stopped clock changes
// nothing. The tick count may wrap round (after 49.7 days) in between: the
// unsigned difference is still the time that passed.
void TurnCycle::StopClock(int player)
{
    if (player != HUMAN && player != COMPUTER) return;
    if (!game.ClockRunning[player]) return;
    game.ClockRunning[player] = false;
    const std::uint32_t elapsed = platform.TickCount() - game.ClockStart[player];
    game.ThinkingTime[player] = SaturatingAdd(game.ThinkingTime[player], elapsed);
}

void TurnCycle::Pause(int ms)
{
    if (game.FinishingQuick()) return;
    platform.Sleep(ms);
}

void TurnCycle::AskManualDice(DiceRecord& record)
{
    DiceDlg dialog(record.die[0], record.die[1]);
    if (platform.RunDiceDlg(dialog) == IDOK) dialog.Apply(record);
}

void TurnCycle::InvalidRollsFile()
{
    platform.MessageBox(LoadString(IDS_INVALID_ROLLS, platform.Texts()), Buttons::Ok, Icon::Exclamation);
}

bool TurnCycle::IsAutoPlay() const { return game.AutoPlay; }

std::string TurnCycle::RollsPath() const { return settings.RollsList; }

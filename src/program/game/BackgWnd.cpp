#include "program/game/BackgWnd.h"

#include <cstdio>

#include "core/files/SchemeFile.h"
#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/dialogs/DiceDlg.h"
#include "program/dialogs/StatDlg.h"
#include "program/game/Commands.h"
#include "program/game/GameGlobals.h"
#include "program/input/Menu.h"
#include "program/view/Locations.h"

namespace {

std::string Format(const char* format, int value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

BackgWnd::BackgWnd(Platform& p, const AppPaths& appPaths)
    : platform(p), paths(appPaths), profile(appPaths.profilePath), board(CreateLocation)
{
    MainWnd = this;
    View = this;
    random.Seed(static_cast<std::uint32_t>(platform.Now()));
    LoadSettings(profile);
    SchemeColour = ReadCurrentScheme(paths.schemePath, CurScheme);
    OnSize();
    platform.StartTimer(BLINK_TIMER, BLINK_INTERVAL_MS);
    NewGame();
}

BackgWnd::~BackgWnd()
{
    board.Destroy();
    if (MainWnd == this) MainWnd = nullptr;
    if (View == this) View = nullptr;
}

// ---------------------------------------------------------------- messages

void BackgWnd::PumpMessages()
{
    static int depth = 0;
    if (depth > 0) return; // the outer loop goes on with what is queued
    ++depth;
    while (!queue.Empty() && !quitRequested) Dispatch(queue.Pop());
    --depth;
}

void BackgWnd::Dispatch(const Message& m)
{
    if (quitRequested || PreTranslateMessage(m)) return;
    switch (m.kind) {
    case MessageKind::KeyDown:
        if (int command = AcceleratorCommand(m))
            OnCommand(command, CommandSource::Accelerator);
        else
            OnKeyDown(m);
        break;
    case MessageKind::LButtonDown:
        break;
    case MessageKind::LButtonUp:
        OnLButtonUp(m.x, m.y);
        break;
    case MessageKind::RButtonDown:
        OnRButtonDown(m.x, m.y);
        break;
    case MessageKind::RButtonUp:
        break;
    case MessageKind::MouseMove:
        OnMouseMove(m.x, m.y);
        break;
    case MessageKind::Command:
        OnCommand(m.command, m.source);
        break;
    case MessageKind::Timer:
        OnTimer(m.timerId);
        break;
    case MessageKind::KillFocus:
        // Letters typed after a click into the move list still reach the board.
        if (m.toMoveList) platform.SetFocusToMain();
        break;
    }
}

void BackgWnd::FlushInput()
{
    queue.FlushInput();
    platform.DropPendingInput();
}

bool BackgWnd::PreTranslateMessage(const Message& m)
{
    if (!WaitingConfirm) return false;
    const bool command = m.kind == MessageKind::Command && m.source != CommandSource::Posted;
    if (m.kind != MessageKind::KeyDown && m.kind != MessageKind::LButtonDown && m.kind != MessageKind::RButtonDown &&
        !command)
        return false;
    platform.SetCursor(CursorKind::Arrow);
    platform.UpdateNow();
    WaitingConfirm = false;
    HoldTurn = false;
    // Esc, the right button and Undo take the last move back.
    if (m.kind == MessageKind::RButtonDown || (m.kind == MessageKind::KeyDown && m.key == VK_ESCAPE && !m.ctrl) ||
        (command && m.command == ID_UNDO))
        return false;
    OpeningTurn = false;
    PostCommand(ID_COMPUTER_TURN);
    return true;
}

// ---------------------------------------------------------------- turn cycle

void BackgWnd::NewGame()
{
    board.BuildBoard(true);
    rules.reset();
    if (!dice) dice = std::make_unique<DiceRecord>(&random, this);
    dice->historyPos = 0;
    dice->mode = DiceMode;
    dice->replay = ReplayRolls;
    rules = std::make_unique<RulesEngine>(&board, dice.get());
    rules->tickCount = [this] { return platform.TickCount(); };
    platform.Invalidate();

    HitsMade = {0, 0, 0};
    PipsRolled = {0, 0, 0};
    DoublesRolled = {0, 0, 0};
    ThinkingTime = {0, 0, 0};
    CubeValue = 1;
    CubeOwner = 0;
    ComputerMayDouble = true;
    OpeningTurn = true;
    AutoPlay = false;
    trayHighlight = false;
    lastHovered = -1;

    if (!controlsCreated) CreatePanelControls();
    ResetMoveList();
    UpdateCube();
    FlushInput();
    HideDice();

    if (!ReplayRolls) {
        dice->history.clear();
        dice->RollDice();
        rules->UpdateRace();
        const int computerDie = dice->die[0];
        const int humanDie = dice->die[1];
        const int higher = humanDie > computerDie ? HUMAN : COMPUTER;
        if (!FirstGame && Winner != NOBODY) {
            board.CurrentPlayer = computerDie == humanDie ? Winner : higher;
        } else {
            board.CurrentPlayer = FirstMoveBy == 1 ? COMPUTER : FirstMoveBy == 2 ? HUMAN : higher;
        }
    } else {
        dice->RollDice();
        rules->UpdateRace();
    }
    if (board.CurrentPlayer != HUMAN && board.CurrentPlayer != COMPUTER) board.CurrentPlayer = COMPUTER;
    Winner = NOBODY;
    Starter = board.CurrentPlayer;

    platform.Invalidate();
    platform.UpdateNow();
    if (board.CurrentPlayer == HUMAN)
        StartTurn();
    else
        PostCommand(ID_COMPUTER_TURN);
}

void BackgWnd::StartTurn()
{
    TurnMoves.fill(MovePair{});
    MovesMade = 0;
    CurrentMoveIndex = 0;
    HideDice();
    UndoUsed = false;
    if (!OpeningTurn) {
        board.CurrentPlayer = Opponent(board.CurrentPlayer);
        dice->RollDice();
        rules->UpdateRace();
    }
    // A side on the bar that cannot enter sees no roll: nothing is shown,
    // listed or counted.
    if (!ClosedOut(board.Data(), board.CurrentPlayer)) {
        if (SoundActive[SOUND_DICE] && !AutoPlay) {
            platform.SetCursor(CursorKind::Wait);
            platform.Sleep(250);
            PlayEvent(SOUND_DICE, false);
            platform.SetCursor(board.CurrentPlayer == COMPUTER ? CursorKind::Wait : CursorKind::Arrow);
        }
        ShowDice();
        AddListLine(DiceText());
    }
    FlushInput();
    PromptHumanMove(false);
}

void BackgWnd::PromptHumanMove(bool restart)
{
    if (restart) {
        if (CurrentMove().from != 255) Highlight(CurrentMove().from, false);
        Pause(200);
        DeleteLastLine();
    }
    if (board.CurrentPlayer != HUMAN) return;
    platform.Cube().Enable(DoubleEnabled());
    if (!AutoPlay) {
        platform.Status().SetPaneText(2, "");
        platform.Status().SetPaneText(0, LoadString(rules->CannotMove() ? IDS_CANNOT_MOVE : IDS_LEAVE_FROM));
    }
    char line[16];
    std::snprintf(line, sizeof line, "%d%s ", MovesMade + 1,
                  LoadString(IDS_ORDINAL_1 + (MovesMade > 3 ? 3 : MovesMade)));
    AddListLine(std::string(line) + LoadString(IDS_FROM));
    CurrentMove() = MovePair{};
    if (MovesMade == 0) BothDicePlayable = rules->BothDiceUsable();
    if (!UndoInProgress) PostCommand(ID_PLAY_FORCED);
    StartClock(board.CurrentPlayer);
}

bool BackgWnd::ApplyMove(MovePair pair)
{
    StopClock(HUMAN);
    if (pair.from != 255) Highlight(pair.from, false);
    TransferPiece(pair.from, pair.to);
    if (rules->humanOff() == PIECES_PER_SIDE || rules->computerOff() == PIECES_PER_SIDE) {
        EndGame(rules->humanOff() == PIECES_PER_SIDE ? HUMAN : COMPUTER, true);
        return false;
    }
    if (board.CurrentPlayer != HUMAN) return true;
    TurnMoves[MovesMade] = pair;
    MovesMade += 1;
    CurrentMoveIndex = MovesMade;
    dice->RemoveDie(pair.to - pair.from);
    RefreshHover();
    ShowDice();
    if (dice->moves > 0)
        PromptHumanMove(false);
    else
        FinishHumanTurn();
    return true;
}

void BackgWnd::TransferPiece(int from, int to)
{
    if (to < 1 || to > 24) to = UndoInProgress ? HUMAN_BAR : TrayOf(board.CurrentPlayer);
    if (from < 0 || from >= LOCATIONS) return;
    if (onTransfer) onTransfer(from, to);
    if (from == HUMAN_TRAY) {
        // Undo puts back a borne-off piece without animation.
        board[HUMAN_TRAY].RemovePiece();
        board[to].AddPiece();
    } else {
        board[from].MoveTo(to);
    }
    DrawProgressBar();
}

void BackgWnd::FinishHumanTurn()
{
    if (AutoPlay || ((AutoChangeTurn || rules->race) && !HoldTurn)) {
        OpeningTurn = false;
        PostCommand(ID_COMPUTER_TURN);
        return;
    }
    WaitingConfirm = true;
    platform.SetCursor(CursorKind::Confirm);
    SetStatus(IDS_UNDO_HINT);
}

void BackgWnd::PlayForcedMoves()
{
    if (!AutoForcedMoves || AutoPlay || UndoUsed || board.CurrentPlayer != HUMAN || WaitingConfirm) return;
    for (int k = 0; k < dice->moves && k < 4; ++k) {
        const int d = dice->die[k];
        const int left = dice->moves;
        const int other = k == 0 ? dice->die[1] : dice->die[0];
        int sources = 0;
        int source = -1;
        for (int s = 0; s <= 24; ++s) {
            if (!rules->IsLegalMove(s, d)) continue;
            // Entering with this die is no force when the other die enters as well.
            if (s == HUMAN_BAR && (left == 2 || left == 3) && rules->humanBar() < left &&
                rules->IsLegalMove(HUMAN_BAR, other))
                continue;
            ++sources;
            source = s;
        }
        if (sources != 1) continue;
        CurrentMove() = MovePair{static_cast<std::uint8_t>(source), static_cast<std::uint8_t>(source + d)};
        AppendToLastLine(std::string(1, LocationLetter(source)) + LoadString(IDS_TO) + LocationLetter(source + d));
        FlushInput();
        if (!ApplyMove(CurrentMove())) return;
    }
}

void BackgWnd::PlayComputerTurn()
{
    if (BlinkShown) OnTimer(BLINK_TIMER);
    AddListLine(" ");
    platform.SetFocusToMain();
    if (ComputerWantsToDouble()) ComputerOffersDouble();
    StartTurn();
    if (Winner != NOBODY) {
        EndGame(Winner, false);
        return;
    }
    if (ClosedOut(board.Data(), COMPUTER)) {
        Pause(100);
    } else {
        SetStatus(IDS_THINKING);
        if (!AutoPlay) platform.SetCursor(CursorKind::Wait);
        StartClock(board.CurrentPlayer);
        const int t = rules->ChooseMove(OpeningTurn, LevelOfPlay);
        if (!(AutoPlay && FastFinish)) {
            int pause = 1500;
            if (rules->race || AutoPlay)
                pause = 0;
            else if (dice->die[0] == dice->die[1])
                pause = t < 1500 ? 1500 - t : 0;
            if (pause > 0) platform.Sleep(pause);
        }
        StopClock(board.CurrentPlayer);
        AddListLine(" ");
        SetStatus(IDS_MOVING);
        for (int i = 0; i < dice->moves && i < 4; ++i) {
            const int from = rules->bestFrom[i];
            const int die = rules->bestDice[i];
            CurrentMove() = MovePair{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(from - die)};
            char text[16];
            std::snprintf(text, sizeof text, "%c+%d  ", LocationLetter(from), die);
            AppendToLastLine(text);
            if (!ApplyMove(CurrentMove())) return;
        }
    }
    board.CaptureBoard();
    if (!AutoPlay) platform.SetCursor(CursorKind::Arrow);
    AddListLine(" ");
    OpeningTurn = false;
    FirstGame = false;
    StartTurn();
}

void BackgWnd::EndGame(int winner, bool gammonCheck)
{
    FlushInput();
    StopClock(HUMAN);
    AutoPlay = false;
    Winner = winner;
    if (gammonCheck) CubeValue *= GameValue(board.Data());
    if (winner == HUMAN || winner == COMPUTER) {
        ScoreSinceStart[winner] += CubeValue;
        Score[winner] += CubeValue;
    }
    WriteScores(profile);

    StatDlg dialog(Winner);
    dialog.rollChoice = 0;
    PlayEvent(dialog.OnOpen(paths.graphPath), true);
    const int result = platform.RunStatDlg(dialog);
    if (result == IDOK) {
        ReplayRolls = dialog.rollChoice > 0;
        if (dialog.rollChoice == 2)
            board.CurrentPlayer = Opponent(Starter);
        else if (dialog.rollChoice == 1)
            board.CurrentPlayer = Starter;
        platform.Invalidate();
        platform.UpdateNow();
        NewGame();
    } else {
        PostCommand(ID_APP_EXIT);
    }
}

void BackgWnd::ShowProgressText()
{
    const BoardData b = board.Data();
    const int c = PipCount(b, COMPUTER);
    const int h = PipCount(b, HUMAN);
    std::string text;
    if (c == h)
        text = LoadString(IDS_EVEN);
    else if (c > h)
        text = Format(LoadString(IDS_YOU_LEAD), c - h);
    else
        text = Format(LoadString(IDS_COMPUTER_LEADS), h - c);
    platform.Status().SetPaneText(2, text);
}

std::string BackgWnd::DiceText()
{
    std::string text = LoadString(IDS_DICE);
    for (int i = 0; i < dice->moves && i < 4; ++i) {
        text += std::to_string(dice->die[i]) + "+";
        if (board.CurrentPlayer == HUMAN || board.CurrentPlayer == COMPUTER) {
            PipsRolled[board.CurrentPlayer] += dice->die[i];
            if (i == 3) DoublesRolled[board.CurrentPlayer] += 1;
        }
    }
    if (!text.empty() && text.back() == '+') text.pop_back();
    return text;
}

void BackgWnd::SetStatus(int id)
{
    if (AutoPlay) return;
    platform.Status().SetPaneText(2, "");
    platform.Status().SetPaneText(0, LoadString(id));
    platform.Status().Repaint();
}

void BackgWnd::AddListLine(const std::string& text)
{
    MoveList& list = platform.List();
    const int page = list.PageSize() > 0 ? list.PageSize() : 1;
    while (list.LineCount() > 0 && list.LineCount() >= page) list.DeleteLine(0);
    list.AddLine(text.substr(0, 63));
    list.EnsureVisible(list.LineCount() - 1);
    list.Repaint();
}

void BackgWnd::AppendToLastLine(const std::string& text)
{
    MoveList& list = platform.List();
    const int n = list.LineCount();
    if (n == 0) {
        AddListLine(text);
        return;
    }
    const std::string line = list.LineText(n - 1) + text;
    list.DeleteLine(n - 1);
    AddListLine(line);
}

void BackgWnd::DeleteLastLine()
{
    MoveList& list = platform.List();
    if (list.LineCount() > 0) list.DeleteLine(list.LineCount() - 1);
}

void BackgWnd::StartClock(int player)
{
    if (player != HUMAN && player != COMPUTER) return;
    if (ThinkingTime[player] >= 0) ThinkingTime[player] -= static_cast<int>(platform.TickCount());
}

void BackgWnd::StopClock(int player)
{
    if (player != HUMAN && player != COMPUTER) return;
    if (ThinkingTime[player] < 0) ThinkingTime[player] += static_cast<int>(platform.TickCount());
}

void BackgWnd::Pause(int ms)
{
    if (AutoPlay && FastFinish) return;
    platform.Sleep(ms);
}

// ---------------------------------------------------------------- doubling cube

bool BackgWnd::ComputerWantsToDouble()
{
    return UseCube && ComputerMayDouble && !AutoPlay && CubeOwner != HUMAN && CubeValue < 64 &&
           PiecesInRange(14, 25, board, board.CurrentPlayer) != 1 && rules->DoublingBalance() <= -DOUBLING_THRESHOLD;
}

void BackgWnd::ComputerOffersDouble()
{
    ShowProgressText();
    switch (platform.MessageBox(LoadString(IDS_COMPUTER_DOUBLES), Buttons::YesNoCancel, Icon::Question)) {
    case IDYES:
        CubeValue *= 2;
        CubeOwner = HUMAN;
        UpdateCube();
        break;
    case IDNO:
        Winner = COMPUTER;
        break;
    default:
        ComputerMayDouble = false;
        break;
    }
    platform.Status().SetPaneText(2, "");
}

void BackgWnd::HumanDoubles()
{
    platform.SetFocusToMain();
    platform.SetCursor(CursorKind::Wait);
    Pause(1500);
    platform.SetCursor(CursorKind::Arrow);
    ComputerMayDouble = true;
    if (rules->AcceptDouble()) {
        CubeValue *= 2;
        CubeOwner = COMPUTER;
        UpdateCube();
    } else if (platform.MessageBox(LoadString(IDS_NOT_ACCEPTED), Buttons::OkCancel, Icon::Information) == IDOK) {
        EndGame(HUMAN, false);
    }
}

void BackgWnd::UpdateCube()
{
    platform.Cube().SetText(CubeValue == 1 ? "64" : std::to_string(CubeValue));
    PlaceCube();
    platform.Cube().Enable(DoubleEnabled());
}

bool BackgWnd::DoubleEnabled() const { return UseCube && MovesMade == 0 && CubeOwner != COMPUTER && CubeValue != 64; }

// ---------------------------------------------------------------- dice host

void BackgWnd::AskManualDice(DiceRecord& record)
{
    DiceDlg dialog(record.die[0], record.die[1]);
    if (platform.RunDiceDlg(dialog) == IDOK) dialog.Apply(record);
}

void BackgWnd::InvalidRollsFile()
{
    platform.MessageBox(LoadString(IDS_INVALID_ROLLS), Buttons::Ok, Icon::Exclamation);
}

bool BackgWnd::IsAutoPlay() const { return AutoPlay; }

std::string BackgWnd::RollsPath() const { return RollsList; }

void BackgWnd::PlayEvent(int event, bool async)
{
    if (event < 0 || event >= SOUND_EVENTS || !SoundActive[event]) return;
    platform.PlaySound(SoundFile[event], async);
}

// The menu and accelerator commands of the main window.
#include <cstdio>
#include <cstdlib>

#include "core/files/PositionFile.h"
#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/BackgClr.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/SettingSheet.h"
#include "program/game/BackgWnd.h"
#include "program/game/Commands.h"
#include "program/game/GameGlobals.h"

bool BackgWnd::IsCommandEnabled(int id) const
{
    switch (id) {
    case ID_PASS:
        return board.CurrentPlayer == HUMAN && rules && rules->CannotMove();
    case ID_DOUBLE:
        return DoubleEnabled();
    case ID_UNDO:
        return MovesMade > 0;
    case ID_SWITCH_SIDES:
    case ID_FILE_SAVE:
        return MovesMade == 0;
    case ID_FINISH_GAME:
    case ID_RESIGN:
        return !WaitingConfirm;
    default:
        return true;
    }
}

void BackgWnd::OnCommand(int id, CommandSource source)
{
    if (source != CommandSource::Posted && !IsCommandEnabled(id)) return;
    switch (id) {
    case ID_COMPUTER_TURN:
        PlayComputerTurn();
        break;
    case ID_PLAY_FORCED:
        PlayForcedMoves();
        break;
    case ID_FILE_NEW:
        OnNewGameCommand();
        break;
    case ID_FILE_OPEN:
        OnOpen();
        break;
    case ID_FILE_SAVE:
        OnSave();
        break;
    case ID_SETTINGS:
        OnSettings();
        break;
    case ID_RESET_SCORES:
        OnResetScores();
        break;
    case ID_APP_EXIT:
        quitRequested = true;
        platform.Quit();
        break;
    case ID_SHOW_PROGRESS:
        ShowProgressText();
        break;
    case ID_UNDO:
        Undo();
        break;
    case ID_DOUBLE:
        HumanDoubles();
        break;
    case ID_PASS:
        OnPass();
        break;
    case ID_RESIGN:
        OnResign();
        break;
    case ID_SUGGEST_MOVE:
        OnSuggestMove();
        break;
    case ID_SWITCH_SIDES:
        OnSwitchSides();
        break;
    case ID_FINISH_GAME:
        OnFinishGame();
        break;
    case ID_COLOURS:
        OnColours();
        break;
    case ID_REDRAW:
        OnRedraw();
        break;
    case ID_HELP:
        OnHelp();
        break;
    case ID_DOCUMENTATION:
        OnDocumentation();
        break;
    case ID_APP_ABOUT:
        OnAbout();
        break;
    default:
        break;
    }
}

void BackgWnd::OnNewGameCommand()
{
    if (platform.MessageBox(LoadString(IDS_START_NEW_GAME), Buttons::YesNo, Icon::Question) == IDYES) NewGame();
}

void BackgWnd::OnResetScores()
{
    if (platform.MessageBox(LoadString(IDS_RESET_SCORES), Buttons::YesNo, Icon::Question) != IDYES) return;
    Score[HUMAN] = 0;
    Score[COMPUTER] = 0;
    WriteScores(profile);
}

void BackgWnd::OnPass()
{
    if (dice->moves != 0 && BothDicePlayable) {
        platform.MessageBox(LoadString(IDS_BOTH_DICE), Buttons::Ok, Icon::Exclamation);
        return;
    }
    StopClock(HUMAN);
    DeleteLastLine();
    AddListLine(LoadString(IDS_NO_MOVE));
    // The turn always passes to the computer, even from an opening turn.
    OpeningTurn = false;
    PostCommand(ID_COMPUTER_TURN);
}

void BackgWnd::OnResign()
{
    const bool backPieces = PiecesInRange(0, 6, board, HUMAN) != 0 && !rules->race;
    GvUpDlg dialog(rules->GammonRisk(), backPieces);
    if (platform.RunResignDlg(dialog) == IDCANCEL) return;
    CubeValue *= dialog.Multiplier();
    Winner = COMPUTER;
    EndGame(COMPUTER, false);
}

void BackgWnd::OnSuggestMove()
{
    if (board.CurrentPlayer != HUMAN) return;
    const std::vector<MovePair> moves = SuggestedMoves(OpeningTurn && MovesMade == 0);
    HoldTurn = !AutoPlay;
    for (const MovePair& m : moves) {
        CurrentMove() = m;
        AppendToLastLine(std::string(1, LocationLetter(m.from)) + LoadString(IDS_TO) + LocationLetter(m.to));
        FlushInput();
        if (!ApplyMove(CurrentMove())) return;
    }
}

void BackgWnd::OnSwitchSides()
{
    const BoardSnapshot snapshot = SnapshotBoard(board);
    for (int i = 0; i < LOCATIONS; ++i) {
        const int j = i == HUMAN_TRAY ? COMPUTER_TRAY : i == COMPUTER_TRAY ? HUMAN_TRAY : std::abs(i - 25);
        Position& target = board[j];
        while (target.count > 0) target.RemovePiece();
        const int fixed = FixedOwner(j);
        target.owner = fixed != NOBODY ? fixed : Opponent(snapshot[i].owner);
        while (target.count < snapshot[i].count) target.AddPiece();
    }
    board.CaptureBoard();
    DrawProgressBar();
    PromptHumanMove(true);
}

void BackgWnd::OnFinishGame()
{
    switch (AutoFinish) {
    case 0:
        FastFinish = true;
        break;
    case 1:
        FastFinish = false;
        break;
    default: {
        FinishDlg dialog;
        const int answer = platform.RunFinishDlg(dialog);
        if (answer == FinishDlg::ID_FAST)
            FastFinish = true;
        else if (answer == FinishDlg::ID_SLOW)
            FastFinish = false;
        else
            return;
    }
    }
    if (!AutoPlay) {
        platform.Status().SetPaneText(2, "");
        platform.Status().SetPaneText(0, LoadString(IDS_KEEP_ESC));
        platform.Status().Repaint();
    }
    AutoPlay = true;
    while (AutoPlay && !quitRequested) {
        if (platform.EscHeld()) {
            AutoPlay = false;
            break;
        }
        PromptHumanMove(true);
        platform.UpdateNow();
        OnSuggestMove();
        if (AutoPlay) PlayComputerTurn();
    }
    PromptHumanMove(true);
}

void BackgWnd::OnRedraw() { platform.Invalidate(); }

void BackgWnd::OnHelp()
{
    switch (platform.Active()) {
    case ActiveWindow::SettingSheet:
        platform.ShowHelp(HELP_SETTINGS);
        break;
    case ActiveWindow::Colours:
        platform.ShowHelp(HELP_COLOURS);
        break;
    case ActiveWindow::Resign:
        platform.ShowHelp(HELP_RESIGN);
        break;
    case ActiveWindow::AutoFinish:
        platform.ShowHelp(HELP_AUTO_FINISH);
        break;
    default:
        platform.ShowHelp(0);
        break;
    }
}

void BackgWnd::OnDocumentation()
{
    if (platform.OpenDocument(paths.documentationPath) == OpenResult::NotFound)
        platform.MessageBox(paths.documentationPath + LoadString(IDS_NOT_FOUND), Buttons::Ok, Icon::Exclamation);
}

void BackgWnd::OnAbout()
{
    AboutDlg dialog;
    platform.RunAboutDlg(dialog);
}

namespace {

FileDialogOptions PositionDialog(bool save)
{
    FileDialogOptions options;
    options.filter = LoadString(IDS_POSITION_FILTER);
    options.initialName = "*.pos";
    if (save) {
        options.defaultExtension = "pos";
        options.confirmOverwrite = true;
    }
    return options;
}

} // namespace

void BackgWnd::OnSave()
{
    const std::optional<std::string> path = platform.SaveFileDialog(PositionDialog(true));
    if (!path) return;
    StopClock(board.CurrentPlayer);
    WritePositionFile(*path, CurrentPositionData());
}

void BackgWnd::OnOpen()
{
    const std::optional<std::string> path = platform.OpenFileDialog(PositionDialog(false));
    if (!path) return;
    PositionFileData data = CurrentPositionData();
    switch (ReadPositionFile(*path, data)) {
    case PositionFileResult::CannotOpen:
        return;
    case PositionFileResult::Invalid:
        platform.MessageBox(LoadString(IDS_INVALID_POSITION), Buttons::Ok, Icon::Exclamation);
        return;
    case PositionFileResult::Ok:
        break;
    }
    LoadPosition(data);
    std::string name = *path;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    // The caption is shortened to fit its 64-character buffer.
    platform.SetCaption((ApplicationTitle() + " - " + name).substr(0, 63));
}

// Runs the settings sheet on the page it was last closed on; after OK the
// cube button and the dice show what the pages changed.
void BackgWnd::OnSettings()
{
    SettingSheet sheet(SheetContext{platform, profile, dice.get(), [this](bool cw) { ReverseDirection(cw); }},
                       lastSettingsPage);
    const int result = platform.RunSettingSheet(sheet);
    lastSettingsPage = sheet.ActivePage();
    if (result != IDOK) return;
    platform.Cube().Enable(DoubleEnabled());
    ShowDice();
}

void BackgWnd::ReverseDirection(bool clockWise)
{
    // board.BoardTable holds the position the turn started from; the capture below
    // only serves the rebuild.
    const BoardData turnStart = board.BoardTable;
    board.CaptureBoard();
    ClockWise = clockWise ? 1 : 0;
    board.BuildBoard(false);
    rules.reset();
    rules = std::make_unique<RulesEngine>(&board, dice.get());
    rules->tickCount = [this] { return platform.TickCount(); };
    profile.WriteInt(SECTION_OPTIONS, KEY_CLOCK_WISE, ClockWise);
    // The side panel follows the board to its new places.
    PlacePanelControls();
    PlaceCube();
    platform.Invalidate();
    board.BoardTable = turnStart;
}

// Runs the colours dialog over the live board; OK makes the shown scheme
// current in the settings file as well.
void BackgWnd::OnColours()
{
    BackgClr dialog(platform, paths.schemePath, [this] { RefreshColours(); });
    dialog.Open();
    if (platform.RunColourDlg(dialog) == IDOK) WriteCurScheme(profile);
}

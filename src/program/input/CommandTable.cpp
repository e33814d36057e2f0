// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/input/CommandTable.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "core/files/MatchFile.h"
#include "core/files/Notation.h"
#include "core/files/PositionFile.h"
#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/BackgClr.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/HintDlg.h"
#include "program/dialogs/SettingSheet.h"
#include "program/dialogs/TutorDlg.h"
#include "program/game/Commands.h"
#include "program/game/DoublingCube.h"
#include "program/game/ExpertPlayer.h"
#include "program/game/SavedGame.h"
#include "program/game/TurnCycle.h"
#include "program/input/MoveInput.h"
#include "program/view/BoardView.h"
#include "program/view/SidePanel.h"

CommandTable::CommandTable(WindowContext& context)
    : ctx(context), platform(context.platform), settings(context.settings), game(context.game)
{
}

// Every command with its enabling rule and what it does, in menu order.
std::span<const CommandTable::Entry> CommandTable::Table()
{
    using C = CommandTable;
    static constexpr Entry table[] = {
        {ID_COMPUTER_TURN, nullptr, [](C& c) { c.ctx.turns.PlayComputerTurn(); }},
        {ID_PLAY_FORCED, nullptr, [](C& c) { c.ctx.turns.PlayForcedMoves(); }},
        {ID_FILE_NEW, nullptr, [](C& c) { c.OnNewGameCommand(); }},
        {ID_FILE_OPEN, nullptr, [](C& c) { c.OnOpen(); }},
        {ID_FILE_SAVE, [](const C& c) { return c.game.MovesMade == 0; }, [](C& c) { c.OnSave(); }},
        {ID_EXPORT_GAME, [](const C& c) { return c.game.record.HasMoves() || c.game.finished.Ended(); },
         [](C& c) { c.OnExportGame(); }},
        {ID_EXPORT_LAST_GAME, [](const C& c) { return c.game.lastGameHeld; }, [](C& c) { c.OnExportLastGame(); }},
        {ID_COPY_POSITION_ID, nullptr, [](C& c) { c.OnCopyPositionId(); }},
        {ID_PASTE_POSITION_ID, nullptr, [](C& c) { c.OnPastePositionId(); }},
        {ID_SETTINGS, nullptr, [](C& c) { c.OnSettings(); }},
        {ID_RESET_SCORES, nullptr, [](C& c) { c.OnResetScores(); }},
        {ID_APP_EXIT, nullptr, [](C& c) { c.OnExit(); }},
        {ID_SHOW_PROGRESS, nullptr, [](C& c) { c.ctx.panel.ShowProgressText(); }},
        {ID_UNDO, [](const C& c) { return c.game.MovesMade > 0; }, [](C& c) { c.ctx.turns.Undo(); }},
        {ID_DOUBLE, [](const C& c) { return c.ctx.cube.DoubleEnabled(); }, [](C& c) { c.ctx.cube.HumanDoubles(); }},
        {ID_PASS,
         [](const C& c) { return c.game.CurrentPlayer() == HUMAN && c.game.rules && c.game.rules->CannotMove(); },
         [](C& c) { c.OnPass(); }},
        {ID_RESIGN, [](const C& c) { return !c.game.WaitingConfirm; }, [](C& c) { c.OnResign(); }},
        {ID_SUGGEST_MOVE, nullptr, [](C& c) { c.OnSuggestMove(); }},
        {ID_HINTS,
         [](const C& c) {
             return c.game.CurrentPlayer() == HUMAN && c.game.Winner == 0 && c.game.rules &&
                    !(c.game.MovesMade == 0 && c.game.rules->CannotMove());
         },
         [](C& c) { c.OnHints(); }},
        {ID_ANALYSE_GAME, [](const C& c) { return c.game.record.HasMoves() || c.game.finished.Ended(); },
         [](C& c) { c.OnAnalyseGame(); }},
        {ID_TUTOR, nullptr, [](C& c) { c.OnTutor(); }},
        {ID_TUTOR_CHECK, nullptr, [](C& c) { c.ctx.turns.CheckWithTutor(); }},
        {ID_SWITCH_SIDES, [](const C& c) { return c.game.MovesMade == 0; }, [](C& c) { c.OnSwitchSides(); }},
        {ID_FINISH_GAME, [](const C& c) { return !c.game.WaitingConfirm; }, [](C& c) { c.OnFinishGame(); }},
        {ID_COLOURS, nullptr, [](C& c) { c.OnColours(); }},
        {ID_REDRAW, nullptr, [](C& c) { c.platform.Invalidate(); }},
        {ID_HELP, nullptr, [](C& c) { c.OnHelp(); }},
        {ID_DOCUMENTATION, nullptr, [](C& c) { c.OnDocumentation(); }},
        {ID_APP_ABOUT, nullptr, [](C& c) { c.OnAbout(); }},
    };
    return table;
}

const CommandTable::Entry* CommandTable::Find(int id)
{
    for (const Entry& entry : Table())
        if (entry.id == id) return &entry;
    return nullptr;
}

bool CommandTable::IsCommandEnabled(int id) const
{
    const Entry* entry = Find(id);
    return entry == nullptr || entry->enabled == nullptr || entry->enabled(*this);
}

void CommandTable::OnCommand(int id, CommandSource source)
{
    if (source != CommandSource::Posted && !IsCommandEnabled(id)) return;
    if (const Entry* entry = Find(id)) entry->run(*this);
}

void CommandTable::OnExit()
{
    ctx.quitRequested = true;
    platform.Quit();
}

void CommandTable::OnNewGameCommand()
{
    if (platform.MessageBox(LoadString(IDS_START_NEW_GAME, platform.Texts()), Buttons::YesNo, Icon::Question) == IDYES)
        ctx.turns.NewGame();
}

void CommandTable::OnResetScores()
{
    if (platform.MessageBox(LoadString(IDS_RESET_SCORES, platform.Texts()), Buttons::YesNo, Icon::Question) != IDYES)
        return;
    ResetScores(ctx.profile, settings);
}

void CommandTable::OnPass()
{
    if (game.dice->moves != 0 && game.BothDicePlayable) {
        platform.MessageBox(LoadString(IDS_BOTH_DICE, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        return;
    }
    ctx.turns.StopClock(HUMAN);
    ctx.panel.DeleteLastLine();
    ctx.panel.AddListLine(LoadString(IDS_NO_MOVE, platform.Texts()));
    // The turn always passes to the computer, even from an opening turn.
    ctx.turns.PassToComputer();
}

void CommandTable::OnResign()
{
    GvUpDlg dialog = GvUpDlg::ForPosition(game.rules->GammonRisk(), game.board.Data(), game.rules->race);
    if (platform.RunResignDlg(dialog) == IDCANCEL) return;
    game.CubeValue *= dialog.Multiplier();
    game.Winner = COMPUTER;
    ctx.turns.EndGame(COMPUTER, false);
}

void CommandTable::OnSuggestMove()
{
    if (game.CurrentPlayer() != HUMAN) return;
    // The Expert suggests the play of the whole roll; once some of it is
    // played, the rest comes from the "Good" search.
    const std::vector<MovePair> moves = ctx.PlayedLevel() == LEVEL_EXPERT && game.MovesMade == 0
                                            ? ExpertSuggestedMoves(game, ctx.expert)
                                            : SuggestedMoves(game, game.OpeningTurn && game.MovesMade == 0);
    game.HoldTurn = !game.AutoPlay;
    for (const MovePair& m : moves)
        if (!ctx.turns.PlayChosenMove(m)) return;
}

bool CommandTable::ExpertReady(int unavailableText)
{
    if (ctx.expert.Available()) return true;
    char text[512];
    std::snprintf(text, sizeof text, LoadString(unavailableText, platform.Texts()), ctx.expert.Error().c_str());
    platform.MessageBox(text, Buttons::Ok, Icon::Exclamation);
    return false;
}

void CommandTable::OnHints()
{
    const std::optional<std::pair<int, int>> roll = OpenRoll(game);
    if (game.CurrentPlayer() != HUMAN || !roll) return;
    if (!ExpertReady(IDS_HINTS_UNAVAILABLE)) return;
    // Once a piece has moved, the hints are for the roll as it stood at the
    // turn's start.
    const BoardData board = game.MovesMade > 0 ? WithFixedOwners(game.board.BoardTable) : game.board.Data();
    const auto [die1, die2] = *roll;
    const CubeHolder holder = CubeHolderFor(game, HUMAN);
    const bool cubeful = settings.UseCube != 0;
    platform.SetCursor(CursorKind::Wait);
    const std::vector<Hint> hints = ctx.expert.Hints(board, HUMAN, die1, die2, holder, cubeful, HintDlg::MAX_ROWS);
    platform.SetCursor(CursorKind::Arrow);
    if (hints.empty()) return; // the search was abandoned: the window is closing
    std::vector<HintRow> rows;
    for (const Hint& h : hints) rows.push_back({PlayNotation(HUMAN, h.moves), h.equity, h.chances, h.plies});
    HintDlg dialog(die1, die2, std::move(rows), cubeful, game.MovesMade == 0 && !game.WaitingConfirm);
    if (platform.RunHintDlg(dialog) != HintDlg::PLAY.id || !dialog.CanPlay()) return;
    // The game may have moved on while the window was open.
    if (game.CurrentPlayer() != HUMAN || game.MovesMade != 0 || game.WaitingConfirm) return;
    const ExpertMove& move = hints[static_cast<std::size_t>(dialog.Selected())].move;
    game.HoldTurn = !game.AutoPlay;
    for (int k = 0; k < move.count && k < 4; ++k) {
        const auto [from, to] = move.pairs[k];
        if (!ctx.turns.PlayChosenMove(MovePair{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)})) return;
    }
}

// The game analysed is the one Export game writes. The Expert judges it
// behind a progress window whose Cancel stops it; the window stays alive
// meanwhile, and a close request ends the analysis too.
void CommandTable::OnAnalyseGame()
{
    const Catalogue& texts = platform.Texts();
    if (!ExpertReady(IDS_ANALYSIS_UNAVAILABLE)) return;
    const GameRecord& record = game.record.HasMoves() || !game.finished.Ended() ? game.record : game.finished;
    if (!record.FromStart()) {
        platform.MessageBox(LoadString(IDS_ANALYSIS_NOT_FROM_START, texts), Buttons::Ok, Icon::Exclamation);
        return;
    }
    const MatchGame played = record.Played();
    std::unique_ptr<ProgressWindow> progress = platform.OpenProgress(texts.Translate(AnalysisDlg::PROGRESS_CAPTION),
                                                                     texts.Translate(AnalysisDlg::PROGRESS_TEXT));
    ProgressWindow& window = *progress;
    const std::optional<GameAnalysis> analysis = ctx.expert.Analyse(
        played, settings.UseCube != 0, [&window](int done, int total) { window.SetProgress(done, total); },
        [this, &window] { return !window.Cancelled() && !ctx.quitRequested; });
    const bool stopped = window.Cancelled() || ctx.quitRequested;
    progress.reset();
    // Input the main window was given meanwhile was not meant for the game.
    platform.DropPendingInput();
    if (!analysis || stopped) return;
    AnalysisDlg dialog(played, *analysis, texts);
    platform.RunAnalysisDlg(dialog);
}

void CommandTable::OnTutor()
{
    if (!ExpertReady(IDS_TUTOR_UNAVAILABLE)) return;
    TutorDlg dialog(settings.Tutor != 0, settings.TutorThreshold);
    if (platform.RunTutorDlg(dialog) != IDOK) return;
    settings.Tutor = dialog.On() ? 1 : 0;
    settings.TutorThreshold = dialog.Threshold();
    WriteTutor(ctx.profile, settings);
}

void CommandTable::OnSwitchSides()
{
    Board& board = game.board;
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
    // The game goes on from a position no roll led to.
    game.record.Interrupt();
    ctx.panel.DrawProgressBar();
    ctx.kept.Keep();
    ctx.turns.PromptHumanMove(true);
}

void CommandTable::OnFinishGame()
{
    switch (settings.AutoFinish) {
    case 0:
        game.FastFinish = true;
        break;
    case 1:
        game.FastFinish = false;
        break;
    default: {
        FinishDlg dialog;
        const int answer = platform.RunFinishDlg(dialog);
        if (answer == FinishDlg::ID_FAST)
            game.FastFinish = true;
        else if (answer == FinishDlg::ID_SLOW)
            game.FastFinish = false;
        else
            return;
    }
    }
    if (!game.AutoPlay) {
        platform.Status().SetPaneText(PANE_NOTICE, "");
        platform.Status().SetPaneText(PANE_PROMPT, LoadString(IDS_KEEP_ESC, platform.Texts()));
        platform.Status().Repaint();
    }
    game.AutoPlay = true;
    while (game.AutoPlay && !ctx.quitRequested) {
        // Held Esc stops; so does a position that neither side can ever leave
        // (both on the bar before closed boards), which would be passed back
        // and forth for ever.
        if (platform.EscHeld() || NeitherCanMove(game.board.Data())) {
            game.AutoPlay = false;
            break;
        }
        ctx.turns.PromptHumanMove(true);
        platform.UpdateNow();
        OnSuggestMove();
        if (game.AutoPlay) ctx.turns.PlayComputerTurn();
    }
    ctx.turns.PromptHumanMove(true);
}

void CommandTable::OnHelp()
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

void CommandTable::OnDocumentation()
{
    const std::string& path = ctx.paths.documentationPath;
    switch (platform.OpenDocument(path)) {
    case OpenResult::Opened:
        break;
    case OpenResult::NotFound:
        platform.MessageBox(path + LoadString(IDS_NOT_FOUND, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        break;
    case OpenResult::Failed:
        // A desktop without a program for web pages: the help window shows
        // the manual, and only when it cannot is the player told.
        if (!platform.ShowDocument(path))
            platform.MessageBox(path + LoadString(IDS_CANNOT_SHOW, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        break;
    }
}

void CommandTable::OnAbout()
{
    AboutDlg dialog;
    platform.RunAboutDlg(dialog);
}

namespace {

// The longest caption Open sets, in bytes.
constexpr std::size_t CAPTION_BYTES = 63;

// The first bytes of UTF-8 `text`, at most `maxBytes`, never ending inside a
// character: the cut falls before the lead byte of a character it would split.
std::string CutBetweenCharacters(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

FileDialogOptions PositionDialog(bool save, const Catalogue& texts)
{
    FileDialogOptions options;
    options.filter = LoadString(IDS_POSITION_FILTER, texts);
    options.initialName = "*.pos";
    if (save) {
        options.defaultExtension = "pos";
        options.confirmOverwrite = true;
    }
    return options;
}

FileDialogOptions MatchDialog(const Catalogue& texts)
{
    FileDialogOptions options;
    options.filter = LoadString(IDS_MATCH_FILTER, texts);
    options.initialName = "*.mat";
    options.defaultExtension = "mat";
    options.confirmOverwrite = true;
    return options;
}

} // namespace

void CommandTable::OnSave()
{
    const std::optional<std::string> path = platform.SaveFileDialog(PositionDialog(true, platform.Texts()));
    if (!path) return;
    // The clock of the side to move is stopped so that the file holds the time
    // thought so far, and runs on after the save: the time until the move
    // still counts.
    const int player = game.CurrentPlayer();
    const bool clockRan = (player == HUMAN || player == COMPUTER) && game.ClockRunning[player];
    ctx.turns.StopClock(player);
    // The file is written whole or not at all; a failure (a full disk, a
    // folder that may not be written or is gone, something that is no file)
    // leaves any old file as it was and is told.
    if (!WritePositionFile(*path, CurrentPositionData(game)))
        platform.MessageBox(LoadString(IDS_CANNOT_SAVE_POSITION, platform.Texts()), Buttons::Ok, Icon::Exclamation);
    if (clockRan) ctx.turns.StartClock(player);
}

// The game in progress, as far as its turns are played; before the first move
// of a game, the game finished last. A game that began anywhere but in the
// starting position has no place in a match file, which always starts there.
void CommandTable::OnExportGame()
{
    const GameRecord& record = game.record.HasMoves() || !game.finished.Ended() ? game.record : game.finished;
    if (!record.FromStart()) {
        platform.MessageBox(LoadString(IDS_EXPORT_NOT_FROM_START, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        return;
    }
    const std::optional<std::string> path = platform.SaveFileDialog(MatchDialog(platform.Texts()));
    if (!path) return;
    if (!WriteMatchFile(*path, ExportedGameText(record.Played(), platform.Now())))
        platform.MessageBox(LoadString(IDS_CANNOT_EXPORT, platform.Texts()), Buttons::Ok, Icon::Exclamation);
}

// The game finished last, as it was when it ended, whatever has been played
// since: until the next game ends, also after a restart.
void CommandTable::OnExportLastGame()
{
    if (game.lastGameText.empty()) {
        platform.MessageBox(LoadString(IDS_EXPORT_NOT_FROM_START, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        return;
    }
    const std::optional<std::string> path = platform.SaveFileDialog(MatchDialog(platform.Texts()));
    if (!path) return;
    if (!WriteMatchFile(*path, game.lastGameText))
        platform.MessageBox(LoadString(IDS_CANNOT_EXPORT, platform.Texts()), Buttons::Ok, Icon::Exclamation);
}

void CommandTable::OnCopyPositionId()
{
    const std::string ids = CopiedGameIds(game);
    platform.SetClipboardText(ids);
    char text[256];
    std::snprintf(text, sizeof text, LoadString(IDS_POSITION_ID_COPIED, platform.Texts()), ids.substr(0, 14).c_str(),
                  ids.substr(15).c_str());
    platform.MessageBox(text, Buttons::Ok, Icon::Information);
}

// A pasted position is set up as an opened file is: the human rolls next.
void CommandTable::OnPastePositionId()
{
    const std::optional<std::string> text = platform.ClipboardText();
    const std::optional<PastedIds> pasted = text ? ReadPastedIds(*text) : std::nullopt;
    if (!pasted) {
        platform.MessageBox(LoadString(IDS_NO_POSITION_ID, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        return;
    }
    ctx.kept.LoadPosition(PastedPositionData(game, *pasted));
    platform.SetCaption(ApplicationTitle() + " - " + PositionId(pasted->board, HUMAN));
}

void CommandTable::OnOpen()
{
    const std::optional<std::string> path = platform.OpenFileDialog(PositionDialog(false, platform.Texts()));
    if (!path) return;
    PositionFileData data = CurrentPositionData(game);
    switch (ReadPositionFile(*path, data)) {
    case PositionFileResult::CannotOpen:
        return;
    case PositionFileResult::Invalid:
        platform.MessageBox(LoadString(IDS_INVALID_POSITION, platform.Texts()), Buttons::Ok, Icon::Exclamation);
        return;
    case PositionFileResult::Ok:
        break;
    }
    ctx.kept.LoadPosition(data);
    std::string name = *path;
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    // The caption is shortened to fit its 64-byte buffer, between characters.
    platform.SetCaption(CutBetweenCharacters(ApplicationTitle() + " - " + name, CAPTION_BYTES));
}

// After OK the cube button and the dice show what the pages changed.
void CommandTable::OnSettings()
{
    SettingSheet sheet(SheetContext{platform, ctx.profile, settings, game.dice.get(),
                                    [this](bool cw) { ReverseDirection(cw); }, ctx.expert.Available()},
                       lastSettingsPage);
    const int result = platform.RunSettingSheet(sheet);
    lastSettingsPage = sheet.ActivePage();
    if (result != IDOK) return;
    ctx.cube.RefreshButton();
    ctx.panel.ShowDice();
}

void CommandTable::ReverseDirection(bool clockWise)
{
    Board& board = game.board;
    // BoardTable holds the position the turn started from; the capture below
    // only serves the rebuild.
    const BoardData turnStart = board.BoardTable;
    board.CaptureBoard();
    settings.ClockWise = clockWise ? 1 : 0;
    board.BuildBoard(false);
    ctx.turns.MakeRules();
    ctx.profile.WriteInt(SECTION_OPTIONS, KEY_CLOCK_WISE, settings.ClockWise);
    // The side panel follows the board to its new places.
    ctx.panel.PlacePanelControls();
    ctx.panel.PlaceCube();
    platform.Invalidate();
    board.BoardTable = turnStart;
}

// OK makes the shown scheme current in the settings file as well.
void CommandTable::OnColours()
{
    BackgClr dialog(platform, ctx.paths.schemePath, settings, ctx.view.Colours(),
                    [this] { ctx.view.RefreshColours(); });
    dialog.Open();
    if (platform.RunColourDlg(dialog) == IDOK) WriteCurScheme(ctx.profile, settings);
}

#pragma once
// The main window, which is also the game controller: it owns the board, the
// rules, the dice and the state of the game, and drives one game after
// another from the opening roll to the score. It talks to the window system
// only through the Platform.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/dice/DiceRecord.h"
#include "core/dice/Random.h"
#include "core/files/PositionFile.h"
#include "core/settings/Paths.h"
#include "core/settings/Profile.h"
#include "program/platform/MessageQueue.h"
#include "program/platform/Platform.h"
#include "program/view/ViewHost.h"

// One move of a piece: (from, to) locations, 255 in both when empty.
struct MovePair {
    std::uint8_t from = 255;
    std::uint8_t to = 255;
};

class BackgWnd : public ViewHost, public DiceHost {
public:
    // Creates the window: seeds the generator, reads the settings and the
    // colour scheme, starts the blink timer and the first game.
    BackgWnd(Platform& platform, const AppPaths& paths);
    ~BackgWnd() override;
    BackgWnd(const BackgWnd&) = delete;
    BackgWnd& operator=(const BackgWnd&) = delete;

    // --- Messages ---
    // Queues a message from the window system, or a command posted to itself.
    void Post(const Message& m) { queue.Post(m); }
    void PostCommand(int id) { queue.Post(Message::Cmd(id, CommandSource::Posted)); }
    // Handles queued messages until the queue is empty.
    void PumpMessages();
    // Handles one message as the window system delivers it: the
    // pre-translation hook, accelerators, then the handlers.
    void Dispatch(const Message& m);
    // Removes every queued input, command and timer message.
    void FlushInput();
    // The end-of-turn confirmation; true when the message was consumed.
    bool PreTranslateMessage(const Message& m);
    // Carries out a command; from the menu or an accelerator only when enabled.
    void OnCommand(int id, CommandSource source);
    bool IsCommandEnabled(int id) const;

    // --- Turn cycle ---
    void NewGame();
    void StartTurn();
    void PromptHumanMove(bool restart);
    bool ApplyMove(MovePair pair);
    void TransferPiece(int from, int to);
    void FinishHumanTurn();
    void PlayForcedMoves();
    void PlayComputerTurn();
    void EndGame(int winner, bool gammonCheck);
    void ShowProgressText();
    std::string DiceText();
    void SetStatus(int id);
    void AddListLine(const std::string& text);
    void AppendToLastLine(const std::string& text);
    void DeleteLastLine();
    void StartClock(int player);
    void StopClock(int player);
    // Waits ms milliseconds unless the program finishes a game quick.
    void Pause(int ms);

    // --- Doubling cube ---
    bool ComputerWantsToDouble();
    void ComputerOffersDouble();
    void HumanDoubles();
    void UpdateCube();
    bool DoubleEnabled() const;

    // --- Window, painting and the side panel ---
    void OnSize();
    void OnPaint();
    void CreatePanelControls();
    // Places the status panes, dice pictures and move list by the board's layout.
    void PlacePanelControls();
    void ApplyBackgroundColour();
    void ShowDice();
    void HideDice();
    void ResetMoveList();
    void PlaceCube();
    void OnTimer(int id);
    void DrawProgressBar();
    // Re-creates the pieces of the points in the current colours.
    void RefreshColours();

    // --- Mouse and keyboard ---
    // The letter handler: c is 'A'..'X' or '0'; realKey for a key press.
    void OnLetter(int c, bool realKey);
    void OnKeyDown(const Message& m);
    void OnLButtonUp(int x, int y);
    void OnRButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void Highlight(int location, bool on);
    // Clears every highlight and draws the hover highlight anew for the dice left.
    void RefreshHover();
    // Gives both tray labels the text colour of trayHighlight.
    void ColourTrays();
    void Undo();

    // --- Commands ---
    void OnNewGameCommand();
    void OnResetScores();
    void OnPass();
    void OnResign();
    void OnSuggestMove();
    void OnSwitchSides();
    void OnFinishGame();
    void OnRedraw();
    void OnHelp();
    void OnDocumentation();
    void OnAbout();
    void OnOpen();
    void OnSave();
    void OnSettings();
    // Rebuilds the board for the other direction of play, keeping the
    // position, the roll and the position the turn started from.
    void ReverseDirection(bool clockWise);
    // The human's remaining dice played by the computer's search, as moves.
    std::vector<MovePair> SuggestedMoves(bool useBook);
    // The game as a position file holds it, and a loaded file put in place.
    PositionFileData CurrentPositionData() const;
    void LoadPosition(const PositionFileData& data);
    void OnColours();
    // Plays a sound event if it is switched on.
    void PlayEvent(int event, bool async);

    // --- ViewHost ---
    Surface& Screen() override { return platform.Screen(); }
    TrayLabel& TrayControl(int location) override;
    void Delay() override;
    void PlayHitOrMove(int event) override;
    bool UndoInProgressNow() const override { return UndoInProgress; }
    int NextRandom() override { return random.Next(); }
    void CountHit() override;

    // --- DiceHost ---
    void AskManualDice(DiceRecord& record) override;
    void InvalidRollsFile() override;
    bool IsAutoPlay() const override;
    std::string RollsPath() const override;

    MovePair& CurrentMove() { return TurnMoves[CurrentMoveIndex]; }
    const MovePair& CurrentMove() const { return TurnMoves[CurrentMoveIndex]; }

    Platform& platform;
    AppPaths paths;
    Profile profile;
    MessageQueue queue;
    Random random;
    Board board;
    std::unique_ptr<RulesEngine> rules;
    std::unique_ptr<DiceRecord> dice;

    // Game state.
    int Starter = 0;
    int Winner = 0;
    int CubeValue = 1;
    int MovesMade = 0;
    // The moves of the turn; after the fourth move CurrentMove is the fifth,
    // unused entry.
    std::array<MovePair, 5> TurnMoves{};
    int CurrentMoveIndex = 0;
    bool OpeningTurn = false;
    bool FirstGame = true;
    bool ReplayRolls = false;
    bool WaitingConfirm = false;
    bool HoldTurn = false;
    bool UndoInProgress = false;
    bool BothDicePlayable = false;

    // Cube state.
    int CubeOwner = 0;
    bool ComputerMayDouble = true;

    // Window state.
    bool trayHighlight = false;
    bool BlinkShown = false;
    bool controlsCreated = false;
    bool quitRequested = false;
    // Where the pointer was last seen over the board.
    int mouseX = -1;
    int mouseY = -1;
    // Told of every piece moved by the turn cycle or Undo, before it moves
    // (checks of the program's own moves hang on it).
    std::function<void(int from, int to)> onTransfer;
    // The page the settings sheet was closed on.
    int lastSettingsPage = 0;
};

// The main window, known program-wide (the locations draw through it).
inline BackgWnd* MainWnd = nullptr;

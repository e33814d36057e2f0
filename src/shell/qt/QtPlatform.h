// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's services on Qt: the real main window with its menu bar, the
// board canvas and its back buffer, the side-panel controls, Qt's event loop
// turned into the program's messages, the dialogs, time and input state.
//
// Messages: every key, click, menu choice and timer tick is posted into the
// main window's queue, and a pump is scheduled (one at a time) that lets the
// window handle what is queued. While the program is inside a handler, no
// other pump runs: its sleeps and dialogs process events, but the handler's
// own loop carries on with what was queued meanwhile.
//
// Painting: the program draws into a back buffer; what it draws outside
// painting is shown at the latest before it sleeps. A full repaint (the
// program's OnPaint over a buffer erased in the background colour) runs when
// the program asks for it (UpdateNow) or when it is between messages, never
// while a handler sleeps; the window's own repaints only copy the buffer,
// which has the screen's physical pixels.
//
// The window never freezes: inside a handler, every sleep (also one of no
// time, a step of an animation) and every repaint asked for handles the
// window's own events, while the user's input for the main window is held
// back until the program is between messages. A close request that comes
// then ends the process at once: files are written whole at the moment they
// change, never across a sleep, and nothing of the turn in progress has been
// recorded.

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QSize>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>

#include "program/platform/Message.h"
#include "program/platform/Platform.h"
#include "shell/qt/QtSurface.h"
#include "shell/qt/SoundPlayer.h"
#include "shell/qt/Translation.h"

class BackgApp;
class BoardCanvas;
class InputFilter;
class MainFrame;
class QtCubeButton;
class QtDicePicture;
class QtMoveList;
class QtStatusBar;
class QtTrayLabel;
class QEventLoop;
class QTimer;

// The platform's icon size: the dice pictures are this many pixels square.
constexpr int ICON_SIZE = 32;

class QtPlatform final : public QObject, public Platform {
    Q_OBJECT

public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // The translation the application loaded (none: English).
    const Catalogue& Texts() const override { return catalogue; }

    // Lets the application create its main window on this platform, then
    // starts handling messages; false when the window could not be created.
    bool Start(BackgApp& app);
    void Attach(MainWindow* window) override { mainWindow = window; }

    // --- What the window's parts report ---
    // Queues a message for the program and schedules its handling.
    void PostInput(const Message& m);
    // Whether a command may be chosen from the menu now.
    bool CommandEnabled(int id) const;
    // The close box and the window manager's close: the Exit command between
    // messages, the end of the process inside a handler (see exitNow).
    void RequestClose();
    // Ends the process when a close request comes while the program is inside
    // a handler: at once, nothing more of the handler is run. Tests put their own.
    std::function<void(int)> exitNow = [](int code) {
        std::fflush(nullptr);
        std::_Exit(code);
    };
    // Fits the window again when the window system's frame has changed.
    void CheckFrame();

    // --- State, for the window's parts and for tests ---
    // Whether the program is inside a message handler (or being created).
    bool Busy() const { return busy > 0; }
    bool Ended() const { return ended; }
    // The height a window's caption is taken to have (see ScreenArea).
    static int CaptionHeight();
    MainFrame& Frame() { return *frame; }
    BoardCanvas& Canvas() { return *canvas; }
    QtSurface& BackBuffer() { return surface; }
    QtStatusBar& StatusWidget() { return *status; }
    QtMoveList& ListWidget() { return *list; }
    QtCubeButton& CubeWidget() { return *cube; }
    QtDicePicture& DieWidget(int index) { return *dice[static_cast<std::size_t>(index & 7)]; }
    QtTrayLabel& TrayWidget(int which) { return *trays[static_cast<std::size_t>(which & 1)]; }
    SoundPlayer& Sound() { return sound; }

    // --- Platform ---
    void ScreenArea(int& width, int& height) const override;
    void SetWindowSize(int width, int height, bool moveToCorner) override;
    Rect ClientRect() const override;
    bool IsMinimized() const override;
    void SetCaption(const std::string& caption) override;
    void Invalidate() override;
    void UpdateNow() override;
    void SetBackground(Colour c) override;
    void ShowWindow() override;
    void ShowActionMenu(int x, int y) override;
    void Quit() override;
    void StartTimer(int id, int milliseconds) override;

    Surface& Screen() override { return surface; }
    StatusBar& Status() override;
    MoveList& List() override;
    DicePicture& Die(int index) override;
    CubeButton& Cube() override;
    TrayLabel& Tray(int which) override;
    int IconSize() const override { return ICON_SIZE; }

    std::uint32_t TickCount() const override;
    void Sleep(int milliseconds) override;
    std::time_t Now() const override;

    bool EscHeld() const override;
    void SetFocusToMain() override;
    bool MainIsActive() const override;
    ActiveWindow Active() const override;
    void DropPendingInput() override;

    void SetCursor(CursorKind kind) override;
    std::optional<Point> PointerPosition() const override;

    int MessageBox(const std::string& text, Buttons buttons, Icon icon) override;
    std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) override;
    std::optional<Colour> ChooseColour(Colour initial) override;
    int RunStatDlg(StatDlg& dialog) override;
    int RunResignDlg(GvUpDlg& dialog) override;
    int RunFinishDlg(FinishDlg& dialog) override;
    int RunHintDlg(HintDlg& dialog) override;
    int RunAnalysisDlg(AnalysisDlg& dialog) override;
    std::unique_ptr<ProgressWindow> OpenProgress(const std::string& caption, const std::string& text) override;
    int RunTutorDlg(TutorDlg& dialog) override;
    int RunTutorWarning(TutorWarning& warning) override;
    int RunAboutDlg(AboutDlg& dialog) override;
    int RunDiceDlg(DiceDlg& dialog) override;
    int RunColourDlg(BackgClr& dialog) override;
    int RunSettingSheet(SettingSheet& sheet) override;

    void PlaySound(const std::string& path, bool async) override;
    void Beep() override;

    void ShowHelp(int context) override;
    OpenResult OpenDocument(const std::string& path) override;
    std::optional<std::string> ClipboardText() const override;
    void SetClipboardText(const std::string& text) override;
    std::unique_ptr<FileLock> LockFolder(const std::string& folder) override;
    KeptLock LockKeptGame(const std::string& path) override;
    bool ShowDocument(const std::string& path) override;

    // Handles what is queued now, as the event loop does when the program is
    // between messages.
    void RunPump();

signals:
    // The program has ended: the application may leave its event loop.
    void Finished();

private:
    QtCatalogue catalogue;

    // Schedules one pump, unless one is scheduled already.
    void SchedulePump();
    // Between messages: the input held back meanwhile given back, the end of
    // the program, a new fit of the window, a pending full repaint, and a
    // pump for what is still queued.
    void AfterMessages();
    // Erases the buffer and lets the program paint the board.
    void PaintBoard();
    // Shows what was drawn into the buffer, now.
    void Present();
    // Paints the shown board now if its paint is still to come.
    void PaintBeforeDialog();
    // Sizes the client area so that the window's outer size is the size asked for.
    void FitWindow();
    void Refit();
    void End();
    // Ends the process if a close was requested while inside a handler.
    void EndIfClosing();
    void HandleWindowEvents();
    // Handles the window's events until `loop` ends (or those waiting now,
    // without a loop), with the main window's input held back.
    void RunEvents(QEventLoop* loop);
    QMargins FrameMargins() const;
    std::optional<std::string> FileDialog(const FileDialogOptions& options, bool save);

    QtSurface surface;
    std::unique_ptr<MainFrame> frame;
    BoardCanvas* canvas = nullptr;
    QtStatusBar* status = nullptr;
    QtMoveList* list = nullptr;
    std::array<QtDicePicture*, 8> dice{};
    QtCubeButton* cube = nullptr;
    std::array<QtTrayLabel*, 2> trays{};
    std::unique_ptr<InputFilter> filter;
    std::map<int, QTimer*> timers;
    SoundPlayer sound;
    QElapsedTimer clock;

    Colour background = 0;
    // The outer size the program asked for, the client size it gives and the
    // frame it was fitted with.
    QSize requested;
    QSize client{1, 1};
    QMargins appliedMargins;
    // The window was placed in the screen's corner before its frame was known.
    bool cornerUntilFramed = false;

    // The program's main window, from its creation until it is destroyed.
    MainWindow* mainWindow = nullptr;
    int busy = 0;
    // The loop of the sleep in progress, which a close request ends early.
    QEventLoop* sleepLoop = nullptr;
    bool pumpScheduled = false;
    bool pumpDeferred = false;
    bool paintPending = false;
    bool frameChanged = false;
    bool closeRequested = false;
    bool quitting = false;
    bool ended = false;
};

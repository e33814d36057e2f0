// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services the program asks of the window system. The Qt shell provides
// them for the real window; the tests provide a platform of their own with a
// virtual clock and scripted dialogs.

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

#include "core/files/FileLock.h"
#include "program/platform/Catalogue.h"
#include "program/platform/Controls.h"
#include "program/platform/MainWindow.h"
#include "program/platform/Surface.h"

class StatDlg;
class GvUpDlg;
class FinishDlg;
class HintDlg;
class AnalysisDlg;
class TutorDlg;
class TutorWarning;
class AboutDlg;
class DiceDlg;
class BackgClr;
class SettingSheet;

// Message box buttons, icons and answers.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Question, Exclamation, Information };
enum DialogResult { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

enum class CursorKind { Arrow, Wait, Confirm };

// The window that is active when help is asked for.
enum class ActiveWindow { Main, SettingSheet, Colours, Resign, AutoFinish, Other };

// What opening a document answered.
enum class OpenResult { Opened, NotFound, Failed };

struct FileDialogOptions {
    std::string filter;      // "Name (*.ext)|*.ext|...||"
    std::string initialName; // "*.pos"
    std::string defaultExtension;
    bool confirmOverwrite = false;
};

// A window that shows how far a long piece of work has got, with a Cancel
// button, while the main window stays as it is. Its own events are handled
// whenever the program looks at the window (Sleep); it closes when it is
// destroyed.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    // `done` steps of `total` are behind.
    virtual void SetProgress(int done, int total) = 0;
    // Whether the player has asked to stop (Cancel, Esc or the close box).
    virtual bool Cancelled() const = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The main window the platform delivers the window system's messages to,
    // from its creation on; null once it is gone.
    virtual void Attach(MainWindow* /*window*/) {}

    // The texts in the player's language (English unless the platform has a translation).
    virtual const Catalogue& Texts() const { return EnglishTexts(); }

    // Window
    // Width and height of the screen area a maximised window gets.
    virtual void ScreenArea(int& width, int& height) const = 0;
    // Sets the window's outer size; moves it to (10, 10) when asked.
    virtual void SetWindowSize(int width, int height, bool moveToCorner) = 0;
    virtual Rect ClientRect() const = 0;
    virtual bool IsMinimized() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Marks the whole client area for repainting through the program's paint
    // handler, with the background erased in colour 0 first.
    virtual void Invalidate() = 0;
    // Carries out any pending repaint at once.
    virtual void UpdateNow() = 0;
    virtual void SetBackground(Colour c) = 0;
    virtual void ShowWindow() = 0;
    // Shows the "&Action" menu as a pop-up at the client point (x, y).
    virtual void ShowActionMenu(int x, int y) = 0;
    // Ends the program after the current message.
    virtual void Quit() = 0;
    // Starts a timer that delivers Timer messages with this id.
    virtual void StartTimer(int /*id*/, int /*milliseconds*/) {}

    // Drawing and controls
    virtual Surface& Screen() = 0;
    virtual StatusBar& Status() = 0;
    virtual MoveList& List() = 0;
    // Pictures 0..3 are the computer's dice, 4..7 the human's.
    virtual DicePicture& Die(int index) = 0;
    virtual CubeButton& Cube() = 0;
    // 0 the computer's tray label, 1 the human's.
    virtual TrayLabel& Tray(int which) = 0;
    // Width and height of the platform's icons (the dice pictures).
    virtual int IconSize() const = 0;

    // Time
    virtual std::uint32_t TickCount() const = 0;
    virtual void Sleep(int milliseconds) = 0;
    virtual std::time_t Now() const = 0;

    // Input state
    // Whether Esc is held down at this moment.
    virtual bool EscHeld() const = 0;
    virtual void SetFocusToMain() = 0;
    virtual bool MainIsActive() const = 0;
    virtual ActiveWindow Active() const = 0;
    // Drops input the window system holds but has not delivered yet.
    virtual void DropPendingInput() = 0;

    virtual void SetCursor(CursorKind kind) = 0;
    // Where the pointer is now in the client area, none when it is outside it.
    virtual std::optional<Point> PointerPosition() const = 0;

    // Dialogs
    virtual int MessageBox(const std::string& text, Buttons buttons, Icon icon) = 0;
    virtual std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;
    // Opens a progress window over the main window with this caption and
    // line of text (in the player's language), at no steps done.
    virtual std::unique_ptr<ProgressWindow> OpenProgress(const std::string& caption, const std::string& text) = 0;
    // Each runs the dialog modally and returns how it was closed (IDOK,
    // IDCANCEL or a button's id); the model holds what the user chose.
    virtual int RunStatDlg(StatDlg& dialog) = 0;
    virtual int RunResignDlg(GvUpDlg& dialog) = 0;
    virtual int RunFinishDlg(FinishDlg& dialog) = 0;
    virtual int RunHintDlg(HintDlg& dialog) = 0;
    virtual int RunAnalysisDlg(AnalysisDlg& dialog) = 0;
    virtual int RunTutorDlg(TutorDlg& dialog) = 0;
    virtual int RunTutorWarning(TutorWarning& warning) = 0;
    virtual int RunAboutDlg(AboutDlg& dialog) = 0;
    virtual int RunDiceDlg(DiceDlg& dialog) = 0;
    virtual int RunColourDlg(BackgClr& dialog) = 0;
    virtual int RunSettingSheet(SettingSheet& sheet) = 0;

    // Sound: a wave file played asynchronously (cutting off one still
    // playing) or to its end; the default sound plays when the file is missing.
    virtual void PlaySound(const std::string& path, bool async) = 0;
    virtual void Beep() = 0;

    // Files shared by copies of the program
    // Keeps other copies of the program that use the same folder (and so the
    // same settings file and graph file) off its files while the lock lives.
    // Waits a little when another copy holds it; null when it cannot be had,
    // and the caller goes on without it.
    virtual std::unique_ptr<FileLock> LockFolder(const std::string& folder) = 0;
    // The lock a copy of the program holds for as long as it owns the game
    // kept at `path` (on a file beside it); never waited for. Busy when
    // another running copy holds it; no lock and not busy when the folder
    // has no locks to give.
    struct KeptLock {
        std::unique_ptr<FileLock> lock;
        bool busy = false;
    };
    virtual KeptLock LockKeptGame(const std::string& path) = 0;

    // Help at a context (0 for the default topic), and documents.
    virtual void ShowHelp(int context) = 0;
    virtual OpenResult OpenDocument(const std::string& path) = 0;
    // Shows an HTML document in the program's own help window; false when it
    // cannot be read.
    virtual bool ShowDocument(const std::string& path) = 0;

    // The text on the desktop's clipboard (nothing when it holds none), and
    // text put there.
    virtual std::optional<std::string> ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
};

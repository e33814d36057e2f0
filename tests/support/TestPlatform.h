// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A platform for tests that run whole games without a display and without
// waiting: a virtual clock, a drawing surface that keeps its pixels, controls
// that record what the program did to them, and dialogs answered from a
// script that is checked against what the program asks.

#include <cstdint>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "program/platform/Message.h"
#include "program/platform/Platform.h"

// ---------------------------------------------------------------------------
// Drawing

// A rectangle of pixels copied off a PixelSurface.
class PixelBitmap : public Bitmap {
public:
    PixelBitmap(int w, int h);
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
};

// One call of Surface::Text, kept because the letters themselves are drawn as
// plain blocks and cannot be read back from the pixels.
struct TextCall {
    int x = 0, y = 0;
    std::string text;
    Colour colour = 0;
    Colour background = 0;
    bool opaque = false;
};

// A surface that draws into an array of pixels. Every primitive is clipped to
// the surface and accepts any coordinates.
class PixelSurface : public Surface {
public:
    static constexpr int CELL_WIDTH = 8;
    static constexpr int CELL_HEIGHT = 14;
    // The solid block a non-blank character is drawn as, inside its cell.
    static constexpr int GLYPH_LEFT = 1, GLYPH_TOP = 2, GLYPH_WIDTH = 6, GLYPH_HEIGHT = 10;
    // Bitmaps larger than this on a side keep only this much.
    static constexpr int MAX_BITMAP_SIDE = 8192;

    explicit PixelSurface(int w = 1280, int h = 1024, Colour background = 0);

    // Changes the size, keeping the pixels that stay inside; new pixels get `fill`.
    void Resize(int w, int h, Colour fill = 0);
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel at (x, y); `outside` for a point off the surface.
    Colour Pixel(int x, int y, Colour outside = 0xFFFFFFFF) const;
    void SetPixel(int x, int y, Colour c);
    // How many pixels of r (clipped to the surface) have colour c.
    int CountColour(const Rect& r, Colour c) const;
    // Whether every pixel of r (clipped) has colour c.
    bool AllColour(const Rect& r, Colour c) const;
    const std::vector<Colour>& Pixels() const { return pixels_; }
    // An FNV-1a hash of the size and every pixel.
    std::uint64_t Checksum() const;
    // Writes the image as a binary PPM for looking at by eye; false on failure.
    bool WritePpm(const std::string& path) const;

    // Every Text call, in order.
    std::vector<TextCall> texts;
    int polygons = 0;
    int ellipses = 0;
    int lines = 0;
    int fills = 0;

    // Surface
    void FillRect(const Rect& r, Colour fill) override;
    void Polygon(const Point* points, int count, Colour fill, Colour pen) override;
    void FillEllipse(const Rect& r, Colour fill) override;
    void Line(int x1, int y1, int x2, int y2, Colour pen) override;
    void Text(int x, int y, const std::string& text, Colour colour, Colour background, bool opaque) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight() const override { return CELL_HEIGHT; }
    std::unique_ptr<Bitmap> CreateBitmap(int w, int h) override;
    void SaveCell(Bitmap& into, int x, int y) override;
    void RestoreCell(const Bitmap& from, int x, int y) override;

private:
    // Fills columns [x0, x1) of row y, clipped; coordinates may be anything.
    void Span(long long y, long long x0, long long x1, Colour c);
    void DrawLine(long long x1, long long y1, long long x2, long long y2, Colour pen);

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// ---------------------------------------------------------------------------
// Controls

class TestPlatform;

class TestStatusBar : public StatusBar {
public:
    static constexpr int HEIGHT = 20;
    explicit TestStatusBar(const TestPlatform& owner) : platform(owner) {}

    struct PaneTextCall {
        int pane = 0;
        std::string text;
    };

    std::string texts[3];
    std::vector<PaneTextCall> textLog;
    int widths[2] = {0, 0};
    // The last progress bar drawn, and whether it still shows (an
    // invalidation erases it).
    Rect progressFirst{}, progressSecond{};
    Colour progressFirstColour = 0, progressSecondColour = 0;
    bool progressShown = false;
    int progressDraws = 0;
    int repaints = 0;
    int invalidations = 0;

    void SetPaneWidths(int pane0, int pane1) override;
    void SetPaneText(int pane, const std::string& text) override;
    std::string PaneText(int pane) const override;
    Rect PaneRect(int pane) const override;
    void DrawProgress(const Rect& first, Colour firstColour, const Rect& second, Colour secondColour) override;
    void Repaint() override { ++repaints; }
    void Invalidate() override;

private:
    const TestPlatform& platform;
};

class TestMoveList : public MoveList {
public:
    static constexpr int LINE_HEIGHT = 16;

    Rect geometry{};
    bool visible = false;
    std::vector<std::string> lines;
    // Every line added, in order, also those deleted or cleared since.
    std::vector<std::string> addedLog;
    int pageSize = 16;
    int firstVisible = 0;
    Colour background = 0;
    int clears = 0;
    int repaints = 0;

    void SetGeometry(const Rect& r) override { geometry = r; }
    void Show() override { visible = true; }
    void Clear() override;
    void AddLine(const std::string& text) override;
    void DeleteLine(int index) override;
    int LineCount() const override { return static_cast<int>(lines.size()); }
    std::string LineText(int index) const override;
    int PageSize() const override { return pageSize; }
    Rect LineRect(int index) const override;
    int TextWidth(const std::string& text) const override;
    void EnsureVisible(int index) override;
    void SetBackground(Colour c) override { background = c; }
    void Repaint() override { ++repaints; }

private:
    // Keeps the first visible line where a list control would scroll it.
    void ClampScroll();
};

class TestDicePicture : public DicePicture {
public:
    Rect geometry{};
    int face = 0;
    bool visible = false;
    int faceChanges = 0;
    int repaints = 0;

    void SetGeometry(const Rect& r) override { geometry = r; }
    void SetFace(int value) override;
    void Show(bool v) override { visible = v; }
    bool Visible() const override { return visible; }
    int Face() const override { return face; }
    void Repaint() override { ++repaints; }
};

class TestCubeButton : public CubeButton {
public:
    Rect geometry{};
    std::string text;
    std::vector<std::string> textLog;
    bool enabled = true;
    int geometryChanges = 0;
    int repaints = 0;

    void SetGeometry(const Rect& r) override;
    Rect Geometry() const override { return geometry; }
    void SetText(const std::string& t) override;
    std::string Text() const override { return text; }
    void Enable(bool e) override { enabled = e; }
    bool Enabled() const override { return enabled; }
    void Repaint() override { ++repaints; }
};

class TestTrayLabel : public TrayLabel {
public:
    Rect geometry{};
    std::string text;
    std::vector<std::string> textLog;
    bool alignLeft = false;
    Colour textColour = 0;
    int repaints = 0;

    void SetGeometry(const Rect& r) override { geometry = r; }
    void SetText(const std::string& t) override;
    std::string Text() const override { return text; }
    void SetAlignLeft(bool left) override { alignLeft = left; }
    void SetTextColour(Colour c) override { textColour = c; }
    Colour TextColour() const override { return textColour; }
    void Repaint() override { ++repaints; }
};

// ---------------------------------------------------------------------------
// Scripts of dialog answers

enum class DialogKind {
    MessageBox,
    OpenFile,
    SaveFile,
    ChooseColour,
    StatDlg,
    ResignDlg,
    FinishDlg,
    HintDlg,
    Progress,
    AnalysisDlg,
    TutorDlg,
    TutorWarning,
    AboutDlg,
    DiceDlg,
    ColourDlg,
    SettingSheet
};
std::string ToString(DialogKind kind);
std::string ToString(Buttons buttons);
std::string ToString(Icon icon);

// A dialog the program showed: its kind and its text (a message box's text,
// a file dialog's filter, a colour as six hex digits).
struct DialogRecord {
    DialogKind kind = DialogKind::MessageBox;
    std::string text;
};

// Answers for one of the program's own dialogs: handlers used once each in
// order, then the standing handler if there is one.
template <class Dialog> struct DialogScript {
    std::deque<std::function<int(Dialog&)>> once;
    std::function<int(Dialog&)> always;
};

// ---------------------------------------------------------------------------
// Messages as the real window delivers them

class Injector {
public:
    explicit Injector(std::function<void(const Message&)> postTo) : post(std::move(postTo)) {}

    // A left click: button down, then up, at the same client point.
    void Click(int x, int y) const;
    void RightClick(int x, int y) const;
    void Move(int x, int y) const;
    // One key press. A letter key carries its character, lower case unless
    // shift is held (not with ctrl); other keys carry what is given.
    void Key(int vk, int ch = 0, bool ctrl = false, bool shift = false) const;
    // The key that types c: a letter (upper case with shift), a digit or a space.
    void TypeLetter(char c) const;
    void Menu(int id) const;
    void Accel(int vk, int ch = 0, bool ctrl = false, bool shift = false) const { Key(vk, ch, ctrl, shift); }
    // One tick of the blink timer.
    void Tick() const;

private:
    std::function<void(const Message&)> post;
};

// ---------------------------------------------------------------------------
// The platform

class TestPlatform : public Platform {
public:
    static constexpr std::uint32_t START_TICKS = 100000;
    static constexpr std::time_t DEFAULT_NOW = 1777896000; // 4 May 2026, 12:00 UTC
    // Outer size minus client size of the window's frame, caption and menu bar.
    static constexpr int FRAME_WIDTH = 6;
    static constexpr int FRAME_HEIGHT = 49;

    TestPlatform();
    // Reports expectations left over, unless checkScriptsAtEnd is cleared.
    ~TestPlatform() override;
    TestPlatform(const TestPlatform&) = delete;

    // The texts' language: English unless a test gives a catalogue.
    const Catalogue* catalogue = nullptr;
    const Catalogue& Texts() const override { return catalogue != nullptr ? *catalogue : EnglishTexts(); }
    TestPlatform& operator=(const TestPlatform&) = delete;

    // --- Where the platform sends messages (the window's Post), and paints
    // (the window's OnPaint) ---
    std::function<void(const Message&)> post;
    std::function<void()> onPaint;
    Injector Input() const;

    // --- Virtual clock ---
    std::uint32_t ticks = START_TICKS;
    long long sleptTotal = 0;
    std::vector<int> sleeps;
    std::time_t now = DEFAULT_NOW;
    void Advance(int milliseconds);

    // --- Window ---
    int screenWidth = 1280, screenHeight = 994;
    int windowWidth = 1280, windowHeight = 994;
    // The frame the window system gives the window (it may come late).
    int frameWidth = FRAME_WIDTH, frameHeight = FRAME_HEIGHT;
    int windowSizeCalls = 0;
    bool movedToCorner = false;
    bool minimized = false;
    bool shown = false;
    std::string caption;
    std::vector<std::string> captionLog;
    std::optional<std::string> clipboard;
    Colour background = 0;
    bool invalidatePending = false;
    int invalidations = 0;
    int updateNowCalls = 0;
    int paints = 0;
    bool quit = false;
    struct MenuCall {
        int x = 0, y = 0;
    };
    std::vector<MenuCall> menuCalls;
    // Commands to choose from the next pop-up menus; none dismisses the menu.
    std::deque<int> menuChoices;

    // Paints now if an invalidation is pending, as the window system does when
    // the message queue runs empty.
    void PaintPending();

    // --- Controls ---
    PixelSurface screen;
    TestStatusBar status{*this};
    TestMoveList list;
    TestDicePicture dice[8];
    TestCubeButton cube;
    TestTrayLabel trays[2];

    // --- Input state ---
    std::function<bool()> escHeld = [] { return false; };
    int focusCalls = 0;
    ActiveWindow active = ActiveWindow::Main;
    int droppedInput = 0;
    CursorKind cursor = CursorKind::Arrow;
    // Where the pointer is: the point of the last mouse message injected, or
    // set by a test (a pointer moved over a dialog sends the board nothing).
    mutable std::optional<Point> pointer;
    std::vector<CursorKind> cursorLog;

    // --- Sound, help and documents ---
    struct SoundCall {
        std::string path;
        bool async = false;
    };
    std::vector<SoundCall> sounds;
    int beeps = 0;
    std::vector<int> helpContexts;
    std::vector<std::string> documents;
    // What the desktop answers to opening a present document, whether the
    // help window can show one, and the documents it showed.
    OpenResult desktopAnswer = OpenResult::Opened;
    bool helpWindowShows = true;
    std::vector<std::string> shownDocuments;

    // --- Folder locks: a real flock, so that test programs side by side in
    // one folder keep each other out ---
    // Every folder asked for, and how many locks are held now.
    std::vector<std::string> lockedFolders;
    int locksHeld = 0;
    // LockFolder answers null, as when the lock cannot be had.
    bool lockFails = false;

    // --- Scripted dialogs ---
    void ExpectMessageBox(const std::string& text, Buttons buttons, Icon icon, int answer);
    void ExpectOpenFile(const FileDialogOptions& options, std::optional<std::string> answer);
    void ExpectSaveFile(const FileDialogOptions& options, std::optional<std::string> answer);
    void ExpectChooseColour(Colour initial, std::optional<Colour> answer);
    void OnStatDlg(std::function<int(StatDlg&)> handler) { statScript.once.push_back(std::move(handler)); }
    void OnResignDlg(std::function<int(GvUpDlg&)> handler) { resignScript.once.push_back(std::move(handler)); }
    void OnFinishDlg(std::function<int(FinishDlg&)> handler) { finishScript.once.push_back(std::move(handler)); }
    void OnHintDlg(std::function<int(HintDlg&)> handler) { hintScript.once.push_back(std::move(handler)); }
    void OnAnalysisDlg(std::function<int(AnalysisDlg&)> handler) { analysisScript.once.push_back(std::move(handler)); }
    void OnTutorDlg(std::function<int(TutorDlg&)> handler) { tutorScript.once.push_back(std::move(handler)); }
    void OnTutorWarning(std::function<int(TutorWarning&)> handler) { warningScript.once.push_back(std::move(handler)); }
    void OnAboutDlg(std::function<int(AboutDlg&)> handler) { aboutScript.once.push_back(std::move(handler)); }
    void OnDiceDlg(std::function<int(DiceDlg&)> handler) { diceScript.once.push_back(std::move(handler)); }
    void OnColourDlg(std::function<int(BackgClr&)> handler) { colourScript.once.push_back(std::move(handler)); }
    void OnSettingSheet(std::function<int(SettingSheet&)> handler) { sheetScript.once.push_back(std::move(handler)); }
    // Standing answers, used whenever no one-off handler is queued (a game
    // with typed-in dice asks for every roll).
    void AlwaysOnStatDlg(std::function<int(StatDlg&)> handler) { statScript.always = std::move(handler); }
    void AlwaysOnDiceDlg(std::function<int(DiceDlg&)> handler) { diceScript.always = std::move(handler); }
    void AlwaysOnResignDlg(std::function<int(GvUpDlg&)> handler) { resignScript.always = std::move(handler); }
    void AlwaysOnFinishDlg(std::function<int(FinishDlg&)> handler) { finishScript.always = std::move(handler); }
    // The progress windows: what each was opened with and the steps it
    // showed (its record is a dialog of kind Progress with its caption).
    // Cancel is pressed once a window has shown `progressCancelAt` steps
    // done (never when negative); each step shown takes `progressStepMs` of
    // the clock, the time the work took.
    struct ProgressRecord {
        std::string caption, text;
        std::vector<std::pair<int, int>> steps; // done, total
        bool open = true;
    };
    std::vector<ProgressRecord> progress;
    int progressCancelAt = -1;
    int progressStepMs = 0;
    // Answers for message boxes and file dialogs when nothing is scripted.
    std::function<int(const std::string&, Buttons, Icon)> alwaysMessageBox;
    std::function<std::optional<std::string>(DialogKind, const FileDialogOptions&)> alwaysFileDialog;
    // Forgets everything recorded so far (long runs keep only what the
    // program itself holds).
    void ClearLogs()
    {
        screen.texts.clear();
        status.textLog.clear();
        list.addedLog.clear();
        cube.textLog.clear();
        for (TestTrayLabel& t : trays) t.textLog.clear();
        sleeps.clear();
        captionLog.clear();
        menuCalls.clear();
        cursorLog.clear();
        sounds.clear();
        helpContexts.clear();
        documents.clear();
        lockedFolders.clear();
        dialogs.clear();
    }
    // Fails the test for every expectation or handler not used yet, and drops them.
    void CheckAllScriptsUsed();
    bool checkScriptsAtEnd = true;
    // Every dialog shown, in order.
    std::vector<DialogRecord> dialogs;
    std::vector<DialogKind> DialogKinds() const;

    // --- Platform ---
    void ScreenArea(int& width, int& height) const override;
    void SetWindowSize(int width, int height, bool moveToCorner) override;
    Rect ClientRect() const override;
    bool IsMinimized() const override { return minimized; }
    void SetCaption(const std::string& text) override;
    void Invalidate() override;
    void UpdateNow() override;
    void SetBackground(Colour c) override { background = c; }
    void ShowWindow() override { shown = true; }
    void ShowActionMenu(int x, int y) override;
    void Quit() override { quit = true; }

    Surface& Screen() override { return screen; }
    StatusBar& Status() override { return status; }
    MoveList& List() override { return list; }
    DicePicture& Die(int index) override;
    CubeButton& Cube() override { return cube; }
    TrayLabel& Tray(int which) override;
    int IconSize() const override { return 32; }

    std::uint32_t TickCount() const override { return ticks; }
    void Sleep(int milliseconds) override;
    std::time_t Now() const override { return now; }

    bool EscHeld() const override { return escHeld && escHeld(); }
    void SetFocusToMain() override { ++focusCalls; }
    bool MainIsActive() const override { return active == ActiveWindow::Main; }
    ActiveWindow Active() const override { return active; }
    void DropPendingInput() override { ++droppedInput; }
    void SetCursor(CursorKind kind) override;
    std::optional<Point> PointerPosition() const override { return pointer; }

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

    void PlaySound(const std::string& path, bool async) override { sounds.push_back({path, async}); }
    void Beep() override { ++beeps; }
    void ShowHelp(int context) override { helpContexts.push_back(context); }
    OpenResult OpenDocument(const std::string& path) override;
    bool ShowDocument(const std::string& path) override;
    std::optional<std::string> ClipboardText() const override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    std::unique_ptr<FileLock> LockFolder(const std::string& folder) override;
    KeptLock LockKeptGame(const std::string& path) override;

private:
    class HeldFolder;
    class ScriptedProgress;

    struct BoxExpectation {
        std::string text;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        int answer = IDOK;
    };
    struct FileExpectation {
        FileDialogOptions options;
        std::optional<std::string> answer;
    };
    struct ColourExpectation {
        Colour initial = 0;
        std::optional<Colour> answer;
    };

    std::optional<std::string> FileDialog(DialogKind kind, std::deque<FileExpectation>& script,
                                          const FileDialogOptions& options);
    // Runs one of the program's dialogs from its script, with `window` the
    // active window while it is open.
    template <class Dialog>
    int RunScripted(DialogKind kind, DialogScript<Dialog>& script, Dialog& dialog, ActiveWindow window);

    std::deque<BoxExpectation> boxScript;
    std::deque<FileExpectation> openScript;
    std::deque<FileExpectation> saveScript;
    std::deque<ColourExpectation> colourChoices;
    DialogScript<StatDlg> statScript;
    DialogScript<GvUpDlg> resignScript;
    DialogScript<FinishDlg> finishScript;
    DialogScript<HintDlg> hintScript;
    DialogScript<AnalysisDlg> analysisScript;
    DialogScript<TutorDlg> tutorScript;
    DialogScript<TutorWarning> warningScript;
    DialogScript<AboutDlg> aboutScript;
    DialogScript<DiceDlg> diceScript;
    DialogScript<BackgClr> colourScript;
    DialogScript<SettingSheet> sheetScript;
};

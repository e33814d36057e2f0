// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>

#include "program/app/BackgApp.h"
#include "program/game/Commands.h"
#include "shell/qt/BoardCanvas.h"
#include "shell/qt/FileFilter.h"
#include "shell/qt/FolderLock.h"
#include "shell/qt/InputFilter.h"
#include "shell/qt/MainFrame.h"
#include "shell/qt/PanelControls.h"
#include "shell/qt/QtMoveList.h"
#include "shell/qt/QtStatusBar.h"
#include "shell/qt/dialogs/ColourDlgView.h"
#include "shell/qt/dialogs/DialogViews.h"
#include "shell/qt/dialogs/HelpWindow.h"
#include "shell/qt/dialogs/Resources.h"
#include "shell/qt/dialogs/SettingSheetView.h"

// Resources compiled into a static library are registered by hand.
static void InitResources() { Q_INIT_RESOURCE(tablor); }

namespace {

constexpr int CORNER = 10;
// A sound played to its end is looked at this often, and waited for at most this long.
constexpr int SYNC_SOUND_POLL_MS = 5;
constexpr qint64 SYNC_SOUND_LIMIT_MS = 10000;
constexpr qreal BOARD_FONT_POINTS = 8.0;

QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// Whether the desktop has a program for the file's type: xdg-mime names the
// default one; without xdg-mime, the launcher is left to answer.
bool DesktopHasProgramFor(const QString& file)
{
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return true;
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return true;
    }
    return !process.readAllStandardOutput().trimmed().isEmpty();
}

// A dialog opened from one of the program's dialogs (a page's file dialog,
// the colour chooser of the colours dialog) belongs to that dialog.
QWidget* DialogOwner(QWidget* main)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : main;
}

} // namespace

QtPlatform::QtPlatform()
{
    InitResources();
    clock.start();
    frame = std::make_unique<MainFrame>(*this);
    canvas = new BoardCanvas(surface, frame.get());
    canvas->post = [this](const Message& m) { PostInput(m); };
    frame->setCentralWidget(canvas);
    // The board, its letters and the panel's texts use the desktop's font at
    // the size of a classic dialog font, which the panel's widths are made for.
    QFont font = canvas->font();
    if (font.pointSizeF() > BOARD_FONT_POINTS) font.setPointSizeF(BOARD_FONT_POINTS);
    canvas->setFont(font);
    surface.SetFont(font);
    surface.onDrawn = [this](const QRect& r) { canvas->update(r); };

    status = new QtStatusBar(canvas);
    status->press = [this](const Message& m) { PostInput(m); };
    list = new QtMoveList(canvas);
    list->press = [this](const Message& m) { PostInput(m); };
    list->eraseBehind = [this](const Rect& r, Colour c) { surface.FillRect(r, c); };
    for (std::size_t i = 0; i < dice.size(); ++i) dice[i] = new QtDicePicture(canvas, ICON_SIZE);
    // The trays' counts come before the cube, which covers them in places
    // and so is drawn above them.
    for (QtTrayLabel*& tray : trays) tray = new QtTrayLabel(canvas);
    cube = new QtCubeButton(canvas, [this] { PostInput(Message::Cmd(ID_DOUBLE, CommandSource::Control)); });
    filter = std::make_unique<InputFilter>(*frame);

    // The window exists before it is shown, so that where the window system
    // tells its frame at once, the first fit already counts it.
    frame->winId();
}

QtPlatform::~QtPlatform()
{
    for (auto& [id, timer] : timers) timer->stop();
    filter.reset();
}

bool QtPlatform::Start(BackgApp& app)
{
    ++busy;
    const bool created = app.InitInstance(*this);
    --busy;
    canvas->setFocus(Qt::OtherFocusReason);
    AfterMessages();
    return created;
}

// ---------------------------------------------------------------- messages

void QtPlatform::PostInput(const Message& m)
{
    if (ended || mainWindow == nullptr) return;
    mainWindow->Post(m);
    SchedulePump();
}

bool QtPlatform::CommandEnabled(int id) const
{
    return !ended && mainWindow != nullptr && !mainWindow->QuitRequested() && mainWindow->IsCommandEnabled(id);
}

// Between messages the close is the Exit command. Inside a handler (the
// computer's turn, an animation) the program ends as soon as the sleep or the
// repaint the request came in ends: no file is being written then, and
// nothing of the turn in progress has been recorded.
void QtPlatform::RequestClose()
{
    closeRequested = true;
    if (sleepLoop != nullptr) sleepLoop->quit();
    SchedulePump();
}

void QtPlatform::EndIfClosing()
{
    if (!closeRequested || busy == 0 || ended) return;
    End();
    if (exitNow) exitNow(0);
}

// Expose and paint, a move of the frame, a change of screen, a close request:
// everything but the user's input, which waits for the program to drop it.
// (The window system's own filter for input would keep back the close
// request too: the main window's input is held back here instead.) While a
// dialog of the program is open, its input waits as well.
void QtPlatform::HandleWindowEvents() { RunEvents(nullptr); }

void QtPlatform::RunEvents(QEventLoop* loop)
{
    const bool holding = filter->Holding();
    filter->Hold(true);
    const QEventLoop::ProcessEventsFlags flags =
        QApplication::activeModalWidget() != nullptr ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
    if (loop != nullptr)
        loop->exec(flags);
    else
        QCoreApplication::processEvents(flags);
    filter->Hold(holding);
}

void QtPlatform::SchedulePump()
{
    if (pumpScheduled || ended) return;
    pumpScheduled = true;
    QTimer::singleShot(0, this, [this] { RunPump(); });
}

void QtPlatform::RunPump()
{
    pumpScheduled = false;
    if (ended || mainWindow == nullptr) return;
    if (busy > 0) {
        // The handler running now goes on with the queue itself.
        pumpDeferred = true;
        return;
    }
    ++busy;
    if (closeRequested) {
        mainWindow->RequestQuit();
        quitting = true;
    } else {
        mainWindow->PumpMessages();
    }
    --busy;
    AfterMessages();
}

void QtPlatform::AfterMessages()
{
    if (busy > 0 || ended) return;
    // The input held back while the program was busy is the window's again.
    filter->ReleaseHeld();
    if (quitting || (mainWindow != nullptr && mainWindow->QuitRequested())) {
        End();
        return;
    }
    if (frameChanged) Refit();
    if (paintPending) PaintBoard();
    if (pumpDeferred || closeRequested || (mainWindow != nullptr && mainWindow->HasMessages())) {
        pumpDeferred = false;
        SchedulePump();
    }
}

void QtPlatform::End()
{
    ended = true;
    for (auto& [id, timer] : timers) timer->stop();
    frame->hide();
    emit Finished();
}

void QtPlatform::Quit() { quitting = true; }

void QtPlatform::StartTimer(int id, int milliseconds)
{
    QTimer*& timer = timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { PostInput(Message::Tick(id)); });
    }
    timer->start(milliseconds);
}

// ---------------------------------------------------------------- window

// The screen area of a maximised window's client: the screen's available
// area less one caption, taken as the style's title bar height.
void QtPlatform::ScreenArea(int& width, int& height) const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    width = area.width();
    height = area.height() - CaptionHeight();
}

int QtPlatform::CaptionHeight() { return QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight); }

// While a window manager is still framing the window, the system can report
// nonsense (negative margins): the frame counts as unknown then.
QMargins QtPlatform::FrameMargins() const
{
    const QWindow* handle = frame->windowHandle();
    if (handle == nullptr) return {};
    const QMargins m = handle->frameMargins();
    const int limit = std::max(requested.height(), 1) / 4;
    for (int side : {m.left(), m.top(), m.right(), m.bottom()})
        if (side < 0 || side > limit) return {};
    return m;
}

void QtPlatform::SetWindowSize(int width, int height, bool moveToCorner)
{
    requested = QSize(width, height);
    FitWindow();
    if (moveToCorner) {
        frame->move(CORNER, CORNER);
        cornerUntilFramed = true;
    }
}

// The outer size is the client area, the menu bar and the frame the window
// system reports for the window. Before a window manager has framed the
// window that frame is not known (none is counted); once it is, CheckFrame
// fits the window again.
void QtPlatform::FitWindow()
{
    if (requested.isEmpty()) return;
    const QMargins margins = FrameMargins();
    appliedMargins = margins;
    const int width = std::max(requested.width() - margins.left() - margins.right(), 1);
    QMenuBar* bar = frame->menuBar();
    const int forWidth = bar->heightForWidth(width);
    const int menuHeight = forWidth > 0 ? forWidth : bar->sizeHint().height();
    const int height = std::max(requested.height() - margins.top() - margins.bottom() - menuHeight, 1);
    client = QSize(width, height);
    surface.Resize(width, height, background, canvas->devicePixelRatioF());
    canvas->setFixedSize(client);
    frame->setFixedSize(width, height + menuHeight);
    const int barHeight = QtStatusBar::BarHeight(canvas->font());
    status->setGeometry(0, height - barHeight, width, barHeight);
}

// A size the window was not given, a new frame, or a screen of another device
// pixel ratio (the buffer is then made anew at the screen's resolution and the
// board painted again).
void QtPlatform::CheckFrame()
{
    if (requested.isEmpty() || frame->isMinimized() || !frame->isVisible()) return;
    // The fixed size is only a hint to a window manager: without one, any
    // client can resize the window, and the window takes its size back.
    if (frame->size() != frame->minimumSize() && frame->minimumSize() == frame->maximumSize())
        QTimer::singleShot(0, frame.get(), [this] {
            if (frame->size() != frame->minimumSize()) frame->resize(frame->minimumSize());
        });
    if (FrameMargins() == appliedMargins && canvas->devicePixelRatioF() == surface.Ratio()) return;
    frameChanged = true;
    if (busy == 0) QTimer::singleShot(0, this, [this] { AfterMessages(); });
}

// A size message for the program: it sets the window's size again from the
// screen, now with the frame known, and the board is repainted.
void QtPlatform::Refit()
{
    frameChanged = false;
    if (mainWindow != nullptr)
        mainWindow->OnSize();
    else
        FitWindow();
    // The corner is the frame's: the window is placed again now that the frame
    // is known, by its client area (the frame the system reports can lag).
    if (cornerUntilFramed) {
        const QMargins m = FrameMargins();
        frame->setGeometry(QRect(QPoint(CORNER + m.left(), CORNER + m.top()), frame->size()));
    }
    cornerUntilFramed = false;
    Invalidate();
}

Rect QtPlatform::ClientRect() const { return {0, 0, client.width(), client.height()}; }

bool QtPlatform::IsMinimized() const { return frame->isMinimized(); }

void QtPlatform::SetCaption(const std::string& caption) { frame->setWindowTitle(QString::fromStdString(caption)); }

void QtPlatform::Invalidate()
{
    paintPending = true;
    SchedulePump();
}

// Inside a handler (a move being animated) the window's own events are
// handled too, except while a dialog of the program is open, whose handling
// is under way.
void QtPlatform::UpdateNow()
{
    if (paintPending) PaintBoard();
    Present();
    if (busy == 0 || QApplication::activeModalWidget() != nullptr) return;
    HandleWindowEvents();
    EndIfClosing();
}

void QtPlatform::PaintBoard()
{
    paintPending = false;
    surface.Fill(background);
    ++busy;
    if (mainWindow != nullptr) mainWindow->OnPaint();
    --busy;
}

void QtPlatform::Present()
{
    if (!surface.HasDirty()) return;
    const QRegion region = surface.TakeDirty();
    if (canvas->isVisible()) canvas->repaint(region);
}

void QtPlatform::SetBackground(Colour c) { background = c; }

void QtPlatform::ShowWindow()
{
    if (frame->isMinimized())
        frame->showNormal();
    else if (!frame->isVisible())
        frame->show();
    canvas->setFocus(Qt::OtherFocusReason);
}

// The menu bar's "&Action" menu, popped up where the pointer is; what is
// chosen arrives as a menu command.
void QtPlatform::ShowActionMenu(int x, int y)
{
    if (QMenu* menu = frame->Menu(QStringLiteral("&Action"))) menu->exec(canvas->mapToGlobal(QPoint(x, y)));
}

StatusBar& QtPlatform::Status() { return *status; }
MoveList& QtPlatform::List() { return *list; }
DicePicture& QtPlatform::Die(int index) { return *dice[static_cast<std::size_t>(std::clamp(index, 0, 7))]; }
CubeButton& QtPlatform::Cube() { return *cube; }
TrayLabel& QtPlatform::Tray(int which) { return *trays[which == 0 ? 0 : 1]; }

// ---------------------------------------------------------------- time

// Milliseconds since the program started: the thinking clocks never overflow.
std::uint32_t QtPlatform::TickCount() const { return static_cast<std::uint32_t>(clock.elapsed()); }

// Shows what was drawn, then waits, also for no time at all (a step of an
// animation at full speed). Meanwhile the window handles its own events: it
// repaints, follows its frame and takes a close request; no input is taken
// and no message is handled.
void QtPlatform::Sleep(int milliseconds)
{
    Present();
    ++busy;
    if (milliseconds > 0 && !closeRequested) {
        QEventLoop loop;
        sleepLoop = &loop;
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        RunEvents(&loop);
        sleepLoop = nullptr;
    } else {
        HandleWindowEvents();
    }
    --busy;
    EndIfClosing();
    // A sleep outside any handler leaves what arrived meanwhile to a pump.
    AfterMessages();
}

std::time_t QtPlatform::Now() const { return std::time(nullptr); }

// ---------------------------------------------------------------- input state

// The keyboard's last word on Esc: the input waiting now is delivered first
// (every other key and click for the main window is dropped, as the program
// drops input that arrives while it plays), so a press or release made
// before the question counts.
bool QtPlatform::EscHeld() const
{
    filter->DropPendingInput();
    return filter->EscDown();
}

void QtPlatform::SetFocusToMain() { canvas->setFocus(Qt::OtherFocusReason); }

bool QtPlatform::MainIsActive() const { return frame->isActiveWindow(); }

// The dialog views name themselves in the property "tablorDialog".
ActiveWindow QtPlatform::Active() const
{
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr) window = QApplication::activeWindow();
    if (window == nullptr || window == frame.get()) return ActiveWindow::Main;
    const QString name = window->property("tablorDialog").toString();
    if (name == QLatin1String("SettingSheet")) return ActiveWindow::SettingSheet;
    if (name == QLatin1String("Colours")) return ActiveWindow::Colours;
    if (name == QLatin1String("Resign")) return ActiveWindow::Resign;
    if (name == QLatin1String("AutoFinish")) return ActiveWindow::AutoFinish;
    return ActiveWindow::Other;
}

void QtPlatform::DropPendingInput() { filter->DropPendingInput(); }

// Asked of the window system, not taken from the last move seen: the pointer
// may have moved over a dialog, or out of the window, meanwhile.
std::optional<Point> QtPlatform::PointerPosition() const
{
    if (!frame->isVisible() || frame->isMinimized()) return std::nullopt;
    const QPoint p = canvas->mapFromGlobal(QCursor::pos());
    if (!canvas->rect().contains(p)) return std::nullopt;
    return Point{p.x(), p.y()};
}

void QtPlatform::SetCursor(CursorKind kind)
{
    switch (kind) {
    case CursorKind::Arrow:
        frame->setCursor(Qt::ArrowCursor);
        break;
    case CursorKind::Wait:
        frame->setCursor(Qt::WaitCursor);
        break;
    case CursorKind::Confirm:
        frame->setCursor(ConfirmCursor(frame->devicePixelRatioF()));
        break;
    }
}

// ---------------------------------------------------------------- dialogs

// A dialog raised while the board waits for its paint (the box of a bad rolls
// file, before the first paint at start-up) stands in front of the painted
// board, not of an empty window.
void QtPlatform::PaintBeforeDialog()
{
    if (!paintPending || ended || !frame->isVisible()) return;
    PaintBoard();
    Present();
}

// Esc answers Cancel where there is one, else No; the first button is the default.
int QtPlatform::MessageBox(const std::string& text, Buttons buttons, Icon icon)
{
    PaintBeforeDialog();
    QMessageBox::Icon qIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::None:
        qIcon = QMessageBox::NoIcon;
        break;
    case Icon::Question:
        qIcon = QMessageBox::Question;
        break;
    case Icon::Exclamation:
        qIcon = QMessageBox::Warning;
        break;
    case Icon::Information:
        qIcon = QMessageBox::Information;
        break;
    }
    QMessageBox::StandardButtons qButtons = QMessageBox::Ok;
    QMessageBox::StandardButton first = QMessageBox::Ok, escape = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::Ok:
        break;
    case Buttons::OkCancel:
        qButtons = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        qButtons = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
        escape = QMessageBox::No;
        break;
    case Buttons::YesNoCancel:
        qButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        first = QMessageBox::Yes;
        escape = QMessageBox::Cancel;
        break;
    }
    QMessageBox box(qIcon, frame->windowTitle(), QString::fromStdString(text), qButtons, frame.get());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(first);
    box.setEscapeButton(escape);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        break;
    }
    switch (escape) {
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

// A plain name is proposed in the name box; one with wildcards ("*.pos") is
// proposed there by the save dialog only, and the open dialog only filters
// its list by it.
std::optional<std::string> QtPlatform::FileDialog(const FileDialogOptions& options, bool save)
{
    QFileDialog dialog(DialogOwner(frame.get()),
                       save ? Tr(QT_TRANSLATE_NOOP("Tablor", "Save As")) : Tr(QT_TRANSLATE_NOOP("Tablor", "Open")),
                       QDir::currentPath(), QtFileFilter(options.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    // Always Qt's own dialog: a desktop theme (GTK, portal) would otherwise put
    // up its native one, which looks and behaves differently on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString name = QString::fromStdString(options.initialName);
    if (!name.isEmpty() && (save || (!name.contains(u'*') && !name.contains(u'?')))) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogOptions& options)
{
    return FileDialog(options, false);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogOptions& options)
{
    return FileDialog(options, true);
}

std::optional<Colour> QtPlatform::ChooseColour(Colour initial)
{
    // Qt's own chooser, like the file dialogs: the same everywhere, fully shown.
    QColorDialog::ColorDialogOptions options = QColorDialog::DontUseNativeDialog;
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), DialogOwner(frame.get()),
                                                 Tr(QT_TRANSLATE_NOOP("Tablor", "Color")), options);
    if (!chosen.isValid()) return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

// The player may still hold the Esc that stopped Finish game as the game
// ends: what the keyboard said before the dialog opens is taken in first. A
// close that came while the game's end was being written ends the program
// then (the scores are written) instead of showing the statistics.
int QtPlatform::RunStatDlg(StatDlg& dialog)
{
    filter->DropPendingInput();
    EndIfClosing();
    return ExecStatDlg(dialog, frame.get(), filter->EscDown());
}
int QtPlatform::RunResignDlg(GvUpDlg& dialog) { return ExecResignDlg(dialog, frame.get()); }
int QtPlatform::RunFinishDlg(FinishDlg& dialog) { return ExecFinishDlg(dialog, frame.get()); }
int QtPlatform::RunHintDlg(HintDlg& dialog) { return ExecHintDlg(dialog, frame.get()); }
int QtPlatform::RunAnalysisDlg(AnalysisDlg& dialog) { return ExecAnalysisDlg(dialog, frame.get()); }
std::unique_ptr<ProgressWindow> QtPlatform::OpenProgress(const std::string& caption, const std::string& text)
{
    return OpenProgressWindow(caption, text, frame.get());
}
int QtPlatform::RunTutorDlg(TutorDlg& dialog) { return ExecTutorDlg(dialog, frame.get()); }
int QtPlatform::RunTutorWarning(TutorWarning& warning) { return ExecTutorWarning(warning, frame.get()); }
int QtPlatform::RunAboutDlg(AboutDlg& dialog) { return ExecAboutDlg(dialog, frame.get()); }
// Typed-in dice are asked for at the opening roll too, before the first paint.
int QtPlatform::RunDiceDlg(DiceDlg& dialog)
{
    PaintBeforeDialog();
    return ExecDiceDlg(dialog, frame.get());
}

int QtPlatform::RunSettingSheet(SettingSheet& sheet) { return ExecSettingSheet(sheet, frame.get()); }

// The board follows every change of colours while the dialog is open: the
// program is inside its command then, so the repaint it asked for is done now.
int QtPlatform::RunColourDlg(BackgClr& dialog)
{
    return ExecColourDlg(dialog, frame.get(), [this] { UpdateNow(); });
}

// ---------------------------------------------------------------- sound, help, documents

// A sound played to its end is waited for as a pause is: the window goes on
// repainting and takes a close request meanwhile. Bounded, so that a stalled
// device cannot hang the game.
void QtPlatform::PlaySound(const std::string& path, bool async)
{
    sound.Play(path, true);
    if (async) return;
    const qint64 until = clock.elapsed() + SYNC_SOUND_LIMIT_MS;
    while (sound.Playing() && clock.elapsed() < until) Sleep(SYNC_SOUND_POLL_MS);
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::ShowHelp(int context) { ::ShowHelp(context, frame.get()); }

std::unique_ptr<FileLock> QtPlatform::LockFolder(const std::string& folder) { return LockFolderOf(folder); }

Platform::KeptLock QtPlatform::LockKeptGame(const std::string& path)
{
    bool busy = false;
    std::unique_ptr<FileLock> lock = LockBeside(path, busy);
    return KeptLock{std::move(lock), busy};
}

// The desktop's launcher starts in the background and cannot tell whether a
// program took the file: where the desktop's database of file types can be
// asked, a file type without a program counts as a failure.
OpenResult QtPlatform::OpenDocument(const std::string& path)
{
    const QString file = FromPath(path);
    if (!QFileInfo::exists(file)) return OpenResult::NotFound;
    if (!DesktopHasProgramFor(file)) return OpenResult::Failed;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())) ? OpenResult::Opened
                                                                                              : OpenResult::Failed;
}

std::optional<std::string> QtPlatform::ClipboardText() const
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return std::nullopt;
    const QString text = clipboard->text();
    if (text.isEmpty()) return std::nullopt;
    return text.toStdString();
}

void QtPlatform::SetClipboardText(const std::string& text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(QString::fromStdString(text));
}

bool QtPlatform::ShowDocument(const std::string& path) { return ShowHelpFile(FromPath(path), frame.get()); }

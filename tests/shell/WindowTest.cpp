// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window: its size, a human turn played with keys and clicks,
// the computer's answer, the menus' enabling, a message box and the exit.

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>
#include <QtMath>

#include <cstdint>
#include <cstdlib>

#include <chrono>
#include <thread>

#include "ShellFixture.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/StatDlg.h"
#include "program/game/Commands.h"
#include "shell/qt/FolderLock.h"
#include "shell/qt/PanelControls.h"
#include "shell/qt/QtMoveList.h"
#include "shell/qt/QtStatusBar.h"
#include "shell/qt/dialogs/TablorDialog.h"

namespace {

// Answers the next message box with `button` once it is open, and records its text.
void AnswerMessageBox(QMessageBox::StandardButton button, QString* text)
{
    WhenModal<QMessageBox>([button, text](QMessageBox& box) {
        *text = box.text();
        if (QAbstractButton* b = box.button(button)) b->click();
    });
}

// Opens a menu of the menu bar as the user does, so that it greys its items.
bool ItemEnabled(MainFrame& frame, const QString& menuTitle, int command)
{
    QMenu* menu = frame.Menu(menuTitle);
    menu->popup(frame.mapToGlobal(QPoint(0, 0)));
    const bool enabled = frame.Action(command)->isEnabled();
    menu->hide();
    return enabled;
}

// Counts the paint events of the object it filters.
struct PaintCounter : QObject {
    int* paints;
    explicit PaintCounter(int* p) : paints(p) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        *paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A wave file of `frames` samples of silence, 8-bit mono at 8 kHz.
void WriteSilence(const QString& path, std::uint32_t frames)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes;
    auto put32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto put16 = [&bytes](std::uint16_t v) {
        bytes.append(static_cast<char>(v & 0xff));
        bytes.append(static_cast<char>(v >> 8));
    };
    bytes.append("RIFF");
    put32(36 + frames);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    bytes.append("data");
    put32(frames);
    bytes.append(QByteArray(static_cast<int>(frames), static_cast<char>(0x80)));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace

TEST_F(ShellWindow, SizeFollowsTheScreenAndTheWindowCannotBeResized)
{
    Start("31");
    MainFrame& frame = platform->Frame();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    int w = 0, h = 0;
    WindowSizeFor(area.width(), area.height() - QtPlatform::CaptionHeight(), w, h);
    EXPECT_EQ(Sizes().WindowWidth, w);
    EXPECT_EQ(Sizes().WindowHeight, h);
    EXPECT_EQ(Sizes().Unit, (w + h) / 57);

    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.frameGeometry().size() == QSize(w, h); }, 5000))
        << "frame " << frame.frameGeometry().width() << "x" << frame.frameGeometry().height() << ", asked " << w << "x"
        << h;
    EXPECT_EQ(frame.frameGeometry().topLeft(), QPoint(10, 10));
    EXPECT_EQ(frame.minimumSize(), frame.maximumSize());
    EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Tablor"));

    // The client area is the canvas below the menu bar; the status bar lies
    // along its bottom.
    const Rect client = platform->ClientRect();
    EXPECT_EQ(QSize(client.right, client.bottom), Canvas().size());
    EXPECT_EQ(Sizes().ClientWidth, client.right);
    EXPECT_EQ(Sizes().ClientHeight, client.bottom);
    EXPECT_EQ(Canvas().mapTo(&frame, QPoint(0, 0)).y(), frame.menuBar()->height());
    EXPECT_EQ(platform->Status().PaneRect(2).bottom, client.bottom);
    EXPECT_EQ(platform->Status().PaneRect(2).right, client.right);

    // Without a window manager to keep to the window's fixed size, another
    // client can resize it: the window takes its own size back.
    const QSize fixed = frame.size();
    frame.windowHandle()->resize(fixed - QSize(200, 150));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.size() == fixed && frame.windowHandle()->size() == fixed; }, 5000))
        << "window " << frame.width() << "x" << frame.height();
    EXPECT_EQ(Canvas().size(), QSize(client.right, client.bottom));
}

TEST_F(ShellWindow, TheStartingBoardIsPaintedInTheSchemeColours)
{
    Start("31");
    const QImage image = Grab();
    const Colour human = Colours()[COLOUR_HUMAN];
    const Colour computer = Colours()[COLOUR_COMPUTER];
    for (int k = 1; k <= 2; ++k) EXPECT_TRUE(Same(image.pixel(PieceCentre(1, k)), human)) << "point A, piece " << k;
    for (int k = 1; k <= 5; ++k) EXPECT_TRUE(Same(image.pixel(PieceCentre(6, k)), computer)) << "point F, piece " << k;
    for (int k = 1; k <= 5; ++k) EXPECT_TRUE(Same(image.pixel(PieceCentre(19, k)), human)) << "point S, piece " << k;
    EXPECT_FALSE(Same(image.pixel(PieceCentre(2, 1)), human));
    EXPECT_FALSE(Same(image.pixel(PieceCentre(2, 1)), computer));
    // The corner of the client area is the background.
    EXPECT_TRUE(Same(image.pixel(2, 2), Colours()[COLOUR_BACKGROUND]));

    // The human's dice, 3 and 1, beside the board; the trays count nothing yet.
    EXPECT_TRUE(platform->DieWidget(4).isVisible());
    EXPECT_EQ(platform->DieWidget(4).Face(), 3);
    EXPECT_EQ(platform->DieWidget(5).Face(), 1);
    EXPECT_FALSE(platform->DieWidget(6).isVisible());
    EXPECT_FALSE(platform->DieWidget(0).isVisible());
    EXPECT_EQ(platform->TrayWidget(0).text(), QStringLiteral("0"));
    EXPECT_EQ(platform->TrayWidget(1).text(), QStringLiteral("0"));
    EXPECT_EQ(platform->Status().PaneText(0), "Click on position to leave from...");
    EXPECT_EQ(platform->List().LineText(0), "Tablor");
}

TEST_F(ShellWindow, KeysAndClicksPlayATurnAndTheComputerAnswers)
{
    Start("316355");
    MainFrame& frame = platform->Frame();
    const Colour human = Colours()[COLOUR_HUMAN];
    const QPoint third17 = PieceCentre(17, 3);
    const QPoint first20 = PieceCentre(20, 1);
    EXPECT_TRUE(Same(Grab().pixel(third17), human));
    EXPECT_FALSE(Same(Grab().pixel(first20), human));
    EXPECT_FALSE(ItemEnabled(frame, QStringLiteral("&Action"), ID_UNDO));
    EXPECT_TRUE(ItemEnabled(frame, QStringLiteral("&Action"), ID_SWITCH_SIDES));

    // Q then T (with Shift: letters count either way) plays the 3 from 17 to 20.
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(platform->Status().PaneText(0), "Click on position to move to...");
    QTest::keyClick(&Canvas(), Qt::Key_T, Qt::ShiftModifier);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(wnd->Game().board[17].count, 2);
    EXPECT_EQ(wnd->Game().board[20].count, 1);
    EXPECT_EQ(wnd->Game().board[20].owner, HUMAN);
    QImage image = Grab();
    EXPECT_FALSE(Same(image.pixel(third17), human));
    EXPECT_TRUE(Same(image.pixel(first20), human));
    EXPECT_TRUE(ItemEnabled(frame, QStringLiteral("&Action"), ID_UNDO));
    EXPECT_FALSE(ItemEnabled(frame, QStringLiteral("&Action"), ID_SWITCH_SIDES));
    // The race is drawn in the status bar.
    EXPECT_TRUE(platform->StatusWidget().ProgressShown());

    // A click on S plays the last die, the 1, from 19 to 20 at once.
    QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, PointOf(19));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(wnd->Game().board[19].count, 4);
    EXPECT_EQ(wnd->Game().board[20].count, 2);
    EXPECT_TRUE(Same(Grab().pixel(PieceCentre(20, 2)), human));
    EXPECT_TRUE(wnd->Game().WaitingConfirm);
    EXPECT_FALSE(ItemEnabled(frame, QStringLiteral("&Action"), ID_FINISH_GAME));

    // A click confirms the turn; the computer plays its 6 and 3.
    QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(WaitForHumanTurn());
    EXPECT_EQ(PipCount(wnd->Game().board.Data(), COMPUTER), 167 - 9);
    EXPECT_EQ(wnd->Game().dice->die[0], 5);
    EXPECT_EQ(wnd->Game().dice->die[1], 5);
    EXPECT_EQ(wnd->Game().dice->moves, 4);
    EXPECT_EQ(platform->DieWidget(7).Face(), 5);
}

TEST_F(ShellWindow, NewGameAnsweredNoKeepsTheGame)
{
    Start("31");
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(wnd->Game().board[20].count, 1);

    QString text;
    AnswerMessageBox(QMessageBox::No, &text);
    platform->Frame().Action(ID_FILE_NEW)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }, TIMEOUT_MS));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(text, QStringLiteral("Start new game ?"));
    EXPECT_EQ(wnd->Game().board[20].count, 1);
    EXPECT_EQ(wnd->Game().MovesMade, 1);

    // F2 asks the same; Esc is No.
    text.clear();
    WhenModal<QMessageBox>([&text](QMessageBox& box) {
        text = box.text();
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    QTest::keyClick(&Canvas(), Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }, TIMEOUT_MS));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(text, QStringLiteral("Start new game ?"));
    EXPECT_EQ(wnd->Game().MovesMade, 1);
}

TEST_F(ShellWindow, MenuShowsShortcutsButLeavesKeysToTheProgram)
{
    Start("31");
    MainFrame& frame = platform->Frame();
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Action", "&View", "&Help"}));
    EXPECT_EQ(frame.Action(ID_FILE_NEW)->text(), QStringLiteral("&New game\tCtrl+N"));
    EXPECT_EQ(frame.Action(ID_UNDO)->text(), QStringLiteral("&Undo\tEsc"));
    EXPECT_EQ(frame.Action(ID_APP_EXIT)->text(), QStringLiteral("E&xit"));
    int separators = 0;
    for (QAction* action : frame.Menu(QStringLiteral("&File"))->actions()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
        separators += action->isSeparator();
    }
    EXPECT_EQ(separators, 4);

    // A menu item posts its command; "?" is the same command by accelerator.
    frame.Action(ID_SHOW_PROGRESS)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(platform->Status().PaneText(2), "Even");
    platform->Status().SetPaneText(2, "");
    QTest::keyClick(&Canvas(), '?');
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(platform->Status().PaneText(2), "Even");

    // Hovering an item shows its prompt in pane 0 while the menu is open.
    QMenu* menu = frame.Menu(QStringLiteral("&Action"));
    menu->popup(QPoint(0, 0));
    frame.Action(ID_PASS)->hover();
    EXPECT_EQ(platform->StatusWidget().ShownText(0), QStringLiteral("Unable to make a move"));
    EXPECT_EQ(platform->Status().PaneText(0), "Click on position to leave from...");
    menu->hide();
    EXPECT_EQ(platform->StatusWidget().ShownText(0), QStringLiteral("Click on position to leave from..."));
}

TEST_F(ShellWindow, TheCubeButtonDoubles)
{
    Start("31", "UseCube=1");
    QtCubeButton& cube = platform->CubeWidget();
    EXPECT_EQ(cube.text(), QStringLiteral("64"));
    ASSERT_TRUE(cube.isEnabled());
    QTest::mouseClick(&cube, Qt::LeftButton);
    ASSERT_TRUE(WaitIdle());
    // The computer takes at the start: the cube is its, at 2, and the button
    // is disabled for the human.
    EXPECT_EQ(wnd->Game().CubeValue, 2);
    EXPECT_EQ(wnd->Game().CubeOwner, COMPUTER);
    EXPECT_EQ(cube.text(), QStringLiteral("2"));
    EXPECT_FALSE(cube.isEnabled());
}

TEST_F(ShellWindow, TheUnderscoreBlinksThroughTheMoveList)
{
    Start("31");
    platform->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&platform->Frame()));
    QtMoveList& list = platform->ListWidget();
    const int last = list.LineCount() - 1;
    const Rect line = list.LineRect(last);
    const int x = line.left + list.TextWidth(list.LineText(last).substr(0, 23)) + (Sizes().Unit >> 2);
    // The underscore's cell, and a few pixels on either side where its glyph may reach.
    const QRect cell = QRect(x, line.top, platform->BackBuffer().TextWidth("_"), platform->BackBuffer().TextHeight())
                           .adjusted(-3, 0, 3, 0);
    auto blackPixels = [&] {
        const QImage image = Grab();
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int xx = cell.left(); xx <= cell.right(); ++xx) n += qGray(image.pixel(xx, y)) < 96;
        return n;
    };
    ASSERT_TRUE(list.geometry().contains(cell.topLeft()));
    const bool shownBefore = wnd->Panel().BlinkShown();
    platform->PostInput(Message::Tick(BLINK_TIMER));
    ASSERT_TRUE(WaitIdle());
    ASSERT_NE(wnd->Panel().BlinkShown(), shownBefore);
    if (!wnd->Panel().BlinkShown()) {
        platform->PostInput(Message::Tick(BLINK_TIMER));
        ASSERT_TRUE(WaitIdle());
    }
    ASSERT_TRUE(wnd->Panel().BlinkShown());
    EXPECT_GT(blackPixels(), 0);
    platform->PostInput(Message::Tick(BLINK_TIMER));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(blackPixels(), 0);
    // Erased is erased whole: not a pixel of the glyph is left, however faint.
    const QImage erased = Grab();
    int left = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int xx = cell.left(); xx <= cell.right(); ++xx)
            left += !Same(erased.pixel(xx, y), Colours()[COLOUR_BACKGROUND]);
    EXPECT_EQ(left, 0);
}

TEST_F(ShellWindow, MessagesWaitWhileTheProgramSleeps)
{
    Start("31");
    platform->PostInput(Message::Cmd(ID_SHOW_PROGRESS, CommandSource::Menu));
    platform->Sleep(50);
    EXPECT_FALSE(wnd->Queue().Empty());
    EXPECT_EQ(platform->Status().PaneText(2), "");
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(platform->Status().PaneText(2), "Even");
}

TEST_F(ShellWindow, ExitAndTheCloseBoxEndTheProgram)
{
    Start("31");
    QSignalSpy finished(platform.get(), &QtPlatform::Finished);
    platform->Frame().close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform->Ended(); }, TIMEOUT_MS));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(wnd->QuitRequested());
    EXPECT_FALSE(platform->Frame().isVisible());
}

TEST_F(ShellWindow, ExitCommandEndsTheProgram)
{
    Start("31");
    QSignalSpy finished(platform.get(), &QtPlatform::Finished);
    platform->Frame().Action(ID_APP_EXIT)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform->Ended(); }, TIMEOUT_MS));
    EXPECT_EQ(finished.count(), 1);
}

// While the turn waits for the confirmation, a press anywhere in the window
// ends the wait: on the move list, the status bar, where the dice stand and
// on the cube button, which is disabled then. A left press hands the turn
// over, a right press takes the last move back.
TEST_F(ShellWindow, EveryPressInTheWindowEndsTheWait)
{
    Start("316355316355316355316355", "UseCube=1");
    QtMoveList& list = platform->ListWidget();
    QtStatusBar& status = platform->StatusWidget();
    QtCubeButton& cube = platform->CubeWidget();
    const QPoint diceCentre = platform->DieWidget(4).geometry().center();
    auto playToTheWait = [&] {
        QTest::keyClick(&Canvas(), Qt::Key_Q);
        QTest::keyClick(&Canvas(), Qt::Key_T);
        QTest::keyClick(&Canvas(), Qt::Key_S);
        return WaitIdle() && wnd->Game().WaitingConfirm && wnd->Game().MovesMade == 2 && !cube.isEnabled();
    };
    // The cube is clicked as the window system delivers it: to the window,
    // which gives it to the widget under the pointer.
    struct Place {
        const char* name;
        QWidget* widget;
        QPoint at;
        bool throughWindow = false;
    };
    const Place places[] = {
        {"move list", &list, list.rect().center()},
        {"status bar", &status, status.rect().center()},
        {"dice", &Canvas(), diceCentre},
        {"disabled cube", &platform->Frame(), Canvas().mapTo(&platform->Frame(), cube.geometry().center()), true}};
    auto click = [&](const Place& place, Qt::MouseButton button) {
        if (place.throughWindow)
            QTest::mouseClick(place.widget->windowHandle(), button, {}, place.at);
        else
            QTest::mouseClick(place.widget, button, {}, place.at);
    };
    for (const Place& place : places) {
        // The right button: the last move is taken back, the turn stays.
        ASSERT_TRUE(playToTheWait()) << place.name;
        click(place, Qt::RightButton);
        ASSERT_TRUE(WaitIdle());
        EXPECT_FALSE(wnd->Game().WaitingConfirm) << place.name;
        EXPECT_EQ(wnd->Game().MovesMade, 1) << place.name;
        EXPECT_EQ(wnd->Game().CurrentPlayer(), HUMAN) << place.name;
        EXPECT_EQ(wnd->Game().board[19].count, 5) << place.name;
        // The left button hands the turn to the computer, which plays and
        // gives it back.
        QTest::keyClick(&Canvas(), Qt::Key_S);
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(wnd->Game().WaitingConfirm) << place.name;
        click(place, Qt::LeftButton);
        ASSERT_TRUE(WaitForHumanTurn()) << place.name;
        EXPECT_EQ(wnd->Game().OpeningTurn, false);
        // Back to the opening position for the next place.
        platform->Frame().Action(ID_FILE_NEW)->trigger();
        QString text;
        AnswerMessageBox(QMessageBox::Yes, &text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !text.isEmpty(); }, TIMEOUT_MS));
        ASSERT_TRUE(WaitForHumanTurn());
    }
    // Outside the wait, a press on a control does nothing on the board.
    const BoardData before = wnd->Game().board.Data();
    QTest::mouseClick(&list, Qt::RightButton, {}, list.rect().center());
    QTest::mouseClick(&status, Qt::LeftButton, {}, status.rect().center());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(wnd->Game().board.Data(), before);
    EXPECT_EQ(wnd->Game().CurrentPlayer(), HUMAN);
}

// A step of an animation at full speed sleeps no time, yet the window
// repaints meanwhile, and a close request during the computer's turn ends
// the program at once: the turn is left unplayed and no file is written.
TEST_F(ShellWindow, TheWindowKeepsHandlingItsEventsWhileTheProgramPlays)
{
    Start("316355");
    int paints = 0;
    PaintCounter counter(&paints);
    Canvas().installEventFilter(&counter);
    Canvas().update();
    platform->Sleep(0);
    EXPECT_GT(paints, 0) << "a repaint asked for is done within a sleep of no time";
    Canvas().removeEventFilter(&counter);

    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    QTest::keyClick(&Canvas(), Qt::Key_S);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(wnd->Game().WaitingConfirm);
    const QByteArray settings = [] {
        QFile ini(QStringLiteral("tablorw.ini"));
        return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
    }();
    const BoardData position = wnd->Game().board.Data();

    // The close comes while the computer thinks (its pause is 1.5 s).
    struct Ended {
        int code;
    };
    int exitCode = -1;
    platform->exitNow = [&exitCode](int code) {
        exitCode = code;
        throw Ended{code};
    };
    EXPECT_THROW(ConfirmAndCloseWhen("Thinking..."), Ended);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(platform->Ended());
    EXPECT_FALSE(platform->Frame().isVisible());
    // The computer had its dice but played none of them.
    EXPECT_EQ(wnd->Game().CurrentPlayer(), COMPUTER);
    EXPECT_EQ(wnd->Game().board.Data(), position);
    QFile ini(QStringLiteral("tablorw.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), settings);
    EXPECT_FALSE(QFile::exists(QStringLiteral("tablorw32.gph")));
}

// The same during the animation of the computer's move.
TEST_F(ShellWindow, ACloseWhileAPieceMovesEndsTheProgramAtOnce)
{
    Start("316355", "Speed=1");
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    QTest::keyClick(&Canvas(), Qt::Key_S);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(wnd->Game().WaitingConfirm);
    struct Ended {};
    platform->exitNow = [](int) { throw Ended{}; };
    EXPECT_THROW(ConfirmAndCloseWhen("Moving..."), Ended);
    EXPECT_TRUE(platform->Ended());
    // The first piece was on its way: the computer's 6 and 3 are not both played.
    EXPECT_GT(PipCount(wnd->Game().board.Data(), COMPUTER), 167 - 9);
    EXPECT_EQ(wnd->Game().CurrentPlayer(), COMPUTER);
}

// A sound played to its end (the dice) does not freeze the window: it
// repaints and runs its timers meanwhile, and the sound has ended when the
// game goes on. (SDL's disk driver plays it, slowly, into a file.)
TEST_F(ShellWindow, TheWindowLivesWhileASoundPlaysToItsEnd)
{
    const QTemporaryDir out;
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", QFile::encodeName(out.filePath(QStringLiteral("played.raw"))).constData(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "50", 1);
    Start("31");
    const QString wave = out.filePath(QStringLiteral("long.wav"));
    WriteSilence(wave, 8 * 4096);
    int paints = 0;
    PaintCounter counter(&paints);
    Canvas().installEventFilter(&counter);
    bool fired = false;
    QTimer::singleShot(20, [&] {
        fired = true;
        Canvas().update();
    });
    platform->PlaySound(QFile::encodeName(wave).toStdString(), false);
    const bool playing = platform->Sound().Playing();
    Canvas().removeEventFilter(&counter);
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
    ::unsetenv("SDL_DISKAUDIODELAY");
    EXPECT_TRUE(fired) << "a timer ran while the sound played";
    EXPECT_GT(paints, 0) << "the window repainted while the sound played";
    EXPECT_FALSE(playing);
    EXPECT_EQ(platform->Sound().Beeps(), 0) << "the sound was played, not replaced by the beep";
    EXPECT_GT(QFileInfo(out.filePath(QStringLiteral("played.raw"))).size(), 0);
}

// A long dice sound holds the turn up (to its end, at most 10 s): a close
// that comes meanwhile is taken while the sound still plays and ends the
// program at once, before the computer's roll is shown. The sound, longer
// than what is loaded whole, is played from its file.
TEST_F(ShellWindow, ACloseWhileTheDiceSoundPlaysEndsTheProgramAtOnce)
{
    const QTemporaryDir out;
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", QFile::encodeName(out.filePath(QStringLiteral("played.raw"))).constData(), 1);
    ::setenv("SDL_DISKAUDIODELAY", "50", 1);
    // The file is made once the opening roll (which sounds too) is past.
    const QString wave = out.filePath(QStringLiteral("dice.wav"));
    Start("316355", "Speed=1\n[Sounds]\nDiceSoundActive=1\nDiceSound=" + QFile::encodeName(wave).toStdString());
    WriteSilence(wave, 2u << 20);
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    QTest::keyClick(&Canvas(), Qt::Key_S);
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(wnd->Game().WaitingConfirm);
    const int requests = platform->Sound().Requests();
    struct Ended {};
    bool playingAtTheEnd = false;
    platform->exitNow = [&](int) {
        playingAtTheEnd = platform->Sound().Playing();
        throw Ended{};
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (platform->Sound().Requests() == requests || !platform->Sound().Playing()) return;
        poll.stop();
        platform->Frame().close();
    });
    poll.start(5);
    wnd->Post(Message::Key(VK_SPACE, ' '));
    EXPECT_THROW(platform->RunPump(), Ended);
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
    ::unsetenv("SDL_DISKAUDIODELAY");
    EXPECT_TRUE(playingAtTheEnd) << "the close was taken while the sound played";
    EXPECT_TRUE(platform->Ended());
    EXPECT_EQ(platform->Sound().LastPath(), QFile::encodeName(wave).toStdString());
    EXPECT_EQ(wnd->Game().CurrentPlayer(), COMPUTER);
    EXPECT_EQ(wnd->Game().MovesMade, 0) << "the computer played nothing of its roll";
}

// A close that comes while the end of a game is being written (here another
// copy of the game holds the folder for a moment) ends the program with the
// scores written, without showing the statistics.
TEST_F(ShellWindow, ACloseAsTheGameEndsEndsTheProgramWithoutTheStatistics)
{
    Start("31");
    struct Ended {};
    platform->exitNow = [](int) { throw Ended{}; };
    std::unique_ptr<FileLock> otherCopy = LockFolderOf(QDir::currentPath().toStdString());
    ASSERT_NE(otherCopy, nullptr);
    std::thread closer;
    WhenModal<QDialog>([&](QDialog& resign) {
        closer = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            QMetaObject::invokeMethod(
                &platform->Frame(), [&] { platform->Frame().close(); }, Qt::QueuedConnection);
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            otherCopy.reset();
        });
        resign.accept();
    });
    bool statistics = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->windowTitle() != QStringLiteral("Statistics")) return;
        statistics = true;
        dialog->reject();
    });
    watch.start(20);
    wnd->Post(Message::Cmd(ID_RESIGN, CommandSource::Menu));
    EXPECT_THROW(platform->RunPump(), Ended);
    watch.stop();
    if (closer.joinable()) closer.join();
    EXPECT_FALSE(statistics);
    EXPECT_TRUE(platform->Ended());
    QFile ini(QStringLiteral("tablorw.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray written = ini.readAll();
    EXPECT_TRUE(written.contains("Human=0\n")) << written.toStdString();
    EXPECT_FALSE(written.contains("Computer=0")) << written.toStdString();
    EXPECT_TRUE(written.contains("Computer=")) << written.toStdString();
}

// The board at the screen's device pixel ratio (the tests run again with
// QT_SCALE_FACTOR 2 and 1.5): the buffer, the canvas and the die faces have
// the screen's pixels, the board's slanted edges are drawn at that
// resolution, and a move there and back restores every physical pixel.
TEST_F(ShellWindow, TheBoardIsDrawnAtTheScreensPixelRatio)
{
    Start("31", "HighLight=0");
    const qreal ratio = Canvas().devicePixelRatioF();
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    EXPECT_DOUBLE_EQ(ratio, scale.isEmpty() ? 1.0 : scale.toDouble());
    const QtSurface& surface = platform->BackBuffer();
    EXPECT_EQ(surface.Ratio(), ratio);
    EXPECT_EQ(surface.Image().size(), QSize(qCeil(Sizes().ClientWidth * ratio), qCeil(Sizes().ClientHeight * ratio)));
    EXPECT_EQ(Canvas().grab().size(), surface.Image().size());
    const QPixmap face = platform->DieWidget(4).pixmap();
    EXPECT_EQ(face.devicePixelRatio(), ratio);
    EXPECT_EQ(face.width(), qCeil(ICON_SIZE * ratio));

    // The board left of the move list, as the buffer holds it.
    const QRect board = surface.Physical(QRect(0, 0, platform->ListWidget().x(), Sizes().ClientHeight));
    const QImage before = surface.Image().copy(board);
    if (ratio >= 2) {
        // Within one logical pixel the physical ones differ somewhere along
        // the points' slanted edges: nothing is merely doubled.
        int split = 0;
        for (int y = 0; y + 1 < before.height(); y += 2)
            for (int x = 0; x + 1 < before.width(); x += 2)
                split += before.pixel(x, y) != before.pixel(x + 1, y) || before.pixel(x, y) != before.pixel(x, y + 1);
        EXPECT_GT(split, 100);
    }
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(wnd->Game().board[20].count, 1);
    EXPECT_NE(surface.Image().copy(board), before);
    QTest::keyClick(&Canvas(), Qt::Key_Escape);
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(wnd->Game().board[20].count, 0);
    // The piece back on its point is drawn anew with its whole shadow, which
    // the first painting of the board cut at the next point: its own cell is
    // left out; every other pixel is as before.
    const QPoint home = PieceCentre(17, 3) - QPoint(Sizes().PieceSize / 2, Sizes().PieceSize / 2);
    const QRect cell = surface.Physical(QRect(home, QSize(Sizes().PieceCell, Sizes().PieceCell)));
    auto withoutCell = [&cell](QImage image) {
        QPainter(&image).fillRect(cell, Qt::black);
        return image;
    };
    EXPECT_EQ(withoutCell(surface.Image().copy(board)), withoutCell(before));
}

// A box that the start of the game raises (here a rolls file without a roll)
// stands in front of the painted board, not of an empty window.
TEST_F(ShellWindow, AStartUpBoxComesAfterTheBoardIsPainted)
{
    bool shown = false;
    int boardPixels = 0, width = 0;
    QString text;
    WhenModal<QMessageBox>([&](QMessageBox& box) {
        text = box.text();
        shown = platform->Frame().isVisible();
        const QImage image = Grab();
        const QColor background = ToQColor(DefaultSchemes[0][COLOUR_BACKGROUND]);
        // Across the middle, between the rows of points, the board is its
        // background but for the bar and the cube.
        width = image.width();
        for (int x = 0; x < width; ++x) boardPixels += QColor(image.pixel(x, image.height() / 2)) == background;
        box.button(QMessageBox::Ok)->click();
    });
    Start("no rolls here");
    EXPECT_EQ(text, QStringLiteral("Invalid rolls file !"));
    EXPECT_TRUE(shown);
    EXPECT_GT(boardPixels, width * 3 / 4) << "of " << width;
}

// Analyse game on the real window with the program's own weights: the
// progress window is gone when the analysis shows its decisions, and the
// game is as it was.
TEST_F(ShellWindow, AnalyseGameShowsTheAnalysisOfTheTurnsPlayed)
{
    Start("316355");
    QTest::keyClick(&Canvas(), Qt::Key_Q);
    QTest::keyClick(&Canvas(), Qt::Key_T);
    QTest::keyClick(&Canvas(), Qt::Key_S);
    ASSERT_TRUE(WaitIdle());
    QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_TRUE(WaitForHumanTurn());
    ASSERT_TRUE(wnd->Commands().IsCommandEnabled(ID_ANALYSE_GAME));
    const BoardData position = wnd->Game().board.Data();
    int lines = -1;
    bool progressLeft = true;
    WhenModal<QDialog>([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Game analysis"));
        if (auto* list = qobject_cast<QTableWidget*>(FindControl(&dialog, AnalysisDlg::DECISION_TABLE)))
            lines = list->rowCount();
        progressLeft = false;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<QProgressDialog*>(top) != nullptr && top->isVisible()) progressLeft = true;
        dialog.reject();
    });
    platform->Frame().Action(ID_ANALYSE_GAME)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines >= 0; }, TIMEOUT_MS)) << "no analysis showed";
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(lines, 2) << "the human's 3-1 and the computer's 6-3";
    EXPECT_FALSE(progressLeft);
    EXPECT_EQ(wnd->Game().board.Data(), position);
}

// The whole game finished, before the next one's first move: Cancel in the
// progress window is taken while the Expert judges, and nothing shows.
TEST_F(ShellWindow, CancelInTheProgressWindowStopsTheAnalysis)
{
    Start("316355", "AutoFinish=0");
    // Again with the same rolls: the human opens the next game.
    WhenModal<QDialog>([](QDialog& statistics) {
        if (auto* same = qobject_cast<QAbstractButton*>(FindControl(&statistics, StatDlg::ROLL_CHOICE_ID[1])))
            same->click();
        QTest::keyClick(&statistics, Qt::Key_Return);
    });
    platform->Frame().Action(ID_FINISH_GAME)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return wnd->Game().finished.Ended(); }, TIMEOUT_MS));
    ASSERT_TRUE(WaitForHumanTurn());
    ASSERT_FALSE(wnd->Game().record.HasMoves()) << "the finished game is the one analysed";
    ASSERT_TRUE(wnd->Commands().IsCommandEnabled(ID_ANALYSE_GAME));
    bool cancelled = false, analysisShown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(top);
            if (progress == nullptr || !progress->isVisible() || cancelled) continue;
            cancelled = true;
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        }
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->windowTitle() == QStringLiteral("Game analysis")) {
            analysisShown = true;
            dialog->reject();
        }
    });
    watch.start(1);
    platform->Frame().Action(ID_ANALYSE_GAME)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cancelled; }, TIMEOUT_MS));
    ASSERT_TRUE(WaitIdle());
    QTest::qWait(50);
    EXPECT_FALSE(analysisShown);
    EXPECT_FALSE(platform->Ended());
}

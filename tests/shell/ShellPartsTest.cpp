// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the shell on their own: keys as the program's messages, the
// canvas's messages, file filters, the back buffer, the input filter and the
// active window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtMath>

#include <vector>

#include "ShellFixture.h"
#include "shell/qt/BoardCanvas.h"
#include "shell/qt/FileFilter.h"
#include "shell/qt/InputFilter.h"
#include "shell/qt/KeyTranslation.h"
#include "shell/qt/QtPlatform.h"
#include "shell/qt/QtSurface.h"

namespace {

Message Key(int key, Qt::KeyboardModifiers mods, const QString& text, bool repeat = false)
{
    const QKeyEvent event(QEvent::KeyPress, key, mods, text, repeat);
    const std::optional<Message> m = TranslateKey(event);
    EXPECT_TRUE(m.has_value()) << "key " << key;
    return m.value_or(Message{});
}

} // namespace

TEST(KeyTranslation, VirtualKeysCharactersAndModifiers)
{
    EnsureShellApplication();
    Message m = Key(Qt::Key_Q, Qt::NoModifier, "q");
    EXPECT_EQ(m.kind, MessageKind::KeyDown);
    EXPECT_EQ(m.key, 'Q');
    EXPECT_EQ(m.ch, 'q');
    EXPECT_FALSE(m.shift);
    m = Key(Qt::Key_Q, Qt::ShiftModifier, "Q");
    EXPECT_EQ(m.key, 'Q');
    EXPECT_EQ(m.ch, 'Q');
    EXPECT_TRUE(m.shift);
    m = Key(Qt::Key_N, Qt::ControlModifier, QString(QChar(0x0E)));
    EXPECT_EQ(m.key, 'N');
    EXPECT_EQ(m.ch, 0);
    EXPECT_TRUE(m.ctrl);
    EXPECT_EQ(Key(Qt::Key_0, Qt::NoModifier, "0").key, VK_0);
    EXPECT_EQ(Key(Qt::Key_0, Qt::KeypadModifier, "0").key, VK_NUMPAD0);
    EXPECT_EQ(Key(Qt::Key_7, Qt::NoModifier, "7").key, '7');
    m = Key(Qt::Key_Question, Qt::ShiftModifier, "?");
    EXPECT_EQ(m.key, VK_OEM_2);
    EXPECT_EQ(m.ch, '?');
    EXPECT_EQ(Key(Qt::Key_Slash, Qt::NoModifier, "/").ch, '/');
    EXPECT_EQ(Key(Qt::Key_Escape, Qt::NoModifier, "\x1b").key, VK_ESCAPE);
    EXPECT_EQ(Key(Qt::Key_Space, Qt::NoModifier, " ").key, VK_SPACE);
    m = Key(Qt::Key_Space, Qt::ControlModifier, " ");
    EXPECT_EQ(m.key, VK_SPACE);
    EXPECT_TRUE(m.ctrl);
    EXPECT_EQ(Key(Qt::Key_F1, Qt::NoModifier, "").key, VK_F1);
    EXPECT_EQ(Key(Qt::Key_F2, Qt::NoModifier, "").key, VK_F2);
    EXPECT_EQ(Key(Qt::Key_F9, Qt::NoModifier, "").key, VK_F9);
    EXPECT_EQ(Key(Qt::Key_Left, Qt::NoModifier, "").key, VK_LEFT);
    EXPECT_EQ(Key(Qt::Key_Down, Qt::KeypadModifier, "").key, VK_DOWN);
    // A repeated key is pressed again.
    EXPECT_EQ(Key(Qt::Key_A, Qt::NoModifier, "a", true).key, 'A');
    // Alt goes to the menu bar.
    const QKeyEvent alt(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier, "f");
    EXPECT_FALSE(TranslateKey(alt).has_value());
}

TEST(FileFilter, ProgramFiltersInQtForm)
{
    EnsureShellApplication();
    EXPECT_EQ(QtFileFilter("Position files (*.pos)|*.pos|All files (*.*)|*.*||"),
              QStringLiteral("Position files (*.pos);;All files (*)"));
    EXPECT_EQ(QtFileFilter("Wave files (*.wav)|*.wav||"), QStringLiteral("Wave files (*.wav)"));
    EXPECT_EQ(QtFileFilter("Pictures|*.png;*.bmp||"), QStringLiteral("Pictures (*.png *.bmp)"));
    EXPECT_EQ(QtFileFilter(""), QString());
}

TEST(BackBuffer, DrawsKeepsCellsAndCollectsWhatChanged)
{
    EnsureShellApplication();
    QtSurface surface;
    surface.Resize(200, 100, RGB(10, 20, 30));
    surface.TakeDirty();
    std::vector<QRect> drawn;
    surface.onDrawn = [&](const QRect& r) { drawn.push_back(r); };

    surface.FillRect({10, 10, 20, 15}, RGB(255, 0, 0));
    EXPECT_EQ(QColor(surface.Image().pixel(10, 10)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(surface.Image().pixel(19, 14)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(surface.Image().pixel(20, 14)), QColor(10, 20, 30));
    EXPECT_EQ(QColor(surface.Image().pixel(19, 15)), QColor(10, 20, 30));
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], QRect(10, 10, 10, 5));
    // An inverted rectangle and one off the buffer draw nothing.
    surface.FillRect({50, 50, 40, 60}, RGB(0, 255, 0));
    surface.FillRect({300, 0, 400, 10}, RGB(0, 255, 0));
    EXPECT_EQ(drawn.size(), 1u);

    // A cell saved under a piece puts back every pixel the piece changed,
    // its smoothed edge included, also where the cell leaves the buffer.
    const QImage before = surface.Image().copy();
    std::unique_ptr<Bitmap> cell = surface.CreateBitmap(37, 37);
    for (const QPoint at : {QPoint(5, 5), QPoint(180, -10), QPoint(-8, 80)}) {
        surface.SaveCell(*cell, at.x(), at.y());
        surface.FillEllipse({at.x(), at.y(), at.x() + 31, at.y() + 31}, RGB(255, 128, 0));
        EXPECT_NE(surface.Image(), before);
        surface.RestoreCell(*cell, at.x(), at.y());
        EXPECT_EQ(surface.Image(), before) << at.x() << "," << at.y();
    }

    surface.Line(0, 99, 199, 99, RGB(0, 0, 0));
    EXPECT_EQ(QColor(surface.Image().pixel(0, 99)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(surface.Image().pixel(199, 99)), QColor(0, 0, 0));
    const Point triangle[3] = {{100, 10}, {120, 50}, {140, 10}};
    surface.Polygon(triangle, 3, RGB(0, 0, 255), RGB(255, 255, 255));
    EXPECT_EQ(QColor(surface.Image().pixel(120, 20)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(surface.Image().pixel(120, 10)), QColor(255, 255, 255));

    // An opaque text fills its whole cell; the width grows with the text.
    surface.Text(20, 40, "W", RGB(0, 0, 0), RGB(255, 255, 0), true);
    EXPECT_EQ(QColor(surface.Image().pixel(20, 40)), QColor(255, 255, 0));
    EXPECT_EQ(QColor(surface.Image().pixel(20, 40 + surface.TextHeight() - 1)), QColor(255, 255, 0));
    EXPECT_GT(surface.TextWidth("WW"), surface.TextWidth("W"));
    EXPECT_GT(surface.TextWidth("W"), surface.TextWidth("i"));
    EXPECT_GT(surface.TextHeight(), 5);

    EXPECT_TRUE(surface.HasDirty());
    const QRegion dirty = surface.TakeDirty();
    EXPECT_TRUE(dirty.contains(QPoint(120, 20)));
    EXPECT_TRUE(dirty.contains(QPoint(0, 99)));
    EXPECT_FALSE(dirty.contains(QPoint(150, 80)));
    EXPECT_FALSE(surface.HasDirty());

    // Growing keeps the pixels and fills the new part.
    const QRgb kept = surface.Image().pixel(120, 20);
    surface.Resize(300, 120, RGB(1, 2, 3));
    EXPECT_EQ(surface.Image().pixel(120, 20), kept);
    EXPECT_EQ(QColor(surface.Image().pixel(250, 110)), QColor(1, 2, 3));
}

// At a device pixel ratio above 1 the buffer has the screen's pixels: edges
// fall on physical pixels, slanted edges are smoothed, text is drawn at the
// finer resolution, and a piece moved there and back puts every physical
// pixel back, also at a fractional ratio.
// A point's letter is drawn again and again (hover marks, repaints): drawn
// opaque, each time over its own background, it stays the letter drawn once,
// also where its glyphs reach beyond their advance.
TEST(BackBuffer, ALetterDrawnAgainStaysTheSame)
{
    EnsureShellApplication();
    for (const char* letter : {"L", "W", "J", "f"}) {
        QtSurface once, again;
        for (QtSurface* s : {&once, &again}) {
            s->Resize(60, 40, RGB(200, 192, 200));
            s->SetFont(QApplication::font());
        }
        once.Text(20, 10, letter, RGB(0, 0, 0), RGB(200, 192, 200), true);
        for (int i = 0; i < 6; ++i) {
            again.Text(20, 10, letter, RGB(255, 255, 0), RGB(200, 192, 200), true);
            again.Text(20, 10, letter, RGB(0, 0, 0), RGB(200, 192, 200), true);
        }
        EXPECT_EQ(again.Image(), once.Image()) << letter;
    }
}

TEST(BackBuffer, DrawsAtTheScreensPixelRatio)
{
    EnsureShellApplication();
    for (const qreal ratio : {1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        QtSurface surface;
        surface.Resize(200, 100, RGB(10, 20, 30), ratio);
        const QImage& image = surface.Image();
        EXPECT_EQ(image.size(), QSize(qCeil(200 * ratio), qCeil(100 * ratio)));
        EXPECT_EQ(image.devicePixelRatio(), ratio);
        auto at = [&](qreal x, qreal y) { return QColor(image.pixel(qFloor(x), qFloor(y))); };

        // A rectangle's edges, at physical resolution.
        surface.FillRect({10, 10, 21, 15}, RGB(255, 0, 0));
        EXPECT_EQ(at(10 * ratio, 10 * ratio), QColor(255, 0, 0));
        EXPECT_EQ(at(10 * ratio - 1, 10 * ratio), QColor(10, 20, 30));
        EXPECT_EQ(at(21 * ratio - 1, 15 * ratio - 1), QColor(255, 0, 0));
        EXPECT_EQ(at(21 * ratio, 15 * ratio - 1), QColor(10, 20, 30));
        // Rectangles side by side leave no seam.
        surface.FillRect({21, 10, 31, 15}, RGB(255, 0, 0));
        for (int x = qFloor(10 * ratio); x < qFloor(31 * ratio); ++x)
            EXPECT_EQ(QColor(image.pixel(x, qFloor(12 * ratio))), QColor(255, 0, 0)) << x;

        // A point: the top edge is exactly the outline's colour, a slanted
        // edge is smoothed (a blend between the fill and the background).
        const Point triangle[3] = {{100, 10}, {120, 60}, {140, 10}};
        surface.Polygon(triangle, 3, RGB(0, 0, 255), RGB(255, 255, 255));
        EXPECT_EQ(at(120 * ratio, 10 * ratio), QColor(255, 255, 255));
        EXPECT_EQ(at(120 * ratio, 30 * ratio), QColor(0, 0, 255));
        int blended = 0;
        for (int x = qFloor(100 * ratio); x < qFloor(120 * ratio); ++x) {
            const QColor c(image.pixel(x, qFloor(40 * ratio)));
            blended += c != QColor(0, 0, 255) && c != QColor(255, 255, 255) && c != QColor(10, 20, 30);
        }
        EXPECT_GT(blended, 0) << "the slanted edge is smoothed";

        // Text: its edges are not doubled pixels (at least one pair of
        // neighbouring physical pixels differs inside a logical pixel).
        surface.Text(20, 40, "Wq", RGB(0, 0, 0), RGB(255, 255, 0), true);
        if (ratio == 2.0) {
            int split = 0;
            for (int y = 80; y < 80 + 2 * surface.TextHeight(); y += 2)
                for (int x = 40; x < 40 + 2 * surface.TextWidth("Wq"); x += 2)
                    split += image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1);
            EXPECT_GT(split, 0);
        }

        // A piece moved there and back, step by step, over the point, the
        // text and the rectangle: every physical pixel is back.
        const QImage before = image.copy();
        std::unique_ptr<Bitmap> cell = surface.CreateBitmap(37, 37);
        const int path[][2] = {{95, 5}, {101, 8}, {108, 11}, {115, 14}, {13, 33}, {-7, 77}, {180, 80}, {95, 5}};
        for (std::size_t step = 0; step + 1 < std::size(path); ++step) {
            const int x = path[step][0], y = path[step][1];
            surface.SaveCell(*cell, x, y);
            surface.FillEllipse({x + 6, y, x + 37, y + 31}, RGB(64, 64, 64));
            surface.FillEllipse({x, y, x + 31, y + 31}, RGB(255, 128, 0));
            EXPECT_NE(surface.Image(), before);
            surface.RestoreCell(*cell, x, y);
            EXPECT_EQ(surface.Image(), before) << x << "," << y;
        }
        // A cell's block runs from the physical pixel of its corner to the
        // one of its far corner.
        const QRect block = surface.Physical(QRect(101, 8, 37, 37));
        EXPECT_EQ(block.left(), qFloor(101 * ratio));
        EXPECT_EQ(block.right(), qCeil(138 * ratio) - 1);
    }
}

TEST(Canvas, ButtonsKeysAndMovesBecomeMessages)
{
    EnsureShellApplication();
    QtSurface surface;
    surface.Resize(100, 100, 0);
    QWidget window;
    BoardCanvas canvas(surface, &window);
    canvas.resize(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<Message> log;
    canvas.post = [&](const Message& m) { log.push_back(m); };

    // A double click (press, release, double click, release) is two clicks.
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseDClick(&canvas, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(30, 40));
    std::vector<MessageKind> kinds;
    for (const Message& m : log) kinds.push_back(m.kind);
    EXPECT_EQ(kinds, (std::vector<MessageKind>{MessageKind::LButtonDown, MessageKind::LButtonUp,
                                               MessageKind::LButtonDown, MessageKind::LButtonUp}));
    EXPECT_EQ(log.back().x, 30);
    EXPECT_EQ(log.back().y, 40);

    log.clear();
    QTest::mouseClick(&canvas, Qt::RightButton, {}, QPoint(5, 6));
    QTest::mouseClick(&canvas, Qt::MiddleButton, {}, QPoint(5, 6));
    QTest::mouseMove(&canvas, QPoint(50, 60));
    QTest::keyClick(&canvas, Qt::Key_B);
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0].kind, MessageKind::RButtonDown);
    EXPECT_EQ(log[1].kind, MessageKind::RButtonUp);
    EXPECT_EQ(log[2].kind, MessageKind::MouseMove);
    EXPECT_EQ(log[2].x, 50);
    EXPECT_EQ(log[2].y, 60);
    EXPECT_EQ(log.back().kind, MessageKind::KeyDown);
    EXPECT_EQ(log.back().key, 'B');
    EXPECT_EQ(canvas.contextMenuPolicy(), Qt::PreventContextMenu);
}

TEST(InputFilter, EscStateAndDroppedInput)
{
    EnsureShellApplication();
    QWidget mainWindow;
    QWidget other;
    mainWindow.show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    InputFilter filter(mainWindow);

    // Esc pressed anywhere is held until a release that is no repeat.
    QTest::keyPress(&other, Qt::Key_Escape);
    EXPECT_TRUE(filter.EscDown());
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&other, &repeatRelease);
    EXPECT_TRUE(filter.EscDown());
    QTest::keyRelease(&other, Qt::Key_Escape);
    EXPECT_FALSE(filter.EscDown());

    // Input waiting for the main window is dropped, that for others is not;
    // an Esc press among it still counts.
    struct Counter : QObject {
        int presses = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            presses += e->type() == QEvent::MouseButtonPress;
            return false;
        }
    } mainCount, otherCount;
    mainWindow.installEventFilter(&mainCount);
    other.installEventFilter(&otherCount);
    auto press = [] {
        return new QMouseEvent(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton, Qt::LeftButton,
                               Qt::NoModifier);
    };
    QCoreApplication::postEvent(&mainWindow, press());
    QCoreApplication::postEvent(&other, press());
    QCoreApplication::postEvent(&mainWindow,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString()));
    filter.DropPendingInput();
    EXPECT_EQ(mainCount.presses, 0);
    EXPECT_EQ(otherCount.presses, 1);
    EXPECT_TRUE(filter.EscDown());
    mainWindow.removeEventFilter(&mainCount);
    other.removeEventFilter(&otherCount);

    // While the program is busy, the main window's input is held back, in
    // its order, and given back afterwards; other windows get theirs at once.
    struct Log : QObject {
        std::vector<QEvent::Type> types;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress ||
                e->type() == QEvent::MouseMove)
                types.push_back(e->type());
            return false;
        }
    } mainLog, otherLog;
    QWindow* handle = mainWindow.windowHandle();
    handle->installEventFilter(&mainLog);
    other.installEventFilter(&otherLog);
    auto move = [](int x) {
        return new QMouseEvent(QEvent::MouseMove, QPointF(x, 3), QPointF(x, 3), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
    };
    filter.Hold(true);
    QCoreApplication::postEvent(handle, press());
    QCoreApplication::postEvent(handle, move(4));
    QCoreApplication::postEvent(handle, move(5));
    QCoreApplication::postEvent(handle, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QString("a")));
    QCoreApplication::postEvent(&other, press());
    QCoreApplication::processEvents();
    EXPECT_TRUE(mainLog.types.empty());
    EXPECT_EQ(otherLog.types, std::vector<QEvent::Type>{QEvent::MouseButtonPress});
    EXPECT_TRUE(filter.HasHeld());
    filter.Hold(false);
    filter.ReleaseHeld();
    QCoreApplication::processEvents();
    EXPECT_EQ(mainLog.types,
              (std::vector<QEvent::Type>{QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::KeyPress}));
    // What is held is dropped with the rest of the pending input.
    mainLog.types.clear();
    filter.Hold(true);
    QCoreApplication::postEvent(handle, press());
    QCoreApplication::processEvents();
    filter.Hold(false);
    filter.DropPendingInput();
    filter.ReleaseHeld();
    QCoreApplication::processEvents();
    EXPECT_TRUE(mainLog.types.empty());
    handle->removeEventFilter(&mainLog);
    other.removeEventFilter(&otherLog);
}

// Ctrl+Space held in the main window opens the Resign dialog: its repeats,
// marked or come as a release and a press of one time, answer no dialog; a
// key pressed in the dialog itself does, and the main window keeps its
// repeats.
TEST(InputFilter, ADialogTakesNoRepeatsOfAKeyHeldBeforeIt)
{
    EnsureShellApplication();
    QWidget mainWindow;
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    InputFilter filter(mainWindow);
    QDialog dialog(&mainWindow);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&clicks] { ++clicks; });
    int mainPresses = 0;
    struct Counter : QObject {
        int* presses;
        explicit Counter(int* p) : presses(p) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            *presses += e->type() == QEvent::KeyPress;
            return false;
        }
    } mainCount(&mainPresses);
    mainWindow.installEventFilter(&mainCount);
    auto key = [](QWidget& to, QEvent::Type type, int code, quint64 time, bool repeat = false) {
        QKeyEvent event(type, code, Qt::ControlModifier, QStringLiteral(" "), repeat);
        event.setTimestamp(time);
        QApplication::sendEvent(&to, &event);
    };

    key(mainWindow, QEvent::KeyPress, Qt::Key_Space, 100);
    EXPECT_EQ(mainPresses, 1);
    dialog.show();
    ok->setFocus();
    // Marked repeats, then an unmarked pair whose press has its release's time.
    key(*ok, QEvent::KeyRelease, Qt::Key_Space, 130, true);
    key(*ok, QEvent::KeyPress, Qt::Key_Space, 130, true);
    key(*ok, QEvent::KeyRelease, Qt::Key_Space, 160);
    key(*ok, QEvent::KeyPress, Qt::Key_Space, 160);
    key(*ok, QEvent::KeyRelease, Qt::Key_Space, 190);
    EXPECT_EQ(clicks, 0);
    // Enter held from before: its repeat is no press of the default button.
    key(*ok, QEvent::KeyPress, Qt::Key_Return, 200, true);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(dialog.isVisible());
    // Let go and pressed again: a press of the dialog's own.
    key(*ok, QEvent::KeyPress, Qt::Key_Space, 300);
    key(*ok, QEvent::KeyRelease, Qt::Key_Space, 320);
    EXPECT_EQ(clicks, 1);
    dialog.hide();

    // The main window takes the repeats of a key held in it.
    key(mainWindow, QEvent::KeyPress, Qt::Key_Space, 400);
    key(mainWindow, QEvent::KeyPress, Qt::Key_Space, 430, true);
    EXPECT_EQ(mainPresses, 3);
    mainWindow.removeEventFilter(&mainCount);
}

TEST(Platform, ActiveWindowNamedByTheDialog)
{
    EnsureShellApplication();
    QtPlatform platform;
    platform.Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&platform.Frame()));
    EXPECT_EQ(platform.Active(), ActiveWindow::Main);

    std::vector<ActiveWindow> seen;
    for (const char* name : {"Resign", "AutoFinish", "SettingSheet", "Colours", ""}) {
        QDialog dialog(&platform.Frame());
        if (*name) dialog.setProperty("tablorDialog", name);
        QTimer::singleShot(0, &dialog, [&] {
            seen.push_back(platform.Active());
            dialog.accept();
        });
        dialog.exec();
    }
    EXPECT_EQ(seen,
              (std::vector<ActiveWindow>{ActiveWindow::Resign, ActiveWindow::AutoFinish, ActiveWindow::SettingSheet,
                                         ActiveWindow::Colours, ActiveWindow::Other}));
}

TEST(Platform, ClockAndSleep)
{
    EnsureShellApplication();
    QtPlatform platform;
    const std::uint32_t start = platform.TickCount();
    EXPECT_LT(start, 60000u);
    platform.Sleep(30);
    EXPECT_GE(platform.TickCount() - start, 30u);
    EXPECT_FALSE(platform.Busy());
    EXPECT_GT(platform.Now(), 1700000000);
}

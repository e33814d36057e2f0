// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real main window in a temporary current directory, with a settings
// file and a rolls file that make the game known in advance.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>

#include <memory>
#include <ostream>
#include <string>

#include "core/board/BoardData.h"
#include "core/files/ColourScheme.h"
#include "core/settings/Settings.h"
#include "program/app/BackgApp.h"
#include "program/dialogs/StatDlg.h"
#include "program/game/BackgWnd.h"
#include "program/view/PositionTop.h"
#include "shell/qt/BoardCanvas.h"
#include "shell/qt/MainFrame.h"
#include "shell/qt/QtPlatform.h"
#include "shell/qt/QtSurface.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// One application object for the whole test program, on the offscreen
// platform unless another one was asked for.
inline void EnsureShellApplication()
{
    if (QApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tablor_shell_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Runs `act` on the next modal dialog of type T, from inside the dialog's own
// event loop (a dialog closed before its loop runs would never return). A
// dialog that `act` leaves open is closed a few seconds later, as a failure,
// so that the test cannot hang.
template <class T> void WhenModal(std::function<void(T&)> act)
{
    const int level = QThread::currentThread()->loopLevel();
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, level] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || QThread::currentThread()->loopLevel() <= level) return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
        QPointer<T> open(dialog);
        QTimer::singleShot(5000, [open] {
            if (!open || !open->isVisible()) return;
            ADD_FAILURE() << "A " << open->metaObject()->className() << " stayed open";
            open->reject();
        });
    });
    timer->start(20);
}

class ShellWindow : public ::testing::Test {
protected:
    void SetUp() override { EnsureShellApplication(); }

    // How long a condition may take to come true: a computer turn pauses and
    // animates for a few seconds.
    static constexpr int TIMEOUT_MS = 30000;

    void TearDown() override
    {
        app.reset();
        platform.reset();
        if (!previous.isEmpty()) QDir::setCurrent(previous);
    }

    // Starts the window with the human to move first and the rolls of
    // `digits` (the first pair is the opening roll: the computer's die, then
    // the human's), plus `options` in section "Options", which come first and
    // so override the rest. Pieces move without waiting between steps.
    void Start(const std::string& digits, const std::string& options = "")
    {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        Write("rolls.txt", digits);
        Write("tablorw.ini",
              "[Options]\n" + options + "\n[Options]\nFirstMoveBy=2\nDiceMode=2\nRollsList=rolls.txt\nSpeed=50\n");

        platform = std::make_unique<QtPlatform>();
        app = std::make_unique<BackgApp>();
        ASSERT_TRUE(platform->Start(*app));
        wnd = app->MainWindow();
        ASSERT_NE(wnd, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&platform->Frame()));
        ASSERT_TRUE(WaitIdle());
    }

    static void Write(const std::string& name, const std::string& text)
    {
        QFile file(QString::fromStdString(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    // Waits until the program has handled every message and painted.
    bool WaitIdle()
    {
        return QTest::qWaitFor([this] { return platform->Ended() || (!platform->Busy() && !wnd->HasMessages()); },
                               TIMEOUT_MS);
    }

    // Confirms the end of the human's turn and runs the computer's, closing
    // the window as soon as the status bar says `status`; the test's exitNow
    // ends the run.
    void ConfirmAndCloseWhen(const std::string& status)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (platform->Status().PaneText(0) != status) return;
            poll.stop();
            platform->Frame().close();
        });
        poll.start(5);
        wnd->Post(Message::Key(VK_SPACE, ' '));
        platform->RunPump();
    }

    // Waits until it is the human's turn again, with dice to play.
    bool WaitForHumanTurn()
    {
        return QTest::qWaitFor(
            [this] {
                const GameState& game = wnd->Game();
                return !platform->Busy() && !wnd->HasMessages() && game.CurrentPlayer() == HUMAN &&
                       game.MovesMade == 0 && !game.WaitingConfirm && game.dice && game.dice->moves > 0;
            },
            TIMEOUT_MS);
    }

    BoardCanvas& Canvas() { return platform->Canvas(); }

    // The window as the user sees it: the buffer with the controls over it,
    // one pixel for each of the client area's (logical) pixels.
    QImage Grab()
    {
        const QImage image = Canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (image.size() == Canvas().size()) return image;
        QImage logical = image.scaled(Canvas().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        logical.setDevicePixelRatio(1);
        return logical;
    }

    // The board's sizes and colours as the window shows them.
    const Metrics& Sizes() const { return wnd->View().DisplayMetrics(); }
    const ColourSet& Colours() const { return wnd->View().SchemeColour(); }

    // A point inside location i where a click picks it.
    QPoint PointOf(int i) const
    {
        const Rect& r = wnd->Game().board[i].rect;
        const int piece = Sizes().PieceSize;
        return {r.left + Sizes().Unit, i >= 13 ? r.bottom - piece / 2 : r.top + piece / 2};
    }

    // The centre of the k-th piece of point i, where it stands when drawn.
    QPoint PieceCentre(int i, int k) const
    {
        const auto& point = dynamic_cast<const PositionTop&>(wnd->Game().board[i]);
        const int piece = Sizes().PieceSize;
        return {point.x + piece * 2 / 5 + piece / 2, point.PieceY(k) + piece / 2};
    }

    static bool Same(QRgb pixel, Colour c) { return QColor(pixel) == ToQColor(c); }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<QtPlatform> platform;
    std::unique_ptr<BackgApp> app;
    BackgWnd* wnd = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The real window under the offscreen platform: one step of a piece's
// animation drawn and shown, the time from start to the first painted board,
// a game finished quick, and the time from a close request during the
// computer's turn to the end of the program.
//
// TABLOR_BENCH_SCREEN=3840x2160 gives the offscreen platform a screen of that
// many physical pixels; with QT_SCALE_FACTOR=2 the window then has the size
// of one on a 1920x1080 desktop at four times the pixels.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <memory>

#include "core/board/BoardData.h"
#include "core/settings/Settings.h"
#include "program/app/BackgApp.h"
#include "program/game/BackgWnd.h"
#include "program/game/Commands.h"
#include "program/view/Metrics.h"
#include "program/view/PieceImage.h"
#include "shell/qt/BoardCanvas.h"
#include "shell/qt/MainFrame.h"
#include "shell/qt/QtPlatform.h"

namespace {

// A folder where the human starts the first game, made the current directory.
class GameFolder {
public:
    explicit GameFolder(const char* options = "") : previous(QDir::currentPath())
    {
        QDir::setCurrent(folder.path());
        QFile ini(QStringLiteral("tablorw.ini"));
        if (ini.open(QIODevice::WriteOnly)) {
            // The options come first: the first occurrence of a key counts.
            ini.write("[Options]\n");
            ini.write(options);
            ini.write("FirstMoveBy=2\n");
        }
    }
    ~GameFolder() { QDir::setCurrent(previous); }

private:
    QTemporaryDir folder;
    QString previous;
};

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Erases a piece, moves it one step and draws it, then shows the change.
void AnimationStep(benchmark::State& state)
{
    GameFolder folder;
    QtPlatform platform;
    BackgApp app;
    platform.Start(app);
    QElapsedTimer guard;
    guard.start();
    while (!platform.Frame().windowHandle()->isExposed() && guard.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    BoardView& view = app.MainWindow()->View();
    const Metrics& m = view.DisplayMetrics();
    const int step = m.PieceSize * 3 / 5;
    PieceImage piece(view, m.Unit, m.WindowHeight / 2, 1, HUMAN);
    piece.DrawPiece(true, false);
    int direction = step;
    for (auto _ : state) {
        piece.ErasePiece();
        if (piece.x + direction < 0 || piece.x + direction > m.ClientWidth - m.PieceCell) direction = -direction;
        piece.x += direction;
        piece.DrawPiece(true, false);
        // A step's wait at full speed: shown, and the window's events handled.
        platform.Sleep(0);
    }
    piece.ErasePiece();
    state.counters["pixels"] = platform.BackBuffer().Image().width() * platform.BackBuffer().Image().height();
}
BENCHMARK(AnimationStep)->Unit(benchmark::kMicrosecond);

// From nothing to the board on the screen: the window is created, the first
// game set up and the canvas painted once.
void StartToFirstPaintedBoard(benchmark::State& state)
{
    GameFolder folder;
    for (auto _ : state) {
        auto platform = std::make_unique<QtPlatform>();
        PaintCounter counter;
        platform->Canvas().installEventFilter(&counter);
        auto app = std::make_unique<BackgApp>();
        platform->Start(*app);
        QElapsedTimer guard;
        guard.start();
        while (counter.paints == 0 && guard.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        app.reset();
        platform.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartToFirstPaintedBoard)->Unit(benchmark::kMillisecond);

// A whole game finished quick: from the command at the first roll to the
// statistics dialog on the screen (closed at once with Quit).
void QuickFinishedGame(benchmark::State& state)
{
    for (auto _ : state) {
        GameFolder folder("AutoFinish=0\n");
        auto platform = std::make_unique<QtPlatform>();
        auto app = std::make_unique<BackgApp>();
        platform->Start(*app);
        QElapsedTimer guard;
        guard.start();
        while (!platform->Frame().windowHandle()->isExposed() && guard.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

        QElapsedTimer clock;
        double seconds = -1;
        QTimer watcher;
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible()) return;
            if (seconds < 0) seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            dialog->close();
        });
        watcher.start();
        clock.start();
        app->MainWindow()->Post(Message::Cmd(ID_FINISH_GAME, CommandSource::Menu));
        app->MainWindow()->PumpMessages();
        watcher.stop();
        state.SetIterationTime(seconds > 0 ? seconds : static_cast<double>(clock.nsecsElapsed()) / 1e9);
        app.reset();
        platform.reset();
    }
}
BENCHMARK(QuickFinishedGame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A close request (the title bar's close box) while the computer's turn is
// in progress: from the request to the end of the program, which is asked
// at a random moment of the turn (its pause, a piece on its way).
void CloseDuringTheComputersTurn(benchmark::State& state)
{
    struct Ended {};
    int round = 0;
    double worst = 0;
    for (auto _ : state) {
        GameFolder folder("FirstMoveBy=1\nSpeed=38\n");
        auto platform = std::make_unique<QtPlatform>();
        auto app = std::make_unique<BackgApp>();
        QElapsedTimer clock;
        double seconds = -1;
        platform->exitNow = [&](int) {
            seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            throw Ended{};
        };
        // The computer starts: its turn is the first message.
        platform->Start(*app);
        QTimer::singleShot(100 + (round++ * 397) % 1900, [&] {
            clock.start();
            platform->Frame().close();
        });
        try {
            platform->RunPump();
        } catch (const Ended&) {
        }
        if (seconds < 0) {
            state.SkipWithError("the close came after the computer's turn");
            break;
        }
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        state.PauseTiming();
        app.reset();
        platform.reset();
        state.ResumeTiming();
    }
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(CloseDuringTheComputersTurn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char* argv[])
{
    // A screen of the size asked for, described to the offscreen platform.
    QTemporaryDir config;
    const QByteArray screen = qgetenv("TABLOR_BENCH_SCREEN");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !screen.isEmpty()) {
        const QList<QByteArray> size = screen.split('x');
        QFile file(config.filePath(QStringLiteral("screen.json")));
        if (size.size() == 2 && file.open(QIODevice::WriteOnly)) {
            file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": )" + size[0] + R"(, "height": )" +
                       size[1] + R"(, "logicalDpi": 96}]})");
            file.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The real window under the offscreen platform: one step of a piece's
// animation drawn and shown, and the time from start to the first painted board.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

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
            ini.write("[Options]\nFirstMoveBy=2\n");
            ini.write(options);
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
        platform.UpdateNow();
    }
    piece.ErasePiece();
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

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

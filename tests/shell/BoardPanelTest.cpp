// SPDX-License-Identifier: GPL-3.0-or-later
// The side panel over the board, with the pointer routed by the window system
// as a real pointer is: what lies on top, and what a click reaches.

#include <QPushButton>
#include <QWindow>

#include "ShellFixture.h"
#include "core/board/BoardData.h"
#include "program/game/GameState.h"
#include "program/game/SavedGame.h"
#include "shell/qt/PanelControls.h"

namespace {

// Every human piece at home on S..X, one of the computer's on its bar (so
// that no bear-off is filled in by itself), the rest in its home.
BoardData BearingOff()
{
    BoardData b{};
    const int human[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 3, 3, 3, 2};
    for (int i = 19; i <= 24; ++i) b[i] = {static_cast<std::int8_t>(human[i]), HUMAN};
    for (int i = 1; i <= 5; ++i) b[i] = {static_cast<std::int8_t>(i == 5 ? 2 : 3), COMPUTER};
    b[COMPUTER_BAR].count = 1;
    return WithFixedOwners(b);
}

} // namespace

class BoardPanel : public ShellWindow {
protected:
    // A press and release of `button` at canvas point p, given to the main
    // window's window handle: the window system's route, on which the widget
    // under the pointer takes the click.
    void ClickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QWindow* handle = platform->Frame().windowHandle();
        QTest::mouseClick(handle, button, {}, Canvas().mapTo(&platform->Frame(), p));
        ASSERT_TRUE(WaitIdle());
    }

    void Load(const BoardData& board)
    {
        PositionFileData data = CurrentPositionData(wnd->Game());
        data.board = ToImage(board);
        wnd->Kept().LoadPosition(data);
        ASSERT_TRUE(WaitIdle());
    }

    // A point of the human's tray that the cube button covers.
    QPoint TrayUnderTheCube()
    {
        const Rect& r = wnd->Game().board[HUMAN_TRAY].rect;
        const QRect tray(r.left, r.top, r.right - r.left, r.bottom - r.top);
        const QRect both = tray.intersected(platform->CubeWidget().geometry());
        EXPECT_FALSE(both.isEmpty()) << "the cube does not lie over the tray";
        return both.center();
    }
};

// With the cube greyed, a click on the human's tray where the cube lies over
// it bears off, and a right click there takes the move back; the cube still
// doubles while it is enabled.
TEST_F(BoardPanel, APressOnTheGreyedCubeReachesTheTrayBeneath)
{
    Start("316565", "UseCube=0\nIntelMoves=0");
    Load(BearingOff());
    ASSERT_FALSE(platform->CubeWidget().isEnabled());
    const QPoint tray = TrayUnderTheCube();

    ClickAt(PointOf(19));
    ASSERT_EQ(wnd->Game().CurrentMove().from, 19);
    ClickAt(tray);
    EXPECT_EQ(wnd->Game().board[HUMAN_TRAY].count, 1);
    EXPECT_EQ(wnd->Game().board[19].count, 1);
    EXPECT_EQ(wnd->Game().MovesMade, 1);
    ClickAt(tray, Qt::RightButton);
    EXPECT_EQ(wnd->Game().board[HUMAN_TRAY].count, 0);
    EXPECT_EQ(wnd->Game().MovesMade, 0);
}

TEST_F(BoardPanel, AnEnabledCubeTakesItsClick)
{
    Start("31", "UseCube=1");
    ASSERT_TRUE(platform->CubeWidget().isEnabled());
    ClickAt(platform->CubeWidget().geometry().center());
    EXPECT_EQ(wnd->Game().CubeValue, 2);
    EXPECT_FALSE(platform->CubeWidget().isEnabled());
}

// Where a tray's count and the cube overlap, the window shows the cube as the
// cube draws itself: the count is beneath it, not written over its value.
TEST_F(BoardPanel, TheCubeLiesAboveTheTraysCounts)
{
    Start("31");
    QWidget& cube = platform->CubeWidget();
    const QImage window = Grab();
    const QImage own = cube.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The button's frame, antialiased at its corners, is left out.
    const QRect inside = cube.geometry().adjusted(3, 3, -3, -3);
    int overlaps = 0;
    for (int which = 0; which < 2; ++which) {
        const QRect both = platform->TrayWidget(which).geometry().intersected(inside);
        if (both.isEmpty()) continue;
        ++overlaps;
        int differ = 0;
        for (int y = both.top(); y <= both.bottom(); ++y)
            for (int x = both.left(); x <= both.right(); ++x)
                if (window.pixel(x, y) != own.pixel(x - cube.x(), y - cube.y())) ++differ;
        EXPECT_EQ(differ, 0) << "tray " << which;
    }
    EXPECT_GT(overlaps, 0) << "no tray's count lies under the cube";
}

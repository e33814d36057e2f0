// The window side of the main window: its fixed size and the board metrics,
// painting, the side panel (dice pictures, move list, cube button, status bar
// with the progress bar), the blinking cursor, and what the board's locations
// ask of the window while they animate.

#include <cstdio>
#include <ctime>
#include <string>

#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/game/BackgWnd.h"
#include "program/game/GameGlobals.h"
#include "program/view/Metrics.h"
#include "program/view/PositionTop.h"

namespace {

// The calendar year of a time in local time.
int LocalYear(std::time_t when)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    return local.tm_year + 1900;
}

// The animation and its sounds are skipped while the program finishes a game quick.
bool FinishingQuick() { return AutoPlay && FastFinish; }

} // namespace

// The window's size does not follow the user: it is derived from the screen
// at every size message, and the metrics from the window's size.
void BackgWnd::OnSize()
{
    if (platform.IsMinimized()) return;
    int screenWidth = 0, screenHeight = 0;
    platform.ScreenArea(screenWidth, screenHeight);
    int w = 0, h = 0;
    WindowSizeFor(screenWidth, screenHeight, w, h);
    SetMetrics(w, h);
    // Only while the window is being created is it moved to the corner.
    platform.SetWindowSize(w, h, !board.Built());
    const Rect client = platform.ClientRect();
    ClientWidth = client.right - client.left;
    ClientHeight = client.bottom - client.top;
}

// Draws the empty bars and points and then their pieces from the bottom of
// each stack up; the trays are labels that paint themselves.
void BackgWnd::OnPaint()
{
    if (board.Built()) {
        for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) {
            board[i].Layout();
            if (auto* location = dynamic_cast<PositionTop*>(&board[i])) location->DrawPieces();
        }
    }
    platform.Cube().Repaint();
    // The side controls repaint with the board, and the progress bar with them.
    DrawProgressBar();
}

// Places the side panel from the anchors of the built locations (the point
// numbers in brackets with ClockWise, where the board is laid out mirrored).
void BackgWnd::CreatePanelControls()
{
    PlacePanelControls();
    platform.List().Show();
    platform.Cube().SetText("");
    controlsCreated = true;

    ApplyBackgroundColour();
    platform.ShowWindow();
}

void BackgWnd::PlacePanelControls()
{
    const bool cw = ClockWise != 0;
    auto X = [this](int n) { return board[n].x; };
    auto Y = [this](int n) { return board[n].y; };

    platform.Status().SetPaneWidths(cw ? X(18) : X(20), cw ? X(13) - X(18) : X(24) - X(20));

    const int icon = platform.IconSize();
    const int top = Y(HUMAN_TRAY);
    for (int i = 0; i < 4; ++i) {
        const int s = i * (icon * 6 / 5);
        const int human = (cw ? X(9) : X(5)) + s;
        const int computer = (cw ? X(3) : X(10)) + s;
        platform.Die(4 + i).SetGeometry({human, top, human + icon, top + icon});
        platform.Die(i).SetGeometry({computer, top, computer + icon, top + icon});
    }

    const int left = (cw ? X(12) : X(1)) + Unit * 5 / 2;
    const Rect list{left, cw ? Y(12) : Y(1), ClientWidth - Unit / 4, cw ? Y(13) : Y(24)};
    platform.List().SetGeometry(list);
    if (!controlsCreated) platform.Cube().SetGeometry(list);
}

void BackgWnd::ApplyBackgroundColour()
{
    platform.SetBackground(SchemeColour[COLOUR_BACKGROUND]);
    platform.List().SetBackground(SchemeColour[COLOUR_BACKGROUND]);
}

// The dice still to be played, on the side of the player to move. In an
// opening turn decided by the roll, die 0 (the computer's) shows on the
// computer's side and die 1 (the human's) on the human's.
void BackgWnd::ShowDice()
{
    const int left = dice ? dice->moves : 0;
    const bool equalDice = dice && dice->die[0] == dice->die[1] && dice->die[0] != 255;
    const bool split = OpeningTurn && !equalDice && !(FirstGame && FirstMoveBy != 0);
    for (int i = 0; i < 4; ++i) {
        const bool humanGroup = split ? i != 0 : board.CurrentPlayer == HUMAN;
        DicePicture& picture = platform.Die(humanGroup ? 4 + i : i);
        const int value = dice ? dice->die[i] : 0;
        if (i < left && DiceAsIcons && value >= 1 && value <= 6) {
            picture.SetFace(value);
            picture.Show(true);
            picture.Repaint();
        } else {
            picture.Show(false);
        }
    }
}

void BackgWnd::HideDice()
{
    for (int i = 0; i < 8; ++i) platform.Die(i).Show(false);
}

// Clears the list and writes the title and the banner, the year of today in it.
void BackgWnd::ResetMoveList()
{
    platform.List().Clear();
    const std::string title = ApplicationTitle();
    platform.SetCaption(title);
    AddListLine(title);
    AddListLine(BannerLine(0));
    AddListLine(BannerLine(1));
    AppendToLastLine(BannerSuffix(0));
    char year[16];
    std::snprintf(year, sizeof year, "%04d", LocalYear(platform.Now()));
    AppendToLastLine(BannerSuffix(1) + year);
    AddListLine(BannerLine(2));
    AddListLine(" ");
}

// The cube stands beside the computer's tray at the height of the human's,
// two units lower when the human owns it and two units higher when the
// computer does.
void BackgWnd::PlaceCube()
{
    if (!board.Built()) return;
    const int side = Unit * 3 / 2;
    const int left = board[COMPUTER_TRAY].x + Unit / 4;
    int top = board[HUMAN_TRAY].y;
    if (CubeOwner == HUMAN)
        top += 2 * Unit;
    else if (CubeOwner == COMPUTER)
        top -= 2 * Unit;
    platform.Cube().SetGeometry({left, top, left + side, top + side});
    platform.Cube().Repaint();
}

// Blinks an underscore after the text of the move list's last line while the
// human is to move in the active window.
void BackgWnd::OnTimer(int /*id*/)
{
    if (board.CurrentPlayer != HUMAN || AutoPlay || !platform.MainIsActive()) return;
    MoveList& list = platform.List();
    const int last = list.LineCount() - 1;
    if (last < 0) return;
    const Rect line = list.LineRect(last);
    const int width = list.TextWidth(list.LineText(last).substr(0, 23));
    const int x = line.left + width + (Unit >> 2);
    platform.Screen().Text(x, line.top, BlinkShown ? "   " : "_", RGB(0, 0, 0), SchemeColour[COLOUR_BACKGROUND], true);
    BlinkShown = !BlinkShown;
}

// The race in pane 1: the human's colour takes the computer's share of the
// pips and the computer's colour the human's, so the side ahead has the
// larger part. With no pips left on either side (a position file without
// pieces) nothing is drawn: the bar is only erased.
void BackgWnd::DrawProgressBar()
{
    StatusBar& status = platform.Status();
    const int c = board.Built() ? PipCount(board, COMPUTER) : 0;
    const int h = board.Built() ? PipCount(board, HUMAN) : 0;
    const int t = c + h;
    if (!ShowProgress || t <= 0) {
        status.Invalidate();
        return;
    }
    Rect pane = status.PaneRect(1);
    pane.top += 1;
    pane.bottom -= 1;
    const int w = pane.right - pane.left;
    const Rect right{pane.right - h * w / t, pane.top, pane.right, pane.bottom};
    const Rect left{pane.left, pane.top, pane.left + c * w / t, pane.bottom};
    status.DrawProgress(right, SchemeColour[COLOUR_COMPUTER], left, SchemeColour[COLOUR_HUMAN]);
}

// The board is repainted in the new colours and every piece on the points is
// made anew in its owner's new colour; the position does not change.
void BackgWnd::RefreshColours()
{
    ApplyBackgroundColour();
    platform.Invalidate();
    if (!board.Built()) return;
    for (int i = 1; i <= 24; ++i) {
        Position& point = board[i];
        const int pieces = point.count;
        const int owner = point.owner;
        while (point.count > 0) point.RemovePiece();
        point.owner = owner;
        for (int k = 0; k < pieces && point.count < pieces; ++k) point.AddPiece();
    }
}

TrayLabel& BackgWnd::TrayControl(int location) { return platform.Tray(location == COMPUTER_TRAY ? 0 : 1); }

void BackgWnd::Delay()
{
    if (!FinishingQuick()) platform.Sleep(Speed);
}

void BackgWnd::PlayHitOrMove(int event)
{
    if (!FinishingQuick()) PlayEvent(event, true);
}

void BackgWnd::CountHit()
{
    if (board.CurrentPlayer == COMPUTER || board.CurrentPlayer == HUMAN) ++HitsMade[board.CurrentPlayer];
}

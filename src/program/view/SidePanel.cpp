// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/SidePanel.h"

#include <cstdio>
#include <ctime>

#include "program/app/StringTable.h"
#include "program/game/Commands.h"
#include "program/view/BoardView.h"

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

std::string Format(const char* format, int value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

SidePanel::SidePanel(WindowContext& context)
    : ctx(context), platform(context.platform), settings(context.settings), game(context.game)
{
}

// Places the side panel from the anchors of the built locations; the
// controls are shown the first time only, but placed at every game, so that
// the panel always stands where the board is now laid out.
void SidePanel::CreatePanelControls()
{
    PlacePanelControls();
    if (controlsCreated) return;
    platform.List().Show();
    platform.Cube().SetText("");
    controlsCreated = true;

    ApplyBackgroundColour();
    platform.ShowWindow();
}

// The anchors are the point numbers in brackets with ClockWise, where the
// board is laid out mirrored.
void SidePanel::PlacePanelControls()
{
    const Board& board = game.board;
    const Metrics& m = ctx.view.DisplayMetrics();
    const bool cw = settings.ClockWise != 0;
    auto X = [&board](int n) { return board[n].x; };
    auto Y = [&board](int n) { return board[n].y; };

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

    const int left = (cw ? X(12) : X(1)) + m.Unit * 5 / 2;
    const Rect list{left, cw ? Y(12) : Y(1), m.ClientWidth - m.Unit / 4, cw ? Y(13) : Y(24)};
    platform.List().SetGeometry(list);
    if (!controlsCreated) platform.Cube().SetGeometry(list);
}

void SidePanel::ApplyBackgroundColour()
{
    const Colour background = ctx.view.SchemeColour()[COLOUR_BACKGROUND];
    platform.SetBackground(background);
    platform.List().SetBackground(background);
}

// In an opening turn decided by the roll, die 0 (the computer's) shows on the
// computer's side and die 1 (the human's) on the human's.
void SidePanel::ShowDice()
{
    const DiceRecord* dice = game.dice.get();
    const int left = dice ? dice->moves : 0;
    const bool equalDice = dice && dice->die[0] == dice->die[1] && dice->die[0] != NO_VALUE;
    const bool split = game.OpeningTurn && !equalDice && !(game.FirstGame && settings.FirstMoveBy != 0);
    for (int i = 0; i < 4; ++i) {
        const bool humanGroup = split ? i != 0 : game.CurrentPlayer() == HUMAN;
        DicePicture& picture = platform.Die(humanGroup ? 4 + i : i);
        const int value = dice ? dice->die[i] : 0;
        if (i < left && settings.DiceAsIcons && value >= 1 && value <= 6) {
            picture.SetFace(value);
            picture.Show(true);
            picture.Repaint();
        } else {
            picture.Show(false);
        }
    }
}

void SidePanel::HideDice()
{
    for (int i = 0; i < 8; ++i) platform.Die(i).Show(false);
}

// The cube stands beside the computer's tray at the height of the human's,
// two units lower when the human owns it and two units higher when the
// computer does.
void SidePanel::PlaceCube()
{
    const Board& board = game.board;
    if (!board.Built()) return;
    const int unit = ctx.view.DisplayMetrics().Unit;
    const int side = unit * 3 / 2;
    const int left = board[COMPUTER_TRAY].x + unit / 4;
    int top = board[HUMAN_TRAY].y;
    if (game.CubeOwner == HUMAN)
        top += 2 * unit;
    else if (game.CubeOwner == COMPUTER)
        top -= 2 * unit;
    platform.Cube().SetGeometry({left, top, left + side, top + side});
    platform.Cube().Repaint();
}

void SidePanel::ResetMoveList()
{
    platform.List().Clear();
    const std::string title = ApplicationTitle();
    platform.SetCaption(title);
    AddListLine(title);
    const Catalogue& texts = platform.Texts();
    AddListLine(texts.Translate(BannerLine(0).c_str()));
    AddListLine(BannerLine(1));
    AppendToLastLine(BannerSuffix(0));
    char year[16];
    std::snprintf(year, sizeof year, "%04d", LocalYear(platform.Now()));
    AppendToLastLine(BannerSuffix(1) + year);
    AddListLine(texts.Translate(BannerLine(2).c_str()));
    AddListLine(" ");
}

void SidePanel::AddListLine(const std::string& text)
{
    MoveList& list = platform.List();
    const int page = list.PageSize() > 0 ? list.PageSize() : 1;
    while (list.LineCount() > 0 && list.LineCount() >= page) list.DeleteLine(0);
    list.AddLine(text.substr(0, 63));
    list.EnsureVisible(list.LineCount() - 1);
    list.Repaint();
}

void SidePanel::AppendToLastLine(const std::string& text)
{
    MoveList& list = platform.List();
    const int n = list.LineCount();
    if (n == 0) {
        AddListLine(text);
        return;
    }
    const std::string line = list.LineText(n - 1) + text;
    list.DeleteLine(n - 1);
    AddListLine(line);
}

void SidePanel::DeleteLastLine()
{
    MoveList& list = platform.List();
    if (list.LineCount() > 0) list.DeleteLine(list.LineCount() - 1);
}

void SidePanel::SetStatus(int id)
{
    if (game.AutoPlay) return;
    platform.Status().SetPaneText(PANE_NOTICE, "");
    platform.Status().SetPaneText(PANE_PROMPT, LoadString(id, platform.Texts()));
    platform.Status().Repaint();
}

void SidePanel::ShowProgressText()
{
    const BoardData b = game.board.Data();
    const int c = PipCount(b, COMPUTER);
    const int h = PipCount(b, HUMAN);
    std::string text;
    if (c == h)
        text = LoadString(IDS_EVEN, platform.Texts());
    else if (c > h)
        text = Format(LoadString(IDS_YOU_LEAD, platform.Texts()), c - h);
    else
        text = Format(LoadString(IDS_COMPUTER_LEADS, platform.Texts()), h - c);
    platform.Status().SetPaneText(PANE_NOTICE, text);
}

// The human's colour takes the computer's share of the pips and the
// computer's colour the human's, so the side ahead has the larger part. With
// no pips left on either side (a position file without pieces) nothing is
// drawn: the bar is only erased.
void SidePanel::DrawProgressBar()
{
    StatusBar& status = platform.Status();
    const Board& board = game.board;
    const int c = board.Built() ? PipCount(board, COMPUTER) : 0;
    const int h = board.Built() ? PipCount(board, HUMAN) : 0;
    const int t = c + h;
    if (!settings.ShowProgress || t <= 0) {
        status.Invalidate();
        return;
    }
    Rect pane = status.PaneRect(PANE_PROGRESS);
    pane.top += 1;
    pane.bottom -= 1;
    const int w = pane.right - pane.left;
    const Rect right{pane.right - h * w / t, pane.top, pane.right, pane.bottom};
    const Rect left{pane.left, pane.top, pane.left + c * w / t, pane.bottom};
    const ColourSet& colours = ctx.view.SchemeColour();
    status.DrawProgress(right, colours[COLOUR_COMPUTER], left, colours[COLOUR_HUMAN]);
}

// Blinks an underscore after the text of the move list's last line while the
// human is to move in the active window.
void SidePanel::OnTimer(int /*id*/)
{
    if (game.CurrentPlayer() != HUMAN || game.AutoPlay || !platform.MainIsActive()) return;
    MoveList& list = platform.List();
    const int last = list.LineCount() - 1;
    if (last < 0) return;
    const Rect line = list.LineRect(last);
    const int width = list.TextWidth(list.LineText(last).substr(0, 23));
    const int x = line.left + width + (ctx.view.DisplayMetrics().Unit >> 2);
    Surface& screen = platform.Screen();
    const Colour background = ctx.view.SchemeColour()[COLOUR_BACKGROUND];
    screen.Text(x, line.top, blinkShown ? "   " : "_", RGB(0, 0, 0), background, true);
    // The underscore's glyph can reach a pixel beyond its cell, where the
    // blanks do not erase it: its whole box is erased too.
    if (blinkShown) screen.FillRect(screen.TextBox(x, line.top, "_"), background);
    blinkShown = !blinkShown;
}

void SidePanel::HideBlink()
{
    if (blinkShown) OnTimer(BLINK_TIMER);
}

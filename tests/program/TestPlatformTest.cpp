// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <vector>

#include "TestPlatform.h"
#include "program/dialogs/DiceDlg.h"
#include "program/game/Commands.h"

namespace {

constexpr Colour RED = RGB(255, 0, 0);
constexpr Colour WHITE = RGB(255, 255, 255);
constexpr Colour GREY = RGB(128, 128, 128);

// Gives every pixel its own colour, so that any misplaced copy shows.
void Pattern(PixelSurface& s)
{
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, static_cast<Colour>(y * s.Width() + x + 1));
}

} // namespace

TEST(PixelSurface, PolygonFillsPixelCentresAndOutlinesWithThePen)
{
    PixelSurface s(200, 120);
    // A square: centres inside [10, 20) are filled; the outline covers the
    // ring from 10 to 20 inclusive.
    const Point square[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
    s.Polygon(square, 4, RED, WHITE);
    EXPECT_EQ(s.CountColour({0, 0, 200, 120}, RED), 9 * 9);
    EXPECT_EQ(s.CountColour({0, 0, 200, 120}, WHITE), 40);
    EXPECT_TRUE(s.AllColour({11, 11, 20, 20}, RED));

    // A point's triangle: its area is about half its bounding box, its three
    // corners are drawn, the tip's column is filled down to near the tip.
    PixelSurface t(200, 120);
    const Point triangle[] = {{20, 10}, {74, 10}, {47, 97}};
    t.Polygon(triangle, 3, RED, WHITE);
    const int area = t.CountColour({0, 0, 200, 120}, RED) + t.CountColour({0, 0, 200, 120}, WHITE);
    EXPECT_NEAR(area, 54 * 87 / 2, 120);
    for (const Point& p : triangle) EXPECT_EQ(t.Pixel(p.x, p.y), WHITE) << p.x << "," << p.y;
    EXPECT_TRUE(t.AllColour({47, 11, 48, 90}, RED));
    EXPECT_EQ(t.Pixel(21, 90), 0u);
    EXPECT_EQ(t.Pixel(73, 90), 0u);

    // Lines include both ends and set one pixel per step of the longer axis.
    PixelSurface l(30, 30);
    l.Line(2, 3, 12, 7, WHITE);
    EXPECT_EQ(l.CountColour({0, 0, 30, 30}, WHITE), 11);
    EXPECT_EQ(l.Pixel(2, 3), WHITE);
    EXPECT_EQ(l.Pixel(12, 7), WHITE);
    for (int x = 2; x <= 12; ++x) EXPECT_EQ(l.CountColour({x, 0, x + 1, 30}, WHITE), 1) << x;
}

TEST(PixelSurface, EllipseIsSymmetricAndFillsItsDisc)
{
    // Odd width, even height: the two kinds of centre line.
    PixelSurface s(60, 50);
    const Rect r{5, 7, 36, 30};
    s.FillEllipse(r, RED);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const int mx = r.left + r.right - 1 - x, my = r.top + r.bottom - 1 - y;
            ASSERT_EQ(s.Pixel(x, y), s.Pixel(mx, y)) << x << "," << y;
            ASSERT_EQ(s.Pixel(x, y), s.Pixel(x, my)) << x << "," << y;
        }
    EXPECT_EQ(s.CountColour({0, 0, 60, 50}, RED), s.CountColour(r, RED)); // nothing outside its rectangle
    EXPECT_NEAR(s.CountColour(r, RED), 3.14159 * 31 * 23 / 4, 20);
    EXPECT_EQ(s.Pixel(20, 18), RED);
    EXPECT_EQ(s.Pixel(r.left, r.top), 0u);
    EXPECT_EQ(s.Pixel(r.right - 1, r.bottom - 1), 0u);
    // The extreme rows and columns through the centre are reached.
    EXPECT_EQ(s.Pixel(r.left, 18), RED);
    EXPECT_EQ(s.Pixel(20, r.top), RED);

    // A one-pixel rectangle is one pixel; an empty one draws nothing.
    PixelSurface p(4, 4);
    p.FillEllipse({1, 1, 2, 2}, RED);
    p.FillEllipse({3, 3, 3, 9}, RED);
    EXPECT_EQ(p.CountColour({0, 0, 4, 4}, RED), 1);
    EXPECT_EQ(p.Pixel(1, 1), RED);
}

TEST(PixelSurface, RestoreCellPutsBackExactlyWhatWasUnderAPiece)
{
    PixelSurface s(120, 90);
    Pattern(s);
    const std::vector<Colour> before = s.Pixels();
    auto cell = s.CreateBitmap(37, 37);
    // Well inside, across every edge and corner, and wholly off the surface.
    const Point places[] = {{40, 30}, {-10, -12}, {100, 70}, {-20, 60}, {50, -30}, {95, -5}, {500, 500}, {-37, 0}};
    for (const Point& at : places) {
        s.SaveCell(*cell, at.x, at.y);
        s.FillEllipse({at.x + 6, at.y, at.x + 37, at.y + 31}, GREY);
        s.FillEllipse({at.x, at.y, at.x + 31, at.y + 31}, RED);
        s.RestoreCell(*cell, at.x, at.y);
        EXPECT_TRUE(s.Pixels() == before) << "at " << at.x << "," << at.y;
    }

    // Saved on one place and restored on another, a cell moves exactly.
    s.SaveCell(*cell, 0, 0);
    s.RestoreCell(*cell, 60, 40);
    EXPECT_EQ(s.Pixel(60, 40), before[0]);
    EXPECT_EQ(s.Pixel(96, 76), before[36 * 120 + 36]);
    EXPECT_EQ(s.Pixel(97, 77), before[77 * 120 + 97]);
}

TEST(PixelSurface, WildCoordinatesAreClippedNotFatal)
{
    PixelSurface s(64, 48);
    s.FillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, RED);
    EXPECT_TRUE(s.AllColour({0, 0, 64, 48}, RED));
    s.FillRect({INT_MAX, INT_MAX, INT_MIN, INT_MIN}, WHITE);
    EXPECT_TRUE(s.AllColour({0, 0, 64, 48}, RED));

    // The main diagonal of a huge square still passes through (k, k).
    s.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX, WHITE);
    EXPECT_EQ(s.CountColour({0, 0, 64, 48}, WHITE), 48);
    for (int k = 0; k < 48; ++k) EXPECT_EQ(s.Pixel(k, k), WHITE) << k;
    s.Line(INT_MAX, 0, INT_MIN, 1, WHITE);
    s.Line(-5, -5, -5, -5, WHITE);

    const Point huge[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    s.Polygon(huge, 4, GREY, GREY);
    EXPECT_TRUE(s.AllColour({0, 0, 64, 48}, GREY));
    s.Polygon(huge, 0, RED, RED);
    s.Polygon(nullptr, 3, RED, RED);

    s.FillEllipse({-1000000000, -1000000000, 1000000064, 1000000048}, RED);
    EXPECT_EQ(s.Pixel(32, 24), RED);
    s.FillEllipse({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, WHITE);
    EXPECT_EQ(s.Pixel(32, 24), WHITE);

    s.Text(INT_MAX - 3, INT_MIN, "text", RED, RED, true);
    s.Text(-20, 40, "abcdef", GREY, WHITE, true);
    auto cell = s.CreateBitmap(-5, INT_MAX);
    s.SaveCell(*cell, INT_MAX, INT_MIN);
    s.RestoreCell(*cell, INT_MIN, INT_MAX);
    auto big = s.CreateBitmap(100, 100);
    s.SaveCell(*big, INT_MAX - 10, INT_MAX - 10);
    s.RestoreCell(*big, INT_MIN, -50);

    // Text: each non-blank character a block inside its cell; opaque erases
    // the whole cell first.
    PixelSurface t(40, 20);
    t.Text(1, 2, "A b", WHITE, GREY, true);
    EXPECT_EQ(t.TextWidth("A b"), 24);
    EXPECT_EQ(t.TextHeight(), 14);
    EXPECT_EQ(t.CountColour({0, 0, 40, 20}, WHITE), 2 * 6 * 10);
    EXPECT_EQ(t.CountColour({0, 0, 40, 20}, GREY), 3 * 8 * 14 - 2 * 6 * 10);
    EXPECT_TRUE(t.AllColour({9, 2, 17, 16}, GREY)); // the blank
    ASSERT_EQ(t.texts.size(), 1u);
    EXPECT_EQ(t.texts[0].text, "A b");
}

TEST(TestPlatform, VirtualClockAdvancesOnlyBySleepsAndAdvance)
{
    TestPlatform p;
    EXPECT_EQ(p.TickCount(), 100000u);
    p.Sleep(12);
    p.Sleep(0);
    p.Sleep(38);
    EXPECT_EQ(p.TickCount(), 100050u);
    p.Advance(400);
    EXPECT_EQ(p.TickCount(), 100450u);
    EXPECT_EQ(p.sleptTotal, 50);
    EXPECT_EQ(p.sleeps, (std::vector<int>{12, 0, 38}));

    std::tm date{};
    const std::time_t now = p.Now();
    gmtime_r(&now, &date);
    EXPECT_EQ(date.tm_year + 1900, 2026);
    p.now = 0;
    EXPECT_EQ(p.Now(), 0);
}

TEST(TestPlatform, MessageBoxesAreCheckedAgainstTheScript)
{
    TestPlatform p;
    p.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDYES);
    EXPECT_EQ(p.MessageBox("Start new game ?", Buttons::YesNo, Icon::Question), IDYES);

    // A different text, buttons or icon fails, showing both boxes, and still
    // gives the scripted answer.
    p.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDNO);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = p.MessageBox("Reset all scores to 0 ?", Buttons::YesNo, Icon::Question),
                            "expected: \"Start new game ?\" [YesNo, Question]");
    EXPECT_EQ(answer, IDNO);
    p.ExpectMessageBox("Invalid rolls file !", Buttons::Ok, Icon::Exclamation, IDOK);
    EXPECT_NONFATAL_FAILURE(p.MessageBox("Invalid rolls file !", Buttons::OkCancel, Icon::Exclamation),
                            "shown: \"Invalid rolls file !\" [OkCancel, Exclamation]");

    // Unexpected boxes fail and are cancelled, or acknowledged when OK is all
    // they offer.
    EXPECT_NONFATAL_FAILURE(answer = p.MessageBox("Start new game ?", Buttons::YesNo, Icon::Question),
                            "Unexpected message box \"Start new game ?\"");
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_NONFATAL_FAILURE(answer = p.MessageBox("Invalid position file !", Buttons::Ok, Icon::Exclamation),
                            "Unexpected message box");
    EXPECT_EQ(answer, IDOK);

    // Program dialogs run their handlers; an unscripted one fails and is cancelled.
    DiceDlg dice(3, 5);
    p.OnDiceDlg([&p](DiceDlg& d) {
        EXPECT_EQ(d.Text(0), "3");
        EXPECT_EQ(p.Active(), ActiveWindow::Other);
        return IDOK;
    });
    EXPECT_EQ(p.RunDiceDlg(dice), IDOK);
    EXPECT_EQ(p.Active(), ActiveWindow::Main);
    EXPECT_NONFATAL_FAILURE(answer = p.RunDiceDlg(dice), "Unexpected DiceDlg");
    EXPECT_EQ(answer, IDCANCEL);

    // File dialogs compare every option.
    FileDialogOptions options{"Position files (*.pos)|*.pos||", "*.pos", "pos", true};
    p.ExpectSaveFile(options, "game.pos");
    options.confirmOverwrite = false;
    std::optional<std::string> path;
    EXPECT_NONFATAL_FAILURE(path = p.SaveFileDialog(options), "confirmOverwrite yes");
    EXPECT_EQ(path, "game.pos");

    // Expectations left over fail when checked, and only once.
    p.ExpectMessageBox("Reset all scores to 0 ?", Buttons::YesNo, Icon::Question, IDYES);
    EXPECT_NONFATAL_FAILURE(p.CheckAllScriptsUsed(), "Message box never shown: \"Reset all scores to 0 ?\"");
    p.OnDiceDlg([](DiceDlg&) { return IDOK; });
    EXPECT_NONFATAL_FAILURE(p.CheckAllScriptsUsed(), "DiceDlg shown 1 time(s) fewer than scripted");
    p.CheckAllScriptsUsed();

    EXPECT_EQ(p.dialogs.size(), 8u);
    EXPECT_EQ(p.dialogs[0].text, "Start new game ?");
    EXPECT_EQ(p.dialogs[5].kind, DialogKind::DiceDlg);
}

TEST(TestPlatform, WindowPaintingAndInjectedInput)
{
    TestPlatform p;
    EXPECT_EQ(p.ClientRect(), (Rect{0, 0, 1274, 945}));
    p.SetWindowSize(939, 626, true);
    EXPECT_EQ(p.ClientRect(), (Rect{0, 0, 933, 577}));
    EXPECT_EQ(p.screen.Width(), 933);
    EXPECT_EQ(p.screen.Height(), 577);
    EXPECT_TRUE(p.movedToCorner);
    p.status.SetPaneWidths(300, 200);
    EXPECT_EQ(p.status.PaneRect(1), (Rect{300, 557, 500, 577}));
    EXPECT_EQ(p.status.PaneRect(2), (Rect{500, 557, 933, 577}));

    // A repaint erases in the background colour, then the window paints; with
    // nothing invalid UpdateNow does nothing.
    int painted = 0;
    p.onPaint = [&] {
        ++painted;
        EXPECT_TRUE(p.screen.AllColour(p.ClientRect(), GREY));
        p.screen.FillRect({0, 0, 10, 10}, RED);
    };
    p.SetBackground(GREY);
    p.UpdateNow();
    EXPECT_EQ(painted, 0);
    p.Invalidate();
    p.UpdateNow();
    p.UpdateNow();
    EXPECT_EQ(painted, 1);
    EXPECT_EQ(p.screen.Pixel(5, 5), RED);

    // Injected input arrives as the real window delivers it.
    std::vector<Message> posted;
    p.post = [&](const Message& m) { posted.push_back(m); };
    Injector in = p.Input();
    in.Click(100, 200);
    in.Key(VK_A + 2);
    in.TypeLetter('X');
    in.Tick();
    p.menuChoices.push_back(ID_UNDO);
    p.ShowActionMenu(5, 6);
    ASSERT_EQ(posted.size(), 6u);
    EXPECT_EQ(posted[0].kind, MessageKind::LButtonDown);
    EXPECT_EQ(posted[1].kind, MessageKind::LButtonUp);
    EXPECT_EQ(posted[1].x, 100);
    EXPECT_EQ(posted[1].y, 200);
    EXPECT_EQ(posted[2].key, VK_A + 2);
    EXPECT_EQ(posted[2].ch, 'c');
    EXPECT_EQ(posted[3].key, VK_A + 23);
    EXPECT_TRUE(posted[3].shift);
    EXPECT_EQ(posted[4].kind, MessageKind::Timer);
    EXPECT_EQ(posted[4].timerId, BLINK_TIMER);
    EXPECT_EQ(posted[5].command, ID_UNDO);
    EXPECT_EQ(posted[5].source, CommandSource::Menu);

    // The move list scrolls just enough to show a line.
    p.list.SetGeometry({600, 54, 920, 500});
    for (int i = 0; i < 20; ++i) p.list.AddLine("line");
    p.list.EnsureVisible(19);
    EXPECT_EQ(p.list.firstVisible, 4);
    EXPECT_EQ(p.list.LineRect(19), (Rect{600, 54 + 15 * 16, 920, 54 + 16 * 16}));
    p.list.DeleteLine(19);
    EXPECT_EQ(p.list.firstVisible, 3);
}

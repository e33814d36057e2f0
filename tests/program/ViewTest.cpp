// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "TestPlatform.h"
#include "core/board/Board.h"
#include "core/dice/Random.h"
#include "core/files/ColourScheme.h"
#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/game/BackgWnd.h"
#include "program/game/Commands.h"
#include "program/view/BarHuman.h"
#include "program/view/BearOffPosition.h"
#include "program/view/Locations.h"
#include "program/view/Metrics.h"
#include "program/view/PositionTop.h"
#include "program/view/ViewHost.h"

namespace {

constexpr Colour BLACK = RGB(0, 0, 0);
constexpr Colour YELLOW = RGB(255, 255, 0);

// A pixel surface that also records where piece images save their cells.
class RecordingSurface : public PixelSurface {
public:
    using PixelSurface::PixelSurface;
    std::vector<Point> savedAt;
    int shadows = 0;
    void FillEllipse(const Rect& r, Colour fill) override
    {
        shadows += fill == SHADOW_COLOUR;
        PixelSurface::FillEllipse(r, fill);
    }
    void SaveCell(Bitmap& into, int x, int y) override
    {
        savedAt.push_back({x, y});
        PixelSurface::SaveCell(into, x, y);
    }
};

// The main window as the locations see it, recording what they ask of it:
// a window of 939 x 626 with a client area of 933 x 577, the first colour
// scheme and the default settings.
class FakeHost : public ViewHost {
public:
    FakeHost() : screen(933, 577, DefaultSchemes[0][COLOUR_BACKGROUND])
    {
        metrics.SetMetrics(939, 626);
        metrics.ClientWidth = 933;
        metrics.ClientHeight = 577;
    }

    Metrics metrics;
    ColourSet colours = DefaultSchemes[0];
    Settings settings;
    int litTray = -1;
    RecordingSurface screen;
    TestTrayLabel trays[2];
    std::vector<std::string> log; // sounds and hits in order
    int delays = 0;
    int randoms = 0;
    bool undo = false;
    Random random{4711};

    Surface& Screen() override { return screen; }
    const Metrics& DisplayMetrics() const override { return metrics; }
    const ColourSet& SchemeColour() const override { return colours; }
    const Settings& Options() const override { return settings; }
    bool TrayHighlighted(int location) const override { return litTray == location; }
    TrayLabel& TrayControl(int location) override { return trays[location == COMPUTER_TRAY ? 0 : 1]; }
    void Delay() override { ++delays; }
    void PlayHitOrMove(int event) override { log.push_back("sound " + std::to_string(event)); }
    bool UndoInProgressNow() const override { return undo; }
    int NextRandom() override
    {
        ++randoms;
        return random.Next();
    }
    void CountHit() override { log.push_back("hit"); }
};

// Entries {location, owner, count}; bars and trays get their fixed owners.
BoardData Table(std::initializer_list<std::array<int, 3>> entries)
{
    BoardData table{};
    for (const auto& [location, owner, count] : entries) table[location] = {static_cast<std::int8_t>(count), owner};
    for (int i : {HUMAN_BAR, COMPUTER_BAR, COMPUTER_TRAY, HUMAN_TRAY})
        if (table[i].owner == NOBODY) table[i].owner = FixedOwner(i);
    return table;
}

// Boards of drawing locations over a host of their own.
class Locations : public ::testing::Test {
protected:
    void TearDown() override { board.reset(); }

    void Build(const BoardData& table)
    {
        board.reset();
        board = std::make_unique<Board>(DrawingLocations(host));
        board->BoardTable = table;
        board->CurrentPlayer = mover;
        board->BuildBoard(false);
    }
    Position& At(int i) { return (*board)[i]; }
    PositionTop& Top(int i) { return dynamic_cast<PositionTop&>((*board)[i]); }

    // The surface a board of this data shows when built afresh.
    std::uint64_t FreshChecksum(const BoardData& data)
    {
        FakeHost reference;
        reference.metrics = host.metrics;
        reference.settings = host.settings;
        std::uint64_t sum = 0;
        {
            Board fresh(DrawingLocations(reference));
            fresh.BoardTable = data;
            fresh.BuildBoard(false);
            sum = reference.screen.Checksum();
        }
        return sum;
    }

    // The data the plain move gives for the same position and mover.
    BoardData PlainResult(const BoardData& table, int from, int to)
    {
        Board plain;
        plain.BoardTable = table;
        plain.CurrentPlayer = mover;
        plain.BuildBoard(false);
        plain[from].PlainMoveTo(to);
        return plain.Data();
    }

    FakeHost host;
    std::unique_ptr<Board> board;
    // The side to move on the boards the test builds.
    int mover = NOBODY;
};

TEST(ViewMetrics, WindowSizeAndMetricsFromTheScreen)
{
    int w = 0, h = 0;
    WindowSizeFor(1280, 994, w, h);
    Metrics m;
    m.SetMetrics(w, h);
    EXPECT_EQ((std::array<int, 6>{w, h, m.Unit, m.PieceSize, m.ShadowOffset, m.PieceCell}),
              (std::array<int, 6>{939, 626, 27, 31, 6, 37}));
    // Up to 800 wide: 20 pixels narrower than the screen; up to 1024: 800
    // wide; wider screens: at least 600 high.
    WindowSizeFor(800, 570, w, h);
    EXPECT_EQ((std::array<int, 2>{w, h}), (std::array<int, 2>{780, 570}));
    WindowSizeFor(1024, 740, w, h);
    EXPECT_EQ((std::array<int, 2>{w, h}), (std::array<int, 2>{800, 740}));
    WindowSizeFor(1400, 700, w, h);
    EXPECT_EQ((std::array<int, 2>{w, h}), (std::array<int, 2>{900, 600}));
}

TEST_F(Locations, GeometryFollowsThePlayingDirection)
{
    const int s = 27, d = 31, col = 939 / 17, base = 626 - 5 * s;
    Build(StandardSetup());
    // Counter-clockwise: point 1 at the right end of the top row, point 12 at the left.
    EXPECT_EQ(At(1).rect, (Rect{col * 11 + 3 * s, 2 * s, col * 11 + 5 * s, 2 * s + 5 * d + d / 2}));
    EXPECT_EQ(At(12).x, 0);
    EXPECT_EQ(At(6).x, col * 6 + 3 * s);
    EXPECT_EQ(At(7).x, col * 5);
    EXPECT_EQ(At(13).rect, (Rect{0, base - 5 * d - d / 2, 2 * s, base}));
    EXPECT_EQ(At(24).x, At(1).x);
    const int barX = (col * 11 + 3 * s) / 2;
    EXPECT_EQ(At(HUMAN_BAR).rect, (Rect{barX, 2 * s, barX + 2 * s, base}));
    EXPECT_EQ(At(HUMAN_BAR).y, 3 * s);
    EXPECT_EQ(At(COMPUTER_BAR).rect, (Rect{barX, base - 9 * s, barX + 2 * s, base}));
    EXPECT_EQ(At(COMPUTER_BAR).y, base - s);
    EXPECT_EQ(At(COMPUTER_TRAY).rect, (Rect{At(1).x, 577 / 2 - s - s / 2, At(1).x + s, 577 / 2 - s / 2}));
    EXPECT_EQ(At(HUMAN_TRAY).y, 577 / 2 - s / 2);
    EXPECT_EQ(host.trays[1].geometry, At(HUMAN_TRAY).rect);
    EXPECT_FALSE(host.trays[1].alignLeft);

    // Odd and even points, the bar with its frame, a bottom point's base line.
    EXPECT_EQ(host.screen.Pixel(At(3).x + s, 2 * s + 10), host.colours[COLOUR_POSITION_A]);
    EXPECT_EQ(host.screen.Pixel(At(2).x + s, 2 * s + 10), host.colours[COLOUR_POSITION_B]);
    EXPECT_EQ(host.screen.Pixel(At(3).x + 2, 2 * s + 5 * d), host.colours[COLOUR_BACKGROUND]);
    EXPECT_EQ(host.screen.Pixel(barX + s, 300), host.colours[COLOUR_BAR]);
    EXPECT_EQ(host.screen.Pixel(barX, 300), RGB(255, 255, 255));
    EXPECT_EQ(host.screen.Pixel(barX + 2 * s - 1, 300), BLACK);
    EXPECT_EQ(host.screen.Pixel(At(14).x + 5, base), BLACK);
    // Letters above the top row and below the bottom row; the highlight is yellow and kept by a repaint.
    auto letter = [this](const std::string& text) {
        for (auto t = host.screen.texts.rbegin(); t != host.screen.texts.rend(); ++t)
            if (t->text == text) return *t;
        return TextCall{};
    };
    EXPECT_EQ(letter("A").x, At(1).x + 19);
    EXPECT_EQ(letter("A").y, s);
    EXPECT_EQ(letter("M").y, base + s / 2);
    Top(5).DrawLetter(1);
    Top(5).Layout();
    EXPECT_EQ(letter("E").colour, YELLOW);
    Top(5).DrawLetter(0);
    EXPECT_EQ(letter("E").colour, BLACK);

    // Clockwise: point 1 at the left end, point 12 at the right, the trays at the left edge.
    host.settings.ClockWise = 1;
    Build(StandardSetup());
    EXPECT_EQ((std::array<int, 5>{At(1).x, At(6).x, At(7).x, At(12).x, At(24).x}),
              (std::array<int, 5>{0, col * 5, col * 6 + 3 * s, col * 11 + 3 * s, 0}));
    EXPECT_EQ(At(HUMAN_BAR).x, barX);
    EXPECT_EQ(At(COMPUTER_TRAY).x, s / 2);
    EXPECT_TRUE(host.trays[0].alignLeft);
}

TEST_F(Locations, StacksAndHitTests)
{
    Build(Table({{3, HUMAN, 7}, {20, COMPUTER, 7}, {HUMAN_BAR, HUMAN, 1}, {COMPUTER_BAR, COMPUTER, 1}}));
    for (int k = 1; k <= 7; ++k) {
        const int place = k < 5 ? k : 5;
        EXPECT_EQ(Top(3).pieces[k]->y, At(3).y + (place - 1) * 31) << k;
        EXPECT_EQ(Top(3).pieces[k]->x, At(3).x + 12);
        EXPECT_EQ(Top(20).pieces[k]->y, At(20).y - place * 31) << k;
    }
    EXPECT_EQ(Top(HUMAN_BAR).pieces[1]->y, 3 * 27);
    EXPECT_EQ(Top(COMPUTER_BAR).pieces[1]->y, 626 - 6 * 27 - 31);
    EXPECT_EQ(Top(3).pieces[0], nullptr);

    // Only the upper part of the strip is the human's bar.
    const Rect strip = At(HUMAN_BAR).rect;
    EXPECT_TRUE(At(HUMAN_BAR).HitTest(strip.left, strip.bottom / 2 - 1));
    EXPECT_FALSE(At(HUMAN_BAR).HitTest(strip.left, strip.bottom / 2));
    EXPECT_FALSE(At(HUMAN_BAR).HitTest(strip.right, strip.top));
    EXPECT_TRUE(At(COMPUTER_BAR).HitTest(strip.left, strip.bottom - 1));
}

TEST_F(Locations, SixthPieceOnWritesItsNumberOnTheFifthDisc)
{
    Build(StandardSetup());
    mover = board->CurrentPlayer = COMPUTER;
    PositionTop& point = Top(6); // five pieces of the computer
    const std::uint64_t fivePieces = host.screen.Checksum();
    const int ellipses = host.screen.ellipses;
    const int fifthY = point.PieceY(5), discX = point.x + 12;
    point.AddPiece();
    const std::uint64_t sixPieces = host.screen.Checksum();
    EXPECT_NE(sixPieces, fivePieces);
    point.AddPiece();
    EXPECT_EQ(host.screen.ellipses, ellipses); // no disc for the sixth and seventh
    const TextCall seven = host.screen.texts.back();
    EXPECT_EQ(seven.text, "7");
    EXPECT_EQ(seven.x, discX + 15 - host.screen.TextWidth("7") / 2);
    EXPECT_EQ(seven.y, fifthY + 6 + 1);
    EXPECT_EQ(seven.background, host.colours[COLOUR_COMPUTER]);
    EXPECT_TRUE(seven.opaque);
    EXPECT_EQ(host.screen.Pixel(discX + 15, fifthY + 2), host.colours[COLOUR_COMPUTER]);
    EXPECT_NE(host.screen.Pixel(discX + 15, fifthY + 41), host.colours[COLOUR_COMPUTER]);
    // Taking the seventh off shows the 6 again, taking the sixth off five plain discs.
    point.RemovePiece();
    EXPECT_EQ(host.screen.Checksum(), sixPieces);
    point.RemovePiece();
    EXPECT_EQ(host.screen.Checksum(), fivePieces);
    EXPECT_EQ(point.pieces[6], nullptr);
}

// Every move ends in the data change of the plain move, and the board looks
// exactly as if it had been built afresh in the new position: the frames
// restore what lay under the piece.
TEST_F(Locations, DataAndPictureAfterEveryKindOfMove)
{
    struct Case {
        const char* name;
        BoardData table;
        int player, from, to, hits;
    };
    const BoardData standard = WithFixedOwners(StandardSetup());
    const std::vector<Case> cases = {
        {"plain", standard, HUMAN, 1, 4, 0},
        {"onto own stack", standard, COMPUTER, 13, 8, 0},
        {"human hits", Table({{1, HUMAN, 2}, {3, COMPUTER, 1}, {13, COMPUTER, 5}}), HUMAN, 1, 3, 1},
        {"computer hits", Table({{10, HUMAN, 1}, {13, COMPUTER, 5}, {1, HUMAN, 2}}), COMPUTER, 13, 10, 1},
        {"enters and hits", Table({{HUMAN_BAR, HUMAN, 1}, {3, COMPUTER, 1}, {12, HUMAN, 2}}), HUMAN, 0, 3, 1},
        {"computer enters", Table({{COMPUTER_BAR, COMPUTER, 2}, {1, HUMAN, 2}}), COMPUTER, 25, 22, 0},
        {"bears off from the corner", Table({{24, HUMAN, 3}, {5, COMPUTER, 2}}), HUMAN, 24, 27, 0},
        {"bears off", Table({{20, HUMAN, 3}, {5, COMPUTER, 2}}), HUMAN, 20, 27, 0},
        {"computer bears off", Table({{5, COMPUTER, 7}, {20, HUMAN, 2}}), COMPUTER, 5, 26, 0},
        {"number piece leaves", Table({{9, HUMAN, 8}, {16, COMPUTER, 1}}), HUMAN, 9, 16, 1},
        {"bar piece lifted in place", Table({{HUMAN_BAR, HUMAN, 2}, {12, HUMAN, 13}}), HUMAN, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.log.clear();
        mover = c.player;
        Build(c.table);
        At(c.from).MoveTo(c.to);
        EXPECT_EQ(board->Data(), PlainResult(c.table, c.from, c.to));
        EXPECT_EQ(host.screen.Checksum(), FreshChecksum(board->Data()));
        EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "hit"), c.hits);
        EXPECT_EQ(host.log.back(), "sound 1");
    }

    // There and back leaves every pixel as it was, and a repaint changes nothing.
    mover = HUMAN;
    Build(standard);
    const std::uint64_t before = host.screen.Checksum();
    At(1).MoveTo(4);
    At(4).MoveTo(1);
    EXPECT_EQ(board->Data(), standard);
    EXPECT_EQ(host.screen.Checksum(), before);
    for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) {
        Top(i).Layout();
        Top(i).DrawPieces();
    }
    EXPECT_EQ(host.screen.Checksum(), before);
}

TEST_F(Locations, HitCountsOnceSoundsAndShakes)
{
    const BoardData table = Table({{1, HUMAN, 2}, {3, COMPUTER, 1}, {13, COMPUTER, 5}});
    mover = HUMAN;
    Build(table);
    host.screen.shadows = 0;
    At(1).MoveTo(3);
    // Counted once; the hit piece's sound comes before its move sound, the
    // hitting piece's move sound last.
    EXPECT_EQ(host.log, (std::vector<std::string>{"hit", "sound 2", "sound 1", "sound 1"}));
    EXPECT_EQ(At(COMPUTER_BAR).count, 1);
    const int withShake = host.screen.shadows;
    EXPECT_GT(host.randoms, 0);

    // Without the shake: no random walk and five drawings with shadow fewer.
    // The hitting piece is drawn raised (with shadow) while it lifts and when it arrives.
    host.settings.HitShake = 0;
    host.randoms = 0;
    Build(table);
    host.screen.shadows = 0;
    At(1).MoveTo(3);
    EXPECT_EQ(host.randoms, 0);
    EXPECT_GE(host.screen.shadows, 4);
    EXPECT_EQ(withShake, host.screen.shadows + 5);

    // Taking a move back onto the bar neither sounds a hit nor shakes.
    host.settings.HitShake = 1;
    host.log.clear();
    host.undo = true;
    Build(Table({{3, HUMAN, 1}, {12, HUMAN, 14}}));
    At(3).MoveTo(HUMAN_BAR);
    EXPECT_EQ(host.log, (std::vector<std::string>{"sound 1"}));
    EXPECT_EQ(host.randoms, 0);
}

TEST_F(Locations, SameColumnMoveHasNoTravel)
{
    mover = HUMAN;
    for (int target : {18, 10}) {
        Build(Table({{7, HUMAN, 1}, {19, COMPUTER, 3}}));
        const int column = At(7).x + 12;
        host.screen.savedAt.clear();
        At(7).MoveTo(target);
        const bool travelled = std::any_of(host.screen.savedAt.begin(), host.screen.savedAt.end(),
                                           [column](const Point& p) { return p.x != column; });
        EXPECT_EQ(travelled, target != 18) << target;
        EXPECT_GT(host.screen.savedAt.size(), 2u);
    }
}

TEST_F(Locations, TrayLabelShowsTheCount)
{
    mover = HUMAN;
    Build(Table({{24, HUMAN, 2}, {1, COMPUTER, 15}, {HUMAN_TRAY, HUMAN, 13}}));
    EXPECT_EQ(host.trays[1].text, "13");
    At(24).MoveTo(HUMAN_TRAY);
    EXPECT_EQ(host.trays[1].text, "14");
    At(HUMAN_TRAY).RemovePiece();
    EXPECT_EQ(host.trays[1].text, "13");
    EXPECT_EQ(host.trays[0].text, "0");
}

// A window too small for the animation's steps, or of no size at all, still
// ends every move with the right data.
TEST_F(Locations, DegenerateGeometryEndsEveryMove)
{
    const BoardData table = Table({{1, HUMAN, 2}, {3, COMPUTER, 1}, {13, COMPUTER, 14}});
    for (auto [w, h] : {std::array<int, 2>{60, 50}, std::array<int, 2>{0, 0}}) {
        host.metrics.SetMetrics(w, h);
        host.metrics.ClientWidth = host.metrics.ClientHeight = 0;
        mover = HUMAN;
        Build(table);
        At(1).MoveTo(3);
        EXPECT_EQ(board->Data(), PlainResult(table, 1, 3));
    }
}

// ---------------------------------------------------------------------------
// The main window's side

class WindowView : public ::testing::Test {
protected:
    WindowView()
    {
        std::filesystem::create_directories(dir);
        wnd = std::make_unique<BackgWnd>(platform, AppPaths(dir.string()), settings);
        platform.onPaint = [this] { wnd->OnPaint(); };
    }
    ~WindowView() override
    {
        wnd.reset();
        std::filesystem::remove_all(dir);
    }
    int X(int n) { return wnd->Game().board[n].x; }
    int Y(int n) { return wnd->Game().board[n].y; }
    const Metrics& Sizes() const { return wnd->View().DisplayMetrics(); }
    ColourSet& SchemeColour() { return wnd->View().Colours(); }
    GameState& Game() { return wnd->Game(); }

    Settings settings;
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tablor-view-" + std::to_string(std::random_device{}()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TestPlatform platform;
    std::unique_ptr<BackgWnd> wnd;
};

TEST_F(WindowView, SizePanelAndBanner)
{
    EXPECT_EQ(
        (std::array<int, 4>{platform.windowWidth, platform.windowHeight, Sizes().ClientWidth, Sizes().ClientHeight}),
        (std::array<int, 4>{939, 626, 939 - TestPlatform::FRAME_WIDTH, 626 - TestPlatform::FRAME_HEIGHT}));
    EXPECT_TRUE(platform.movedToCorner);
    // Later size messages leave the window where it is; a minimised window is left alone.
    platform.movedToCorner = false;
    wnd->OnSize();
    EXPECT_FALSE(platform.movedToCorner);
    const int calls = platform.windowSizeCalls;
    platform.minimized = true;
    wnd->OnSize();
    EXPECT_EQ(platform.windowSizeCalls, calls);

    EXPECT_EQ((std::array<int, 2>{platform.status.widths[0], platform.status.widths[1]}),
              (std::array<int, 2>{X(20), X(24) - X(20)}));
    const int icon = platform.IconSize();
    EXPECT_EQ(platform.dice[4].geometry, (Rect{X(5), Y(27), X(5) + icon, Y(27) + icon}));
    EXPECT_EQ(platform.dice[7].geometry.left, X(5) + 3 * (icon * 6 / 5));
    EXPECT_EQ(platform.dice[0].geometry.left, X(10));
    EXPECT_EQ(platform.list.geometry, (Rect{X(1) + 67, Y(1), Sizes().ClientWidth - 6, Y(24)}));
    EXPECT_TRUE(platform.list.visible && platform.shown);
    EXPECT_EQ(platform.background, SchemeColour()[COLOUR_BACKGROUND]);

    // The cube beside the computer's tray, two units lower when the human owns it, higher for the computer.
    for (auto [owner, top] : {std::array<int, 2>{0, 0}, {HUMAN, 54}, {COMPUTER, -54}}) {
        wnd->Game().CubeOwner = owner;
        wnd->Panel().PlaceCube();
        EXPECT_EQ(platform.cube.geometry, (Rect{X(26) + 6, Y(27) + top, X(26) + 46, Y(27) + top + 40}));
    }
    EXPECT_EQ(&wnd->View().TrayControl(COMPUTER_TRAY), &platform.trays[0]);
    EXPECT_EQ(&wnd->View().TrayControl(HUMAN_TRAY), &platform.trays[1]);

    EXPECT_EQ(platform.caption, ApplicationTitle());
    EXPECT_EQ(
        std::vector<std::string>(platform.list.lines.begin(), platform.list.lines.begin() + 5),
        (std::vector<std::string>{ApplicationTitle(), BannerLine(0),
                                  BannerLine(1) + BannerSuffix(0) + BannerSuffix(1) + "2026", BannerLine(2), " "}));
}

TEST_F(WindowView, DiceOnTheSideOfThePlayer)
{
    wnd->Game().dice->moves = 2;
    wnd->Game().dice->die = {3, 5, 255, 255};
    wnd->Game().board.CurrentPlayer = HUMAN;
    auto shown = [this] {
        wnd->Panel().HideDice();
        wnd->Panel().ShowDice();
        std::string faces;
        for (const TestDicePicture& die : platform.dice) faces += die.visible ? char('0' + die.face) : '-';
        return faces;
    };
    wnd->Game().OpeningTurn = false;
    EXPECT_EQ(shown(), "----35--");
    // An opening turn decided by the roll: one die on each side, unless the
    // first game's starter is fixed by the settings.
    wnd->Game().OpeningTurn = true;
    settings.FirstMoveBy = 0;
    EXPECT_EQ(shown(), "3----5--");
    settings.FirstMoveBy = 2;
    wnd->Game().FirstGame = true;
    EXPECT_EQ(shown(), "----35--");
    settings.DiceAsIcons = 0;
    EXPECT_EQ(shown(), "--------");
}

TEST_F(WindowView, ProgressBarSharesThePips)
{
    settings.ShowProgress = 1;
    // The computer 60 pips, the human 240: the human's colour takes a fifth.
    const BoardData data = Table({{4, COMPUTER, 15}, {5, HUMAN, 12}});
    wnd->Game().board.SetData(data);
    wnd->Panel().DrawProgressBar();
    const Rect pane = platform.status.PaneRect(1);
    const int w = pane.right - pane.left;
    EXPECT_TRUE(platform.status.progressShown);
    EXPECT_EQ(platform.status.progressFirst,
              (Rect{pane.right - 240 * w / 300, pane.top + 1, pane.right, pane.bottom - 1}));
    EXPECT_EQ(platform.status.progressFirstColour, SchemeColour()[COLOUR_COMPUTER]);
    EXPECT_EQ(platform.status.progressSecond, (Rect{pane.left, pane.top + 1, pane.left + w / 5, pane.bottom - 1}));
    EXPECT_EQ(platform.status.progressSecondColour, SchemeColour()[COLOUR_HUMAN]);
    // No pips at all, or the bar switched off: only erased.
    wnd->Game().board.SetData(BoardData{});
    const int draws = platform.status.progressDraws;
    wnd->Panel().DrawProgressBar();
    EXPECT_EQ(platform.status.progressDraws, draws);
    EXPECT_FALSE(platform.status.progressShown);
    wnd->Game().board.SetData(data);
    settings.ShowProgress = 0;
    wnd->Panel().DrawProgressBar();
    EXPECT_EQ(platform.status.progressDraws, draws);
}

TEST_F(WindowView, CursorBlinksOnlyForTheHumanInTheActiveWindow)
{
    wnd->Game().board.CurrentPlayer = HUMAN;
    const int last = platform.list.LineCount() - 1;
    const Rect line = platform.list.LineRect(last);
    const std::size_t texts = platform.screen.texts.size();
    ASSERT_FALSE(wnd->Panel().BlinkShown());
    wnd->Panel().OnTimer(BLINK_TIMER);
    ASSERT_EQ(platform.screen.texts.size(), texts + 1);
    const TextCall underscore = platform.screen.texts.back();
    EXPECT_EQ(underscore.text, "_");
    EXPECT_EQ(underscore.x, line.left + platform.list.TextWidth(platform.list.LineText(last).substr(0, 23)) + 6);
    EXPECT_EQ(underscore.y, line.top);
    EXPECT_TRUE(underscore.opaque);
    wnd->Panel().OnTimer(BLINK_TIMER);
    EXPECT_EQ(platform.screen.texts.back().text, "   ");

    platform.active = ActiveWindow::Other;
    wnd->Panel().OnTimer(BLINK_TIMER);
    platform.active = ActiveWindow::Main;
    Game().AutoPlay = true;
    wnd->Panel().OnTimer(BLINK_TIMER);
    Game().AutoPlay = false;
    wnd->Game().board.CurrentPlayer = COMPUTER;
    wnd->Panel().OnTimer(BLINK_TIMER);
    EXPECT_EQ(platform.screen.texts.size(), texts + 2);
}

TEST_F(WindowView, NewColoursRedrawThePiecesOnly)
{
    const BoardData data = wnd->Game().board.Data();
    SchemeColour() = DefaultSchemes[2];
    wnd->View().RefreshColours();
    EXPECT_EQ(wnd->Game().board.Data(), data);
    EXPECT_EQ(platform.background, SchemeColour()[COLOUR_BACKGROUND]);
    EXPECT_EQ(platform.list.background, SchemeColour()[COLOUR_BACKGROUND]);
    EXPECT_TRUE(platform.invalidatePending);
    // Point 1 holds two of the human's pieces, now in the new colour, also after the repaint.
    const PieceImage& piece = *dynamic_cast<PositionTop&>(wnd->Game().board[1]).pieces[1];
    EXPECT_EQ(platform.screen.Pixel(piece.x + 15, piece.y + 15), SchemeColour()[COLOUR_HUMAN]);
    platform.PaintPending();
    EXPECT_EQ(platform.screen.Pixel(piece.x + 15, piece.y + 15), SchemeColour()[COLOUR_HUMAN]);
}

TEST_F(WindowView, WaitsHitsAndSoundsUnlessFinishingQuick)
{
    settings.Speed = 12;
    settings.SoundActive[SOUND_MOVE] = 1;
    platform.sleeps.clear();
    platform.sounds.clear();
    wnd->View().Delay();
    wnd->View().PlayHitOrMove(SOUND_MOVE);
    Game().AutoPlay = Game().FastFinish = true;
    wnd->View().Delay();
    wnd->View().PlayHitOrMove(SOUND_MOVE);
    EXPECT_EQ(platform.sleeps, (std::vector<int>{12}));
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_TRUE(platform.sounds[0].async);

    wnd->Game().board.CurrentPlayer = COMPUTER;
    Game().HitsMade = {0, 0, 0};
    wnd->View().CountHit();
    EXPECT_EQ(Game().HitsMade, (std::array<int, 3>{0, 1, 0}));
}

} // namespace

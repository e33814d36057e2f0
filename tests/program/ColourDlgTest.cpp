// SPDX-License-Identifier: GPL-3.0-or-later
// The colours dialog over a running game: the scheme file, the live preview
// on the board, OK and Cancel.
#include "GameFixture.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "core/files/SchemeFile.h"
#include "core/settings/Profile.h"
#include "program/dialogs/BackgClr.h"

namespace {

constexpr Colour BLACK = RGB(0, 0, 0);

std::uintmax_t FileSize(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// The bytes of a scheme file holding these schemes, cut to `length` bytes.
std::string SchemeBytes(const SchemeArray& schemes, std::size_t length)
{
    std::string bytes;
    for (const ColourSet& set : schemes)
        for (Colour c : set) bytes += {char(RedOf(c)), char(GreenOf(c)), char(BlueOf(c)), '\0'};
    return bytes.substr(0, length);
}

} // namespace

class ColourDlgTest : public GameTest {
protected:
    std::string SchemePath() const { return PathOf("tablorw32.clr"); }
    int IniCurScheme() const { return Profile(PathOf("tablorw.ini")).GetInt("Options", "CurScheme", -1); }

    // Ends the window and starts the program again over the same folder; the
    // settings file is kept unless `options` replaces it.
    void Restart(const std::optional<std::string>& options = std::nullopt)
    {
        window.reset();
        platform.post = nullptr;
        platform.onPaint = nullptr;
        settings = Settings{};
        if (options) {
            Start(*options);
            return;
        }
        window = std::make_unique<BackgWnd>(platform, AppPaths(dir.string()), settings);
        platform.post = [this](const Message& m) { window->Post(m); };
        platform.onPaint = [this] { window->OnPaint(); };
        Pump();
    }

    // Runs the dialog with `script`, which closes it as the view does.
    void RunDialog(std::function<int(BackgClr&)> script)
    {
        platform.OnColourDlg(std::move(script));
        Menu(ID_COLOURS);
    }
};

TEST_F(ColourDlgTest, WithoutASchemeFileTheDefaultsAreShownAndOkCreatesTheFile)
{
    Start();
    ASSERT_FALSE(std::filesystem::exists(SchemePath()));
    RunDialog([&](BackgClr& d) {
        EXPECT_EQ(d.schemes, DefaultSchemes);
        EXPECT_EQ(d.ListEntries(), (std::vector<std::string>{"Scheme A", "Scheme B", "Scheme C", "Scheme D"}));
        EXPECT_EQ(d.shownScheme, 0);
        EXPECT_FALSE(d.DefaultEnabled());
        d.SelectScheme(2);
        // Shown on the board at once.
        EXPECT_EQ(SchemeColour(), DefaultSchemes[2]);
        EXPECT_EQ(platform.background, DefaultSchemes[2][COLOUR_BACKGROUND]);
        EXPECT_EQ(platform.list.background, DefaultSchemes[2][COLOUR_BACKGROUND]);
        d.Ok();
        return static_cast<int>(IDOK);
    });
    EXPECT_EQ(settings.CurScheme, 2);
    EXPECT_EQ(IniCurScheme(), 2);
    EXPECT_EQ(FileSize(SchemePath()), 96u);
    EXPECT_EQ(ReadSchemes(SchemePath()), DefaultSchemes);

    // The next start uses scheme C.
    Restart();
    EXPECT_EQ(settings.CurScheme, 2);
    EXPECT_EQ(SchemeColour(), DefaultSchemes[2]);
    EXPECT_EQ(platform.background, DefaultSchemes[2][COLOUR_BACKGROUND]);
}

TEST_F(ColourDlgTest, ShortAndEditedFilesFillMissingRecordsWithDefaults)
{
    SchemeArray edited = DefaultSchemes;
    edited[0] = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12), RGB(13, 14, 15), RGB(16, 17, 18)};
    edited[1][COLOUR_BAR] = RGB(99, 98, 97);
    // Scheme A whole, scheme B cut one byte short, nothing of C and D.
    WriteFile("tablorw32.clr", SchemeBytes(edited, 47));
    Start("CurScheme=1");
    // Start-up takes scheme B's default, its record being short.
    EXPECT_EQ(SchemeColour(), DefaultSchemes[1]);
    RunDialog([&](BackgClr& d) {
        EXPECT_EQ(d.schemes[0], edited[0]);
        EXPECT_EQ(d.schemes[1], DefaultSchemes[1]);
        EXPECT_EQ(d.schemes[2], DefaultSchemes[2]);
        EXPECT_EQ(d.schemes[3], DefaultSchemes[3]);
        EXPECT_EQ(d.shownScheme, 1);
        d.SelectScheme(0);
        EXPECT_TRUE(d.DefaultEnabled());
        EXPECT_EQ(SchemeColour(), edited[0]);
        d.Cancel();
        return static_cast<int>(IDCANCEL);
    });
    EXPECT_EQ(SchemeColour(), DefaultSchemes[1]);
    // Cancel leaves the short file and the settings as they were.
    EXPECT_EQ(FileSize(SchemePath()), 47u);
    EXPECT_EQ(settings.CurScheme, 1);
    EXPECT_EQ(IniCurScheme(), 1);

    // A whole file: start-up reads the current record as stored.
    edited[3][COLOUR_HUMAN] = RGB(1, 1, 1);
    WriteFile("tablorw32.clr", SchemeBytes(edited, 96));
    Restart("CurScheme=3");
    EXPECT_EQ(SchemeColour(), edited[3]);
}

TEST_F(ColourDlgTest, LabelsChooseTheirTextColourAndDefaultFollowsChanges)
{
    Start();
    RunDialog([&](BackgClr& d) {
        EXPECT_EQ(BackgClr::ColourIndexOf(1024), COLOUR_BAR);
        EXPECT_EQ(BackgClr::ColourIndexOf(1019), COLOUR_POSITION_B);
        EXPECT_EQ(BackgClr::ColourIndexOf(1016), -1);
        const LabelPaint first = d.LabelColours(COLOUR_BACKGROUND);
        EXPECT_EQ(first.background, DefaultSchemes[0][COLOUR_BACKGROUND]);
        EXPECT_FALSE(first.whiteText);

        // The chooser opens on the label's colour; its choice is shown at once.
        platform.ExpectChooseColour(DefaultSchemes[0][COLOUR_BACKGROUND], BLACK);
        EXPECT_TRUE(d.ChooseColour(COLOUR_BACKGROUND));
        EXPECT_EQ(d.LabelColours(COLOUR_BACKGROUND).background, BLACK);
        EXPECT_TRUE(d.LabelColours(COLOUR_BACKGROUND).whiteText);
        EXPECT_EQ(platform.background, BLACK);
        EXPECT_TRUE(d.DefaultEnabled());

        platform.ExpectChooseColour(BLACK, RGB(100, 100, 56));
        d.ChooseColour(COLOUR_BACKGROUND);
        EXPECT_TRUE(d.LabelColours(COLOUR_BACKGROUND).whiteText);
        platform.ExpectChooseColour(RGB(100, 100, 56), RGB(100, 100, 57));
        d.ChooseColour(COLOUR_BACKGROUND);
        EXPECT_FALSE(d.LabelColours(COLOUR_BACKGROUND).whiteText);

        // Cancel in the chooser changes nothing.
        platform.ExpectChooseColour(DefaultSchemes[0][COLOUR_HUMAN], std::nullopt);
        EXPECT_FALSE(d.ChooseColour(COLOUR_HUMAN));
        EXPECT_EQ(d.schemes[0][COLOUR_HUMAN], DefaultSchemes[0][COLOUR_HUMAN]);

        // Another scheme is untouched, so its "&Default" is off.
        d.SelectScheme(3);
        EXPECT_FALSE(d.DefaultEnabled());
        d.SelectScheme(0);
        EXPECT_TRUE(d.DefaultEnabled());
        d.Default();
        EXPECT_FALSE(d.DefaultEnabled());
        EXPECT_EQ(d.schemes[0], DefaultSchemes[0]);
        EXPECT_EQ(SchemeColour(), DefaultSchemes[0]);
        EXPECT_EQ(platform.background, DefaultSchemes[0][COLOUR_BACKGROUND]);
        d.Cancel();
        return static_cast<int>(IDCANCEL);
    });
    EXPECT_FALSE(std::filesystem::exists(SchemePath()));
}

TEST_F(ColourDlgTest, OkKeepsEditsOfSchemesOtherThanTheChosenOne)
{
    Start();
    const Colour edit = RGB(12, 34, 56);
    RunDialog([&](BackgClr& d) {
        d.SelectScheme(1);
        platform.ExpectChooseColour(DefaultSchemes[1][COLOUR_POSITION_A], edit);
        d.ChooseColour(COLOUR_POSITION_A);
        d.SelectScheme(3);
        d.Ok();
        return static_cast<int>(IDOK);
    });
    SchemeArray expected = DefaultSchemes;
    expected[1][COLOUR_POSITION_A] = edit;
    EXPECT_EQ(ReadSchemes(SchemePath()), expected);
    EXPECT_EQ(settings.CurScheme, 3);
    EXPECT_EQ(IniCurScheme(), 3);
    EXPECT_EQ(SchemeColour(), DefaultSchemes[3]);

    // The edit is there at the next opening.
    RunDialog([&](BackgClr& d) {
        EXPECT_EQ(d.shownScheme, 3);
        EXPECT_EQ(d.schemes[1][COLOUR_POSITION_A], edit);
        d.Cancel();
        return static_cast<int>(IDCANCEL);
    });
}

TEST_F(ColourDlgTest, CancelRestoresTheColoursInForceBeforeTheDialog)
{
    WriteFile("tablorw32.clr", SchemeBytes(DefaultSchemes, 96));
    Start("CurScheme=1");
    ASSERT_EQ(settings.CurScheme, 1);
    // Colours that belong to no scheme of the file.
    const ColourSet before{RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5), RGB(6, 6, 6)};
    SchemeColour() = before;
    window->View().RefreshColours();
    Pump();
    RunDialog([&](BackgClr& d) {
        EXPECT_EQ(d.savedColours, before);
        // Opening the dialog changes no colour.
        EXPECT_EQ(SchemeColour(), before);
        d.SelectScheme(2);
        platform.ExpectChooseColour(DefaultSchemes[2][COLOUR_BAR], RGB(200, 0, 0));
        d.ChooseColour(COLOUR_BAR);
        EXPECT_EQ(SchemeColour()[COLOUR_BAR], RGB(200, 0, 0));
        d.SelectScheme(0);
        d.Default();
        EXPECT_EQ(SchemeColour(), DefaultSchemes[0]);
        d.Cancel();
        return static_cast<int>(IDCANCEL);
    });
    EXPECT_EQ(SchemeColour(), before);
    EXPECT_EQ(platform.background, before[COLOUR_BACKGROUND]);
    EXPECT_EQ(settings.CurScheme, 1);
    EXPECT_EQ(IniCurScheme(), 1);
    EXPECT_EQ(ReadSchemes(SchemePath()), DefaultSchemes);
}

TEST_F(ColourDlgTest, ColoursChangedMidTurnKeepThePosition)
{
    StartWithRolls("31 62 55 44");
    ASSERT_TRUE(HumanToMove());
    Type("A");
    Type("D");
    ASSERT_EQ(window->Game().MovesMade, 1);
    const BoardData position = Data();
    const BoardData turnStart = BoardTable();
    const int movesLeft = Dice().moves;
    const auto dieLeft = Dice().die;
    const Colour human = DefaultSchemes[2][COLOUR_HUMAN];
    const Rect point = window->Game().board[4].rect;
    ASSERT_EQ(platform.screen.CountColour(point, human), 0);

    RunDialog([&](BackgClr& d) {
        d.SelectScheme(2);
        d.Ok();
        return static_cast<int>(IDOK);
    });
    EXPECT_EQ(Data(), position);
    EXPECT_EQ(BoardTable(), turnStart);
    EXPECT_EQ(window->Game().MovesMade, 1);
    EXPECT_EQ(Dice().moves, movesLeft);
    EXPECT_EQ(Dice().die, dieLeft);
    // The human's piece on point 4 is drawn in scheme C's colour.
    EXPECT_GT(platform.screen.CountColour(point, human), 0);

    // The turn goes on: the piece can still be taken back and played again.
    RightClickAt(1, 1);
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(Data(), WithFixedOwners(turnStart));
}

// The pieces on the bars take the new colours too, as those on the points do.
TEST_F(ColourDlgTest, PiecesOnTheBarsTakeTheNewColours)
{
    StartWithRolls("31 62");
    Load(MakePosition({{0, HUMAN, 1}, {12, HUMAN, 2}, {25, COMPUTER, 2}, {13, COMPUTER, 13}}));
    const Rect strip = LiveBoard()[HUMAN_BAR].rect;
    const Rect computerBar = LiveBoard()[COMPUTER_BAR].rect;
    const Colour oldComputer = DefaultSchemes[0][COLOUR_COMPUTER];
    const Colour computer = DefaultSchemes[3][COLOUR_COMPUTER];
    const Colour human = DefaultSchemes[2][COLOUR_HUMAN];
    ASSERT_GT(platform.screen.CountColour(computerBar, oldComputer), 0);

    RunDialog([](BackgClr& d) {
        d.SelectScheme(3);
        d.Ok();
        return static_cast<int>(IDOK);
    });
    EXPECT_EQ(platform.screen.CountColour(strip, oldComputer), 0);
    EXPECT_GT(platform.screen.CountColour(computerBar, computer), 0);
    RunDialog([](BackgClr& d) {
        d.SelectScheme(2);
        d.Ok();
        return static_cast<int>(IDOK);
    });
    EXPECT_GT(platform.screen.CountColour(strip, human), 0);
    EXPECT_EQ(Data()[HUMAN_BAR].count, 1);
    EXPECT_EQ(Data()[COMPUTER_BAR].count, 2);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The game under hard conditions: a folder it may not write to, a settings
// file full of junk, a rolls file that goes away between rolls, sound files
// that are no wave files, and screens from tiny to very large. The game must
// go on playing and lose nothing it already wrote.
//
// Permission bits do not stop root. When these tests run as root, each
// read-only case runs itself again as the unprivileged user 65534 (with
// setpriv) over a folder root has prepared and locked; the folder is passed in
// TABLOR_READ_ONLY_DIR.
#include "GameFixture.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <system_error>

#include "HostileFiles.h"
#include "core/files/PositionFile.h"
#include "core/files/SchemeFile.h"
#include "core/files/WinGraph.h"
#include "core/settings/Profile.h"
#include "program/app/StringTable.h"
#include "program/dialogs/BackgClr.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/SettingSheet.h"
#include "program/view/Metrics.h"
#include "program/view/PositionTop.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* READ_ONLY_DIR_VARIABLE = "TABLOR_READ_ONLY_DIR";
constexpr const char* SETPRIV = "/usr/bin/setpriv";
constexpr int NOBODY_ID = 65534;

// File name to bytes; entries that are no regular file hold "<not a file>".
using FileSet = std::map<std::string, std::string>;

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a folder holds now.
FileSet Snapshot(const fs::path& folder)
{
    FileSet files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = entry.is_regular_file() ? ReadBytes(entry.path()) : "<not a file>";
    return files;
}

void WriteFiles(const fs::path& folder, const FileSet& files)
{
    for (const auto& [name, bytes] : files) std::ofstream(folder / name, std::ios::binary) << bytes;
}

// Files read-only, the folder readable and searchable but not writable; or
// back to writable for removing them.
void Lock(const fs::path& folder, bool locked)
{
    const fs::perms file = locked ? fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read
                                  : fs::perms::owner_read | fs::perms::owner_write;
    const fs::perms dir = locked ? fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec
                                 : fs::perms::owner_all;
    std::error_code error;
    if (!locked) fs::permissions(folder, dir, error);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file()) fs::permissions(entry.path(), file, error);
    if (locked) fs::permissions(folder, dir, error);
}

// The text as one word for the shell.
std::string Quote(const std::string& s)
{
    std::string quoted = "'";
    for (char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string SchemeFileBytes(const SchemeArray& schemes)
{
    std::string bytes;
    for (const ColourSet& set : schemes)
        for (Colour c : set) bytes += {char(RedOf(c)), char(GreenOf(c)), char(BlueOf(c)), '\0'};
    return bytes;
}

// The history a player has built up over ten weighted games.
WinGraph PlayedGraph()
{
    WinGraph g;
    g.games = 10;
    g.wins = 6;
    const int history[] = {50, 66, 50, 60, 66, 57, 62, 55, 60};
    for (int i = 0; i < 9; ++i) g.percent[i] = history[i];
    return g;
}

// Scheme C as the player edited it: another background.
SchemeArray EditedSchemes()
{
    SchemeArray schemes = DefaultSchemes;
    schemes[2][COLOUR_BACKGROUND] = RGB(11, 22, 33);
    return schemes;
}

// What a player's folder holds after some games: settings, scores, an edited
// scheme and the graph.
FileSet PlayersFolder()
{
    const auto graph = EncodeWinGraph(PlayedGraph());
    return {
        {"tablorw.ini", "[Options]\r\nAutoChangeTurn=1\r\nAutoFinish=2\r\nCurScheme=2\r\n\r\n[Game]\r\nHuman=7\r\n"
                        "Computer=5\r\n"},
        {"tablorw32.clr", SchemeFileBytes(EditedSchemes())},
        {"tablorw32.gph", std::string(graph.begin(), graph.end())},
    };
}

bool Inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

class HardConditions : public GameTest {
protected:
    // Creates the main window over `folder` as it stands (nothing is written
    // into it first) and runs the queue empty.
    void StartIn(const fs::path& folder)
    {
        // No window yet to send to while it is created.
        platform.post = nullptr;
        platform.onPaint = nullptr;
        window = std::make_unique<BackgWnd>(platform, AppPaths(folder.string()), settings);
        platform.post = [this](const Message& m) { window->Post(m); };
        platform.onPaint = [this] { window->OnPaint(); };
        Pump();
    }

    // Runs `play` over a folder holding `files` that may be read but not
    // written, and checks that it holds exactly those bytes afterwards. As
    // root the test runs again as an unprivileged user (see the top).
    void InReadOnlyFolder(const FileSet& files, const std::function<void(const fs::path&)>& play)
    {
        if (const char* prepared = std::getenv(READ_ONLY_DIR_VARIABLE)) {
            const fs::path folder = prepared;
            ASSERT_NE(::access(folder.c_str(), W_OK), 0) << folder << " must not be writable here";
            ASSERT_EQ(Snapshot(folder), files);
            play(folder);
            EXPECT_EQ(Snapshot(folder), files);
            return;
        }
        if (::geteuid() == 0) {
            RunAsNobody(files);
            return;
        }
        const fs::path folder = dir / "locked";
        fs::create_directory(folder);
        WriteFiles(folder, files);
        Lock(folder, true);
        struct Unlock {
            fs::path folder;
            ~Unlock() { Lock(folder, false); }
        } unlock{folder};
        if (::access(folder.c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write to a folder locked with chmod";
        play(folder);
        EXPECT_EQ(Snapshot(folder), files);
    }

    // Runs this test as user 65534 from a copy of this program, over a folder
    // root fills with `files` and locks, in a fresh world-readable folder (the
    // build tree need not be readable by that user).
    void RunAsNobody(const FileSet& files)
    {
        if (::access(SETPRIV, X_OK) != 0)
            GTEST_SKIP() << "running as root, which permission bits do not stop, and without " << SETPRIV
                         << " to run as an unprivileged user: no read-only folder can be arranged";
        char pattern[] = "/tmp/tablor-read-only-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        const fs::path base = pattern;
        const fs::path folder = base / "folder";
        struct Remove {
            fs::path base, folder;
            ~Remove()
            {
                std::error_code error;
                if (fs::exists(folder, error)) Lock(folder, false);
                fs::remove_all(base, error);
            }
        } remove{base, folder};
        const fs::perms open = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec;
        fs::permissions(base, open);
        const fs::path program = base / "tablor_program_tests";
        fs::copy_file("/proc/self/exe", program);
        fs::permissions(program, open);
        fs::create_directory(base / "tmp");
        fs::permissions(base / "tmp", fs::perms::all | fs::perms::sticky_bit);
        fs::create_directory(folder);
        WriteFiles(folder, files);
        Lock(folder, true);

        // First whether this system lets root become that user and run the
        // copy at all (a container may forbid it, /tmp may be mounted noexec).
        const std::string id = std::to_string(NOBODY_ID);
        const std::string asNobody =
            std::string(SETPRIV) + " --reuid=" + id + " --regid=" + id + " --clear-groups " + Quote(program.string());
        std::string output;
        if (RunCommand(asNobody + " --gtest_filter=-*", output) != 0)
            GTEST_SKIP() << "running as root, which permission bits do not stop, and user " << id
                         << " cannot run a copy of this program here: no read-only folder can be arranged\n"
                         << output;

        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const int status =
            RunCommand("env -u GTEST_OUTPUT -u GTEST_REPEAT " + std::string(READ_ONLY_DIR_VARIABLE) + "=" +
                           Quote(folder.string()) + " TMPDIR=" + Quote((base / "tmp").string()) + " " + asNobody + " " +
                           Quote("--gtest_filter=" + std::string(info->test_suite_name()) + "." + info->name()),
                       output);
        EXPECT_EQ(status, 0) << "as user " << id << ":\n" << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
        EXPECT_EQ(output.find("[  SKIPPED ]"), std::string::npos) << output;
        EXPECT_EQ(Snapshot(folder), files);
    }

    // Runs a shell command; its exit status (-1 when it did not exit), with
    // its output and error output in `output`.
    static int RunCommand(const std::string& command, std::string& output)
    {
        output.clear();
        std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
        if (pipe == nullptr) return -1;
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
        const int status = ::pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Plays human turns (by letters, or by clicks every other turn) until the
    // statistics dialog has been shown `games` times in all.
    void PlayUntilStatistics(std::size_t games, bool clicks, const std::function<void()>& afterTurn = {})
    {
        for (int turn = 0; turn < 400 && StatisticsShown() < games && !platform.quit; ++turn) {
            if (window->Game().WaitingConfirm)
                Confirm();
            else
                PlayHumanTurn(clicks && turn % 2 == 1);
            Pump();
            if (afterTurn) afterTurn();
            if (HasFatalFailure()) return;
        }
        ASSERT_EQ(StatisticsShown(), games);
    }

    std::size_t StatisticsShown() const
    {
        const std::vector<DialogKind> kinds = platform.DialogKinds();
        return static_cast<std::size_t>(std::count(kinds.begin(), kinds.end(), DialogKind::StatDlg));
    }

    // The settings sheet, closed with OK after `change`.
    void SettingsOk(const std::function<void(SettingSheet&)>& change)
    {
        platform.OnSettingSheet([change](SettingSheet& sheet) {
            change(sheet);
            const PageCheck check = sheet.OnOk();
            EXPECT_TRUE(check.ok) << check.prompt;
            return check.ok ? static_cast<int>(IDOK) : static_cast<int>(IDCANCEL);
        });
        Menu(ID_SETTINGS);
    }

    // Every piece on the points and bars is drawn where its stack puts it:
    // the disc of each of the five places in use covers at least a third of
    // its square in its owner's colour (a whole disc about three quarters),
    // and a place not in use shows next to no piece colour.
    void ExpectPiecesDrawn(const std::string& when)
    {
        const Rect client = platform.ClientRect();
        const int area = Sizes().PieceSize * Sizes().PieceSize;
        for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) {
            const auto* location = dynamic_cast<const PositionTop*>(&window->Game().board[i]);
            ASSERT_NE(location, nullptr);
            const Colour colour = SchemeColour()[location->owner == COMPUTER ? COLOUR_COMPUTER : COLOUR_HUMAN];
            for (int k = 1; k <= 5; ++k) {
                const int x = location->x + Sizes().PieceSize * 2 / 5;
                const int y = location->PieceY(k);
                const Rect disc{x, y, x + Sizes().PieceSize, y + Sizes().PieceSize};
                if (!Inside(disc, client)) continue;
                if (k <= location->count) {
                    EXPECT_GE(platform.screen.CountColour(disc, colour) * 3, area)
                        << when << ": piece " << k << " of location " << i << " (" << int(location->count) << ")";
                } else if (i != HUMAN_BAR && i != COMPUTER_BAR) {
                    // The bars share one strip: the other bar's pieces may stand there.
                    const int stray = platform.screen.CountColour(disc, SchemeColour()[COLOUR_COMPUTER]) +
                                      platform.screen.CountColour(disc, SchemeColour()[COLOUR_HUMAN]);
                    EXPECT_LT(stray * 5, area) << when << ": a piece drawn at empty place " << k << " of location " << i
                                               << " (" << int(location->count) << ")";
                }
            }
        }
    }
};

// ---------------------------------------------------------------------------
// A folder that may be read but not written

TEST_F(HardConditions, ReadOnlyFolderPlaysWholeGamesAndWritesNothing)
{
    InReadOnlyFolder(PlayersFolder(), [this](const fs::path& folder) {
        StartIn(folder);
        // Everything that was there is read.
        EXPECT_EQ(settings.AutoChangeTurn, 1);
        EXPECT_EQ(settings.CurScheme, 2);
        EXPECT_EQ(SchemeColour(), EditedSchemes()[2]);
        EXPECT_EQ(settings.Score[HUMAN], 7);
        EXPECT_EQ(settings.Score[COMPUTER], 5);

        std::vector<WinGraph> graphs;
        platform.AlwaysOnStatDlg([&graphs](StatDlg& d) {
            graphs.push_back(d.GraphRecord());
            d.rollChoice = graphs.size() == 1 ? 2 : 0;
            return static_cast<int>(IDOK);
        });
        // The first score that cannot be written is told, once for the run.
        platform.ExpectMessageBox(LoadString(IDS_CANNOT_WRITE_SETTINGS), Buttons::Ok, Icon::Exclamation, IDOK);
        PlayUntilStatistics(1, true);
        // Again with swapped rolls; this game is finished quick.
        platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
        Menu(ID_FINISH_GAME);
        ASSERT_EQ(graphs.size(), 2u);
        // Both games were scored in memory; the file keeps the old scores.
        EXPECT_EQ(settings.Score[HUMAN] + settings.Score[COMPUTER],
                  12 + Game().ScoreSinceStart[HUMAN] + Game().ScoreSinceStart[COMPUTER]);
        // The graph goes on from the file's history, the second game on top
        // of the first although neither could be written.
        const WinGraph before = PlayedGraph();
        EXPECT_EQ(graphs[0].games, 11);
        EXPECT_EQ(graphs[1].games, 12);
        for (int i = 0; i < 9; ++i) EXPECT_EQ(graphs[1].percent[i], before.percent[i]) << i;
        EXPECT_EQ(graphs[1].percent[9], graphs[0].percent[9]);
        EXPECT_EQ(graphs[1].percent[10], graphs[1].wins * 100 / 12);
        EXPECT_EQ(graphs[1].percent[11], 0);

        // Saving a position is refused with a message; choosing a scheme,
        // resetting the scores and the settings pages fail without another
        // one. All leave the game as it is.
        platform.alwaysFileDialog = [folder](DialogKind, const FileDialogOptions&) {
            return std::optional<std::string>((folder / "game.pos").string());
        };
        platform.ExpectMessageBox(LoadString(IDS_CANNOT_SAVE_POSITION), Buttons::Ok, Icon::Exclamation, IDOK);
        Menu(ID_FILE_SAVE);
        platform.OnColourDlg([](BackgClr& d) {
            d.SelectScheme(3);
            d.Ok();
            return static_cast<int>(IDOK);
        });
        Menu(ID_COLOURS);
        EXPECT_EQ(settings.CurScheme, 3);
        EXPECT_EQ(SchemeColour(), DefaultSchemes[3]);
        platform.ExpectMessageBox(LoadString(IDS_RESET_SCORES), Buttons::YesNo, Icon::Question, IDYES);
        Menu(ID_RESET_SCORES);
        EXPECT_EQ(settings.Score[HUMAN] + settings.Score[COMPUTER], 0);
        SettingsOk([](SettingSheet& sheet) {
            sheet.SetActivePage(SettingSheet::PAGE_GAME);
            sheet.game.levelOfPlay = 0;
        });
        EXPECT_EQ(settings.LevelOfPlay, 0);
        EXPECT_TRUE(IsValid(Data()));
        EXPECT_FALSE(platform.quit);

        // The next start finds what the folder held.
        window.reset();
        settings = Settings{};
        StartIn(folder);
        EXPECT_EQ(settings.CurScheme, 2);
        EXPECT_EQ(settings.Score[HUMAN], 7);
        EXPECT_EQ(settings.LevelOfPlay, 2);
        platform.CheckAllScriptsUsed();
    });
}

TEST_F(HardConditions, ReadOnlyFolderRefusesEveryWriteOfTheProgramLayer)
{
    InReadOnlyFolder(PlayersFolder(), [this](const fs::path& folder) {
        const std::string ini = (folder / "tablorw.ini").string();
        Profile profile(ini);
        EXPECT_FALSE(profile.WriteInt("Game", "Human", 99));
        EXPECT_FALSE(profile.WriteString("Options", "RollsList", "other.txt"));
        EXPECT_FALSE(profile.WriteInt("NewSection", "Key", 1));
        settings.Score = {0, 40, 41};
        WriteScores(profile, settings);
        EXPECT_EQ(profile.GetInt("Game", "Human", -1), 7);
        Profile missing((folder / "other.ini").string());
        EXPECT_FALSE(missing.WriteInt("Game", "Human", 1));

        // The graph: counted in memory from the file's history, then on from memory.
        WinGraph memory;
        EXPECT_FALSE(UpdateWinGraph((folder / "tablorw32.gph").string(), memory, true));
        EXPECT_EQ(memory.games, 11);
        EXPECT_EQ(memory.wins, 7);
        EXPECT_EQ(memory.percent[9], 63);
        EXPECT_FALSE(UpdateWinGraph((folder / "tablorw32.gph").string(), memory, false));
        EXPECT_EQ(memory.games, 12);
        EXPECT_EQ(memory.percent[9], 63);
        EXPECT_EQ(memory.percent[10], 58);
        // A graph file that is missing and cannot be created starts at 50 %.
        WinGraph fresh;
        EXPECT_FALSE(UpdateWinGraph((folder / "other.gph").string(), fresh, false));
        EXPECT_EQ(fresh.games, 3);
        EXPECT_EQ(fresh.percent[1], 33);

        EXPECT_FALSE(WriteSchemes((folder / "tablorw32.clr").string(), DefaultSchemes));
        EXPECT_FALSE(WriteSchemes((folder / "other.clr").string(), DefaultSchemes));
        EXPECT_FALSE(WritePositionFile((folder / "game.pos").string(), PositionFileData{}));
    });
}

// Root is stopped by a folder that is a plain file: every path in it fails.
TEST_F(HardConditions, FolderThatIsAFilePlaysWithDefaultsAndCreatesNothing)
{
    WriteFile("folder", "not a folder");
    const FileSet before = Snapshot(dir);
    StartIn(dir / "folder");
    EXPECT_EQ(settings.CurScheme, 0);
    EXPECT_EQ(SchemeColour(), DefaultSchemes[0]);
    platform.AlwaysOnStatDlg([](StatDlg&) { return static_cast<int>(IDOK); });
    platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
    // Told at the first score that cannot be written, not at the second.
    platform.ExpectMessageBox(LoadString(IDS_CANNOT_WRITE_SETTINGS), Buttons::Ok, Icon::Exclamation, IDOK);
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 1u);
    EXPECT_EQ(Game().graph.games, 3);
    platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 2u);
    EXPECT_EQ(Game().graph.games, 4);
    platform.alwaysFileDialog = [this](DialogKind, const FileDialogOptions&) {
        return std::optional<std::string>(PathOf("folder/game.pos"));
    };
    platform.ExpectMessageBox(LoadString(IDS_CANNOT_SAVE_POSITION), Buttons::Ok, Icon::Exclamation, IDOK);
    Menu(ID_FILE_SAVE);
    platform.OnColourDlg([](BackgClr& d) {
        d.SelectScheme(1);
        d.Ok();
        return static_cast<int>(IDOK);
    });
    Menu(ID_COLOURS);
    EXPECT_EQ(SchemeColour(), DefaultSchemes[1]);
    EXPECT_EQ(Snapshot(dir), before);
}

// ---------------------------------------------------------------------------
// A settings file full of junk

namespace {

// Junk of every kind around keys the game reads; the two values of section
// "Game" are given, so that the file as the game must leave it can be made.
std::string JunkSettings(const std::string& human, const std::string& computer)
{
    std::mt19937 rng(4711);
    std::string noise;
    for (int i = 0; i < 200000; ++i) {
        char c = static_cast<char>(rng() & 255);
        // No line of the noise may open a section.
        if (c == '[') c = '\0';
        noise += c;
    }
    std::string text;
    text += "ShowProgress=0\n"; // before any section: belongs to none
    text += std::string("\0\x01\x02\xff\xfe\n", 6);
    text += "[Options]\n";
    text += "UseCube=1\n";
    text += "UseCube=0\n"; // the first of two counts
    text += "HitShake 0\n";
    text += "=5\n";
    text += "Speed=51\n";
    text += "LevelOfPlay=-1\n";
    text += "HighLight=3\n";
    text += "AutoFinish=99999999999999999999\n";
    text += "DiceMode=7\n";
    text += "CurScheme=4\n";
    text += std::string("First\0MoveBy=1\n", 15);
    text += std::string(3 << 20, 'x') + "\n"; // three megabytes on one line
    text += "IntelMoves=1\n";
    text += "Speed2=" + std::string(1 << 20, '7') + "\n";
    text += "[Options]\n"; // the section again: its keys count too
    text += "AutoForcedMoves=1\n";
    text += noise + "\n";
    text += "[Game]\r\n";
    text += "Human=" + human + "\n";
    text += "Human=99\n";
    text += "Computer=" + computer + "\n";
    text += "[Game]\n";
    text += "Computer=98\n";
    text += std::string("\0\0\x80", 3); // no line break at the end
    return text;
}

} // namespace

TEST_F(HardConditions, JunkSettingsGiveSaneSettingsAndKeepEveryOtherByte)
{
    WriteFile("tablorw.ini", JunkSettings("12", "abc"));
    StartIn(dir);
    EXPECT_EQ(settings.UseCube, 1);
    EXPECT_EQ(settings.HitShake, 1);
    EXPECT_EQ(settings.SpeedSetting(), 38);
    EXPECT_EQ(settings.LevelOfPlay, 2);
    EXPECT_EQ(settings.HighLight, 2);
    EXPECT_EQ(settings.AutoFinish, 2);
    EXPECT_EQ(settings.DiceMode, 0);
    EXPECT_EQ(settings.CurScheme, 0);
    EXPECT_EQ(settings.FirstMoveBy, 2);
    EXPECT_EQ(settings.ShowProgress, 1);
    EXPECT_EQ(settings.IntelMoves, 1);
    EXPECT_EQ(settings.AutoForcedMoves, 1);
    EXPECT_EQ(settings.Score[HUMAN], 12);
    EXPECT_EQ(settings.Score[COMPUTER], 0);
    EXPECT_EQ(CurrentPlayer(), HUMAN);

    platform.AlwaysOnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 1u);
    EXPECT_TRUE(platform.quit);
    // Only the two scores changed, in their own lines.
    EXPECT_EQ(ReadBytes(PathOf("tablorw.ini")),
              JunkSettings(std::to_string(settings.Score[HUMAN]), std::to_string(settings.Score[COMPUTER])));
    EXPECT_GT(settings.Score[HUMAN] + settings.Score[COMPUTER], 12);
}

TEST_F(HardConditions, SettingsFileOfNoiseOnlyGetsItsScoresAddedAtTheEnd)
{
    std::mt19937 rng(99);
    std::string noise = std::string("\0\xff\n", 3);
    for (int i = 0; i < (1 << 20); ++i) {
        const char c = static_cast<char>(rng() & 255);
        noise += c == '[' ? ' ' : c;
    }
    noise += '\0';
    WriteFile("tablorw.ini", noise);
    StartIn(dir);
    EXPECT_EQ(settings.SpeedSetting(), 38);
    EXPECT_EQ(settings.LevelOfPlay, 2);
    EXPECT_EQ(settings.Score[HUMAN] + settings.Score[COMPUTER], 0);
    platform.AlwaysOnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 1u);
    EXPECT_EQ(ReadBytes(PathOf("tablorw.ini")), noise + "\n[Game]\nHuman=" + std::to_string(settings.Score[HUMAN]) +
                                                    "\nComputer=" + std::to_string(settings.Score[COMPUTER]) + "\n");
}

// A settings file just short of the most that is read: the scores do not fit
// in it. It is left readable as it was, and the player is told once that the
// scores cannot be kept, instead of losing every later score unseen.
TEST_F(HardConditions, SettingsFileNearTheLimitIsNotPushedPastIt)
{
    const std::string head = "[Options]\nSpeed=9\nLevelOfPlay=1\n;";
    const std::string body = head + std::string(Profile::MAX_FILE_SIZE - 8 - head.size(), 'x') + "\n";
    WriteFile("tablorw.ini", body);
    StartIn(dir);
    EXPECT_EQ(settings.SpeedSetting(), 9);
    platform.AlwaysOnStatDlg([](StatDlg&) { return static_cast<int>(IDOK); });
    for (int game = 0; game < 2; ++game) {
        if (game == 0)
            platform.ExpectMessageBox(LoadString(IDS_CANNOT_WRITE_SETTINGS), Buttons::Ok, Icon::Exclamation, IDOK);
        platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
        Menu(ID_FINISH_GAME);
        ASSERT_EQ(StatisticsShown(), static_cast<std::size_t>(game + 1));
    }
    // Both scores live on in memory, waiting for a write that works.
    EXPECT_EQ(settings.Score[HUMAN] + settings.Score[COMPUTER],
              Game().ScoreSinceStart[HUMAN] + Game().ScoreSinceStart[COMPUTER]);
    EXPECT_GE(settings.Score[HUMAN] + settings.Score[COMPUTER], 2);
    EXPECT_TRUE(ReadBytes(PathOf("tablorw.ini")) == body);
    platform.CheckAllScriptsUsed();
    // The next start still reads the file.
    window.reset();
    settings = Settings{};
    StartIn(dir);
    EXPECT_EQ(settings.SpeedSetting(), 9);
    EXPECT_EQ(settings.LevelOfPlay, 1);
}

// A settings "file" that is a fifo or a folder is never opened (a fifo would
// block the start) nor replaced.
TEST_F(HardConditions, SettingsFileThatIsAFifoOrAFolderGivesDefaults)
{
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "fifo" : "folder");
        const fs::path folder = dir / (fifo ? "fifo" : "folder");
        fs::create_directory(folder);
        const fs::path ini = folder / "tablorw.ini";
        if (fifo)
            ASSERT_EQ(::mkfifo(ini.c_str(), 0644), 0);
        else
            fs::create_directory(ini);
        settings = Settings{};
        StartIn(folder);
        EXPECT_EQ(settings.SpeedSetting(), 38);
        platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDOK); });
        platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
        // The scores cannot be written there, and the player is told so.
        platform.ExpectMessageBox(LoadString(IDS_CANNOT_WRITE_SETTINGS), Buttons::Ok, Icon::Exclamation, IDOK);
        Menu(ID_FINISH_GAME);
        EXPECT_GE(settings.Score[HUMAN] + settings.Score[COMPUTER], 1);
        EXPECT_EQ(fs::is_fifo(ini), fifo);
        EXPECT_EQ(fs::is_directory(ini), !fifo);
        window.reset();
    }
    EXPECT_EQ(StatisticsShown(), 2u);
}

// ---------------------------------------------------------------------------
// A rolls file that goes away between rolls

namespace {

// The digits of a rolls file in the order they are read, two to a roll.
const std::vector<std::uint8_t> CYCLE{3, 1, 6, 2, 5, 4, 4, 3, 2, 1, 6, 5};

} // namespace

TEST_F(HardConditions, OpenRollsFileKeepsGivingRollsWhenDeletedOrReplaced)
{
    StartWithRolls("31 62, 54-43 2 1 65\n", "AutoChangeTurn=1\nAutoFinish=0");
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    const fs::path rolls = PathOf("rolls.txt");
    PlayHumanTurn();
    fs::remove(rolls);
    PlayHumanTurn();
    WriteFile("rolls.txt", "");
    PlayHumanTurn();
    fs::remove(rolls);
    fs::create_directory(rolls);
    PlayHumanTurn();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    // The file, gone from its folder, is still open and read in its cycle.
    std::vector<std::uint8_t> expected;
    for (std::size_t i = 0; i < Dice().history.size(); ++i) expected.push_back(CYCLE[i % CYCLE.size()]);
    EXPECT_EQ(Dice().history, expected);
    EXPECT_GE(Dice().history.size(), 18u);

    // Finished, and the next game goes on through the open file.
    std::vector<std::uint8_t> finished;
    platform.OnStatDlg([&](StatDlg&) {
        finished = Dice().history;
        return static_cast<int>(IDOK);
    });
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 1u);
    EXPECT_EQ(Dice().mode, DICE_FROM_FILE);
    EXPECT_TRUE(Dice().RollsFileOpen());
    ASSERT_GE(Dice().history.size(), 2u);
    EXPECT_EQ(Dice().history[0], CYCLE[finished.size() % CYCLE.size()]);
    EXPECT_EQ(Dice().history[1], CYCLE[(finished.size() + 1) % CYCLE.size()]);
    EXPECT_TRUE(platform.DialogKinds() == (std::vector<DialogKind>{DialogKind::StatDlg}));
}

TEST_F(HardConditions, RollsFileEmptiedInPlaceFallsBackToGeneratedRollsEachGame)
{
    StartWithRolls("31 62 54", "AutoChangeTurn=1\nAutoFinish=0");
    int invalid = 0;
    platform.alwaysMessageBox = [&invalid](const std::string& text, Buttons, Icon icon) {
        EXPECT_EQ(text, LoadString(IDS_INVALID_ROLLS));
        EXPECT_EQ(icon, Icon::Exclamation);
        ++invalid;
        return static_cast<int>(IDOK);
    };
    fs::resize_file(PathOf("rolls.txt"), 0);
    // What was read ahead is still played; then the file fails at a roll.
    for (int turn = 0; turn < 10 && invalid == 0; ++turn) PlayHumanTurn();
    ASSERT_EQ(invalid, 1);
    EXPECT_EQ(Dice().mode, DICE_GENERATED);
    EXPECT_FALSE(Dice().RollsFileOpen());
    EXPECT_EQ(settings.DiceMode, DICE_FROM_FILE);
    for (std::size_t i = 0; i + 1 < Dice().history.size() && i < 6; ++i) EXPECT_EQ(Dice().history[i], CYCLE[i]) << i;
    // The game goes on with generated rolls to its end; the next game tries
    // the file again and falls back again, with an opening that is no doublet.
    platform.AlwaysOnStatDlg([](StatDlg&) { return static_cast<int>(IDOK); });
    PlayHumanTurn();
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 1u);
    EXPECT_EQ(invalid, 2);
    EXPECT_NE(Dice().history[0], Dice().history[1]);
    EXPECT_GT(Dice().moves, 0);
    // Once the file holds rolls again, the game after reads it from its start.
    WriteFile("rolls.txt", "44 12");
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(StatisticsShown(), 2u);
    EXPECT_EQ(invalid, 2);
    EXPECT_EQ(Dice().mode, DICE_FROM_FILE);
    ASSERT_GE(Dice().history.size(), 2u);
    EXPECT_EQ(Dice().history[0], 4);
    EXPECT_EQ(Dice().history[1], 4);
}

TEST_F(HardConditions, RollsFileNamedAnewAsAFolderOrMissingFallsBack)
{
    StartWithRolls("31 62 54", "AutoChangeTurn=1\nAutoFinish=0");
    int invalid = 0;
    platform.alwaysMessageBox = [&invalid](const std::string& text, Buttons, Icon) {
        EXPECT_EQ(text, LoadString(IDS_INVALID_ROLLS));
        ++invalid;
        return static_cast<int>(IDOK);
    };
    platform.AlwaysOnStatDlg([](StatDlg&) { return static_cast<int>(IDOK); });
    int expected = 0;
    for (const std::string name : {"a-folder", "missing.txt"}) {
        SCOPED_TRACE(name);
        if (name == "a-folder") fs::create_directory(PathOf(name));
        SettingsOk([this, name](SettingSheet& sheet) {
            sheet.SetActivePage(SettingSheet::PAGE_DICE);
            sheet.dice.mode = DICE_FROM_FILE;
            sheet.dice.path = PathOf(name);
        });
        EXPECT_FALSE(Dice().RollsFileOpen());
        // The computer's next roll fails; generated rolls carry the game on.
        PlayHumanTurn();
        EXPECT_EQ(invalid, ++expected);
        EXPECT_EQ(Dice().mode, DICE_GENERATED);
        EXPECT_EQ(CurrentPlayer(), HUMAN);
        EXPECT_GT(Dice().moves, 0);
        // The next game fails at its opening roll, once.
        Menu(ID_FINISH_GAME);
        EXPECT_EQ(invalid, ++expected);
        EXPECT_TRUE(IsValid(Data()));
    }
}

// ---------------------------------------------------------------------------
// Sound files that are no wave files

TEST_F(HardConditions, SoundFilesThatAreNoWavesStillSoundEveryEvent)
{
    WriteFile("text.wav", "just some text");
    WriteFile("empty.wav", "");
    WriteFile("short.wav", std::string("RIFF\x24\0\0\0WAVEfm", 14));
    fs::create_directory(PathOf("folder.wav"));
    WriteFile("huge.wav", "");
    fs::resize_file(PathOf("huge.wav"), std::uintmax_t(1) << 30);
    std::string sounds = "[Sounds]\n";
    const std::string files[SOUND_EVENTS] = {"text.wav", "empty.wav", "short.wav", "folder.wav", "huge.wav"};
    for (int event = 0; event < SOUND_EVENTS; ++event)
        sounds += std::string(SOUND_KEYS[event]) + "=" + PathOf(files[event]) + "\n" + SoundActiveKey(event) + "=1\n";
    WriteFile("rolls.txt", "31 12");
    Start("DiceMode=2\nRollsList=" + PathOf("rolls.txt"), sounds);
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    // The human's last piece hits on 23 with the 1 and bears off with the 2.
    Load(MakePosition({{22, HUMAN, 1}, {23, COMPUTER, 1}, {1, COMPUTER, 14}}));
    ASSERT_EQ(Dice().die[0], 1);
    int hits = -1;
    platform.OnStatDlg([this, &hits](StatDlg&) {
        hits = Game().HitsMade[HUMAN];
        return static_cast<int>(IDOK);
    });
    Type("VW");
    for (const char target : {'W', '0'})
        if (StatisticsShown() == 0) Type(std::string(1, target));
    ASSERT_EQ(StatisticsShown(), 1u);
    EXPECT_EQ(hits, 1);
    // The second game is resigned.
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    Menu(ID_RESIGN);
    ASSERT_EQ(StatisticsShown(), 2u);
    EXPECT_TRUE(platform.quit);

    auto asked = [this](const std::string& name, bool async) {
        return std::count_if(platform.sounds.begin(), platform.sounds.end(), [&](const TestPlatform::SoundCall& s) {
            return s.path == PathOf(name) && s.async == async;
        });
    };
    EXPECT_EQ(asked("text.wav", false), 2);  // each opening roll, played to its end
    EXPECT_EQ(asked("empty.wav", true), 3);  // the hit, the hit piece, the bearing off
    EXPECT_EQ(asked("short.wav", true), 1);  // the hit
    EXPECT_EQ(asked("folder.wav", true), 1); // the human won the first game
    EXPECT_EQ(asked("huge.wav", true), 1);   // and resigned the second
    fs::remove(PathOf("huge.wav"));
}

// ---------------------------------------------------------------------------
// Position files that are no files, a full disk, and counts at their limits

TEST_F(HardConditions, SaveThatFailsIsToldAndLeavesNoFile)
{
    StartWithRolls("31 42 53");
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    std::string target;
    platform.alwaysFileDialog = [&target](DialogKind, const FileDialogOptions&) {
        return std::optional<std::string>(target);
    };
    WriteFile("old.pos", "kept as it was");
    fs::create_directory(PathOf("folder.pos"));
    const FileSet before = Snapshot(dir);
    // A device, a missing folder, a folder, and a disk that is full for a new
    // file and for an old one.
    for (const std::string& where : {std::string("/dev/full"), PathOf("gone/new.pos"), PathOf("folder.pos"),
                                     PathOf("new.pos"), PathOf("old.pos")}) {
        SCOPED_TRACE(where);
        target = where;
        platform.ExpectMessageBox(LoadString(IDS_CANNOT_SAVE_POSITION), Buttons::Ok, Icon::Exclamation, IDOK);
        const DiskFullAfter full(100);
        ASSERT_TRUE(full.Active());
        Menu(ID_FILE_SAVE);
        platform.CheckAllScriptsUsed();
    }
    EXPECT_EQ(Snapshot(dir), before);
    // With room on the disk the same Save writes the whole file, without a word.
    target = PathOf("new.pos");
    Menu(ID_FILE_SAVE);
    EXPECT_EQ(fs::file_size(target), 286u);
    const std::vector<DialogKind> kinds = platform.DialogKinds();
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), DialogKind::MessageBox), 5);
}

TEST_F(HardConditions, OpeningWhatIsNoPositionToPlayIsRefused)
{
    StartWithRolls("31 42 53");
    std::string target;
    platform.alwaysFileDialog = [&target](DialogKind, const FileDialogOptions&) {
        return std::optional<std::string>(target);
    };
    const PositionFileData good = CurrentPositionData(Game());
    PositionFileData over = good;
    over.board = ToImage(MakePosition({{1, COMPUTER, 15}})); // the human has borne off all 15
    ASSERT_TRUE(WritePositionFile(PathOf("over.pos"), over));
    PositionFileData negative = good;
    negative.pipsRolledComputer = -5;
    ASSERT_TRUE(WritePositionFile(PathOf("negative.pos"), negative));
    const PositionFileBytes bytes = EncodePositionFile(good);
    // A fifo another process keeps open (with a good position in it) would
    // freeze the game for good; /dev/zero never ends.
    const FilledFifo fifo(PathOf("fifo.pos"), std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(fifo.Ready());
    fs::create_directory(PathOf("folder.pos"));
    const BoardData before = Data();
    for (const std::string& where :
         {fifo.Path(), std::string("/dev/zero"), PathOf("folder.pos"), PathOf("over.pos"), PathOf("negative.pos")}) {
        SCOPED_TRACE(where);
        target = where;
        platform.ExpectMessageBox(LoadString(IDS_INVALID_POSITION), Buttons::Ok, Icon::Exclamation, IDOK);
        Menu(ID_FILE_OPEN);
        platform.CheckAllScriptsUsed();
        EXPECT_EQ(Data(), before);
        EXPECT_EQ(platform.caption, "Tablor");
    }
}

// Both sides on the bar before closed boards: neither can ever move, and
// Finish game stops as if Esc were held instead of passing for ever.
TEST_F(HardConditions, FinishGameStopsWhenNeitherSideCanMove)
{
    StartWithRolls("31 42", "AutoFinish=0");
    BoardData stuck = MakePosition({{HUMAN_BAR, HUMAN, 1}, {COMPUTER_BAR, COMPUTER, 1}});
    for (int i = 0; i < 6; ++i) {
        stuck[19 + i] = Spot{2, HUMAN};
        stuck[1 + i] = Spot{2, COMPUTER};
    }
    stuck[HUMAN_TRAY].count = 2;
    stuck[COMPUTER_TRAY].count = 2;
    ASSERT_TRUE(IsValid(stuck));
    Load(stuck);
    // Esc is "held" from the 21st look on, so that the loop ends either way.
    int looks = 0;
    platform.escHeld = [&looks] { return ++looks > 20; };
    Menu(ID_FINISH_GAME);
    EXPECT_EQ(looks, 1);
    EXPECT_FALSE(Game().AutoPlay);
    EXPECT_EQ(Data(), stuck);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(StatisticsShown(), 0u);
}

// Scores, the statistics a position file gives and the thinking clocks stop
// at the int32 limits instead of turning negative; a clock also counts right
// across a wrap of the tick count.
TEST_F(HardConditions, CountsStopAtTheirLimits)
{
    WriteFile("rolls.txt", "31 42 53");
    Start("DiceMode=2\nRollsList=" + PathOf("rolls.txt"), "[Game]\nHuman=5\nComputer=2147483647\n");
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    std::string target = PathOf("game.pos");
    platform.alwaysFileDialog = [&target](DialogKind, const FileDialogOptions&) {
        return std::optional<std::string>(target);
    };
    auto savedTime = [this] {
        Menu(ID_FILE_SAVE);
        const std::string bytes = ReadBytes(PathOf("game.pos"));
        PositionFileData d;
        DecodePositionFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), d);
        return d.thinkingTimeHuman;
    };
    const BoardData start = Data();
    platform.ticks = 0xFFFFFF00u;
    LoadWith(start, [](PositionFileData& d) { d.thinkingTimeHuman = 1000; });
    platform.Advance(0x200);
    EXPECT_EQ(savedTime(), 1000 + 0x200) << "across the wrap of the tick count";
    LoadWith(start, [](PositionFileData& d) {
        d.thinkingTimeHuman = 2147483647 - 100;
        d.pipsRolledHuman = 2147483647 - 2;
        d.doublesRolledHuman = 2147483647;
    });
    // The fresh roll is counted on top.
    EXPECT_EQ(Game().PipsRolled[HUMAN], 2147483647);
    platform.Advance(1000);
    EXPECT_EQ(savedTime(), 2147483647);

    std::string dice, total;
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([&](StatDlg& d) {
        dice = d.CellText(StatDlg::ID_DICE_HUMAN);
        total = d.CellText(StatDlg::ID_TOTAL_COMPUTER);
        return static_cast<int>(IDCANCEL);
    });
    Menu(ID_RESIGN);
    EXPECT_EQ(dice, "2147483647");
    EXPECT_EQ(total, "2147483647");
    EXPECT_EQ(settings.Score[COMPUTER], 2147483647);
    EXPECT_EQ(Profile(PathOf("tablorw.ini")).GetInt("Game", "Computer", 0), 2147483647);
    EXPECT_EQ(Profile(PathOf("tablorw.ini")).GetInt("Game", "Human", 0), 5);
}

// The caption holds at most 63 bytes, cut between two characters.
TEST_F(HardConditions, CaptionIsCutBetweenCharacters)
{
    StartWithRolls("31 42 53 64");
    std::string target;
    platform.alwaysFileDialog = [&target](DialogKind, const FileDialogOptions&) {
        return std::optional<std::string>(target);
    };
    const std::string e = "\xC3\xA9"; // é, two bytes
    std::string letters;
    for (int i = 0; i < 30; ++i) letters += e;
    // "Tablor - " and 53 letters are 62 bytes: the é would straddle byte 63.
    const std::pair<std::string, std::string> cases[] = {
        {std::string(53, 'a') + e + ".pos", "Tablor - " + std::string(53, 'a')},
        {letters + ".pos", "Tablor - " + letters.substr(0, 54)},
    };
    for (const auto& [name, caption] : cases) {
        target = PathOf(name);
        ASSERT_TRUE(WritePositionFile(target, CurrentPositionData(Game())));
        Menu(ID_FILE_OPEN);
        EXPECT_EQ(platform.caption, caption);
        EXPECT_LE(platform.caption.size(), 63u);
    }
}

// ---------------------------------------------------------------------------
// Screens from tiny to very large

namespace {

struct ScreenCase {
    int screenWidth, screenHeight;
    // The window's outer size and the metrics the formulas give.
    int windowWidth, windowHeight, unit, pieceSize;
    // Pixels by which neighbouring points' rectangles overlap: the columns
    // (W / 17) are narrower than a point (2 units) on screens up to 1024 wide.
    int pointOverlap;
    // Whether the bottom row of points stands inside the client area.
    bool boardInside;
    // What of the side panel finds no room of its own (see PanelClashes).
    std::vector<std::string> panelClashes;
};

} // namespace

class HardScreens : public HardConditions {
protected:
    void PlayOn(const ScreenCase& c)
    {
        platform.screenWidth = c.screenWidth;
        platform.screenHeight = c.screenHeight;
        WriteFile("tablorw32.clr", SchemeFileBytes(DefaultSchemes));
        Start("AutoChangeTurn=1\nAutoFinish=0\nCurScheme=2");
        EXPECT_EQ(platform.windowWidth, c.windowWidth);
        EXPECT_EQ(platform.windowHeight, c.windowHeight);
        EXPECT_EQ(Sizes().Unit, c.unit);
        EXPECT_EQ(Sizes().PieceSize, c.pieceSize);
        ExpectLayout(c);
        // The paint asked for while the window was created came before the
        // fixture could route it; the window system paints a window when it
        // first shows it.
        platform.Invalidate();
        Pump();

        int games = 0;
        platform.AlwaysOnStatDlg([&](StatDlg&) {
            // Played to its end: one side has borne off every piece.
            EXPECT_TRUE(Rules().humanOff() == PIECES_PER_SIDE || Rules().computerOff() == PIECES_PER_SIDE);
            ExpectPiecesDrawn("at the end of game " + std::to_string(games + 1));
            return static_cast<int>(++games < 2 ? IDOK : IDCANCEL);
        });
        PlayUntilStatistics(1, true, [this] { ExpectPiecesDrawn("after a turn"); });
        if (HasFatalFailure()) return;
        ExpectPiecesDrawn("at the start of the second game");
        Menu(ID_FINISH_GAME);
        EXPECT_EQ(games, 2);
        EXPECT_TRUE(platform.quit);
    }

    void ExpectLayout(const ScreenCase& c)
    {
        const Rect client = platform.ClientRect();
        const Board& b = window->Game().board;
        int overlap = 0;
        for (int i = 1; i <= 24; ++i) {
            // Without room the bottom row reaches below the client area.
            EXPECT_TRUE(Inside(b[i].rect, client) || (!c.boardInside && i >= 13)) << "point " << i;
            // Neighbours in a row, and the columns' pieces.
            if (i != 12 && i != 24) {
                const Rect& r = b[i].rect;
                const Rect& n = b[i + 1].rect;
                if (Overlap(r, n)) overlap = std::max(overlap, std::min(r.right, n.right) - std::max(r.left, n.left));
                const int pieceLeft = b[i].x + Sizes().PieceSize * 2 / 5,
                          nextLeft = b[i + 1].x + Sizes().PieceSize * 2 / 5;
                EXPECT_GE(std::abs(pieceLeft - nextLeft), Sizes().PieceCell)
                    << "pieces of points " << i << " and " << i + 1;
            }
            // The rows do not meet.
            if (i <= 12) {
                EXPECT_LT(b[i].rect.bottom, b[25 - i].rect.top) << "column of point " << i;
            }
        }
        EXPECT_EQ(overlap, c.pointOverlap);
        // The bar strip stands in the gap between points 7 and 6, from the
        // top edge to the base of the board; location 25 at its bottom.
        const Rect& bar = b[HUMAN_BAR].rect;
        EXPECT_GE(bar.left, b[7].rect.right);
        EXPECT_LE(bar.right, b[6].rect.left);
        EXPECT_EQ(bar.top, b[12].rect.top);
        EXPECT_EQ(bar.bottom, b[13].rect.bottom);
        EXPECT_EQ(b[COMPUTER_BAR].rect.left, bar.left);
        EXPECT_EQ(b[COMPUTER_BAR].rect.bottom, bar.bottom);
        // The trays in point 1's column, the computer's above the human's,
        // between the rows; the dice pictures and the move list beside them.
        const Rect& computerTray = b[COMPUTER_TRAY].rect;
        const Rect& humanTray = b[HUMAN_TRAY].rect;
        EXPECT_EQ(computerTray.left, b[1].x);
        EXPECT_EQ(computerTray.bottom, humanTray.top);
        EXPECT_EQ(platform.trays[0].geometry, computerTray);
        EXPECT_EQ(platform.trays[1].geometry, humanTray);
        EXPECT_EQ(PanelClashes(), c.panelClashes);
    }

    // The trays, the dice pictures and the move list that reach outside the
    // client area, over a point or a bar, or over each other.
    std::vector<std::string> PanelClashes() const
    {
        const Rect client = platform.ClientRect();
        std::vector<std::pair<std::string, Rect>> items{{"computer tray", window->Game().board[COMPUTER_TRAY].rect},
                                                        {"human tray", window->Game().board[HUMAN_TRAY].rect},
                                                        {"move list", platform.list.geometry}};
        for (int i = 0; i < 8; ++i)
            items.push_back(
                {(i < 4 ? "computer die " : "human die ") + std::to_string(i % 4 + 1), platform.dice[i].geometry});
        std::vector<std::string> clashes;
        for (std::size_t k = 0; k < items.size(); ++k) {
            const auto& [name, r] = items[k];
            if (r.right <= r.left || r.bottom <= r.top) clashes.push_back(name + " empty");
            if (!Inside(r, client)) clashes.push_back(name + " outside");
            for (int i = 0; i <= COMPUTER_BAR; ++i)
                if (Overlap(r, window->Game().board[i].rect))
                    clashes.push_back(name + " over location " + std::to_string(i));
            for (std::size_t m = k + 1; m < items.size(); ++m)
                if (Overlap(r, items[m].second)) clashes.push_back(name + " over " + items[m].first);
        }
        return clashes;
    }
};

TEST_F(HardScreens, Screen800x600)
{
    // Points 45 pixels apart but 48 wide.
    PlayOn({800, 600, 780, 600, 24, 27, 3, true, {}});
}

TEST_F(HardScreens, Screen3840x2160) { PlayOn({3840, 2160, 2040, 1360, 59, 67, 0, true, {}}); }

TEST_F(HardScreens, Screen640x480) { PlayOn({640, 480, 620, 480, 19, 21, 2, true, {"human tray over human die 4"}}); }

TEST_F(HardScreens, Screen320x200)
{
    // The formulas leave no room: the bottom row and the move list reach
    // below the client area, and the side panel crowds together.
    PlayOn({320,
            200,
            300,
            200,
            8,
            9,
            0,
            false,
            {"computer tray over location 1", "human tray over human die 2", "move list outside",
             "move list over human die 3", "move list over human die 4", "computer die 3 over location 0",
             "computer die 3 over location 25", "computer die 4 over human die 1"}});
}

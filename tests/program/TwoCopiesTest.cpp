// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the game started in the same folder share its settings file
// and its graph file. Whatever the order their games end in, the stored
// scores are what was there plus the points of every game of both, and the
// graph holds every game: each copy reads them again under the folder's lock
// and adds its own game.
#include "GameFixture.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>

#include "core/files/WinGraph.h"
#include "core/settings/Profile.h"
#include "program/dialogs/FinishDlg.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* SHARED_FOLDER_VARIABLE = "TABLOR_SHARED_FOLDER";
constexpr int GAMES_PER_PROCESS = 12;

// One copy of the game, started in a folder it may share with others.
struct Copy {
    explicit Copy(const fs::path& folder)
    {
        window = std::make_unique<BackgWnd>(platform, AppPaths(folder.string()), settings);
        platform.post = [this](const Message& m) { window->Post(m); };
        Pump();
    }
    void Pump()
    {
        for (int guard = 0; guard < 1000 && window->HasMessages(); ++guard) window->PumpMessages();
    }
    // Finishes the game in progress quick; Again starts the next one.
    void FinishGame()
    {
        platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDOK); });
        platform.Input().Menu(ID_FINISH_GAME);
        Pump();
    }
    int Points() const { return window->Game().ScoreSinceStart[HUMAN] + window->Game().ScoreSinceStart[COMPUTER]; }
    int Total() const { return settings.Score[HUMAN] + settings.Score[COMPUTER]; }

    TestPlatform platform;
    Settings settings;
    std::unique_ptr<BackgWnd> window;
};

// A folder of its own holding a settings file with scores 3 and 4.
fs::path SharedFolder(const std::string& name)
{
    const fs::path folder = fs::temp_directory_path() / (name + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "tablorw.ini") << "[Options]\nAutoFinish=0\n[Game]\nHuman=3\nComputer=4\n";
    return folder;
}

int StoredScores(const fs::path& folder)
{
    const Profile profile((folder / "tablorw.ini").string());
    return profile.GetInt("Game", "Human", 0) + profile.GetInt("Game", "Computer", 0);
}

// The games the graph file counted since it started at 50 %: a game that
// brings the percentage to 0 cannot happen in so few games.
int GraphGames(const fs::path& folder)
{
    std::ifstream in(folder / "tablorw32.gph", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    WinGraph graph;
    DecodeWinGraph(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), graph);
    return static_cast<int>(std::count_if(graph.percent.begin(), graph.percent.end(), [](int p) { return p != 0; })) -
           1;
}

} // namespace

TEST(TwoCopies, WindowsInOneFolderAddUpTheirScoresAndGraph)
{
    const fs::path folder = SharedFolder("tablor-two-copies-");
    {
        Copy first(folder), second(folder);
        for (Copy* copy : {&first, &second, &second, &first, &first, &second}) {
            copy->FinishGame();
            // The statistics dialog of the game showed the stored total.
            EXPECT_EQ(copy->Total(), StoredScores(folder));
        }
        EXPECT_EQ(StoredScores(folder), 7 + first.Points() + second.Points());
        EXPECT_GE(first.Points() + second.Points(), 6);
        EXPECT_EQ(GraphGames(folder), 6);
        for (const Copy* copy : {&first, &second}) {
            EXPECT_FALSE(copy->platform.lockedFolders.empty());
            for (const std::string& locked : copy->platform.lockedFolders) EXPECT_EQ(locked, folder.string());
            EXPECT_EQ(copy->platform.locksHeld, 0);
        }
    }
    fs::remove_all(folder);
}

// The same with two programs running at the same time. Run with the shared
// folder in TABLOR_SHARED_FOLDER, the test is one of the two copies.
TEST(TwoCopies, ProcessesInOneFolderAddUpTheirScoresAndGraph)
{
    if (const char* shared = std::getenv(SHARED_FOLDER_VARIABLE)) {
        Copy copy{fs::path(shared)};
        for (int game = 0; game < GAMES_PER_PROCESS; ++game) copy.FinishGame();
        std::printf("points %d\n", copy.Points());
        return;
    }
    const fs::path folder = SharedFolder("tablor-two-processes-");
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string command = "env -u GTEST_OUTPUT -u GTEST_REPEAT " + std::string(SHARED_FOLDER_VARIABLE) + "='" +
                                folder.string() + "' '" + fs::read_symlink("/proc/self/exe").string() +
                                "' --gtest_filter=" + info->test_suite_name() + "." + info->name() + " 2>&1";
    // Both start before either is read, so that they play side by side.
    std::FILE* copies[2] = {::popen(command.c_str(), "r"), ::popen(command.c_str(), "r")};
    int points = 0;
    for (std::FILE* copy : copies) {
        ASSERT_NE(copy, nullptr);
        std::string output;
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, copy)) > 0;) output.append(buffer, got);
        const int status = ::pclose(copy);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
        const std::size_t at = output.find("points ");
        ASSERT_NE(at, std::string::npos) << output;
        points += std::atoi(output.c_str() + at + 7);
    }
    EXPECT_GE(points, 2 * GAMES_PER_PROCESS);
    EXPECT_EQ(StoredScores(folder), 7 + points);
    EXPECT_EQ(GraphGames(folder), 2 * GAMES_PER_PROCESS);
    fs::remove_all(folder);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "HostileFiles.h"
#include "core/dice/DiceRecord.h"
#include "core/dice/Random.h"

namespace {

namespace fs = std::filesystem;

// The old runtime's recurrence, written out afresh in 64-bit arithmetic.
std::vector<int> ReferenceDraws(std::uint64_t seed, int count)
{
    std::vector<int> draws;
    std::uint64_t state = seed;
    for (int i = 0; i < count; ++i) {
        state = (state * 214013 + 2531011) % 4294967296ULL;
        draws.push_back(static_cast<int>((state / 65536) % 32768));
    }
    return draws;
}

class FakeHost : public DiceHost {
public:
    void AskManualDice(DiceRecord& record) override
    {
        ++asked;
        if (answer) answer(record);
    }
    void InvalidRollsFile() override { ++invalid; }
    bool IsAutoPlay() const override { return autoPlay; }
    std::string RollsPath() const override { return path; }

    int asked = 0;
    int invalid = 0;
    bool autoPlay = false;
    std::string path;
    std::function<void(DiceRecord&)> answer;
};

// A rolls file in a folder of its own, removed with the fixture.
class DiceFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("tablor-dice-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        host.path = (dir / "rolls.txt").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const std::string& text, const std::string& name = "rolls.txt")
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }

    fs::path dir;
    FakeHost host;
    Random random{1};
};

std::array<int, 2> Roll(DiceRecord& record)
{
    record.RollDice();
    return {record.die[0], record.die[1]};
}

using Pair = std::array<int, 2>;

} // namespace

TEST(DiceRecord, GeneratorGoldenRolls)
{
    // The well-known sequence of the old runtime for seed 1.
    const std::vector<int> seedOne{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    EXPECT_EQ(ReferenceDraws(1, 10), seedOne);

    const std::vector<std::pair<std::uint32_t, std::vector<int>>> golden{
        {1, {6, 6, 5, 5, 6, 5, 1, 1, 5, 3}},
        {12345, {1, 1, 2, 4, 3, 6, 4, 2, 3, 5}},
    };
    for (const auto& [seed, dice] : golden) {
        const std::vector<int> reference = ReferenceDraws(seed, 200);
        Random random(seed);
        for (int i = 0; i < 200; ++i) {
            const int draw = random.Next();
            ASSERT_EQ(draw, reference[i]) << "seed " << seed << " draw " << i;
            if (i < 10) {
                EXPECT_EQ(draw % 6 + 1, dice[i]) << "seed " << seed << " die " << i;
            }
        }
    }
}

TEST(DiceRecord, GeneratedOpeningNeverDoublet)
{
    FakeHost host;
    Random random(1);
    DiceRecord record(&random, &host);
    // Seed 1 draws 6-6 and 5-5 first: both are re-rolled for the opening.
    EXPECT_EQ(Roll(record), (Pair{6, 5}));
    EXPECT_EQ(record.moves, 2);
    EXPECT_EQ(record.die[2], 255);
    // Later rolls may be doublets.
    EXPECT_EQ(Roll(record), (Pair{1, 1}));
    EXPECT_EQ(record.moves, 4);
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(Roll(record), (Pair{5, 3}));
    EXPECT_EQ(record.history, (std::vector<std::uint8_t>{6, 5, 1, 1, 5, 3}));
    EXPECT_EQ(record.historyPos, 6);

    int doubletsAfterOpening = 0;
    for (std::uint32_t seed = 1; seed <= 600; ++seed) {
        random.Seed(seed);
        record.history.clear();
        record.historyPos = 0;
        record.RollDice();
        ASSERT_NE(record.die[0], record.die[1]) << "seed " << seed;
        ASSERT_EQ(record.moves, 2);
        record.RollDice();
        doubletsAfterOpening += record.die[0] == record.die[1];
    }
    EXPECT_GT(doubletsAfterOpening, 0);
    EXPECT_EQ(host.asked, 0);
    EXPECT_EQ(host.invalid, 0);
}

TEST(DiceRecord, ManualSourceThroughHost)
{
    FakeHost host;
    host.answer = [](DiceRecord& r) { r.die[0] = r.die[1] = 4; };
    Random random(7);
    Random reference(7);
    DiceRecord record(&random, &host);
    record.mode = DICE_MANUAL;
    // A manual opening may be a doublet; the generator still draws two dice.
    EXPECT_EQ(Roll(record), (Pair{4, 4}));
    EXPECT_EQ(record.moves, 4);
    EXPECT_EQ(record.die[3], 4);
    EXPECT_EQ(host.asked, 1);
    Roll(record);
    EXPECT_EQ(host.asked, 2);
    for (int i = 0; i < 4; ++i) reference.Next();
    EXPECT_EQ(random.Next(), reference.Next());

    // A value that is no die never reaches the record.
    host.answer = [](DiceRecord& r) { r.die[0] = 9; };
    random.Seed(12345);
    EXPECT_EQ(Roll(record), (Pair{1, 1}));

    // While the program plays both sides no dialog is shown; seed 1 then
    // opens with the generated 6-6.
    host.autoPlay = true;
    host.asked = 0;
    random.Seed(1);
    record.history.clear();
    record.historyPos = 0;
    EXPECT_EQ(Roll(record), (Pair{6, 6}));
    EXPECT_EQ(record.moves, 4);
    EXPECT_EQ(host.asked, 0);
}

TEST_F(DiceFiles, SingleDigitAndCycle)
{
    Write("1");
    DiceRecord record(&random, &host);
    record.mode = DICE_FROM_FILE;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Roll(record), (Pair{1, 1}));
        EXPECT_EQ(record.moves, 4);
    }
    EXPECT_TRUE(record.RollsFileOpen());

    record.CloseRollsFile();
    Write("1 2 3");
    EXPECT_EQ(Roll(record), (Pair{1, 2}));
    EXPECT_EQ(Roll(record), (Pair{3, 1}));
    EXPECT_EQ(Roll(record), (Pair{2, 3}));
    EXPECT_EQ(Roll(record), (Pair{1, 2}));
    EXPECT_EQ(host.invalid, 0);
    // Two draws per roll whatever the source.
    Random reference(1);
    for (int i = 0; i < 14; ++i) reference.Next();
    EXPECT_EQ(random.Next(), reference.Next());
}

TEST_F(DiceFiles, SeparatorsIgnoredAndBackslashPath)
{
    Write("3,5 - 6\r\n6\n0 7 8 9 x2a!1");
    std::string path = host.path;
    for (char& c : path)
        if (c == '/') c = '\\';
    host.path = path;
    DiceRecord record(&random, &host);
    record.mode = DICE_FROM_FILE;
    EXPECT_EQ(Roll(record), (Pair{3, 5}));
    EXPECT_EQ(Roll(record), (Pair{6, 6}));
    EXPECT_EQ(record.moves, 4);
    EXPECT_EQ(Roll(record), (Pair{2, 1}));
    EXPECT_EQ(Roll(record), (Pair{3, 5}));
    EXPECT_EQ(host.invalid, 0);
}

TEST_F(DiceFiles, FileWithoutDiceFallsBack)
{
    Write("0 7 8 9\n0789");
    DiceRecord record(&random, &host);
    record.mode = DICE_FROM_FILE;
    // The failed opening roll keeps the generated values, and they may not be
    // a doublet: seed 1 gives 6-5 after 6-6 and 5-5.
    EXPECT_EQ(Roll(record), (Pair{6, 5}));
    EXPECT_EQ(host.invalid, 1);
    EXPECT_EQ(record.mode, DICE_GENERATED);
    EXPECT_FALSE(record.RollsFileOpen());
    EXPECT_EQ(Roll(record), (Pair{1, 1}));
    EXPECT_EQ(host.invalid, 1);

    // The next game tries the file again and warns again.
    record.mode = DICE_FROM_FILE;
    record.history.clear();
    record.historyPos = 0;
    Roll(record);
    EXPECT_EQ(host.invalid, 2);

    // An empty file and a missing file fail the same way.
    Write("");
    record.mode = DICE_FROM_FILE;
    Roll(record);
    EXPECT_EQ(host.invalid, 3);
    fs::remove(dir / "rolls.txt");
    record.mode = DICE_FROM_FILE;
    random.Seed(1);
    record.history.clear();
    record.historyPos = 0;
    EXPECT_EQ(Roll(record), (Pair{6, 5}));
    EXPECT_EQ(host.invalid, 4);
    EXPECT_EQ(record.mode, DICE_GENERATED);
}

TEST_F(DiceFiles, FileOpeningMayBeDoubletAndContinuesAcrossGames)
{
    Write("33 1 2 3 4 5 6");
    DiceRecord record(&random, &host);
    record.mode = DICE_FROM_FILE;
    EXPECT_EQ(Roll(record), (Pair{3, 3}));
    EXPECT_EQ(record.moves, 4);
    EXPECT_EQ(Roll(record), (Pair{1, 2}));
    // A new game keeps the file where it stopped.
    record.history.clear();
    record.historyPos = 0;
    EXPECT_EQ(Roll(record), (Pair{3, 4}));
    EXPECT_EQ(record.history, (std::vector<std::uint8_t>{3, 4}));
    // Closing it starts it again from its beginning.
    record.CloseRollsFile();
    EXPECT_EQ(Roll(record), (Pair{3, 3}));
    EXPECT_EQ(host.invalid, 0);
}

TEST_F(DiceFiles, FileRemovedBetweenRolls)
{
    Write("1 2 3 4");
    DiceRecord record(&random, &host);
    record.mode = DICE_FROM_FILE;
    EXPECT_EQ(Roll(record), (Pair{1, 2}));
    fs::remove(dir / "rolls.txt");
    // The open file goes on being read, or fails cleanly to generated rolls.
    for (int i = 0; i < 3; ++i) {
        const Pair roll = Roll(record);
        EXPECT_GE(roll[0], 1);
        EXPECT_LE(roll[0], 6);
        EXPECT_GE(roll[1], 1);
        EXPECT_LE(roll[1], 6);
    }
    if (record.mode == DICE_FROM_FILE) {
        EXPECT_EQ(host.invalid, 0);
        EXPECT_EQ(record.history, (std::vector<std::uint8_t>{1, 2, 3, 4, 1, 2, 3, 4}));
    } else {
        EXPECT_EQ(host.invalid, 1);
        EXPECT_FALSE(record.RollsFileOpen());
    }
}

// A rolls file that is no file, or whose next die lies too far on, fails as
// a file without dice: a fifo would block the game, /dev/zero spin for ever.
TEST_F(DiceFiles, NoFileOrNoDieNearbyFallsBack)
{
    const FilledFifo fifo((dir / "fifo").string(), "31 52 64");
    ASSERT_TRUE(fifo.Ready());
    int expected = 0;
    for (const std::string& other : {fifo.Path(), std::string("/dev/zero"), dir.string()}) {
        host.path = other;
        DiceRecord record(&random, &host);
        record.mode = DICE_FROM_FILE;
        Roll(record);
        EXPECT_EQ(host.invalid, ++expected) << other;
        EXPECT_EQ(record.mode, DICE_GENERATED) << other;
    }

    // The next die may lie up to 64 KiB after the last one, not further.
    host.path = (dir / "rolls.txt").string();
    const std::string gap(ROLLS_FILE_SEARCH_LIMIT, 'x');
    Write(gap + "3" + gap + "1" + gap + "5" + gap + "2");
    DiceRecord record(&random, &host);
    record.mode = DICE_FROM_FILE;
    EXPECT_EQ(Roll(record), (Pair{3, 1}));
    EXPECT_EQ(Roll(record), (Pair{5, 2}));
    EXPECT_EQ(host.invalid, expected);
    record.CloseRollsFile();
    Write(gap + "x31");
    Roll(record);
    EXPECT_EQ(host.invalid, expected + 1);
    EXPECT_EQ(record.mode, DICE_GENERATED);
}

TEST(DiceRecord, ReplayThenFreshRolls)
{
    FakeHost host;
    Random random(1);
    DiceRecord record(&random, &host);
    std::vector<std::array<std::uint8_t, 4>> played;
    for (int i = 0; i < 3; ++i) {
        record.RollDice();
        played.push_back(record.die);
    }
    const std::vector<std::uint8_t> recorded = record.history;

    // The next game replays them; the generator is left alone meanwhile.
    record.replay = true;
    record.historyPos = 0;
    random.Seed(99);
    for (int i = 0; i < 3; ++i) {
        record.RollDice();
        EXPECT_EQ(record.die, played[i]) << "roll " << i;
        EXPECT_EQ(record.historyPos, 2 * (i + 1));
    }
    EXPECT_EQ(record.moves, 2);
    EXPECT_EQ(record.history, recorded);
    Random reference(99);
    const int firstFresh = reference.Die();
    const int secondFresh = reference.Die();

    // Past the recorded rolls fresh ones follow and are recorded.
    record.RollDice();
    EXPECT_FALSE(record.replay);
    EXPECT_EQ(record.die[0], firstFresh);
    EXPECT_EQ(record.die[1], secondFresh);
    EXPECT_EQ(record.historyPos, 8);
    ASSERT_EQ(record.history.size(), 8u);
    EXPECT_EQ(record.history[6], firstFresh);
    EXPECT_EQ(record.history[7], secondFresh);
}

TEST(DiceRecord, RemoveAndGiveBackDice)
{
    DiceRecord record(nullptr, nullptr);
    record.SetRoll(3, 5);
    EXPECT_FALSE(record.RemoveDie(4));
    EXPECT_EQ(record.moves, 2);
    EXPECT_TRUE(record.RemoveDie(3));
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{5, 255, 255, 255}));
    EXPECT_EQ(record.moves, 1);
    record.GiveBackDie(3);
    record.GiveBackDie(5);
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{5, 3, 5, 255}));
    // The last die of the value goes.
    EXPECT_TRUE(record.RemoveDie(5));
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{5, 3, 255, 255}));
    EXPECT_EQ(record.moves, 2);

    record.SetRoll(2, 2);
    EXPECT_EQ(record.moves, 4);
    record.GiveBackDie(6);
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{2, 2, 2, 2}));
    for (int left = 3; left >= 0; --left) {
        EXPECT_TRUE(record.RemoveDie(2));
        EXPECT_EQ(record.moves, left);
    }
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{255, 255, 255, 255}));
    EXPECT_FALSE(record.RemoveDie(2));
    EXPECT_EQ(record.moves, 0);

    record.SetRoll(6, 1);
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{6, 1, 255, 255}));
    EXPECT_EQ(record.moves, 2);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <tuple>
#include <vector>

#include "ReferenceSearch.h"
#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/board/SelfPlay.h"
#include "core/dice/DiceRecord.h"

namespace {

constexpr std::int32_t NO_SCORE = std::numeric_limits<std::int32_t>::min();
using Bytes = std::array<std::uint8_t, 4>;

// A valid board from (location, owner, count) entries; bars and trays keep
// their fixed owners.
BoardData Pos(std::initializer_list<std::tuple<int, int, int>> spots)
{
    BoardData b{};
    for (auto [location, owner, count] : spots) b[location] = Spot{static_cast<std::int8_t>(count), owner};
    return WithFixedOwners(b);
}

// The live board, the dice record and the rules of one game, the computer
// to move.
class ComputerPlayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.BuildBoard(true);
        board.CurrentPlayer = COMPUTER;
    }

    // Puts `data` on the board and the roll first-second in the record.
    void Set(const BoardData& data, int first, int second)
    {
        ASSERT_TRUE(IsValid(data));
        board.SetData(data);
        rules.UpdateRace();
        dice.SetRoll(first, second);
    }

    Board board;
    Random random{1};
    DiceRecord dice{&random, nullptr};
    RulesEngine rules{&board, &dice};
    // The skill level the searches are asked for.
    int level = 2;
};

// The positions and rolls of the searches of a few seeded games, as the
// computer sees them (the human's turns mirrored).
struct Sample {
    BoardData board;
    int first, second;
};

std::vector<Sample> SelfPlaySamples(int games, std::uint32_t seed, int computerLevel = 2, int humanLevel = 2)
{
    std::vector<Sample> samples;
    SelfPlayOptions options;
    options.computerLevel = computerLevel;
    options.humanLevel = humanLevel;
    options.onTurn = [&](const SelfPlayTurn& turn) {
        samples.push_back({turn.player == COMPUTER ? turn.before : Mirrored(turn.before), turn.first, turn.second});
    };
    Random random(seed);
    for (int g = 0; g < games; ++g) PlaySelfGame(random, options);
    return samples;
}

} // namespace

TEST_F(ComputerPlayer, OpeningTableAnswersTheFirstTurnAtGood)
{
    // Rows by the first die: 6-5 has an entry, 5-6 none, doubles none.
    EXPECT_EQ(OpeningTable[(6 - 1) * 6 + (5 - 1)], (std::array<std::uint8_t, 2>{24, 18}));
    EXPECT_EQ(OpeningTable[(5 - 1) * 6 + (6 - 1)][0], 0);
    EXPECT_EQ(OpeningTable[(3 - 1) * 6 + (1 - 1)], (std::array<std::uint8_t, 2>{8, 6}));
    EXPECT_EQ(OpeningTable[(1 - 1) * 6 + (3 - 1)], (std::array<std::uint8_t, 2>{6, 8}));
    EXPECT_EQ(OpeningTable[(4 - 1) * 6 + (6 - 1)], (std::array<std::uint8_t, 2>{24, 20}));
    EXPECT_EQ(OpeningTable[(1 - 1) * 6 + (6 - 1)], (std::array<std::uint8_t, 2>{8, 13}));
    for (int d = 1; d <= 6; ++d) EXPECT_EQ(OpeningTable[(d - 1) * 6 + (d - 1)][0], 0);

    const BoardData start = WithFixedOwners(StandardSetup());
    // 6-5: 24 to 18 and on to 13, from the table (no score), the record kept as rolled.
    Set(start, 6, 5);
    rules.ChooseMove(true, level);
    EXPECT_EQ(rules.bestFrom[0], 24);
    EXPECT_EQ(rules.bestFrom[1], 18);
    EXPECT_EQ(rules.bestDice, (Bytes{6, 5, 255, 255}));
    EXPECT_EQ(rules.bestScore, NO_SCORE);
    EXPECT_EQ(dice.die, (Bytes{6, 5, 255, 255}));

    // 5-6 has no entry: searched, both orders, the record left swapped.
    Set(start, 5, 6);
    rules.ChooseMove(true, level);
    EXPECT_NE(rules.bestScore, NO_SCORE);
    EXPECT_EQ(dice.die, (Bytes{6, 5, 255, 255}));
    EXPECT_EQ(dice.moves, 2);

    // 3-1 at "Good": 8 to 5 and 6 to 5 without a search.
    Set(start, 3, 1);
    rules.ChooseMove(true, level);
    EXPECT_EQ(rules.bestFrom[0], 8);
    EXPECT_EQ(rules.bestFrom[1], 6);
    EXPECT_EQ(rules.bestDice, (Bytes{3, 1, 255, 255}));
    EXPECT_EQ(rules.bestScore, NO_SCORE);

    // At "Average" the same roll is searched, and without the flag too.
    level = 1;
    Set(start, 3, 1);
    rules.ChooseMove(true, level);
    EXPECT_NE(rules.bestScore, NO_SCORE);
    level = 2;
    Set(start, 3, 1);
    rules.ChooseMove(false, level);
    EXPECT_NE(rules.bestScore, NO_SCORE);

    // The table is not used where its play is impossible (a piece on the bar).
    BoardData barred = start;
    barred[6].count = 4;
    barred[COMPUTER_BAR].count = 1;
    Set(barred, 6, 5);
    rules.ChooseMove(true, level);
    EXPECT_EQ(rules.bestFrom[0], COMPUTER_BAR);
    EXPECT_NE(rules.bestScore, NO_SCORE);
}

TEST_F(ComputerPlayer, UnusableDiceAreDropped)
{
    // All fifteen on point 7 and point 1 held: the 6 cannot be played before
    // or after the 1 (the pieces are not all home), so it is removed.
    const BoardData stuck = Pos({{7, COMPUTER, 15}, {1, HUMAN, 2}, {24, HUMAN, 13}});
    Set(stuck, 6, 1);
    rules.ChooseMove(false, level);
    EXPECT_EQ(dice.moves, 1);
    EXPECT_EQ(dice.die, (Bytes{1, 255, 255, 255}));
    EXPECT_EQ(rules.bestFrom[0], 7);
    EXPECT_EQ(rules.bestDice[0], 1);
    EXPECT_NE(rules.bestScore, NO_SCORE);

    // On the bar against a closed board neither die can be played.
    const BoardData closed = Pos({{COMPUTER_BAR, COMPUTER, 1},
                                  {6, COMPUTER, 14},
                                  {19, HUMAN, 3},
                                  {20, HUMAN, 2},
                                  {21, HUMAN, 2},
                                  {22, HUMAN, 2},
                                  {23, HUMAN, 3},
                                  {24, HUMAN, 3}});
    Set(closed, 4, 2);
    rules.ChooseMove(false, level);
    EXPECT_EQ(dice.moves, 0);
    EXPECT_EQ(dice.die, (Bytes{255, 255, 255, 255}));
    EXPECT_EQ(rules.bestFrom, (Bytes{255, 255, 255, 255}));

    // A double of which only two can be played from the bar: two entries, then blocked.
    const BoardData entering = Pos({{COMPUTER_BAR, COMPUTER, 2},
                                    {6, COMPUTER, 13},
                                    {18, HUMAN, 2},
                                    {19, HUMAN, 2},
                                    {20, HUMAN, 2},
                                    {22, HUMAN, 2},
                                    {23, HUMAN, 2},
                                    {24, HUMAN, 2},
                                    {17, HUMAN, 3}});
    // 4s enter on 21 and, once both are in, the pieces on 6 can play the rest
    // (21 to 17 is held): all four are played, the bar first.
    Set(entering, 4, 4);
    rules.ChooseMove(false, level);
    EXPECT_EQ(dice.moves, 4);
    EXPECT_EQ(rules.bestFrom[0], COMPUTER_BAR);
    EXPECT_EQ(rules.bestFrom[1], COMPUTER_BAR);
    // With 5s no piece can enter (20 is held): all four go.
    Set(entering, 5, 5);
    rules.ChooseMove(false, level);
    EXPECT_EQ(dice.moves, 0);

    // DropUnusableDice alone: the greedy play in the record's order.
    Set(stuck, 1, 6);
    rules.DropUnusableDice();
    EXPECT_EQ(dice.moves, 1);
    EXPECT_EQ(dice.die, (Bytes{1, 255, 255, 255}));
    EXPECT_EQ(board.Data(), stuck);
}

TEST_F(ComputerPlayer, NoDiceLeftPlaysNothing)
{
    const BoardData start = WithFixedOwners(StandardSetup());
    Set(start, 3, 1);
    dice.moves = 0;
    dice.die.fill(255);
    rules.ChooseMove(true, level);
    rules.ChooseMove(false, level);
    EXPECT_EQ(dice.moves, 0);
    EXPECT_EQ(rules.bestFrom, (Bytes{255, 255, 255, 255}));
    EXPECT_EQ(rules.bestScore, NO_SCORE);
    EXPECT_EQ(board.Data(), start);

    // A record with no die values in its slots gives nothing to play either.
    dice.moves = 2;
    rules.ChooseMove(false, level);
    EXPECT_EQ(dice.moves, 0);
    EXPECT_EQ(rules.bestFrom, (Bytes{255, 255, 255, 255}));
}

TEST_F(ComputerPlayer, TiesKeepTheFirstPlayFound)
{
    // A race where no play crosses a quarter or covers a home point: every
    // play scores 2 x (quarters of the human - quarters of the computer).
    const BoardData race = Pos({{11, COMPUTER, 1}, {10, COMPUTER, 1}, {5, COMPUTER, 13}, {20, HUMAN, 15}});
    for (int level : {0, 1, 2, 3}) {
        Set(race, 1, 2);
        ASSERT_TRUE(rules.race);
        rules.ChooseMove(false, level);
        // The rolled order first and the highest source first: 11 with the 1,
        // then the highest piece (now on 10) with the 2.
        EXPECT_EQ(rules.bestFrom[0], 11) << "level " << level;
        EXPECT_EQ(rules.bestFrom[1], 10) << "level " << level;
        EXPECT_EQ(rules.bestDice, (Bytes{1, 2, 255, 255}));
        EXPECT_EQ(rules.bestScore, 2 * (15 - 17));
        EXPECT_EQ(dice.die, (Bytes{2, 1, 255, 255}));
    }
}

TEST_F(ComputerPlayer, RaceScoreIsTheSameAtEveryLevel)
{
    // All home and ahead: newly covered home points count, plus twice the
    // quarter lead. With 2-1 the best covers points 2 and 3 from point 4.
    const BoardData home = Pos({{6, COMPUTER, 5}, {5, COMPUTER, 5}, {4, COMPUTER, 5}, {20, HUMAN, 15}});
    for (int level : {0, 1, 2}) {
        Set(home, 2, 1);
        rules.ChooseMove(false, level);
        EXPECT_EQ(rules.bestFrom[0], 4);
        EXPECT_EQ(rules.bestFrom[1], 4);
        EXPECT_EQ(rules.bestDice, (Bytes{2, 1, 255, 255}));
        EXPECT_EQ(rules.bestScore, 2 + 2 * (15 - 15));
    }
    // Bearing off lowers the own quarter count: 6-5 takes two pieces off.
    Set(home, 6, 5);
    rules.ChooseMove(false, level);
    EXPECT_EQ(rules.bestFrom[0], 6);
    EXPECT_EQ(rules.bestFrom[1], 5);
    EXPECT_EQ(rules.bestScore, 2 * (15 - 13));
}

TEST_F(ComputerPlayer, DoublingBalanceAndTakes)
{
    // The computer 37 pips behind with no blots and nobody on the bar.
    const BoardData behind37 = Pos({{24, COMPUTER, 2},
                                    {13, COMPUTER, 5},
                                    {8, COMPUTER, 3},
                                    {6, COMPUTER, 5},
                                    {1, HUMAN, 2},
                                    {17, HUMAN, 3},
                                    {19, HUMAN, 8},
                                    {20, HUMAN, 2}});
    const BoardData behind36 = Pos({{24, COMPUTER, 2},
                                    {13, COMPUTER, 5},
                                    {8, COMPUTER, 3},
                                    {7, COMPUTER, 2},
                                    {5, COMPUTER, 3},
                                    {1, HUMAN, 2},
                                    {17, HUMAN, 3},
                                    {19, HUMAN, 8},
                                    {20, HUMAN, 2}});
    board.CurrentPlayer = HUMAN;
    Set(behind37, 3, 1);
    EXPECT_FALSE(rules.race);
    EXPECT_EQ(rules.DoublingBalance(), 37);
    EXPECT_FALSE(rules.AcceptDouble());
    Set(behind36, 3, 1);
    EXPECT_EQ(rules.DoublingBalance(), 36);
    EXPECT_TRUE(rules.AcceptDouble());

    // Seen from the other side: -37 lets the computer offer, -36 does not.
    Set(Mirrored(behind37), 3, 1);
    EXPECT_EQ(rules.DoublingBalance(), -37);
    Set(Mirrored(behind36), 3, 1);
    EXPECT_EQ(rules.DoublingBalance(), -36);

    // Bars count 12 a piece and exposed blots 9; a blot with nothing behind it is safe.
    const BoardData loose = Pos({{COMPUTER_BAR, COMPUTER, 1},
                                 {10, COMPUTER, 1}, // exposed: the human's bar piece is behind it
                                 {6, COMPUTER, 13},
                                 {HUMAN_BAR, HUMAN, 1},
                                 {2, HUMAN, 1},  // exposed: computer pieces behind it
                                 {15, HUMAN, 1}, // exposed: the computer's bar piece is behind it
                                 {19, HUMAN, 12}});
    Set(loose, 3, 1);
    EXPECT_EQ(rules.ExposedBlots(COMPUTER), 1);
    EXPECT_EQ(rules.ExposedBlots(HUMAN), 2);
    EXPECT_EQ(rules.DoublingBalance(), PipCount(loose, 1) - PipCount(loose, 2) + 12 * (1 - 1) + 9 * (1 - 2));
    EXPECT_EQ(rules.Lead(HUMAN), QuarterCount(loose, 1) - QuarterCount(loose, 2));
}

TEST_F(ComputerPlayer, TakeRulesForRaceAndStraggler)
{
    // A race: take while the doubler's pips in sevens exceed the computer's.
    const BoardData own63 =
        Pos({{6, COMPUTER, 4}, {5, COMPUTER, 3}, {4, COMPUTER, 3}, {3, COMPUTER, 2}, {2, COMPUTER, 3}});
    const std::pair<int, int> pips70[] = {{19, 5}, {20, 5}, {21, 2}, {22, 1}, {23, 2}};
    const std::pair<int, int> pips69[] = {{19, 5}, {20, 5}, {21, 2}, {22, 1}, {23, 1}, {24, 1}};
    BoardData take = own63, refuse = own63;
    for (auto [i, n] : pips70) take[i] = Spot{static_cast<std::int8_t>(n), HUMAN};
    for (auto [i, n] : pips69) refuse[i] = Spot{static_cast<std::int8_t>(n), HUMAN};
    board.CurrentPlayer = HUMAN;
    Set(take, 6, 6);
    ASSERT_TRUE(rules.race);
    ASSERT_EQ(PipCount(take, HUMAN), 70);
    ASSERT_EQ(PipCount(take, COMPUTER), 63);
    EXPECT_TRUE(rules.AcceptDouble());
    Set(refuse, 6, 6);
    ASSERT_EQ(PipCount(refuse, HUMAN), 69);
    EXPECT_FALSE(rules.AcceptDouble());

    // One computer piece left behind a block of five human points: refused
    // although the balance is well below 37; with a block of three it is taken.
    const BoardData blocked = Pos({{20, COMPUTER, 1},
                                   {6, COMPUTER, 4},
                                   {5, COMPUTER, 4},
                                   {4, COMPUTER, 3},
                                   {3, COMPUTER, 3},
                                   {24, HUMAN, 2},
                                   {23, HUMAN, 2},
                                   {22, HUMAN, 2},
                                   {21, HUMAN, 2},
                                   {19, HUMAN, 2},
                                   {18, HUMAN, 5}});
    const BoardData open = Pos({{20, COMPUTER, 1},
                                {6, COMPUTER, 4},
                                {5, COMPUTER, 4},
                                {4, COMPUTER, 3},
                                {3, COMPUTER, 3},
                                {24, HUMAN, 2},
                                {23, HUMAN, 2},
                                {18, HUMAN, 11}});
    Set(blocked, 3, 1);
    ASSERT_FALSE(rules.race);
    ASSERT_LT(rules.DoublingBalance(), 37);
    // The block is read from the board as it stands, not from an earlier search.
    rules.block = {0, 0, 0};
    EXPECT_FALSE(rules.AcceptDouble());
    Set(open, 3, 1);
    ASSERT_LT(rules.DoublingBalance(), 37);
    rules.block = {0, 0, 9};
    EXPECT_TRUE(rules.AcceptDouble());
}

TEST_F(ComputerPlayer, SearchLeavesTheBoardAndReportsItsTime)
{
    const std::vector<Sample> samples = SelfPlaySamples(3, 11);
    ASSERT_GT(samples.size(), 100u);
    for (const Sample& s : samples) {
        Set(s.board, s.first, s.second);
        const BoardSnapshot before = SnapshotBoard(board);
        rules.ChooseMove(false, level);
        ASSERT_EQ(board.Data(), s.board);
        const BoardSnapshot after = SnapshotBoard(board);
        for (int i = 0; i < LOCATIONS; ++i) ASSERT_EQ(after[i].rect, before[i].rect);
    }

    // The time is tick count after minus before, across the counter's wrap.
    std::uint32_t now = 0xFFFFFFF0u;
    rules.tickCount = [&now] {
        const std::uint32_t t = now;
        now += 0x30;
        return t;
    };
    Set(WithFixedOwners(StandardSetup()), 5, 6);
    EXPECT_EQ(rules.ChooseMove(false, level), 0x30);
}

TEST_F(ComputerPlayer, SuggestionSearchesTheMirroredBoard)
{
    // The human's opening 3-1 by the table: 17 to 20 and 19 to 20.
    const BoardData start = WithFixedOwners(StandardSetup());
    board.CurrentPlayer = HUMAN;
    Set(start, 3, 1);
    const BoardSnapshot before = SnapshotBoard(board);
    std::array<std::pair<int, int>, 4> moves{};
    int count = 0;
    rules.SuggestMove(true, moves, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(moves[0], (std::pair{17, 20}));
    EXPECT_EQ(moves[1], (std::pair{19, 20}));
    EXPECT_EQ(board.CurrentPlayer, HUMAN);
    const BoardSnapshot after = SnapshotBoard(board);
    for (int i = 0; i < LOCATIONS; ++i) {
        EXPECT_EQ(after[i].count, before[i].count);
        EXPECT_EQ(after[i].owner, before[i].owner);
        EXPECT_EQ(after[i].rect, before[i].rect);
    }

    // Bearing off: a target above 24 is the tray.
    const BoardData off = Pos({{24, HUMAN, 1}, {23, HUMAN, 14}, {6, COMPUTER, 15}});
    Set(off, 2, 1);
    rules.SuggestMove(false, moves, count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(moves[0], (std::pair{23, 25}));
    EXPECT_EQ(moves[1], (std::pair{24, 25}));
}

TEST_F(ComputerPlayer, FastSearchMatchesThePlainOne)
{
    // Every choice, score, die order and kept value equals that of a plain
    // snapshot-and-restore search, with and without skipping repeated positions.
    // Weak play leaves more blots and hits behind, so games at lower levels are mixed in.
    std::vector<Sample> samples = SelfPlaySamples(4, 3);
    for (const Sample& s : SelfPlaySamples(8, 5, 0, 1)) samples.push_back(s);
    ASSERT_GT(samples.size(), 400u);
    for (int level : {0, 1, 2}) {
        for (bool skip : {true, false}) {
            rules.skipRepeatedPositions = skip;
            for (const Sample& s : samples) {
                Set(s.board, s.first, s.second);
                reference::Search ref;
                ref.board = s.board;
                ref.die = dice.die;
                ref.moves = dice.moves;
                ref.race = rules.race;
                ref.level = level;
                ref.record = skip;
                ref.ChooseMove();
                // Each position the plain search scored gets the same score.
                for (const auto& [position, score] : ref.scored)
                    ASSERT_EQ(rules.ScorePlay(s.board, position, level), score) << "level " << level;
                rules.ChooseMove(false, level);
                ASSERT_EQ(dice.moves, ref.moves);
                ASSERT_EQ(dice.die, ref.die);
                ASSERT_EQ(rules.bestScore, ref.bestScore) << "level " << level;
                for (int k = 0; k < dice.moves; ++k) {
                    ASSERT_EQ(rules.bestFrom[k], ref.bestFrom[k]);
                    ASSERT_EQ(rules.bestDice[k], ref.bestDice[k]);
                }
            }
        }
    }
}

// Random boards with many single pieces on both sides, each followed by a
// random legal play: the engine scores every such play as the plain search
// does, at every level, in a race or not.
TEST_F(ComputerPlayer, ScoresMatchThePlainSearchOnRandomPlays)
{
    std::mt19937 gen(12345);
    auto pick = [&gen](int low, int high) { return std::uniform_int_distribution<int>(low, high)(gen); };
    int compared = 0;
    for (int round = 0; round < 40000; ++round) {
        BoardData before = WithFixedOwners(BoardData{});
        for (int p : {COMPUTER, HUMAN}) {
            // Some boards keep a side's pieces near its home, some spread them out.
            const int homeShare = pick(0, 80);
            for (int piece = 0; piece < PIECES_PER_SIDE; ++piece) {
                const int roll = pick(0, 99);
                const int home = p == COMPUTER ? pick(1, 6) : pick(19, 24);
                int at = roll < 4 ? BarOf(p) : roll < 8 ? TrayOf(p) : pick(0, 99) < homeShare ? home : pick(1, 24);
                // Pieces go on points the other side does not hold.
                if (at >= 1 && at <= 24 && before[at].owner == Opponent(p)) at = TrayOf(p);
                before[at].count = static_cast<std::int8_t>(before[at].count + 1);
                if (at >= 1 && at <= 24) before[at].owner = p;
            }
        }
        ASSERT_TRUE(IsValid(before));
        BoardData after = before;
        const int value = pick(1, 6);
        for (int k = 0, n = pick(1, 4); k < n; ++k) {
            const int v = k == 0 ? value : pick(1, 6);
            std::vector<int> sources;
            for (int from = COMPUTER_BAR; from >= 1; --from)
                if ((after[COMPUTER_BAR].count == 0 || from == COMPUTER_BAR) && LegalStep(after, COMPUTER, from, -v))
                    sources.push_back(from);
            if (sources.empty()) break;
            const int from = sources[pick(0, static_cast<int>(sources.size()) - 1)];
            MoveTo(after, from, from - v >= 1 ? from - v : COMPUTER_TRAY, COMPUTER);
        }
        reference::Search ref;
        ref.scratch[0] = before;
        ref.board = after;
        ref.race = pick(0, 3) == 0;
        ref.level = pick(0, 2);
        ref.record = true;
        ref.bestScore = NO_SCORE;
        ref.Evaluate();
        level = ref.level;
        rules.race = ref.race;
        ASSERT_EQ(rules.ScorePlay(before, after, level), ref.scored.at(0).second) << "round " << round;
        ++compared;
    }
    EXPECT_EQ(compared, 40000);

    // A second hit deep in the own home counts only while the human's block is
    // below four: here it is exactly four, so only the hit on 12 counts.
    const BoardData before = Pos({{14, COMPUTER, 1},
                                  {7, COMPUTER, 1},
                                  {20, COMPUTER, 3},
                                  {9, COMPUTER, 8},
                                  {6, COMPUTER, 2},
                                  {12, HUMAN, 1},
                                  {4, HUMAN, 1},
                                  {24, HUMAN, 2},
                                  {23, HUMAN, 2},
                                  {22, HUMAN, 2},
                                  {21, HUMAN, 2},
                                  {17, HUMAN, 5}});
    BoardData after = before;
    MoveTo(after, 14, 12, COMPUTER);
    MoveTo(after, 7, 4, COMPUTER);
    ASSERT_EQ(after[HUMAN_BAR].count, 2);
    for (int level : {1, 2}) {
        reference::Search ref;
        ref.scratch[0] = before;
        ref.board = after;
        ref.level = level;
        ref.record = true;
        ref.bestScore = NO_SCORE;
        ref.Evaluate();
        ASSERT_EQ(ref.block[2], 4);
        rules.race = false;
        EXPECT_EQ(rules.ScorePlay(before, after, level), ref.scored.at(0).second);
    }
}

// A signature of whole seeded games: every roll and every move of both sides
// folded into one number. Any change to the engine's choices, the dice or the
// turn order changes it; if such a change is intended, check the games and
// pin the new number.
TEST_F(ComputerPlayer, SelfPlaySignature)
{
    std::uint64_t signature = FNV_OFFSET;
    int turns = 0;
    const std::pair<int, int> levels[] = {{2, 2}, {0, 1}};
    for (auto [computer, human] : levels) {
        for (std::uint32_t seed : {1u, 2u}) {
            SelfPlayOptions options;
            options.computerLevel = computer;
            options.humanLevel = human;
            options.onTurn = [&](const SelfPlayTurn& turn) {
                // Every move is legal when it is played, and the board stays sound.
                BoardData b = turn.before;
                for (int k = 0; k < turn.count; ++k) {
                    const auto [from, to] = turn.moves[k];
                    const int step = to - from;
                    ASSERT_TRUE(b[BarOf(turn.player)].count == 0 || from == BarOf(turn.player));
                    ASSERT_TRUE(LegalStep(b, turn.player, from, step));
                    MoveTo(b, from, to >= 1 && to <= 24 ? to : TrayOf(turn.player), turn.player);
                }
                ASSERT_EQ(b, turn.after);
                ASSERT_TRUE(IsValid(turn.after));
                ++turns;
            };
            Random random(seed);
            const SelfPlayResult r = PlaySelfGame(random, options);
            EXPECT_NE(r.winner, NOBODY);
            EXPECT_GE(r.points, 1);
            for (int shift = 0; shift < 64; shift += 8) signature = FnvStep(signature, r.signature >> shift & 0xFF);
        }
    }
    EXPECT_GT(turns, 80);
    EXPECT_EQ(signature, 13410678062703989062u);
}

// Each engine answers for its own board, side and level: a search for the
// human's side on one board (which mirrors that board and sets its side to
// move) between searches for the computer's side on another changes nothing
// in either.
TEST(TwoEngines, SearchesInTurnMatchSearchesAlone)
{
    const std::vector<Sample> samples = SelfPlaySamples(2, 11);
    ASSERT_GT(samples.size(), 40u);
    struct Engine {
        Board board;
        Random random{1};
        DiceRecord dice{&random, nullptr};
        RulesEngine rules{&board, &dice};
        Engine(int side)
        {
            board.BuildBoard(true);
            board.CurrentPlayer = side;
        }
        // The play for a sample: the computer's by ChooseMove at level 0, the
        // human's (the sample mirrored) by the suggestion at "Good".
        std::vector<int> Play(const Sample& s)
        {
            board.SetData(board.CurrentPlayer == COMPUTER ? s.board : Mirrored(s.board));
            rules.UpdateRace();
            dice.SetRoll(s.first, s.second);
            std::vector<int> out;
            if (board.CurrentPlayer == COMPUTER) {
                rules.ChooseMove(false, 0);
                for (int k = 0; k < dice.moves; ++k) out.insert(out.end(), {rules.bestFrom[k], rules.bestDice[k]});
            } else {
                std::array<std::pair<int, int>, 4> moves{};
                int count = 0;
                rules.SuggestMove(false, moves, count, 2);
                for (int k = 0; k < count; ++k) out.insert(out.end(), {moves[k].first, moves[k].second});
            }
            out.push_back(board.CurrentPlayer);
            return out;
        }
    };
    std::vector<std::vector<int>> alone[2];
    for (int side : {COMPUTER, HUMAN}) {
        Engine engine(side);
        for (const Sample& s : samples) alone[side - 1].push_back(engine.Play(s));
    }
    Engine computer(COMPUTER), human(HUMAN);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(computer.Play(samples[i]), alone[0][i]) << i;
        EXPECT_EQ(human.Play(samples[i]), alone[1][i]) << i;
    }
}

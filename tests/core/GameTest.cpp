// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a value: applying a move conserves the pieces, a hit sends one
// piece to its bar and is counted, the value given is never changed, and a
// game replayed from its turns is the same value self-play ended with.

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "core/board/Game.h"
#include "core/board/SelfPlay.h"

namespace {

int PiecesOf(const BoardData& b, int player)
{
    int n = 0;
    for (const Spot& s : b)
        if (s.owner == player) n += s.count;
    return n;
}

} // namespace

TEST(Game, MovesConservePiecesAndHitsGoToTheBar)
{
    int allHits = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        std::vector<SelfPlayTurn> turns;
        SelfPlayOptions options;
        options.computerLevel = seed % 3;
        options.humanLevel = (seed + 1) % 3;
        options.onTurn = [&turns](const SelfPlayTurn& t) { turns.push_back(t); };
        Random random(static_cast<std::uint32_t>(seed));
        const SelfPlayResult result = PlaySelfGame(random, options);
        ASSERT_NE(result.winner, NOBODY) << "seed " << seed;

        Game game;
        int hits[3] = {0, 0, 0};
        for (std::size_t t = 0; t < turns.size(); ++t) {
            const SelfPlayTurn& turn = turns[t];
            const Roll roll{turn.first, turn.second};
            game = t == 0 ? StartGame(turn.player, roll) : BeginTurn(game, turn.player, roll);
            ASSERT_EQ(game.board, turn.before);
            ASSERT_EQ(game.turnStart, turn.before);
            for (int k = 0; k < turn.count; ++k) {
                const Game before = game;
                const MoveOutcome out = ApplyMove(game, turn.moves[k].first, turn.moves[k].second);
                ASSERT_EQ(game, before) << "the value given is not changed";
                const int mover = turn.player, other = Opponent(mover);
                EXPECT_EQ(PiecesOf(out.next.board, mover), PIECES_PER_SIDE);
                EXPECT_EQ(PiecesOf(out.next.board, other), PIECES_PER_SIDE);
                EXPECT_TRUE(IsValid(out.next.board));
                const int barGain = out.next.board[BarOf(other)].count - before.board[BarOf(other)].count;
                EXPECT_EQ(barGain, out.hit ? 1 : 0);
                EXPECT_EQ(out.next.statistics.hits[mover] - before.statistics.hits[mover], out.hit ? 1 : 0);
                hits[mover] += out.hit;
                EXPECT_EQ(out.winner, Winner(out.next.board));
                EXPECT_EQ(out.winner != NOBODY, k + 1 == turn.count && t + 1 == turns.size());
                game = out.next;
            }
            ASSERT_EQ(game.board, turn.after);
        }
        EXPECT_EQ(Winner(game.board), result.winner);
        EXPECT_EQ(Points(game), result.points);
        EXPECT_EQ(game.statistics.hits[HUMAN], hits[HUMAN]);
        EXPECT_EQ(game.statistics.hits[COMPUTER], hits[COMPUTER]);
        game.record.End(result.winner, result.points, true);
        EXPECT_EQ(game, result.game) << "seed " << seed;
        allHits += hits[HUMAN] + hits[COMPUTER];
    }
    EXPECT_GT(allHits, 20) << "the games hit too little to check the hit rule";
}

TEST(Game, TurnsCountTheirRollsAndPointsCountTheCube)
{
    Game game = StartGame(HUMAN, {6, 5});
    EXPECT_EQ(game.toMove, HUMAN);
    EXPECT_EQ(game.statistics.pipsRolled[HUMAN], 11);
    EXPECT_EQ(game.statistics.doublesRolled[HUMAN], 0);
    game = BeginTurn(game, COMPUTER, {4, 4});
    EXPECT_EQ(game.statistics.pipsRolled[COMPUTER], 16);
    EXPECT_EQ(game.statistics.doublesRolled[COMPUTER], 1);
    EXPECT_EQ(game.statistics.pipsRolled[HUMAN], 11);

    game.statistics.pipsRolled[HUMAN] = std::numeric_limits<int>::max() - 3;
    game = BeginTurn(game, HUMAN, {6, 6});
    EXPECT_EQ(game.statistics.pipsRolled[HUMAN], std::numeric_limits<int>::max());

    // The computer's last piece hits a lone human piece, then bears off.
    Game g;
    g.board = BoardData{};
    g.board[5] = {1, HUMAN};
    g.board[7] = {14, HUMAN};
    g.board[6] = {1, COMPUTER};
    g.board[COMPUTER_TRAY] = {14, COMPUTER};
    g.board = WithFixedOwners(g.board);
    g.toMove = COMPUTER;
    MoveOutcome out = ApplyMove(g, 6, 5);
    EXPECT_TRUE(out.hit);
    EXPECT_EQ(out.next.board[HUMAN_BAR].count, 1);
    EXPECT_EQ(out.winner, NOBODY);
    out = ApplyMove(out.next, 5, -1);
    EXPECT_FALSE(out.hit);
    EXPECT_EQ(out.winner, COMPUTER);
    EXPECT_EQ(out.next.board[COMPUTER_TRAY].count, PIECES_PER_SIDE);
    // The human has a piece on the bar: a backgammon, times the cube.
    out.next.cube = {4, HUMAN};
    EXPECT_EQ(Points(out.next), 12);
    EXPECT_NE(out.next, g);
}

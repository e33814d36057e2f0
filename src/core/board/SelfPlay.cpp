// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/SelfPlay.h"

#include <algorithm>
#include <chrono>

#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/dice/DiceRecord.h"

namespace {

std::uint64_t Fold(std::uint64_t hash, int value) { return FnvStep(hash, static_cast<std::uint8_t>(value)); }

// Plays the turn's move pairs on the game; false when the game is not over.
bool PlayMoves(Game& game, SelfPlayTurn& turn)
{
    for (int k = 0; k < turn.count; ++k) {
        const auto [from, to] = turn.moves[k];
        if (from < HUMAN_BAR || from > COMPUTER_BAR) return false;
        MoveOutcome outcome = ApplyMove(std::move(game), from, to);
        game = std::move(outcome.next);
        if (outcome.winner != NOBODY) {
            turn.count = k + 1;
            return true;
        }
    }
    return false;
}

} // namespace

void RecordTurn(const SelfPlayTurn& turn, GameRecord& record)
{
    record.Roll(turn.player, turn.first, turn.second);
    BoardData b = turn.before;
    for (int k = 0; k < turn.count; ++k) {
        const auto [from, to] = turn.moves[k];
        const int target = to >= 1 && to <= 24 ? to : TrayOf(turn.player);
        record.Move(from, target, Hits(b, target, turn.player));
        MoveTo(b, from, target, turn.player);
    }
}

SelfPlayResult PlaySelfGame(Random& random, const SelfPlayOptions& options)
{
    using Clock = std::chrono::steady_clock;
    SelfPlayResult result;
    result.signature = FNV_OFFSET;

    // The search works on a live board of its own, set to the game before each turn.
    Board board;
    board.BuildBoard(true);
    DiceRecord dice(&random, nullptr);
    dice.mode = DICE_GENERATED;
    RulesEngine rules(&board, &dice);
    dice.RollDice();
    rules.UpdateRace();
    Game game = StartGame(dice.die[1] > dice.die[0] ? HUMAN : COMPUTER, {dice.die[0], dice.die[1]});

    bool opening = true;
    bool over = false;
    while (!over && result.turns < options.maxTurns) {
        board.SetData(game.board);
        if (!opening) {
            board.CurrentPlayer = Opponent(game.toMove);
            dice.RollDice();
            rules.UpdateRace();
            game = BeginTurn(std::move(game), board.CurrentPlayer, {dice.die[0], dice.die[1]});
        }
        board.CurrentPlayer = game.toMove;
        SelfPlayTurn turn;
        turn.player = game.toMove;
        turn.first = game.roll.first;
        turn.second = game.roll.second;
        turn.opening = opening;
        turn.before = game.board;

        const auto started = Clock::now();
        const int level = turn.player == COMPUTER ? options.computerLevel : options.humanLevel;
        if (level > 2 && options.otherLevel) {
            turn.count = options.otherLevel(turn.before, turn.player, turn.first, turn.second, turn.moves);
            ++result.searches;
        } else if (turn.player == COMPUTER) {
            if (!ClosedOut(turn.before, COMPUTER)) {
                rules.ChooseMove(opening, options.computerLevel);
                ++result.searches;
                turn.count = std::max(0, dice.moves);
                for (int k = 0; k < turn.count; ++k)
                    turn.moves[k] = {rules.bestFrom[k], rules.bestFrom[k] - rules.bestDice[k]};
            }
        } else {
            rules.SuggestMove(opening, turn.moves, turn.count, options.humanLevel);
            ++result.searches;
        }
        result.engineSeconds += std::chrono::duration<double>(Clock::now() - started).count();

        over = PlayMoves(game, turn);
        turn.after = game.board;
        ++result.turns;
        opening = false;

        std::uint64_t h = result.signature;
        for (int v : {turn.player, turn.first, turn.second, turn.count}) h = Fold(h, v);
        for (int k = 0; k < turn.count; ++k) h = Fold(Fold(h, turn.moves[k].first), turn.moves[k].second);
        result.signature = h;
        if (options.onTurn) options.onTurn(turn);
    }

    if (over) {
        result.winner = Winner(game.board);
        result.points = Points(game);
    }
    game.record.End(result.winner, result.points, true);
    result.game = std::move(game);
    return result;
}

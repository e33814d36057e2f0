// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/SelfPlay.h"

#include <algorithm>
#include <chrono>

#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/dice/DiceRecord.h"

namespace {

std::uint64_t Fold(std::uint64_t hash, int value) { return FnvStep(hash, static_cast<std::uint8_t>(value)); }

// Plays the turn's move pairs on the live board; true when the game ended.
bool PlayMoves(Board& board, SelfPlayTurn& turn)
{
    board.CurrentPlayer = turn.player;
    for (int k = 0; k < turn.count; ++k) {
        const auto [from, to] = turn.moves[k];
        if (from < HUMAN_BAR || from > COMPUTER_BAR) return false;
        const int target = to >= 1 && to <= 24 ? to : TrayOf(turn.player);
        board[from].PlainMoveTo(target);
        if (board[HUMAN_TRAY].count == PIECES_PER_SIDE || board[COMPUTER_TRAY].count == PIECES_PER_SIDE) {
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
        const bool hit = target <= 24 && b[target].count == 1 && b[target].owner == Opponent(turn.player);
        record.Move(from, target, hit);
        MoveTo(b, from, target, turn.player);
    }
}

SelfPlayResult PlaySelfGame(Random& random, const SelfPlayOptions& options)
{
    using Clock = std::chrono::steady_clock;
    SelfPlayResult result;
    result.signature = FNV_OFFSET;

    Board board;
    board.BuildBoard(true);
    DiceRecord dice(&random, nullptr);
    dice.mode = DICE_GENERATED;
    RulesEngine rules(&board, &dice);
    dice.RollDice();
    rules.UpdateRace();
    board.CurrentPlayer = dice.die[1] > dice.die[0] ? HUMAN : COMPUTER;

    bool opening = true;
    bool over = false;
    while (!over && result.turns < options.maxTurns) {
        if (!opening) {
            board.CurrentPlayer = Opponent(board.CurrentPlayer);
            dice.RollDice();
            rules.UpdateRace();
        }
        SelfPlayTurn turn;
        turn.player = board.CurrentPlayer;
        turn.first = dice.die[0];
        turn.second = dice.die[1];
        turn.opening = opening;
        turn.before = board.Data();

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

        over = PlayMoves(board, turn);
        turn.after = board.Data();
        ++result.turns;
        opening = false;

        std::uint64_t h = result.signature;
        for (int v : {turn.player, turn.first, turn.second, turn.count}) h = Fold(h, v);
        for (int k = 0; k < turn.count; ++k) h = Fold(Fold(h, turn.moves[k].first), turn.moves[k].second);
        result.signature = h;
        if (options.onTurn) options.onTurn(turn);
    }

    if (over) {
        const BoardData end = board.Data();
        result.winner = end[HUMAN_TRAY].count == PIECES_PER_SIDE ? HUMAN : COMPUTER;
        result.points = GameValue(end);
    }
    return result;
}

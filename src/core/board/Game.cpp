// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/Game.h"

#include <utility>

#include "core/settings/Saturating.h"

Game StartGame(int starter, Roll opening)
{
    Game game;
    game.record.Start(true);
    return BeginTurn(game, starter, opening);
}

Game BeginTurn(Game game, int player, Roll roll)
{
    Game& next = game;
    next.toMove = player;
    next.turnStart = next.board;
    next.roll = roll;
    if (player == HUMAN || player == COMPUTER) {
        GameStatistics& s = next.statistics;
        const int dice = roll.Doubles() ? 4 : 2;
        for (int i = 0; i < dice; ++i)
            s.pipsRolled[player] = SaturatingAdd(s.pipsRolled[player], i == 1 ? roll.second : roll.first);
        if (roll.Doubles()) s.doublesRolled[player] = SaturatingAdd(s.doublesRolled[player], 1);
    }
    next.record.Roll(player, roll.first, roll.second);
    return game;
}

MoveOutcome ApplyMove(Game game, int from, int to)
{
    const int player = game.toMove;
    MoveOutcome outcome{std::move(game)};
    Game& next = outcome.next;
    if (from < 0 || from >= LOCATIONS || (player != HUMAN && player != COMPUTER)) return outcome;
    const int target = to >= 1 && to <= 24 ? to : TrayOf(player);
    outcome.hit = Hits(next.board, target, player);
    MoveTo(next.board, from, target, player);
    next.record.Move(from, target, outcome.hit);
    if (outcome.hit) next.statistics.hits[player] = SaturatingAdd(next.statistics.hits[player], 1);
    outcome.winner = Winner(next.board);
    return outcome;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/GameState.h"

std::string ExportedGameText(const MatchGame& game, std::time_t now)
{
    std::tm local{};
    localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "[EventDate \"%Y.%m.%d\"]", &local);
    return MatchFileText({game}, {"[Site \"Tablor\"]", date});
}

PositionFileData CurrentPositionData(const GameState& game)
{
    PositionFileData d;
    d.board = ToImage(game.board.BoardTable);
    d.die = game.dice->die;
    d.moves = game.dice->moves;
    d.movesMade = game.MovesMade;
    d.race = game.rules->race ? 1 : 0;
    d.thinkingTimeHuman = game.ThinkingTime[HUMAN];
    d.thinkingTimeComputer = game.ThinkingTime[COMPUTER];
    d.cubeOwner = game.CubeOwner;
    d.cubeValue = game.CubeValue;
    d.pipsRolledHuman = game.PipsRolled[HUMAN];
    d.pipsRolledComputer = game.PipsRolled[COMPUTER];
    d.computerMayDouble = game.ComputerMayDouble ? 1 : 0;
    d.doublesRolledHuman = game.DoublesRolled[HUMAN];
    d.doublesRolledComputer = game.DoublesRolled[COMPUTER];
    d.hitsMadeHuman = game.HitsMade[HUMAN];
    d.hitsMadeComputer = game.HitsMade[COMPUTER];
    return d;
}

std::vector<MovePair> SuggestedMoves(GameState& game, bool useBook)
{
    std::array<std::pair<int, int>, 4> moves{};
    int count = 0;
    game.rules->SuggestMove(useBook, moves, count);
    std::vector<MovePair> out;
    for (int k = 0; k < count && k < 4; ++k) {
        const int to = moves[k].second > NO_VALUE ? NO_VALUE : moves[k].second;
        out.push_back(MovePair{static_cast<std::uint8_t>(moves[k].first), static_cast<std::uint8_t>(to)});
    }
    return out;
}

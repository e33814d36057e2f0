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

CubeHolder CubeHolderFor(const GameState& game, int player)
{
    if (game.CubeOwner != HUMAN && game.CubeOwner != COMPUTER) return CubeHolder::Centred;
    return game.CubeOwner == player ? CubeHolder::Me : CubeHolder::Them;
}

std::optional<std::pair<int, int>> OpenRoll(const GameState& game)
{
    const int onRoll = game.CurrentPlayer() == COMPUTER ? COMPUTER : HUMAN;
    const MatchGame played = game.record.Game();
    if (game.record.Ended() || played.actions.empty()) return std::nullopt;
    const MatchAction& last = played.actions.back();
    if (last.kind != MatchAction::Kind::Roll || last.player != onRoll) return std::nullopt;
    return std::pair{last.first, last.second};
}

std::string CopiedGameIds(const GameState& game)
{
    MatchIdFields f;
    f.onRoll = f.toDecide = game.CurrentPlayer() == COMPUTER ? COMPUTER : HUMAN;
    f.cubeValue = game.CubeValue;
    f.cubeOwner = game.CubeOwner == HUMAN || game.CubeOwner == COMPUTER ? game.CubeOwner : NOBODY;
    if (const auto roll = OpenRoll(game)) {
        f.first = roll->first;
        f.second = roll->second;
    }
    const BoardData board =
        f.onRoll == HUMAN && game.MovesMade > 0 ? WithFixedOwners(game.board.BoardTable) : game.board.Data();
    return CopiedIds(board, f);
}

PositionFileData PastedPositionData(const GameState& game, const PastedIds& pasted)
{
    PositionFileData d = CurrentPositionData(game);
    d.board = ToImage(pasted.board);
    d.movesMade = 0;
    if (pasted.match) {
        d.cubeValue = pasted.match->cubeValue > 64 ? 64 : pasted.match->cubeValue;
        d.cubeOwner = d.cubeValue == 1 ? NOBODY : pasted.match->cubeOwner;
    }
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

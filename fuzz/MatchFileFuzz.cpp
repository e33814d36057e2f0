// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as a match file, as `tablor-engine import` does. A refused
// file must say why; a match taken must hold games whose moves, played again
// from the starting position, give the boards the reader replayed them to,
// with scores that add up, and writing those games as the program's own match
// file and reading that again must give the same games.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "core/files/MatchFile.h"
#include "core/files/MatchImport.h"

namespace {

bool IsDie(int v) { return v >= 1 && v <= 6; }

// The moves of a game played on a board of its own from the starting position.
BoardData Played(const MatchGame& game)
{
    BoardData b = WithFixedOwners(StandardSetup());
    for (const MatchAction& a : game.actions) {
        if (a.kind != MatchAction::Kind::Roll) {
            Require(a.moves.empty(), "a cube action moves no piece");
            continue;
        }
        Require(a.player == HUMAN || a.player == COMPUTER, "a roll has its player");
        Require(IsDie(a.first) && IsDie(a.second), "both dice are 1..6");
        Require(a.moves.size() <= 4, "a roll moves at most four times");
        for (const MatchMove& m : a.moves) {
            Require(m.from >= 0 && m.from < LOCATIONS && m.to >= 0 && m.to < LOCATIONS, "moves stay on the board");
            Require(b[m.from].owner == a.player && b[m.from].count > 0, "a move starts from the mover's piece");
            const bool hits = m.to >= 1 && m.to <= 24 && b[m.to].count == 1 && b[m.to].owner == Opponent(a.player);
            Require(hits == m.hit, "a move's hit mark is what happened");
            MoveTo(b, m.from, m.to, a.player);
        }
    }
    return b;
}

void Check(const ImportedMatch& match)
{
    Require(!match.games.empty(), "a match taken has a game");
    Require(match.matchLength >= 0 && match.matchLength <= MATCH_MAX_LENGTH, "the match length is in range");
    std::vector<MatchGame> games;
    for (std::size_t g = 0; g < match.games.size(); ++g) {
        const ImportedGame& game = match.games[g];
        Require(IsValid(game.finalBoard), "a replayed board keeps the model's invariants");
        Require(Played(game.game) == game.finalBoard, "the moves give the replayed board");
        Require(game.cubeValue >= 1 && (game.cubeValue & (game.cubeValue - 1)) == 0, "the cube is a power of two");
        std::array<int, 3> after = game.game.scoreBefore;
        if (game.game.winner != NOBODY) after[game.game.winner] += game.game.points;
        Require(after == game.scoreAfter, "the score after a game is the one before and its points");
        Require(game.game.winner != NOBODY || g + 1 == match.games.size(), "only the last game is unfinished");
        if (g > 0) Require(game.game.scoreBefore == match.games[g - 1].scoreAfter, "scores run on from game to game");
        games.push_back(game.game);
    }

    std::string reason;
    const std::optional<ImportedMatch> again = ImportMatchText(MatchFileText(games), reason);
    Require(again.has_value(), "the games written as a match file are read again");
    Require(again->games.size() == games.size(), "as many games");
    for (std::size_t g = 0; g < games.size(); ++g) {
        const MatchGame &a = again->games[g].game, &b = games[g];
        Require(again->games[g].finalBoard == match.games[g].finalBoard, "to the same boards");
        Require(a.winner == b.winner && a.points == b.points && a.scoreBefore == b.scoreBefore,
                "with the same results");
        Require(a.actions.size() == b.actions.size(), "with as many actions");
        for (std::size_t k = 0; k < a.actions.size(); ++k)
            Require(a.actions[k].kind == b.actions[k].kind && a.actions[k].player == b.actions[k].player &&
                        a.actions[k].moves == b.actions[k].moves && a.actions[k].cubeValue == b.actions[k].cubeValue,
                    "with the same actions");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("input.mat");
    WriteInput(path, data, size);
    std::string reason;
    const std::optional<ImportedMatch> match = ImportMatchFile(path, reason);
    if (!match) {
        Require(!reason.empty(), "a refused file says why");
        return 0;
    }
    Check(*match);
    return 0;
}

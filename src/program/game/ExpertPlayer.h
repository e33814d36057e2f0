// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Expert" level of play: the Expert's networks, read once at start-up
// from their weights file, and the plays and cube decisions the game asks of
// them. Without a usable weights file the level is not available: the
// settings page greys it out and the game plays at "Good" instead.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/board/BoardData.h"
#include "core/neural/Analysis.h"
#include "core/neural/Cube.h"
#include "core/neural/Expert.h"
#include "program/platform/Catalogue.h"

// How often, in milliseconds of the platform's clock, a search stops to look
// at the window.
constexpr int EXPERT_LOOK_MS = 25;

// The networks of a weights file, or why there are none.
struct ExpertWeights {
    std::shared_ptr<const Evaluator> evaluator; // null when the file cannot be used
    std::string path;
    std::string error; // names the file and says what is wrong with it
};

// Reads the weights file at `path` (LocateWeights() finds the program's).
ExpertWeights LoadExpertWeights(const std::string& path);
// What the player is told when the settings ask for the Expert without it.
// The English text, its %s standing for the reason.
inline constexpr const char* EXPERT_UNAVAILABLE_TEXT =
    "The Expert level is not available: %s. The computer plays at Good.";
std::string ExpertUnavailableText(const std::string& reason, const Catalogue& texts = EnglishTexts());

struct GameState;
struct MovePair;

class ExpertPlayer {
public:
    // Without weights: the level is not available.
    ExpertPlayer();
    explicit ExpertPlayer(ExpertWeights weights);
    ExpertPlayer(const ExpertPlayer&) = delete;
    ExpertPlayer& operator=(const ExpertPlayer&) = delete;

    bool Available() const { return expert != nullptr; }
    // Why it is not available ("" when it is).
    const std::string& Error() const { return weights.error; }
    // The level the game plays at when the settings ask for `asked`.
    int PlayedLevel(int asked) const;

    // The play of roll (d1, d2) for `player` on `board`, at the default depth.
    ExpertMove Choose(const BoardData& board, int player, int d1, int d2);
    // Whether `player`, on roll on `board` and not yet rolled, should double
    // with the cube where `holder` says (Me: `player` holds it), and whether
    // its opponent should take.
    CubeDecision Cube(const BoardData& board, int player, CubeHolder holder);
    // The best `count` plays of roll (d1, d2) for `player` on `board`, best
    // first, judged one ply deeper than the Expert plays (see BestPlays).
    std::vector<Hint> Hints(const BoardData& board, int player, int d1, int d2, CubeHolder holder, bool cubeful,
                            int count);
    // The Expert's judgement of a game played from the starting position
    // (see AnalyseGame) by an Expert of its own on the same networks, at
    // ANALYSIS_DEFAULT_PLIES, cube actions judged when `cube`. `progress`
    // hears of each action judged. The window is looked at as in a search,
    // and the analysis stops (incomplete) when the look or `goOn` says so.
    // Nothing when the level is not available.
    std::optional<GameAnalysis> Analyse(const MatchGame& game, bool cube, std::function<void(int, int)> progress,
                                        std::function<bool()> goOn);
    // The cube decision of `player` on roll on `board`, judged as deep as
    // the hints (the game's own cube decisions look one ply less deep).
    CubeDecision JudgeCube(const BoardData& board, int player, CubeHolder holder);
    // The play `player` made from `before` to `after`, judged as Hints judge.
    std::optional<PlayVerdict> Judge(const BoardData& before, const BoardData& after, int player, int d1, int d2,
                                     CubeHolder holder, bool cubeful);
    // During a search, `look` is called once every EXPERT_LOOK_MS by
    // `tickCount` (not at all in a search shorter than that); its false
    // abandons the search (see Expert::SetPoll).
    void SetWindowLook(std::function<std::uint32_t()> tickCount, std::function<bool()> look);

private:
    // Starts the clock of the looks for a search.
    void StartSearch();
    // Looks at the window when EXPERT_LOOK_MS have gone by since the last
    // look; false when the look says to stop.
    bool Look();

    ExpertWeights weights;
    std::unique_ptr<Expert> expert;
    std::function<std::uint32_t()> ticks;
    std::function<bool()> lookAtWindow;
    std::uint32_t lastLook = 0;
};

// The Expert's play of the human's roll, as the moves of a suggestion.
std::vector<MovePair> ExpertSuggestedMoves(GameState& game, ExpertPlayer& expert);

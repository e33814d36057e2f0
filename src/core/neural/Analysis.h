// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game judged by the Expert: every checker play and cube action of both
// sides against the Expert's best for that moment, the equity each one lost,
// a mark for the big errors, and per side the error rate, a rating and the
// luck of its dice.
//
// Equities are those of a money game with the cube (Janowski's cubeful
// equity, see Cube.h), per unit of the cube's value at the decision, so that
// an error doubled in stake weighs the same as at the start ("EMG"). A play
// is judged by the position after it, with the opponent on roll and the cube
// where the play leaves it. Error rates are in millipoints (mEMG) per
// decision that had a choice: forced plays count for nothing.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/files/MatchFile.h"
#include "core/neural/Cube.h"
#include "core/neural/Expert.h"

// The marks of a decision by the equity it lost, in mEMG.
constexpr double DOUBTFUL_MEMG = 40;
constexpr double BAD_MEMG = 80;
constexpr double VERY_BAD_MEMG = 160;

enum class Mark { None, Doubtful, Bad, VeryBad };
Mark MarkOf(double lossMemg);
const char* MarkName(Mark mark); // "", "doubtful", "bad", "very bad"

// The ratings of a side by its error rate (mEMG per decision): the first
// whose bound the rate is below, "Awful" beyond the last.
struct RatingBand {
    double below;
    const char* name;
};
constexpr std::array<RatingBand, 7> RATING_BANDS = {{
    {2, "Supernatural"},
    {5, "World class"},
    {8, "Expert"},
    {12, "Advanced"},
    {18, "Intermediate"},
    {26, "Casual player"},
    {35, "Beginner"},
}};
const char* RatingOf(double errorRateMemg);

// A cube action that is not doubled is only listed when the double was
// right or came within this much of being right (in EMG).
constexpr double CLOSE_CUBE_EMG = 0.1;

// The depth the analysis judges at unless told otherwise: one deeper than
// the Expert plays at. Against GNU Backgammon's 2-ply analysis of the same
// self-played games the error rates per game correlated at 0.91 at 2-ply
// against 0.81 at 1-ply, and 60 decisions take about a second.
constexpr int ANALYSIS_DEFAULT_PLIES = 2;

struct AnalysisOptions {
    int plies = ANALYSIS_DEFAULT_PLIES; // the depth of the checker plays and cube actions (0 to EXPERT_MAX_PLIES)
    int luckPlies = 0;                  // the depth the luck of each roll is judged at
    bool cube = true;                   // whether cube actions (and missed doubles) are judged
    bool cubeful = true;                // checker plays by cubeful equity (else cubeless, the cube ignored)
    int playsShown = 5;                 // the best plays kept per checker play
    // Which plays go deeper, as the Expert's own search picks them.
    ExpertFilter filter{};
    // Called after each action with the actions judged so far and in all.
    std::function<void(int done, int total)> progress;
    // Given to the Expert as its poll for the run (Expert::SetPoll): a false
    // answer stops the analysis, which then returns what it judged so far.
    std::function<bool()> poll;
};

// One of the plays of a roll with its equity for the mover.
struct RankedPlay {
    std::vector<MatchMove> moves;
    double equity = 0;
    int plies = 0; // the depth this equity was found at
};

// What a cube action gives up against the right one (EMG, per unit of the
// cube before the double), from the equities of the decision as the side
// that may double sees them: the doubler's for doubling or not, the
// taker's for a take or a pass. A double is worth at most the point the
// taker can pass for.
double DoubleLoss(const CubeDecision& c, bool doubled);
double TakeLoss(const CubeDecision& c, bool took);

// One play of a roll as the Expert ranks it.
struct JudgedPlay {
    std::size_t index = 0; // into the plays ranked
    double equity = 0;     // for the mover, per unit of the cube
    Probabilities chances; // the mover's, with the opponent on roll after the play
    int plies = 0;         // the depth it was judged at
};

// The plays of a roll (as PlayMaker made them for the mover) ranked as the
// Expert's own search goes: every play at 0-ply, the best few deeper, fewer
// still at each further ply, up to `plies`; play `alsoDeep` (when it is one
// of them) is judged to the full depth as well. Deepest first, then by
// equity. `holder` says where the cube is as the mover sees it; without
// `cubeful` the equities are cubeless. An abandoned search (Expert::SetPoll)
// returns at once with what it has.
std::vector<JudgedPlay> RankPlays(Expert& expert, const std::vector<Play>& plays, int plies, const ExpertFilter& filter,
                                  bool cubeful, CubeHolder holder, std::size_t alsoDeep = static_cast<std::size_t>(-1));

// A play of the roll in hand as the hints list it.
struct Hint {
    std::vector<MatchMove> moves; // by the match file's locations, for the notation
    ExpertMove move;              // as the game plays it
    double equity = 0;            // for the mover, per unit of the cube
    Probabilities chances;        // the mover's after the play
    int plies = 0;
};

// The best `count` plays of roll (d1, d2) for `player` on the game's
// `board`, best first, judged as the analysis judges a play; `holder` says
// where the cube is as `player` sees it. None when the search is abandoned.
std::vector<Hint> BestPlays(Expert& expert, const BoardData& board, int player, int d1, int d2, CubeHolder holder,
                            bool cubeful, int count, int plies = ANALYSIS_DEFAULT_PLIES);

// How much a play made gives up against the best play of its roll.
struct PlayVerdict {
    double loss = 0; // EMG, never below 0
    Mark mark = Mark::None;
    std::vector<MatchMove> made, best;
};

// The play that took `player` from `before` to `after` with roll (d1, d2),
// judged as the analysis judges a play; none when `after` is no play of the
// roll or the search was abandoned.
std::optional<PlayVerdict> JudgeMadePlay(Expert& expert, const BoardData& before, const BoardData& after, int player,
                                         int d1, int d2, CubeHolder holder, bool cubeful,
                                         int plies = ANALYSIS_DEFAULT_PLIES);

struct Decision {
    enum class Kind { Play, Double, NoDouble, Take, Drop };
    Kind kind = Kind::Play;
    int player = NOBODY;
    int action = 0; // the index of the action in the game (a missed double: of the roll that followed)
    int first = 0, second = 0;
    int cubeValue = 1; // before the decision
    bool forced = false;
    double equity = 0;     // of the choice made, for its player
    double bestEquity = 0; // of the best choice
    double loss = 0;       // bestEquity - equity, never below 0 (EMG)
    Mark mark = Mark::None;
    // A checker play: the best plays, best first, and how many plays are better than the one made.
    std::vector<RankedPlay> best;
    int rank = 0;
    // A cube action: the equities of not doubling, of double-take and of a pass.
    double noDouble = 0, doubleTake = 0;
    // A roll: its equity against the average of the 21 rolls (EMG).
    double luck = 0;
};

struct SideSummary {
    int decisions = 0;          // with a choice
    int plays = 0;              // checker plays with a choice
    int cubeDecisions = 0;      // cube actions judged
    double errorTotal = 0;      // EMG
    double errorRate = 0;       // mEMG per decision with a choice
    std::array<int, 4> marks{}; // by Mark
    double luck = 0;            // EMG over the side's rolls
    int rolls = 0;
    const char* rating = "";
};

struct GameAnalysis {
    bool complete = false; // false when stopped or the record cannot be followed
    std::string error;     // why it cannot be followed, "" otherwise
    std::vector<Decision> decisions;
    std::array<SideSummary, 3> sides{}; // by player
};

// Judges a game played from the starting position. The Expert's depth is
// left as it was; its poll is cleared at the end.
GameAnalysis AnalyseGame(const MatchGame& game, Expert& expert, const AnalysisOptions& options = {});

// The position of the standard start seen by the computer (the human's
// position is its Flipped()), and one action's moves applied to it: false
// when a move is impossible (no piece to move, a closed point).
bool ApplyMatchMoves(Checkers& computerView, int player, const std::vector<MatchMove>& moves);
// The moves of a play made by `player` from `before` (that side on roll).
std::vector<MatchMove> MatchMovesOf(const Play& play, const Checkers& before, int player);

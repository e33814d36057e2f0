// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/game/ExpertPlayer.h"

#include <utility>

#include "core/neural/WeightsFile.h"
#include "core/settings/Settings.h"
#include "program/game/GameState.h"

ExpertWeights LoadExpertWeights(const std::string& path)
{
    ExpertWeights w;
    w.path = path;
    NetworksResult r = LoadNetworks(path);
    if (r.networks)
        w.evaluator = std::make_shared<const Evaluator>(std::move(*r.networks));
    else
        w.error = r.error;
    return w;
}

std::string ExpertUnavailableText(const std::string& reason, const Catalogue& texts)
{
    std::string text = texts.Translate(EXPERT_UNAVAILABLE_TEXT);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, reason);
    return text;
}

ExpertPlayer::ExpertPlayer() { weights.error = "no weights file was read"; }

ExpertPlayer::ExpertPlayer(ExpertWeights given) : weights(std::move(given))
{
    if (weights.evaluator) expert = std::make_unique<Expert>(weights.evaluator, EXPERT_DEFAULT_PLIES);
    if (!expert && weights.error.empty()) weights.error = weights.path + ": no networks";
}

int ExpertPlayer::PlayedLevel(int asked) const { return asked == LEVEL_EXPERT && !Available() ? LEVEL_GOOD : asked; }

ExpertMove ExpertPlayer::Choose(const BoardData& board, int player, int d1, int d2)
{
    if (!expert) return {};
    StartSearch();
    return expert->Choose(board, player, d1, d2);
}

CubeDecision ExpertPlayer::Cube(const BoardData& board, int player, CubeHolder holder)
{
    if (!expert) return {};
    StartSearch();
    const Checkers c = FromBoard(board, player);
    return DecideDouble(expert->EvaluatePly(c, 1), holder, CubeEfficiency(c));
}

std::vector<Hint> ExpertPlayer::Hints(const BoardData& board, int player, int d1, int d2, CubeHolder holder,
                                      bool cubeful, int count)
{
    if (!expert) return {};
    StartSearch();
    return BestPlays(*expert, board, player, d1, d2, holder, cubeful, count, ANALYSIS_DEFAULT_PLIES);
}

std::optional<GameAnalysis> ExpertPlayer::Analyse(const MatchGame& game, bool cube,
                                                  std::function<void(int, int)> progress, std::function<bool()> goOn)
{
    if (!expert) return std::nullopt;
    // An Expert of its own, so that the game's keeps its depth and its poll.
    Expert judge(weights.evaluator, ANALYSIS_DEFAULT_PLIES);
    AnalysisOptions options;
    options.plies = ANALYSIS_DEFAULT_PLIES;
    options.cube = cube;
    options.progress = std::move(progress);
    options.poll = [this, &goOn] { return Look() && (!goOn || goOn()); };
    StartSearch();
    return AnalyseGame(game, judge, options);
}

CubeDecision ExpertPlayer::JudgeCube(const BoardData& board, int player, CubeHolder holder)
{
    if (!expert) return {};
    StartSearch();
    const Checkers c = FromBoard(board, player);
    return DecideDouble(expert->EvaluatePly(c, ANALYSIS_DEFAULT_PLIES), holder, CubeEfficiency(c));
}

std::optional<PlayVerdict> ExpertPlayer::Judge(const BoardData& before, const BoardData& after, int player, int d1,
                                               int d2, CubeHolder holder, bool cubeful)
{
    if (!expert) return std::nullopt;
    StartSearch();
    return JudgeMadePlay(*expert, before, after, player, d1, d2, holder, cubeful, ANALYSIS_DEFAULT_PLIES);
}

void ExpertPlayer::SetWindowLook(std::function<std::uint32_t()> tickCount, std::function<bool()> look)
{
    ticks = std::move(tickCount);
    lookAtWindow = std::move(look);
    if (expert) expert->SetPoll([this] { return Look(); });
}

bool ExpertPlayer::Look()
{
    if (!ticks || !lookAtWindow) return true;
    const std::uint32_t now = ticks();
    if (now - lastLook < static_cast<std::uint32_t>(EXPERT_LOOK_MS)) return true;
    lastLook = now;
    return lookAtWindow();
}

void ExpertPlayer::StartSearch()
{
    if (ticks) lastLook = ticks();
}

std::vector<MovePair> ExpertSuggestedMoves(GameState& game, ExpertPlayer& expert)
{
    const DiceRecord& dice = *game.dice;
    const ExpertMove m = expert.Choose(game.board.Data(), HUMAN, dice.die[0], dice.die[1]);
    std::vector<MovePair> out;
    for (int k = 0; k < m.count && k < 4; ++k) {
        const auto [from, to] = m.pairs[k];
        out.push_back(MovePair{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)});
    }
    return out;
}

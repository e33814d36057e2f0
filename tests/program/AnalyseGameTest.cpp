// SPDX-License-Identifier: GPL-3.0-or-later
// Analyse game in the window: the Expert judges the game Export game would
// write, behind a progress window that keeps the window looked at and whose
// Cancel shows nothing; without the Expert, or for a game not begun in the
// starting position, a message says why. The networks are small random ones
// made by the test.
#include "GameFixture.h"

#include <algorithm>
#include <vector>

#include "core/files/Notation.h"
#include "core/neural/Analysis.h"
#include "core/neural/WeightsFile.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/GvUpDlg.h"

namespace {

constexpr const char* ROLLS = "13 52 64 31 66 42 15 23 61 54 33 26 41 65 12 34 55 21 63 44 62 51";

} // namespace

class AnalyseGameCommand : public GameTest {
protected:
    void MakeWeights()
    {
        Networks nets;
        nets.contact = Network::Random(32, 21);
        nets.race = Network::Random(16, 22);
        ASSERT_TRUE(SaveNetworks(PathOf("expert.tnw"), nets));
        expertWeights = LoadExpertWeights(PathOf("expert.tnw"));
        ASSERT_TRUE(expertWeights.evaluator != nullptr) << expertWeights.error;
    }
    void PlayTurnPair()
    {
        PlayHumanTurn();
        if (Game().WaitingConfirm) Confirm();
    }
    // What an Expert of the test's own makes of `game`, as the window must.
    GameAnalysis Expected(const MatchGame& game) const
    {
        Expert own(expertWeights.evaluator, ANALYSIS_DEFAULT_PLIES);
        return AnalyseGame(game, own);
    }
    // The window's list and summary say what the analysis found.
    static void ExpectShows(const AnalysisDlg& shown, const MatchGame& game, const GameAnalysis& expected)
    {
        const AnalysisDlg reference(game, expected);
        for (int row = 0; row < AnalysisDlg::SUMMARY_ROWS; ++row)
            for (int side = 0; side < 2; ++side)
                EXPECT_EQ(shown.SummaryCell(row, side), reference.SummaryCell(row, side));
        ASSERT_EQ(shown.Lines(), static_cast<int>(expected.decisions.size()));
        for (int line = 0; line < shown.Lines(); ++line) {
            const Decision& d = expected.decisions[static_cast<std::size_t>(line)];
            EXPECT_EQ(shown.Cell(line, 1), d.player == HUMAN ? "You" : "Computer");
            if (d.kind == Decision::Kind::Play && !d.best[0].moves.empty()) {
                EXPECT_EQ(shown.Cell(line, 4), PlayNotation(d.player, d.best[0].moves));
            }
            for (int col = 0; col < AnalysisDlg::COLUMNS; ++col)
                EXPECT_EQ(shown.Cell(line, col), reference.Cell(line, col)) << line << "," << col;
        }
    }
};

// Three turn pairs with a double taken, analysed in the middle of the
// human's turn: the turns played to their end are judged, step by step in
// the progress window, which closes before the analysis shows; the window is
// looked at meanwhile and the game is as it was. Cancel then stops a second
// run and shows nothing; the game plays on.
TEST_F(AnalyseGameCommand, JudgesTheGameSoFarBehindAProgressWindowThatCancels)
{
    MakeWeights();
    StartWithRolls(ROLLS, "UseCube=1");
    EXPECT_FALSE(window->IsCommandEnabled(ID_ANALYSE_GAME)) << "nothing played yet";
    platform.alwaysMessageBox = [](const std::string&, Buttons, Icon) { return static_cast<int>(IDYES); };
    Menu(ID_DOUBLE);
    ASSERT_EQ(Game().CubeOwner, COMPUTER) << "the computer takes";
    for (int turn = 0; turn < 3 && CurrentPlayer() == HUMAN; ++turn) PlayTurnPair();
    platform.alwaysMessageBox = nullptr;
    ASSERT_TRUE(HumanToMove());
    const MovePair first = SuggestedMoves(Game(), false)[0];
    Type(std::string(1, LocationLetter(first.from)));
    if (Game().MovesMade == 0) Type(std::string(1, LocationLetter(first.to)));
    ASSERT_EQ(Game().MovesMade, 1);
    ASSERT_TRUE(window->IsCommandEnabled(ID_ANALYSE_GAME));

    const MatchGame played = Game().record.Played();
    const GameAnalysis expected = Expected(played);
    ASSERT_TRUE(expected.complete) << expected.error;
    ASSERT_GE(expected.decisions.size(), 7u);
    EXPECT_TRUE(std::any_of(expected.decisions.begin(), expected.decisions.end(),
                            [](const Decision& d) { return d.kind == Decision::Kind::Take; }));
    const BoardData before = Data();
    const GameRecord record = Game().record;
    const std::size_t sleepsBefore = platform.sleeps.size();
    platform.progressStepMs = 2 * EXPERT_LOOK_MS;
    int shown = 0;
    platform.OnAnalysisDlg([&](AnalysisDlg& dialog) {
        ++shown;
        EXPECT_FALSE(platform.progress.at(0).open) << "the progress window is closed first";
        ExpectShows(dialog, played, expected);
        return AnalysisDlg::CLOSE.id;
    });
    Menu(ID_ANALYSE_GAME);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(platform.progress.size(), 1u);
    const TestPlatform::ProgressRecord& progress = platform.progress[0];
    EXPECT_EQ(progress.caption, AnalysisDlg::PROGRESS_CAPTION);
    EXPECT_EQ(progress.text, AnalysisDlg::PROGRESS_TEXT);
    const int total = static_cast<int>(played.actions.size());
    ASSERT_EQ(progress.steps.size(), played.actions.size());
    for (int k = 0; k < total; ++k)
        EXPECT_EQ(progress.steps[static_cast<std::size_t>(k)], std::make_pair(k + 1, total));
    const std::vector<int> sleeps = SleepsSince(sleepsBefore);
    EXPECT_GE(std::count(sleeps.begin(), sleeps.end(), 0), 1) << "the window was looked at";
    EXPECT_EQ(ToImage(Data()), ToImage(before));
    EXPECT_TRUE(Game().record == record);
    EXPECT_EQ(Game().MovesMade, 1);

    // Cancel after the second action: nothing more is judged, nothing shows.
    platform.progressCancelAt = 2;
    Menu(ID_ANALYSE_GAME);
    ASSERT_EQ(platform.progress.size(), 2u);
    EXPECT_FALSE(platform.progress[1].open);
    EXPECT_LE(platform.progress[1].steps.size(), 3u);
    EXPECT_EQ(platform.DialogKinds().back(), DialogKind::Progress);
    EXPECT_EQ(shown, 1);
    platform.progressCancelAt = -1;
    PlayHumanTurn();
    if (Game().WaitingConfirm) Confirm();
    EXPECT_GT(Game().record.Played().actions.size(), played.actions.size());
    platform.CheckAllScriptsUsed();
}

// Before the next game's first move the game finished last is analysed, as
// Export game writes it: here the human's resignation after one turn pair.
TEST_F(AnalyseGameCommand, BeforeTheFirstMoveTheGameFinishedLastIsAnalysed)
{
    MakeWeights();
    StartWithRolls(ROLLS, "AutoFinish=0");
    PlayTurnPair();
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([](StatDlg& d) {
        d.rollChoice = 1;
        return static_cast<int>(IDOK);
    });
    Menu(ID_RESIGN);
    ASSERT_TRUE(Game().finished.Ended());
    ASSERT_FALSE(Game().record.HasMoves()) << "the new game has not begun";
    const MatchGame finished = Game().finished.Played();
    ASSERT_GE(finished.actions.size(), 2u);
    ASSERT_TRUE(window->IsCommandEnabled(ID_ANALYSE_GAME));
    const GameAnalysis expected = Expected(finished);
    platform.OnAnalysisDlg([&](AnalysisDlg& dialog) {
        ExpectShows(dialog, finished, expected);
        return AnalysisDlg::CLOSE.id;
    });
    Menu(ID_ANALYSE_GAME);
    platform.CheckAllScriptsUsed();
}

// A game opened from a position cannot be followed from the start: the
// player is told so, and no progress window opens.
TEST_F(AnalyseGameCommand, AGameFromAPositionIsRefusedWithAMessage)
{
    MakeWeights();
    StartWithRolls(ROLLS);
    Load(MakePosition({{20, HUMAN, 15}, {3, COMPUTER, 15}}));
    PlayHumanTurn();
    ASSERT_TRUE(window->IsCommandEnabled(ID_ANALYSE_GAME));
    platform.ExpectMessageBox("Only a game begun in the starting position can be analysed.", Buttons::Ok,
                              Icon::Exclamation, IDOK);
    Menu(ID_ANALYSE_GAME);
    platform.CheckAllScriptsUsed();
    EXPECT_TRUE(platform.progress.empty());
}

// Without the Expert's weights there is no analysis, and the message says why.
TEST_F(AnalyseGameCommand, WithoutTheExpertsWeightsTheMessageSaysWhy)
{
    WriteFile("expert.tnw", "TablorNN but nothing after");
    expertWeights = LoadExpertWeights(PathOf("expert.tnw"));
    ASSERT_EQ(expertWeights.evaluator, nullptr);
    StartWithRolls(ROLLS);
    PlayTurnPair();
    ASSERT_TRUE(window->IsCommandEnabled(ID_ANALYSE_GAME));
    platform.ExpectMessageBox("Analysis is not available: " + expertWeights.error + ".", Buttons::Ok, Icon::Exclamation,
                              IDOK);
    Menu(ID_ANALYSE_GAME);
    platform.CheckAllScriptsUsed();
    EXPECT_TRUE(platform.progress.empty());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The "Expert" level in the game: the computer's plays and cube decisions,
// the suggestion, the settings page, and the game without the Expert's
// weights file. The networks are small random ones made by the test; where a
// decision must be right whatever the weights, the position is one both
// sides bear off from, which the bear-off table judges.
#include "GameFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/files/Notation.h"
#include "core/neural/Analysis.h"
#include "core/neural/WeightsFile.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/HintDlg.h"
#include "program/dialogs/SettingSheet.h"
#include "program/dialogs/TutorDlg.h"

namespace {

constexpr const char* COMPUTER_DOUBLES = "Computer doubles. -Ok ?";
constexpr const char* NOT_ACCEPTED = "Computer does not accept";

// One piece of `player` from `from` to `to` (its tray when off the board),
// hitting a lone opposing piece.
void Step(BoardData& b, int player, int from, int to)
{
    if (to < 1 || to > 24) to = TrayOf(player);
    --b[from].count;
    if (to <= 24 && b[to].owner == Opponent(player) && b[to].count == 1) {
        b[to].count = 0;
        ++b[BarOf(Opponent(player))].count;
    }
    ++b[to].count;
    b[to].owner = player;
    b = WithFixedOwners(b);
}

std::string BoardKey(const BoardData& b)
{
    return std::string(reinterpret_cast<const char*>(ToImage(b).data()), ToImage(b).size());
}

// Every board a play of `dice` (in any order) can end in, by the game's
// rules: a piece on the bar enters first, as many dice as can be are played,
// and of two different dice of which only one can be played, the higher
// where it can be.
// Each board is followed once for the same dice left and the same first die.
void Extend(const BoardData& b, int player, std::vector<int> dice, int used,
            std::vector<std::pair<BoardData, int>>& out, std::vector<int>& firstDie, std::set<std::string>& seen)
{
    bool moved = false;
    for (std::size_t k = 0; k < dice.size(); ++k) {
        if (k > 0 && dice[k] == dice[k - 1]) continue;
        const int d = dice[k];
        const int step = player == HUMAN ? d : -d;
        for (int from = 0; from <= 25; ++from) {
            if (b[BarOf(player)].count > 0 && from != BarOf(player)) continue;
            if (b[from].owner != player || b[from].count == 0) continue;
            if (!LegalStep(b, player, from, step)) continue;
            BoardData next = b;
            Step(next, player, from, from + step);
            std::vector<int> rest = dice;
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(k));
            moved = true;
            if (used == 0) firstDie.push_back(d);
            const std::string key =
                BoardKey(next) + static_cast<char>(rest.size()) + static_cast<char>(firstDie.back());
            if (seen.insert(key).second) Extend(next, player, rest, used + 1, out, firstDie, seen);
            if (used == 0) firstDie.pop_back();
        }
    }
    if (!moved) out.push_back({b, used * 10 + (firstDie.empty() ? 0 : firstDie.back())});
}

std::set<std::string> LegalEnds(const BoardData& start, int player, int d1, int d2)
{
    std::vector<int> dice =
        d1 == d2 ? std::vector<int>{d1, d1, d1, d1} : std::vector<int>{std::min(d1, d2), std::max(d1, d2)};
    std::vector<std::pair<BoardData, int>> ends;
    std::vector<int> first;
    std::set<std::string> seen;
    Extend(start, player, dice, 0, ends, first, seen);
    int most = 0;
    for (const auto& [b, tag] : ends) most = std::max(most, tag / 10);
    // One die of two: the higher one when some play uses it.
    bool higher = false;
    if (most == 1 && d1 != d2)
        for (const auto& [b, tag] : ends)
            if (tag / 10 == 1 && tag % 10 == std::max(d1, d2)) higher = true;
    std::set<std::string> keys;
    for (const auto& [b, tag] : ends) {
        if (tag / 10 != most) continue;
        if (higher && tag % 10 != std::max(d1, d2)) continue;
        keys.insert(BoardKey(b));
    }
    return keys;
}

// A turn as the board saw it: the side, the board before, the dice and
// each piece moved.
struct ComputerTurn {
    int player = NOBODY;
    BoardData before{};
    int d1 = 0, d2 = 0;
    std::vector<std::pair<int, int>> moves;
};

} // namespace

class ExpertLevelTest : public GameTest {
protected:
    // Small random networks in a weights file of the test's own, read as the
    // program reads its file at start-up.
    void MakeWeights(std::uint64_t seed = 3)
    {
        Networks nets;
        nets.contact = Network::Random(32, seed);
        nets.race = Network::Random(16, seed + 1);
        ASSERT_TRUE(SaveNetworks(PathOf("expert.tnw"), nets));
        expertWeights = LoadExpertWeights(PathOf("expert.tnw"));
        ASSERT_TRUE(expertWeights.evaluator != nullptr) << expertWeights.error;
    }

    // An Expert of its own on the same networks: what the game's must choose.
    ExpertMove ExpertChoice(const BoardData& board, int player, int d1, int d2) const
    {
        Expert expert(expertWeights.evaluator, EXPERT_DEFAULT_PLIES);
        return expert.Choose(board, player, d1, d2);
    }

    // Which turn of the game is being played: the game's record counts the
    // actions of the turns played to their end.
    int TurnNumber() const { return static_cast<int>(Game().record.Played().actions.size()); }

    // Records the turns of `player` (both sides: NOBODY) from the pieces the
    // board moves.
    void WatchComputer(int player = COMPUTER)
    {
        window->Turns().onTransfer = [this, player](int from, int to) {
            if (Game().UndoInProgress || (player != NOBODY && CurrentPlayer() != player)) return;
            if (turns.empty() || TurnNumber() != turnLine || turns.back().player != CurrentPlayer()) {
                turnLine = TurnNumber();
                ComputerTurn t;
                t.player = CurrentPlayer();
                t.before = Data();
                t.d1 = Dice().die[0];
                t.d2 = Dice().die[1];
                turns.push_back(t);
            }
            turns.back().moves.push_back({from, to});
        };
    }

    void Settings(std::function<void(SettingSheet&)> look)
    {
        platform.OnSettingSheet([look](SettingSheet& sheet) {
            EXPECT_TRUE(sheet.SetActivePage(SettingSheet::PAGE_GAME).ok);
            look(sheet);
            return sheet.OnOk().ok ? static_cast<int>(IDOK) : static_cast<int>(IDCANCEL);
        });
        Menu(ID_SETTINGS);
    }

    // Ends the program: the next Start starts it again in the same folder.
    void Close()
    {
        platform.onPaint = nullptr;
        platform.post = nullptr;
        window.reset();
        platform.dialogs.clear();
    }

    std::vector<ComputerTurn> turns;
    int turnLine = -1;
};

// The settings page offers the Expert with its weights and writes level 3;
// without them the choice is greyed out and a setting of 3 shows "Good".
TEST_F(ExpertLevelTest, TheSettingsPageOffersTheExpertAndGreysItOutWithoutWeights)
{
    MakeWeights();
    Start("LevelOfPlay=1");
    Settings([](SettingSheet& sheet) {
        EXPECT_EQ(sheet.game.skillList, (std::vector<std::string>{"Poor", "Average", "Good", "Expert"}));
        EXPECT_TRUE(sheet.game.expertAvailable);
        EXPECT_EQ(sheet.game.levelOfPlay, 1);
        sheet.game.levelOfPlay = LEVEL_EXPERT;
    });
    EXPECT_EQ(settings.LevelOfPlay, LEVEL_EXPERT);
    Close();
    // The next start reads the Expert back, without telling anything.
    Start("");
    EXPECT_EQ(settings.LevelOfPlay, LEVEL_EXPERT);
    EXPECT_TRUE(platform.dialogs.empty());
    Settings([](SettingSheet& sheet) { EXPECT_EQ(sheet.game.levelOfPlay, LEVEL_EXPERT); });

    Close();
    expertWeights = LoadExpertWeights(PathOf("none.tnw"));
    platform.ExpectMessageBox(ExpertUnavailableText(expertWeights.error), Buttons::Ok, Icon::Exclamation, IDOK);
    Start("LevelOfPlay=3");
    Settings([](SettingSheet& sheet) {
        EXPECT_EQ(sheet.game.skillList.size(), 4u);
        EXPECT_FALSE(sheet.game.expertAvailable);
        EXPECT_EQ(sheet.game.levelOfPlay, LEVEL_GOOD);
    });
    EXPECT_EQ(settings.LevelOfPlay, LEVEL_GOOD);
}

// A whole game at the Expert: every play of the computer is one of the
// roll's legal plays and the Expert's own choice; the move list shows each.
TEST_F(ExpertLevelTest, AWholeGameAtTheExpertIsPlayedWithLegalPlaysOnly)
{
    MakeWeights();
    StartWithRolls("31 64 52 11 63 42 55 21 43 62 51 33 54 61 32 44 65 41 22 53 66", "LevelOfPlay=3\nAutoChangeTurn=1");
    EXPECT_TRUE(platform.dialogs.empty());
    WatchComputer();
    bool over = false;
    platform.OnStatDlg([&](StatDlg&) {
        over = true;
        return static_cast<int>(IDCANCEL);
    });
    for (int turn = 0; turn < 400 && !over; ++turn) PlayHumanTurn();
    ASSERT_TRUE(over);
    ASSERT_GT(turns.size(), 10u);
    int differentFromGood = 0;
    for (const ComputerTurn& t : turns) {
        BoardData after = t.before;
        for (const auto& [from, to] : t.moves) Step(after, COMPUTER, from, to);
        ASSERT_EQ(LegalEnds(t.before, COMPUTER, t.d1, t.d2).count(BoardKey(after)), 1u);
        const ExpertMove m = ExpertChoice(t.before, COMPUTER, t.d1, t.d2);
        ASSERT_EQ(static_cast<std::size_t>(m.count), t.moves.size());
        for (int k = 0; k < m.count; ++k) EXPECT_EQ(t.moves[k].first, m.from[k]);
        // The "Good" search of the same roll.
        Board board;
        board.BoardTable = t.before;
        board.BuildBoard(false);
        board.CurrentPlayer = COMPUTER;
        DiceRecord dice(nullptr, nullptr);
        dice.SetRoll(t.d1, t.d2);
        RulesEngine rules(&board, &dice);
        rules.ChooseMove(false, LEVEL_GOOD);
        BoardData good = t.before;
        for (int k = 0; k < dice.moves; ++k)
            Step(good, COMPUTER, rules.bestFrom[k], rules.bestFrom[k] - rules.bestDice[k]);
        if (BoardKey(good) != BoardKey(after)) ++differentFromGood;
    }
    EXPECT_GT(differentFromGood, 0);
}

// Suggest move at the Expert plays the Expert's play of the human's roll.
TEST_F(ExpertLevelTest, SuggestAtTheExpertPlaysTheExpertsMove)
{
    MakeWeights(11);
    StartWithRolls("12 64 52 43 61", "LevelOfPlay=3\nAutoChangeTurn=0");
    ASSERT_TRUE(HumanToMove());
    const BoardData before = Data();
    const int d1 = Dice().die[0], d2 = Dice().die[1];
    const ExpertMove m = ExpertChoice(before, HUMAN, d1, d2);
    ASSERT_GT(m.count, 0);
    BoardData expected = before;
    for (int k = 0; k < m.count; ++k) Step(expected, HUMAN, m.pairs[k].first, m.pairs[k].second);
    // The "Good" suggestion differs here, so the test tells the two apart.
    std::vector<MovePair> good = SuggestedMoves(Game(), false);
    BoardData byGood = before;
    for (const MovePair& g : good) Step(byGood, HUMAN, g.from, g.to);
    ASSERT_NE(BoardKey(byGood), BoardKey(expected));

    Menu(ID_SUGGEST_MOVE);
    EXPECT_EQ(BoardKey(Data()), BoardKey(expected));
    EXPECT_EQ(Game().MovesMade, m.count);
    EXPECT_TRUE(Game().WaitingConfirm);
    // Undo takes the suggested moves back one by one.
    for (int k = 0; k < m.count; ++k) Menu(ID_UNDO);
    EXPECT_EQ(BoardKey(Data()), BoardKey(before));
    EXPECT_EQ(Dice().moves, d1 == d2 ? 4 : 2);
}

// Hints list the Expert's best plays of the human's roll, looked at one ply
// deeper than it plays, in notation with their figures, at any level; the
// play chosen is played and waits for confirmation. Once pieces have moved
// the list is still of the roll as it stood, and nothing more is played.
TEST_F(ExpertLevelTest, HintsListTheBestPlaysOfTheRollAndPlayTheOneChosen)
{
    MakeWeights(11);
    StartWithRolls("12 64 52 43 61", "LevelOfPlay=1\nAutoChangeTurn=0");
    ASSERT_TRUE(HumanToMove());
    ASSERT_TRUE(window->Commands().IsCommandEnabled(ID_HINTS));
    const BoardData before = Data();
    const int d1 = Dice().die[0], d2 = Dice().die[1];
    Expert own(expertWeights.evaluator);
    const std::vector<Hint> expected = BestPlays(own, before, HUMAN, d1, d2, CubeHolder::Centred, false, 10);
    ASSERT_GE(expected.size(), 3u);
    const auto seen = [&](HintDlg& dialog) {
        EXPECT_EQ(dialog.Die(0), d1);
        EXPECT_EQ(dialog.Die(1), d2);
        EXPECT_FALSE(dialog.Cubeful());
        EXPECT_EQ(dialog.Rows(), static_cast<int>(expected.size()));
        EXPECT_EQ(dialog.Selected(), 0);
        for (int row = 0; row < dialog.Rows(); ++row) {
            const Hint& h = expected[static_cast<std::size_t>(row)];
            EXPECT_EQ(dialog.Cell(row, 0), PlayNotation(HUMAN, h.moves));
            char equity[16];
            std::snprintf(equity, sizeof equity, "%+.3f", h.equity);
            EXPECT_EQ(dialog.Cell(row, 1), equity);
            EXPECT_EQ(dialog.Cell(row, 8), std::to_string(h.plies));
        }
        EXPECT_EQ(dialog.Cell(0, 2), "");
        EXPECT_EQ(expected[0].plies, ANALYSIS_DEFAULT_PLIES);
    };
    platform.OnHintDlg([&](HintDlg& dialog) {
        seen(dialog);
        EXPECT_TRUE(dialog.CanPlay());
        dialog.Select(2);
        return dialog.OnPlay();
    });
    Menu(ID_HINTS);
    BoardData chosen = before;
    const ExpertMove& m = expected[2].move;
    for (int k = 0; k < m.count; ++k) Step(chosen, HUMAN, m.pairs[k].first, m.pairs[k].second);
    EXPECT_EQ(BoardKey(Data()), BoardKey(chosen));
    EXPECT_EQ(Game().MovesMade, m.count);
    EXPECT_TRUE(Game().WaitingConfirm);

    // Undo takes the last move back (any other command would end the turn).
    Menu(ID_UNDO);
    ASSERT_EQ(Game().MovesMade, m.count - 1);
    const BoardData partly = Data();
    platform.OnHintDlg([&](HintDlg& dialog) {
        seen(dialog);
        EXPECT_FALSE(dialog.CanPlay());
        EXPECT_EQ(dialog.OnPlay(), HintDlg::CLOSE.id);
        return HintDlg::PLAY.id;
    });
    Menu(ID_HINTS);
    EXPECT_EQ(BoardKey(Data()), BoardKey(partly));
    EXPECT_EQ(Game().MovesMade, m.count - 1);
}

// The tutor, off by default, is turned on in its dialog, which alone writes
// its keys. A play it finds at or beyond its threshold is shown before the
// turn passes: taken back, taken back to the hints, or played anyway; the
// best play passes without a word.
TEST_F(ExpertLevelTest, TheTutorWarnsOfAWeakPlayBeforeTheTurnPasses)
{
    expertWeights = LoadExpertWeights(LocateWeights());
    ASSERT_NE(expertWeights.evaluator, nullptr) << expertWeights.error;
    StartWithRolls("12 64 52 43 61", "AutoChangeTurn=1");
    ASSERT_TRUE(HumanToMove());
    const auto iniText = [&] {
        std::ifstream in(PathOf("tablorw.ini"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(iniText().find("\nTutor"), std::string::npos);
    platform.OnTutorDlg([](TutorDlg& dialog) {
        EXPECT_FALSE(dialog.On());
        EXPECT_EQ(dialog.Selected(), TutorDlg::THRESHOLD_IDS[1]);
        EXPECT_FALSE(dialog.ThresholdEnabled());
        dialog.SetOn(true);
        dialog.Select(TutorDlg::THRESHOLD_IDS[0]);
        return static_cast<int>(IDOK);
    });
    Menu(ID_TUTOR);
    EXPECT_NE(iniText().find("\nTutor=1"), std::string::npos);
    EXPECT_NE(iniText().find("\nTutorThreshold=1"), std::string::npos);

    const BoardData before = Data();
    const int d1 = Dice().die[0], d2 = Dice().die[1];
    Expert own(expertWeights.evaluator);
    const std::vector<Hint> all = BestPlays(own, before, HUMAN, d1, d2, CubeHolder::Centred, false, 100, 0);
    ASSERT_GE(all.size(), 2u);
    const ExpertMove& worst = all.back().move;
    BoardData after = before;
    for (int k = 0; k < worst.count; ++k) Step(after, HUMAN, worst.pairs[k].first, worst.pairs[k].second);
    const std::optional<PlayVerdict> verdict =
        JudgeMadePlay(own, before, after, HUMAN, d1, d2, CubeHolder::Centred, false);
    ASSERT_TRUE(verdict.has_value());
    ASSERT_GE(verdict->mark, Mark::Doubtful);
    char loss[16];
    std::snprintf(loss, sizeof loss, "%.3f", verdict->loss);
    const std::string expected = "Your play " + PlayNotation(HUMAN, verdict->made) + " is " + MarkName(verdict->mark) +
                                 ": it gives up " + loss + " points a game against " +
                                 PlayNotation(HUMAN, verdict->best) + ".";
    const auto play = [&](const ExpertMove& m) {
        for (int k = 0; k < m.count; ++k)
            Type(std::string{LocationLetter(m.pairs[k].first), LocationLetter(m.pairs[k].second)});
    };
    const auto answer = [&](int button) {
        platform.OnTutorWarning([&expected, button](TutorWarning& warning) {
            EXPECT_EQ(warning.Text(), expected);
            return button;
        });
    };

    answer(TutorWarning::TAKE_BACK.id);
    play(worst);
    EXPECT_EQ(BoardKey(Data()), BoardKey(before));
    EXPECT_TRUE(HumanToMove());
    EXPECT_EQ(Dice().moves, d1 == d2 ? 4 : 2);

    answer(TutorWarning::SHOW_HINT.id);
    platform.OnHintDlg([&](HintDlg& dialog) {
        EXPECT_EQ(dialog.Cell(0, 0), PlayNotation(HUMAN, verdict->best));
        EXPECT_TRUE(dialog.CanPlay());
        return HintDlg::CLOSE.id;
    });
    play(worst);
    EXPECT_EQ(BoardKey(Data()), BoardKey(before));
    EXPECT_TRUE(HumanToMove());

    answer(TutorWarning::PLAY_ANYWAY.id);
    play(worst);
    const MatchGame& record = Game().record.Played();
    const auto human = std::find_if(record.actions.begin(), record.actions.end(),
                                    [](const MatchAction& a) { return a.player == HUMAN; });
    ASSERT_NE(human, record.actions.end());
    EXPECT_EQ(PlayNotation(HUMAN, human->moves), PlayNotation(HUMAN, verdict->made));
    ASSERT_TRUE(HumanToMove()); // the computer has played its turn

    // The best play of the next roll passes without a word (an unscripted
    // warning would fail the test).
    const std::size_t shown = platform.dialogs.size();
    const std::vector<Hint> best =
        BestPlays(own, Data(), HUMAN, Dice().die[0], Dice().die[1], CubeHolder::Centred, false, 1);
    ASSERT_EQ(best.size(), 1u);
    play(best[0].move);
    EXPECT_EQ(platform.dialogs.size(), shown);
    EXPECT_EQ(Game().record.Played().actions.back().player, COMPUTER);
}

// The Expert doubles a clear double: both sides bear off, the computer's
// last two pieces on its four-point against the human's three on its
// one-point after its 2-1 (87 % and no gammons: a double and a drop), though
// it leads by only five pips ("Good" doubles from 37 up); the human drops
// and loses the point.
TEST_F(ExpertLevelTest, TheExpertDoublesAClearDouble)
{
    MakeWeights();
    StartWithRolls("21 21 31 42 53", "LevelOfPlay=3\nUseCube=1\nAutoChangeTurn=1");
    Load(MakePosition({{4, COMPUTER, 2}, {24, HUMAN, 5}}));
    ASSERT_GT(Rules().DoublingBalance(), -DOUBLING_THRESHOLD);
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDNO);
    bool over = false;
    platform.OnStatDlg([&](StatDlg&) {
        over = true;
        return static_cast<int>(IDCANCEL);
    });
    PlayHumanTurn();
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Data()[HUMAN_TRAY].count, 12);
    EXPECT_TRUE(over);
    EXPECT_EQ(Game().Winner, COMPUTER);
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 1);
}

// The Expert drops the human's double where it is all but lost (fifteen
// pieces to bear off against four), though "Good" takes it in a race where
// the doubler has more sevens of pips.
TEST_F(ExpertLevelTest, TheExpertDropsAHopelessDouble)
{
    MakeWeights();
    StartWithRolls("21 21 31 42 53", "LevelOfPlay=3\nUseCube=1\nAutoChangeTurn=1");
    Load(MakePosition({{1, COMPUTER, 15}, {19, HUMAN, 4}}));
    ASSERT_TRUE(Rules().race);
    ASSERT_TRUE(Rules().AcceptDouble());
    ASSERT_TRUE(window->IsCommandEnabled(ID_DOUBLE));
    platform.ExpectMessageBox(NOT_ACCEPTED, Buttons::OkCancel, Icon::Information, IDOK);
    bool over = false;
    platform.OnStatDlg([&](StatDlg&) {
        over = true;
        return static_cast<int>(IDCANCEL);
    });
    Menu(ID_DOUBLE);
    platform.CheckAllScriptsUsed();
    EXPECT_TRUE(over);
    EXPECT_EQ(Game().Winner, HUMAN);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 1);
    EXPECT_EQ(Game().CubeValue, 1);
}

// The tutor judges the human's cube actions too: a take of a clear pass is
// shown without a hint and Take back asks again, the right pass goes
// without a word; a hopeless double is taken back, shown with the hints, or
// made anyway.
TEST_F(ExpertLevelTest, TheTutorJudgesTheHumansCubeActions)
{
    expertWeights = LoadExpertWeights(LocateWeights());
    ASSERT_NE(expertWeights.evaluator, nullptr) << expertWeights.error;
    const std::string options = "LevelOfPlay=3\nUseCube=1\nAutoChangeTurn=1\nTutor=1\nTutorThreshold=1";
    StartWithRolls("21 21 31 42 53", options);
    Load(MakePosition({{4, COMPUTER, 2}, {24, HUMAN, 5}}));
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDYES);
    platform.OnTutorWarning([](TutorWarning& warning) {
        EXPECT_EQ(warning.Text().rfind("Your take is very bad: it gives up ", 0), 0u) << warning.Text();
        EXPECT_NE(warning.Text().find(" points a game against a pass."), std::string::npos);
        EXPECT_FALSE(warning.OffersHint());
        EXPECT_EQ(warning.Answer(TutorWarning::SHOW_HINT.id), TutorWarning::TAKE_BACK.id);
        return TutorWarning::TAKE_BACK.id;
    });
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDNO);
    platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    PlayHumanTurn();
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Game().Winner, COMPUTER);
    EXPECT_EQ(Game().CubeValue, 1);

    Close();
    StartWithRolls("21 21 31 42 53", options);
    Load(MakePosition({{1, COMPUTER, 4}, {19, HUMAN, 15}}));
    ASSERT_TRUE(window->IsCommandEnabled(ID_DOUBLE));
    const auto warn = [&](int button) {
        platform.OnTutorWarning([button](TutorWarning& warning) {
            EXPECT_EQ(warning.Text().rfind("Your double is very bad: it gives up ", 0), 0u) << warning.Text();
            EXPECT_TRUE(warning.OffersHint());
            return button;
        });
    };
    warn(TutorWarning::TAKE_BACK.id);
    Menu(ID_DOUBLE);
    EXPECT_EQ(Game().CubeValue, 1);
    EXPECT_TRUE(HumanToMove());
    warn(TutorWarning::SHOW_HINT.id);
    platform.OnHintDlg([](HintDlg&) { return HintDlg::CLOSE.id; });
    Menu(ID_DOUBLE);
    EXPECT_EQ(Game().CubeValue, 1);
    warn(TutorWarning::PLAY_ANYWAY.id);
    Menu(ID_DOUBLE);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Game().CubeValue, 2);
    EXPECT_EQ(Game().CubeOwner, COMPUTER);
}

// Without a usable weights file the game plays at "Good" and says so once,
// at start-up over the painted board, naming the file and what is wrong.
TEST_F(ExpertLevelTest, WithoutWeightsTheGameSaysSoOnceAndPlaysAtGood)
{
    WriteFile("expert.tnw", "TablorNN but nothing after");
    expertWeights = LoadExpertWeights(PathOf("expert.tnw"));
    ASSERT_EQ(expertWeights.evaluator, nullptr);
    const std::string text = ExpertUnavailableText(expertWeights.error);
    EXPECT_EQ(text.rfind("The Expert level is not available: " + PathOf("expert.tnw") + ": ", 0), 0u) << text;
    EXPECT_NE(text.find("The computer plays at Good."), std::string::npos);
    int paintsBefore = -1;
    platform.alwaysMessageBox = [&](const std::string& shown, Buttons, Icon) {
        EXPECT_EQ(shown, text);
        paintsBefore = platform.paints;
        return static_cast<int>(IDOK);
    };
    // The computer opens (6 against 2).
    StartWithRolls("62 31 64 52 43 61 21 53", "LevelOfPlay=3\nAutoChangeTurn=1\nFirstMoveBy=0");
    EXPECT_GT(paintsBefore, 0);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(settings.LevelOfPlay, LEVEL_EXPERT); // the setting stays as it was
    // Hints need the Expert: they say why there are none.
    platform.alwaysMessageBox = nullptr;
    ASSERT_TRUE(HumanToMove());
    platform.ExpectMessageBox("Hints are not available: " + expertWeights.error + ".", Buttons::Ok, Icon::Exclamation,
                              IDOK);
    Menu(ID_HINTS);
    platform.ExpectMessageBox("The tutor is not available: " + expertWeights.error + ".", Buttons::Ok,
                              Icon::Exclamation, IDOK);
    Menu(ID_TUTOR);
    EXPECT_EQ(platform.dialogs.size(), 3u);
    WatchComputer();
    for (int turn = 0; turn < 3; ++turn) PlayHumanTurn();
    EXPECT_EQ(platform.dialogs.size(), 3u);
    ASSERT_GE(turns.size(), 2u);
    for (const ComputerTurn& t : turns) {
        Board board;
        board.BoardTable = t.before;
        board.BuildBoard(false);
        board.CurrentPlayer = COMPUTER;
        DiceRecord dice(nullptr, nullptr);
        dice.SetRoll(t.d1, t.d2);
        RulesEngine rules(&board, &dice);
        rules.ChooseMove(false, LEVEL_GOOD);
        BoardData good = t.before, played = t.before;
        for (int k = 0; k < dice.moves; ++k)
            Step(good, COMPUTER, rules.bestFrom[k], rules.bestFrom[k] - rules.bestDice[k]);
        for (const auto& [from, to] : t.moves) Step(played, COMPUTER, from, to);
        EXPECT_EQ(BoardKey(played), BoardKey(good));
    }
}

// A search looks at the window once every 25 ms of the platform's clock and
// not in a search shorter than that; a look that answers false (the window
// is to close) abandons it, and the play is still one of the roll's.
TEST_F(ExpertLevelTest, ALongSearchLooksAtTheWindowAndStopsWhenItIsToClose)
{
    MakeWeights();
    ExpertPlayer expert(expertWeights);
    std::uint32_t clock = 0;
    int ticksAsked = 0;
    std::vector<std::uint32_t> looks;
    bool closing = false;
    expert.SetWindowLook(
        [&] {
            ++ticksAsked;
            return clock;
        },
        [&] {
            looks.push_back(clock);
            return !closing;
        });
    const BoardData start = WithFixedOwners(StandardSetup());
    // The clock stands still: no look.
    const ExpertMove still = expert.Choose(start, COMPUTER, 6, 4);
    EXPECT_GT(ticksAsked, 1);
    EXPECT_TRUE(looks.empty());
    // 10 ms pass between two asks of the clock: a look every third ask.
    expert.SetWindowLook(
        [&] {
            clock += 10;
            return clock;
        },
        [&] {
            looks.push_back(clock);
            return !closing;
        });
    const ExpertMove slow = expert.Choose(start, COMPUTER, 6, 4);
    ASSERT_GT(looks.size(), 2u);
    for (std::size_t k = 1; k < looks.size(); ++k) EXPECT_EQ(looks[k] - looks[k - 1], 30u);
    EXPECT_EQ(slow.from, still.from);
    // The window is to close: the search stops at the first look.
    closing = true;
    looks.clear();
    const ExpertMove stopped = expert.Choose(start, COMPUTER, 6, 4);
    EXPECT_EQ(looks.size(), 1u);
    BoardData after = start;
    for (int k = 0; k < stopped.count; ++k) Step(after, COMPUTER, stopped.pairs[k].first, stopped.pairs[k].second);
    EXPECT_EQ(LegalEnds(start, COMPUTER, 6, 4).count(BoardKey(after)), 1u);
}

// Finish game at the Expert: the program plays the human's side with the
// Expert's plays as well, every one legal, to the end of the game (a race,
// which the race network judges).
TEST_F(ExpertLevelTest, FinishGameAtTheExpertPlaysBothSidesWithTheExpert)
{
    MakeWeights(5);
    StartWithRolls("31 64 52 11 63 42 55 21 43 62 51 33 54 61 32 44 65 41 22 53 66", "LevelOfPlay=3");
    Load(MakePosition(
        {{8, COMPUTER, 5}, {6, COMPUTER, 5}, {4, COMPUTER, 5}, {17, HUMAN, 5}, {19, HUMAN, 5}, {21, HUMAN, 5}}));
    ASSERT_TRUE(HumanToMove());
    WatchComputer(NOBODY);
    bool over = false;
    platform.OnStatDlg([&](StatDlg&) {
        over = true;
        return static_cast<int>(IDCANCEL);
    });
    platform.OnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
    Menu(ID_FINISH_GAME);
    ASSERT_TRUE(over);
    int human = 0;
    for (const ComputerTurn& t : turns) {
        BoardData after = t.before;
        for (const auto& [from, to] : t.moves) Step(after, t.player, from, to);
        ASSERT_EQ(LegalEnds(t.before, t.player, t.d1, t.d2).count(BoardKey(after)), 1u);
        const ExpertMove m = ExpertChoice(t.before, t.player, t.d1, t.d2);
        BoardData chosen = t.before;
        for (int k = 0; k < m.count; ++k) Step(chosen, t.player, m.pairs[k].first, m.pairs[k].second);
        EXPECT_EQ(BoardKey(after), BoardKey(chosen));
        if (t.player == HUMAN) ++human;
    }
    EXPECT_GT(human, 5);
}

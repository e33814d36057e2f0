// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress kept across a quit, and games exported to match files.
#include "GameFixture.h"

#include "Gnubg.h"
#include "HostileFiles.h"
#include "core/files/KeptGameFile.h"
#include "core/files/PositionFile.h"
#include "core/settings/Profile.h"
#include "program/app/StringTable.h"
#include "program/dialogs/GvUpDlg.h"

namespace {

// The rolls of the games below: the opening roll 1-3 gives the human the
// first turn; the rolls after it are read round and round.
constexpr const char* ROLLS = "13 52 64 31 66 42 15 23 61 54 33 26 41 65 12 34 55 21 63 44 62 51";

FileDialogOptions MatchDialog()
{
    FileDialogOptions options;
    options.filter = "Match files (*.mat)|*.mat|All files (*.*)|*.*||";
    options.initialName = "*.mat";
    options.defaultExtension = "mat";
    options.confirmOverwrite = true;
    return options;
}

class KeptGame : public GameTest {
protected:
    std::string Kept() const { return PathOf("tablorw.sav"); }
    bool KeptExists() const { return std::filesystem::exists(Kept()); }
    // Ends the program and starts it again in the same folder; `made` runs
    // once the new window is made, before its first game is played.
    void Restart(const std::function<void()>& made = nullptr)
    {
        platform.quit = false;
        platform.post = nullptr;
        platform.onPaint = nullptr;
        window.reset();
        window = std::make_unique<BackgWnd>(platform, AppPaths(dir.string()), settings);
        if (made) made();
        platform.post = [this](const Message& m) { window->Post(m); };
        platform.onPaint = [this] { window->OnPaint(); };
        Pump();
    }
    // Plays the human's turn and confirms it; the computer plays its turn.
    void PlayTurnPair()
    {
        PlayHumanTurn();
        if (Game().WaitingConfirm) Confirm();
    }
    // Whether this start plays on from a kept game.
    bool Resumed() const
    {
        for (int i = 0; i < platform.list.LineCount(); ++i)
            if (platform.list.LineText(i) == LoadString(IDS_GAME_RESUMED)) return true;
        return false;
    }
    int Stored(const char* key) const { return Profile(PathOf("tablorw.ini")).GetInt("Game", key, -1); }
    // Resigns with the choice the dialog offers and quits from the statistics.
    void ResignAndQuit()
    {
        platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
        platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
        Menu(ID_RESIGN);
        EXPECT_TRUE(platform.quit);
    }
    // A kept game as a player could make it: a position the reader accepts,
    // with bytes in it that the game itself never writes (padding, the
    // reserved byte, an owner of an empty point), the human to roll 6-5.
    void WriteHandMadeKeptGame(const BoardData& board)
    {
        PositionFileData d;
        d.board = ToImage(board);
        d.die = {6, 5, NO_VALUE, NO_VALUE};
        d.moves = 2;
        d.reserved = 9;
        d.raceRest = {1, 2, 3};
        PositionFileBytes bytes = EncodePositionFile(d);
        bytes[PositionFileOffset::Board + 1] = 7;
        bytes[PositionFileOffset::Board + 10 * 8 + 4] = COMPUTER;
        std::ofstream(Kept(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    // The human bears off its last piece with the 6: a gammon, 2 points.
    static BoardData OneToBearOff() { return MakePosition({{24, HUMAN, 1}, {1, COMPUTER, 15}}); }
    // Starts again on a kept OneToBearOff, wins the gammon and quits; the
    // human's stored score is `stored` then.
    void ResumeAndWinTheGammon(int stored = 2)
    {
        Restart();
        ASSERT_TRUE(Resumed());
        platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
        PlayHumanTurn();
        ASSERT_TRUE(platform.quit);
        EXPECT_EQ(Stored("Human"), stored);
    }
    std::string KeptBytes() const
    {
        std::ifstream in(Kept(), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    static std::optional<KeptRecord> Decoded(const std::string& bytes)
    {
        return DecodeKeptGame(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
};

} // namespace

// Quit in the middle of the human's turn and start again: the board, cube,
// dice and statistics of the turn's start are back, the roll is listed once
// more but not counted again, and the game plays on to its score; then the
// kept game is gone.
TEST_F(KeptGame, QuitInTheHumansTurnThenPlayOnAfterARestart)
{
    StartWithRolls(ROLLS, "UseCube=1\nAutoFinish=0");
    EXPECT_TRUE(KeptExists()) << "the first turn is kept";
    Menu(ID_DOUBLE);
    ASSERT_EQ(Game().CubeValue, 2);
    PlayTurnPair();
    PlayTurnPair();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_EQ(Game().MovesMade, 0);
    const BoardData start = Data();
    const auto die = Dice().die;
    const auto pips = Game().PipsRolled;
    const auto hits = Game().HitsMade;
    // A move of the turn is not kept: the turn starts again from its start.
    PlayHumanTurn();
    ASSERT_NE(Data(), start);

    Restart();
    EXPECT_EQ(Data(), start);
    EXPECT_EQ(BoardTable(), start);
    EXPECT_EQ(Dice().die, die);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Game().CubeValue, 2);
    EXPECT_EQ(Game().CubeOwner, COMPUTER);
    EXPECT_EQ(Game().PipsRolled, pips);
    EXPECT_EQ(Game().HitsMade, hits);
    EXPECT_EQ(Game().MovesMade, 0);
    EXPECT_EQ(LineFromEnd(2), LoadString(IDS_GAME_RESUMED));
    EXPECT_EQ(LineFromEnd(1).rfind("Dice: ", 0), 0u);
    EXPECT_TRUE(platform.dice[4].visible) << "the roll is shown on the human's side";

    // Played on to the end: scored with the kept cube, and no game is kept.
    platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    Menu(ID_FINISH_GAME);
    ASSERT_TRUE(platform.quit);
    const int points = Game().ScoreSinceStart[HUMAN] + Game().ScoreSinceStart[COMPUTER];
    EXPECT_GE(points, 2);
    EXPECT_EQ(points % 2, 0) << "the cube of 2 counts";
    EXPECT_EQ(Profile(PathOf("tablorw.ini")).GetInt("Game", "Human", -1) +
                  Profile(PathOf("tablorw.ini")).GetInt("Game", "Computer", -1),
              points);
    EXPECT_FALSE(KeptExists());
}

// A kept file that holds no game the human can play on is removed and a new
// game starts: cut short, damaged, a game already over, a roll partly played
// or no roll, negative figures.
TEST_F(KeptGame, AKeptFileThatHoldsNoPlayableGameIsRemoved)
{
    StartWithRolls(ROLLS);
    ASSERT_TRUE(KeptExists());
    PositionFileData good;
    ASSERT_EQ(ReadPositionFile(Kept(), good), PositionFileResult::Ok);
    const PositionFileBytes bytes = EncodePositionFile(good);

    std::vector<std::pair<std::string, std::string>> cases;
    cases.push_back({"cut short", std::string(bytes.begin(), bytes.begin() + 228)});
    cases.push_back({"not a position file", std::string(POSITION_FILE_SIZE, 'x')});
    auto changed = [&](const std::function<void(PositionFileData&)>& change) {
        PositionFileData d = good;
        change(d);
        const PositionFileBytes b = EncodePositionFile(d);
        return std::string(b.begin(), b.end());
    };
    cases.push_back({"over", changed([](PositionFileData& d) {
                         BoardData b{};
                         b[COMPUTER_TRAY].count = PIECES_PER_SIDE;
                         b[HUMAN_TRAY].count = PIECES_PER_SIDE;
                         d.board = ToImage(WithFixedOwners(b));
                     })});
    cases.push_back({"half a roll", changed([](PositionFileData& d) { d.moves = 1; })});
    cases.push_back({"no roll", changed([](PositionFileData& d) {
                         d.die = {NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};
                     })});
    cases.push_back({"negative", changed([](PositionFileData& d) { d.pipsRolledHuman = -5; })});
    // With the trailer that names the game: one marked as over, and one whose
    // trailer is damaged.
    auto trailed = [&](KeptStage stage, int damagedAt) {
        std::vector<std::uint8_t> b = EncodeKeptGame(KeptRecord{good, 0x1234, stage});
        if (damagedAt >= 0) b[static_cast<std::size_t>(damagedAt)] ^= 1;
        return std::string(b.begin(), b.end());
    };
    cases.push_back({"marked as over", trailed(KeptStage::Ended, -1)});
    cases.push_back({"another tag", trailed(KeptStage::HumanTurn, POSITION_FILE_SIZE)});
    cases.push_back({"a stage that is none", trailed(static_cast<KeptStage>(3), -1)});
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        std::ofstream(Kept(), std::ios::binary) << content;
        Restart();
        EXPECT_EQ(Data(), WithFixedOwners(StandardSetup())) << "a new game";
        EXPECT_NE(platform.list.LineText(5), LoadString(IDS_GAME_RESUMED));
        // The new game's first turn is the human's, and kept anew.
        PositionFileData now;
        EXPECT_EQ(ReadPositionFile(Kept(), now), PositionFileResult::Ok);
        EXPECT_EQ(FromImage(now.board), WithFixedOwners(StandardSetup()));
    }
}

// New game and Open replace the kept game as they replace the game on the board.
TEST_F(KeptGame, NewGameAndOpenReplaceTheKeptGame)
{
    StartWithRolls(ROLLS, "FirstMoveBy=1");
    ASSERT_EQ(Game().Starter, COMPUTER);
    PlayTurnPair();
    PlayTurnPair();
    ASSERT_TRUE(KeptExists());
    platform.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDYES);
    // The computer opens the new game: until the human's first turn no game is kept.
    bool keptDuringTheComputersTurn = true;
    window->Turns().onTransfer = [&](int, int) {
        if (CurrentPlayer() == COMPUTER) keptDuringTheComputersTurn = KeptExists();
    };
    Menu(ID_FILE_NEW);
    EXPECT_FALSE(keptDuringTheComputersTurn);
    window->Turns().onTransfer = nullptr;
    ASSERT_TRUE(KeptExists());

    const BoardData opened = MakePosition({{20, HUMAN, 15}, {3, COMPUTER, 15}});
    PositionFileData data;
    data.board = ToImage(opened);
    ASSERT_TRUE(WritePositionFile(PathOf("race.pos"), data));
    platform.ExpectOpenFile(FileDialogOptions{"Position files (*.pos)|*.pos|All files (*.*)|*.*||", "*.pos", "", false},
                            PathOf("race.pos"));
    Menu(ID_FILE_OPEN);
    PositionFileData kept;
    ASSERT_EQ(ReadPositionFile(Kept(), kept), PositionFileResult::Ok);
    EXPECT_EQ(FromImage(kept.board), opened);
    EXPECT_EQ(kept.die, Dice().die) << "with the fresh roll";
}

// What changes while the turn has not begun is kept with it: a double taken
// (a restart must not offer the same double again) and a switch of sides.
TEST_F(KeptGame, ADoubleAndASwitchOfSidesAreKeptWithTheTurn)
{
    StartWithRolls(ROLLS, "UseCube=1");
    Menu(ID_DOUBLE);
    ASSERT_EQ(Game().CubeOwner, COMPUTER) << "the computer takes";
    Restart();
    EXPECT_EQ(Game().CubeValue, 2);
    EXPECT_EQ(Game().CubeOwner, COMPUTER);
    EXPECT_FALSE(window->IsCommandEnabled(ID_DOUBLE));

    // (After the restart the rolls file starts again: the computer answers
    // the human's 3-1 with 3-1, a position that is its own mirror.)
    PlayTurnPair();
    PlayTurnPair();
    const BoardData before = Data();
    Key('W', 0, true); // Switch sides
    const BoardData switched = Data();
    ASSERT_NE(switched, before);
    Restart();
    EXPECT_EQ(Data(), switched);
    EXPECT_EQ(Game().CubeValue, 2);
}

// A kept game that cannot be brought up to date (a full disk) is removed, so
// that an older turn never comes back; a kept game that another copy of the
// program in the same folder wrote since stays when this copy's game ends and
// the player quits.
TEST_F(KeptGame, AStaleKeptGameGoesAndAnotherCopysStays)
{
    StartWithRolls(ROLLS);
    ASSERT_TRUE(KeptExists());
    {
        const DiskFullAfter full(0);
        ASSERT_TRUE(full.Active());
        Load(MakePosition({{20, HUMAN, 15}, {3, COMPUTER, 15}}));
    }
    EXPECT_FALSE(KeptExists()) << "the first turn of the game before the Open";

    Restart();
    ASSERT_TRUE(KeptExists());
    PositionFileData other;
    ASSERT_EQ(ReadPositionFile(Kept(), other), PositionFileResult::Ok);
    other.board = ToImage(MakePosition({{22, HUMAN, 15}, {2, COMPUTER, 15}}));
    ASSERT_TRUE(WritePositionFile(Kept(), other));
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    Menu(ID_RESIGN);
    ASSERT_TRUE(platform.quit);
    PositionFileData now;
    ASSERT_EQ(ReadPositionFile(Kept(), now), PositionFileResult::Ok);
    EXPECT_EQ(now, other) << "the other copy's game";
}

// Exit, start again, resign, quit, start again, round after round: the
// game resigned is never resumed, the next start begins a new one, and each
// game is scored once.
TEST_F(KeptGame, AGameThatHasEndedIsNeverResumed)
{
    Start();
    int computer = 0;
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_FALSE(Resumed());
        EXPECT_EQ(Data(), WithFixedOwners(StandardSetup()));
        Menu(ID_APP_EXIT);
        Restart();
        ASSERT_TRUE(Resumed());
        ResignAndQuit();
        computer += Game().CubeValue;
        EXPECT_EQ(Stored("Computer"), computer);
        Restart();
    }
    EXPECT_FALSE(Resumed());
    EXPECT_EQ(Stored("Computer"), computer);
}

// A kept file made by hand, with bytes the game never writes, is played once:
// won, it is gone, and the next starts begin new games.
TEST_F(KeptGame, AKeptFileMadeByHandIsScoredOnce)
{
    Start();
    WriteHandMadeKeptGame(OneToBearOff());
    ASSERT_NO_FATAL_FAILURE(ResumeAndWinTheGammon());
    Restart();
    EXPECT_FALSE(Resumed());
    EXPECT_EQ(Data(), WithFixedOwners(StandardSetup()));
    // The next start resumes the new game.
    Restart();
    EXPECT_TRUE(Resumed());
    EXPECT_EQ(Data(), WithFixedOwners(StandardSetup()));
    EXPECT_EQ(Stored("Human"), 2);

    // Made read-only, in a folder that may be written: the same, once more.
    WriteHandMadeKeptGame(OneToBearOff());
    std::filesystem::permissions(Kept(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    ASSERT_NO_FATAL_FAILURE(ResumeAndWinTheGammon(4));
    EXPECT_FALSE(KeptExists());
    Restart();
    EXPECT_FALSE(Resumed());
    EXPECT_EQ(Stored("Human"), 4);
}

// A kept file that can be neither brought up to date nor removed: the turn it
// holds is not resumed once the game has moved on, and a game that ended in
// it is not resumed either; the settings file remembers them.
TEST_F(KeptGame, AKeptFileThatCannotBeChangedIsNotResumedOnceStale)
{
    Start();
    WriteHandMadeKeptGame(MakePosition({{1, HUMAN, 2}, {12, HUMAN, 13}, {24, COMPUTER, 2}, {13, COMPUTER, 13}}));
    {
        const ImmutableFile locked(Kept());
        if (!locked.Active())
            GTEST_SKIP() << "no immutable attribute here: a file that cannot be removed cannot be made";
        Restart();
        ASSERT_TRUE(Resumed());
        PlayTurnPair();
        ASSERT_EQ(CurrentPlayer(), HUMAN);
        Restart();
        EXPECT_FALSE(Resumed()) << "the turn before the last";
        EXPECT_EQ(Data(), WithFixedOwners(StandardSetup()));
    }

    WriteHandMadeKeptGame(OneToBearOff());
    const ImmutableFile locked(Kept());
    ASSERT_TRUE(locked.Active());
    ASSERT_NO_FATAL_FAILURE(ResumeAndWinTheGammon());
    for (int start = 0; start < 2; ++start) {
        Restart();
        EXPECT_FALSE(Resumed());
    }
    EXPECT_EQ(Stored("Human"), 2);
    EXPECT_TRUE(KeptExists());
}

// The program killed in the computer's turn, after the human confirmed: the
// next start plays on with the computer's turn, from the board the human
// left, and the human's next turn is kept under the same game.
TEST_F(KeptGame, KilledInTheComputersTurnThePlayerDoesNotReplayTheTurn)
{
    StartWithRolls(ROLLS, "AutoChangeTurn=0");
    const std::uint64_t id = window->Kept().Id();
    ASSERT_NE(id, 0u);
    const std::array<std::uint8_t, 2> roll{Dice().die[0], Dice().die[1]};
    PlayHumanTurn();
    ASSERT_TRUE(Game().WaitingConfirm);
    const BoardData played = Data();
    // What is on disk when the computer's first piece moves is what a kill
    // then would leave.
    std::string atKill;
    window->Turns().onTransfer = [&](int, int) {
        if (CurrentPlayer() == COMPUTER && atKill.empty()) atKill = KeptBytes();
    };
    Confirm();
    window->Turns().onTransfer = nullptr;
    const std::optional<KeptRecord> kept = Decoded(atKill);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->stage, KeptStage::ComputerTurn);
    EXPECT_EQ(kept->id, id);
    EXPECT_EQ(FromImage(kept->data.board), played);
    EXPECT_EQ(kept->data.die[0], roll[0]) << "with the roll the human played";
    EXPECT_EQ(kept->data.die[1], roll[1]);

    std::ofstream(Kept(), std::ios::binary) << atKill;
    // The first piece that moves after the new start, and whose it is.
    BoardData resumedFrom{};
    int firstMover = NOBODY;
    Restart([&] {
        window->Turns().onTransfer = [&](int, int) {
            if (firstMover != NOBODY) return;
            firstMover = CurrentPlayer();
            resumedFrom = Data();
        };
    });
    window->Turns().onTransfer = nullptr;
    EXPECT_TRUE(Resumed());
    EXPECT_EQ(firstMover, COMPUTER) << "the computer's turn is played first";
    EXPECT_EQ(resumedFrom, played);
    // The game's rolls, as "Same rolls" replays them, begin with the human's.
    ASSERT_GE(Dice().history.size(), 4u);
    EXPECT_EQ(Dice().history[0], roll[0]);
    EXPECT_EQ(Dice().history[1], roll[1]);
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(window->Kept().Id(), id);
    const std::optional<KeptRecord> next = Decoded(KeptBytes());
    ASSERT_TRUE(next);
    EXPECT_EQ(next->stage, KeptStage::HumanTurn);
    EXPECT_EQ(next->id, id);
    EXPECT_EQ(FromImage(next->data.board), Data());
}

// A second copy started in the folder while the first plays neither resumes
// the first copy's game nor touches its kept file, even when its own game
// ends; once the first copy is gone (the kernel drops its lock however it
// ends), the next start plays on with the first copy's game.
TEST_F(KeptGame, ASecondCopyLeavesTheFirstCopysGameAlone)
{
    StartWithRolls(ROLLS);
    PlayTurnPair();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    const std::uint64_t id = window->Kept().Id();
    const std::string first = KeptBytes();
    ASSERT_EQ(first.size(), static_cast<std::size_t>(KEPT_FILE_SIZE));
    {
        TestPlatform otherPlatform;
        Settings otherSettings;
        BackgWnd other(otherPlatform, AppPaths(dir.string()), otherSettings);
        otherPlatform.post = [&](const Message& m) { other.Post(m); };
        auto pump = [&] {
            for (int guard = 0; guard < 1000 && other.HasMessages(); ++guard) other.PumpMessages();
        };
        pump();
        EXPECT_FALSE(other.Kept().Keeps());
        EXPECT_EQ(other.Game().board.Data(), WithFixedOwners(StandardSetup())) << "a new game";
        for (int i = 0; i < otherPlatform.list.LineCount(); ++i)
            EXPECT_NE(otherPlatform.list.LineText(i), LoadString(IDS_GAME_RESUMED));
        otherPlatform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
        otherPlatform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
        otherPlatform.Input().Menu(ID_RESIGN);
        pump();
        EXPECT_TRUE(otherPlatform.quit);
        EXPECT_EQ(KeptBytes(), first) << "the first copy's game, untouched";
    }
    EXPECT_EQ(KeptBytes(), first);
    Restart();
    EXPECT_TRUE(Resumed());
    EXPECT_EQ(window->Kept().Id(), id);
    EXPECT_TRUE(window->Kept().Keeps());
}

// A human on the bar before a closed board sees no roll when a game is put
// on the board, as at any turn's start: after Open and after a resume no
// dice are shown or listed and none are counted.
TEST_F(KeptGame, AClosedOutHumanSeesNoRollAfterOpenOrResume)
{
    const BoardData closedOut = MakePosition({{0, HUMAN, 1},
                                              {12, HUMAN, 14},
                                              {1, COMPUTER, 2},
                                              {2, COMPUTER, 2},
                                              {3, COMPUTER, 2},
                                              {4, COMPUTER, 2},
                                              {5, COMPUTER, 2},
                                              {6, COMPUTER, 2},
                                              {13, COMPUTER, 3}});
    auto expectNoRollSeen = [this](int pips, int doubles) {
        for (int i = 0; i < platform.list.LineCount(); ++i)
            EXPECT_NE(platform.list.LineText(i).rfind(LoadString(IDS_DICE), 0), 0u) << platform.list.LineText(i);
        for (const TestDicePicture& d : platform.dice) EXPECT_FALSE(d.visible);
        EXPECT_EQ(Game().PipsRolled[HUMAN], pips);
        EXPECT_EQ(Game().DoublesRolled[HUMAN], doubles);
        EXPECT_EQ(Pane(0), LoadString(IDS_CANNOT_MOVE));
        EXPECT_EQ(LastLine(), "1st  from  ");
    };

    // Open: the fresh roll, a doublet, is not counted on top of the file's figures.
    StartWithRolls("13 66 21 43");
    LoadWith(closedOut, [](PositionFileData& d) {
        d.pipsRolledHuman = 40;
        d.doublesRolledHuman = 1;
    });
    ASSERT_EQ(Dice().die[0], 6);
    ASSERT_EQ(Dice().moves, 4);
    expectNoRollSeen(40, 1);

    // Resume: the kept roll is not listed or shown again.
    WriteHandMadeKeptGame(closedOut);
    Restart();
    ASSERT_TRUE(Resumed());
    expectNoRollSeen(0, 0);
}

// Export game is greyed until a piece has moved; a game that did not begin
// in the starting position is refused with a message, and so is a file that
// cannot be written.
TEST_F(KeptGame, ExportNeedsAMoveAGameFromTheStartAndAWritableFile)
{
    StartWithRolls(ROLLS);
    EXPECT_FALSE(window->IsCommandEnabled(ID_EXPORT_GAME));
    PlayHumanTurn();
    EXPECT_TRUE(window->IsCommandEnabled(ID_EXPORT_GAME));
    Confirm();

    platform.ExpectSaveFile(MatchDialog(), PathOf("missing/folder/game.mat"));
    platform.ExpectMessageBox("Cannot write match file !", Buttons::Ok, Icon::Exclamation, IDOK);
    Menu(ID_EXPORT_GAME);
    EXPECT_FALSE(std::filesystem::exists(PathOf("missing")));

    Load(MakePosition({{20, HUMAN, 15}, {3, COMPUTER, 15}}));
    PlayHumanTurn();
    platform.ExpectMessageBox("Only a game played from the starting position can be exported !", Buttons::Ok,
                              Icon::Exclamation, IDOK);
    Menu(ID_EXPORT_GAME);
    platform.CheckAllScriptsUsed();
}

// The game just finished stays exportable with Export last game until the
// next game ends, whatever comes after its statistics: Again with the
// computer moving at once, or Quit and a new start. A finished game that did
// not begin in the starting position is refused with a message, and none is
// held after the next start.
TEST_F(KeptGame, ExportLastGameWritesTheGameJustFinishedUntilTheNextEnds)
{
    StartWithRolls(ROLLS, "AutoFinish=0");
    EXPECT_FALSE(window->IsCommandEnabled(ID_EXPORT_LAST_GAME)) << "no game has finished yet";
    auto exported = [this](const std::string& name) {
        platform.ExpectSaveFile(MatchDialog(), PathOf(name));
        Menu(ID_EXPORT_LAST_GAME);
        std::ifstream in(PathOf(name));
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    // The game each statistics dialog is shown for.
    MatchGame shown;
    auto record = [&shown, this](int result) {
        return [&shown, this, result](StatDlg& d) {
            shown = Game().record.Played();
            d.rollChoice = 2;
            return result;
        };
    };

    // Finished quick; Again with the rolls swapped gives the computer the
    // opening, which it plays at once.
    PlayTurnPair();
    platform.OnStatDlg(record(IDOK));
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(platform.DialogKinds().back(), DialogKind::StatDlg);
    ASSERT_EQ(Game().Starter, COMPUTER);
    ASSERT_TRUE(Game().record.HasMoves()) << "the computer has moved in the new game";
    const MatchGame first = shown;
    const std::string firstText = exported("first.mat");
    EXPECT_EQ(firstText, ExportedGameText(first, platform.now));
    EXPECT_NE(firstText.find(" Wins "), std::string::npos);

    // The next game resigned, and Quit: after the new start, the resigned
    // game is written, also once the new game is under way.
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg(record(IDCANCEL));
    Menu(ID_RESIGN);
    ASSERT_TRUE(platform.quit);
    const MatchGame second = shown;
    Restart();
    PlayTurnPair();
    ASSERT_TRUE(window->IsCommandEnabled(ID_EXPORT_LAST_GAME));
    EXPECT_EQ(exported("second.mat"), ExportedGameText(second, platform.now));

    // A game from a position file ends: it is the last game now, and it
    // cannot be exported; the start after it holds no last game.
    Load(OneToBearOff());
    platform.OnStatDlg(record(IDOK));
    PlayHumanTurn();
    ASSERT_EQ(platform.DialogKinds().back(), DialogKind::StatDlg);
    ASSERT_TRUE(window->IsCommandEnabled(ID_EXPORT_LAST_GAME));
    platform.ExpectMessageBox("Only a game played from the starting position can be exported !", Buttons::Ok,
                              Icon::Exclamation, IDOK);
    Menu(ID_EXPORT_LAST_GAME);
    EXPECT_FALSE(std::filesystem::exists(PathOf("tablorw.mat")));
    Restart();
    EXPECT_FALSE(window->IsCommandEnabled(ID_EXPORT_LAST_GAME));
    platform.CheckAllScriptsUsed();
}

// A game played through the window, with a double taken and a move taken
// back, exported in the middle and after its end, loads in GNU Backgammon with
// every move legal, and ends there where it ended in Tablor, with its score.
TEST_F(KeptGame, ExportedGamesLoadInGnubgAsPlayed)
{
    if (GnubgPath().empty()) GTEST_SKIP() << "gnubg is not installed: the exported games are not checked";
    StartWithRolls(ROLLS, "UseCube=1\nAutoFinish=0");
    // The human takes every double the computer offers.
    platform.alwaysMessageBox = [](const std::string&, Buttons, Icon) { return static_cast<int>(IDYES); };
    Menu(ID_DOUBLE);
    ASSERT_EQ(Game().CubeOwner, COMPUTER) << "the computer takes";
    PlayHumanTurn();
    Key(VK_ESCAPE);
    ASSERT_EQ(Game().MovesMade, 1) << "a move taken back";
    PlayHumanTurn();
    Confirm();
    for (int turn = 0; turn < 4 && CurrentPlayer() == HUMAN; ++turn) PlayTurnPair();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_EQ(Game().MovesMade, 0);

    // In the middle: the turns played so far.
    platform.ExpectSaveFile(MatchDialog(), PathOf("middle.mat"));
    Menu(ID_EXPORT_GAME);
    const BoardData middle = Data();

    // To the end, quick; before the next game's first move, Export writes
    // the game just finished.
    BoardData last{};
    platform.OnStatDlg([&last, this](StatDlg&) {
        last = Data();
        return static_cast<int>(IDOK);
    });
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(platform.DialogKinds().back(), DialogKind::StatDlg);
    platform.ExpectSaveFile(MatchDialog(), PathOf("whole.mat"));
    Menu(ID_EXPORT_GAME);
    platform.CheckAllScriptsUsed();

    const GnubgRun run = ImportIntoGnubg({PathOf("middle.mat"), PathOf("whole.mat")}, dir);
    EXPECT_EQ(run.warnings, 0) << run.output;
    ASSERT_EQ(run.games.size(), 2u) << run.output;
    EXPECT_TRUE(SamePosition(run.games[0].positionId, middle)) << run.games[0].positionId;
    EXPECT_TRUE(SamePosition(run.games[1].positionId, last)) << run.games[1].positionId;
    EXPECT_EQ(run.games[1].human, Game().ScoreSinceStart[HUMAN]);
    EXPECT_EQ(run.games[1].computer, Game().ScoreSinceStart[COMPUTER]);
    std::ifstream whole(PathOf("whole.mat"));
    const std::string text{std::istreambuf_iterator<char>(whole), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find(" Human : 0                      Computer : 0\n"), std::string::npos);
    // The human doubled on seeing the opening roll: the double and the take
    // come first, then the roll, the higher die first.
    EXPECT_NE(text.find("  1)  Doubles => 2" + std::string(16, ' ') + "Takes\n  2) 31: "), std::string::npos) << text;
}

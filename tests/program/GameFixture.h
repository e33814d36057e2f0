// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole games on the test platform: a real main window in a folder of its
// own, messages injected as the window system delivers them, the queue pumped
// until it runs empty.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "TestPlatform.h"
#include "core/board/Board.h"
#include "core/files/ColourScheme.h"
#include "core/settings/Settings.h"
#include "program/dialogs/StatDlg.h"
#include "program/game/BackgWnd.h"
#include "program/game/Commands.h"

// One stack of a position: `count` pieces of `owner` on `location`.
struct Stack {
    int location;
    int owner;
    int count;
};

// A position of these stacks; the pieces of each side not placed wait in its
// tray.
inline BoardData MakePosition(std::initializer_list<Stack> stacks)
{
    BoardData b{};
    int placed[3] = {0, 0, 0};
    for (const Stack& s : stacks) {
        b[s.location].count = static_cast<std::int8_t>(b[s.location].count + s.count);
        b[s.location].owner = s.owner;
        placed[s.owner] += s.count;
    }
    b[COMPUTER_TRAY].count = static_cast<std::int8_t>(b[COMPUTER_TRAY].count + PIECES_PER_SIDE - placed[COMPUTER]);
    b[HUMAN_TRAY].count = static_cast<std::int8_t>(b[HUMAN_TRAY].count + PIECES_PER_SIDE - placed[HUMAN]);
    b = WithFixedOwners(b);
    EXPECT_TRUE(IsValid(b));
    return b;
}

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() / ("tablor-game-" + std::string(info->test_suite_name()) + "-" +
                                                        info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }

    void TearDown() override
    {
        window.reset();
        std::filesystem::remove_all(dir);
    }

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }

    void WriteFile(const std::string& name, const std::string& text) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << text;
    }

    // Rolls from a file: pairs of digits, read cyclically; `ini` adds lines
    // to section "Options".
    void StartWithRolls(const std::string& digits, const std::string& ini = "")
    {
        WriteFile("rolls.txt", digits);
        Start("DiceMode=2\nRollsList=" + PathOf("rolls.txt") + "\n" + ini);
    }

    // Creates the main window with these lines in section "Options" and runs
    // the queue empty.
    void Start(const std::string& options = "", const std::string& extraSections = "")
    {
        WriteFile("tablorw.ini", "[Options]\n" + options + "\n" + extraSections);
        window = std::make_unique<BackgWnd>(platform, AppPaths(dir.string()), settings, expertWeights);
        platform.post = [this](const Message& m) { window->Post(m); };
        platform.onPaint = [this] { window->OnPaint(); };
        Pump();
    }

    // Handles every queued message and paints, as the real loop does.
    void Pump()
    {
        for (int guard = 0; guard < 1000 && window->HasMessages(); ++guard) {
            window->PumpMessages();
            platform.PaintPending();
        }
        platform.PaintPending();
    }

    Injector In() const { return platform.Input(); }

    // A key press of a letter 'A'..'X' or '0', handled at once.
    void Type(const std::string& letters)
    {
        for (char c : letters) {
            In().TypeLetter(c);
            Pump();
        }
    }
    void Key(int vk, int ch = 0, bool ctrl = false)
    {
        In().Key(vk, ch, ctrl);
        Pump();
    }
    void Menu(int id)
    {
        In().Menu(id);
        Pump();
    }
    // A point of the window that falls on this location and on no other:
    // the one nearest the middle of its rectangle (a bar answers only over
    // part of its rectangle, and the other bar overlaps it).
    Point PointOn(int location) const
    {
        const Rect r = LiveBoard()[location].rect;
        const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        Point best{cx, cy};
        long long bestDistance = -1;
        for (int y = r.top; y < r.bottom; y += 2) {
            for (int x = r.left; x < r.right; x += 2) {
                bool only = LiveBoard()[location].HitTest(x, y);
                for (int i = 0; i < LOCATIONS && only; ++i)
                    if (i != location && LiveBoard()[i].HitTest(x, y)) only = false;
                const long long d = 1LL * (x - cx) * (x - cx) + 1LL * (y - cy) * (y - cy);
                if (only && (bestDistance < 0 || d < bestDistance)) {
                    best = {x, y};
                    bestDistance = d;
                }
            }
        }
        EXPECT_GE(bestDistance, 0) << "no point falls on location " << location << " alone";
        return best;
    }

    // A left click on a location.
    void ClickOn(int location)
    {
        const Point p = PointOn(location);
        In().Click(p.x, p.y);
        Pump();
    }
    // The mouse pointer comes to rest over a location, or at a point.
    void HoverOn(int location)
    {
        const Point p = PointOn(location);
        HoverAt(p.x, p.y);
    }
    void HoverAt(int x, int y)
    {
        In().Move(x, y);
        Pump();
    }
    void RightClickAt(int x, int y)
    {
        In().RightClick(x, y);
        Pump();
    }

    // The state of the game and the live board.
    GameState& Game() const { return window->Game(); }
    Board& LiveBoard() const { return window->Game().board; }
    BoardData Data() const { return LiveBoard().Data(); }
    // The side to move, and the position the turn started from.
    int& CurrentPlayer() const { return LiveBoard().CurrentPlayer; }
    BoardData& BoardTable() const { return LiveBoard().BoardTable; }
    DiceRecord& Dice() const { return *Game().dice; }
    RulesEngine& Rules() const { return *Game().rules; }
    // The colours the board is painted in, and its sizes.
    ColourSet& SchemeColour() const { return window->View().Colours(); }
    const Metrics& Sizes() const { return window->View().DisplayMetrics(); }
    std::string LastLine() const
    {
        const int n = platform.list.LineCount();
        return n > 0 ? platform.list.LineText(n - 1) : std::string();
    }
    std::string Pane(int i) const { return platform.status.PaneText(i); }

    // Puts a position on the board as opening a file does: the next roll of
    // the rolls file is the human's.
    void Load(const BoardData& board)
    {
        LoadWith(board, [](PositionFileData&) {});
    }
    // The same with other fields of the file changed too (the cube, say).
    void LoadWith(const BoardData& board, const std::function<void(PositionFileData&)>& change)
    {
        EXPECT_FALSE(Game().WaitingConfirm) << "a position is opened in a turn, not while it waits for confirmation";
        PositionFileData data = CurrentPositionData(Game());
        data.board = ToImage(board);
        change(data);
        window->Kept().LoadPosition(data);
        Pump();
    }

    // The move list's line `back` lines above the last (0 the last).
    std::string LineFromEnd(int back) const
    {
        const int n = platform.list.LineCount();
        return n - 1 - back >= 0 ? platform.list.LineText(n - 1 - back) : std::string();
    }
    // Whether pane `pane` of the status bar was ever given `text`.
    bool PaneEverShowed(int pane, const std::string& text) const
    {
        for (const auto& call : platform.status.textLog)
            if (call.pane == pane && call.text == text) return true;
        return false;
    }
    // The pauses the program made since the sleeps log had `from` entries.
    std::vector<int> SleepsSince(std::size_t from) const
    {
        return std::vector<int>(platform.sleeps.begin() + static_cast<std::ptrdiff_t>(from), platform.sleeps.end());
    }

    // Whether the human is to pick a piece now.
    bool HumanToMove() const { return CurrentPlayer() == HUMAN && Dice().moves > 0 && !Game().WaitingConfirm; }

    // Plays the human's turn with the computer's own choice for the human,
    // typed as letters (or clicked), ending with Space when nothing can move.
    void PlayHumanTurn(bool byClicks = false)
    {
        if (CurrentPlayer() != HUMAN) return;
        if (Rules().CannotMove()) {
            Key(VK_SPACE, ' ');
            return;
        }
        std::vector<MovePair> plan = SuggestedMoves(Game(), Game().OpeningTurn && Game().MovesMade == 0);
        for (const MovePair& m : plan) {
            if (CurrentPlayer() != HUMAN || Game().WaitingConfirm) return;
            const int before = Game().MovesMade;
            if (byClicks)
                ClickOn(m.from);
            else
                Type(std::string(1, LocationLetter(m.from)));
            if (Game().MovesMade == before && CurrentPlayer() == HUMAN && Game().CurrentMove().from != NO_VALUE) {
                if (byClicks)
                    ClickOn(m.to > 24 ? HUMAN_TRAY : m.to);
                else
                    Type(std::string(1, LocationLetter(m.to)));
            }
        }
        if (CurrentPlayer() == HUMAN && !Game().WaitingConfirm && Dice().moves > 0 && Rules().CannotMove())
            Key(VK_SPACE, ' ');
    }

    // Confirms the end of the human's turn with a click beside the board.
    void Confirm()
    {
        In().Click(1, 1);
        Pump();
    }

    std::filesystem::path dir;
    TestPlatform platform;
    // What the application holds: the window reads the settings file into it.
    Settings settings;
    // The Expert's networks the window is given (none unless a test reads some).
    ExpertWeights expertWeights;
    std::unique_ptr<BackgWnd> window;
};

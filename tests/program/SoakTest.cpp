// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games with every kind of move and command mixed in at random by a
// seeded driver, the board model's invariants checked after every message
// and every piece moved checked against the rules. TABLOR_SOAK_GAMES sets how
// many games a run plays (a short run by default).
#include "GameFixture.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <unistd.h>

#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"

namespace {

// Resident memory of this process in kilobytes.
long ResidentKb()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// A time limit for long runs (TABLOR_SOAK_SECONDS), none by default.
double SoakSeconds()
{
    const char* text = std::getenv("TABLOR_SOAK_SECONDS");
    return text ? std::atof(text) : 0.0;
}

int SoakGames()
{
    const char* text = std::getenv("TABLOR_SOAK_GAMES");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : 12;
}

class SoakTest : public GameTest {
protected:
    // Whether one piece of `player` may go from `from` to `to` (a tray for
    // bearing off) with one of the dice: what the rules allow.
    static bool Allowed(const BoardData& b, const DiceRecord& dice, int player, int from, int to)
    {
        if (b[BarOf(player)].count > 0 && from != BarOf(player)) return false;
        for (int i = 0; i < 4; ++i) {
            const int d = dice.die[i];
            if (d == 255) continue;
            const int step = player == HUMAN ? d : -d;
            const int landing = from + step;
            const bool off = landing < 1 || landing > 24;
            if ((off ? to == TrayOf(player) : to == landing) && LegalStep(b, player, from, step)) return true;
        }
        return false;
    }

    void Check(const char* what)
    {
        const BoardData b = Data();
        ASSERT_TRUE(IsValid(b)) << "after " << what << " in game " << games;
        ASSERT_GE(window->Game().CubeValue, 1);
        ASSERT_LE(window->Game().CubeValue, 64 * 3 * 2);
        ASSERT_GE(Dice().moves, 0);
        ASSERT_LE(Dice().moves, 4);
        ASSERT_TRUE(CurrentPlayer() == HUMAN || CurrentPlayer() == COMPUTER);
    }

    std::mt19937 rng{20261208};
    int games = 0;
    int illegal = 0;
    std::string savePath;
};

} // namespace

TEST_F(SoakTest, RandomPlayKeepsTheBoardModelWhole)
{
    Start("UseCube=1\nAutoForcedMoves=1\nIntelMoves=1\nAutoFinish=0\nHighLight=2");
    savePath = PathOf("soak.pos");
    // Every dialog answers at random; games go on with Again.
    platform.AlwaysOnStatDlg([this](StatDlg& d) {
        ++games;
        platform.ClearLogs();
        d.rollChoice = static_cast<int>(rng() % 3);
        return static_cast<int>(IDOK);
    });
    platform.alwaysMessageBox = [this](const std::string&, Buttons buttons, Icon) {
        switch (buttons) {
        case Buttons::Ok:
            return static_cast<int>(IDOK);
        case Buttons::OkCancel:
            return static_cast<int>(rng() % 2 ? IDOK : IDCANCEL);
        case Buttons::YesNo:
            return static_cast<int>(rng() % 4 == 0 ? IDYES : IDNO);
        case Buttons::YesNoCancel: {
            const int r = static_cast<int>(rng() % 3);
            return r == 0 ? static_cast<int>(IDYES) : r == 1 ? static_cast<int>(IDNO) : static_cast<int>(IDCANCEL);
        }
        }
        return static_cast<int>(IDCANCEL);
    };
    platform.alwaysFileDialog = [this](DialogKind kind, const FileDialogOptions&) -> std::optional<std::string> {
        if (kind == DialogKind::SaveFile) return savePath;
        if (std::filesystem::exists(savePath) && rng() % 2) return savePath;
        return std::nullopt;
    };
    platform.AlwaysOnResignDlg([this](GvUpDlg& d) {
        if (rng() % 2) return static_cast<int>(IDCANCEL);
        return d.OnOk();
    });
    platform.AlwaysOnFinishDlg([](FinishDlg&) { return FinishDlg::ID_FAST; });
    // Every piece the program moves must be a move the rules allow.
    window->Turns().onTransfer = [this](int from, int to) {
        if (window->Game().UndoInProgress) return;
        const BoardData b = Data();
        if (from == to && from == HUMAN_BAR) return; // the bar piece lifted in place
        if (!Allowed(b, Dice(), CurrentPlayer(), from, to)) {
            ++illegal;
            ADD_FAILURE() << "player " << CurrentPlayer() << " moved " << from << " to " << to << " in game " << games;
        }
    };
    platform.checkScriptsAtEnd = false;

    const int target = SoakGames();
    const double limit = SoakSeconds();
    const auto started = std::chrono::steady_clock::now();
    long firstGameKb = 0;
    static constexpr int keys[] = {VK_ESCAPE, VK_SPACE, VK_F2, VK_0};
    for (long step = 0; games < target && step < 400000L * target && illegal == 0; ++step) {
        const int action = static_cast<int>(rng() % 100);
        const Rect r = window->Game().board[static_cast<int>(rng() % LOCATIONS)].rect;
        const int x = r.left + static_cast<int>(rng() % static_cast<unsigned>(std::max(1, r.right - r.left)));
        const int y = r.top + static_cast<int>(rng() % static_cast<unsigned>(std::max(1, r.bottom - r.top)));
        if (action < 35) {
            In().Click(x, y);
        } else if (action < 55) {
            const int k = static_cast<int>(rng() % 25);
            In().TypeLetter(k == 0 ? '0' : static_cast<char>('A' + k - 1));
        } else if (action < 62) {
            In().Move(x, y);
        } else if (action < 67) {
            In().RightClick(x, y);
        } else if (action < 70) {
            In().Key(keys[rng() % 4], ' ');
        } else if (action < 73) {
            In().Tick();
        } else if (action < 76) {
            In().Click(static_cast<int>(rng() % 1200), static_cast<int>(rng() % 900));
        } else if (action < 80) {
            In().Menu(ID_SUGGEST_MOVE);
        } else if (action < 82) {
            In().Menu(ID_SWITCH_SIDES);
        } else if (action < 84) {
            In().Menu(ID_PASS);
        } else if (action < 86) {
            In().Menu(ID_DOUBLE);
        } else if (action < 87) {
            In().Menu(ID_RESIGN);
        } else if (action < 88) {
            In().Menu(ID_FILE_NEW);
        } else if (action < 90) {
            In().Menu(ID_FILE_SAVE);
        } else if (action < 91) {
            In().Menu(ID_FILE_OPEN);
        } else if (action < 92) {
            In().Menu(ID_SHOW_PROGRESS);
        } else if (action < 93) {
            In().Menu(ID_UNDO);
        } else if (action < 94) {
            In().Menu(ID_FINISH_GAME);
        } else {
            // Plays on: the human's turn as a player would.
            if (window->Game().WaitingConfirm)
                Confirm();
            else
                PlayHumanTurn(rng() % 2 == 0);
        }
        while (!window->Queue().Empty()) {
            window->Dispatch(window->Queue().Pop());
            Check("a message");
            if (HasFatalFailure()) return;
        }
        platform.PaintPending();
        if (platform.quit) break;
        if (games >= 1 && firstGameKb == 0) firstGameKb = ResidentKb();
        if (limit > 0 && step % 1000 == 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() > limit)
            break;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "soak: " << games << " games in " << seconds << " s; resident memory after the first game "
              << firstGameKb << " kB, at the end " << ResidentKb() << " kB\n";
    if (limit <= 0) {
        EXPECT_GE(games, target);
    }
    EXPECT_EQ(illegal, 0);
    RecordProperty("games", games);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Golden transcripts: a whole game from a rolls file, with the human's turns
// played by the fixture, written as what the window showed (the move list,
// the status bar's texts, the dialogs) and compared line
// by line with the transcript kept in tests/program/golden. A change of what
// a player sees fails here with the first line that differs; a change meant
// to be seen is taken in by running the test with TABLOR_UPDATE_GOLDEN=1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GameFixture.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

} // namespace

class Transcript : public GameTest {
protected:
    // What the window showed, one line each: the move list's lines, each
    // status-bar text that was not cleared at once or repeated, and
    // the dialogs.
    std::string Shown() const
    {
        std::string out;
        // A line the next one completes is left out: the move list grows its
        // last line as a move is typed.
        const std::vector<std::string>& added = platform.list.addedLog;
        for (std::size_t i = 0; i < added.size(); ++i) {
            const bool completed = i + 1 < added.size() && added[i + 1].size() > added[i].size() &&
                                   added[i + 1].compare(0, added[i].size(), added[i]) == 0;
            if (!completed) out += "list  " + added[i] + "\n";
        }
        std::string last;
        for (const auto& call : platform.status.textLog) {
            const std::string line = "pane" + std::to_string(call.pane) + " " + call.text + "\n";
            if (call.text.empty() || line == last) continue;
            out += line;
            last = line;
        }
        for (const DialogRecord& d : platform.dialogs) out += "dialog " + ToString(d.kind) + " " + d.text + "\n";
        out += "score " + std::to_string(Game().ScoreSinceStart[HUMAN]) + ":" +
               std::to_string(Game().ScoreSinceStart[COMPUTER]) + "\n";
        return out;
    }

    void ExpectGolden(const std::string& name, const std::string& shown) const
    {
        const std::string path = std::string(TABLOR_SOURCE_DIR) + "/tests/program/golden/" + name;
        if (std::getenv("TABLOR_UPDATE_GOLDEN") != nullptr) {
            std::ofstream(path, std::ios::binary) << shown;
            return;
        }
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << "no transcript " << path << " (run with TABLOR_UPDATE_GOLDEN=1 to write it)";
        const std::vector<std::string> want = Lines(std::string(std::istreambuf_iterator<char>(in), {}));
        const std::vector<std::string> got = Lines(shown);
        for (std::size_t i = 0; i < want.size() && i < got.size(); ++i)
            ASSERT_EQ(got[i], want[i]) << name << " line " << i + 1;
        EXPECT_EQ(got.size(), want.size()) << name;
    }
};

// A game of the computer's choices for both sides, the human's typed, with
// the cube in play, to its statistics.
TEST_F(Transcript, AWholeGameFromARollsFile)
{
    StartWithRolls("5263415264315612342516433625146253", "UseCube=1\nAutoChangeTurn=1\nLevelOfPlay=2");
    bool over = false;
    platform.AlwaysOnStatDlg([&](StatDlg&) {
        over = true;
        return static_cast<int>(IDCANCEL);
    });
    platform.alwaysMessageBox = [](const std::string&, Buttons, Icon) { return static_cast<int>(IDYES); };
    for (int turn = 0; turn < 200 && !over; ++turn) PlayHumanTurn();
    ASSERT_TRUE(over);
    ExpectGolden("whole-game.txt", Shown());
}

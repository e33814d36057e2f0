// SPDX-License-Identifier: GPL-3.0-or-later
// Golden transcripts: a whole game from a rolls file, with the human's turns
// played by the fixture, written as what the window showed (every line the
// move list was given, every status-bar text, every dialog) and compared line
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
    // What the window showed so far, one line each.
    std::string Shown() const
    {
        std::string out;
        for (const std::string& line : platform.list.addedLog) out += "list  " + line + "\n";
        for (const auto& call : platform.status.textLog)
            out += "pane" + std::to_string(call.pane) + " " + call.text + "\n";
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

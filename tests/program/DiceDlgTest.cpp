// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dice/DiceRecord.h"
#include "core/dice/Random.h"
#include "program/dialogs/DiceDlg.h"

TEST(DiceDlg, OpensOnGeneratedValues)
{
    DiceDlg dlg(3, 5);
    EXPECT_EQ(dlg.Text(0), "3");
    EXPECT_EQ(dlg.Text(1), "5");
    EXPECT_EQ(dlg.Picture(0), 31238);
    EXPECT_EQ(dlg.Picture(1), 31236);
    EXPECT_EQ(DiceDlg::DieIcon(1), 31240);
    EXPECT_EQ(DiceDlg::DieIcon(6), 31235);
    EXPECT_EQ(DiceDlg::DieIcon(0), 0);
    EXPECT_EQ(DiceDlg::DieIcon(7), 0);
}

TEST(DiceDlg, BoxRules)
{
    DiceDlg dlg(3, 5);
    // A cleared box waits silently.
    DiceBoxAction action = dlg.OnTextChanged(0, "");
    EXPECT_FALSE(action.beep);
    EXPECT_FALSE(action.restoreText);
    EXPECT_FALSE(action.focusOther);
    EXPECT_EQ(action.picture, 0);
    EXPECT_EQ(dlg.Text(0), "");
    EXPECT_EQ(dlg.Value(0), 3);

    // Anything but a die value is refused and the previous value put back.
    for (const char* bad : {"x", "7", "0", "-1", "-", "4x", "99999999999"}) {
        action = dlg.OnTextChanged(0, bad);
        EXPECT_TRUE(action.beep) << bad;
        EXPECT_TRUE(action.restoreText) << bad;
        EXPECT_EQ(action.text, "3") << bad;
        EXPECT_TRUE(action.selectAll) << bad;
        EXPECT_FALSE(action.focusOther) << bad;
        EXPECT_EQ(action.picture, 0) << bad;
        EXPECT_EQ(dlg.Text(0), "3");
        EXPECT_EQ(dlg.Value(0), 3);
    }

    // A die is kept, shown, and the other box takes the focus.
    action = dlg.OnTextChanged(0, "6");
    EXPECT_FALSE(action.beep);
    EXPECT_FALSE(action.restoreText);
    EXPECT_TRUE(action.focusOther);
    EXPECT_TRUE(action.selectAll);
    EXPECT_EQ(action.picture, 31235);
    EXPECT_EQ(dlg.Value(0), 6);
    EXPECT_EQ(dlg.Picture(0), 31235);
    // A later refusal restores the newly stored value.
    EXPECT_EQ(dlg.OnTextChanged(0, "8").text, "6");
    EXPECT_EQ(dlg.OnTextChanged(1, "+2").picture, 31239);
    EXPECT_EQ(dlg.Value(1), 2);
}

TEST(DiceDlg, OkValidatesBothBoxes)
{
    DiceDlg dlg(3, 5);
    DiceRecord record(nullptr, nullptr);
    record.SetRoll(3, 5);
    dlg.OnTextChanged(1, "");
    DiceOkResult ok = dlg.OnOk();
    EXPECT_FALSE(ok.accepted);
    EXPECT_TRUE(ok.beep);
    EXPECT_FALSE(ok.prompt.empty());
    EXPECT_FALSE(dlg.Apply(record));
    EXPECT_EQ(record.die[1], 5);

    dlg.OnTextChanged(1, " 4 ");
    dlg.OnTextChanged(0, "4");
    ok = dlg.OnOk();
    ASSERT_TRUE(ok.accepted);
    EXPECT_FALSE(ok.beep);
    EXPECT_EQ(ok.first, 4);
    EXPECT_EQ(ok.second, 4);
    // The record receives a whole roll: a doublet fills four slots.
    EXPECT_TRUE(dlg.Apply(record));
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{4, 4, 4, 4}));
    EXPECT_EQ(record.moves, 4);

    // Values that are no dice are refused even when the boxes hold integers.
    DiceDlg empty(255, 2);
    ok = empty.OnOk();
    EXPECT_FALSE(ok.accepted);
    EXPECT_TRUE(ok.beep);
}

namespace {

// Answers the dialog as a user would: a digit in each box, then OK.
class TypingHost : public DiceHost {
public:
    void AskManualDice(DiceRecord& record) override
    {
        DiceDlg dlg(record);
        generated = {dlg.Value(0), dlg.Value(1)};
        dlg.OnTextChanged(0, first);
        dlg.OnTextChanged(1, second);
        if (dlg.OnOk().accepted) dlg.Apply(record);
    }
    void InvalidRollsFile() override {}
    bool IsAutoPlay() const override { return false; }
    std::string RollsPath() const override { return {}; }

    std::string first;
    std::string second;
    std::array<int, 2> generated{};
};

} // namespace

TEST(DiceDlg, ManualRollThroughRecord)
{
    TypingHost host;
    Random random(1);
    DiceRecord record(&random, &host);
    record.mode = DICE_MANUAL;
    host.first = "2";
    host.second = "6";
    record.RollDice();
    EXPECT_EQ(host.generated, (std::array<int, 2>{6, 6}));
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{2, 6, 255, 255}));
    EXPECT_EQ(record.moves, 2);

    // An invalid entry leaves the generated value in its box.
    host.first = "9";
    host.second = "3";
    record.RollDice();
    EXPECT_EQ(host.generated, (std::array<int, 2>{5, 5}));
    EXPECT_EQ(record.die, (std::array<std::uint8_t, 4>{5, 3, 255, 255}));
    EXPECT_EQ(record.history, (std::vector<std::uint8_t>{2, 6, 5, 3}));
}

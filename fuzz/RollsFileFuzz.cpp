// SPDX-License-Identifier: GPL-3.0-or-later
// Rolls from any bytes taken as the rolls file, as a game with "Read from
// file" does: a bounded number of rolls through a fresh dice record. Every
// roll must be two dice 1..6 (four of a doublet); while the file serves, the
// dice are its digits 1..6 in order, read round and round; a file without
// such a digit takes the failure path once (warning, generated rolls, mode 0).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzFile.h"
#include "core/dice/DiceRecord.h"
#include "core/dice/Random.h"

namespace {

constexpr int ROLLS_PER_INPUT = 8;
constexpr std::uint8_t NO_DIE = 255;

class FileHost : public DiceHost {
public:
    explicit FileHost(std::string rollsPath) : path(std::move(rollsPath)) {}
    void AskManualDice(DiceRecord&) override { Require(false, "a file roll never asks for manual dice"); }
    void InvalidRollsFile() override { ++invalid; }
    bool IsAutoPlay() const override { return false; }
    std::string RollsPath() const override { return path; }

    std::string path;
    int invalid = 0;
};

bool IsDie(int v) { return v >= 1 && v <= 6; }

// The dice in hand form one roll: two dice, or four equal ones of a doublet.
void CheckRoll(const DiceRecord& dice)
{
    Require(IsDie(dice.die[0]) && IsDie(dice.die[1]), "both dice are 1..6");
    if (dice.die[0] == dice.die[1])
        Require(dice.moves == 4 && dice.die[2] == dice.die[0] && dice.die[3] == dice.die[0],
                "a doublet gives four moves");
    else
        Require(dice.moves == 2 && dice.die[2] == NO_DIE && dice.die[3] == NO_DIE, "two different dice give two moves");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("rolls.txt");
    WriteInput(path, data, size);

    std::vector<int> digits;
    for (std::size_t i = 0; i < size; ++i)
        if (data[i] >= '1' && data[i] <= '6') digits.push_back(data[i] - '0');

    Random random(InputHash(data, size));
    FileHost host(path);
    DiceRecord dice(&random, &host);
    dice.mode = DICE_FROM_FILE;

    std::size_t next = 0;
    for (int roll = 0; roll < ROLLS_PER_INPUT; ++roll) {
        dice.RollDice();
        CheckRoll(dice);
        Require(dice.history.size() == static_cast<std::size_t>(2 * (roll + 1)), "each roll is recorded once");
        Require(dice.historyPos == 2 * (roll + 1), "historyPos counts the recorded dice");
        if (digits.empty()) {
            Require(host.invalid == 1, "a file without dice is reported once");
            Require(dice.mode == DICE_GENERATED && !dice.RollsFileOpen(),
                    "a failed file falls back to generated rolls");
            if (roll == 0) Require(dice.die[0] != dice.die[1], "a generated opening roll is no doublet");
        } else {
            Require(host.invalid == 0, "a file with dice is never reported");
            Require(dice.mode == DICE_FROM_FILE && dice.RollsFileOpen(), "a file with dice stays the source");
            Require(dice.die[0] == digits[next % digits.size()] && dice.die[1] == digits[(next + 1) % digits.size()],
                    "the dice are the file's digits in order");
            next += 2;
        }
    }
    for (std::uint8_t die : dice.history) Require(IsDie(die), "the history holds dice 1..6");
    return 0;
}

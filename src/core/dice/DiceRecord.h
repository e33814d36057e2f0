// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roll still to be played, where rolls come from, the open rolls file and
// the rolls of the current game (for replaying them).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/board/BoardData.h"
#include "core/dice/Random.h"
#include "core/files/FileHandle.h"

// What a roll asks of the program: the manual-dice dialog, the warning about
// the rolls file, and whether the program is playing both sides.
class DiceHost {
public:
    virtual ~DiceHost() = default;
    // Lets the user replace die[0] and die[1]; Cancel keeps them.
    virtual void AskManualDice(class DiceRecord& record) = 0;
    // Shows "Invalid rolls file !".
    virtual void InvalidRollsFile() = 0;
    virtual bool IsAutoPlay() const = 0;
    // The path of the rolls file as the settings hold it.
    virtual std::string RollsPath() const = 0;
};

enum DiceModes { DICE_GENERATED = 0, DICE_MANUAL = 1, DICE_FROM_FILE = 2 };

// A rolls file is read at most this many bytes past the last die it gave
// before it counts as a file without dice.
constexpr std::size_t ROLLS_FILE_SEARCH_LIMIT = 64 * 1024;

class DiceRecord {
public:
    DiceRecord(Random* random, DiceHost* host) : random_(random), host_(host) {}
    DiceRecord(const DiceRecord&) = delete;
    DiceRecord& operator=(const DiceRecord&) = delete;

    // Produces the next roll into moves and die and records it.
    void RollDice();

    // Removes one die of `value`, the last such in the list; the dice after
    // it close up. Returns false when no die has that value.
    bool RemoveDie(int value);
    // Appends a die value at the end of the remaining values (undo).
    void GiveBackDie(int value);
    // Closes the rolls file so that the next file roll starts it afresh.
    void CloseRollsFile();
    bool RollsFileOpen() const { return rollsFile != nullptr; }
    // Sets the record to a given roll (a doublet fills four slots).
    void SetRoll(int first, int second);

    std::int32_t moves = 0;
    std::int32_t historyPos = 0;
    std::array<std::uint8_t, 4> die{NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};
    std::int32_t mode = DICE_GENERATED;
    std::vector<std::uint8_t> history;
    bool replay = false;

private:
    // Replaces the drawn die[0] and die[1] by the manual or file values.
    void TakeFromSource();
    // One die from the rolls file, or 0 when the file fails.
    int ReadFileDie();

    Random* random_;
    DiceHost* host_;
    // The rolls file while rolls are read from it.
    FileHandle rollsFile;
};

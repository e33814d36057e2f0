// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dice/DiceRecord.h"

#include <algorithm>
#include <cstdio>

#include "core/files/RegularFile.h"
#include "core/settings/Paths.h"

namespace {

constexpr bool IsDieValue(int v) { return v >= 1 && v <= 6; }

} // namespace

// Produces the next roll: replayed from the history, or drawn and then taken
// from the source, and records it.
void DiceRecord::RollDice()
{
    bool replayed = false;
    if (replay && historyPos >= 0 && static_cast<std::size_t>(historyPos) + 1 < history.size()) {
        SetRoll(history[historyPos], history[historyPos + 1]);
        historyPos += 2;
        replayed = true;
    } else {
        // A replay that has run out goes on silently with fresh rolls.
        replay = false;
        do {
            // The generator advances by two draws on every roll, whatever the source,
            // so a seed gives the same sequence of generated rolls in every mode.
            die.fill(NO_VALUE);
            moves = 0;
            die[0] = static_cast<std::uint8_t>(random_->Die());
            die[1] = static_cast<std::uint8_t>(random_->Die());
            moves = 2;
            TakeFromSource();
            // A generated opening roll is never a doublet.
        } while (historyPos == 0 && die[0] == die[1] && mode == DICE_GENERATED);
    }
    if (!replayed) {
        history.push_back(die[0]);
        history.push_back(die[1]);
        historyPos += 2;
    }
    SetRoll(die[0], die[1]);
}

// Replaces the drawn values by the user's or the rolls file's, as the mode says.
void DiceRecord::TakeFromSource()
{
    if (mode == DICE_MANUAL) {
        if (host_ == nullptr || host_->IsAutoPlay()) return;
        const std::uint8_t first = die[0];
        const std::uint8_t second = die[1];
        host_->AskManualDice(*this);
        // The record never takes a value that is no die.
        if (!IsDieValue(die[0]) || !IsDieValue(die[1])) {
            die[0] = first;
            die[1] = second;
        }
    } else if (mode == DICE_FROM_FILE) {
        // Both dice or neither: a roll is never half drawn, half read.
        const int first = ReadFileDie();
        const int second = first != 0 ? ReadFileDie() : 0;
        if (second == 0) {
            CloseRollsFile();
            if (host_ != nullptr) host_->InvalidRollsFile();
            mode = DICE_GENERATED;
            return;
        }
        die[0] = static_cast<std::uint8_t>(first);
        die[1] = static_cast<std::uint8_t>(second);
    }
}

// The next digit 1..6 of the rolls file, wrapping round at its end; 0 when the
// file cannot be opened, is no regular file (a fifo would block the game, a
// device such as /dev/zero never end), a whole pass through it finds no such
// digit, or ROLLS_FILE_SEARCH_LIMIT bytes after the last die hold none.
int DiceRecord::ReadFileDie()
{
    if (rollsFile == nullptr) {
        if (host_ == nullptr) return 0;
        rollsFile = OpenRegularFile(NativePath(host_->RollsPath()));
        if (rollsFile == nullptr) return 0;
    }
    int wraps = 0;
    for (std::size_t skipped = 0; skipped <= ROLLS_FILE_SEARCH_LIMIT;) {
        const int c = std::fgetc(rollsFile.get());
        if (c == EOF) {
            // One wrap per die is normal; a second means the file holds no die at all.
            if (++wraps > 1) return 0;
            std::rewind(rollsFile.get());
            continue;
        }
        if (c >= '1' && c <= '6') return c - '0';
        ++skipped;
    }
    return 0;
}

// Removes the last die of `value` among those left; the dice after it close up.
bool DiceRecord::RemoveDie(int value)
{
    const int left = std::clamp(moves, 0, 4);
    for (int i = left - 1; i >= 0; --i) {
        if (die[i] != value) continue;
        for (int j = i; j < 3; ++j) die[j] = die[j + 1];
        die[3] = NO_VALUE;
        moves = left - 1;
        return true;
    }
    return false;
}

// Puts a die back after the dice left (taking a move back).
void DiceRecord::GiveBackDie(int value)
{
    if (moves < 0 || moves >= 4) return;
    die[moves] = static_cast<std::uint8_t>(value);
    moves += 1;
}

void DiceRecord::CloseRollsFile() { rollsFile.reset(); }

// Sets the roll in hand to first-second: two dice, or four of a doublet.
void DiceRecord::SetRoll(int first, int second)
{
    die.fill(NO_VALUE);
    die[0] = static_cast<std::uint8_t>(first);
    die[1] = static_cast<std::uint8_t>(second);
    moves = 2;
    if (first == second) {
        die[2] = die[3] = die[0];
        moves = 4;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/DiceDlg.h"

#include <cctype>
#include <charconv>
#include <limits>

#include "core/dice/DiceRecord.h"

namespace {

constexpr bool IsDieValue(int v) { return v >= 1 && v <= 6; }

const char* const INTEGER_PROMPT = "Please enter an integer.";

} // namespace

DiceDlg::DiceDlg(int first, int second) : text_{std::to_string(first), std::to_string(second)}, value_{first, second} {}

DiceDlg::DiceDlg(const DiceRecord& record) : DiceDlg(record.die[0], record.die[1]) {}

std::optional<int> DiceDlg::ParseInteger(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    const bool negative = begin < end && text[begin] == '-';
    if (begin < end && (text[begin] == '-' || text[begin] == '+')) ++begin;
    if (begin == end) return std::nullopt;
    for (std::size_t i = begin; i < end; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + begin, text.data() + end, value);
    if (ec != std::errc() || ptr != text.data() + end) return std::nullopt;
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

// An empty box waits; a value that is no die is refused and the previous one
// put back; a die is kept, shown, and the focus passes to the other box.
DiceBoxAction DiceDlg::OnTextChanged(int box, const std::string& text)
{
    DiceBoxAction action;
    if (box < 0 || box > 1) return action;
    text_[box] = text;
    if (text.empty()) return action;
    const std::optional<int> value = ParseInteger(text);
    if (!value || !IsDieValue(*value)) {
        text_[box] = std::to_string(value_[box]);
        action.beep = true;
        action.restoreText = true;
        action.text = text_[box];
        action.selectAll = true;
        return action;
    }
    value_[box] = *value;
    action.picture = DieIcon(*value);
    action.focusOther = true;
    action.selectAll = true;
    return action;
}

// Both boxes must hold integers, and (guarding what the boxes already ensure)
// die values.
DiceOkResult DiceDlg::OnOk()
{
    DiceOkResult result;
    accepted_.reset();
    const std::optional<int> first = ParseInteger(text_[0]);
    const std::optional<int> second = ParseInteger(text_[1]);
    if (!first || !second) {
        result.beep = true;
        result.prompt = INTEGER_PROMPT;
        return result;
    }
    if (!IsDieValue(*first) || !IsDieValue(*second)) {
        result.beep = true;
        return result;
    }
    result.accepted = true;
    result.first = *first;
    result.second = *second;
    accepted_ = std::array<int, 2>{*first, *second};
    return result;
}

bool DiceDlg::Apply(DiceRecord& record) const
{
    if (!accepted_) return false;
    record.SetRoll((*accepted_)[0], (*accepted_)[1]);
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Manual dice" dialog: two edit boxes that take one die value each, with
// the die's face beside each box. The view shows this model and reports the
// user's edits; the rules of the boxes live here.

#include <array>
#include <optional>
#include <string>

class DiceRecord;

// What the view must do after the user changed the text of a box.
struct DiceBoxAction {
    bool beep = false;
    // Put `text` back into the edited box.
    bool restoreText = false;
    std::string text;
    // Move the focus to the other box (otherwise it stays in the edited one).
    bool focusOther = false;
    // Select the whole text of the box that has the focus afterwards.
    bool selectAll = false;
    // The edited box's new picture id, 0 for no change.
    int picture = 0;
};

// The answer to OK: accepted with the two values, or refused with a beep and
// perhaps a prompt to show.
struct DiceOkResult {
    bool accepted = false;
    bool beep = false;
    std::string prompt;
    int first = 0;
    int second = 0;
};

class DiceDlg {
public:
    static constexpr int IDD = 220;
    static constexpr std::array<int, 2> EditId{1121, 1122};
    static constexpr std::array<int, 2> PictureId{1126, 1127};
    // The picture of a die face; the ids run downwards with the value.
    static constexpr int DIE_FACE_BASE = 31241;

    // Starts from the two generated values, shown in the boxes and pictures.
    DiceDlg(int first, int second);
    explicit DiceDlg(const DiceRecord& record);

    // The user changed the text of box 0 or 1 to `text` (edits made by the view
    // itself, such as a restored value, are not reported).
    DiceBoxAction OnTextChanged(int box, const std::string& text);
    // Checks both boxes; on acceptance the values are kept for Apply.
    DiceOkResult OnOk();
    // Writes the accepted values into the record as a whole roll; false (and no
    // change) when OK was not accepted.
    bool Apply(DiceRecord& record) const;

    const std::string& Text(int box) const { return text_[box]; }
    int Value(int box) const { return value_[box]; }
    int Picture(int box) const { return DieIcon(value_[box]); }

    // The picture id of die value v, 0 for a value that is no die.
    static constexpr int DieIcon(int v) { return v >= 1 && v <= 6 ? DIE_FACE_BASE - v : 0; }
    // A box's text as a signed integer: blanks around it, an optional sign,
    // decimal digits; nothing when the text is not one.
    static std::optional<int> ParseInteger(const std::string& text);

private:
    std::array<std::string, 2> text_;
    std::array<int, 2> value_;
    std::optional<std::array<int, 2>> accepted_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Visual" page of the settings sheet: speed of the pieces, what the
// board shows, how a finished game is offered, and the direction of play.

#include <array>
#include <string>

#include "program/dialogs/OptsPage.h"

class VisOpts : public OptsPage {
public:
    static constexpr int IDD = 217;
    static constexpr const char* TITLE = "Visual";
    static constexpr int ID_SPEED = 203;
    static constexpr const char* SPEED_LABEL = "S&peed of pieces";
    static constexpr const char* SPEED_RANGE_LABEL = "(1 - 50)";
    static constexpr int MIN_SPEED = 1;
    static constexpr int ID_SHOW_PROGRESS = 1064, ID_DICE_AS_ICONS = 1102, ID_HIT_SHAKE = 1068, ID_CLOCK_WISE = 1070;
    static constexpr const char* SHOW_PROGRESS_TEXT = "Show progre&ss bar";
    static constexpr const char* DICE_AS_ICONS_TEXT = "Picture &dice";
    static constexpr const char* HIT_SHAKE_TEXT = "Pie&ces shake when hit";
    static constexpr const char* CLOCK_WISE_TEXT = "Play clock&wise";
    static constexpr const char* AUTO_FINISH_GROUP = "Aut&o finish";
    static constexpr std::array<int, 3> AUTO_FINISH_IDS{1065, 1066, 1069};
    static constexpr std::array<const char*, 3> AUTO_FINISH_TEXTS{"Always quick", "Always slow", "Ask"};
    static constexpr const char* HIGH_LIGHT_GROUP = "H&ighlight";
    static constexpr std::array<int, 3> HIGH_LIGHT_IDS{1083, 1084, 1085};
    static constexpr std::array<const char*, 3> HIGH_LIGHT_TEXTS{"None", "Selected position", "Possible moves"};
    static constexpr const char* INTEGER_PROMPT = "Please enter an integer.";
    static constexpr const char* RANGE_PROMPT = "Please enter an integer between 1 and 50.";

    using OptsPage::OptsPage;

    const char* Title() const override { return TITLE; }
    void Load() override;
    // The speed must be an integer from 1 to 50.
    PageCheck Validate() override;
    void Apply() override;

    // The page's copies, as the controls show them.
    std::string speedText;
    int showProgress = 0;
    int diceAsIcons = 0;
    int hitShake = 0;
    int clockWise = 0;
    int autoFinish = 0;
    int highLight = 0;

private:
    // The speed of the last accepted check.
    int speed = 0;
    // The speed held when the page was loaded, and the text shown for it: a
    // stored speed the field does not take (0 is the slowest of all) is
    // shown as the nearest one it takes, and kept while the field is not
    // edited.
    int loadedSpeed = 0;
    std::string loadedText;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/app/ProgramTexts.h"

#include <algorithm>
#include <array>
#include <span>

#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/AnalysisDlg.h"
#include "program/dialogs/BackgClr.h"
#include "program/dialogs/DiceOpts.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/HintDlg.h"
#include "program/dialogs/PlayOpts.h"
#include "program/dialogs/SettingSheet.h"
#include "program/dialogs/SndOpts.h"
#include "program/dialogs/StatDlg.h"
#include "program/dialogs/TutorDlg.h"
#include "program/dialogs/VisOpts.h"
#include "program/game/ExpertPlayer.h"
#include "program/input/Menu.h"

namespace {

// Adds `text` unless it is there already or holds no letter (numbers, "...").
void Add(std::vector<std::string>& texts, const std::string& text)
{
    if (std::none_of(text.begin(), text.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }))
        return;
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
}

template <typename Texts> void AddAll(std::vector<std::string>& texts, const Texts& list)
{
    for (const char* text : list) Add(texts, text);
}

void AddButtons(std::vector<std::string>& texts, std::span<const DialogButton> buttons)
{
    for (const DialogButton& button : buttons) Add(texts, button.text);
}

} // namespace

std::vector<std::string> ProgramTexts()
{
    std::vector<std::string> texts;
    AddAll(texts, StringTableTexts());
    for (const MenuPopup& popup : MenuBar()) {
        Add(texts, popup.title);
        for (const MenuItem& item : popup.items) {
            Add(texts, item.text);
            Add(texts, item.shortcut);
        }
    }
    // The move list's banner and the About box.
    Add(texts, BannerLine(0));
    Add(texts, BannerLine(2));
    Add(texts, AboutVersion());
    Add(texts, AboutContact(0));
    Add(texts, AboutContact(1));
    Add(texts, AboutDlg::CAPTION);
    AddButtons(texts, std::array{AboutDlg::OK});
    Add(texts, EXPERT_UNAVAILABLE_TEXT);
    AddAll(texts, std::array{HintDlg::CAPTION, HintDlg::ROLL_TEXT, HintDlg::CUBEFUL_TEXT, HintDlg::CUBELESS_TEXT});
    AddAll(texts, HintDlg::COLUMN_HEADINGS);
    AddButtons(texts, std::array{HintDlg::PLAY, HintDlg::CLOSE});
    AddAll(texts, std::array{AnalysisDlg::CAPTION, AnalysisDlg::PROGRESS_CAPTION, AnalysisDlg::PROGRESS_TEXT,
                             AnalysisDlg::CANCEL, AnalysisDlg::UNITS_TEXT, AnalysisDlg::DOUBLE_TEXT,
                             AnalysisDlg::NO_DOUBLE_TEXT, AnalysisDlg::TAKE_TEXT, AnalysisDlg::DROP_TEXT,
                             AnalysisDlg::NO_MOVE_TEXT});
    AddAll(texts, AnalysisDlg::SIDE_NAMES);
    AddAll(texts, AnalysisDlg::SUMMARY_LABELS);
    AddAll(texts, AnalysisDlg::COLUMN_HEADINGS);
    AddAll(texts, AnalysisDlg::MARK_NAMES);
    AddAll(texts, AnalysisDlg::BEST_HEADINGS);
    AddButtons(texts, std::array{AnalysisDlg::CLOSE});
    for (const RatingBand& band : RATING_BANDS) Add(texts, band.name);
    Add(texts, RatingOf(RATING_BANDS.back().below));
    AddAll(texts, std::array{TutorDlg::CAPTION, TutorDlg::ON_TEXT});
    AddAll(texts, TutorDlg::THRESHOLD_TEXTS);
    AddButtons(texts, std::array{TutorDlg::OK, TutorDlg::CANCEL});
    AddButtons(texts, TutorWarning::BUTTONS);

    // The settings sheet and its four pages.
    AddButtons(texts, std::array{SettingSheet::OK, SettingSheet::CANCEL, SettingSheet::HELP});
    AddAll(texts,
           std::array{VisOpts::TITLE, VisOpts::SPEED_LABEL, VisOpts::SHOW_PROGRESS_TEXT, VisOpts::DICE_AS_ICONS_TEXT,
                      VisOpts::HIT_SHAKE_TEXT, VisOpts::CLOCK_WISE_TEXT, VisOpts::AUTO_FINISH_GROUP,
                      VisOpts::HIGH_LIGHT_GROUP, VisOpts::INTEGER_PROMPT, VisOpts::RANGE_PROMPT});
    AddAll(texts, VisOpts::AUTO_FINISH_TEXTS);
    AddAll(texts, VisOpts::HIGH_LIGHT_TEXTS);
    AddAll(texts, std::array{PlayOpts::TITLE, PlayOpts::SKILL_LABEL, PlayOpts::AUTO_CHANGE_TURN_TEXT,
                             PlayOpts::AUTO_FORCED_MOVES_TEXT, PlayOpts::USE_CUBE_TEXT, PlayOpts::INTEL_MOVES_TEXT,
                             PlayOpts::FIRST_MOVE_GROUP, PlayOpts::SCORE_GROUP, PlayOpts::SCORE_HUMAN_LABEL,
                             PlayOpts::SCORE_COMPUTER_LABEL});
    AddAll(texts, PlayOpts::SKILL_NAMES);
    AddAll(texts, PlayOpts::FIRST_MOVE_TEXTS);
    AddAll(texts, std::array{DiceOpts::TITLE, DiceOpts::SOURCE_GROUP});
    AddAll(texts, DiceOpts::SOURCE_TEXTS);
    AddAll(texts, std::array{SndOpts::TITLE, SndOpts::EVENT_LABEL, SndOpts::ACTIVE_TEXT, SndOpts::PATH_LABEL});
    AddAll(texts, SndOpts::EVENT_NAMES);

    // The other dialogs.
    Add(texts, StatDlg::CAPTION);
    Add(texts, StatDlg::GRAPH_LABEL);
    AddAll(texts, StatDlg::ROLL_CHOICE_TEXT);
    AddAll(texts, StatDlg::COLUMN_HEADINGS);
    AddAll(texts, StatDlg::ROW_LABELS);
    AddButtons(texts, std::array{StatDlg::AGAIN, StatDlg::QUIT});
    Add(texts, GvUpDlg::CAPTION);
    Add(texts, GvUpDlg::GROUP_TEXT);
    AddAll(texts, GvUpDlg::RADIO_TEXTS);
    AddButtons(texts, std::array{GvUpDlg::OK, GvUpDlg::CANCEL, GvUpDlg::HELP});
    Add(texts, FinishDlg::CAPTION);
    AddButtons(texts, FinishDlg::BUTTONS);
    Add(texts, BackgClr::CAPTION);
    AddAll(texts, BackgClr::LABEL_TEXTS);
    Add(texts, BackgClr::GROUP_TEXT);
    AddButtons(texts, std::array{BackgClr::OK, BackgClr::CANCEL, BackgClr::DEFAULT, BackgClr::HELP});
    return texts;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Dice" page of the settings sheet: where the rolls come from, and the
// rolls file.

#include <array>
#include <string>

#include "program/dialogs/OptsPage.h"

class DiceOpts : public OptsPage {
public:
    static constexpr int IDD = 226;
    static constexpr const char* TITLE = "Dice";
    static constexpr const char* SOURCE_GROUP = "Source of rolls";
    // The radio buttons in DiceMode order.
    static constexpr std::array<int, 3> SOURCE_IDS{1139, 1143, 1141};
    static constexpr std::array<const char*, 3> SOURCE_TEXTS{"&Computer generated", "&Manual", "&Read from file:"};
    static constexpr int ID_PATH = 1138;
    static constexpr int ID_BROWSE = 1142;
    static constexpr const char* BROWSE_TEXT = "...";
    static constexpr const char* BROWSE_INITIAL_NAME = "*.txt";

    using OptsPage::OptsPage;

    const char* Title() const override { return TITLE; }
    void Load() override;
    // Nothing is written while both the path and the source are as they are
    // live; otherwise both are, and the next file roll starts the file afresh.
    void Apply() override;

    // The path edit and its "..." button are enabled only for the rolls file.
    bool PathEnabled() const;
    // The open-file dialog for the rolls file; a confirmed file replaces the
    // path. False when cancelled.
    bool Browse();

    // The page's copies, as the controls show them.
    int mode = 0;
    std::string path;
};

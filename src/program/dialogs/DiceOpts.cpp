// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/DiceOpts.h"

#include <optional>

#include "core/dice/DiceRecord.h"
#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/platform/Platform.h"

void DiceOpts::Load()
{
    const Settings& s = context.settings;
    mode = s.DiceMode;
    path = s.RollsList;
}

bool DiceOpts::PathEnabled() const { return mode == DICE_FROM_FILE; }

bool DiceOpts::Browse()
{
    FileDialogOptions options;
    options.filter = LoadString(IDS_TEXT_FILTER, context.platform.Texts());
    options.initialName = BROWSE_INITIAL_NAME;
    const std::optional<std::string> chosen = context.platform.OpenFileDialog(options);
    if (!chosen) return false;
    path = *chosen;
    return true;
}

void DiceOpts::Apply()
{
    Settings& s = context.settings;
    // An exact comparison: a path differing only in case is another file.
    if (path == s.RollsList && mode == s.DiceMode) return;
    s.RollsList = path;
    if (context.dice) context.dice->mode = mode;
    s.DiceMode = mode;
    WriteDicePage(context.profile, s);
    if (context.dice && context.dice->RollsFileOpen()) context.dice->CloseRollsFile();
}

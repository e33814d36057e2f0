#include "program/dialogs/DiceOpts.h"

#include <optional>

#include "core/dice/DiceRecord.h"
#include "core/settings/Settings.h"
#include "program/app/StringTable.h"
#include "program/platform/Platform.h"

void DiceOpts::Load()
{
    mode = DiceMode;
    path = RollsList;
}

bool DiceOpts::PathEnabled() const { return mode == DICE_FROM_FILE; }

bool DiceOpts::Browse()
{
    FileDialogOptions options;
    options.filter = LoadString(IDS_TEXT_FILTER);
    options.initialName = BROWSE_INITIAL_NAME;
    const std::optional<std::string> chosen = context.platform.OpenFileDialog(options);
    if (!chosen) return false;
    path = *chosen;
    return true;
}

void DiceOpts::Apply()
{
    // An exact comparison: a path differing only in case is another file.
    if (path == RollsList && mode == DiceMode) return;
    RollsList = path;
    if (context.dice) context.dice->mode = mode;
    DiceMode = mode;
    WriteDicePage(context.profile);
    if (context.dice && context.dice->RollsFileOpen()) context.dice->CloseRollsFile();
}

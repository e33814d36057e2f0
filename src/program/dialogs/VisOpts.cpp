#include "program/dialogs/VisOpts.h"

#include <optional>

#include "core/settings/Settings.h"
#include "program/dialogs/DiceDlg.h"

void VisOpts::Load()
{
    speed = SpeedSetting();
    speedText = std::to_string(speed);
    showProgress = ShowProgress;
    diceAsIcons = DiceAsIcons;
    hitShake = HitShake;
    clockWise = ClockWise;
    autoFinish = AutoFinish;
    highLight = HighLight;
}

PageCheck VisOpts::Validate()
{
    const std::optional<int> value = DiceDlg::ParseInteger(speedText);
    if (!value) return {false, INTEGER_PROMPT, ID_SPEED};
    if (*value < MIN_SPEED || *value > MAX_SPEED) return {false, RANGE_PROMPT, ID_SPEED};
    speed = *value;
    return {};
}

// The speed is written as typed and held as the delay; a change of direction
// rebuilds the board at once with the position kept.
void VisOpts::Apply()
{
    ShowProgress = showProgress;
    HitShake = hitShake;
    DiceAsIcons = diceAsIcons;
    HighLight = highLight;
    AutoFinish = autoFinish;
    Speed = MAX_SPEED - speed;
    WriteVisualPage(context.profile, false);
    if ((clockWise != 0) != (ClockWise != 0) && context.reverseDirection) context.reverseDirection(clockWise != 0);
}

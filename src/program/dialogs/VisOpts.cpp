// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/VisOpts.h"

#include <algorithm>
#include <optional>

#include "core/settings/Settings.h"
#include "program/dialogs/DiceDlg.h"

void VisOpts::Load()
{
    const Settings& s = context.settings;
    loadedSpeed = s.SpeedSetting();
    speed = std::clamp(loadedSpeed, MIN_SPEED, MAX_SPEED);
    speedText = std::to_string(speed);
    loadedText = speedText;
    showProgress = s.ShowProgress;
    diceAsIcons = s.DiceAsIcons;
    hitShake = s.HitShake;
    clockWise = s.ClockWise;
    autoFinish = s.AutoFinish;
    highLight = s.HighLight;
}

PageCheck VisOpts::Validate()
{
    const std::optional<int> value = DiceDlg::ParseInteger(speedText);
    if (!value) return {false, INTEGER_PROMPT, ID_SPEED};
    if (*value < MIN_SPEED || *value > MAX_SPEED) return {false, RANGE_PROMPT, ID_SPEED};
    speed = *value;
    return {};
}

// The speed is written as typed and held as the delay (an untouched field
// keeps the speed held before); a change of direction rebuilds the board at
// once with the position kept.
void VisOpts::Apply()
{
    Settings& s = context.settings;
    s.ShowProgress = showProgress;
    s.HitShake = hitShake;
    s.DiceAsIcons = diceAsIcons;
    s.HighLight = highLight;
    s.AutoFinish = autoFinish;
    s.Speed = MAX_SPEED - (speedText == loadedText ? loadedSpeed : speed);
    WriteVisualPage(context.profile, s, false);
    if ((clockWise != 0) != (s.ClockWise != 0) && context.reverseDirection) context.reverseDirection(clockWise != 0);
}

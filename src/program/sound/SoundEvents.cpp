// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/sound/SoundEvents.h"

void PlayEvent(Platform& platform, const Settings& settings, int event, bool async)
{
    if (event < 0 || event >= SOUND_EVENTS || !settings.SoundActive[event]) return;
    platform.PlaySound(settings.SoundFile[event], async);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five sound events: each plays its wave file when it is switched on.

#include "core/settings/Settings.h"
#include "program/platform/Platform.h"

// Plays `event` (a SoundEvent) if it is switched on, to its end or not.
void PlayEvent(Platform& platform, const Settings& settings, int event, bool async);

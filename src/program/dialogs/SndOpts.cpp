// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/SndOpts.h"

#include <optional>

#include "program/app/StringTable.h"
#include "program/platform/Platform.h"

void SndOpts::Load()
{
    files = context.settings.SoundFile;
    active = context.settings.SoundActive;
    eventList.assign(EVENT_NAMES.begin(), EVENT_NAMES.end());
    SelectEvent(SOUND_DICE);
}

void SndOpts::SelectEvent(int event)
{
    if (event >= 0 && event < SOUND_EVENTS) selected = event;
}

void SndOpts::SetActive(bool on) { active[selected] = on ? 1 : 0; }

void SndOpts::SetPath(const std::string& text) { files[selected] = text; }

bool SndOpts::Browse()
{
    FileDialogOptions options;
    options.filter = LoadString(IDS_WAVE_FILTER, context.platform.Texts());
    options.initialName = BROWSE_INITIAL_NAME;
    const std::optional<std::string> chosen = context.platform.OpenFileDialog(options);
    if (!chosen) return false;
    SetPath(*chosen);
    return true;
}

void SndOpts::Play() { context.platform.PlaySound(files[selected], true); }

void SndOpts::Apply()
{
    context.settings.SoundActive = active;
    context.settings.SoundFile = files;
    WriteSoundsPage(context.profile, context.settings);
}

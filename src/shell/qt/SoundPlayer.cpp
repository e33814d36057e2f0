// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/SoundPlayer.h"

#include <QApplication>

#include "core/settings/Paths.h"
#include "shell/sound/WavePlayer.h"

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const std::string& path, bool async)
{
    lastPath = path;
    ++requests;
    // The device is opened at the first sound, so a game without sounds
    // never touches it.
    if (!player) player = std::make_unique<WavePlayer>();
    if (player->Play(NativePath(path), async) == WavePlayer::Result::BadFile) {
        ++beeps;
        QApplication::beep();
    }
}

bool SoundPlayer::Playing() const { return player && player->Playing(); }

#include "shell/qt/SoundPlayer.h"

void SoundPlayer::Play(const std::string& path, bool /*async*/)
{
    lastPath = path;
    ++requests;
}

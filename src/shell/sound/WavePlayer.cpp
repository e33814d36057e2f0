#include "shell/sound/WavePlayer.h"

#include <SDL.h>

#include <chrono>
#include <thread>

WavePlayer::WavePlayer() { available_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0; }

WavePlayer::~WavePlayer()
{
    CloseDevice();
    if (available_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void WavePlayer::CloseDevice()
{
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
}

void WavePlayer::Stop()
{
    if (device_ != 0) SDL_ClearQueuedAudio(device_);
}

bool WavePlayer::Playing() const { return device_ != 0 && SDL_GetQueuedAudioSize(device_) > 0; }

WavePlayer::Result WavePlayer::Play(const std::string& path, bool async)
{
    SDL_AudioSpec wave{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    // The file is read before the device is asked for, so that a file that is
    // missing or no wave gives the default sound even without a device.
    if (SDL_LoadWAV(path.c_str(), &wave, &buffer, &length) == nullptr) return Result::BadFile;
    if (!available_) {
        SDL_FreeWAV(buffer);
        return Result::NoDevice;
    }
    // A new request cuts off the sound still playing.
    Stop();
    if (device_ == 0 || wave.freq != frequency_ || wave.format != format_ || wave.channels != channels_) {
        CloseDevice();
        wave.callback = nullptr;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wave, nullptr, 0);
        if (device_ == 0) {
            SDL_FreeWAV(buffer);
            return Result::NoDevice;
        }
        frequency_ = wave.freq;
        format_ = wave.format;
        channels_ = wave.channels;
    }
    SDL_QueueAudio(device_, buffer, length);
    SDL_FreeWAV(buffer);
    SDL_PauseAudioDevice(device_, 0);
    if (!async) {
        // Played to the end; bounded so that a stalled device cannot hang the game.
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (Playing() && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return Result::Played;
}

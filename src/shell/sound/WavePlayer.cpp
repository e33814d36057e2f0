// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound/WavePlayer.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace {

// The bytes of the file at `path` when it is a regular file of at most
// MAX_WAVE_FILE_BYTES; nothing otherwise. The file is opened without
// blocking and looked at through what was opened, so a fifo (which would
// block the game until someone writes to it), a device such as /dev/zero
// (which never ends) or a folder is never read, whatever stands at the path.
std::optional<std::vector<Uint8>> ReadWaveFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::vector<Uint8>> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
        static_cast<std::uint64_t>(info.st_size) <= WavePlayer::MAX_WAVE_FILE_BYTES) {
        std::vector<Uint8> data(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        data.resize(got);
        bytes = std::move(data);
    }
    ::close(fd);
    return bytes;
}

} // namespace

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
    const std::optional<std::vector<Uint8>> file = ReadWaveFile(path);
    if (!file || file->empty()) return Result::BadFile;
    SDL_RWops* memory = SDL_RWFromConstMem(file->data(), static_cast<int>(file->size()));
    if (memory == nullptr || SDL_LoadWAV_RW(memory, 1, &wave, &buffer, &length) == nullptr) return Result::BadFile;
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

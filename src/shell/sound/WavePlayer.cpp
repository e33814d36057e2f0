// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound/WavePlayer.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

// Where a wave file keeps its format and its sound: the whole "fmt " chunk,
// and the data chunk's place (as far as the file reaches).
struct WaveLayout {
    std::vector<Uint8> format;
    std::uint64_t dataStart = 0;
    std::uint64_t dataBytes = 0;
    std::size_t blockAlign = 0;
};

namespace {

// The bytes of the file at `path` when it is a regular file of at most
// MAX_WAVE_FILE_BYTES; nothing otherwise. The file is opened without
// blocking and looked at through what was opened, so a fifo (which would
// block the game until someone writes to it), a device such as /dev/zero
// (which never ends) or a folder is never read, whatever stands at the path.
std::optional<std::vector<Uint8>> ReadWaveFile(int fd, std::uint64_t size)
{
    std::vector<Uint8> data(static_cast<std::size_t>(size));
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    return data;
}

// Opens the file at `path` without blocking and gives its size when what was
// opened is a regular file of at most MAX_WAVE_FILE_BYTES; -1 otherwise.
int OpenWaveFile(const std::string& path, std::uint64_t& size)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
        static_cast<std::uint64_t>(info.st_size) <= WavePlayer::MAX_WAVE_FILE_BYTES) {
        size = static_cast<std::uint64_t>(info.st_size);
        return fd;
    }
    ::close(fd);
    return -1;
}

// Reads `size` bytes at `offset`; false when the file holds fewer.
bool ReadAt(int fd, std::uint64_t offset, Uint8* into, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, into + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

Uint32 Le32(const Uint8* b) { return Uint32(b[0]) | Uint32(b[1]) << 8 | Uint32(b[2]) << 16 | Uint32(b[3]) << 24; }
void PutLe32(Uint8* b, Uint32 v)
{
    for (int i = 0; i < 4; ++i) b[i] = static_cast<Uint8>(v >> (8 * i));
}

// The chunks of a RIFF WAVE file, the format chunk before the data chunk;
// nothing for any other layout (which is then loaded whole, as a short file).
std::optional<WaveLayout> FindChunks(int fd, std::uint64_t size)
{
    constexpr Uint32 MAX_FORMAT_BYTES = 4096;
    constexpr int MAX_CHUNKS = 10000;
    Uint8 head[12];
    if (!ReadAt(fd, 0, head, sizeof head) || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return std::nullopt;
    WaveLayout layout;
    std::uint64_t at = 12;
    for (int chunk = 0; chunk < MAX_CHUNKS && at + 8 <= size; ++chunk) {
        Uint8 header[8];
        if (!ReadAt(fd, at, header, sizeof header)) return std::nullopt;
        const Uint32 length = Le32(header + 4);
        if (std::memcmp(header, "fmt ", 4) == 0) {
            if (length < 16 || length > MAX_FORMAT_BYTES) return std::nullopt;
            layout.format.resize(8 + length);
            if (!ReadAt(fd, at, layout.format.data(), layout.format.size())) return std::nullopt;
            layout.blockAlign = layout.format[8 + 12] | layout.format[8 + 13] << 8;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (layout.format.empty() || layout.blockAlign == 0) return std::nullopt;
            layout.dataStart = at + 8;
            layout.dataBytes = std::min<std::uint64_t>(length, size - layout.dataStart);
            return layout;
        }
        at += 8 + std::uint64_t(length) + (length & 1);
    }
    return std::nullopt;
}

// Decodes `bytes` of the sound data from `offset` as SDL decodes the whole
// file: a wave of the file's format chunk and this slice alone. Slices start
// on a block, so each decodes to just the samples it holds in the whole.
// `image` counts the bytes held for it meanwhile.
bool DecodeSlice(int fd, const WaveLayout& layout, std::uint64_t offset, std::size_t bytes, SDL_AudioSpec& audio,
                 Uint8*& sound, Uint32& length, std::size_t& image)
{
    std::vector<Uint8> wave(12 + layout.format.size() + 8 + bytes);
    std::memcpy(wave.data(), "RIFFxxxxWAVE", 12);
    PutLe32(&wave[4], static_cast<Uint32>(wave.size() - 8));
    std::copy(layout.format.begin(), layout.format.end(), wave.begin() + 12);
    Uint8* data = &wave[12 + layout.format.size()];
    std::memcpy(data, "data", 4);
    PutLe32(data + 4, static_cast<Uint32>(bytes));
    if (!ReadAt(fd, layout.dataStart + offset, data + 8, bytes)) return false;
    image = wave.size();
    SDL_RWops* memory = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    return memory != nullptr && SDL_LoadWAV_RW(memory, 1, &audio, &sound, &length) != nullptr;
}

} // namespace

// A sound played from its file: the slice decoded last and where the next
// one starts.
struct WavePlayer::Stream {
    int fd = -1;
    WaveLayout layout;
    std::size_t sliceBytes = 0;
    std::uint64_t next = 0;
    Uint8* sound = nullptr;
    Uint32 length = 0;
    Uint32 played = 0;
    Uint8 silence = 0;
    bool ended = false;

    ~Stream()
    {
        SDL_FreeWAV(sound);
        if (fd >= 0) ::close(fd);
    }

    // Decodes the next slice; false at the end of the sound. `image` counts
    // the bytes held for it.
    bool Next(std::size_t& image)
    {
        SDL_FreeWAV(sound);
        sound = nullptr;
        length = played = 0;
        if (next >= layout.dataBytes) return false;
        const auto bytes = static_cast<std::size_t>(std::min<std::uint64_t>(sliceBytes, layout.dataBytes - next));
        SDL_AudioSpec audio{};
        const bool decoded = DecodeSlice(fd, layout, next, bytes, audio, sound, length, image);
        next += bytes;
        return decoded;
    }
};

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
    stream_.reset();
}

void WavePlayer::Stop()
{
    if (device_ == 0) return;
    if (!streaming_) {
        SDL_ClearQueuedAudio(device_);
        return;
    }
    SDL_LockAudioDevice(device_);
    stream_.reset();
    SDL_UnlockAudioDevice(device_);
}

bool WavePlayer::Playing() const
{
    if (device_ == 0) return false;
    if (!streaming_) return SDL_GetQueuedAudioSize(device_) > 0;
    SDL_LockAudioDevice(device_);
    const bool playing = stream_ && !stream_->ended;
    SDL_UnlockAudioDevice(device_);
    return playing;
}

std::size_t WavePlayer::HeldBytes() const
{
    if (device_ == 0) return 0;
    if (!streaming_) return SDL_GetQueuedAudioSize(device_);
    SDL_LockAudioDevice(device_);
    const std::size_t held = stream_ ? stream_->length : 0;
    SDL_UnlockAudioDevice(device_);
    return held;
}

void WavePlayer::Feed(void* player, std::uint8_t* out, int length)
{
    auto& self = *static_cast<WavePlayer*>(player);
    Stream* stream = self.stream_.get();
    int filled = 0;
    while (stream != nullptr && !stream->ended && filled < length) {
        if (stream->played == stream->length) {
            std::size_t image = 0;
            if (!stream->Next(image)) stream->ended = true;
            self.peak_ = std::max<std::size_t>(self.peak_, image + stream->length);
            continue;
        }
        const auto n =
            static_cast<int>(std::min<Uint32>(static_cast<Uint32>(length - filled), stream->length - stream->played));
        std::memcpy(out + filled, stream->sound + stream->played, static_cast<std::size_t>(n));
        stream->played += static_cast<Uint32>(n);
        filled += n;
    }
    const Uint8 silence = stream != nullptr ? stream->silence : 0;
    std::memset(out + filled, silence, static_cast<std::size_t>(length - filled));
}

bool WavePlayer::OpenDevice(const void* format, bool streaming)
{
    SDL_AudioSpec wave = *static_cast<const SDL_AudioSpec*>(format);
    if (device_ != 0 && streaming == streaming_ && wave.freq == frequency_ && wave.format == format_ &&
        wave.channels == channels_)
        return true;
    CloseDevice();
    wave.callback = streaming ? Feed : nullptr;
    wave.userdata = streaming ? this : nullptr;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wave, nullptr, 0);
    if (device_ == 0) return false;
    streaming_ = streaming;
    frequency_ = wave.freq;
    format_ = wave.format;
    channels_ = wave.channels;
    return true;
}

// Played to the end; bounded so that a stalled device cannot hang the game.
void WavePlayer::WaitForEnd() const
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Playing() && std::chrono::steady_clock::now() < limit)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

WavePlayer::Result WavePlayer::Play(const std::string& path, bool async)
{
    peak_ = 0;
    std::uint64_t size = 0;
    const int fd = OpenWaveFile(path, size);
    if (fd < 0) return Result::BadFile;
    if (size > STREAM_FROM_BYTES)
        if (std::optional<WaveLayout> layout = FindChunks(fd, size)) return PlayStream(fd, std::move(*layout), async);
    // The file is read before the device is asked for, so that a file that is
    // missing or no wave gives the default sound even without a device.
    const std::optional<std::vector<Uint8>> file = ReadWaveFile(fd, size);
    ::close(fd);
    if (!file || file->empty()) return Result::BadFile;
    SDL_AudioSpec wave{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* memory = SDL_RWFromConstMem(file->data(), static_cast<int>(file->size()));
    if (memory == nullptr || SDL_LoadWAV_RW(memory, 1, &wave, &buffer, &length) == nullptr) return Result::BadFile;
    if (!available_) {
        SDL_FreeWAV(buffer);
        return Result::NoDevice;
    }
    // A new request cuts off the sound still playing.
    Stop();
    if (!OpenDevice(&wave, false)) {
        SDL_FreeWAV(buffer);
        return Result::NoDevice;
    }
    // The file, the sound decoded from it and the device's copy, at once.
    peak_ = file->size() + std::size_t(length) * 2;
    SDL_QueueAudio(device_, buffer, length);
    SDL_FreeWAV(buffer);
    SDL_PauseAudioDevice(device_, 0);
    if (!async) WaitForEnd();
    return Result::Played;
}

// A long file: its first slice, decoded here, tells whether it is a wave the
// device can play; the device's thread decodes the rest as it goes.
WavePlayer::Result WavePlayer::PlayStream(int fd, WaveLayout layout, bool async)
{
    auto stream = std::make_unique<Stream>();
    stream->fd = fd;
    stream->layout = std::move(layout);
    stream->sliceBytes =
        std::max<std::size_t>(1, STREAM_SLICE_BYTES / stream->layout.blockAlign) * stream->layout.blockAlign;
    const auto first = static_cast<std::size_t>(std::min<std::uint64_t>(stream->sliceBytes, stream->layout.dataBytes));
    SDL_AudioSpec wave{};
    std::size_t image = 0;
    if (first == 0 || !DecodeSlice(fd, stream->layout, 0, first, wave, stream->sound, stream->length, image))
        return Result::BadFile;
    stream->next = first;
    stream->silence = SDL_AUDIO_ISSIGNED(wave.format) ? 0 : 0x80;
    peak_ = image + stream->length;
    if (!available_) return Result::NoDevice;
    Stop();
    if (!OpenDevice(&wave, true)) return Result::NoDevice;
    SDL_LockAudioDevice(device_);
    stream_ = std::move(stream);
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
    if (!async) WaitForEnd();
    return Result::Played;
}

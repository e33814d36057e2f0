// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/WeightsFile.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/files/AtomicFile.h"
#include "core/files/RegularFile.h"

namespace {

constexpr char MAGIC[8] = {'T', 'a', 'b', 'l', 'o', 'r', 'N', 'N'};
constexpr int NETWORK_COUNT = 2;
constexpr std::uint32_t MAX_HIDDEN_UNITS = 1024;
// A weight beyond this is no weight training makes: the file is damaged.
constexpr float MAX_WEIGHT = 1.0e4f;

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}
void Put64(std::vector<std::uint8_t>& out, std::uint64_t v)
{
    for (int k = 0; k < 8; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}
std::uint32_t Get32(const std::uint8_t* at)
{
    std::uint32_t v = 0;
    for (int k = 0; k < 4; ++k) v |= static_cast<std::uint32_t>(at[k]) << (8 * k);
    return v;
}
std::uint64_t Get64(const std::uint8_t* at) { return Get32(at) | static_cast<std::uint64_t>(Get32(at + 4)) << 32; }

void PutFloats(std::vector<std::uint8_t>& out, const std::vector<float>& values)
{
    for (float f : values) {
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        Put32(out, bits);
    }
}

// Reads `count` floats at `at`; false when one is not a finite, plausible weight.
bool GetFloats(const std::uint8_t*& at, std::size_t count, std::vector<float>& values)
{
    values.resize(count);
    for (std::size_t i = 0; i < count; ++i, at += 4) {
        const std::uint32_t bits = Get32(at);
        float f;
        std::memcpy(&f, &bits, 4);
        if (!std::isfinite(f) || std::fabs(f) > MAX_WEIGHT) return false;
        values[i] = f;
    }
    return true;
}

std::uint64_t FloatsOf(std::uint64_t inputs, std::uint64_t hidden, std::uint64_t outputs)
{
    return inputs * hidden + hidden + outputs * hidden + outputs;
}

constexpr std::array<std::uint32_t, 256> CRC_TABLE = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}();

NetworksResult Refuse(const std::string& why) { return {std::nullopt, why}; }

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) c = CRC_TABLE[(c ^ data[i]) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> EncodeNetworks(const Networks& nets)
{
    std::vector<std::uint8_t> payload;
    for (const Network* n : {&nets.contact, &nets.race}) {
        PutFloats(payload, n->w1);
        PutFloats(payload, n->b1);
        PutFloats(payload, n->w2);
        PutFloats(payload, n->b2);
    }
    std::vector<std::uint8_t> out(MAGIC, MAGIC + 8);
    Put32(out, WEIGHTS_VERSION);
    Put32(out, WEIGHTS_HEADER_SIZE);
    Put32(out, ENCODING_VERSION);
    Put32(out, NETWORK_COUNT);
    for (const Network* n : {&nets.contact, &nets.race}) {
        Put32(out, static_cast<std::uint32_t>(n->inputs));
        Put32(out, static_cast<std::uint32_t>(n->hidden));
        Put32(out, OUTPUTS);
    }
    Put64(out, nets.gamesTrained);
    Put64(out, payload.size());
    Put32(out, Crc32(payload.data(), payload.size()));
    Put32(out, Crc32(out.data(), out.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

NetworksResult DecodeNetworks(const std::uint8_t* data, std::size_t size)
{
    if (size < WEIGHTS_HEADER_SIZE) return Refuse("too short for a weights file (" + std::to_string(size) + " bytes)");
    if (std::memcmp(data, MAGIC, 8) != 0) return Refuse("not a Tablor weights file");
    if (Get32(data + 68) != Crc32(data, 68)) return Refuse("the header is damaged (checksum)");
    const std::uint32_t version = Get32(data + 8);
    if (version != WEIGHTS_VERSION)
        return Refuse("weights file version " + std::to_string(version) + ", this program reads version " +
                      std::to_string(WEIGHTS_VERSION));
    if (Get32(data + 12) != WEIGHTS_HEADER_SIZE) return Refuse("the header size is wrong");
    const std::uint32_t encoding = Get32(data + 16);
    if (encoding != ENCODING_VERSION)
        return Refuse("the weights were trained for input encoding " + std::to_string(encoding) + ", not " +
                      std::to_string(ENCODING_VERSION));
    if (Get32(data + 20) != NETWORK_COUNT) return Refuse("the file does not hold the two networks");
    std::uint64_t floats = 0;
    std::array<std::uint32_t, NETWORK_COUNT> hidden{};
    for (int k = 0; k < NETWORK_COUNT; ++k) {
        const std::uint8_t* at = data + 24 + 12 * k;
        hidden[k] = Get32(at + 4);
        if (Get32(at) != INPUTS || Get32(at + 8) != OUTPUTS)
            return Refuse("network " + std::to_string(k + 1) + " has the wrong number of inputs or outputs");
        if (hidden[k] == 0 || hidden[k] > MAX_HIDDEN_UNITS || hidden[k] % HIDDEN_BLOCK != 0)
            return Refuse("network " + std::to_string(k + 1) + " has an impossible number of hidden units");
        floats += FloatsOf(INPUTS, hidden[k], OUTPUTS);
    }
    const std::uint64_t payload = Get64(data + 56);
    if (payload != floats * 4) return Refuse("the payload size does not match the networks' sizes");
    if (size - WEIGHTS_HEADER_SIZE != payload)
        return Refuse(size - WEIGHTS_HEADER_SIZE < payload ? "the file is cut short"
                                                           : "the file is longer than its networks");
    const std::uint8_t* at = data + WEIGHTS_HEADER_SIZE;
    if (Get32(data + 64) != Crc32(at, payload)) return Refuse("the weights are damaged (checksum)");

    Networks nets;
    nets.gamesTrained = Get64(data + 48);
    int k = 0;
    for (Network* n : {&nets.contact, &nets.race}) {
        n->inputs = INPUTS;
        n->hidden = static_cast<int>(hidden[k++]);
        const auto h = static_cast<std::size_t>(n->hidden);
        if (!GetFloats(at, INPUTS * h, n->w1) || !GetFloats(at, h, n->b1) || !GetFloats(at, OUTPUTS * h, n->w2) ||
            !GetFloats(at, OUTPUTS, n->b2))
            return Refuse("a weight is not a finite number of sensible size");
    }
    return {std::move(nets), ""};
}

NetworksResult LoadNetworks(const std::string& path)
{
    if (KindOf(path) == FileKind::Missing) return Refuse(path + ": no such file");
    const auto bytes = ReadRegularFile(path, WEIGHTS_MAX_SIZE + 1);
    if (!bytes) return Refuse(path + ": cannot be read (not a regular file?)");
    if (bytes->size() > WEIGHTS_MAX_SIZE) return Refuse(path + ": too large for a weights file");
    NetworksResult r = DecodeNetworks(bytes->data(), bytes->size());
    if (!r.networks) r.error = path + ": " + r.error;
    return r;
}

bool SaveNetworks(const std::string& path, const Networks& nets)
{
    const std::vector<std::uint8_t> bytes = EncodeNetworks(nets);
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

std::string LocateWeights()
{
    std::vector<std::string> places;
    if (const char* given = std::getenv("TABLOR_WEIGHTS"); given != nullptr && *given != '\0') return given;
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path dir = self.parent_path();
        places.push_back((dir / "../share/tablor/weights/expert.tnw").lexically_normal().string());
        places.push_back((dir / "../../share/tablor/weights/expert.tnw").lexically_normal().string());
    }
#ifdef TABLOR_SOURCE_WEIGHTS
    places.emplace_back(TABLOR_SOURCE_WEIGHTS);
#endif
    for (const std::string& p : places)
        if (std::filesystem::is_regular_file(p, ec)) return p;
    return places.empty() ? std::string("expert.tnw") : places.front();
}

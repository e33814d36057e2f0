// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as the Expert's weights file, as the game does at start-up:
// once as they are, and once with both checksums made to agree, so that the
// fuzzer reaches the checks behind them. A file taken must hold networks of
// a shape the evaluator can run, judge a position with chances in 0..1, and
// write back as the same bytes; a refused file must say why; and the file on
// disk must read as the bytes do.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzFile.h"
#include "core/neural/Evaluator.h"
#include "core/neural/WeightsFile.h"

namespace {

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v)
{
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
}

void Check(const std::uint8_t* data, std::size_t size)
{
    const NetworksResult r = DecodeNetworks(data, size);
    if (!r.networks) {
        Require(!r.error.empty(), "a refused file says why");
        return;
    }
    const Networks& nets = *r.networks;
    Require(nets.contact.Shaped() && nets.race.Shaped(), "accepted networks have a usable shape");
    const std::vector<std::uint8_t> again = EncodeNetworks(nets);
    Require(again.size() == size && std::equal(again.begin(), again.end(), data), "accepted bytes write back the same");
    const Probabilities p = EvaluatePosition(nets, StartingCheckers());
    for (float v : {p.win, p.winGammon, p.winBackgammon, p.loseGammon, p.loseBackgammon})
        Require(v >= 0.0f && v <= 1.0f, "chances lie in 0..1");
    Require(std::isfinite(p.Equity()), "the equity is a number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("expert.tnw");
    Check(data, size);
    if (size >= WEIGHTS_HEADER_SIZE) {
        std::vector<std::uint8_t> fixed(data, data + size);
        Put32(fixed, 64, Crc32(fixed.data() + WEIGHTS_HEADER_SIZE, size - WEIGHTS_HEADER_SIZE));
        Put32(fixed, 68, Crc32(fixed.data(), 68));
        Check(fixed.data(), fixed.size());
    }
    WriteInput(path, data, size);
    const NetworksResult fromDisk = LoadNetworks(path);
    Require(fromDisk.networks.has_value() == DecodeNetworks(data, size).networks.has_value(),
            "the file reads as its bytes do");
    return 0;
}

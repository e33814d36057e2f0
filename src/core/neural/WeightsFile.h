// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file of the Expert's networks ("expert.tnw"). Little-endian:
//
//   offset  size  field
//        0     8  magic "TablorNN"
//        8     4  format version (1)
//       12     4  header size (72)
//       16     4  encoding version of the inputs (ENCODING_VERSION)
//       20     4  number of networks (2: contact, then race)
//       24    24  per network: inputs, hidden units, outputs (3 x uint32)
//       48     8  games of training behind the weights
//       56     8  payload size in bytes
//       64     4  CRC-32 of the payload
//       68     4  CRC-32 of bytes 0..67
//       72        payload: per network w1, b1, w2, b2 as float32
//
// The reader refuses a file that is not exactly this, with a message that
// says what is wrong; it never trusts a size before checking it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/neural/Evaluator.h"

constexpr std::uint32_t WEIGHTS_VERSION = 1;
constexpr std::size_t WEIGHTS_HEADER_SIZE = 72;
// No weights file of the program is near this size.
constexpr std::size_t WEIGHTS_MAX_SIZE = 64u << 20;

// Networks, or why there are none.
struct NetworksResult {
    std::optional<Networks> networks;
    std::string error; // empty when networks holds a value
};

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

std::vector<std::uint8_t> EncodeNetworks(const Networks& nets);
NetworksResult DecodeNetworks(const std::uint8_t* data, std::size_t size);

// The networks of the file at `path`; a missing, unreadable or damaged file
// gives the reason, naming the file.
NetworksResult LoadNetworks(const std::string& path);
// Writes the file whole or not at all.
bool SaveNetworks(const std::string& path, const Networks& nets);

// Where the Expert's weights are looked for, in order: $TABLOR_WEIGHTS when
// set, then beside the installed program (share/tablor/weights/expert.tnw
// from bin/ or libexec/tablor/), then the source tree the program was built
// from. The first that exists, or the first place looked at when none does
// (for the message).
std::string LocateWeights();

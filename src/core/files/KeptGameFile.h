// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kept game ("tablorw.sav"): the game in progress as a position file of
// 286 bytes, followed by a trailer of 16 bytes that names the game and tells
// where it stands, so that a copy of the program knows its own game again
// whatever bytes the position holds, and never resumes a game that is over:
//
//   offset 286, 4 bytes: "KEPT"
//   offset 290, 8 bytes: the game's id, unsigned little-endian, never 0
//   offset 298, 1 byte:  0 the human's turn, its roll in hand (the position
//                        is the turn's start); 1 the human's turn is played
//                        and the computer's comes next (the position is the
//                        board as the human left it); 2 the game is over
//   offset 299, 3 bytes: zero
//
// A file of the 286 bytes alone (written before the trailer was added, or
// made by hand) holds the human's turn; its id is a hash of its bytes, so
// that it is named the same at every reading. The position file's reader
// (File, Open) reads the first 286 bytes of either. A copy of the program
// from before the trailer resumes only a file of exactly 286 bytes: it
// removes a longer one and starts a new game.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/files/PositionFile.h"

constexpr int KEPT_TRAILER_SIZE = 16;
constexpr int KEPT_FILE_SIZE = POSITION_FILE_SIZE + KEPT_TRAILER_SIZE;

enum class KeptStage : std::uint8_t { HumanTurn = 0, ComputerTurn = 1, Ended = 2 };

struct KeptRecord {
    PositionFileData data;
    std::uint64_t id = 0;
    KeptStage stage = KeptStage::HumanTurn;
};

// All 302 bytes.
std::vector<std::uint8_t> EncodeKeptGame(const KeptRecord& game);

// The game in the bytes; nothing when they are neither 286 nor 302 bytes,
// hold a position the position-file reader refuses, or a trailer that is
// damaged (another tag, an id of 0, a stage that is none of the three, a
// byte after the stage that is not 0).
std::optional<KeptRecord> DecodeKeptGame(const std::uint8_t* bytes, std::size_t size);

// The id of a file without a trailer: a hash of its bytes, never 0.
std::uint64_t IdOfBytes(const std::uint8_t* bytes, std::size_t size);

enum class KeptFileResult { Missing, Invalid, Ok };

// Reads the kept game at `path`: Missing when nothing is there (or a link
// that may not be followed, LinkRule.h), Invalid when what is there is no
// kept game (or no regular file, or cannot be read).
KeptFileResult ReadKeptGame(const std::string& path, KeptRecord& out);

// Ids written as text, for the settings file: 16 hexadecimal digits each,
// separated by blanks. Reading skips what is no such id.
std::string GameIdsText(const std::vector<std::uint64_t>& ids);
std::vector<std::uint64_t> ParseGameIds(const std::string& text);

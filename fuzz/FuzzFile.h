// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target shares: a folder of its own per process holding the
// file handed to the reader (rewritten with every input, removed at exit),
// and the check that stops the run when an invariant breaks.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>
#include <vector>

// Stops the run, naming the broken invariant, when `ok` is false.
inline void Require(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    __builtin_trap();
}

// The folder of this process, made at the first call and removed at exit.
inline const std::filesystem::path& FuzzFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tablor-fuzz-XXXXXX").string();
        Require(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(FuzzFolder(), error);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// The path of the file `name` in the process's folder.
inline std::string FuzzPath(const char* name) { return (FuzzFolder() / name).string(); }

// Replaces the file at `path` with exactly the input's bytes.
inline void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Require(file != nullptr, "the input file can be created");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    Require(std::fclose(file) == 0 && written, "the input file can be written");
}

// The whole content of the file at `path`.
inline std::vector<std::uint8_t> ReadBack(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A cheap hash of the input that picks what a target does besides reading,
// so that a crashing input replays exactly.
inline std::uint32_t InputHash(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

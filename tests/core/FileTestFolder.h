// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A folder of its own for each test that reads and writes binary files,
// removed with the test.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

class FileTestFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() / ("tablor-" + std::string(info->test_suite_name()) + "-" +
                                                        info->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    static std::vector<std::uint8_t> Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // The little-endian int32 at byte `at`.
    static std::int32_t Int32At(const std::vector<std::uint8_t>& b, std::size_t at)
    {
        return static_cast<std::int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                                         static_cast<std::uint32_t>(b[at + 3]) << 24);
    }

    std::filesystem::path dir;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file opened with the C library's stdio, closed when its handle goes.

#include <cstdio>
#include <memory>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string CurrentDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : current.string();
}

// A path too long to form is never formed. The bare name stands for it
// instead: relative to the current directory it names the same file, and
// the program never changes its current directory.
std::string FormPath(const std::string& directory, const std::string& name)
{
    if (directory.empty()) return name;
    const bool hasSeparator = directory.back() == '/';
    const std::size_t length = directory.size() + (hasSeparator ? 0 : 1) + name.size();
    if (length + 1 > MAX_PATH_LENGTH) return name;
    return hasSeparator ? directory + name : directory + "/" + name;
}

std::string NativePath(const std::string& path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

AppPaths::AppPaths(const std::string& currentDirectory)
    : folder(currentDirectory.empty() ? "." : currentDirectory),
      profilePath(FormPath(currentDirectory, PROFILE_FILE_NAME)), helpPath(FormPath(currentDirectory, HELP_FILE_NAME)),
      graphPath(FormPath(currentDirectory, GRAPH_FILE_NAME)), schemePath(FormPath(currentDirectory, SCHEME_FILE_NAME)),
      documentationPath(FormPath(currentDirectory, DOCUMENTATION_FILE_NAME)),
      savedGamePath(FormPath(currentDirectory, SAVED_GAME_FILE_NAME)),
      finishedGamePath(FormPath(currentDirectory, FINISHED_GAME_FILE_NAME))
{
}

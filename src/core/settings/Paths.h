// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The full paths of the program's files, all in the current directory at
// start-up.

#include <cstddef>
#include <string>

// The longest path the program forms, counting its terminating zero.
constexpr std::size_t MAX_PATH_LENGTH = 260;

constexpr const char* PROFILE_FILE_NAME = "tablorw.ini";
constexpr const char* HELP_FILE_NAME = "tablorw.chm";
constexpr const char* GRAPH_FILE_NAME = "tablorw32.gph";
constexpr const char* SCHEME_FILE_NAME = "tablorw32.clr";
constexpr const char* DOCUMENTATION_FILE_NAME = "Documentation.htm";
// The game in progress, kept so that it survives quitting.
constexpr const char* SAVED_GAME_FILE_NAME = "tablorw.sav";
// The game finished last, as a match file, so that it can still be exported
// after the next game has begun or the program has ended.
constexpr const char* FINISHED_GAME_FILE_NAME = "tablorw.mat";

// The process's current directory, or "" when it cannot be told.
std::string CurrentDirectory();

// `directory` + "/" + `name` when that fits MAX_PATH_LENGTH, else the bare name.
std::string FormPath(const std::string& directory, const std::string& name);

// A path as written by older copies of the program (".\rolls.txt") in this
// platform's form ("./rolls.txt").
std::string NativePath(const std::string& path);

struct AppPaths {
    explicit AppPaths(const std::string& currentDirectory = CurrentDirectory());

    // The folder the files are in ("." when the current directory cannot be told).
    std::string folder;
    std::string profilePath;
    std::string helpPath;
    std::string graphPath;
    std::string schemePath;
    std::string documentationPath;
    std::string savedGamePath;
    std::string finishedGamePath;
};

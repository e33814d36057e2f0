// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: forms the paths of the program's files from the current
// directory, holds the settings, and creates the one main window.

#include <memory>
#include <string>

#include "core/settings/Paths.h"
#include "core/settings/Settings.h"

class BackgWnd;
class Platform;

class BackgApp {
public:
    explicit BackgApp(const std::string& currentDirectory = CurrentDirectory());
    ~BackgApp();

    // Creates and shows the main window; false when it could not be created.
    bool InitInstance(Platform& platform);

    const std::string& Title() const { return title; }
    BackgWnd* MainWindow() const { return window.get(); }

    AppPaths paths;
    // The help file, shown at a context or its default topic.
    std::string helpFile;
    // Read by the main window when it is created, and changed by the game.
    Settings settings;

private:
    std::string title;
    std::unique_ptr<BackgWnd> window;
};

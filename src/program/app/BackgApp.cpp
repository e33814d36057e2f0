// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/app/BackgApp.h"

#include "program/app/StringTable.h"
#include "program/game/BackgWnd.h"

BackgApp::BackgApp(const std::string& currentDirectory)
    : paths(currentDirectory), helpFile(paths.helpPath), title(ApplicationTitle())
{
}

BackgApp::~BackgApp() = default;

bool BackgApp::InitInstance(Platform& platform)
{
    platform.SetCaption(title);
    window = std::make_unique<BackgWnd>(platform, paths, settings);
    platform.ShowWindow();
    return true;
}

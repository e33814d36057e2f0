// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/app/BackgApp.h"

#include "core/neural/WeightsFile.h"
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
    // The Expert's networks are read once, here; the window plays with them.
    window = std::make_unique<BackgWnd>(platform, paths, settings, LoadExpertWeights(LocateWeights()));
    platform.ShowWindow();
    return true;
}

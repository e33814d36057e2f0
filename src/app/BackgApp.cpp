#include "app/BackgApp.h"

#include "app/StringTable.h"
#include "game/BackgWnd.h"

BackgApp::BackgApp(const std::string& currentDirectory)
    : paths(currentDirectory), helpFile(paths.helpPath), title(ApplicationTitle())
{
}

BackgApp::~BackgApp() = default;

bool BackgApp::InitInstance(Platform& platform)
{
    platform.SetCaption(title);
    window = std::make_unique<BackgWnd>(platform, paths);
    platform.ShowWindow();
    return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the settings sheet asks of each of its pages: load the page's copies
// of the live settings when it is first shown, check its fields when the user
// leaves it, and apply the copies on OK.

#include <functional>
#include <string>

class DiceRecord;
class Platform;
class Profile;
struct Settings;

// The answer of a page that is being left: refused with a prompt to show and
// the control to give the focus, or accepted.
struct PageCheck {
    bool ok = true;
    std::string prompt;
    int focusId = 0;
};

// What the pages change: the settings and the settings file, the dialogs and
// sounds of the platform, the dice record of the main window, and the board,
// rebuilt for the other direction of play.
struct SheetContext {
    Platform& platform;
    Profile& profile;
    Settings& settings;
    DiceRecord* dice = nullptr;
    std::function<void(bool clockWise)> reverseDirection;
    // Whether the Expert level has its weights (the Game page greys it out otherwise).
    bool expertAvailable = false;
};

class OptsPage {
public:
    explicit OptsPage(const SheetContext& sheetContext) : context(sheetContext) {}
    virtual ~OptsPage() = default;
    OptsPage(const OptsPage&) = delete;
    OptsPage& operator=(const OptsPage&) = delete;

    virtual const char* Title() const = 0;
    // Copies the settings into the page.
    virtual void Load() = 0;
    // Checks the fields as the user typed them.
    virtual PageCheck Validate() { return {}; }
    // Copies the page's values into the settings and writes them.
    virtual void Apply() = 0;

protected:
    SheetContext context;
};

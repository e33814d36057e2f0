// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Choose or edit a color scheme" dialog: four schemes of six colours,
// one of them shown and edited at a time. Every change is shown on the board
// at once; OK keeps the shown scheme and saves all four, Cancel puts back the
// colours in force when the dialog opened.
//
// The window calls Open before it runs the dialog. The view paints the labels
// with LabelColours, reports the user's actions to the operations below, and
// calls Ok or Cancel before it closes with IDOK or IDCANCEL.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/files/ColourScheme.h"
#include "core/files/SchemeFile.h"
#include "program/dialogs/DialogButton.h"

class Platform;
struct Settings;

// How the view paints one colour label.
struct LabelPaint {
    Colour background = 0;
    // White text on a dark colour; otherwise the normal text colour.
    bool whiteText = false;
};

class BackgClr {
public:
    static constexpr int IDD = 114;
    static constexpr const char* CAPTION = "Choose or edit a color scheme";
    // The colour labels and their ".." buttons, in colour order.
    static constexpr std::array<int, SCHEME_COLOURS> LABEL_IDS{1011, 1012, 1013, 1014, 1015, 1024};
    static constexpr std::array<const char*, SCHEME_COLOURS> LABEL_TEXTS{
        "Backgr&ound", "Position &A", "Position &B", "&Computer piece", "Hu&man piece", "Ba&r"};
    static constexpr std::array<int, SCHEME_COLOURS> CHOOSE_IDS{1017, 1018, 1019, 1020, 1021, 1023};
    static constexpr const char* CHOOSE_TEXT = "..";
    static constexpr const char* GROUP_TEXT = "&Schemes";
    static constexpr int ID_SCHEME_LIST = 1022;
    static constexpr DialogButton OK{1, "O&K", true};
    static constexpr DialogButton CANCEL{2, "Ca&ncel", false};
    static constexpr DialogButton DEFAULT{1016, "&Default", false};
    static constexpr DialogButton HELP{57670, "&Help", false};
    static constexpr Colour WHITE = RGB(255, 255, 255);

    // `schemeColour` is the board's colours in force, `settings` holds the
    // current scheme's number; `refresh` repaints the main window after the
    // colours changed.
    BackgClr(Platform& platform, std::string schemePath, Settings& settings, ColourSet& schemeColour,
             std::function<void()> refresh);

    // Keeps the colours in force, reads the four schemes (a record that cannot
    // be read whole is its scheme's default) and lists them; the shown
    // scheme is the current one. The colours in force do not change.
    void Open();

    // The colour of a label (0..5) in the shown scheme and its text colour.
    LabelPaint LabelColours(int index) const;
    // Text on a colour is white when red + green + blue is at most 256.
    static bool WhiteTextOn(Colour c) { return RedOf(c) + GreenOf(c) + BlueOf(c) <= 256; }
    // "&Default" is enabled while the shown scheme differs from its default.
    bool DefaultEnabled() const;
    // The colour index of a label or of its ".." button, or -1.
    static int ColourIndexOf(int controlId);

    // Opens the colour chooser on colour `index` of the shown scheme; a
    // confirmed choice is stored and shown at once. False when cancelled.
    bool ChooseColour(int index);
    // Shows scheme n (0..3), on the board as well.
    void SelectScheme(int n);
    // Puts the shown scheme back to its built-in default and shows it.
    void Default();
    // Makes the shown scheme current and saves the four schemes; a file that
    // cannot be written is ignored.
    void Ok();
    // Puts back the colours in force when the dialog opened.
    void Cancel();

    const std::vector<std::string>& ListEntries() const { return listEntries; }

    SchemeArray schemes = DefaultSchemes;
    ColourSet savedColours = DefaultSchemes[0];
    int shownScheme = 0;

private:
    Platform& platform;
    std::string schemePath;
    Settings& settings;
    ColourSet& SchemeColour;
    std::function<void()> refresh;
    std::vector<std::string> listEntries;
};

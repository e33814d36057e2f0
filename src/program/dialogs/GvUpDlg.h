// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Resign" dialog: the human gives up the game at single stakes, as a
// gammon or as a backgammon. Stakes the position already forces cannot be
// chosen lower.

#include <array>

#include "core/board/BoardData.h"
#include "program/dialogs/DialogButton.h"

class GvUpDlg {
public:
    static constexpr int IDD = 177;
    static constexpr const char* CAPTION = "Resign";
    static constexpr const char* GROUP_TEXT = "Choose";
    static constexpr int ID_SINGLE = 1087, ID_GAMMON = 1088, ID_BACKGAMMON = 1097;
    static constexpr std::array<int, 3> RADIO_IDS{ID_SINGLE, ID_GAMMON, ID_BACKGAMMON};
    static constexpr std::array<const char*, 3> RADIO_TEXTS{"Single stakes", "Gammon", "Backgammon"};
    static constexpr DialogButton OK{1, "OK", true};
    static constexpr DialogButton CANCEL{2, "Cancel", false};
    static constexpr DialogButton HELP{57670, "&Help", false};

    // gammonRisk: the human has borne off nothing and could lose a gammon;
    // piecesBack: the human still has pieces on locations 0..6 while contact
    // remains (a backgammon is possible).
    GvUpDlg(bool gammonRisk, bool piecesBack);
    // The dialog for a position: piecesBack from the human's pieces on 0..6
    // and the race flag.
    static GvUpDlg ForPosition(bool gammonRisk, const BoardData& board, bool race);

    bool IsEnabled(int radioId) const;
    // Selects an enabled radio button; other ids change nothing.
    void Select(int radioId);
    int Selected() const { return selected; }
    // What OK closes the dialog with: the selected radio button's id.
    int OnOk() const { return selected; }

    // The factor the cube value takes for a result id: 1 single stakes,
    // 2 gammon, 3 backgammon, 0 for anything else (Cancel).
    static int Multiplier(int resultId);
    int Multiplier() const { return Multiplier(selected); }

private:
    bool gammonRisk;
    bool piecesBack;
    int selected;
};

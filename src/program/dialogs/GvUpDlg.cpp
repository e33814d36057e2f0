// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/GvUpDlg.h"

// The default is the highest stakes the position forces.
GvUpDlg::GvUpDlg(bool risk, bool back)
    : gammonRisk(risk), piecesBack(back), selected(back   ? ID_BACKGAMMON
                                                   : risk ? ID_GAMMON
                                                          : ID_SINGLE)
{
}

GvUpDlg GvUpDlg::ForPosition(bool gammonRisk, const BoardData& board, bool race)
{
    return GvUpDlg(gammonRisk, PiecesInRange(0, 6, board, HUMAN) != 0 && !race);
}

// Single stakes only without gammon risk; gammon only without pieces back;
// backgammon always.
bool GvUpDlg::IsEnabled(int radioId) const
{
    switch (radioId) {
    case ID_SINGLE:
        return !gammonRisk;
    case ID_GAMMON:
        return !piecesBack;
    case ID_BACKGAMMON:
        return true;
    default:
        return false;
    }
}

void GvUpDlg::Select(int radioId)
{
    if (IsEnabled(radioId)) selected = radioId;
}

int GvUpDlg::Multiplier(int resultId)
{
    switch (resultId) {
    case ID_SINGLE:
        return 1;
    case ID_GAMMON:
        return 2;
    case ID_BACKGAMMON:
        return 3;
    default:
        return 0;
    }
}

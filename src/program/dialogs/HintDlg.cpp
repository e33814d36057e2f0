// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/HintDlg.h"

#include <utility>

#include "program/dialogs/Figures.h"

HintDlg::HintDlg(int die1, int die2, std::vector<HintRow> shown, bool withCube, bool rollToPlay)
    : dice{die1, die2}, rows(std::move(shown)), cubeful(withCube), canPlay(rollToPlay), selected(-1)
{
    if (rows.size() > static_cast<std::size_t>(MAX_ROWS)) rows.resize(MAX_ROWS);
    if (!rows.empty()) selected = 0;
}

std::string HintDlg::Cell(int row, int column) const
{
    if (row < 0 || row >= Rows()) return "";
    const HintRow& r = rows[static_cast<std::size_t>(row)];
    const Probabilities& p = r.chances;
    switch (column) {
    case 0:
        return r.play;
    case 1:
        return SignedEquity(r.equity);
    case 2:
        return row == 0 ? "" : SignedEquity(r.equity - rows[0].equity);
    case 3:
        return Formatted("%.1f%%", 100.0 * p.win);
    case 4:
        return Formatted("%.1f%%", 100.0 * p.winGammon);
    case 5:
        return Formatted("%.1f%%", 100.0 * p.winBackgammon);
    case 6:
        return Formatted("%.1f%%", 100.0 * p.loseGammon);
    case 7:
        return Formatted("%.1f%%", 100.0 * p.loseBackgammon);
    case 8:
        return std::to_string(r.plies);
    default:
        return "";
    }
}

void HintDlg::Select(int row)
{
    if (row >= 0 && row < Rows()) selected = row;
}

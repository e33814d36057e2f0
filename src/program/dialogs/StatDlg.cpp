// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/StatDlg.h"

#include <cstdio>

#include "core/board/BoardData.h"
#include "program/app/StringTable.h"

StatDlg::StatDlg(const GameFigures& gameFigures, int gameWinner, const Catalogue& catalogue)
    : figures(gameFigures), winner(gameWinner), texts(catalogue)
{
}

std::string StatDlg::ThinkingTimeText(long milliseconds, const Catalogue& texts)
{
    if (milliseconds < 0) milliseconds = 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, LoadString(IDS_THINKING_TIME, texts), milliseconds / 60000,
                  (milliseconds % 60000) / 1000);
    return buffer;
}

// The integer cells are signed decimal numbers; the time cells minutes and
// seconds.
std::string StatDlg::CellText(int id) const
{
    if (id == ID_GRAPH_END) return GRAPH_END_TEXT;
    for (int row = 0; row < 2; ++row) {
        const int p = row == 0 ? HUMAN : COMPUTER;
        const std::array<int, 6>& ids = CELL_IDS[row];
        if (id == ids[0]) return std::to_string(figures.PipsRolled[p]);
        if (id == ids[1]) return std::to_string(figures.DoublesRolled[p]);
        if (id == ids[2]) return std::to_string(figures.HitsMade[p]);
        if (id == ids[3]) return std::to_string(figures.ScoreSinceStart[p]);
        if (id == ids[4]) return std::to_string(figures.Score[p]);
        if (id == ids[5]) return ThinkingTimeText(figures.ThinkingTime[p], texts);
    }
    return "";
}

SoundEvent StatDlg::OnOpen(const std::string& graphPath, WinGraph& record)
{
    const bool humanWon = winner == HUMAN;
    UpdateWinGraph(graphPath, record, humanWon);
    graph = record;
    return humanWon ? SOUND_WIN : SOUND_LOSE;
}

void StatDlg::SelectRollChoice(int radioId)
{
    for (int i = 0; i < static_cast<int>(ROLL_CHOICE_ID.size()); ++i)
        if (ROLL_CHOICE_ID[i] == radioId) rollChoice = i;
}

int StatDlg::RollChoiceId() const
{
    return rollChoice >= 1 && rollChoice <= 2 ? ROLL_CHOICE_ID[rollChoice] : ROLL_CHOICE_ID[0];
}

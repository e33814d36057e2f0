// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/dialogs/AnalysisDlg.h"

#include <algorithm>

#include "core/files/Notation.h"
#include "program/dialogs/Figures.h"

namespace {

// The number of each action's line in the match file: an action of the
// human opens a line, one of the computer shares the line of the human's
// action just before it or opens its own.
std::vector<int> MoveNumbers(const MatchGame& game)
{
    std::vector<int> numbers;
    int number = 0;
    bool lastHuman = false;
    for (const MatchAction& a : game.actions) {
        const bool human = a.player == HUMAN;
        if (human || !lastHuman) ++number;
        numbers.push_back(number);
        lastHuman = human;
    }
    return numbers;
}

// The choice the side had and the one it made, by the equity lost: a cube
// action is best when it lost nothing.
struct CubeChoices {
    const char* made;
    const char* other;
    double madeEquity;
    double otherEquity;
};

CubeChoices ChoicesOf(const Decision& d)
{
    const double doubled = std::min(d.doubleTake, 1.0);
    switch (d.kind) {
    case Decision::Kind::Double:
        return {AnalysisDlg::DOUBLE_TEXT, AnalysisDlg::NO_DOUBLE_TEXT, doubled, d.noDouble};
    case Decision::Kind::NoDouble:
        return {AnalysisDlg::NO_DOUBLE_TEXT, AnalysisDlg::DOUBLE_TEXT, d.noDouble, doubled};
    case Decision::Kind::Take:
        return {AnalysisDlg::TAKE_TEXT, AnalysisDlg::DROP_TEXT, -d.doubleTake, -1.0};
    default:
        return {AnalysisDlg::DROP_TEXT, AnalysisDlg::TAKE_TEXT, -1.0, -d.doubleTake};
    }
}

} // namespace

AnalysisDlg::AnalysisDlg(const MatchGame& game, const GameAnalysis& analysis, const Catalogue& texts)
{
    for (int side = 0; side < 2; ++side) {
        const SideSummary& s = analysis.sides[side == 0 ? HUMAN : COMPUTER];
        std::array<std::string, SUMMARY_ROWS>& column = summary[static_cast<std::size_t>(side)];
        column[0] = std::to_string(s.decisions);
        column[1] = s.decisions > 0 ? Formatted("%.1f", s.errorRate) : "";
        for (int mark = 1; mark <= 3; ++mark)
            column[static_cast<std::size_t>(1 + mark)] = std::to_string(s.marks[static_cast<std::size_t>(mark)]);
        column[5] = s.decisions > 0 ? texts.Translate(s.rating) : "";
        column[6] = SignedEquity(s.luck);
    }

    const std::vector<int> numbers = MoveNumbers(game);
    for (const Decision& d : analysis.decisions) {
        if (d.action < 0 || d.action >= static_cast<int>(game.actions.size())) continue;
        const MatchAction& action = game.actions[static_cast<std::size_t>(d.action)];
        Line line;
        line.cells[0] = std::to_string(numbers[static_cast<std::size_t>(d.action)]);
        line.cells[1] = texts.Translate(SIDE_NAMES[d.player == HUMAN ? 0 : 1]);
        if (d.kind == Decision::Kind::Play) {
            line.cells[2] = std::to_string(d.first) + "-" + std::to_string(d.second);
            const std::string made = PlayNotation(d.player, action.moves);
            line.cells[3] = made.empty() ? texts.Translate(NO_MOVE_TEXT) : made;
            for (const RankedPlay& p : d.best) {
                const std::string play = PlayNotation(d.player, p.moves);
                line.best.push_back(
                    {play.empty() ? line.cells[3] : play, p.equity, d.forced ? -1 : p.plies, !d.forced});
            }
            line.cells[4] = line.best.empty() ? "" : line.best[0].play;
        } else {
            const CubeChoices c = ChoicesOf(d);
            line.cells[3] = texts.Translate(c.made);
            line.cells[4] = texts.Translate(d.loss > 0 ? c.other : c.made);
            line.best = {{texts.Translate(c.made), c.madeEquity}, {texts.Translate(c.other), c.otherEquity}};
            std::stable_sort(line.best.begin(), line.best.end(),
                             [](const Choice& x, const Choice& y) { return x.equity > y.equity; });
        }
        // A loss that rounds to nothing shows none.
        if (1000 * d.loss >= 0.05) line.cells[5] = Formatted("%.1f", 1000 * d.loss);
        line.cells[6] = texts.Translate(MARK_NAMES[static_cast<std::size_t>(d.mark)]);
        lines.push_back(std::move(line));
    }
    if (!lines.empty()) selected = 0;
}

std::string AnalysisDlg::SummaryCell(int row, int side) const
{
    if (row < 0 || row >= SUMMARY_ROWS || side < 0 || side > 1) return "";
    return summary[static_cast<std::size_t>(side)][static_cast<std::size_t>(row)];
}

std::string AnalysisDlg::Cell(int line, int column) const
{
    if (line < 0 || line >= Lines() || column < 0 || column >= COLUMNS) return "";
    return lines[static_cast<std::size_t>(line)].cells[static_cast<std::size_t>(column)];
}

void AnalysisDlg::Select(int line)
{
    if (line >= 0 && line < Lines()) selected = line;
}

int AnalysisDlg::BestRows() const
{
    return selected < 0 ? 0 : static_cast<int>(lines[static_cast<std::size_t>(selected)].best.size());
}

std::string AnalysisDlg::BestCell(int row, int column) const
{
    if (row < 0 || row >= BestRows()) return "";
    const std::vector<Choice>& best = lines[static_cast<std::size_t>(selected)].best;
    const Choice& c = best[static_cast<std::size_t>(row)];
    switch (column) {
    case 0:
        return c.play;
    case 1:
        return c.shown ? SignedEquity(c.equity) : "";
    case 2:
        return row == 0 || !c.shown ? "" : SignedEquity(c.equity - best[0].equity);
    case 3:
        return c.plies >= 0 ? std::to_string(c.plies) : "";
    default:
        return "";
    }
}

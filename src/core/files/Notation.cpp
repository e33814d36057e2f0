// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Notation.h"

#include <algorithm>
#include <tuple>

int OwnPoint(int player, int location)
{
    if (player == HUMAN) return location >= 25 ? 0 : 25 - location;
    return location <= 0 || location == COMPUTER_TRAY ? 0 : location;
}

namespace {

// One piece's way through the play: the points it touched, and whether it
// hit on each.
struct Path {
    std::vector<int> points;
    std::vector<bool> hits;
};

std::string PointName(int point) { return point == 25 ? "bar" : point == 0 ? "off" : std::to_string(point); }

std::string PathText(const Path& path)
{
    std::string text = PointName(path.points[0]);
    for (std::size_t i = 1; i < path.points.size(); ++i) {
        // A point passed over without a hit says nothing the ends do not.
        const bool last = i + 1 == path.points.size();
        if (!last && !path.hits[i]) continue;
        text += "/" + PointName(path.points[i]);
        if (path.hits[i]) text += "*";
    }
    return text;
}

} // namespace

std::string PlayNotation(int player, const std::vector<MatchMove>& moves)
{
    std::vector<Path> paths;
    for (const MatchMove& m : moves) {
        const int from = OwnPoint(player, m.from), to = OwnPoint(player, m.to);
        // A move from where an earlier one ended goes on with that piece.
        auto it = std::find_if(paths.begin(), paths.end(), [&](const Path& p) { return p.points.back() == from; });
        if (it == paths.end()) {
            paths.push_back({{from, to}, {false, m.hit}});
        } else {
            it->points.push_back(to);
            it->hits.push_back(m.hit);
        }
    }
    std::stable_sort(paths.begin(), paths.end(), [](const Path& a, const Path& b) {
        return std::tie(a.points.front(), a.points.back()) > std::tie(b.points.front(), b.points.back());
    });
    // A hit on a point more than one piece reached is written on the first
    // of them listed ("8/4* 6/4"), whichever of them moved there first.
    for (std::size_t i = 1; i < paths.size(); ++i) {
        for (std::size_t k = 1; k < paths[i].points.size(); ++k) {
            if (!paths[i].hits[k]) continue;
            for (std::size_t j = 0; j < i; ++j) {
                const auto at = std::find(paths[j].points.begin() + 1, paths[j].points.end(), paths[i].points[k]);
                if (at == paths[j].points.end()) continue;
                paths[j].hits[static_cast<std::size_t>(at - paths[j].points.begin())] = true;
                paths[i].hits[k] = false;
                break;
            }
        }
    }
    // Pieces on the same way are counted once; the first carries the hit.
    std::string text;
    for (std::size_t i = 0; i < paths.size();) {
        std::size_t same = i + 1;
        while (same < paths.size() && paths[same].points == paths[i].points) ++same;
        if (!text.empty()) text += " ";
        text += PathText(paths[i]);
        if (same - i > 1) text += "(" + std::to_string(same - i) + ")";
        i = same;
    }
    return text;
}

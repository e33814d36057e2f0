// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/MatchFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "core/files/AtomicFile.h"
#include "core/files/Notation.h"
#include "core/files/RegularFile.h"

void GameRecord::Start(bool startPosition)
{
    game = MatchGame{};
    open = MatchAction{};
    turnOpen = false;
    fromStart = startPosition;
}

void GameRecord::Close()
{
    if (turnOpen) game.actions.push_back(open);
    turnOpen = false;
}

void GameRecord::Roll(int player, int first, int second)
{
    Close();
    open = MatchAction{MatchAction::Kind::Roll, player, first, second, {}, 0};
    turnOpen = true;
}

void GameRecord::Move(int from, int to, bool hit)
{
    if (turnOpen) open.moves.push_back({from, to, hit});
}

void GameRecord::UndoMove()
{
    if (turnOpen && !open.moves.empty()) open.moves.pop_back();
}

// A double comes before the doubler's roll: the turn of the other side
// ends with it, while a roll the doubler already holds stays open after it.
void GameRecord::Double(int player, int newValue)
{
    if (turnOpen && open.player != player) Close();
    game.actions.push_back({MatchAction::Kind::Double, player, 0, 0, {}, newValue});
}

void GameRecord::Take(int player) { game.actions.push_back({MatchAction::Kind::Take, player, 0, 0, {}, 0}); }

void GameRecord::Drop(int player) { game.actions.push_back({MatchAction::Kind::Drop, player, 0, 0, {}, 0}); }

void GameRecord::End(int winner, int points, bool lastTurnPlayed)
{
    if (!lastTurnPlayed) turnOpen = false;
    Close();
    game.winner = winner;
    game.points = points;
}

bool GameRecord::HasMoves() const
{
    if (turnOpen && !open.moves.empty()) return true;
    return std::any_of(game.actions.begin(), game.actions.end(), [](const MatchAction& a) { return !a.moves.empty(); });
}

MatchGame GameRecord::Game() const
{
    MatchGame out = game;
    if (turnOpen) out.actions.push_back(open);
    return out;
}

namespace {

std::string PointText(int point) { return point == 0 ? "off" : std::to_string(point); }

std::string ActionText(const MatchAction& a)
{
    switch (a.kind) {
    case MatchAction::Kind::Double:
        return " Doubles => " + std::to_string(a.cubeValue);
    case MatchAction::Kind::Take:
        return " Takes";
    case MatchAction::Kind::Drop:
        return " Drops";
    case MatchAction::Kind::Roll:
        break;
    }
    std::string text = std::to_string(std::max(a.first, a.second)) + std::to_string(std::min(a.first, a.second)) + ":";
    for (const MatchMove& m : a.moves) {
        text += " " + PointText(OwnPoint(a.player, m.from)) + "/" + PointText(OwnPoint(a.player, m.to));
        if (m.hit) text += "*";
    }
    return text;
}

std::string WinText(int points) { return " Wins " + std::to_string(points) + (points == 1 ? " point" : " points"); }

// The lines of one game's actions: the human's in the left column, the
// computer's in the right, a line per pair; a line that holds only the win
// has no number.
void AppendGameLines(const MatchGame& game, std::string& out)
{
    constexpr std::size_t LEFT_WIDTH = 28;
    struct Line {
        std::string left, right;
        bool numbered = false;
    };
    std::vector<Line> lines;
    // A left action opens a line; a right action shares the line of the left
    // action just before it, or opens a line of its own.
    bool lastLeft = false;
    auto place = [&](bool left, const std::string& text, bool counts) {
        if (left || lines.empty() || !lastLeft) lines.push_back({});
        Line& line = lines.back();
        (left ? line.left : line.right) = text;
        line.numbered = line.numbered || counts;
        lastLeft = left;
    };
    for (const MatchAction& a : game.actions) place(a.player == HUMAN, ActionText(a), true);
    if (game.winner == HUMAN || game.winner == COMPUTER) place(game.winner == HUMAN, WinText(game.points), false);

    int number = 0;
    for (const Line& line : lines) {
        char prefix[16] = "     ";
        if (line.numbered) std::snprintf(prefix, sizeof prefix, "%3d) ", ++number);
        std::string text = prefix + line.left;
        if (!line.right.empty()) {
            text.resize(std::max(text.size() + 1, 5 + LEFT_WIDTH), ' ');
            text += line.right;
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out += text + "\n";
    }
}

} // namespace

std::string MatchFileHeader(const std::vector<std::string>& comment)
{
    std::string out;
    for (const std::string& line : comment) out += "; " + line + "\n";
    out += "\n 0 point match\n";
    return out;
}

std::string MatchGameText(const MatchGame& game, long number)
{
    char header[96];
    std::snprintf(header, sizeof header, " Human : %d", game.scoreBefore[HUMAN]);
    std::string scores = header;
    scores.resize(32, ' ');
    std::snprintf(header, sizeof header, "Computer : %d", game.scoreBefore[COMPUTER]);
    std::string out = "\n Game " + std::to_string(number) + "\n" + scores + header + "\n";
    AppendGameLines(game, out);
    return out;
}

std::string MatchFileText(const std::vector<MatchGame>& games, const std::vector<std::string>& comment)
{
    std::string out = MatchFileHeader(comment);
    for (std::size_t g = 0; g < games.size(); ++g) out += MatchGameText(games[g], static_cast<long>(g) + 1);
    return out;
}

bool WriteMatchFile(const std::string& path, const std::string& text)
{
    return WriteFileAtomically(path, text.data(), text.size());
}

std::optional<std::string> ReadMatchFile(const std::string& path)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadRegularFile(path, MAX_MATCH_FILE_BYTES + 1);
    if (!bytes || bytes->size() > MAX_MATCH_FILE_BYTES) return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    // The header's last line, which every match file of ours has, and no
    // text byte of zero.
    if (text.find("\n 0 point match\n") == std::string::npos || text.find('\0') != std::string::npos)
        return std::nullopt;
    return text;
}

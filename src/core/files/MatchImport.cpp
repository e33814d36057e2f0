// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/MatchImport.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "core/files/RegularFile.h"
#include "core/neural/Checkers.h"
#include "core/neural/Plays.h"

namespace {

// A single action starting at a line's column this far in or further is the
// right column's: both writers start the left column at the sixth column or
// before and the right one at the 34th.
constexpr std::size_t RIGHT_COLUMN = 20;
// The cube goes no higher: a file that doubles past it is broken.
constexpr int MAX_CUBE = 1 << 20;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool SameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// A whole decimal number of at most nine digits in [low, high].
bool ParseNumber(std::string_view s, int low, int high, int& out)
{
    if (s.empty() || s.size() > 9) return false;
    int value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size() || value < low || value > high) return false;
    out = value;
    return true;
}

// Removes a "(Crawford)" mark from `s`; whether there was one.
bool TakeCrawfordMark(std::string& s)
{
    for (std::size_t at = 0; at + 10 <= s.size(); ++at) {
        if (SameWord(std::string_view(s).substr(at, 10), "(crawford)")) {
            s.erase(at, 10);
            return true;
        }
    }
    return false;
}

struct Token {
    std::string_view text;
    std::size_t column = 0;
};

std::vector<Token> Tokens(std::string_view line, std::size_t from)
{
    std::vector<Token> out;
    std::size_t at = from;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r')) ++at;
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t' && line[at] != '\r') ++at;
        if (at > start) out.push_back({line.substr(start, at - start), start});
    }
    return out;
}

// A roll written as two digits and a colon ("63:"), perhaps with its first
// move after the colon.
bool IsRollToken(std::string_view t)
{
    return t.size() >= 3 && t[0] >= '1' && t[0] <= '6' && t[1] >= '1' && t[1] <= '6' && t[2] == ':';
}

bool StartsAction(std::string_view t)
{
    return IsRollToken(t) || SameWord(t, "Doubles") || SameWord(t, "Takes") || SameWord(t, "Drops") ||
           SameWord(t, "Wins") || SameWord(t, "Resigns");
}

// One piece's way as written: from a point, over stops, each with its hit mark.
// Points are the mover's own: 25 its bar, 0 off the board.
struct Segment {
    int from = 0, to = 0;
    bool hit = false;
};

// One step of one die played: from and to (0: off), and whether it hit.
struct Step {
    int from = 0, to = 0;
    bool hit = false;
};

bool ParsePoint(std::string_view s, int& out)
{
    if (SameWord(s, "bar")) return out = BAR_POINT, true;
    if (SameWord(s, "off")) return out = OFF_POINT, true;
    return ParseNumber(s, 0, 25, out);
}

// A written move such as "24/18", "bar/22", "6/off", "13/8*", "24/18*/12" or
// "13/10(2)" as its segments, a repeated move as often as written.
bool ParseMove(std::string_view t, std::vector<Segment>& out)
{
    int repeat = 1;
    if (const std::size_t open = t.find('('); open != std::string_view::npos) {
        if (t.back() != ')' || !ParseNumber(t.substr(open + 1, t.size() - open - 2), 1, 4, repeat)) return false;
        t = t.substr(0, open);
    }
    std::vector<Segment> one;
    std::size_t slash = t.find('/');
    if (slash == std::string_view::npos) return false;
    int at = 0;
    if (!ParsePoint(t.substr(0, slash), at) || at == OFF_POINT) return false;
    while (slash != std::string_view::npos) {
        std::size_t next = t.find('/', slash + 1);
        std::string_view stop =
            t.substr(slash + 1, next == std::string_view::npos ? std::string_view::npos : next - slash - 1);
        Segment s;
        s.from = at;
        if (!stop.empty() && stop.back() == '*') {
            s.hit = true;
            stop.remove_suffix(1);
        }
        if (!ParsePoint(stop, s.to) || s.to >= s.from || s.to == BAR_POINT) return false;
        one.push_back(s);
        at = s.to;
        if (at == OFF_POINT && next != std::string_view::npos) return false;
        slash = next;
    }
    for (int k = 0; k < repeat; ++k) out.insert(out.end(), one.begin(), one.end());
    return true;
}

// Plays the written segments with the dice in any order that reaches each
// stop, and keeps the first way that ends in a position the rules allow for
// the whole roll.
class RollReplay {
public:
    RollReplay(const std::vector<Segment>& segments, const std::vector<Play>& plays)
        : segments_(segments), plays_(plays)
    {
    }

    bool Run(const Checkers& start, std::vector<int> dice)
    {
        if (segments_.empty()) return Final(start);
        dice_ = std::move(dice);
        used_.assign(dice_.size(), false);
        return Walk(start, 0, segments_[0].from);
    }

    const Checkers& After() const { return after_; }
    const std::vector<Step>& Steps() const { return steps_; }
    // Whether the moves could be played, but left dice that the rules make the player use.
    bool PlayedShort() const { return playedShort_; }

private:
    bool Final(const Checkers& c)
    {
        for (const Play& p : plays_)
            if (p.after == c) return after_ = c, true;
        playedShort_ = true;
        return false;
    }

    bool Walk(const Checkers& c, std::size_t seg, int pos)
    {
        if (seg == segments_.size()) return Final(c);
        const Segment& s = segments_[seg];
        for (std::size_t k = 0; k < dice_.size(); ++k) {
            if (used_[k] || (k > 0 && dice_[k] == dice_[k - 1] && !used_[k - 1])) continue;
            const int d = dice_[k];
            if (!LegalMove(c, pos, d)) continue;
            const int np = pos - d;
            const bool landed = s.to == OFF_POINT ? np <= 0 : np == s.to;
            if (!landed && (s.to == OFF_POINT ? false : np < s.to)) continue;
            if (!landed && np <= 0) continue;
            const bool hit = np >= 1 && c.you[25 - np] == 1;
            if (landed && s.hit && !hit) continue;
            Checkers next = c;
            ApplyMove(next, pos, d);
            used_[k] = true;
            steps_.push_back({pos, std::max(np, 0), hit});
            const bool done = landed ? Walk(next, seg + 1, seg + 1 < segments_.size() ? segments_[seg + 1].from : 0)
                                     : Walk(next, seg, np);
            if (done) return true;
            steps_.pop_back();
            used_[k] = false;
        }
        return false;
    }

    const std::vector<Segment>& segments_;
    const std::vector<Play>& plays_;
    std::vector<int> dice_;
    std::vector<bool> used_;
    std::vector<Step> steps_;
    Checkers after_;
    bool playedShort_ = false;
};

// One game's replay: the board, the cube and the turn, checked action by action.
class GameReplay {
public:
    GameReplay(ImportedGame& game, int matchLength) : g_(game), matchLength_(matchLength)
    {
        g_.finalBoard = WithFixedOwners(StandardSetup());
    }

    // One action of `player`; false with `why` set when it does not fit the game.
    bool Action(int player, const std::vector<Token>& tokens, std::string& why)
    {
        if (won_) return why = "an action after the game's result", false;
        const std::string_view head = tokens[0].text;
        if (IsRollToken(head)) return Roll(player, tokens, why);
        if (SameWord(head, "Doubles")) return Double(player, tokens, why);
        if (SameWord(head, "Takes") || SameWord(head, "Drops"))
            return Answer(player, tokens, SameWord(head, "Takes"), why);
        if (SameWord(head, "Resigns")) return Resign(player, why);
        return Wins(player, tokens, why);
    }

    // The game ends without its result written: only the file's last game may
    // still be running.
    bool Close(bool last, std::string& why)
    {
        if (won_) return true;
        if (over_) return why = "the game is over but its result is missing", false;
        if (!last) return why = "the game has no result, and another game follows it", false;
        return true;
    }

private:
    bool Roll(int player, const std::vector<Token>& tokens, std::string& why)
    {
        if (over_) return why = "a roll after the game is over", false;
        if (pendingDouble_ != NOBODY) return why = "a roll while a double is not answered", false;
        if (player == lastRoller_) return why = "the same side rolls twice in a row", false;
        const std::string_view head = tokens[0].text;
        const int first = head[0] - '0', second = head[1] - '0';
        std::vector<Segment> segments;
        std::vector<std::string_view> words;
        if (head.size() > 3) words.push_back(head.substr(3));
        for (std::size_t k = 1; k < tokens.size(); ++k) words.push_back(tokens[k].text);
        bool cannot = false;
        for (std::size_t k = 0; k < words.size(); ++k) {
            if (SameWord(words[k], "Cannot") && k + 1 < words.size() && SameWord(words[k + 1], "Move")) {
                cannot = true;
                ++k;
                continue;
            }
            if (!ParseMove(words[k], segments)) return why = "'" + std::string(words[k]) + "' is no move", false;
            if (segments.size() > 4) return why = "more moves than the roll has dice", false;
        }
        if (cannot && !segments.empty()) return why = "moves after \"Cannot Move\"", false;

        const Checkers start = FromBoard(g_.finalBoard, player);
        const std::vector<Play>& plays = maker_.Make(start, first, second);
        std::vector<int> dice = first == second ? std::vector<int>(4, first)
                                                : std::vector<int>{std::max(first, second), std::min(first, second)};
        RollReplay replay(segments, plays);
        if (!replay.Run(start, dice)) {
            const std::string roll(head.substr(0, 3));
            if (segments.empty()) return why = "no move written for " + roll + ", which can be played", false;
            return why = replay.PlayedShort()
                             ? "the moves of " + roll + " leave dice unplayed that the rules make it play"
                             : "the moves of " + roll + " cannot be played",
                   false;
        }
        MatchAction a{MatchAction::Kind::Roll, player, first, second, {}, 0};
        for (const Step& s : replay.Steps())
            a.moves.push_back({LocationOf(player, s.from), LocationOf(player, s.to), s.hit});
        g_.game.actions.push_back(a);
        g_.finalBoard = ToBoard(replay.After(), player);
        lastRoller_ = player;
        if (replay.After().me[OFF_POINT] == PIECES_PER_SIDE) {
            over_ = true;
            expectedWinner_ = player;
        }
        return true;
    }

    bool Double(int player, const std::vector<Token>& tokens, std::string& why)
    {
        int value = 0;
        if (tokens.size() != 3 || tokens[1].text != "=>" || !ParseNumber(tokens[2].text, 2, MAX_CUBE, value))
            return why = "a double is written \"Doubles => N\"", false;
        if (over_) return why = "a double after the game is over", false;
        if (pendingDouble_ != NOBODY) return why = "a double while a double is not answered", false;
        if (g_.crawford) return why = "a double in the Crawford game", false;
        if (g_.cubeOwner != NOBODY && g_.cubeOwner != player)
            return why = "a double by the side that does not hold the cube", false;
        if (player == lastRoller_) return why = "a double by the side that has just played", false;
        if (value != 2 * g_.cubeValue)
            return why = "a double to " + std::to_string(value) + " with the cube at " + std::to_string(g_.cubeValue),
                   false;
        g_.game.actions.push_back({MatchAction::Kind::Double, player, 0, 0, {}, value});
        pendingDouble_ = player;
        return true;
    }

    bool Answer(int player, const std::vector<Token>& tokens, bool take, std::string& why)
    {
        if (tokens.size() != 1) return why = "text after a take or a drop", false;
        if (pendingDouble_ != Opponent(player)) return why = "a take or a drop without a double to answer", false;
        g_.game.actions.push_back({take ? MatchAction::Kind::Take : MatchAction::Kind::Drop, player, 0, 0, {}, 0});
        pendingDouble_ = NOBODY;
        if (take) {
            g_.cubeValue *= 2;
            g_.cubeOwner = player;
        } else {
            over_ = dropped_ = true;
            expectedWinner_ = Opponent(player);
        }
        return true;
    }

    bool Resign(int player, std::string& why)
    {
        if (over_) return why = "a resignation after the game is over", false;
        over_ = true;
        g_.resigned = player;
        expectedWinner_ = Opponent(player);
        return true;
    }

    // "Wins N point(s)", perhaps "and the match": who wins must fit how the
    // game ended, and the points the cube and the final position. A game that
    // stops without its end written was resigned.
    bool Wins(int player, const std::vector<Token>& tokens, std::string& why)
    {
        int points = 0;
        const bool form =
            (tokens.size() == 3 || tokens.size() == 6) && ParseNumber(tokens[1].text, 1, 3 * MAX_CUBE, points) &&
            (SameWord(tokens[2].text, "point") || SameWord(tokens[2].text, "points")) &&
            (tokens.size() == 3 ||
             (SameWord(tokens[3].text, "and") && SameWord(tokens[4].text, "the") && SameWord(tokens[5].text, "match")));
        if (!form) return why = "a result is written \"Wins N points\"", false;
        if (pendingDouble_ != NOBODY) {
            // A double left unanswered that the doubler wins was dropped
            // without the drop written.
            over_ = dropped_ = true;
            expectedWinner_ = pendingDouble_;
            pendingDouble_ = NOBODY;
        }
        if (!over_) {
            g_.resigned = Opponent(player);
            expectedWinner_ = player;
        }
        if (player != expectedWinner_) return why = "the result names the side that lost", false;
        const int cube = g_.cubeValue;
        bool fits;
        if (dropped_)
            fits = points == cube;
        else if (g_.resigned != NOBODY)
            fits = points == cube || points == 2 * cube || points == 3 * cube;
        else
            fits = points == cube * GameValue(g_.finalBoard) || points == cube;
        if (!fits) return why = std::to_string(points) + " points do not fit the cube and the final position", false;
        const bool matchWon = tokens.size() == 6;
        const int total = g_.game.scoreBefore[player] + points;
        if (total > MATCH_MAX_SCORE) return why = "the score grows past any real match", false;
        if (matchWon && (matchLength_ == 0 || total < matchLength_))
            return why = "\"and the match\" where the match goes on", false;
        over_ = won_ = true;
        g_.game.winner = player;
        g_.game.points = points;
        g_.scoreAfter[player] = total;
        return true;
    }

    ImportedGame& g_;
    int matchLength_ = 0;
    PlayMaker maker_;
    int lastRoller_ = NOBODY;
    int pendingDouble_ = NOBODY;
    int expectedWinner_ = NOBODY;
    bool over_ = false, won_ = false, dropped_ = false;
};

// The lines of the text, each with its number counted from 1.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

bool IsCommentOrBlank(std::string_view line)
{
    line = Trim(line);
    return line.empty() || line.front() == ';' || line.front() == '[';
}

// " Human : 3                      Computer : 0": the names and the scores.
bool ParseScores(std::string line, std::array<std::string, 3>& names, std::array<int, 3>& scores, bool& crawford)
{
    crawford = TakeCrawfordMark(line) || crawford;
    const std::size_t firstColon = line.find(':');
    const std::size_t lastColon = line.rfind(':');
    if (firstColon == std::string::npos || lastColon == firstColon) return false;
    const std::string_view text(line);
    const std::string_view middle = Trim(text.substr(firstColon + 1, lastColon - firstColon - 1));
    const std::size_t numberEnd = middle.find_first_of(" \t");
    if (numberEnd == std::string_view::npos) return false;
    names[HUMAN] = std::string(Trim(text.substr(0, firstColon)));
    names[COMPUTER] = std::string(Trim(middle.substr(numberEnd)));
    return !names[HUMAN].empty() && !names[COMPUTER].empty() &&
           ParseNumber(middle.substr(0, numberEnd), 0, MATCH_MAX_SCORE, scores[HUMAN]) &&
           ParseNumber(Trim(text.substr(lastColon + 1)), 0, MATCH_MAX_SCORE, scores[COMPUTER]);
}

// "Game 3", perhaps with a Crawford mark.
bool ParseGameLine(std::string_view line, long& number, bool& crawford)
{
    std::string text(Trim(line));
    crawford = TakeCrawfordMark(text);
    const std::string_view t = Trim(text);
    if (t.size() < 6 || !SameWord(t.substr(0, 5), "Game ")) return false;
    int n = 0;
    if (!ParseNumber(Trim(t.substr(5)), 1, MATCH_MAX_SCORE, n)) return false;
    number = n;
    return true;
}

bool IsGameLine(std::string_view line)
{
    const std::string_view t = Trim(line);
    return t.size() >= 5 && SameWord(t.substr(0, 5), "Game ");
}

// The actions of a line: after its number, if it has one, one or two actions,
// each in the column of its player.
bool LineActions(std::string_view line, std::vector<std::pair<int, std::vector<Token>>>& out, std::string& why)
{
    out.clear();
    std::size_t from = 0;
    const std::string_view t = Trim(line);
    const std::size_t close = t.find(')');
    if (close != std::string_view::npos && close > 0 &&
        std::all_of(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(close),
                    [](char c) { return c >= '0' && c <= '9'; }))
        from = static_cast<std::size_t>(t.data() - line.data()) + close + 1;
    const std::vector<Token> tokens = Tokens(line, from);
    std::vector<std::vector<Token>> actions;
    for (const Token& token : tokens) {
        if (StartsAction(token.text))
            actions.push_back({token});
        else if (actions.empty())
            return why = "'" + std::string(token.text) + "' is no action", false;
        else
            actions.back().push_back(token);
    }
    if (actions.size() > 2) return why = "more than two actions on one line", false;
    if (actions.size() == 2) {
        out.push_back({HUMAN, actions[0]});
        out.push_back({COMPUTER, actions[1]});
    } else if (actions.size() == 1) {
        out.push_back({actions[0][0].column >= RIGHT_COLUMN ? COMPUTER : HUMAN, actions[0]});
    }
    return true;
}

std::string Where(std::size_t line, long game)
{
    std::string out = "line " + std::to_string(line + 1);
    if (game > 0) out += " (game " + std::to_string(game) + ")";
    return out + ": ";
}

} // namespace

std::optional<ImportedMatch> ImportMatchText(std::string_view text, std::string& reason)
{
    const std::vector<std::string_view> lines = Lines(text);
    ImportedMatch match;
    std::size_t at = 0;
    while (at < lines.size() && IsCommentOrBlank(lines[at])) ++at;
    {
        const std::string_view t = Trim(at < lines.size() ? lines[at] : std::string_view());
        const std::size_t space = t.find(' ');
        if (space == std::string_view::npos || !SameWord(Trim(t.substr(space)), "point match") ||
            !ParseNumber(t.substr(0, space), 0, MATCH_MAX_LENGTH, match.matchLength)) {
            reason = at < lines.size() ? Where(at, 0) + "expected the match length (\"7 point match\")"
                                       : "the file has no match length (\"7 point match\")";
            return std::nullopt;
        }
        ++at;
    }
    std::vector<std::pair<int, std::vector<Token>>> actions;
    while (true) {
        while (at < lines.size() && IsCommentOrBlank(lines[at])) ++at;
        if (at >= lines.size()) break;
        ImportedGame game;
        if (!ParseGameLine(lines[at], game.number, game.crawford)) {
            reason = Where(at, 0) + "expected a game (\"Game 1\")";
            return std::nullopt;
        }
        const long number = game.number;
        if (!match.games.empty() && number != match.games.back().number + 1) {
            reason = Where(at, number) + "game " + std::to_string(match.games.back().number + 1) + " was to come next";
            return std::nullopt;
        }
        ++at;
        std::array<std::string, 3> names{};
        if (at >= lines.size() || !ParseScores(std::string(lines[at]), names, game.game.scoreBefore, game.crawford)) {
            reason = Where(std::min(at, lines.size()), number) + "expected the players and their scores";
            return std::nullopt;
        }
        if (match.games.empty())
            match.names = names;
        else if (names != match.names) {
            reason = Where(at, number) + "the players are not those of the games before";
            return std::nullopt;
        }
        if (!match.games.empty() && game.game.scoreBefore != match.games.back().scoreAfter) {
            reason = Where(at, number) + "the scores are not those the game before ended with";
            return std::nullopt;
        }
        if (match.matchLength > 0 && (game.game.scoreBefore[HUMAN] >= match.matchLength ||
                                      game.game.scoreBefore[COMPUTER] >= match.matchLength)) {
            reason = Where(at, number) + "the match is already won";
            return std::nullopt;
        }
        game.scoreAfter = game.game.scoreBefore;
        ++at;
        GameReplay replay(game, match.matchLength);
        std::size_t lastLine = at - 1;
        for (; at < lines.size() && !IsGameLine(lines[at]); ++at) {
            if (IsCommentOrBlank(lines[at])) continue;
            lastLine = at;
            std::string why;
            if (!LineActions(lines[at], actions, why)) {
                reason = Where(at, number) + why;
                return std::nullopt;
            }
            for (const auto& [player, tokens] : actions) {
                if (!replay.Action(player, tokens, why)) {
                    reason = Where(at, number) + why;
                    return std::nullopt;
                }
            }
        }
        std::size_t next = at;
        while (next < lines.size() && IsCommentOrBlank(lines[next])) ++next;
        std::string why;
        if (!replay.Close(next >= lines.size(), why)) {
            reason = Where(lastLine, number) + why;
            return std::nullopt;
        }
        match.games.push_back(std::move(game));
    }
    if (match.games.empty()) {
        reason = "the file holds no game";
        return std::nullopt;
    }
    return match;
}

std::optional<ImportedMatch> ImportMatchFile(const std::string& path, std::string& reason)
{
    const auto bytes = ReadRegularFile(path, MATCH_FILE_MAX_BYTES + 1);
    if (!bytes) {
        reason = "cannot read " + path;
        return std::nullopt;
    }
    if (bytes->size() > MATCH_FILE_MAX_BYTES) {
        reason = path + " is larger than any match file";
        return std::nullopt;
    }
    return ImportMatchText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), reason);
}

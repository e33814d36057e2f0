// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/EngineArgs.h"

#include <charconv>
#include <cstddef>
#include <set>

#include "core/files/PositionFile.h"
#include "core/neural/Expert.h"

namespace {

// A whole argument as an integer in [low, high].
bool ParseInt(const std::string& text, long long low, long long high, long long& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= low && value <= high;
}

// The board of a position file, read and checked as the game opens one: the
// tool and the game accept and refuse the same files. The tool has no game in
// hand to lay a short file over, so what the file leaves out is empty.
bool ReadPositionBoard(const std::string& path, BoardData& out, std::string& error)
{
    PositionFileData data;
    if (ReadPositionFile(path, data, &error) != PositionFileResult::Ok) return false;
    out = FromImage(data.board);
    return true;
}

// Walks the options after the command: each is known, given once, and has
// the values it needs.
class OptionReader {
public:
    OptionReader(const std::vector<std::string>& args, std::string& error) : args_(args), error_(error) {}

    bool Next(std::string& option)
    {
        if (pos_ >= args_.size()) return false;
        option = args_[pos_++];
        if (!seen_.insert(option).second) return Error("option " + option + " given twice");
        return true;
    }

    bool Value(const std::string& option, std::string& value)
    {
        if (pos_ >= args_.size()) return Error("option " + option + " needs a value");
        value = args_[pos_++];
        return true;
    }

    bool Int(const std::string& option, long long low, long long high, long long& value)
    {
        std::string text;
        if (!Value(option, text)) return false;
        if (!ParseInt(text, low, high, value))
            return Error("option " + option + " wants a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + text + "'");
        return true;
    }

    // C,H: the computer's side's level and the human's side's, each 0 to 3.
    bool Levels(const std::string& option, int& computer, int& human)
    {
        std::string text;
        if (!Value(option, text)) return false;
        long long c = 0, h = 0;
        const auto comma = text.find(',');
        if (comma == std::string::npos || !ParseInt(text.substr(0, comma), 0, EXPERT_LEVEL, c) ||
            !ParseInt(text.substr(comma + 1), 0, EXPERT_LEVEL, h))
            return Error(option + " wants C,H with each level 0, 1, 2 or 3, not '" + text + "'");
        computer = static_cast<int>(c);
        human = static_cast<int>(h);
        return true;
    }

    // The options several commands share.
    bool Seed(const std::string& option, std::uint32_t& seed)
    {
        long long v = 0;
        if (!Int(option, 0, 4294967295LL, v)) return false;
        seed = static_cast<std::uint32_t>(v);
        return true;
    }
    bool Plies(const std::string& option, int& plies)
    {
        long long v = 0;
        if (!Int(option, 0, EXPERT_MAX_PLIES, v)) return false;
        plies = static_cast<int>(v);
        return true;
    }
    bool Side(const std::string& option, bool& human)
    {
        std::string text;
        if (!Value(option, text)) return false;
        if (text != "computer" && text != "human") return Error("--side is computer or human, not '" + text + "'");
        human = text == "human";
        return true;
    }
    // --pos FILE or --board BOARD.
    bool Board(const std::string& option, BoardData& board)
    {
        std::string text;
        if (!Value(option, text)) return false;
        const bool read =
            option == "--pos" ? ReadPositionBoard(text, board, error_) : ParseBoardArgument(text, board, error_);
        if (!read) failed_ = true;
        return read;
    }

    bool Has(const std::string& option) const { return seen_.count(option) != 0; }
    bool Error(const std::string& message)
    {
        failed_ = true;
        error_ = message;
        return false;
    }
    bool Failed() const { return failed_; }

private:
    const std::vector<std::string>& args_;
    std::string& error_;
    std::size_t pos_ = 1;
    std::set<std::string> seen_;
    bool failed_ = false;
};

} // namespace

bool ParseMoveArgs(const std::vector<std::string>& args, MoveArgs& out, std::string& error)
{
    OptionReader r(args, error);
    std::string option, text;
    long long v = 0;
    while (r.Next(option)) {
        if (option == "--pos" || option == "--board") {
            if (!r.Board(option, out.board)) return false;
        } else if (option == "--dice") {
            if (!r.Int(option, 1, 6, v)) return false;
            out.first = static_cast<int>(v);
            if (!r.Int(option, 1, 6, v)) return false;
            out.second = static_cast<int>(v);
        } else if (option == "--level") {
            if (!r.Int(option, 0, EXPERT_LEVEL, v)) return false;
            out.level = static_cast<int>(v);
        } else if (option == "--plies") {
            if (!r.Plies(option, out.plies)) return false;
        } else if (option == "--book") {
            out.book = true;
        } else if (option == "--side") {
            if (!r.Side(option, out.human)) return false;
        } else {
            return r.Error("unknown option '" + option + "' for move");
        }
    }
    if (r.Failed()) return false;
    if (r.Has("--pos") == r.Has("--board")) return r.Error("move needs one of --pos FILE and --board BOARD");
    if (!r.Has("--dice")) return r.Error("move needs --dice A B");
    return true;
}

bool ParseRollsArgs(const std::vector<std::string>& args, RollsArgs& out, std::string& error)
{
    OptionReader r(args, error);
    std::string option;
    long long v = 0;
    while (r.Next(option)) {
        if (option == "--seed") {
            if (!r.Seed(option, out.seed)) return false;
        } else if (option == "--count") {
            if (!r.Int(option, 0, 100000000, v)) return false;
            out.count = static_cast<long>(v);
        } else {
            return r.Error("unknown option '" + option + "' for rolls");
        }
    }
    if (r.Failed()) return false;
    if (!r.Has("--seed") || !r.Has("--count")) return r.Error("rolls needs --seed S and --count N");
    return true;
}

bool ParseSelfPlayArgs(const std::vector<std::string>& args, SelfPlayArgs& out, std::string& error)
{
    OptionReader r(args, error);
    std::string option;
    long long v = 0;
    while (r.Next(option)) {
        if (option == "--games") {
            if (!r.Int(option, 0, 10000000, v)) return false;
            out.games = static_cast<long>(v);
        } else if (option == "--seed") {
            if (!r.Seed(option, out.seed)) return false;
        } else if (option == "--levels") {
            if (!r.Levels(option, out.computerLevel, out.humanLevel)) return false;
        } else if (option == "--plies") {
            if (!r.Plies(option, out.plies)) return false;
        } else if (option == "--moves") {
            out.moves = true;
        } else if (option == "--export") {
            if (!r.Value(option, out.exportPath)) return false;
            if (out.exportPath.empty()) return r.Error("--export wants a file name");
        } else {
            return r.Error("unknown option '" + option + "' for selfplay");
        }
    }
    if (r.Failed()) return false;
    if (!r.Has("--games") || !r.Has("--seed")) return r.Error("selfplay needs --games N and --seed S");
    return true;
}

bool ParseBoardArgument(const std::string& text, BoardData& out, std::string& error)
{
    BoardData board{};
    std::size_t start = 0;
    for (int i = 0; i < LOCATIONS; ++i) {
        const std::size_t end = text.find(',', start);
        const bool last = i == LOCATIONS - 1;
        if (last != (end == std::string::npos)) {
            error = "--board wants 28 comma-separated count:owner entries";
            return false;
        }
        const std::string entry = text.substr(start, last ? std::string::npos : end - start);
        const std::size_t colon = entry.find(':');
        long long count = 0, owner = 0;
        if (colon == std::string::npos || !ParseInt(entry.substr(0, colon), -1000, 1000, count) ||
            !ParseInt(entry.substr(colon + 1), -1000, 1000, owner)) {
            error = "board entry " + std::to_string(i) + " is not count:owner: '" + entry + "'";
            return false;
        }
        if (count < 0 || count > PIECES_PER_SIDE) {
            error = "board entry " + std::to_string(i) + " has a count outside 0 to 15";
            return false;
        }
        board[i] = Spot{static_cast<std::int8_t>(count), static_cast<std::int32_t>(owner)};
        start = end + 1;
    }
    if (!NormaliseBoard(board, &error)) return false;
    out = board;
    return true;
}

bool ParseEvalArgs(const std::vector<std::string>& args, EvalArgs& out, std::string& error)
{
    OptionReader r(args, error);
    std::string option;
    while (r.Next(option)) {
        if (option == "--pos" || option == "--board") {
            if (!r.Board(option, out.board)) return false;
        } else if (option == "--plies") {
            if (!r.Plies(option, out.plies)) return false;
        } else if (option == "--side") {
            if (!r.Side(option, out.human)) return false;
        } else {
            return r.Error("unknown option '" + option + "' for eval");
        }
    }
    if (r.Failed()) return false;
    if (r.Has("--pos") == r.Has("--board")) return r.Error("eval needs one of --pos FILE and --board BOARD");
    return true;
}

bool ParseImportArgs(const std::vector<std::string>& args, ImportArgs& out, std::string& error)
{
    if (args.size() != 2 || args[1].empty() || args[1][0] == '-') {
        error = "import needs one match file: tablor-engine import FILE.mat";
        return false;
    }
    out.path = args[1];
    return true;
}

bool ParseAnalyseArgs(const std::vector<std::string>& args, AnalyseArgs& out, std::string& error)
{
    OptionReader r(args, error);
    std::string option;
    long long v = 0;
    while (r.Next(option)) {
        if (option == "--games") {
            if (!r.Int(option, 1, 1000000, v)) return false;
            out.games = static_cast<long>(v);
        } else if (option == "--seed") {
            if (!r.Seed(option, out.seed)) return false;
        } else if (option == "--levels") {
            if (!r.Levels(option, out.computerLevel, out.humanLevel)) return false;
        } else if (option == "--plies") {
            if (!r.Plies(option, out.plies)) return false;
        } else if (option == "--decisions") {
            out.decisions = true;
        } else if (option == "--cubeless") {
            out.cubeless = true;
        } else {
            return r.Error("unknown option '" + option + "' for analyse-selfplay");
        }
    }
    if (r.Failed()) return false;
    if (!r.Has("--games") || !r.Has("--seed")) return r.Error("analyse-selfplay needs --games N and --seed S");
    return true;
}

bool ParseAnalyseFileArgs(const std::vector<std::string>& args, AnalyseFileArgs& out, std::string& error)
{
    if (args.size() < 2 || args[1].empty() || args[1][0] == '-') {
        error = "analyse needs a match file: tablor-engine analyse FILE.mat [--plies P] [--decisions] [--cubeless]";
        return false;
    }
    out.path = args[1];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    OptionReader r(rest, error);
    std::string option;
    while (r.Next(option)) {
        if (option == "--plies") {
            if (!r.Plies(option, out.plies)) return false;
        } else if (option == "--decisions") {
            out.decisions = true;
        } else if (option == "--cubeless") {
            out.cubeless = true;
        } else {
            return r.Error("unknown option '" + option + "' for analyse");
        }
    }
    return !r.Failed();
}

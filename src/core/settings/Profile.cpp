#include "core/settings/Profile.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Only this many bytes of a line are looked at; the rest of a longer line is
// skipped (and copied unchanged when the file is rewritten), so a huge file
// or binary junk costs one pass and bounded memory.
constexpr std::size_t MAX_KEPT_LINE = 16384;
constexpr std::size_t READ_CHUNK = 65536;
constexpr int TEMP_NAME_ATTEMPTS = 50;

// One line of the file: where it lies and the first MAX_KEPT_LINE bytes of its content.
struct Line {
    std::uint64_t start = 0;      // offset of its first byte
    std::uint64_t contentEnd = 0; // offset after its content, before CR LF or LF
    std::uint64_t next = 0;       // offset of the next line; contentEnd when the file ends without a break
    std::string text;
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // key value, trimmed
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// What one line is: a "[Section]" header, a "key=value" line, a ";" comment,
// blank, or anything else (ignored on reads, kept on writes).
ParsedLine ParseLine(std::string_view text, bool firstLine)
{
    constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
    if (firstLine && text.substr(0, BYTE_ORDER_MARK.size()) == BYTE_ORDER_MARK) text.remove_prefix(3);
    text = Trim(text);
    ParsedLine parsed;
    if (text.empty()) return parsed;
    if (text.front() == ';') {
        parsed.kind = LineKind::Comment;
    } else if (text.front() == '[') {
        parsed.kind = LineKind::Section;
        const std::size_t close = text.find(']');
        parsed.name = Trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    } else if (const std::size_t equals = text.find('='); equals != std::string_view::npos && equals > 0) {
        parsed.kind = LineKind::Key;
        parsed.name = Trim(text.substr(0, equals));
        parsed.value = Trim(text.substr(equals + 1));
    } else {
        parsed.kind = LineKind::Other;
    }
    return parsed;
}

// Calls `visit` for each line of `file` in order until it returns false.
// Returns false when the file could not be read.
template <class Visit> bool ForEachLine(std::FILE* file, Visit visit)
{
    std::vector<char> buffer(READ_CHUNK);
    Line line;
    std::uint64_t offset = 0;
    bool previousCr = false;
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (got == 0) break;
        for (std::size_t i = 0; i < got; ++i, ++offset) {
            const char c = buffer[i];
            if (c == '\n') {
                line.contentEnd = previousCr ? offset - 1 : offset;
                line.next = offset + 1;
                if (!visit(line)) return true;
                line.start = offset + 1;
                line.text.clear();
                previousCr = false;
                continue;
            }
            if (line.text.size() < MAX_KEPT_LINE) line.text.push_back(c);
            previousCr = c == '\r';
        }
    }
    if (std::ferror(file)) return false;
    if (offset > line.start) {
        line.contentEnd = line.next = offset;
        visit(line);
    }
    return true;
}

// Whole decimal integer at the start of `text` as the platform reads it:
// blanks, an optional sign, at least one digit; anything after the digits
// is ignored. False when there is no number or it does not fit an int.
bool ParseInt(std::string_view text, int& result)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        value = value * 10 + (text[digits] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (digits == 0) return false;
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return false;
    result = static_cast<int>(value);
    return true;
}

// Copies bytes [from, to) of `source` (to the end when `to` is UINT64_MAX) into `target`.
bool CopyRange(std::FILE* source, std::uint64_t from, std::uint64_t to, std::FILE* target)
{
    if (std::fseek(source, static_cast<long>(from), SEEK_SET) != 0) return false;
    std::vector<char> buffer(READ_CHUNK);
    std::uint64_t left = to - from;
    while (left > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size()));
        const std::size_t got = std::fread(buffer.data(), 1, want, source);
        if (got == 0) return !std::ferror(source) && to == UINT64_MAX;
        if (std::fwrite(buffer.data(), 1, got, target) != got) return false;
        left -= got;
    }
    return true;
}

bool WriteAll(std::FILE* target, const std::string& text)
{
    return text.empty() || std::fwrite(text.data(), 1, text.size(), target) == text.size();
}

// Writes the edited file into a new file beside it and renames that over the
// original, so that a failure at any point leaves the original whole.
bool WriteThroughTemp(std::FILE* original, const fs::path& target, std::uint64_t start, std::uint64_t end,
                      const std::string& text)
{
    const fs::path folder = target.parent_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temp;
    std::FILE* out = nullptr;
    for (int attempt = 0; attempt < TEMP_NAME_ATTEMPTS && out == nullptr; ++attempt) {
        temp = folder / (target.filename().string() + ".tmp" + std::to_string(stamp + attempt));
        out = std::fopen(temp.c_str(), "wbx");
    }
    if (out == nullptr) return false;

    bool ok = true;
    if (original != nullptr) ok = CopyRange(original, 0, start, out);
    ok = ok && WriteAll(out, text);
    if (original != nullptr) ok = ok && CopyRange(original, end, UINT64_MAX, out);
    ok = std::fclose(out) == 0 && ok;

    std::error_code error;
    if (ok && original != nullptr) fs::permissions(temp, fs::status(target, error).permissions(), error);
    if (ok) {
        fs::rename(temp, target, error);
        ok = !error;
    }
    if (!ok) fs::remove(temp, error);
    return ok;
}

// Rewrites the file where it stands: the bytes before `start` stay, the rest
// is written anew. Used when no file can be made beside it.
bool WriteInPlace(std::FILE* original, const fs::path& target, std::uint64_t start, std::uint64_t end,
                  const std::string& text)
{
    if (original == nullptr) {
        std::FILE* out = std::fopen(target.c_str(), "wb");
        if (out == nullptr) return false;
        const bool ok = WriteAll(out, text);
        return std::fclose(out) == 0 && ok;
    }
    if (std::fseek(original, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(original);
    if (size < 0 || static_cast<std::uint64_t>(size) < end) return false;
    std::string rest(static_cast<std::size_t>(static_cast<std::uint64_t>(size) - end), '\0');
    if (std::fseek(original, static_cast<long>(end), SEEK_SET) != 0 ||
        std::fread(rest.data(), 1, rest.size(), original) != rest.size())
        return false;
    if (std::fseek(original, static_cast<long>(start), SEEK_SET) != 0) return false;
    if (!WriteAll(original, text) || !WriteAll(original, rest) || std::fflush(original) != 0) return false;
    const std::uint64_t newSize = start + text.size() + rest.size();
    std::error_code error;
    if (newSize < static_cast<std::uint64_t>(size)) fs::resize_file(target, newSize, error);
    return !error;
}

} // namespace

// Where a key stands in the file, or where it would be added.
struct Profile::Lookup {
    bool fileExists = false;
    bool unreadable = false; // there, but not a regular file or not readable: never written
    bool sectionFound = false;
    bool keyFound = false;
    std::string keyName; // spelled as in the file
    std::string value;
    std::uint64_t keyStart = 0; // the key's line content
    std::uint64_t keyEnd = 0;
    std::uint64_t insertAt = 0;    // after the last non-blank line of the section's first occurrence
    bool insertNeedsBreak = false; // that line ends the file without a line break
    std::uint64_t size = 0;
    bool endsWithBreak = true;
    std::string lineBreak = "\n";
};

// Scans the file for the first occurrence of the key in any occurrence of the
// section, noting on the way where the key would be added and the line breaks.
Profile::Lookup Profile::Find(const std::string& section, const std::string& key) const
{
    Lookup found;
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    if (!fs::exists(status)) return found;
    found.fileExists = true;
    found.unreadable = true;
    // Only a regular file is opened: a fifo would block, a device never end.
    if (!fs::is_regular_file(status)) return found;
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (file == nullptr) return found;

    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    bool breakKnown = false;
    bool inSection = false;
    bool inFirstSection = false;
    const bool readable = ForEachLine(file, [&](const Line& line) {
        const bool hasBreak = line.next > line.contentEnd;
        if (!breakKnown && hasBreak) {
            found.lineBreak = line.next - line.contentEnd == 2 ? "\r\n" : "\n";
            breakKnown = true;
        }
        found.size = line.next;
        found.endsWithBreak = hasBreak;

        const ParsedLine parsed = ParseLine(line.text, line.start == 0);
        if (parsed.kind == LineKind::Blank) return true;
        if (parsed.kind == LineKind::Section) {
            inSection = EqualsNoCase(parsed.name, sectionName);
            inFirstSection = inSection && !found.sectionFound;
            found.sectionFound = found.sectionFound || inSection;
        } else if (parsed.kind == LineKind::Key && inSection && EqualsNoCase(parsed.name, keyName)) {
            found.keyFound = true;
            found.keyName = parsed.name;
            found.value = parsed.value.substr(0, MAX_VALUE_LENGTH);
            found.keyStart = line.start;
            found.keyEnd = line.contentEnd;
            return false;
        }
        if (inFirstSection) {
            found.insertAt = hasBreak ? line.next : line.contentEnd;
            found.insertNeedsBreak = !hasBreak;
        }
        return true;
    });
    std::fclose(file);
    if (!readable) {
        Lookup failed;
        failed.fileExists = failed.unreadable = true;
        return failed;
    }
    found.unreadable = false;
    return found;
}

int Profile::GetInt(const std::string& section, const std::string& key, int defaultValue) const
{
    const Lookup found = Find(section, key);
    int value = defaultValue;
    if (found.keyFound && ParseInt(found.value, value)) return value;
    return defaultValue;
}

std::string Profile::GetString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const
{
    const Lookup found = Find(section, key);
    return found.keyFound ? found.value : defaultValue;
}

bool Profile::WriteInt(const std::string& section, const std::string& key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

// Rewrites the key's line, or adds the key at the end of its section, or the
// section at the end of the file. Names that would break the file's structure
// are refused; a value is kept to its first line.
bool Profile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    if (sectionName.empty() || sectionName.find_first_of("]\r\n") != std::string_view::npos) return false;
    if (keyName.empty() || keyName.find_first_of("=\r\n") != std::string_view::npos || keyName.front() == '[' ||
        keyName.front() == ';')
        return false;
    const std::string_view cleanValue = Trim(std::string_view(value).substr(0, value.find_first_of("\r\n")));

    const Lookup found = Find(section, key);
    if (found.unreadable) return false;
    const std::string& br = found.lineBreak;
    if (found.keyFound)
        return Replace(found, found.keyStart, found.keyEnd, found.keyName + "=" + std::string(cleanValue));
    const std::string entry = std::string(keyName) + "=" + std::string(cleanValue) + br;
    if (found.sectionFound)
        return Replace(found, found.insertAt, found.insertAt, (found.insertNeedsBreak ? br : "") + entry);
    const std::string header = "[" + std::string(sectionName) + "]" + br;
    const bool needsBreak = found.size > 0 && !found.endsWithBreak;
    return Replace(found, found.size, found.size, (needsBreak ? br : "") + header + entry);
}

// Replaces bytes [start, end) of the file with `text`.
bool Profile::Replace(const Lookup& found, std::uint64_t start, std::uint64_t end, const std::string& text)
{
    fs::path target = path_;
    std::error_code error;
    // Rewrite the file a link points to, keeping the link.
    if (fs::is_symlink(target, error)) {
        const fs::path real = fs::canonical(target, error);
        if (!error) target = real;
    }
    // A file that is there but may not be written stays as it is.
    std::FILE* original = nullptr;
    if (found.fileExists) {
        original = std::fopen(target.c_str(), "r+b");
        if (original == nullptr) return false;
    }
    const bool done =
        WriteThroughTemp(original, target, start, end, text) || WriteInPlace(original, target, start, end, text);
    if (original != nullptr) std::fclose(original);
    return done;
}

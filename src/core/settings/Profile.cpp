// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/Profile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string_view>
#include <vector>

#include "core/files/AtomicFile.h"
#include "core/files/RegularFile.h"

namespace {

// Only this many bytes of a line are looked at; the rest of a longer line is
// skipped (and copied unchanged when the file is rewritten), so a large file
// or binary junk costs one pass and bounded memory.
constexpr std::size_t MAX_KEPT_LINE = 16384;
constexpr std::size_t READ_CHUNK = 65536;

// One line of the file: where it lies and the first MAX_KEPT_LINE bytes of its content.
struct Line {
    std::uint64_t start = 0;      // offset of its first byte
    std::uint64_t contentEnd = 0; // offset after its content, before its line break
    std::uint64_t next = 0;       // offset of the next line; contentEnd when the file ends without a break
    std::string lineBreak;        // "\n", "\r\n", "\r", or "" at the end of the file
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

// Calls `visit` for each line of `file` in order until it returns false,
// reading no more than MAX_FILE_SIZE bytes. A line ends at LF, CR LF or a CR
// alone (files from old Macintosh editors). Returns false when the file could
// not be read.
template <class Visit> bool ForEachLine(std::FILE* file, Visit visit)
{
    std::vector<char> buffer(READ_CHUNK);
    Line line;
    std::uint64_t offset = 0;
    bool afterCr = false;
    // Ends the current line before `at` with a break of `length` bytes;
    // false when the visitor has seen enough.
    auto endLine = [&](std::uint64_t at, int length) {
        line.contentEnd = at;
        line.next = at + length;
        line.lineBreak = length == 2 ? "\r\n" : afterCr ? "\r" : "\n";
        const bool more = visit(line);
        line.start = line.next;
        line.text.clear();
        afterCr = false;
        return more;
    };
    while (offset < Profile::MAX_FILE_SIZE) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), Profile::MAX_FILE_SIZE - offset));
        const std::size_t got = std::fread(buffer.data(), 1, want, file);
        if (got == 0) break;
        for (std::size_t i = 0; i < got; ++i, ++offset) {
            const char c = buffer[i];
            if (afterCr) {
                if (c == '\n') {
                    if (!endLine(offset - 1, 2)) return true;
                    continue;
                }
                if (!endLine(offset - 1, 1)) return true;
            }
            if (c == '\n') {
                if (!endLine(offset, 1)) return true;
            } else if (c == '\r') {
                afterCr = true;
            } else if (line.text.size() < MAX_KEPT_LINE) {
                line.text.push_back(c);
            }
        }
    }
    if (std::ferror(file)) return false;
    if (afterCr) {
        endLine(offset - 1, 1);
    } else if (offset > line.start) {
        line.contentEnd = line.next = offset;
        line.lineBreak.clear();
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

// Copies bytes [from, to) of `source` (to its end when `to` is UINT64_MAX) into `target`.
bool CopyRange(std::FILE* source, std::uint64_t from, std::uint64_t to, AtomicFile& target)
{
    if (std::fseek(source, static_cast<long>(from), SEEK_SET) != 0) return false;
    std::vector<char> buffer(READ_CHUNK);
    std::uint64_t left = to - from;
    while (left > 0) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, buffer.size()));
        const std::size_t got = std::fread(buffer.data(), 1, want, source);
        if (got == 0) return !std::ferror(source) && to == UINT64_MAX;
        if (!target.Write(buffer.data(), got)) return false;
        left -= got;
    }
    return true;
}

// The size of an open file, or UINT64_MAX when it cannot be told.
std::uint64_t SizeOf(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0) return UINT64_MAX;
    const long size = std::ftell(file);
    std::rewind(file);
    return size < 0 ? UINT64_MAX : static_cast<std::uint64_t>(size);
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

// Scans the open file for the first occurrence of the key in any occurrence
// of the section, noting on the way where the key would be added and the
// file's line break.
Profile::Lookup Profile::Find(std::FILE* file, const std::string& section, const std::string& key) const
{
    Lookup found;
    found.fileExists = true;
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    // New lines take the file's first LF or CR LF; a CR alone only in a file
    // with no LF at all (binary junk may hold a stray CR).
    bool breakKnown = false;
    bool inSection = false;
    bool inFirstSection = false;
    const bool readable = ForEachLine(file, [&](const Line& line) {
        const bool hasBreak = !line.lineBreak.empty();
        if (!breakKnown && hasBreak) {
            found.lineBreak = line.lineBreak;
            breakKnown = line.lineBreak != "\r";
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
    if (!readable) {
        Lookup failed;
        failed.fileExists = failed.unreadable = true;
        return failed;
    }
    return found;
}

// The same for the file at the path: a missing file holds nothing, and one
// that is no regular file (a fifo would block, a device never end) or cannot
// be read holds nothing and is never written.
Profile::Lookup Profile::Find(const std::string& section, const std::string& key) const
{
    Lookup found;
    const FileKind kind = KindOf(path_);
    if (kind == FileKind::Missing) return found;
    found.fileExists = found.unreadable = true;
    const FileHandle file = OpenRegularFile(path_);
    if (file == nullptr) return found;
    return Find(file.get(), section, key);
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
// are refused; a value is kept to its first line. The file is looked at and
// copied through one open handle: since no writer rewrites the file in place,
// that handle sees one whole version of it even if another copy of the
// program replaces it meanwhile.
bool Profile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    if (sectionName.empty() || sectionName.find_first_of("]\r\n") != std::string_view::npos) return false;
    if (keyName.empty() || keyName.find_first_of("=\r\n") != std::string_view::npos || keyName.front() == '[' ||
        keyName.front() == ';')
        return false;
    const Hold held(*this);
    if (Write(section, key, value)) return true;
    failedUnderLock_ = true;
    return false;
}

// WriteString under the lock.
bool Profile::Write(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    const std::string_view cleanValue = Trim(std::string_view(value).substr(0, value.find_first_of("\r\n")));
    const FileKind kind = KindOf(path_);
    FileHandle original;
    std::uint64_t size = 0;
    Lookup found;
    if (kind != FileKind::Missing) {
        original = OpenRegularFile(path_);
        if (original == nullptr) return false;
        size = SizeOf(original.get());
        if (size > MAX_FILE_SIZE) return false;
        found = Find(original.get(), section, key);
        if (found.unreadable) return false;
    }
    const std::string& br = found.lineBreak;
    std::FILE* const file = original.get();
    if (found.keyFound)
        return Replace(file, size, found.keyStart, found.keyEnd, found.keyName + "=" + std::string(cleanValue));
    const std::string entry = std::string(keyName) + "=" + std::string(cleanValue) + br;
    if (found.sectionFound)
        return Replace(file, size, found.insertAt, found.insertAt, (found.insertNeedsBreak ? br : "") + entry);
    const std::string header = "[" + std::string(sectionName) + "]" + br;
    const bool needsBreak = found.size > 0 && !found.endsWithBreak;
    return Replace(file, size, found.size, found.size, (needsBreak ? br : "") + header + entry);
}

// Writes a new file made of the original's bytes before `start`, `text`, and
// the original's bytes from `end` on, and renames it over the original. A
// file that would grow past what is read of it is not written: the new key
// would be lost to every read, and every later write refused.
bool Profile::Replace(std::FILE* original, std::uint64_t size, std::uint64_t start, std::uint64_t end,
                      const std::string& text)
{
    if (size - (end - start) + text.size() > MAX_FILE_SIZE) return false;
    AtomicFile out(path_);
    if (!out.Open()) return false;
    if (original != nullptr && !CopyRange(original, 0, start, out)) return false;
    if (!out.Write(text.data(), text.size())) return false;
    if (original != nullptr && !CopyRange(original, end, UINT64_MAX, out)) return false;
    return out.Commit();
}

Profile::Hold::Hold(Profile& profile) : profile_(profile)
{
    if (profile_.lockDepth_++ == 0 && profile_.locker_) profile_.held_ = profile_.locker_();
}

Profile::Hold::~Hold()
{
    if (--profile_.lockDepth_ != 0) return;
    profile_.held_.reset();
    // Told after the lock is gone: the notice may wait for the player.
    if (profile_.failedUnderLock_) {
        profile_.failedUnderLock_ = false;
        if (profile_.writeFailed_) profile_.writeFailed_();
    }
}

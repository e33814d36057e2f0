// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/PositionId.h"

#include <cstdint>
#include <vector>

namespace {

constexpr char BASE64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Base64 without padding: every three bytes make four characters, the high
// bits first; a last group of one byte makes two characters.
std::string Encode(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) group = group << 8 | (k < n ? bytes[i + k] : 0);
        for (std::size_t k = 0; k <= n; ++k) text += BASE64[group >> (18 - 6 * k) & 63];
    }
    return text;
}

// The bytes of `size` the text encodes; nothing unless it is exactly their
// Base64 text with the unused low bits of its last character zero.
std::optional<std::vector<std::uint8_t>> Decode(std::string_view text, std::size_t size)
{
    if (text.size() != (size * 8 + 5) / 6) return std::nullopt;
    std::vector<std::uint8_t> bytes(size, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = Base64Value(text[i]);
        if (v < 0) return std::nullopt;
        for (int b = 0; b < 6; ++b) {
            const std::size_t bit = i * 6 + b; // counted from the high bit of byte 0
            if (((v >> (5 - b)) & 1) == 0) continue;
            if (bit >= size * 8) return std::nullopt;
            bytes[bit / 8] = static_cast<std::uint8_t>(bytes[bit / 8] | 0x80 >> (bit % 8));
        }
    }
    return bytes;
}

// A bit string kept little-endian: bit k is bit k % 8 of byte k / 8.
struct Bits {
    std::vector<std::uint8_t> bytes;
    std::size_t next = 0;

    explicit Bits(std::size_t size) : bytes(size, 0) {}
    void Put(std::uint32_t value, int width)
    {
        for (int b = 0; b < width; ++b, ++next)
            if (value >> b & 1) bytes[next / 8] = static_cast<std::uint8_t>(bytes[next / 8] | 1 << (next % 8));
    }
    bool At(std::size_t k) const { return k < bytes.size() * 8 && (bytes[k / 8] >> (k % 8) & 1) != 0; }
    std::uint32_t Take(int width)
    {
        std::uint32_t value = 0;
        for (int b = 0; b < width; ++b, ++next)
            if (At(next)) value |= 1u << b;
        return value;
    }
};

// The board location of `side`'s own point 1..24, or its bar at 25.
int LocationOf(int side, int own) { return side == HUMAN ? 25 - own : own; }

constexpr int MATCH_ID_BYTES = 9;
constexpr int POSITION_ID_BYTES = 10;
// The computer is side 0, the human side 1.
int SideOf(std::uint32_t bit) { return bit == 0 ? COMPUTER : HUMAN; }

std::uint32_t Held(int value, int width)
{
    const int high = (1 << width) - 1;
    return static_cast<std::uint32_t>(value < 0 ? 0 : value > high ? high : value);
}

} // namespace

std::string PositionId(const BoardData& board, int onRoll)
{
    Bits bits(POSITION_ID_BYTES);
    for (int side : {Opponent(onRoll), onRoll}) {
        for (int own = 1; own <= 25; ++own) {
            const Spot& s = board[LocationOf(side, own)];
            const int n = s.owner == side && s.count > 0 ? s.count : 0;
            for (int k = 0; k < n && bits.next < 80; ++k) bits.Put(1, 1);
            if (bits.next < 80) bits.Put(0, 1);
        }
    }
    return Encode(bits.bytes);
}

std::optional<BoardData> BoardFromPositionId(std::string_view id, int onRoll)
{
    if (onRoll != HUMAN && onRoll != COMPUTER) return std::nullopt;
    const auto bytes = Decode(id, POSITION_ID_BYTES);
    if (!bytes) return std::nullopt;
    Bits bits(POSITION_ID_BYTES);
    bits.bytes = *bytes;
    BoardData board{};
    for (int side : {Opponent(onRoll), onRoll}) {
        int pieces = 0;
        for (int own = 1; own <= 25; ++own) {
            int n = 0;
            while (bits.next < 80 && bits.At(bits.next)) {
                ++bits.next;
                ++n;
            }
            if (bits.next >= 80) return std::nullopt; // a point never closed
            ++bits.next;
            pieces += n;
            if (pieces > PIECES_PER_SIDE) return std::nullopt;
            if (n == 0) continue;
            Spot& s = board[LocationOf(side, own)];
            if (s.count > 0) return std::nullopt; // both sides on one point
            s = {static_cast<std::int8_t>(n), side};
        }
        board[TrayOf(side)] = {static_cast<std::int8_t>(PIECES_PER_SIDE - pieces), side};
    }
    for (std::size_t k = bits.next; k < 80; ++k)
        if (bits.At(k)) return std::nullopt;
    if (!NormaliseBoard(board)) return std::nullopt;
    return board;
}

std::string MatchId(const MatchIdFields& f)
{
    Bits bits(MATCH_ID_BYTES);
    int log2 = 0;
    while (log2 < 15 && (1 << (log2 + 1)) <= f.cubeValue) ++log2;
    bits.Put(static_cast<std::uint32_t>(log2), 4);
    bits.Put(f.cubeOwner == COMPUTER ? 0 : f.cubeOwner == HUMAN ? 1 : 3, 2);
    bits.Put(f.onRoll == HUMAN ? 1 : 0, 1);
    bits.Put(f.crawford ? 1 : 0, 1);
    bits.Put(static_cast<std::uint32_t>(f.state), 3);
    bits.Put(f.toDecide == HUMAN ? 1 : 0, 1);
    bits.Put(f.doubled ? 1 : 0, 1);
    bits.Put(Held(f.resigned, 2), 2);
    // The higher die first, as other programs write it.
    bits.Put(Held(f.first > f.second ? f.first : f.second, 3), 3);
    bits.Put(Held(f.first > f.second ? f.second : f.first, 3), 3);
    bits.Put(Held(f.matchLength, 15), 15);
    bits.Put(Held(f.score[SideOf(0)], 15), 15);
    bits.Put(Held(f.score[SideOf(1)], 15), 15);
    bits.Put(f.jacoby ? 0 : 1, 1);
    return Encode(bits.bytes);
}

std::optional<MatchIdFields> ParseMatchId(std::string_view id)
{
    const auto bytes = Decode(id, MATCH_ID_BYTES);
    if (!bytes) return std::nullopt;
    Bits bits(MATCH_ID_BYTES);
    bits.bytes = *bytes;
    MatchIdFields f;
    f.cubeValue = 1 << bits.Take(4);
    const std::uint32_t owner = bits.Take(2);
    if (owner == 2) return std::nullopt;
    f.cubeOwner = owner == 3 ? NOBODY : SideOf(owner);
    f.onRoll = SideOf(bits.Take(1));
    f.crawford = bits.Take(1) != 0;
    const std::uint32_t state = bits.Take(3);
    if (state > 4) return std::nullopt;
    f.state = static_cast<MatchIdState>(state);
    f.toDecide = SideOf(bits.Take(1));
    f.doubled = bits.Take(1) != 0;
    f.resigned = static_cast<int>(bits.Take(2));
    f.first = static_cast<int>(bits.Take(3));
    f.second = static_cast<int>(bits.Take(3));
    if (f.first > 6 || f.second > 6 || (f.first == 0) != (f.second == 0)) return std::nullopt;
    f.matchLength = static_cast<int>(bits.Take(15));
    f.score[SideOf(0)] = static_cast<int>(bits.Take(15));
    f.score[SideOf(1)] = static_cast<int>(bits.Take(15));
    f.jacoby = bits.Take(1) == 0;
    if (f.matchLength > 0 && (f.score[HUMAN] > f.matchLength || f.score[COMPUTER] > f.matchLength)) return std::nullopt;
    for (std::size_t k = bits.next; k < MATCH_ID_BYTES * 8; ++k)
        if (bits.At(k)) return std::nullopt;
    return f;
}

std::optional<PastedIds> ReadPastedIds(std::string_view text)
{
    // The words of the text, split at white space and colons; text longer
    // than any copied board is not looked through.
    constexpr std::size_t MOST = 64 * 1024;
    if (text.size() > MOST) text = text.substr(0, MOST);
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool cut = i == text.size() || text[i] == ':' || text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                         text[i] == '\r';
        if (!cut) continue;
        if (i > start) words.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    std::optional<MatchIdFields> match;
    for (std::string_view w : words)
        if (w.size() == 12 && (match = ParseMatchId(w))) break;
    const int onRoll = match ? match->onRoll : HUMAN;
    for (std::string_view w : words) {
        if (w.size() != 14) continue;
        if (std::optional<BoardData> board = BoardFromPositionId(w, onRoll)) return PastedIds{*board, match};
    }
    return std::nullopt;
}

std::string CopiedIds(const BoardData& board, const MatchIdFields& match)
{
    return PositionId(board, match.onRoll) + ":" + MatchId(match);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player: an exhaustive search over every play of the roll,
// scored by a hand-tuned evaluation whose terms depend on the skill level, and
// the doubling decisions. The search always plays as player 1 (the computer,
// moving from 24 towards 1); the human's side is searched on the mirrored board.
#include "core/board/RulesEngine.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "core/dice/DiceRecord.h"

// Source points for the first and second die, row by the first die, column by
// the second. 5-6 has no entry while 6-5 has one; doubles have none.
// clang-format off
const std::array<std::array<std::uint8_t, 2>, 36> OpeningTable{{
    //  1        2         3         4         5         6      (second die)
    {0, 0},   {24, 13}, {6, 8},   {24, 13}, {24, 13}, {8, 13},  // first die 1
    {13, 24}, {0, 0},   {13, 24}, {6, 8},   {24, 13}, {13, 24}, // first die 2
    {8, 6},   {24, 13}, {0, 0},   {24, 13}, {6, 8},   {13, 24}, // first die 3
    {13, 24}, {8, 6},   {13, 24}, {0, 0},   {24, 13}, {24, 20}, // first die 4
    {13, 24}, {13, 24}, {8, 6},   {13, 24}, {0, 0},   {0, 0},   // first die 5
    {13, 8},  {24, 13}, {24, 13}, {24, 18}, {24, 18}, {0, 0},   // first die 6
}};
// clang-format on

namespace {

constexpr std::int32_t NO_SCORE = std::numeric_limits<std::int32_t>::min();

constexpr bool IsDieValue(int v) { return v >= 1 && v <= 6; }

// Where one piece of the computer lands: a point, or its tray off the board.
constexpr int ComputerTarget(int from, int die)
{
    const int t = from - die;
    return t >= 1 && t <= 24 ? t : COMPUTER_TRAY;
}

// The board quarter of a location counted from each side's home (1 in the
// home board up to 5 on the bar), as QuarterCount weighs it.
constexpr int OwnQuarter(int i) { return i == HUMAN_BAR ? 0 : i == COMPUTER_BAR ? 5 : (i - 1) / 6 + 1; }
constexpr int OppQuarter(int i) { return i == COMPUTER_BAR ? 0 : i == HUMAN_BAR ? 5 : (24 - i) / 6 + 1; }

// Sets of locations as bit masks, bit i for location i.
using Mask = std::uint32_t;

// Locations first..last; empty when first > last.
constexpr Mask Span(int first, int last)
{
    if (first < 0) first = 0;
    if (last > 31) last = 31;
    if (first > last) return 0;
    const Mask upTo = last == 31 ? ~Mask{0} : (Mask{1} << (last + 1)) - 1;
    return upTo & ~((Mask{1} << first) - 1);
}

constexpr Mask Bit(int i) { return Mask{1} << i; }
constexpr bool Has(Mask m, int i) { return i >= 0 && (m >> i & 1u) != 0; }
constexpr int Count(Mask m) { return std::popcount(m); }
constexpr int Highest(Mask m) { return 31 - std::countl_zero(m); }

constexpr Mask HOME = Span(1, 6);       // the computer's home board
constexpr Mask OPP_HOME = Span(19, 24); // the human's

// One position read for every term: per-location counts of player 1, the
// points each side holds as masks, and the sums the terms ask for. A scored
// position differs from the one before the play in a few locations only, so
// it is made from the earlier scan by taking those out and putting them back.
struct Scan {
    std::array<int, 25> own{}; // player 1's count on 0..24, 0 where it does not own
    Mask ownAny = 0;           // points player 1 owns
    Mask ownMade = 0;          // points holding two or more of its pieces
    Mask ownStacked = 0;       // locations 0..25 holding two or more of its pieces, its bar included
    Mask ownBlot = 0;          // points holding exactly one
    Mask oppOwned = 0;         // points player 2 owns
    Mask oppPresent = 0;       // locations 0..24 with pieces of player 2, its bar included
    Mask oppMade = 0;
    Mask oppBlot = 0;
    Mask oppPair = 0;  // points above 6 holding exactly two of player 2's pieces
    Mask occupied = 0; // points holding any piece
    int ownHome = 0;   // player 1's pieces on 1..6
    int own14to25 = 0, own18to25 = 0, own19to24 = 0;
    int quarterOwn = 0, quarterOpp = 0;
    int pipsOwn = 0, pipsOpp = 0;

    Scan() = default;
    explicit Scan(const BoardData& b)
    {
        for (int i = HUMAN_BAR; i <= COMPUTER_BAR; ++i) Put(i, b[i]);
    }

    // The scan of `b`, which equals the board of `base` except on `changed`.
    Scan(const Scan& base, const BoardData& was, const BoardData& b, Mask changed) : Scan(base)
    {
        for (Mask m = changed & Span(HUMAN_BAR, COMPUTER_BAR); m != 0; m &= m - 1) {
            const int i = std::countr_zero(m);
            Take(i, was[i]);
            Put(i, b[i]);
        }
    }

    // Whether player 2 has a piece on locations 0..i (PiecesInRange(0, i, board, 2) > 0).
    bool OppUpTo(int i) const { return (oppPresent & Span(0, i)) != 0; }

private:
    // Adds location i holding `s` (0 <= i <= 25, not yet counted).
    void Put(int i, const Spot& s)
    {
        const int n = s.count;
        const bool point = i >= 1 && i <= 24;
        Sum(i, s, +1);
        if (point && n > 0) occupied |= Bit(i);
        if (s.owner == COMPUTER) {
            if (i <= 24) own[i] = n;
            if (n >= 2) ownStacked |= Bit(i);
            if (point) {
                ownAny |= Bit(i);
                if (n >= 2) ownMade |= Bit(i);
                if (n == 1) ownBlot |= Bit(i);
            }
        } else if (s.owner == HUMAN) {
            if (n > 0 && i <= 24) oppPresent |= Bit(i);
            if (point) {
                oppOwned |= Bit(i);
                if (n >= 2) oppMade |= Bit(i);
                if (n == 1) oppBlot |= Bit(i);
                if (n == 2 && i > 6) oppPair |= Bit(i);
            }
        }
    }

    // Takes location i, counted as holding `s`, out again.
    void Take(int i, const Spot& s)
    {
        Sum(i, s, -1);
        const Mask keep = ~Bit(i);
        ownAny &= keep;
        ownMade &= keep;
        ownStacked &= keep;
        ownBlot &= keep;
        oppOwned &= keep;
        oppPresent &= keep;
        oppMade &= keep;
        oppBlot &= keep;
        oppPair &= keep;
        occupied &= keep;
        if (i <= 24) own[i] = 0;
    }

    void Sum(int i, const Spot& s, int sign)
    {
        const int n = sign * s.count;
        if (s.owner == COMPUTER) {
            quarterOwn += n * OwnQuarter(i);
            pipsOwn += n * i;
            if (i >= 14) own14to25 += n;
            if (i >= 18) own18to25 += n;
            if (i >= 19 && i <= 24) own19to24 += n;
            if (i >= 1 && i <= 6) ownHome += n;
        } else if (s.owner == HUMAN) {
            quarterOpp += n * OppQuarter(i);
            pipsOpp += n * (25 - i);
        }
    }
};

// What every term reads of the position before the play.
struct Before {
    std::array<int, LOCATIONS> own{};
    std::array<int, LOCATIONS + 1> ownSum{}; // own pieces on the locations below i
    Mask ownMade = 0;
    Mask oppOwned = 0;
    Mask empty = 0;                    // points holding no piece
    std::array<int, 24> stacks{};      // points with more than three pieces
    std::array<int, 24> stackHeight{}; // and their counts
    int stackCount = 0;

    Before() = default;
    explicit Before(const BoardData& b)
    {
        for (int i = 0; i < LOCATIONS; ++i) {
            own[i] = b[i].owner == COMPUTER ? b[i].count : 0;
            ownSum[i + 1] = ownSum[i] + own[i];
        }
        for (int i = 1; i <= 24; ++i) {
            if (own[i] >= 2) ownMade |= Bit(i);
            if (b[i].owner == HUMAN) oppOwned |= Bit(i);
            if (b[i].count == 0) empty |= Bit(i);
            if (b[i].count > 3) {
                stacks[stackCount] = i;
                stackHeight[stackCount++] = b[i].count;
            }
        }
    }
    int Own(int first, int last) const
    {
        first = std::max(first, 0);
        last = std::min(last, LOCATIONS - 1);
        return first > last ? 0 : ownSum[last + 1] - ownSum[first];
    }
};

// Player 1's made points in its home board (gaps passed over) and the
// unbroken chain of made points beyond it.
int OwnBlock(Mask made) { return Count(made & HOME) + std::countr_one(made >> 7); }

// The same for player 2, from point 24 downwards.
int OppBlock(Mask made) { return Count(made & OPP_HOME) + std::countl_one(made << (31 - 18)); }

// The quantities every term reads, worked out once per scored position.
struct Features {
    int block1, block2, homeBlots1, homeBlots2;
    explicit Features(const Scan& c)
        : block1(OwnBlock(c.ownMade)), block2(OppBlock(c.oppMade)), homeBlots1(Count(c.ownBlot & HOME)),
          homeBlots2(Count(c.oppBlot & OPP_HOME))
    {
    }
};

// The threat to a single own piece on point t from opposing pieces up to
// nine points behind it; the opponent's bar always counts as a source, but
// only in part unless it holds pieces that can enter against t.
int BlotDanger(int t, const Scan& c, const Features& f, int barCount)
{
    const int weight = 6 * f.block2 + 2 * f.homeBlots1 + (25 - t) / 6;
    const int lowest = std::max(0, t - 9);
    const Mask window = Span(std::max(1, lowest), t - 1);
    const Mask owned = c.oppOwned & window;
    const int far = Has(owned, t - 7) + Has(owned, t - 8);
    int sum = 500 * (Count(owned) * weight + far - Count(c.oppPair & window));
    if (lowest == 0) {
        int term = 500 * ((t == 7) + (t == 8) + weight);
        const int reach = f.block1 < 3 ? 7 : 6;
        if (barCount == 0 || t > reach) term /= 5;
        sum += term;
    }
    return sum;
}

// Pieces brought past the opponent's made points (or, when far behind, the
// points held in the opponent's home board).
int EscapeTerm(const Scan& c, const Before& before, const BoardData& b)
{
    if (c.pipsOwn - c.pipsOpp > 7 * c.own19to24 && b[HUMAN_TRAY].count < 7 && !c.OppUpTo(9))
        return 3000 * Count(c.ownMade & OPP_HOME);
    const int made = Count(c.ownMade);
    const int start = 25 - std::min(8, made + made / 2);
    if (start > 24 || before.Own(start, 24) <= 0) return 0;
    int value = 0;
    for (int i = start; i <= 24; ++i) value += std::abs(start + 1 - i) * (before.own[i] - c.own[i]);
    return 7830 * value;
}

// Hits, weighted by how far the hit piece is sent back and how well the
// computer can contain it; hits deep in the own home count only after another.
int HitTerm(const Scan& c, const Features& f, const Before& before, int lead2)
{
    const bool safe = f.block2 + f.homeBlots1 < 3 || f.block1 >= 3;
    const int limit = safe ? 5 : 9;
    const bool mayFollow = f.block2 < 4 && f.homeBlots1 < 2 && c.own14to25 != 0;
    bool counted = false;
    int sum = 0;
    for (Mask hits = before.oppOwned & ~c.oppOwned; hits != 0;) {
        const int i = Highest(hits);
        hits &= ~Bit(i);
        if (i < limit && !(counted && mayFollow)) continue;
        const int stay = Has(c.ownAny, i) && i > 7;
        sum += 5500 * (i / 6 + 2 * (f.homeBlots2 + f.block1) + std::max(0, lead2) + stay);
        counted = true;
    }
    return sum;
}

// Points made and kept, and single pieces left where nothing can hit them;
// beyond point 8 only points with own made points still behind them count.
int PointTerm(const Scan& c, const Before& before, const std::array<int, 25>& danger)
{
    const int highestMade = c.ownStacked != 0 ? Highest(c.ownStacked) : -1;
    const Mask counted = Span(2, std::min(24, std::max(8, highestMade - 1)));
    const bool runners = c.own14to25 > 1;
    const bool backMen = c.own18to25 > 3;
    int sum = 0;
    for (Mask changed = (c.ownMade ^ before.ownMade) & counted; changed != 0;) {
        const int i = Highest(changed);
        changed &= ~Bit(i);
        const int weight = 1 + 2 * (i < 8 && runners) + (i <= 6 && c.OppUpTo(i)) + 3 * (i > 18 && backMen);
        sum += Has(c.ownMade, i) ? weight : -weight;
    }
    for (Mask blots = c.ownBlot & counted; blots != 0;) {
        const int i = Highest(blots);
        blots &= ~Bit(i);
        if (danger[i] == 0) sum += 1;
    }
    return 8033 * sum;
}

// Tall stacks of the previous position thinned out rather than piled higher.
int StackTerm(const BoardData& b, const Before& before)
{
    int sum = 0;
    for (int k = 0; k < before.stackCount; ++k) {
        const int i = before.stacks[k];
        const int was = before.stackHeight[k];
        if (b[i].owner != COMPUTER) continue;
        sum += b[i].count < was ? 1 : b[i].count > was ? -1 : 0;
    }
    return 1445 * sum;
}

// A full prime of six made points with an opposing piece behind it.
int PrimeTerm(const Scan& c)
{
    const Mask m = c.ownMade;
    const Mask six = m & m >> 1 & m >> 2 & m >> 3 & m >> 4 & m >> 5;
    if (six == 0) return 0;
    return c.OppUpTo(Highest(six)) ? 1 : 0;
}

// Points of the home board newly covered, when ahead or bearing off.
int RaceTerm(const Scan& c, const Before& before, const BoardData& b, int lead)
{
    if (!(lead > 0 || c.ownHome + b[COMPUTER_TRAY].count == PIECES_PER_SIDE)) return 0;
    return Count(before.empty & c.occupied & HOME);
}

// A position in a form that compares and hashes quickly: one byte per
// location (count and owner), then a byte telling what the position stands
// for; the last three bytes are left to the set below.
struct Key {
    std::array<std::uint64_t, 4> w{};
    friend bool operator==(const Key&, const Key&) = default;
};

// Whether every position the search can reach from `b` packs into a Key
// without loss: counts 0..15 (a play adds at most a few pieces) and owners 0..2.
bool Packable(const BoardData& b)
{
    return std::all_of(b.begin(), b.end(), [](const Spot& s) {
        return s.count >= 0 && s.count <= PIECES_PER_SIDE && s.owner >= NOBODY && s.owner <= HUMAN;
    });
}

constexpr std::uint8_t PackSpot(const Spot& s)
{
    return static_cast<std::uint8_t>(static_cast<unsigned>(s.count) | static_cast<unsigned>(s.owner) << 5);
}

constexpr void SetKeyByte(Key& key, int i, std::uint8_t value)
{
    const int shift = 8 * (i % 8);
    std::uint64_t& word = key.w[i / 8];
    word = (word & ~(std::uint64_t{0xFF} << shift)) | std::uint64_t{value} << shift;
}

Key Pack(const BoardData& b, std::uint8_t tag)
{
    Key key;
    for (int i = 0; i < LOCATIONS; ++i) SetKeyByte(key, i, PackSpot(b[i]));
    SetKeyByte(key, LOCATIONS, tag);
    return key;
}

Key Tagged(Key key, std::uint8_t tag)
{
    SetKeyByte(key, LOCATIONS, tag);
    return key;
}

// The positions met in one search: an open-addressed set of keys, small
// enough to stay in the nearest caches. Each slot carries the stamp of the
// search that filled it in its key's last three bytes, so Clear() forgets
// everything by moving on to a new stamp. When the set is half full it stops
// taking new positions, which costs time but never changes a choice.
class SeenSet {
public:
    void Clear()
    {
        if (++stamp_ == STAMPS) {
            slots_.fill(Key{});
            stamp_ = 1;
        }
        used_ = 0;
    }

    // Whether `key` was met since the last Clear; remembers it if not.
    bool Seen(Key key)
    {
        key.w[3] = (key.w[3] & ~STAMP_MASK) | static_cast<std::uint64_t>(stamp_) << STAMP_SHIFT;
        std::uint64_t h = key.w[0] * 0x9E3779B97F4A7C15ull ^ key.w[1] * 0xC2B2AE3D27D4EB4Full ^
                          key.w[2] * 0x165667B19E3779F9ull ^ key.w[3] * 0xD6E8FEB86659FD93ull;
        h ^= h >> 29;
        for (std::size_t i = h & (CAPACITY - 1);; i = (i + 1) & (CAPACITY - 1)) {
            Key& slot = slots_[i];
            if ((slot.w[3] >> STAMP_SHIFT) != stamp_) {
                if (used_ < CAPACITY / 2) {
                    slot = key;
                    ++used_;
                }
                return false;
            }
            if (slot == key) return true;
        }
    }

private:
    static constexpr std::size_t CAPACITY = 2048; // a power of two
    static constexpr int STAMP_SHIFT = 40;
    static constexpr std::uint64_t STAMP_MASK = ~std::uint64_t{0} << STAMP_SHIFT;
    static constexpr std::uint32_t STAMPS = 1u << (64 - STAMP_SHIFT);
    std::array<Key, CAPACITY> slots_{};
    std::uint32_t stamp_ = 0;
    std::size_t used_ = 0;
};

// Tags of packed positions: a complete play, or a position part way through
// a play, which also depends on the dice still to come.
constexpr std::uint8_t COMPLETE_PLAY = 0xFF;
constexpr std::uint8_t PartPlay(int depth, int order) { return static_cast<std::uint8_t>(depth * 2 + order); }

// A record whose first `moves` slots hold die values; anything else gives
// nothing to play.
bool PlayableRecord(const DiceRecord& dice)
{
    if (dice.moves < 1 || dice.moves > 4) return false;
    for (int k = 0; k < dice.moves; ++k)
        if (!IsDieValue(dice.die[k])) return false;
    return true;
}

// The highest location that can play `value` for the computer under the bar
// rule, or -1.
int HighestSource(const BoardData& b, int value)
{
    if (!IsDieValue(value)) return -1;
    for (int n = COMPUTER_BAR; n >= 0; --n) {
        if (b[COMPUTER_BAR].count > 0 && n != COMPUTER_BAR) break;
        if (LegalStep(b, COMPUTER, n, -value)) return n;
    }
    return -1;
}

} // namespace

// The state of one running search: the board after each depth of the play,
// the position before it (what every term compares with) and the positions
// already met.
struct RulesEngine::Search {
    std::array<BoardData, 5> boards{};
    std::array<Key, 5> keys{};     // the boards packed, without a tag
    std::array<Mask, 5> changed{}; // locations the play has changed so far
    Before before;
    Scan first; // the scan of the board before the play
    int moves = 0;
    int order = 0; // 0 the dice in the order rolled, 1 swapped
    int level = 2;
    bool race = false;
    bool skipRepeats = true;
    SeenSet seen;
};

namespace {

std::uint32_t SteadyTicks()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

// The search's state is complete only here, so the rules are made and
// destroyed here too.
RulesEngine::RulesEngine(Board* b, DiceRecord* d) : tickCount(SteadyTicks) { InitRules(b, d); }

RulesEngine::~RulesEngine() = default;

// Kept between searches, so that nothing is allocated per call.
RulesEngine::Search& RulesEngine::Scratch()
{
    if (!scratch) scratch = std::make_unique<Search>();
    return *scratch;
}

// Fills bestFrom and bestDice for the dice left: from the opening table on
// the first turn at "Good", else by searching every play of the values in the
// rolled and then the swapped order; when no play uses them all, the values
// that cannot be used are dropped and the search runs again. Returns the
// milliseconds spent.
std::int32_t RulesEngine::ChooseMove(bool useBook, int level)
{
    const std::uint32_t started = Ticks();
    auto elapsed = [&] { return static_cast<std::int32_t>(Ticks() - started); };

    if (board == nullptr || !board->Built() || dice == nullptr || !PlayableRecord(*dice)) {
        // Nothing to play: no dice left, or a record without die values.
        bestFrom.fill(NO_VALUE);
        bestDice.fill(NO_VALUE);
        bestScore = NO_SCORE;
        if (dice != nullptr && dice->moves > 0) dice->moves = 0;
        return elapsed();
    }
    const BoardData start = board->Data();

    if (useBook && level == 2 && dice->moves == 2) {
        const auto& entry = OpeningTable[(dice->die[0] - 1) * 6 + (dice->die[1] - 1)];
        if (entry[0] != 0 && BookPlayLegal(start, entry)) {
            bestFrom = {entry[0], entry[1], NO_VALUE, NO_VALUE};
            bestDice = dice->die;
            bestScore = NO_SCORE;
            return elapsed();
        }
    }

    bestFrom.fill(NO_VALUE);
    bestDice.fill(NO_VALUE);
    bestScore = NO_SCORE;
    path.fill(NO_VALUE);

    Search& s = Scratch();
    Prepare(s, start, level);
    for (;;) {
        s.seen.Clear();
        s.moves = dice->moves;
        s.order = 0;
        SearchPlays(s, 0);
        if (dice->moves == 2) {
            // Both orders of a non-double; the record is left in the swapped one.
            std::swap(dice->die[0], dice->die[1]);
            s.order = 1;
            SearchPlays(s, 0);
        }
        if (bestScore != NO_SCORE) break;
        const int before = dice->moves;
        DropUnusableDice(start);
        if (dice->moves >= before) dice->moves = 0; // cannot happen: the greedy play is among those searched
        if (dice->moves <= 0) break;
    }
    return elapsed();
}

// Sets the search up for a play from `start`.
void RulesEngine::Prepare(Search& s, const BoardData& start, int level) const
{
    s.boards[0] = start;
    s.keys[0] = Pack(start, 0);
    s.changed[0] = 0;
    s.before = Before(start);
    s.first = Scan(start);
    s.level = level;
    s.race = race;
    s.skipRepeats = skipRepeatedPositions && Packable(start);
}

// Tries every source from 25 down to 1 for the value at this depth and goes
// one depth deeper, or scores the complete play. Plays that reach a position
// met before in this search are skipped: they could only tie.
void RulesEngine::SearchPlays(Search& s, int depth)
{
    const BoardData& here = s.boards[depth];
    BoardData& next = s.boards[depth + 1];
    const int value = dice->die[depth];
    const bool complete = depth + 1 == s.moves;
    const std::uint8_t tag = complete ? COMPLETE_PLAY : PartPlay(depth + 1, s.order);
    for (int from = COMPUTER_BAR; from >= 1; --from) {
        // While the own bar holds pieces only the bar may move.
        if (here[COMPUTER_BAR].count > 0 && from != COMPUTER_BAR) break;
        if (here[from].owner != COMPUTER || !LegalStep(here, COMPUTER, from, -value)) continue;
        path[depth] = static_cast<std::uint8_t>(from);
        next = here;
        const int target = ComputerTarget(from, value);
        MoveTo(next, from, target, COMPUTER);
        // Only the source, the target and, after a hit, the human's bar change.
        Key& key = s.keys[depth + 1];
        key = s.keys[depth];
        Mask changed = s.changed[depth] | Bit(from) | Bit(target);
        SetKeyByte(key, from, PackSpot(next[from]));
        SetKeyByte(key, target, PackSpot(next[target]));
        if (next[HUMAN_BAR].count != here[HUMAN_BAR].count) {
            SetKeyByte(key, HUMAN_BAR, PackSpot(next[HUMAN_BAR]));
            changed |= Bit(HUMAN_BAR);
        }
        s.changed[depth + 1] = changed;
        if (s.skipRepeats && s.seen.Seen(Tagged(key, tag))) continue;
        if (complete)
            Evaluate(s, next);
        else
            SearchPlays(s, depth + 1);
    }
}

// Scores the position after a complete play against the position before it
// and keeps the play if it beats every earlier one (a tie keeps the earlier).
void RulesEngine::Evaluate(Search& s, const BoardData& b)
{
    const std::int32_t score = Score(s, b);
    if (score > bestScore) {
        bestScore = score;
        bestFrom = path;
        bestDice = dice->die;
    }
}

std::int32_t RulesEngine::ScorePlay(const BoardData& before, const BoardData& after, int level)
{
    Search& s = Scratch();
    Prepare(s, before, level);
    s.moves = 1;
    s.changed[1] = 0;
    for (int i = 0; i < LOCATIONS; ++i)
        if (!(before[i] == after[i])) s.changed[1] |= Bit(i);
    return Score(s, after);
}

// The evaluation: a race counts covered home points and the quarter lead;
// otherwise the level's terms, less the danger to single pieces. Depends on
// nothing but the two positions, the level and the race flag.
std::int32_t RulesEngine::Score(Search& s, const BoardData& b)
{
    const Scan c(s.first, s.boards[0], b, s.changed[s.moves]);
    const Features f(c);
    block = {0, f.block1, f.block2};
    homeBlots = {0, f.homeBlots1, f.homeBlots2};

    std::int32_t score = 0;
    if (s.race) {
        const int lead = c.quarterOpp - c.quarterOwn;
        score = RaceTerm(c, s.before, b, lead) + 2 * lead;
    } else {
        const int bar = b[HUMAN_BAR].count;
        std::array<int, 25> danger{};
        for (Mask blots = c.ownBlot; blots != 0; blots &= blots - 1) {
            const int t = std::countr_zero(blots);
            danger[t] = BlotDanger(t, c, f, bar);
        }
        const int lead2 = c.quarterOwn - c.quarterOpp;
        switch (s.level) {
        case 0:
            score = EscapeTerm(c, s.before, b);
            break;
        case 1:
            score = HitTerm(c, f, s.before, lead2) + PointTerm(c, s.before, danger) + EscapeTerm(c, s.before, b);
            break;
        case 2:
            score = 40000 * PrimeTerm(c) + StackTerm(b, s.before) + HitTerm(c, f, s.before, lead2) +
                    PointTerm(c, s.before, danger) + EscapeTerm(c, s.before, b);
            break;
        default:
            score = 0;
            break;
        }
        // Single pieces within reach of the opponent; far from home they do not
        // count while the opponent sits on the bar against a strong board.
        const Mask exposed = bar > 0 && f.block1 > 3 ? c.ownBlot & HOME : c.ownBlot;
        for (Mask blots = exposed; blots != 0; blots &= blots - 1) score -= danger[std::countr_zero(blots)];
    }
    return score;
}

// Removes the values that the greedy play from the highest source cannot use
// (in the record's current order), so that the search can run again.
void RulesEngine::DropUnusableDice()
{
    if (board == nullptr || !board->Built() || dice == nullptr) return;
    DropUnusableDice(board->Data());
}

void RulesEngine::DropUnusableDice(const BoardData& start)
{
    BoardData b = start;
    int i = 0;
    while (i < 4 && i < dice->moves && dice->die[i] != NO_VALUE) {
        const int value = dice->die[i];
        const int from = HighestSource(b, value);
        if (from >= 0) {
            // Played, so that the later values are tried on the changed board.
            MoveTo(b, from, ComputerTarget(from, value), COMPUTER);
            ++i;
            continue;
        }
        dice->moves -= 1;
        for (int j = i; j < 3; ++j) dice->die[j] = dice->die[j + 1];
        dice->die[3] = NO_VALUE;
        if (dice->moves >= 0 && dice->moves < 4) dice->die[dice->moves] = NO_VALUE;
    }
}

// Whether the opening table's play can be made on this board (it always can
// from the starting position).
bool RulesEngine::BookPlayLegal(const BoardData& start, const std::array<std::uint8_t, 2>& sources) const
{
    BoardData b = start;
    for (int k = 0; k < 2; ++k) {
        const int from = sources[k];
        const int value = dice->die[k];
        if (b[COMPUTER_BAR].count > 0 && from != COMPUTER_BAR) return false;
        if (!LegalStep(b, COMPUTER, from, -value)) return false;
        MoveTo(b, from, ComputerTarget(from, value), COMPUTER);
    }
    return true;
}

// The human's play: the board is mirrored so that the human's pieces stand
// where the computer's would, searched as player 1 and mirrored back.
std::int32_t RulesEngine::SuggestMove(bool useBook, std::array<std::pair<int, int>, 4>& moves, int& count, int level)
{
    count = 0;
    moves.fill({NO_VALUE, NO_VALUE});
    if (board == nullptr || !board->Built() || dice == nullptr) return 0;
    MirrorBoard(*board);
    board->CurrentPlayer = COMPUTER;
    const std::int32_t spent = ChooseMove(useBook, level);
    board->CurrentPlayer = HUMAN;
    MirrorBoard(*board);
    count = std::clamp(dice->moves, 0, 4);
    for (int k = 0; k < count; ++k) {
        const int from = std::abs(bestFrom[k] - 25);
        moves[k] = {from, from + bestDice[k]};
    }
    return spent;
}

// The pieces of p standing alone with an opposing piece still behind them.
std::int32_t RulesEngine::ExposedBlots(int p) const
{
    if (board == nullptr || (p != COMPUTER && p != HUMAN)) return 0;
    const BoardData b = board->Data();
    int n = 0;
    for (int i = 1; i <= 24; ++i) {
        if (b[i].owner != p || b[i].count != 1) continue;
        const int behind = p == HUMAN ? PiecesInRange(i, 25, b, COMPUTER) : PiecesInRange(0, i, b, HUMAN);
        if (behind > 0) ++n;
    }
    return n;
}

// How far the opponent of p is ahead by the quarter count.
std::int32_t RulesEngine::Lead(int p) const
{
    if (board == nullptr) return 0;
    const BoardData b = board->Data();
    return QuarterCount(b, Opponent(p)) - QuarterCount(b, p);
}

// The computer's doubling score: pips, pieces on the bars and exposed single
// pieces; positive means the computer stands worse.
std::int32_t RulesEngine::DoublingBalance() const
{
    if (board == nullptr) return 0;
    const BoardData b = board->Data();
    return PipCount(b, COMPUTER) - PipCount(b, HUMAN) + 12 * (b[COMPUTER_BAR].count - b[HUMAN_BAR].count) +
           9 * (ExposedBlots(COMPUTER) - ExposedBlots(HUMAN));
}

// Whether the computer takes the human's double. In a race it takes while the
// doubler still needs more sevens; otherwise it refuses when clearly worse,
// or with its last back piece facing a strong opposing block.
bool RulesEngine::AcceptDouble() const
{
    if (board == nullptr) return true;
    const BoardData b = board->Data();
    if (race) {
        const int p = board->CurrentPlayer;
        return PipCount(b, p) / 7 > PipCount(b, Opponent(p)) / 7;
    }
    if (DoublingBalance() >= DOUBLING_THRESHOLD) return false;
    // The human's block as it stands now (not as some earlier search left it).
    const Scan c(b);
    return !(PiecesInRange(14, 25, b, COMPUTER) == 1 && OppBlock(c.oppMade) >= 4);
}

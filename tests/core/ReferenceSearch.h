// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A plain, unoptimised copy of the computer player's search, written term by
// term from the rules of the evaluation: every play is examined by snapshot
// and restore on plain data, every count is a PiecesInRange over the board.
// The tests check that the engine's fast search makes exactly the same
// choices and scores.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

#include "core/board/BoardData.h"
#include "core/board/RulesEngine.h"

namespace reference {

struct Search {
    BoardData board{};
    std::array<std::uint8_t, 4> die{255, 255, 255, 255};
    int moves = 0;
    bool race = false;
    int level = 2;

    std::array<std::uint8_t, 4> bestFrom{}, bestDice{}, path{};
    std::int32_t bestScore = 0;
    std::array<int, 3> block{}, homeBlots{};
    std::array<BoardData, 4> scratch{};
    // Every position scored, with its score, when `record` is set.
    bool record = false;
    std::vector<std::pair<BoardData, std::int32_t>> scored;

    const BoardData& previous() const { return scratch[0]; }
    int Own(int i) const { return board[i].owner == COMPUTER ? board[i].count : 0; }
    int OwnPrev(int i) const { return previous()[i].owner == COMPUTER ? previous()[i].count : 0; }
    static bool Made(const BoardData& b, int i, int p) { return b[i].owner == p && b[i].count >= 2; }

    void ChooseMove()
    {
        bestFrom.fill(255);
        bestDice.fill(255);
        path.fill(255);
        bestScore = std::numeric_limits<std::int32_t>::min();
        if (moves <= 0) return;
        do {
            SearchPlays(0);
            if (moves == 2) {
                std::swap(die[0], die[1]);
                SearchPlays(0);
            }
            if (bestScore != std::numeric_limits<std::int32_t>::min()) break;
            DropUnusableDice();
        } while (moves > 0);
    }

    void SearchPlays(int depth)
    {
        for (int s = 25; s >= 1; --s) {
            path[depth] = static_cast<std::uint8_t>(s);
            if (board[25].count > 0 && s != 25) continue;
            const int v = die[depth];
            if (!LegalStep(board, COMPUTER, s, -v)) continue;
            scratch[depth] = board;
            const int t = s - v;
            MoveTo(board, s, t >= 1 && t <= 24 ? t : 26, COMPUTER);
            if (depth + 1 == moves)
                Evaluate();
            else
                SearchPlays(depth + 1);
            board = scratch[depth];
        }
    }

    void DropUnusableDice()
    {
        scratch[0] = board;
        for (int i = 0; i < 4 && die[i] != 255;) {
            const int v = die[i];
            int n = 25;
            for (; n >= 0; --n) {
                if (board[25].count > 0 && n != 25) continue;
                if (LegalStep(board, COMPUTER, n, -v)) break;
            }
            if (n >= 0) {
                const int t = n - v;
                MoveTo(board, n, t >= 1 && t <= 24 ? t : 26, COMPUTER);
                ++i;
                continue;
            }
            moves -= 1;
            for (int j = i; j < 3; ++j) die[j] = die[j + 1];
            die[3] = 255;
            die[moves] = 255;
        }
        board = scratch[0];
    }

    int QC(int p) const { return QuarterCount(board, p); }
    int PIR(int a, int b, int p) const { return PiecesInRange(a, b, board, p); }

    void Evaluate()
    {
        block[1] = 0;
        for (int i = 1; i <= 24; ++i) {
            if (Made(board, i, COMPUTER))
                ++block[1];
            else if (i >= 7)
                break;
        }
        block[2] = 0;
        for (int i = 24; i >= 1; --i) {
            if (Made(board, i, HUMAN))
                ++block[2];
            else if (i <= 18)
                break;
        }
        homeBlots[1] = homeBlots[2] = 0;
        for (int i = 1; i <= 6; ++i) homeBlots[1] += board[i].owner == COMPUTER && board[i].count == 1;
        for (int i = 19; i <= 24; ++i) homeBlots[2] += board[i].owner == HUMAN && board[i].count == 1;

        std::int32_t score;
        if (race) {
            score = RaceTerm() + 2 * (QC(2) - QC(1));
        } else {
            switch (level) {
            case 0:
                score = EscapeTerm();
                break;
            case 1:
                score = HitTerm() + PointTerm() + EscapeTerm();
                break;
            case 2:
                score = 40000 * PrimeTerm() + StackTerm() + HitTerm() + PointTerm() + EscapeTerm();
                break;
            default:
                score = 0;
                break;
            }
            score -= DangerTerm();
        }
        if (record) scored.emplace_back(board, score);
        if (score > bestScore) {
            bestScore = score;
            bestFrom = path;
            bestDice = die;
        }
    }

    int RaceTerm() const
    {
        if (!(QC(2) - QC(1) > 0 || PIR(1, 6, COMPUTER) + board[26].count == 15)) return 0;
        int n = 0;
        for (int i = 1; i <= 6; ++i) n += previous()[i].count == 0 && board[i].count > 0;
        return n;
    }

    int Lead2() const { return QC(1) - QC(2); }

    int HitTerm() const
    {
        const bool safe = block[2] + homeBlots[1] < 3 || block[1] >= 3;
        const int limit = safe ? 5 : 9;
        bool counted = false;
        int sum = 0;
        for (int i = 24; i >= 1; --i) {
            if (!(previous()[i].owner == HUMAN && board[i].owner != HUMAN)) continue;
            if (i < limit && !(counted && block[2] < 4 && homeBlots[1] < 2 && PIR(14, 25, COMPUTER) != 0)) continue;
            const int stay = board[i].owner == COMPUTER && i > 7 ? 1 : 0;
            sum += 5500 * (i / 6 + 2 * (homeBlots[2] + block[1]) + std::max(0, Lead2()) + stay);
            counted = true;
        }
        return sum;
    }

    int BlotDanger(int t) const
    {
        int sum = 0;
        for (int j = std::max(0, t - 9); j <= t - 1; ++j) {
            const int n = t - j;
            if (j != 0 && board[j].owner != HUMAN) continue;
            const int two = j > 6 && board[j].count == 2 ? 1 : 0;
            int term = 500 * ((n == 7) + (n == 8) + 6 * block[2] + 2 * homeBlots[1] + (25 - t) / 6 - two);
            if (j == 0) {
                if (board[0].count == 0)
                    term = term / 5;
                else if (t > 6 + (block[1] < 3 ? 1 : 0))
                    term = term / 5;
            }
            sum += term;
        }
        return sum;
    }

    int PointTerm() const
    {
        int sum = 0;
        for (int i = 2; i <= 24; ++i) {
            if (i >= 9) {
                bool behind = false;
                for (int k = i + 1; k <= 25; ++k) behind = behind || Own(k) >= 2;
                if (!behind) continue;
            }
            const int a = i < 8 && PIR(14, 25, COMPUTER) > 1;
            const int b = i <= 6 && PIR(0, i, HUMAN) > 0;
            const int c = i > 18 && PIR(18, 25, COMPUTER) > 3;
            const int weight = 1 + 2 * a + b + 3 * c;
            const bool now = Own(i) >= 2, was = OwnPrev(i) >= 2;
            if (now && !was) sum += weight;
            if (was && !now) sum -= weight;
            if (Own(i) == 1 && BlotDanger(i) == 0) sum += 1;
        }
        return 8033 * sum;
    }

    int EscapeTerm() const
    {
        if (PipCount(board, 1) - PipCount(board, 2) > 7 * PIR(19, 24, COMPUTER) && board[27].count < 7 &&
            PIR(0, 9, HUMAN) == 0) {
            int held = 0;
            for (int i = 19; i <= 24; ++i) held += Own(i) >= 2;
            return 3000 * held;
        }
        int made = 0;
        for (int i = 1; i <= 24; ++i) made += Own(i) >= 2;
        const int d = std::min(8, static_cast<int>(made * 1.5));
        const int start = 25 - d;
        if (start > 24) return 0;
        int value = 0;
        for (int i = start; i <= 24; ++i) value += std::abs(start + 1 - i) * (OwnPrev(i) - Own(i));
        return PiecesInRange(start, 24, previous(), COMPUTER) > 0 ? 7830 * value : 0;
    }

    int StackTerm() const
    {
        int sum = 0;
        for (int i = 1; i <= 24; ++i) {
            if (board[i].owner != COMPUTER) continue;
            const int k = previous()[i].count;
            if (k > 3 && board[i].count < k) sum += 1;
            if (k > 3 && board[i].count > k) sum -= 1;
        }
        return 1445 * sum;
    }

    int PrimeTerm() const
    {
        int run = 0;
        for (int i = 24; i >= 1; --i) {
            run = Own(i) >= 2 ? run + 1 : 0;
            if (run == 6) return PIR(0, i, HUMAN) > 0 ? 1 : 0;
        }
        return 0;
    }

    int DangerTerm() const
    {
        int sum = 0;
        for (int t = 1; t <= 24; ++t) {
            if (Own(t) != 1) continue;
            if (t > 6 && board[0].count > 0 && block[1] > 3) continue;
            sum += BlotDanger(t);
        }
        return sum;
    }
};

} // namespace reference

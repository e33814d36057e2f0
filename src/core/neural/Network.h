// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A network of one hidden layer: the inputs of Encoding, `hidden` units of a
// soft sigmoid, x / (1 + |x|) moved to 0..1, and five outputs through the
// logistic function: win, gammon win, backgammon win, gammon loss, backgammon
// loss, each the chance of at least that result for the side on roll. The
// first layer is kept input by input, so that an input adds one column.

#include <array>
#include <cstdint>
#include <vector>

#include "core/neural/Encoding.h"

constexpr int OUTPUTS = 5;
// Hidden units come in blocks of this many, the width the sums run in.
constexpr int HIDDEN_BLOCK = 16;

using Outputs = std::array<float, OUTPUTS>;

struct Network {
    int inputs = INPUTS;
    int hidden = 0;
    std::vector<float> w1; // inputs x hidden, input-major
    std::vector<float> b1; // hidden
    std::vector<float> w2; // outputs x hidden, output-major
    std::vector<float> b2; // outputs

    // A network of `hiddenUnits` (a multiple of HIDDEN_BLOCK) with small
    // weights drawn from `seed`.
    static Network Random(int hiddenUnits, std::uint64_t seed);
    bool Shaped() const;

    // The five outputs for the inputs; the same inputs and weights always give
    // the same bits.
    Outputs Evaluate(const Inputs& in) const;
    // One step of gradient descent on the cross-entropy of the outputs
    // against `target` (each 0..1), at learning rate `rate`; returns the
    // outputs before the step.
    Outputs Learn(const Inputs& in, const Outputs& target, float rate);

    friend bool operator==(const Network&, const Network&) = default;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Network.h"

#include <cmath>

// The sums are made the same way whatever instructions the processor offers,
// so the clones give the same bits: every hidden unit is its own sum, and the
// outputs are summed over HIDDEN_BLOCK partial sums in a fixed order.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define TABLOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define TABLOR_CLONES
#endif

namespace {

// splitmix64: a small generator for the first weights.
std::uint64_t Next(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Uniform(std::uint64_t& s, float scale)
{
    return scale * (static_cast<float>(Next(s) >> 40) / static_cast<float>(1ull << 24) * 2.0f - 1.0f);
}

float Logistic(float z) { return 1.0f / (1.0f + std::exp(-z)); }

// The first layer: bias plus the columns of the inputs that are not zero.
TABLOR_CLONES void Accumulate(const Network& net, const Inputs& in, float* __restrict sum)
{
    const int h = net.hidden;
    const float* __restrict b = net.b1.data();
    for (int j = 0; j < h; ++j) sum[j] = b[j];
    for (int k = 0; k < in.count; ++k) {
        const float* __restrict col = net.w1.data() + static_cast<std::size_t>(in.index[k]) * h;
        const float v = in.value[k];
        if (v == 1.0f)
            for (int j = 0; j < h; ++j) sum[j] += col[j];
        else
            for (int j = 0; j < h; ++j) sum[j] += v * col[j];
    }
}

// The hidden units' values, and the outputs' sums.
TABLOR_CLONES void Finish(const Network& net, const float* __restrict sum, float* __restrict act, float* z)
{
    const int h = net.hidden;
    for (int j = 0; j < h; ++j) act[j] = 0.5f + 0.5f * sum[j] / (1.0f + std::fabs(sum[j]));
    for (int o = 0; o < OUTPUTS; ++o) {
        const float* __restrict w = net.w2.data() + static_cast<std::size_t>(o) * h;
        float part[HIDDEN_BLOCK] = {};
        for (int j = 0; j < h; j += HIDDEN_BLOCK)
            for (int l = 0; l < HIDDEN_BLOCK; ++l) part[l] += w[j + l] * act[j + l];
        float total = net.b2[o];
        for (int l = 0; l < HIDDEN_BLOCK; ++l) total += part[l];
        z[o] = total;
    }
}

constexpr int MAX_HIDDEN = 1024;

} // namespace

Network Network::Random(int hiddenUnits, std::uint64_t seed)
{
    Network n;
    n.hidden = hiddenUnits;
    std::uint64_t s = seed;
    n.w1.resize(static_cast<std::size_t>(n.inputs) * hiddenUnits);
    for (float& w : n.w1) w = Uniform(s, 0.2f);
    n.b1.assign(hiddenUnits, 0.0f);
    n.w2.resize(static_cast<std::size_t>(OUTPUTS) * hiddenUnits);
    const float scale = 1.0f / std::sqrt(static_cast<float>(hiddenUnits));
    for (float& w : n.w2) w = Uniform(s, scale);
    n.b2.assign(OUTPUTS, 0.0f);
    return n;
}

bool Network::Shaped() const
{
    return inputs == INPUTS && hidden > 0 && hidden <= MAX_HIDDEN && hidden % HIDDEN_BLOCK == 0 &&
           w1.size() == static_cast<std::size_t>(inputs) * hidden && b1.size() == static_cast<std::size_t>(hidden) &&
           w2.size() == static_cast<std::size_t>(OUTPUTS) * hidden && b2.size() == OUTPUTS;
}

Outputs Network::Evaluate(const Inputs& in) const
{
    alignas(64) float sum[MAX_HIDDEN];
    alignas(64) float act[MAX_HIDDEN];
    float z[OUTPUTS];
    Accumulate(*this, in, sum);
    Finish(*this, sum, act, z);
    Outputs out;
    for (int o = 0; o < OUTPUTS; ++o) out[o] = Logistic(z[o]);
    return out;
}

Outputs Network::Learn(const Inputs& in, const Outputs& target, float rate)
{
    alignas(64) float sum[MAX_HIDDEN];
    alignas(64) float act[MAX_HIDDEN];
    alignas(64) float grad[MAX_HIDDEN];
    float z[OUTPUTS];
    Accumulate(*this, in, sum);
    Finish(*this, sum, act, z);
    Outputs out, dz;
    for (int o = 0; o < OUTPUTS; ++o) {
        out[o] = Logistic(z[o]);
        // The derivative of the cross-entropy through the logistic function.
        dz[o] = out[o] - target[o];
    }
    const int h = hidden;
    for (int j = 0; j < h; ++j) {
        float g = 0;
        for (int o = 0; o < OUTPUTS; ++o) g += dz[o] * w2[static_cast<std::size_t>(o) * h + j];
        const float d = 1.0f + std::fabs(sum[j]);
        grad[j] = rate * g * 0.5f / (d * d);
    }
    for (int o = 0; o < OUTPUTS; ++o) {
        float* w = w2.data() + static_cast<std::size_t>(o) * h;
        const float step = rate * dz[o];
        for (int j = 0; j < h; ++j) w[j] -= step * act[j];
        b2[o] -= step;
    }
    for (int j = 0; j < h; ++j) b1[j] -= grad[j];
    for (int k = 0; k < in.count; ++k) {
        float* col = w1.data() + static_cast<std::size_t>(in.index[k]) * h;
        const float v = in.value[k];
        for (int j = 0; j < h; ++j) col[j] -= v * grad[j];
    }
    return out;
}

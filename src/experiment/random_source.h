// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace quindle {

// Where the coins get their randomness: re-seeded from a value before every draw, returning
// single-precision numbers uniform in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(float seed) = 0;
    [[nodiscard]] virtual float next() = 0;
};

// PCG32 (XSH-RR, O'Neill 2014). A re-seed folds the seed's bits into the current state through
// SplitMix64 instead of replacing it, so a seed that repeats (the clock rarely moves between the
// two coins of one trial) never restarts a sequence, and a seed equal to the previous one leaves
// the state alone altogether.
class Pcg32Source final : public RandomSource
{
public:
    static constexpr std::uint64_t kDefaultState = 0x853c49e6748fea9bULL;

    explicit Pcg32Source(std::uint64_t initialState = kDefaultState);

    void reseed(float seed) override;
    // Uniform in [0, 1) in steps of 2^-24: every value is exact in single precision and the
    // largest is 1 - 2^-24, never 1.0.
    [[nodiscard]] float next() override;

    [[nodiscard]] std::uint32_t nextBits();

private:
    std::uint64_t m_state = kDefaultState;
    std::uint32_t m_lastSeedBits = 0;
    bool m_seeded = false;
};

} // namespace quindle

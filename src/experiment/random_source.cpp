// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/random_source.h"

#include <bit>

namespace quindle {

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

constexpr std::uint64_t splitMix64(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

} // namespace

Pcg32Source::Pcg32Source(std::uint64_t initialState)
    : m_state(splitMix64(initialState))
{}

void Pcg32Source::reseed(float seed)
{
    const auto bits = std::bit_cast<std::uint32_t>(seed);
    if (m_seeded && bits == m_lastSeedBits)
        return;
    m_seeded = true;
    m_lastSeedBits = bits;
    m_state = splitMix64(m_state ^ splitMix64(bits));
}

std::uint32_t Pcg32Source::nextBits()
{
    const std::uint64_t old = m_state;
    m_state = old * kMultiplier + kIncrement;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<int>(old >> 59U);
    return std::rotr(xorShifted, rotation);
}

float Pcg32Source::next()
{
    return static_cast<float>(nextBits() >> 8U) * 0x1p-24F;
}

} // namespace quindle

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A run's trial log as fair coins would give it, the same for the same seed.

#include "experiment/outcome.h"
#include "experiment/random_source.h"

namespace quindle::bench {

inline LoggedTrials runOf(std::uint64_t seed, int trials)
{
    Pcg32Source random(seed);
    const auto face = [&random] { return random.next() < 0.5F ? Face::Head : Face::Tail; };
    LoggedTrials log;
    for (int t = 0; t < trials; ++t) {
        const Face first = face();
        log.emplace_back(first, face());
    }
    return log;
}

} // namespace quindle::bench

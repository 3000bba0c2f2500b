// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/clock.h"

#include <chrono>
#include <ctime>

namespace quindle {

float SystemClock::secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t wholeSeconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&wholeSeconds, &local);
    const auto fraction = duration<double>(now - system_clock::from_time_t(wholeSeconds)).count();
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    return static_cast<float>(seconds);
}

} // namespace quindle

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quindle {

// The time of day that seeds the coins.
class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fraction, in single precision.
    [[nodiscard]] virtual float secondsSinceMidnight() = 0;
};

class SystemClock final : public Clock
{
public:
    [[nodiscard]] float secondsSinceMidnight() override;
};

// A clock that stands still at midnight. With it every re-seed gives the same value, which the
// random source ignores after the first: the draws depend on the source's initial state alone,
// the same on every machine at any speed.
class StillClock final : public Clock
{
public:
    [[nodiscard]] float secondsSinceMidnight() override { return 0.0F; }
};

} // namespace quindle

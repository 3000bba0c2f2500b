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

} // namespace quindle

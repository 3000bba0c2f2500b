// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/int16.h"

#include <cmath>
#include <limits>

namespace quindle {

Int16 checkedAdd(Int16 a, Int16 b)
{
    const int sum = a + b;
    if (sum < std::numeric_limits<Int16>::min() || sum > std::numeric_limits<Int16>::max())
        throw OverflowError();
    return static_cast<Int16>(sum);
}

Int16 roundToInt16(double x)
{
    // Half to even, independent of the floating-point environment's rounding mode.
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (!(rounded >= std::numeric_limits<Int16>::min() &&
          rounded <= std::numeric_limits<Int16>::max()))
        throw OverflowError();
    return static_cast<Int16>(rounded);
}

} // namespace quindle

#include "windows/plotting/scale.h"

#include <algorithm>
#include <cmath>

namespace quindle {

float LinearScale::at(double value) const
{
    const double share = std::clamp(value / reach, centred ? -1.0 : 0.0, 1.0);
    const float zero = centred ? (start + end) / 2 : start;
    const float length = centred ? (end - start) / 2 : end - start;
    return zero + static_cast<float>(share) * length;
}

double LinearScale::valueAt(float place) const
{
    const float zero = centred ? (start + end) / 2 : start;
    const float length = centred ? (end - start) / 2 : end - start;
    return static_cast<double>((place - zero) / length) * reach;
}

float LogScale::at(double value) const
{
    return start +
           static_cast<float>(std::log10(std::max(value, 1.0)) / std::log10(last)) * (end - start);
}

double LogScale::valueAt(float place) const
{
    return std::pow(10.0, (place - start) / (end - start) * std::log10(last));
}

} // namespace quindle

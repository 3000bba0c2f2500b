#pragma once

namespace quindle {

// A colour as an RGB triple; r < 0 means "the toolkit's default".
struct Rgb
{
    int r = -1, g = -1, b = -1;
    [[nodiscard]] constexpr bool isSet() const { return r >= 0; }
    constexpr bool operator==(const Rgb &) const = default;
};

} // namespace quindle

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quindle {

// A colour as an RGB triple; r < 0 means "the toolkit's default", or one of the desktop's own
// colours named below.
struct Rgb
{
    int r = -1, g = -1, b = -1;
    // The desktop's window-background colour: the inside of text fields and lists, white by
    // default (not the grey face of a form).
    [[nodiscard]] static constexpr Rgb systemWindowBackground() { return {-2, -2, -2}; }
    [[nodiscard]] constexpr bool isSet() const { return r >= 0; }
    constexpr bool operator==(const Rgb &) const = default;
};

} // namespace quindle

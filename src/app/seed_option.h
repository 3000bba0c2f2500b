// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

class QCommandLineParser;

namespace quindle {

// The --seed option's value, if given; exits with a message when it is not a whole number.
[[nodiscard]] std::optional<std::uint64_t> seedOption(const QCommandLineParser &parser);

} // namespace quindle

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Run control's states for every test: Start, Stop, Exit, Init, Graph display and Help pressable
// (1) or greyed (0), then whether the flip timer and the trial timer run.

#include <string>
#include <string_view>

namespace quindle::testing {

inline constexpr std::string_view kCreated = "111111 00";
inline constexpr std::string_view kReady = "101111 00";
inline constexpr std::string_view kRunning = "010000 11";
inline constexpr std::string_view kFinished = "001111 00";
inline constexpr std::string_view kCleared = "101011 00";
inline constexpr std::string_view kFinishedCleared = "001011 00";

// Builds the state text from six button flags (in the order above) and the two timers.
template<class Enabled> std::string runState(Enabled &&enabled, bool flip, bool trial)
{
    std::string state;
    for (int button = 0; button < 6; ++button)
        state += enabled(button) ? '1' : '0';
    return state + ' ' + (flip ? '1' : '0') + (trial ? '1' : '0');
}

} // namespace quindle::testing

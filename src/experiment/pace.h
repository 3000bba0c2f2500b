// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quindle {

// How fast a run goes: a trial every millisecond as designed, about sixty trials a second for
// a class to follow each count, or one trial at a time between runs.
enum class Pace { AsDesigned, Classroom, OneTrial };

} // namespace quindle

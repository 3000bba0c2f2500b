// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment's run as its results file records it, for a class to pool (see
// classroom/results_file.h).

#include "classroom/results_file.h"
#include "experiment/pace.h"

class QDateTime;

namespace quindle {

class ExperimentRecord;

// The current run as its results file records it: the table, the history and every trial the
// window showed, with when it was saved, the seed (none: the clock) and the pace.
[[nodiscard]] RunResults runResults(const ExperimentRecord &record,
                                    std::optional<std::uint64_t> seed, Pace pace,
                                    const QDateTime &saved);

} // namespace quindle

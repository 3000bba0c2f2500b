// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The words a results file is written in, the same in every language so that a spreadsheet
// reads them alike everywhere: the results file's writer and reader take them from here. The
// class table's file and clipboard text (written by the class window) name the outcomes with
// these words too; its own column words are its own.

#include "experiment/outcome.h"
#include "experiment/pace.h"

#include <array>
#include <string>
#include <string_view>

namespace quindle {

// The first line's name, and the header's keys.
inline constexpr std::string_view kFormatName = "Quindle results";
inline constexpr std::string_view kSavedKey = "saved";
inline constexpr std::string_view kSeedKey = "seed";
inline constexpr std::string_view kPaceKey = "pace";
inline constexpr std::string_view kPredictionKey = "prediction";
inline constexpr std::string_view kPupilKey = "pupil";

// The three blocks' heading rows, and the label of the table's last row.
inline constexpr std::array<std::string_view, 3> kTableHeading{"outcome", "count", "ratio"};
inline constexpr std::string_view kTrialsLabel = "trials";
inline constexpr std::array<std::string_view, 3> kHistoryHeading{"outcome", "count at that point",
                                                                 "percentage"};
inline constexpr std::array<std::string_view, 4> kLogHeading{"trial", "coin1", "coin2", "outcome"};

// A face as a file writes it: "Head" or "Tail" (the pupil's own word is shownFaceWord's).
[[nodiscard]] std::string_view faceFileWord(Face face);
// An outcome (1..4) as a file writes it, coin 1's face first: "Head/Tail".
[[nodiscard]] const std::string &outcomeFileWord(int outcome);
// "as designed", "classroom" or "one trial".
[[nodiscard]] std::string_view paceWord(Pace pace);

} // namespace quindle

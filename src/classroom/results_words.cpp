// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/results_words.h"

namespace quindle {

std::string_view faceFileWord(Face face)
{
    return face == Face::Head ? "Head" : "Tail";
}

const std::string &outcomeFileWord(int outcome)
{
    static const std::array<std::string, kOutcomes> words = [] {
        std::array<std::string, kOutcomes> built;
        for (int n = 1; n <= kOutcomes; ++n)
            built[outcomeIndex(n)] = std::string(faceFileWord(faceOf(n, 1))) + '/' +
                                     std::string(faceFileWord(faceOf(n, 2)));
        return built;
    }();
    return words[outcomeIndex(outcome)];
}

std::string_view paceWord(Pace pace)
{
    switch (pace) {
    case Pace::AsDesigned:
        break;
    case Pace::Classroom:
        return "classroom";
    case Pace::OneTrial:
        return "one trial";
    }
    return "as designed";
}

} // namespace quindle

#include "classroom/results_words.h"

#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"

namespace quindle {

std::string_view faceWord(Face face)
{
    return face == Face::Head ? "Head" : "Tail";
}

const std::string &outcomeWord(int outcome)
{
    static const std::array<std::string, kOutcomes> words = [] {
        std::array<std::string, kOutcomes> built;
        for (int n = 1; n <= kOutcomes; ++n)
            built[static_cast<std::size_t>(n - 1)] =
                std::string(faceWord(faceOf(n, 1))) + '/' + std::string(faceWord(faceOf(n, 2)));
        return built;
    }();
    return words.at(static_cast<std::size_t>(outcome - 1));
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

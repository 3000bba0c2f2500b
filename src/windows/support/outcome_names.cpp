#include "windows/support/outcome_names.h"

#include "classroom/results_words.h"
#include "experiment/experiment_control.h"

#include <QCoreApplication>

namespace quindle {

QString outcomeFileName(int outcome)
{
    return QString::fromStdString(outcomeWord(outcome));
}

QString outcomeWords(int outcome)
{
    const auto word = [outcome](int coin) {
        return faceOf(outcome, coin) == Face::Head
                   //: A coin's face, as a screen reader names an outcome ("Head Tail").
                   ? QCoreApplication::translate("quindle::Outcome", "Head")
                   //: A coin's other face.
                   : QCoreApplication::translate("quindle::Outcome", "Tail");
    };
    return word(1) + QLatin1Char(' ') + word(2);
}

} // namespace quindle

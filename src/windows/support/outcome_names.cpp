#include "windows/support/outcome_names.h"

#include "experiment/experiment_control.h"

#include <QCoreApplication>

namespace quindle {

namespace {

const char *faceWord(int outcome, int coin)
{
    return faceOf(outcome, coin) == Face::Head ? "Head" : "Tail";
}

} // namespace

QString outcomeFileName(int outcome)
{
    return QString::fromLatin1(faceWord(outcome, 1)) + QLatin1Char('/') +
           QString::fromLatin1(faceWord(outcome, 2));
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

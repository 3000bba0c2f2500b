#include "windows/support/outcome_names.h"

#include "experiment/experiment_control.h"
#include "windows/support/translation.h"

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
    return ui(faceWord(outcome, 1)) + QLatin1Char(' ') + ui(faceWord(outcome, 2));
}

} // namespace quindle

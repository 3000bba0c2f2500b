#include "windows/support/outcome_names.h"

#include "classroom/results_words.h"
#include "experiment/experiment_control.h"

#include <QCoreApplication>

namespace quindle {

QString outcomeFileName(int outcome)
{
    return QString::fromStdString(outcomeWord(outcome));
}

QString faceWord(int outcome, int coin)
{
    if (faceOf(outcome, coin) == Face::Head)
        //: A coin's face, as the class table's headers and a screen reader name an outcome
        //: ("Head Tail"); starts a sentence too.
        return QCoreApplication::translate("quindle::Outcome", "Head");
    //: A coin's other face.
    return QCoreApplication::translate("quindle::Outcome", "Tail");
}

QString outcomeWords(int outcome)
{
    //: An outcome as it is said and printed: %1 is coin 1's face, %2 coin 2's ("Head Tail").
    return QCoreApplication::translate("quindle::Outcome", "%1 %2")
        .arg(faceWord(outcome, 1), faceWord(outcome, 2));
}

} // namespace quindle

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
        if (faceOf(outcome, coin) == Face::Head)
            //: A coin's face, as the class table's headers and a screen reader name an outcome
            //: ("Head Tail"); starts a sentence too.
            return QCoreApplication::translate("quindle::Outcome", "Head");
        //: A coin's other face.
        return QCoreApplication::translate("quindle::Outcome", "Tail");
    };
    //: An outcome: %1 is coin 1's face, %2 coin 2's ("Head Tail"). In the class table's headers
    //: it has a column about 80 pixels wide.
    return QCoreApplication::translate("quindle::Outcome", "%1 %2").arg(word(1), word(2));
}

} // namespace quindle

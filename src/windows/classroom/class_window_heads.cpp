// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The class window's number-of-heads view: both pictures and the summary tell two heads, one
// head and no heads instead of the four outcomes, against the third each that many expect.

#include "windows/classroom/class_window.h"

#include "windows/classroom/class_folder.h"
#include "windows/support/heads_words.h"
#include "windows/support/numbers.h"

#include <QAction>
#include <QLabel>

namespace quindle {

QAction *ClassWindow::makeHeadsViewAction()
{
    //: The class window's context menu: a check mark turns both pictures into the shares of two
    //: heads, one head and no heads.
    auto *headsView = new QAction(tr("Show number of heads"), this);
    headsView->setCheckable(true);
    headsView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(headsView, &QAction::toggled, this, [this](bool shown) {
        m_headsShown = shown;
        showView();
    });
    return headsView;
}

QString ClassWindow::headsCurveDescription()
{
    //: What a screen reader says the class curve shows in the number-of-heads view.
    return tr("The shares of two heads, one head and no heads of all the class's trials so far, "
              "run after run");
}

QString ClassWindow::headsFunnelDescription()
{
    //: What a screen reader says the funnel picture shows in the number-of-heads view.
    return tr("Each run's share of one head against its number of trials, and the class's "
              "pooled share");
}

QString ClassWindow::headsSummary(const ClassPool &pool) const
{
    QString said;
    if (pool.trials > 0) {
        const HeadsCounts counts = headsCounts(pool.counts);
        for (const Heads heads : {Heads::Two, Heads::One, Heads::None})
            //: Follows the runs and trials in the number-of-heads view, once each for two heads,
            //: one head and no heads: %1 is such as "One head: 0.497 (1889 of 3801 trials), a
            //: half expected".
            said += tr(" %1.").arg(headsWords(heads, counts));
    }
    said += QLatin1Char(' ') + equallyLikelyWords();
    const OneHeadSharesInRange counted = oneHeadSharesInRange(pool);
    if (counted.runs > 0)
        //: Ends the summary in the number-of-heads view: in %1 of the %n runs with trials, the
        //: share of one head (Head/Tail or Tail/Head) lies inside the range chance keeps it in
        //: about 95 % of the time.
        said += tr(" In %1 of %n runs the share of one head lies inside the range where chance "
                   "keeps it about 95 % of the time.",
                   nullptr, countInWords(counted.runs))
                    .arg(counted.inside);
    if (m_folder->folderError() != 0)
        said += QLatin1Char(' ') + m_folderState->text();
    return said;
}

} // namespace quindle

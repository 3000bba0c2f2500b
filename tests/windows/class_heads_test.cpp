// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The class window's number-of-heads view (Ctrl+H): two, one (Head/Tail or Tail/Head) and no heads
// pooled over the class, in pictures and words; and the view given back when it is turned off.

#include "windows/class_window_driver.h"

#include "windows/printed_text.h"
#include "windows/support/heads_words.h"

#include <QTemporaryDir>

#include <cmath>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;

namespace {

const QColor kOneHead{128, 0, 128};

// Where a number-of-heads picture puts a share, from its axes' black marks: those left of the
// plot's edge at 0, 0.25, 0.5 and 0.75, and those below its foot at 1, 10, 100, ... trials.
struct SharesUp
{
    int edge = 0, foot = 0, top = 0;
    QList<int> trialMarks;
    [[nodiscard]] int y(double share) const
    {
        return int(std::lround(foot - (foot - top) * share / 0.75));
    }
};
SharesUp sharesUp(const QImage &image)
{
    SharesUp up;
    for (int x = image.width() - 1; x > 0; --x)
        up.edge = rowsIn(image, x, Qt::black).size() > image.height() / 2 ? x : up.edge;
    const QList<int> marks = rowsIn(image, up.edge - 2, Qt::black);
    if (marks.size() != 4)
        return up;
    up.top = marks.first();
    up.foot = marks.last();
    for (int x = up.edge; x < image.width(); ++x)
        if (image.pixelColor(x, up.foot + 2) == Qt::black)
            up.trialMarks << x;
    return up;
}

} // namespace

class ClassHeadsTest : public QObject
{
    Q_OBJECT

    Preferences m_preferences;             // the window made here without a program
    QTemporaryDir m_folder;                // four pupils' runs of 800 trials
    std::unique_ptr<ClassWindow> m_window; // on them, shown and active

    ClassWindow &classOfFour(View view)
    {
        showView(*m_window, view);
        return *m_window;
    }

private slots:
    void initTestCase()
    {
        for (std::uint64_t pupil = 1; pupil <= 4; ++pupil)
            saveRun(m_folder.filePath(u"p%1.csv"_s.arg(pupil)), 30 + pupil, 800);
        m_window = std::make_unique<ClassWindow>(m_folder.path(), m_preferences);
        QVERIFY(opened(*m_window, 4));
    }

    void ctrlHAndCtrlDShowOneViewAtATimeAndTurnedOffGiveTheSharesBack()
    {
        ClassWindow &window = classOfFour(View::Shares);
        QAction *gaps = actionFor(window, Qt::Key_D), *heads = actionFor(window, Qt::Key_H);
        DrawingSurface *right = classCurve(window),
                       *left = findControl<DrawingSurface>(&window, classWindowLayout(),
                                                           class_roles::funnel);
        const auto shown = [&] {
            return QVariantList{left->image(), right->image(), window.summary(),
                                left->accessibleDescription(), right->accessibleDescription()};
        };
        const QVariantList shares = shown();
        type(&window, Qt::Key_H, Qt::ControlModifier);
        const QVariantList headsShown = shown();
        QVERIFY(heads->isChecked() && !gaps->isChecked());
        for (qsizetype i = 0; i < shares.size(); ++i) // both pictures and all their words
            QVERIFY(headsShown[i] != shares[i]);
        type(&window, Qt::Key_D, Qt::ControlModifier); // the gaps turn the heads off
        QVERIFY(gaps->isChecked() && !heads->isChecked());
        QCOMPARE(shown()[0], shares[0]); // the funnel as it was
        QCOMPARE(shown()[3], shares[3]);
        type(&window, Qt::Key_H, Qt::ControlModifier); // and the heads the gaps
        QVERIFY(heads->isChecked() && !gaps->isChecked());
        QCOMPARE(shown(), headsShown);
        type(&window, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!heads->isChecked() && !gaps->isChecked());
        QCOMPARE(shown(), shares);
    }

    void theHeadsSummaryTellsTheClassRowsSharesAndTheRunsInTheirRange()
    {
        ClassWindow &window = classOfFour(View::Heads);
        const QStringList row = classRow(window);
        const HeadsCounts counts{row[2].toLongLong(), row[3].toLongLong() + row[4].toLongLong(),
                                 row[5].toLongLong()};
        QString told = u"4 runs, %1 trials in all."_s.arg(row[1]);
        for (const Heads heads : {Heads::Two, Heads::One, Heads::None})
            told += u" "_s + headsWords(heads, counts) + u"."_s;
        int inside = 0;
        for (int line = 1; line <= 4; ++line) {
            const QStringList run = classRow(window, line);
            const double oneHead = (run[3].toDouble() + run[4].toDouble()) / run[1].toDouble();
            inside += std::abs(oneHead - 0.5) <= std::sqrt(0.25 / run[1].toDouble()) * 2 ? 1 : 0;
        }
        QCOMPARE(window.summary(),
                 told + u" "_s + equallyLikelyWords() +
                     u" In %1 of 4 runs the share of one head lies inside the range where chance "
                     "keeps it about 95 % of the time."_s.arg(inside));
    }

    // The class curve's dashed lines at a quarter and a half, the grey dotted one at a third.
    void theHeadsLinesLieAtTheirShares_data()
    {
        QTest::addColumn<double>("share");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("a quarter") << 0.25 << QColor(Qt::black);
        QTest::newRow("a half") << 0.5 << QColor(Qt::black);
        QTest::newRow("a third") << 1.0 / 3 << QColor(128, 128, 128);
    }
    void theHeadsLinesLieAtTheirShares()
    {
        QFETCH(double, share);
        QFETCH(QColor, colour);
        ClassWindow &window = classOfFour(View::Heads);
        const QImage image = classCurve(window)->image();
        const SharesUp up = sharesUp(image);
        QVERIFY(up.foot > up.top);
        int along = 0; // the most pixels in colour along one of the rows round the share
        for (int y = up.y(share) - 1; y <= up.y(share) + 1; ++y) {
            int here = 0;
            for (int x = up.edge + 1; x < image.width(); ++x)
                here += image.pixelColor(x, y) == colour ? 1 : 0;
            along = std::max(along, here);
        }
        QVERIFY2(along > (image.width() - up.edge) / 5, qPrintable(QString::number(along)));
    }

    // The class curve's bands' edges at 100 trials: a half ± 0.1, a quarter ± 0.087.
    void theHeadsBandsAreAsWideAsChanceGives_data()
    {
        QTest::addColumn<double>("edge");
        QTest::addColumn<bool>("upper");
        QTest::newRow("one head's upper edge") << 0.5 + 2 * std::sqrt(0.25 / 100) << true;
        QTest::newRow("two or no heads' lower edge") << 0.25 - 2 * std::sqrt(0.1875 / 100) << false;
    }
    void theHeadsBandsAreAsWideAsChanceGives()
    {
        QFETCH(double, edge);
        QFETCH(bool, upper);
        ClassWindow &window = classOfFour(View::Heads);
        const QImage image = classCurve(window)->image();
        const SharesUp up = sharesUp(image);
        QVERIFY(up.trialMarks.size() >= 3);
        const QList<int> band = rowsIn(image, up.trialMarks[2], QColor(220, 220, 220));
        QVERIFY(!band.isEmpty());
        QVERIFY2(std::abs((upper ? band.first() : band.last()) - up.y(edge)) <= 2,
                 qPrintable(u"%1 %2 %3"_s.arg(band.first()).arg(band.last()).arg(up.y(edge))));
    }

    void printsThePicturesOfTheViewThatIsOn()
    {
        ClassWindow &window = classOfFour(View::Heads);
        const QString printed = printedText([&window](QPrinter &p) { window.printPictures(p); });
        for (const auto *words : {"Each run's share of one head; the class, larger",
                                  "All runs one after another: two, one and no heads",
                                  "if the three were equally likely"})
            QVERIFY2(printed.contains(QLatin1String(words)), qPrintable(printed));
    }

    void savesThePicturesOfTheViewThatIsOn()
    {
        ClassWindow &window = classOfFour(View::Heads);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"pictures.png"_s);
        QCOMPARE(window.savePictures(path), QString());
        const QImage saved(path);
        // One head's purple, which only this view draws in, in both pictures.
        int left = 0, right = 0;
        for (int x = 0; x < saved.width(); ++x)
            (x < saved.width() / 2 ? left : right) += int(rowsIn(saved, x, kOneHead).size());
        QVERIFY(left > 0 && right > 0);
    }
};

QUINDLE_WIDGET_TEST_MAIN(ClassHeadsTest)
#include "class_heads_test.moc"

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The class window's number-of-heads view (Ctrl+H): two heads, one head (Head/Tail or Tail/Head)
// and no heads pooled over the class, in pictures and words, against the third each that many
// expect; and the view given back as it was when it is turned off.

#include "windows/class_window_driver.h"

#include "windows/printed_text.h"
#include "windows/support/heads_words.h"

#include <QClipboard>
#include <QTemporaryDir>

#include <cmath>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;

namespace {

// The shares of two, one and no heads of a row's trials: Head/Tail and Tail/Head are one head.
std::array<double, kHeadCounts> headsSharesOf(const QStringList &row)
{
    const double trials = row[1].toDouble();
    return {row[2].toDouble() / trials, (row[3].toDouble() + row[4].toDouble()) / trials,
            row[5].toDouble() / trials};
}

// Two, one and no heads' colours.
const QColor kHeadsColours[] = {{0, 0, 255}, {128, 0, 128}, {255, 0, 0}};

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

// The columns of image in colour.
QList<int> columnsIn(const QImage &image, const QColor &colour)
{
    QList<int> found;
    for (int x = 0; x < image.width(); ++x)
        if (!rowsIn(image, x, colour).isEmpty())
            found << x;
    return found;
}

} // namespace

class ClassHeadsTest : public QObject
{
    Q_OBJECT

    Preferences m_preferences; // the window made here without a program
    QTemporaryDir m_folder;    // four pupils' runs of 800 trials
    std::unique_ptr<ClassWindow> m_window;

    // The window on the four runs, shown and active, in the view asked for; null if it never
    // pools them.
    [[nodiscard]] ClassWindow *classOfFour(View view)
    {
        if (!m_window)
            m_window = std::make_unique<ClassWindow>(m_folder.path(), m_preferences);
        if (!opened(*m_window, 4))
            return nullptr;
        showView(*m_window, view);
        return m_window.get();
    }

private slots:
    void initTestCase()
    {
        for (std::uint64_t pupil = 1; pupil <= 4; ++pupil)
            saveRun(m_folder.filePath(u"p%1.csv"_s.arg(pupil)), 30 + pupil, 800);
    }

    void ctrlHAndCtrlDShowOneViewAtATimeAndTurnedOffGiveTheSharesBack()
    {
        ClassWindow *window = classOfFour(View::Shares);
        QVERIFY(window);
        QAction *gaps = actionFor(*window, Qt::Key_D), *heads = actionFor(*window, Qt::Key_H);
        DrawingSurface *left = funnel(*window), *right = classCurve(*window);
        const auto shown = [&] {
            return QVariantList{left->image(), right->image(), window->summary(),
                                left->accessibleDescription(), right->accessibleDescription()};
        };
        const QVariantList shares = shown();
        type(window, Qt::Key_H, Qt::ControlModifier);
        const QVariantList headsShown = shown();
        QVERIFY(heads->isChecked() && !gaps->isChecked());
        for (qsizetype i = 0; i < shares.size(); ++i) // both pictures and all their words
            QVERIFY(headsShown[i] != shares[i]);
        type(window, Qt::Key_D, Qt::ControlModifier); // the gaps turn the heads off
        QVERIFY(gaps->isChecked() && !heads->isChecked());
        QCOMPARE(shown()[0], shares[0]); // the funnel as it was
        QCOMPARE(shown()[3], shares[3]);
        type(window, Qt::Key_H, Qt::ControlModifier); // and the heads the gaps
        QVERIFY(heads->isChecked() && !gaps->isChecked());
        QCOMPARE(shown(), headsShown);
        type(window, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!heads->isChecked() && !gaps->isChecked());
        QCOMPARE(shown(), shares);
    }

    void theHeadsSummaryTellsTheClassRowsSharesAndTheRunsInTheirRange()
    {
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        const QStringList row = classRow(*window);
        const HeadsCounts counts{row[2].toLongLong(), row[3].toLongLong() + row[4].toLongLong(),
                                 row[5].toLongLong()};
        QString told = u"4 runs, %1 trials in all."_s.arg(row[1]);
        for (const Heads heads : {Heads::Two, Heads::One, Heads::None})
            told += u" "_s + headsWords(heads, counts) + u"."_s;
        int inside = 0;
        for (int line = 1; line <= 4; ++line) {
            const QStringList run = classRow(*window, line);
            const double oneHead = headsSharesOf(run)[1];
            inside += std::abs(oneHead - 0.5) <= std::sqrt(0.25 / run[1].toDouble()) * 2 ? 1 : 0;
        }
        QCOMPARE(window->summary(),
                 told + u" "_s + equallyLikelyWords() +
                     u" In %1 of 4 runs the share of one head lies inside the range where chance "
                     "keeps it about 95 % of the time."_s.arg(inside));
    }

    // The dashed lines at a quarter and a half, the grey dotted one at a third.
    void theHeadsLinesLieAtTheirShares_data()
    {
        QTest::addColumn<bool>("curve");
        QTest::addColumn<double>("share");
        QTest::addColumn<QColor>("colour");
        const QColor black(Qt::black), grey(128, 128, 128);
        QTest::newRow("curve, a quarter") << true << 0.25 << black;
        QTest::newRow("curve, a half") << true << 0.5 << black;
        QTest::newRow("curve, a third") << true << 1.0 / 3 << grey;
        QTest::newRow("funnel, a half") << false << 0.5 << black;
        QTest::newRow("funnel, a third") << false << 1.0 / 3 << grey;
    }
    void theHeadsLinesLieAtTheirShares()
    {
        QFETCH(bool, curve);
        QFETCH(double, share);
        QFETCH(QColor, colour);
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        const QImage image = (curve ? classCurve(*window) : funnel(*window))->image();
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

    // The bands' edges at 100 trials: a half ± 0.1, a quarter ± 0.087.
    void theHeadsBandsAreAsWideAsChanceGives_data()
    {
        QTest::addColumn<bool>("curve");
        QTest::addColumn<double>("edge");
        QTest::addColumn<bool>("upper");
        QTest::newRow("curve, one head's upper edge")
            << true << 0.5 + 2 * std::sqrt(0.25 / 100) << true;
        QTest::newRow("curve, two or no heads' lower edge")
            << true << 0.25 - 2 * std::sqrt(0.1875 / 100) << false;
        QTest::newRow("funnel, one head's upper edge")
            << false << 0.5 + 2 * std::sqrt(0.25 / 100) << true;
    }
    void theHeadsBandsAreAsWideAsChanceGives()
    {
        QFETCH(bool, curve);
        QFETCH(double, edge);
        QFETCH(bool, upper);
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        const QImage image = (curve ? classCurve(*window) : funnel(*window))->image();
        const SharesUp up = sharesUp(image);
        QVERIFY(up.trialMarks.size() >= 3);
        const QList<int> band = rowsIn(image, up.trialMarks[2], QColor(220, 220, 220));
        QVERIFY(!band.isEmpty());
        QVERIFY2(std::abs((upper ? band.first() : band.last()) - up.y(edge)) <= 2,
                 qPrintable(u"%1 %2 %3"_s.arg(band.first()).arg(band.last()).arg(up.y(edge))));
    }

    void theHeadsCurvesEndAtTheClassRowsShares()
    {
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        const QImage image = classCurve(*window)->image();
        const SharesUp up = sharesUp(image);
        const auto shares = headsSharesOf(classRow(*window));
        const QList<int> drawnAt = columnsIn(image, kHeadsColours[1]);
        QVERIFY(!drawnAt.isEmpty());
        const int last = drawnAt.last();
        for (std::size_t kind = 0; kind < kHeadCounts; ++kind) {
            const QList<int> drawn = rowsIn(image, last, kHeadsColours[kind]);
            QVERIFY(kind != 1 || !drawn.isEmpty()); // two and no heads may hide each other
            if (!drawn.isEmpty())
                QVERIFY2(std::abs((drawn.first() + drawn.last()) / 2 - up.y(shares[kind])) <= 2,
                         qPrintable(u"%1: %2"_s.arg(kind).arg(drawn.first())));
        }
    }

    // Each run's mark at its 800 trials, the class's larger one at the class's total.
    void theHeadsFunnelMarksEachRunsShareOfOneHeadAndTheClasss()
    {
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        const QImage image = funnel(*window)->image();
        const SharesUp up = sharesUp(image);
        const QList<int> marked = columnsIn(image, kHeadsColours[1]);
        QVERIFY(!marked.isEmpty());
        const QList<int> runs = rowsIn(image, marked.first() + 1, kHeadsColours[1]),
                         pooled = rowsIn(image, marked.last() - 3, kHeadsColours[1]);
        for (int line = 1; line <= 4; ++line) {
            const int y = up.y(headsSharesOf(classRow(*window, line))[1]);
            QVERIFY2(std::ranges::any_of(runs, [y](int row) { return std::abs(row - y) <= 2; }),
                     qPrintable(QString::number(y)));
        }
        QVERIFY(pooled.size() >= 5);
        QVERIFY(std::abs((pooled.first() + pooled.last()) / 2 -
                         up.y(headsSharesOf(classRow(*window))[1])) <= 1);
    }

    void printsThePicturesOfTheViewThatIsOn()
    {
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        const QString printed = printedText([window](QPrinter &p) { window->printPictures(p); });
        for (const auto *words : {"Each run's share of one head; the class, larger",
                                  "All runs one after another: two, one and no heads",
                                  "if the three were equally likely"})
            QVERIFY2(printed.contains(QLatin1String(words)), qPrintable(printed));
    }

    void savesAndCopiesThePicturesOfTheViewThatIsOn()
    {
        ClassWindow *window = classOfFour(View::Heads);
        QVERIFY(window);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"pictures.png"_s);
        QCOMPARE(window->savePictures(path), QString());
        const QImage saved(path);
        // One head's purple in both pictures, which only this view draws in.
        const QList<int> purple = columnsIn(saved, kHeadsColours[1]);
        QVERIFY(!purple.isEmpty() && purple.first() < saved.width() / 2 &&
                purple.last() > saved.width() / 2);
        for (QAction *action : window->actions())
            if (action->text() == u"Copy pictures"_s)
                action->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(saved.format()), saved);
    }
};

QUINDLE_WIDGET_TEST_MAIN(ClassHeadsTest)
#include "class_heads_test.moc"

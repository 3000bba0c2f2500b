// The class window pools a folder of pupils' results files: whatever else lies there is named
// with its reason and the window goes on, a copy counts once, a spreadsheet's re-save counts as
// the original, and the folder is followed as files come, change and go, and never changed.

#include "windows/window_driver.h"

#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_window.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/printed_text.h"
#include "windows/support/outcome_names.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <cmath>

using namespace quindle;
using namespace quindle::testing;

namespace {

struct Saved
{
    int trials = 0;
    std::array<int, kOutcomes> counts{};
};

// A pupil's run of so many trials with its own seed, saved into path as the pupil saves it.
Saved saveRun(const QString &path, std::uint64_t seed, int trials)
{
    Program run{seed, seed};
    ExperimentWindow *window = run.openNewExperimentWindow();
    auto *oneTrial =
        findControl<QPushButton>(window, experimentWindowLayout(), experiment_roles::trialButton);
    for (int trial = 0; trial < trials; ++trial)
        oneTrial->click();
    if (!window->saveResults(path).isEmpty())
        return {};
    Saved saved{run.record().trials(), {}};
    for (int n = 1; n <= kOutcomes; ++n)
        saved.counts[std::size_t(n - 1)] = run.record().count(n);
    return saved;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Every file of the folder, name and contents, to show that reading it changed nothing.
QByteArray fingerprint(const QString &folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &name :
         QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        hash.addData(name.toUtf8() + contents(QDir(folder).filePath(name)));
    return hash.result();
}

// The lines below the table: each file that was not pooled, with its reason.
QStringList notPooled(const ClassWindow &window)
{
    QStringList listed;
    for (int row = 0; row < window.findChild<QListWidget *>()->count(); ++row)
        listed << window.findChild<QListWidget *>()->item(row)->text();
    return listed;
}

bool pooled(const ClassWindow &window, std::size_t runs, std::size_t unpooled)
{
    return window.folder().pool().runs.size() == runs &&
           window.folder().pool().unpooled.size() == unpooled;
}

} // namespace

class ClassWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void poolsTheRunsNamesWhatItCannotPoolAndCountsACopyOnce()
    {
        QTemporaryDir folder;
        const auto at = [&folder](const char *name) {
            return folder.filePath(QString::fromUtf8(name));
        };
        const Saved one = saveRun(at("ann.csv"), 1, 120), two = saveRun(at("ben.csv"), 2, 200);
        // A run re-saved by a spreadsheet: a byte-order mark, semicolons, decimal commas, CRLF.
        const Saved three = saveRun(at("cat.csv"), 3, 160);
        QByteArray resaved = contents(at("cat.csv")).replace(',', ';').replace('.', ',');
        write(at("cat.csv"), "\xEF\xBB\xBF" + resaved.replace("\n", "\r\n"));
        QVERIFY(QFile::copy(at("ann.csv"), at("ann - Copy.csv")));
        write(at("photo.jpg"), QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12));
        write(at("empty.csv"), {});
        write(at("half.csv"), contents(at("ben.csv")).left(contents(at("ben.csv")).size() / 2));
        write(at("edited.csv"),
              contents(at("ann.csv"))
                  .replace(QByteArray("trials,") + QByteArray::number(one.trials),
                           QByteArray("trials,") + QByteArray::number(one.trials + 5)));
        const QByteArray before = fingerprint(folder.path());

        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 3, 5); }, 5000));
        // The class row: the three runs added up.
        const QString classRow = window.tableText(QLatin1Char(','), ClassWindow::NumberForm::Plain)
                                     .trimmed()
                                     .split(QLatin1Char('\n'))
                                     .last();
        QStringList expected{QStringLiteral("class"),
                             QString::number(one.trials + two.trials + three.trials)};
        for (std::size_t n = 0; n < kOutcomes; ++n)
            expected << QString::number(one.counts[n] + two.counts[n] + three.counts[n]);
        QVERIFY2(classRow.startsWith(expected.join(QLatin1Char(','))), qPrintable(classRow));
        // Each file not pooled, named with its reason.
        const QStringList listed = notPooled(window);
        QCOMPARE(listed.size(), 5);
        QCOMPARE(listed[0], QStringLiteral("ann - Copy.csv: a copy of ann.csv"));
        QCOMPARE(listed[1], QStringLiteral("edited.csv: inconsistent: the counts add up to %1, not "
                                           "%2 trials")
                                .arg(one.trials)
                                .arg(one.trials + 5));
        QCOMPARE(listed[2], QStringLiteral("empty.csv: empty"));
        QVERIFY2(listed[3].startsWith(QStringLiteral("half.csv: cut short")),
                 qPrintable(listed[3]));
        QCOMPARE(listed[4], QStringLiteral("photo.jpg: not a text file"));
        QCOMPARE(fingerprint(folder.path()), before);
    }

    void followsFilesAsTheyComeChangeAndGoAndChangesNothing()
    {
        QTemporaryDir folder;
        const QString first = folder.filePath(QStringLiteral("first.csv")),
                      second = folder.filePath(QStringLiteral("second.csv"));
        saveRun(first, 11, 100);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 1, 0); }, 5000));
        // Each change shows within two seconds (a little more where the machine is busy).
        const Saved added = saveRun(second, 12, 150);
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 2, 0); }, 2500));
        QCOMPARE(window.folder().pool().trials, 100 + added.trials);
        const QByteArray seen = fingerprint(folder.path());
        QTest::qWait(1200); // a re-scan or two: nothing in the folder changes
        QCOMPARE(fingerprint(folder.path()), seen);
        const Saved replaced = saveRun(second, 13, 300); // saved over, under the same name
        QVERIFY(QTest::qWaitFor(
            [&] { return window.folder().pool().trials == 100 + replaced.trials; }, 2500));
        // Written over in place, as a copy onto a network share does: no notification says so.
        QTemporaryDir elsewhere;
        const Saved rewritten = saveRun(elsewhere.filePath(QStringLiteral("r.csv")), 14, 250);
        write(second, contents(elsewhere.filePath(QStringLiteral("r.csv"))));
        QVERIFY(QTest::qWaitFor(
            [&] { return window.folder().pool().trials == 100 + rewritten.trials; }, 2500));
        QVERIFY(QFile::remove(first));
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 0 + 1, 0); }, 2500));
        QCOMPARE(window.folder().pool().runs.front().name, "second.csv");
    }

    void theSummarySaysTheClassAndCopyGivesItsTable()
    {
        QTemporaryDir folder;
        const Saved one = saveRun(folder.filePath(QStringLiteral("a.csv")), 21, 200);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 1, 0); }, 5000));
        QVERIFY2(window.summary().startsWith(
                     QStringLiteral("1 run, %1 trials in all. Head Head 0.").arg(one.trials)),
                 qPrintable(window.summary()));
        QVERIFY(
            window.summary().endsWith(QStringLiteral(" of 1 run lies inside the expected range.")));
        const Saved two = saveRun(folder.filePath(QStringLiteral("b.csv")), 22, 100);
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 2, 0); }, 5000));
        focus(&window); // saving the run showed the pupil's window
        QVERIFY2(
            window.summary().startsWith(QStringLiteral("2 runs, %1 trials in all. Head Head 0.")
                                            .arg(one.trials + two.trials)),
            qPrintable(window.summary()));
        QVERIFY(
            window.summary().endsWith(QStringLiteral(" of 2 runs lie inside the expected range.")));
        type(&window, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied =
            QGuiApplication::clipboard()->text().trimmed().split(QLatin1Char('\n'));
        QCOMPARE(copied.size(), 4); // the header, two runs, the class
        QVERIFY(
            copied.last().startsWith(QStringLiteral("class\t%1\t").arg(one.trials + two.trials)));
    }

    void ctrlDTurnsTheClassCurveIntoTheClassGapsFromAQuarter()
    {
        QTemporaryDir folder;
        for (std::uint64_t pupil = 1; pupil <= 4; ++pupil)
            saveRun(folder.filePath(QStringLiteral("p%1.csv").arg(pupil)), 30 + pupil, 800);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 4, 0); }, 5000));
        auto *curve = findControl<DrawingSurface>(&window, classWindowLayout(), class_roles::curve);
        auto *table = window.findChild<QTableView *>();
        const QImage shares = curve->image().copy();
        const QStringList sharesSaid{window.summary(), curve->accessibleDescription()};
        table->setCurrentIndex(table->model()->index(2, 3));
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(table->currentIndex(), table->model()->index(2, 3)); // the table stays as it was

        // The summary tells each pooled gap as the class row of the table has it; the picture
        // draws it at the class's last trial above or below the dashed line at 0, in a band
        // that is twice as wide at the end as at a quarter of the trials.
        const QStringList row = window.tableText(QLatin1Char(','), ClassWindow::NumberForm::Plain)
                                    .trimmed()
                                    .split(QLatin1Char('\n'))
                                    .last()
                                    .split(QLatin1Char(','));
        const QImage image = curve->image();
        const auto rows = [&image](int x, const QColor &colour) {
            QList<int> found;
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) == colour)
                    found << y;
            return found;
        };
        int axis = 0, last = 0,
            end = 0; // the columns of the vertical axis, the curves' and band's ends
        for (int x = image.width() - 1; x > 0; --x) {
            axis = rows(x, Qt::black).size() > image.height() / 2 ? x : axis;
            last = last == 0 && !rows(x, QColor(255, 0, 0)).isEmpty() ? x : last;
            end = end == 0 && !rows(x, QColor(220, 220, 220)).isEmpty() ? x : end;
        }
        const QList<int> band = rows(end, QColor(220, 220, 220)),
                         early = rows(axis + (end - axis) / 4, QColor(220, 220, 220));
        QVERIFY(std::abs((band.last() - band.first()) - 2.0 * (early.last() - early.first())) <= 3);
        const QColor colours[] = {{0, 0, 255}, {0, 128, 0}, {0, 128, 128}, {255, 0, 0}};
        for (int n = 1; n <= kOutcomes; ++n) {
            const double gap = row[1 + n].toDouble() - row[1].toDouble() / 4;
            const QString told = gap == 0 ? QStringLiteral("exactly a quarter")
                                          : QStringLiteral("%1 %2 a quarter")
                                                .arg(std::abs(gap))
                                                .arg(QLatin1String(gap > 0 ? "above" : "below"));
            QVERIFY2(window.summary().contains(
                         QStringLiteral(" %1 %2, %3.").arg(outcomeWords(n), row[5 + n], told)),
                     qPrintable(window.summary() + QLatin1String(" / ") + told));
            const QList<int> drawn = rows(last, colours[n - 1]);
            if (std::abs(gap) >= 3 && !drawn.isEmpty()) // not hidden by a curve drawn later
                QCOMPARE(drawn.first() < (band.first() + band.last()) / 2, gap > 0);
        }
        // On paper: the gaps, not the shares.
        const QString printed =
            printedText([&window](QPrinter &printer) { window.printPictures(printer); });
        QVERIFY2(printed.contains(QLatin1String("count minus a quarter")) &&
                     !printed.contains(QLatin1String("each share so far")),
                 qPrintable(printed));

        // Ctrl+D again: the shares and their words, exactly as before.
        QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(curve->image(), shares);
        QCOMPARE((QStringList{window.summary(), curve->accessibleDescription()}), sharesSaid);
    }
};

QUINDLE_WIDGET_TEST_MAIN(ClassWindowTest)
#include "class_window_test.moc"

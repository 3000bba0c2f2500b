// The class window pools a folder of pupils' results files: whatever else lies there is named
// with its reason and the window goes on, a copy counts once, a spreadsheet's re-save counts as
// the original, and the folder is followed as files come, change and go, and never changed.

#include "windows/window_driver.h"

#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_window.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

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
        const QString classRow =
            window.tableText(QLatin1Char(',')).trimmed().split(QLatin1Char('\n')).last();
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
        const Saved one = saveRun(folder.filePath(QStringLiteral("a.csv")), 21, 200),
                    two = saveRun(folder.filePath(QStringLiteral("b.csv")), 22, 100);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 2, 0); }, 5000));
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
};

QUINDLE_WIDGET_TEST_MAIN(ClassWindowTest)
#include "class_window_test.moc"

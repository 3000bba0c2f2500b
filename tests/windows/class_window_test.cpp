// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The class window on a folder of pupils' results files: only ever read, and whatever lies there
// named with its reason.

#include "windows/class_window_driver.h"

#include "classroom/sample_run.h"
#include "shared/csv_rows.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include <cmath>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

void writeSample(const QString &path, int trials, std::uint32_t seed, int minute)
{
    const auto saved = QString::asprintf("2026-12-07T09:%02d:00Z", minute).toStdString();
    write(path, QByteArray::fromStdString(writeResults(sampleRun(trials, seed, saved))));
}

// Every file of the folder, name and contents, to show that reading it changed nothing.
QByteArray fingerprint(const QString &folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &name :
         QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        hash.addData(name.toUtf8() + fileBytes(QDir(folder).filePath(name)));
    return hash.result();
}

// The first column as a view shows it: the table's files, or each entry not pooled with why.
QStringList firstColumn(const QAbstractItemView *view)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts << view->model()->index(row, 0).data().toString();
    return texts;
}

// A folder of three runs and eight files that cannot be pooled, each for a reason of its own.
struct MixedFolder
{
    Saved one, two, three; // the runs pooled
    int historyLine = 0;   // the line of history.csv whose value was changed
};
void fillMixedFolder(const QString &folder, MixedFolder &made)
{
    const auto at = [&folder](const char *name) {
        return QDir(folder).filePath(QString::fromUtf8(name));
    };
    made.one = saveRun(at("ann.csv"), 1, 120);
    made.two = saveRun(at("ben.csv"), 2, 200);
    made.three = saveRun(at("cat.csv"), 3, 160);
    // A run re-saved by a spreadsheet: a byte-order mark, semicolons, decimal commas, CRLF.
    QByteArray resaved = fileBytes(at("cat.csv")).replace(',', ';').replace('.', ',');
    write(at("cat.csv"), "\xEF\xBB\xBF" + resaved.replace("\n", "\r\n"));
    // Saved twice (Ctrl+S, Ctrl+S): only the saved time differs.
    const QByteArray ben = fileBytes(at("ben.csv"));
    const qsizetype savedAt = ben.indexOf("saved,") + 6;
    write(at("ben again.csv"),
          QByteArray(ben).replace(savedAt, ben.indexOf('\n', savedAt) - savedAt,
                                  "2099-01-01T00:00:00Z"));
    write(at("photo.jpg"), QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12));
    write(at("empty.csv"), {});
    write(at("half.csv"), ben.left(ben.size() / 2));
    write(at("edited.csv"), fileBytes(at("ann.csv"))
                                .replace("trials," + QByteArray::number(made.one[0]),
                                         "trials," + QByteArray::number(made.one[0] + 5)));
    // Head/Head's history at count 2 changed: the history no longer follows from the log.
    QByteArray history = fileBytes(at("cat.csv"));
    const QByteArray second = "Head/Head;2;";
    const qsizetype value = history.indexOf("\n" + second) + 1 + second.size();
    const qsizetype end = history.indexOf('\r', value);
    const int percent = history.mid(value, end - value).toInt();
    history.replace(value, end - value, QByteArray::number(percent == 0 ? 1 : percent - 1));
    write(at("history.csv"), history);
    made.historyLine = int(history.left(value).count('\n')) + 1;
    write(at("latin.csv"), "Kopf/Zahl,1,0,25\nM\xFC"
                           "nze,2\n");
    write(at("wide.csv"), QByteArray("\xFF\xFEo\0u\0t\0c\0o\0m\0e\0", 16));
}

const QColor kCurveColours[] = {{0, 0, 255}, {0, 128, 0}, {0, 128, 128}, {255, 0, 0}};

} // namespace

class ClassWindowTest : public QObject
{
    Q_OBJECT

    Preferences m_preferences; // the windows made here without a program

    // Runs saved under names from elsewhere, at minutes in their order; one before a trial.
    const QStringList kNamesFromElsewhere{u"Smith, Anna.csv"_s, u"say \"hi\".csv"_s,
                                          u"two\nlines.csv"_s, u"=HYPERLINK(1).csv"_s,
                                          u"pupil.csv"_s};
    const QStringList kTrialsFromElsewhere{u"200"_s, u"0"_s,  u"100"_s,
                                           u"33"_s,  u"40"_s, u"373"_s}; // and the class's
    // Folders that tests only read, each filled once, and a window on it.
    struct ReadOnlyFolder
    {
        QTemporaryDir folder;
        std::unique_ptr<ClassWindow> window;
    };
    ReadOnlyFolder m_mixed, m_fromElsewhere, m_classOfFour;
    MixedFolder m_made;
    QByteArray m_mixedBefore; // the mixed folder's fingerprint before any window read it

    // The window on shared, shown and active once it has pooled so many; null if it never does.
    [[nodiscard]] ClassWindow *shownOn(ReadOnlyFolder &shared, std::size_t runs,
                                       std::size_t unpooled = 0)
    {
        if (!shared.window)
            shared.window = std::make_unique<ClassWindow>(shared.folder.path(), m_preferences);
        return opened(*shared.window, runs, unpooled) ? shared.window.get() : nullptr;
    }

private slots:
    void initTestCase()
    {
        fillMixedFolder(m_mixed.folder.path(), m_made);
        m_mixedBefore = fingerprint(m_mixed.folder.path());
        for (int i = 0; i < kNamesFromElsewhere.size(); ++i)
            writeSample(m_fromElsewhere.folder.filePath(kNamesFromElsewhere[i]),
                        kTrialsFromElsewhere[i].toInt(), std::uint32_t(i + 1), i);
        for (std::uint64_t pupil = 1; pupil <= 4; ++pupil)
            saveRun(m_classOfFour.folder.filePath(u"p%1.csv"_s.arg(pupil)), 30 + pupil, 800);
    }

    void poolsTheRunsAndCountsARunOnce()
    {
        ClassWindow *window = shownOn(m_mixed, 3, 8);
        QVERIFY(window);
        QStringList sums{u"class"_s};
        for (std::size_t n = 0; n <= kOutcomes; ++n)
            sums << QString::number(m_made.one[n] + m_made.two[n] + m_made.three[n]);
        QCOMPARE(classRow(*window).mid(0, sums.size()), sums);
    }

    void namesWhatItCannotPoolWithTheReason()
    {
        ClassWindow *window = shownOn(m_mixed, 3, 8);
        QVERIFY(window);
        QStringList listed = firstColumn(window->findChild<QAbstractItemView *>(u"NotPooled"_s));
        listed[3].truncate(u"half.csv: cut short after trial"_s.size()); // and how far it got
        QCOMPARE(listed.join(QLatin1Char('\n')), uR"(ben again.csv: a copy of ben.csv
edited.csv: inconsistent: the counts add up to %1, not %2 trials
empty.csv: empty
half.csv: cut short after trial
history.csv: inconsistent: the history disagrees with the trial log (line %3)
latin.csv: text saved as Latin-1 (Windows-1252); results files are read as UTF-8
photo.jpg: not a text file
wide.csv: text saved as UTF-16; results files are read as UTF-8)"_s.arg(m_made.one[0])
                                                     .arg(m_made.one[0] + 5)
                                                     .arg(m_made.historyLine));
    }

    void readingTheFolderChangesNothingInIt()
    {
        QVERIFY(shownOn(m_mixed, 3, 8));
        QCOMPARE(fingerprint(m_mixed.folder.path()), m_mixedBefore);
    }

    void aFolderThatGoesIsSaidWithItsReasonAndTheClassStaysAsLastRead()
    {
        QTemporaryDir parent;
        const QString path = parent.filePath(u"class"_s), away = parent.filePath(u"away"_s);
        QVERIFY(QDir().mkpath(path));
        saveRun(path + u"/first.csv"_s, 12, 100);
        ClassWindow window(path, m_preferences);
        QVERIFY(opened(window, 1));
        auto *state = findControl<QLabel>(&window, classWindowLayout(), class_roles::folderState);
        QVERIFY(state && !state->isVisible());
        QVERIFY(QDir().rename(path, away));
        QVERIFY(QTest::qWaitFor([state] { return state->isVisible(); }, 2500));
        QVERIFY2(state->text().contains(qt_error_string(ENOENT)), qPrintable(state->text()));
        QVERIFY(window.summary().endsWith(state->text()));
        QCOMPARE(firstColumn(window.findChild<QTableView *>()).size(), 2); // the run and the class
        QVERIFY(QDir().rename(away, path));
        QVERIFY(QTest::qWaitFor([state] { return !state->isVisible(); }, 2500));
    }

    void aClassWithoutRatiosSaysNothingOfThem()
    {
        // Neither an empty folder nor a run without a trial has a ratio to count.
        QTemporaryDir folder;
        ClassWindow window(folder.path(), m_preferences);
        QVERIFY(opened(window, 0));
        QCOMPARE(window.summary(), u"0 runs, 0 trials in all."_s);
        writeSample(folder.filePath(u"pupil.csv"_s), 0, 1, 0);
        QVERIFY(pooled(window.folder(), 1, 0));
        QCOMPARE(window.summary(), u"1 run, 0 trials in all."_s);
    }

    void readSummaryReachesAScreenReader()
    {
        QTemporaryDir folder;
        saveRun(folder.filePath(u"pupil.csv"_s), 4, 60);
        ClassWindow window(folder.path(), m_preferences);
        QVERIFY(opened(window, 1));
        QStringList said;
        Announcer::announceWithoutScreenReader(true);
        connect(window.findChild<Announcer *>(), &Announcer::said, this,
                [&said](const QString &sentence) { said << sentence; });
        type(&window, Qt::Key_R, Qt::ControlModifier);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        // Orca 43 reads only what the focus comes to: the folder's line, named by the summary
        // while it has the focus; pressed again, the table, with the summary as its description.
        auto *line = findControl<QLabel>(&window, classWindowLayout(), class_roles::folder);
        QCOMPARE(window.focusWidget(), line);
        QCOMPARE(line->accessibleName(), window.summary());
        type(&window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(window.focusWidget(), window.findChild<QTableView *>());
        QCOMPARE(line->accessibleName(), u"Folder"_s);
#endif
        Announcer::announceWithoutScreenReader(false);
        QCOMPARE(said.value(0), window.summary());
    }

    void theTableReachesASpreadsheetIntact()
    {
        ClassWindow *window = shownOn(m_fromElsewhere, 5);
        QVERIFY(window);
        QTemporaryDir elsewhere;
        const QString saved = elsewhere.filePath(u"class.csv"_s);
        QCOMPARE(window->saveTable(saved), QString());
        QStringList shown = kNamesFromElsewhere; // the formula made harmless, the class last
        shown[3].prepend(QLatin1Char('\''));
        shown << u"class"_s;
        QStringList files, runTrials;
        for (const auto &row : csvRows(fileBytes(saved).toStdString(), ',')) {
            QCOMPARE(row.size(), std::size_t(2 + 2 * kOutcomes));
            files << QString::fromStdString(row[0]);
            runTrials << QString::fromStdString(row[1]);
        }
        QCOMPARE(files.mid(1), shown); // below the header
        QCOMPARE(runTrials.mid(1), kTrialsFromElsewhere);
    }

    void theClassGapsAreDrawnAboveOrBelowZeroInABandThatWidens()
    {
        // At the last trial, in a band twice as wide at the end as at a quarter of the trials.
        ClassWindow *window = shownOn(m_classOfFour, 4);
        QVERIFY(window);
        showView(*window, View::Gaps);
        const QStringList row = classRow(*window);
        const QImage image = classCurve(*window)->image();
        const QColor grey(220, 220, 220);
        int axis = 0, last = 0, end = 0; // the columns of the axis, the curves' and band's ends
        for (int x = image.width() - 1; x > 0; --x) {
            axis = rowsIn(image, x, Qt::black).size() > image.height() / 2 ? x : axis;
            last = last == 0 && !rowsIn(image, x, kCurveColours[3]).isEmpty() ? x : last;
            end = end == 0 && !rowsIn(image, x, grey).isEmpty() ? x : end;
        }
        const QList<int> band = rowsIn(image, end, grey),
                         early = rowsIn(image, axis + (end - axis) / 4, grey);
        QVERIFY(std::abs((band.last() - band.first()) - 2.0 * (early.last() - early.first())) <= 3);
        for (int n = 1; n <= kOutcomes; ++n) {
            const double gap = row[1 + n].toDouble() - row[1].toDouble() / 4;
            const QList<int> drawn = rowsIn(image, last, kCurveColours[n - 1]);
            if (std::abs(gap) >= 3 && !drawn.isEmpty()) // not hidden by a curve drawn later
                QCOMPARE(drawn.first() < (band.first() + band.last()) / 2, gap > 0);
        }
    }
};

QUINDLE_WIDGET_TEST_MAIN(ClassWindowTest)
#include "class_window_test.moc"

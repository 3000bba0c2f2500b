// The class window pools a folder of pupils' results files: whatever else lies there is named
// with its reason and the window goes on, a run counts once however often it was saved, a
// spreadsheet's re-save counts as the original, the folder is followed as files come, change and
// go (and never changed), the keyboard keeps its place, the class table reaches a spreadsheet
// intact, and the window lies on the screen, grows with its size and follows the zoom.

#include "windows/window_driver.h"

#include "classroom/sample_run.h"
#include "shared/csv_rows.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_window.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/printed_text.h"
#include "windows/support/outcome_names.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QListView>
#include <QPrinter>
#include <QScreen>
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

// A run of the tests' own (sample_run.h), saved at the given minute.
void writeSample(const QString &path, int trials, std::uint32_t seed, int minute)
{
    const std::string saved =
        QStringLiteral("2026-12-07T09:%1:00Z").arg(minute, 2, 10, QLatin1Char('0')).toStdString();
    write(path, QByteArray::fromStdString(writeResults(sampleRun(trials, seed, saved))));
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

QListView *notPooledList(const ClassWindow &window)
{
    return window.findChild<QListView *>(QStringLiteral("NotPooled"));
}

QTableView *runsTable(const ClassWindow &window)
{
    return window.findChild<QTableView *>(QStringLiteral("Runs"));
}

// The lines below the table: each entry that was not pooled, with its reason.
QStringList notPooled(const ClassWindow &window)
{
    QStringList listed;
    const QAbstractItemModel *model = notPooledList(window)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        listed << model->index(row, 0).data().toString();
    return listed;
}

// The File column as the table shows it, the class's row last.
QStringList fileColumn(const ClassWindow &window)
{
    QStringList names;
    const QAbstractItemModel *model = runsTable(window)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data().toString();
    return names;
}

bool pooled(const ClassWindow &window, std::size_t runs, std::size_t unpooled)
{
    return window.folder().pool().runs.size() == runs &&
           window.folder().pool().unpooled.size() == unpooled;
}

// The line of the file's first line that starts with `start`.
int lineOf(const QByteArray &text, const QByteArray &start)
{
    return int(text.left(text.indexOf("\n" + start) + 1).count('\n')) + 1;
}

} // namespace

class ClassWindowTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void poolsTheRunsNamesWhatItCannotPoolAndCountsARunOnce()
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
        // Saved twice (Ctrl+S, Ctrl+S): only the saved time differs.
        QByteArray again = contents(at("ben.csv"));
        const qsizetype savedAt = again.indexOf("saved,") + 6;
        again.replace(savedAt, again.indexOf('\n', savedAt) - savedAt, "2099-01-01T00:00:00Z");
        write(at("ben again.csv"), again);
        write(at("photo.jpg"), QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 12));
        write(at("empty.csv"), {});
        write(at("half.csv"), contents(at("ben.csv")).left(contents(at("ben.csv")).size() / 2));
        write(at("edited.csv"),
              contents(at("ann.csv"))
                  .replace(QByteArray("trials,") + QByteArray::number(one.trials),
                           QByteArray("trials,") + QByteArray::number(one.trials + 5)));
        // Head/Head's history at count 2 changed: the history no longer follows from the log.
        QByteArray history = contents(at("cat.csv"));
        const QByteArray second = "Head/Head;2;";
        const qsizetype value = history.indexOf("\n" + second) + 1 + second.size();
        const qsizetype end = history.indexOf('\r', value);
        const int percent = history.mid(value, end - value).toInt();
        history.replace(value, end - value, QByteArray::number(percent == 0 ? 1 : percent - 1));
        write(at("history.csv"), history);
        write(at("latin.csv"), "Kopf/Zahl,1,0,25\nM\xFC"
                               "nze,2\n");
        write(at("wide.csv"), QByteArray("\xFF\xFEo\0u\0t\0c\0o\0m\0e\0", 16));
        const QByteArray before = fingerprint(folder.path());

        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 3, 9); }, 5000));
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
        // Each entry not pooled, named with its reason.
        const QStringList listed = notPooled(window);
        const QStringList reasons{
            QStringLiteral("ann - Copy.csv: a copy of ann.csv"),
            QStringLiteral("ben again.csv: a copy of ben.csv"),
            QStringLiteral("edited.csv: inconsistent: the counts add up to %1, not %2 trials")
                .arg(one.trials)
                .arg(one.trials + 5),
            QStringLiteral("empty.csv: empty"),
            QStringLiteral("half.csv: cut short after trial"),
            QStringLiteral("history.csv: inconsistent: the history disagrees with the trial log "
                           "(line %1)")
                .arg(lineOf(history, second)),
            QStringLiteral("latin.csv: text saved as Latin-1 (Windows-1252); results files are "
                           "read as UTF-8"),
            QStringLiteral("photo.jpg: not a text file"),
            QStringLiteral("wide.csv: text saved as UTF-16; results files are read as UTF-8"),
        };
        QCOMPARE(listed.size(), reasons.size());
        for (int i = 0; i < reasons.size(); ++i) {
            if (reasons[i].startsWith(QStringLiteral("half.csv"))) // and how far it got
                QVERIFY2(listed[i].startsWith(reasons[i]), qPrintable(listed[i]));
            else
                QCOMPARE(listed[i], reasons[i]);
        }
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
        QTest::qWait(1200);
        QCOMPARE(fingerprint(folder.path()), seen);
        const Saved replaced = saveRun(second, 13, 300); // saved over, under the same name
        QVERIFY(QTest::qWaitFor(
            [&] { return window.folder().pool().trials == 100 + replaced.trials; }, 2500));
        // Written over in place, as a copy onto a share does: the file's own watch sees it.
        QTemporaryDir elsewhere;
        const Saved rewritten = saveRun(elsewhere.filePath(QStringLiteral("r.csv")), 14, 250);
        write(second, contents(elsewhere.filePath(QStringLiteral("r.csv"))));
        QVERIFY(QTest::qWaitFor(
            [&] { return window.folder().pool().trials == 100 + rewritten.trials; }, 2500));
        QVERIFY(QFile::remove(first));
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 1, 0); }, 2500));
        QCOMPARE(window.folder().pool().runs.front().name, "second.csv");
        // All through notifications: the folder is never looked at on a timer.
        QVERIFY(!window.folder().polling());
    }

    void theSummaryCountsRatiosAndCopyGivesTheTable()
    {
        QTemporaryDir folder;
        const Saved one = saveRun(folder.filePath(QStringLiteral("a.csv")), 21, 200),
                    two = saveRun(folder.filePath(QStringLiteral("b.csv")), 22, 100);
        saveRun(folder.filePath(QStringLiteral("none.csv")), 23, 0); // saved before a trial
        ClassWindow window(folder.path());
        focus(&window);
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 3, 0); }, 5000));
        QVERIFY2(
            window.summary().startsWith(QStringLiteral("3 runs, %1 trials in all. Head Head 0.")
                                            .arg(one.trials + two.trials)),
            qPrintable(window.summary()));
        // Four ratios for each run with trials; the run without any has none.
        QVERIFY2(window.summary().endsWith(QStringLiteral(
                     " of 8 ratios lie inside the expected range, where about 95 % are expected.")),
                 qPrintable(window.summary()));
        type(&window, Qt::Key_C, Qt::ControlModifier);
        const QStringList copied =
            QGuiApplication::clipboard()->text().trimmed().split(QLatin1Char('\n'));
        QCOMPARE(copied.size(), 5); // the header, three runs, the class
        QVERIFY(
            copied.last().startsWith(QStringLiteral("class\t%1\t").arg(one.trials + two.trials)));
    }

    void aRunWithoutTrialsIsLeftOutOfThePictures()
    {
        QTemporaryDir folder;
        saveRun(folder.filePath(QStringLiteral("none.csv")), 31, 0);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 1, 0); }, 5000));
        // No mark in any outcome's colour anywhere: the graph's four curve colours.
        const QImage funnel = window.findChild<DrawingSurface *>(QStringLiteral("Funnel"))
                                  ->image()
                                  .convertToFormat(QImage::Format_RGB32);
        const QList<QRgb> marks{qRgb(0, 0, 255), qRgb(0, 128, 0), qRgb(0, 128, 128),
                                qRgb(255, 0, 0)};
        for (int y = 0; y < funnel.height(); ++y)
            for (int x = 0; x < funnel.width(); ++x)
                QVERIFY2(!marks.contains(funnel.pixel(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void namesFromElsewhereReachASpreadsheetIntact()
    {
        QTemporaryDir folder;
        const QStringList names{QStringLiteral("Smith, Anna.csv"), QStringLiteral("say \"hi\".csv"),
                                QStringLiteral("two\nlines.csv"),
                                QStringLiteral("=HYPERLINK(1).csv")};
        for (int i = 0; i < names.size(); ++i)
            writeSample(folder.filePath(names[i]), 30 + i, std::uint32_t(i + 1), i);
        ClassWindow window(folder.path());
        focus(&window);
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 4, 0); }, 5000));
        QTemporaryDir elsewhere;
        const QString saved = elsewhere.filePath(QStringLiteral("class.csv"));
        QCOMPARE(window.saveTable(saved), QString());
        type(&window, Qt::Key_C, Qt::ControlModifier);
        const QByteArray copied = QGuiApplication::clipboard()->text().toUtf8();
        for (const auto &[text, separator] :
             {std::pair{contents(saved), ','}, std::pair{copied, '\t'}}) {
            const CsvRows rows = csvRows(text.toStdString(), separator);
            QCOMPARE(rows.size(), std::size_t(6)); // the header, four runs, the class
            for (std::size_t row = 0; row < rows.size(); ++row)
                QCOMPARE(rows[row].size(), std::size_t(2 + 2 * kOutcomes));
            for (int i = 0; i < names.size(); ++i) {
                // Saved at the given minutes: in the order of the names.
                const QString shown = i == 3 ? QLatin1Char('\'') + names[i] : names[i];
                QCOMPARE(QString::fromStdString(rows[std::size_t(i + 1)][0]), shown);
                QCOMPARE(rows[std::size_t(i + 1)][1], std::to_string(30 + i));
            }
            QCOMPARE(rows.back()[0], "class");
        }
    }

    void theKeyboardKeepsItsPlaceWhenPupilsSave()
    {
        QTemporaryDir folder;
        for (int i = 0; i < 5; ++i)
            writeSample(folder.filePath(QStringLiteral("pupil-%1.csv").arg(i)), 40 + i,
                        std::uint32_t(i + 1), 10 + i);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 5, 0); }, 5000));
        QTableView *table = runsTable(window);
        table->setFocus();
        table->setCurrentIndex(table->model()->index(2, 3));
        QCOMPARE(table->currentIndex().data().toString(),
                 table->model()->index(2, 3).data().toString());
        // Two pupils' files go, one saved earlier in the lesson arrives, and the run after the
        // teacher's is saved over with another: the rows around it change.
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("pupil-0.csv"))));
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("pupil-1.csv"))));
        writeSample(folder.filePath(QStringLiteral("early.csv")), 33, 77, 1);
        writeSample(folder.filePath(QStringLiteral("pupil-3.csv")), 55, 78, 59);
        QVERIFY(QTest::qWaitFor(
            [&window] {
                return pooled(window, 4, 0) &&
                       window.folder().pool().runs.front().name == "early.csv" &&
                       window.folder().pool().runs.back().name == "pupil-3.csv";
            },
            2500));
        QCOMPARE(fileColumn(window).mid(0, 4),
                 (QStringList{QStringLiteral("early.csv"), QStringLiteral("pupil-2.csv"),
                              QStringLiteral("pupil-4.csv"), QStringLiteral("pupil-3.csv")}));
        // Still on pupil-2's run, in the same column.
        QCOMPARE(table->currentIndex().row(), 1);
        QCOMPARE(table->currentIndex().column(), 3);
        QCOMPARE(table->model()->index(table->currentIndex().row(), 0).data().toString(),
                 QStringLiteral("pupil-2.csv"));
    }

    void aVanishedFolderIsSaidAndTheClassStays()
    {
        QTemporaryDir parent;
        const QString path = parent.filePath(QStringLiteral("class")),
                      away = parent.filePath(QStringLiteral("away"));
        QVERIFY(QDir().mkpath(path));
        writeSample(QDir(path).filePath(QStringLiteral("anna.csv")), 40, 1, 1);
        ClassWindow window(path);
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 1, 0); }, 5000));
        auto *state = findControl<QLabel>(&window, classWindowLayout(), class_roles::folderState);
        QVERIFY(state && !state->isVisible());
        QVERIFY(QDir().rename(path, away));
        QVERIFY(QTest::qWaitFor([state] { return state->isVisible(); }, 2500));
        QVERIFY2(state->text().contains(qt_error_string(ENOENT)), qPrintable(state->text()));
        QVERIFY(window.summary().endsWith(state->text()));
        QCOMPARE(fileColumn(window).size(), 2); // anna's run and the class, as last read
        QVERIFY(QDir().rename(away, path));
        QVERIFY(QTest::qWaitFor([state] { return !state->isVisible(); }, 2500));
    }

    void theWindowGrowsWithItsSizeAndFollowsTheZoom()
    {
        QTemporaryDir folder;
        writeSample(folder.filePath(QStringLiteral("anna.csv")), 300, 1, 1);
        ClassWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 1, 0); }, 5000));
        const QRect room = window.screen()->availableGeometry();
        QVERIFY(room.contains(window.frameGeometry()));
        auto *funnel = window.findChild<DrawingSurface *>(QStringLiteral("Funnel"));
        const QSize tableAt100 = runsTable(window)->size(), funnelAt100 = funnel->size();
        QCOMPARE(window.minimumSize(), QSize(760, 600));
        window.resize(QSize(960, 700));
        (void)QTest::qWaitFor(
            [&] { return runsTable(window)->size() == tableAt100 + QSize(200, 45); });
        QCOMPARE(runsTable(window)->size(), tableAt100 + QSize(200, 45));
        QCOMPARE(funnel->size(), funnelAt100 + QSize(100, 45));
        // The funnel drawn afresh at its new size: its band reaches its new right edge.
        const QImage drawn = funnel->image().convertToFormat(QImage::Format_RGB32);
        const int column = drawn.width() - 30;
        bool band = false;
        for (int y = 0; y < drawn.height(); ++y)
            band = band || drawn.pixel(column, y) != qRgb(255, 255, 255);
        QVERIFY(band);

        // Put where the teacher wants it, then zoomed: it stays there, its texts larger.
        window.resize(QSize(900, 600));
        window.move(20, 10);
        const QRect kept = window.geometry();
        window.setZoom(125);
        QCOMPARE(runsTable(window)->font().pointSizeF(),
                 QApplication::font().pointSizeF() * 125 / 100);
        QCOMPARE(window.geometry(), QRect(kept.topLeft(), kept.size() * 125 / 100));
        QVERIFY(room.contains(window.frameGeometry()));
        checkTextsFit(&window);
        // Too large for the screen at 300 %: as large as the screen, and wholly on it.
        window.setZoom(300);
        QVERIFY(room.contains(window.frameGeometry()));
        checkTextsFit(&window);
        window.setZoom(100);
        QCOMPARE(window.geometry().topLeft(), kept.topLeft());
        window.showMaximized();
        QVERIFY(QTest::qWaitFor([&] { return window.isMaximized(); }));
        window.setZoom(150);
        QVERIFY(window.isMaximized());
    }

    void opensBesideTheExperimentWindowOrOverItWhollyOnTheScreen()
    {
        QTemporaryDir folder;
        writeSample(folder.filePath(QStringLiteral("anna.csv")), 300, 1, 1);
        startProgram();
        const QRect room = experiment()->screen()->availableGeometry();
        // At its design place the experiment window leaves too little room beside it on a
        // 1366x768 screen, the commonest school laptop's: the class window opens over it.
        ClassWindow *window = m_program->openClassWindow(folder.path());
        QVERIFY(waitShown(window));
        QVERIFY2(room.contains(window->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                        .arg(window->x())
                                                                        .arg(window->y())
                                                                        .arg(window->width())
                                                                        .arg(window->height())));
        if (room.width() < 1500)
            QVERIFY(window->frameGeometry().intersects(experiment()->frameGeometry()));
        window->close();
        // With the experiment window moved to the left, there is room beside it.
        experiment()->move(room.topLeft());
        QTest::qWait(50);
        window = m_program->openClassWindow(folder.path());
        QVERIFY(waitShown(window));
        QVERIFY(room.contains(window->frameGeometry()));
        QVERIFY(window->frameGeometry().left() > experiment()->frameGeometry().right());
        QCOMPARE(window->geometry().top(), experiment()->geometry().top());
        endProgram();
    }

    void aZoomKeepsEachWindowWhereTheUserPutIt()
    {
        startProgram();
        const QRect designed = experiment()->geometry();
        const QRect room = experiment()->screen()->availableGeometry();
        m_program->setZoom(125);
        QCOMPARE(experiment()->geometry().topLeft(), designed.topLeft());
        m_program->setZoom(100);
        QCOMPARE(experiment()->geometry(), designed); // as designed, exactly
        experiment()->move(room.topLeft() + QPoint(30, 20));
        QTest::qWait(50);
        const QPoint put = experiment()->geometry().topLeft();
        m_program->setZoom(150);
        QCOMPARE(experiment()->geometry().topLeft(), put);
        m_program->setZoom(300); // taller than the screen: moved only as far up as it must
        QCOMPARE(experiment()->geometry().left(), put.x());
        QCOMPARE(experiment()->frameGeometry().top(), room.top());
        m_program->setZoom(100);
        QCOMPARE(experiment()->geometry(), QRect(put, designed.size()));
        endProgram();
    }

    void ctrlDTurnsTheClassCurveIntoTheClassGapsFromAQuarter()
    {
        QTemporaryDir folder;
        for (std::uint64_t pupil = 1; pupil <= 4; ++pupil)
            saveRun(folder.filePath(QStringLiteral("p%1.csv").arg(pupil)), 30 + pupil, 800);
        ClassWindow window(folder.path());
        focus(&window); // Ctrl+D reaches the active window only
        QVERIFY(QTest::qWaitFor([&window] { return pooled(window, 4, 0); }, 5000));
        auto *curve = findControl<DrawingSurface>(&window, classWindowLayout(), class_roles::curve);
        auto *table = window.findChild<QTableView *>();
        const QImage shares = curve->image().copy();
        const QStringList sharesSaid{window.summary(), curve->accessibleDescription()};
        table->setCurrentIndex(table->model()->index(2, 3));
        type(&window, Qt::Key_D, Qt::ControlModifier);
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
        type(&window, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(curve->image(), shares);
        QCOMPARE((QStringList{window.summary(), curve->accessibleDescription()}), sharesSaid);
    }
};

QUINDLE_WIDGET_TEST_MAIN(ClassWindowTest)
#include "class_window_test.moc"

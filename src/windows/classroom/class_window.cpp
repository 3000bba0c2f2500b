#include "windows/classroom/class_window.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/gap_from_quarter.h"
#include "windows/accessibility/accessibility.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_pictures.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/paper/paper.h"
#include "windows/support/gap_words.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"
#include "windows/support/runtime_errors.h"
#include "windows/support/saving.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <limits>

namespace quindle {

namespace {

namespace roles = class_roles;

// The pictures are drawn in pixels: one user unit a pixel at 100 %.
constexpr double kTwipsPerUnit = 15;
constexpr int kColumns = 2 + 2 * kOutcomes; // file, trials, counts, ratios

// Each number of the table also in the plain form that files keep ("0.257").
constexpr int kPlainRole = Qt::UserRole;

QStandardItem *numberItem(const std::string &plain)
{
    auto *item = new QStandardItem(shownNumber(plain));
    item->setData(QString::fromStdString(plain), kPlainRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A number that a text counts in words (tr's %n), which Qt takes as an int.
int countForWords(long long count)
{
    return static_cast<int>(std::min<long long>(count, std::numeric_limits<int>::max()));
}

// The runs a class pooled and their trials, counted in words: "30 runs", "64020 trials".
QString runsText(const ClassPool &pool)
{
    const int runs = countForWords(std::ssize(pool.runs));
    //: The number of runs pooled, in the class window's summary and printed caption.
    return QCoreApplication::translate("quindle::ClassWindow", "%n runs", nullptr, runs);
}

QString trialsText(const ClassPool &pool)
{
    //: The number of trials of all runs pooled, in the summary and printed caption.
    return QCoreApplication::translate("quindle::ClassWindow", "%n trials", nullptr,
                                       countForWords(pool.trials));
}

// Whether all four of a run's ratios lie inside the expected range.
bool inside(const RunResults &run)
{
    for (int count : run.counts)
        if (run.trials == 0 || !insideExpectedRange(double(count) / run.trials, run.trials))
            return false;
    return true;
}

} // namespace

ClassWindow::ClassWindow(const QString &folder)
    : m_folder(new ClassFolder(folder, this))
    , m_model(new QStandardItemModel(0, kColumns, this))
    , m_table(new QTableView(this))
    , m_unpooled(new QListWidget(this))
    , m_funnel(new DrawingSurface(kTwipsPerUnit, kTwipsPerUnit, this))
    , m_curve(new DrawingSurface(kTwipsPerUnit, kTwipsPerUnit, this))
    , m_announcer(new Announcer(this))
{
    setObjectName(QStringLiteral("ClassWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: The class window's title; %1 is the folder's name.
    setWindowTitle(tr("Class results: %1").arg(QDir(folder).dirName()));
    const auto layout = classWindowLayout();
    buildControls(this, layout,
                  {{roles::runs, m_table},
                   {roles::unpooled, m_unpooled},
                   {roles::funnel, m_funnel},
                   {roles::curve, m_curve}});
    placeWindow(this, kClassWindowPlace);
    findControl<QLabel>(this, layout, roles::folder)->setText(QDir::toNativeSeparators(folder));

    // Ten columns share the table's 740 pixels: the file's name takes what the others leave.
    //: The class table's first column header, over each run's file name.
    QStringList headers{tr("File")};
    //: A header of the class table over each run's number of trials. Each number column is as
    //: wide as its header or its numbers, and the ten columns share 740 pixels: a word of about
    //: 8 letters.
    headers << tr("Trials");
    for (int n = 1; n <= kOutcomes; ++n)
        //: A column header of the class table over each run's count of an outcome: %1 is coin
        //: 1's face, %2 coin 2's ("Head Tail"). The ten columns share 740 pixels: where two
        //: faces side by side make the columns too wide, put a line break between them.
        headers << tr("%1 %2").arg(faceWord(n, 1), faceWord(n, 2));
    for (int n = 1; n <= kOutcomes; ++n)
        //: A column header of the class table, on two lines: %1 is an outcome ("Head Tail"),
        //: the second line says these are its ratios. The ten columns share 740 pixels: keep
        //: the second line to about 10 letters, a school's usual abbreviation if need be.
        headers << tr("%1\nratio").arg(outcomeWords(n));
    m_model->setHorizontalHeaderLabels(headers);
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    m_table->verticalHeader()->hide();
    m_unpooled->setFocusPolicy(Qt::StrongFocus);
    placeColumns();

    auto *close = findControl<QPushButton>(this, layout, roles::closeButton);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    buildContextMenu();
    connect(m_folder, &ClassFolder::pooled, this, [this] { guarded([this] { showPool(); }); });
    showPool();
    m_table->setFocus();
}

void ClassWindow::buildContextMenu()
{
    useActionsAsContextMenu(this);
    //: The class window's context menu: puts the class table on the clipboard.
    auto *copy = new QAction(tr("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(tableText(QLatin1Char('\t'), NumberForm::Shown));
    });
    //: The context menu: saves the class table as a CSV file.
    auto *save = new QAction(tr("Save class results…"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] {
        //: The title of the dialog that saves the class table.
        const QString title = tr("Save class results");
        //: The file dialog's filter for the class table.
        saveThroughDialog(this, title, QStringLiteral("quindle-class.csv"), tr("CSV files (*.csv)"),
                          [this](const QString &path) { return saveTable(path); });
    });
    //: The context menu: puts both pictures, side by side, on the clipboard.
    auto *copyPictures = new QAction(tr("Copy pictures"), this);
    connect(copyPictures, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(pictures()); });
    //: The context menu: saves both pictures, side by side, as a PNG picture.
    auto *savePictures = new QAction(tr("Save pictures…"), this);
    connect(savePictures, &QAction::triggered, this, [this] {
        //: The title of the dialog that saves the pictures.
        const QString title = tr("Save pictures");
        //: The file dialog's filter for PNG pictures.
        saveThroughDialog(this, title, QStringLiteral("quindle-class.png"),
                          tr("PNG images (*.png)"),
                          [this](const QString &path) { return this->savePictures(path); });
    });
    //: The context menu: prints both pictures, by the print dialog.
    auto *print = new QAction(tr("Print…"), this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        printThroughDialog(this, [this](QPaintDevice &printer) { printPictures(printer); });
    });
    //: The context menu: a screen reader says the class's runs, trials and pooled ratios.
    auto *read = new QAction(tr("Read summary"), this);
    read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(read, &QAction::triggered, this,
            [this] { m_announcer->say(summary(), Speech::Outcome); });
    // The class curve turned into the class's gaps from a quarter, as in the graph window.
    //: The class window's context menu: a check mark turns the class curve into each outcome's
    //: gap from a quarter of the class's trials.
    auto *gapView = new QAction(tr("Show gap from a quarter"), this);
    gapView->setCheckable(true);
    gapView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(gapView, &QAction::triggered, this,
            [this, shares = m_curve->accessibleDescription()](bool shown) {
                m_gapShown = shown;
                //: What a screen reader says the class curve shows in the gap view.
                const QString gaps = tr("Each outcome's count minus a quarter of all the "
                                        "class's trials so far, run after run");
                m_curve->setAccessibleDescription(shown ? gaps : shares);
                drawCurve();
            });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &ClassWindow::zoomChosen);
    addActions(
        {copy, save, copyPictures, savePictures, print, read, gapView, m_zoom->menuAction()});
}

void ClassWindow::setZoom(int zoom)
{
    applyZoom(this, classWindowLayout(), zoom);
    placeWindow(this, kClassWindowPlace, zoom);
    placeColumns();
    m_zoom->show(zoom);
    showPool();
}

void ClassWindow::placeColumns()
{
    // The numbers as wide as they need; the file's name takes what they leave.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    int numbers = 0;
    for (int column = 1; column < kColumns; ++column) {
        m_table->resizeColumnToContents(column);
        numbers += m_table->columnWidth(column);
    }
    const int room =
        m_table->viewport()->width() - m_table->verticalScrollBar()->sizeHint().width();
    m_table->setColumnWidth(
        0, std::max(m_table->fontMetrics().horizontalAdvance(QStringLiteral("pupil-00.csv")),
                    room - numbers));
}

void ClassWindow::showPool()
{
    const ClassPool &pool = m_folder->pool();
    m_model->setRowCount(0);
    const auto addRow = [this](const QString &name, long long trials, const auto &counts,
                               const Shares &ratios, int decimals) {
        QList<QStandardItem *> row{new QStandardItem(name), numberItem(std::to_string(trials))};
        for (auto count : counts)
            row << numberItem(std::to_string(count));
        for (double share : ratios)
            row << numberItem(trials > 0 ? ratioText(share, decimals) : std::string());
        m_model->appendRow(row);
        return row;
    };
    for (const PooledRun &run : pool.runs) {
        Shares ratios{};
        for (std::size_t n = 0; n < ratios.size(); ++n)
            ratios[n] = run.run.trials > 0 ? double(run.run.counts[n]) / run.run.trials : 0;
        addRow(QString::fromStdString(run.name), run.run.trials, run.run.counts, ratios, 3);
    }
    // The class, with enough decimals to show how close it came.
    //: The class table's last row, which pools every run.
    for (QStandardItem *item : addRow(tr("Class"), pool.trials, pool.counts, pool.ratios, 4)) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    placeColumns();
    m_unpooled->clear();
    for (const UnpooledFile &file : pool.unpooled)
        //: A file of the class's folder that is not pooled: %1 its name, %2 why.
        m_unpooled->addItem(tr("%1: %2").arg(QString::fromStdString(file.name), reason(file)));
    drawFunnel(*m_funnel, m_funnel->designInnerSize(), pool);
    drawCurve();
}

void ClassWindow::drawCurve()
{
    (m_gapShown ? drawClassGapCurve : drawClassCurve)(*m_curve, m_curve->designInnerSize(),
                                                      m_folder->pool());
}

QString ClassWindow::reason(const UnpooledFile &file)
{
    const ReadProblem &p = file.problem;
    switch (p.problem) {
    case Problem::Empty:
        //: Why a file of the class's folder is not pooled, after its name.
        return tr("empty");
    case Problem::TooLarge:
        //: %1 is the file's size in kilobytes.
        return tr("too large for a results file (%1 KB)").arg(p.found / 1024);
    case Problem::NotUtf8:
        //: A file that holds something other than text (a picture, a document).
        return tr("not a text file");
    case Problem::NotResults:
        //: A text file that is not one Quindle saves (a note, another program's table).
        return tr("not a Quindle results file");
    case Problem::NewerVersion:
        //: A results file in a newer format than this program reads: %1 is its number.
        return tr("saved by a newer Quindle (format %1)").arg(p.found);
    case Problem::CutShort:
        if (p.section == Section::TrialLog)
            //: A file that ends early, in its list of trials: %1 the last trial in it, %2 the
            //: trials the run had.
            return tr("cut short after trial %1 of %2").arg(p.found).arg(p.expected);
        //: A file that ends early, before its list of trials.
        return tr("cut short before its end");
    case Problem::Duplicate:
        //: The same run as another file of the folder, which counts instead: %1 its name.
        return tr("a copy of %1").arg(QString::fromStdString(file.duplicateOf));
    case Problem::Inconsistent:
        break;
    }
    switch (p.inconsistency) {
    case Inconsistency::CountsNotAddingUp:
        //: %1 is the counts' sum, %n the number of trials the file states.
        return tr("inconsistent: the counts add up to %1, not %n trials", nullptr,
                  countForWords(p.expected))
            .arg(p.found);
    case Inconsistency::RatioMismatch:
        //: A file whose numbers do not agree with each other: %1 the line of the file.
        return tr("inconsistent: a ratio does not match its count (line %1)").arg(p.line);
    case Inconsistency::HistoryLength:
    case Inconsistency::HistoryNumbering:
    case Inconsistency::HistoryValue:
    case Inconsistency::HistoryFinalValue:
        //: The history is each outcome's share after each of its occurrences, kept for the graph;
        //: %1 is the line of the file.
        return tr("inconsistent: the history disagrees with the counts (line %1)").arg(p.line);
    case Inconsistency::LogNumbering:
    case Inconsistency::LogOutcome:
    case Inconsistency::LogTrials:
    case Inconsistency::LogTally:
        //: The trial log lists both coins' faces in every trial; %1 is the line of the file.
        return tr("inconsistent: the trial log disagrees with the counts (line %1)").arg(p.line);
    case Inconsistency::CountOutOfRange:
    case Inconsistency::TrialsOutOfRange:
        //: A run ends once an outcome has come up more than 1000 times: this file has more.
        return tr("inconsistent: more trials than a run can have");
    case Inconsistency::UnreadableRow:
    case Inconsistency::None:
        break;
    }
    //: A line where a number or a word was expected and something else stands: %1 its number.
    return tr("inconsistent: line %1 cannot be read").arg(p.line);
}

QString ClassWindow::tableText(QChar separator, NumberForm form) const
{
    QStringList lines;
    QStringList header{QStringLiteral("file"), QStringLiteral("trials")};
    for (int n = 1; n <= kOutcomes; ++n)
        header << outcomeFileName(n);
    for (int n = 1; n <= kOutcomes; ++n)
        header << outcomeFileName(n) + QStringLiteral(" ratio");
    lines << header.join(separator);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < kColumns; ++column) {
            const QStandardItem *item = m_model->item(row, column);
            fields << (column > 0 && form == NumberForm::Plain ? item->data(kPlainRole).toString()
                                                               : item->text());
        }
        if (row == m_model->rowCount() - 1)
            fields[0] = QStringLiteral("class");
        lines << fields.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ClassWindow::saveTable(const QString &path) const
{
    return writeTextSafely(path, tableText(QLatin1Char(','), NumberForm::Plain));
}

QImage ClassWindow::pictures()
{
    const QImage &funnel = m_funnel->image(), &curve = m_curve->image();
    QImage both(funnel.width() + curve.width(), std::max(funnel.height(), curve.height()),
                QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, funnel);
    painter.drawImage(funnel.width(), 0, curve);
    return both;
}

QString ClassWindow::savePictures(const QString &path)
{
    const QImage both = pictures();
    return writeFileSafely(path, [&both](QIODevice &file) { return both.save(&file, "PNG"); });
}

void ClassWindow::printPictures(QPaintDevice &printer) const
{
    QPainter painter(&printer);
    const QSizeF one = m_funnel->designInnerSize();
    constexpr double kGap = 12;
    //: The caption above the printed pictures: %1 the date, %2 the runs ("30 runs"), %3 the
    //: trials ("64020 trials").
    const QString caption = tr("Quindle, class results, %1: %2, %3")
                                .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat),
                                     runsText(m_folder->pool()), trialsText(m_folder->pool()));
    paintPage(painter, painter.viewport(), QSizeF(2 * one.width() + kGap, one.height()),
              m_funnel->textFont(), caption, [this, one](QPainter &p) {
                  m_funnel->renderVectors(p);
                  p.translate(one.width() + kGap, 0);
                  m_curve->renderVectors(p);
              });
}

QString ClassWindow::summary() const
{
    const ClassPool &pool = m_folder->pool();
    //: Said on demand: %1 the runs pooled ("30 runs"), %2 their trials ("64020 trials").
    QString said = tr("%1, %2 in all.").arg(runsText(pool), trialsText(pool));
    for (int n = 1; n <= kOutcomes && pool.trials > 0; ++n) {
        const auto slot = static_cast<std::size_t>(n - 1);
        if (m_gapShown) {
            //: Follows the runs and trials once per outcome in the gap view: %1 the outcome,
            //: %2 its pooled ratio, %3 how far its pooled count lies from a quarter of the
            //: trials ("312.5 above a quarter").
            said += tr(" %1 %2, %3.")
                        .arg(outcomeWords(n), shownRatio(pool.ratios[slot], 4),
                             gapWords(gapFromQuarter(pool.counts[slot], pool.trials)));
            continue;
        }
        //: Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.
        said += tr(" %1 %2.").arg(outcomeWords(n), shownRatio(pool.ratios[slot], 4));
    }
    const auto within = std::count_if(pool.runs.cbegin(), pool.runs.cend(),
                                      [](const PooledRun &run) { return inside(run.run); });
    const int runs = countForWords(std::ssize(pool.runs));
    //: Ends the summary: %1 of the %n runs have all four ratios inside the expected range.
    said += tr(" %1 of %n runs lie inside the expected range.", nullptr, runs).arg(within);
    return said;
}

} // namespace quindle

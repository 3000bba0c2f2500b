#include "windows/classroom/class_window.h"

#include "experiment/expected_range.h"
#include "windows/accessibility/accessibility.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_pictures.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/paper/paper.h"
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

namespace quindle {

namespace {

namespace roles = class_roles;

// The pictures are drawn in pixels: one user unit a pixel at 100 %.
constexpr double kTwipsPerUnit = 15;
constexpr int kColumns = 2 + 2 * kOutcomes; // file, trials, counts, ratios

QString ratio(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
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

    QStringList headers{tr("File"), tr("Trials")};
    for (int n = 1; n <= kOutcomes; ++n)
        headers << outcomeWords(n);
    for (int n = 1; n <= kOutcomes; ++n)
        //: A column of the class table, on two lines: %1 is an outcome ("Head Tail").
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
    auto *copy = new QAction(tr("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(tableText(QLatin1Char('\t'))); });
    auto *save = new QAction(tr("Save class results…"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] {
        saveThroughDialog(this, tr("Save class results"), QStringLiteral("quindle-class.csv"),
                          tr("CSV files (*.csv)"),
                          [this](const QString &path) { return saveTable(path); });
    });
    auto *copyPictures = new QAction(tr("Copy pictures"), this);
    connect(copyPictures, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(pictures()); });
    auto *savePictures = new QAction(tr("Save pictures…"), this);
    connect(savePictures, &QAction::triggered, this, [this] {
        saveThroughDialog(this, tr("Save pictures"), QStringLiteral("quindle-class.png"),
                          tr("PNG images (*.png)"),
                          [this](const QString &path) { return this->savePictures(path); });
    });
    auto *print = new QAction(tr("Print…"), this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        printThroughDialog(this, [this](QPaintDevice &printer) { printPictures(printer); });
    });
    auto *read = new QAction(tr("Read summary"), this);
    read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(read, &QAction::triggered, this,
            [this] { m_announcer->say(summary(), Speech::Outcome); });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &ClassWindow::zoomChosen);
    addActions({copy, save, copyPictures, savePictures, print, read, m_zoom->menuAction()});
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
        QList<QStandardItem *> row{new QStandardItem(name),
                                   new QStandardItem(QString::number(trials))};
        for (auto count : counts)
            row << new QStandardItem(QString::number(count));
        for (double share : ratios)
            row << new QStandardItem(trials > 0 ? ratio(share, decimals) : QString());
        for (int column = 1; column < kColumns; ++column)
            row[column]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
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
        m_unpooled->addItem(tr("%1: %2").arg(QString::fromStdString(file.name), reason(file)));
    drawFunnel(*m_funnel, m_funnel->designInnerSize(), pool);
    drawClassCurve(*m_curve, m_curve->designInnerSize(), pool);
}

QString ClassWindow::reason(const UnpooledFile &file)
{
    const ReadProblem &p = file.problem;
    switch (p.problem) {
    case Problem::Empty:
        //: Why a file of the class's folder is not pooled, after its name.
        return tr("empty");
    case Problem::TooLarge:
        return tr("too large for a results file (%1 KB)").arg(p.found / 1024);
    case Problem::NotUtf8:
        return tr("not a text file");
    case Problem::NotResults:
        return tr("not a Quindle results file");
    case Problem::NewerVersion:
        return tr("saved by a newer Quindle (format %1)").arg(p.found);
    case Problem::CutShort:
        return p.section == Section::TrialLog
                   ? tr("cut short after trial %1 of %2").arg(p.found).arg(p.expected)
                   : tr("cut short before its end");
    case Problem::Duplicate:
        return tr("a copy of %1").arg(QString::fromStdString(file.duplicateOf));
    case Problem::Inconsistent:
        break;
    }
    switch (p.inconsistency) {
    case Inconsistency::CountsNotAddingUp:
        return tr("inconsistent: the counts add up to %1, not %2 trials")
            .arg(p.found)
            .arg(p.expected);
    case Inconsistency::RatioMismatch:
        return tr("inconsistent: a ratio does not match its count (line %1)").arg(p.line);
    case Inconsistency::HistoryLength:
    case Inconsistency::HistoryNumbering:
    case Inconsistency::HistoryValue:
    case Inconsistency::HistoryFinalValue:
        return tr("inconsistent: the history disagrees with the counts (line %1)").arg(p.line);
    case Inconsistency::LogNumbering:
    case Inconsistency::LogOutcome:
    case Inconsistency::LogTrials:
    case Inconsistency::LogTally:
        return tr("inconsistent: the trial log disagrees with the counts (line %1)").arg(p.line);
    case Inconsistency::CountOutOfRange:
    case Inconsistency::TrialsOutOfRange:
        return tr("inconsistent: more trials than a run can have");
    case Inconsistency::UnreadableRow:
    case Inconsistency::None:
        break;
    }
    return tr("inconsistent: line %1 cannot be read").arg(p.line);
}

QString ClassWindow::tableText(QChar separator) const
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
        for (int column = 0; column < kColumns; ++column)
            fields << m_model->item(row, column)->text();
        if (row == m_model->rowCount() - 1)
            fields[0] = QStringLiteral("class");
        lines << fields.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ClassWindow::saveTable(const QString &path) const
{
    return writeTextSafely(path, tableText(QLatin1Char(',')));
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
    //: The caption above the printed pictures: %1 the date, %2 the runs, %3 the trials.
    const QString caption = tr("Quindle, class results, %1: %2 runs, %3 trials")
                                .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat))
                                .arg(m_folder->pool().runs.size())
                                .arg(m_folder->pool().trials);
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
    //: Said on demand: %1 the number of runs pooled, %2 their trials.
    QString said = tr("%1 runs, %2 trials in all.").arg(pool.runs.size()).arg(pool.trials);
    for (int n = 1; n <= kOutcomes && pool.trials > 0; ++n)
        //: Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.
        said += tr(" %1 %2.").arg(outcomeWords(n),
                                  ratio(pool.ratios[static_cast<std::size_t>(n - 1)], 4));
    const auto within = std::count_if(pool.runs.cbegin(), pool.runs.cend(),
                                      [](const PooledRun &run) { return inside(run.run); });
    //: %1 of %2 runs have all four ratios inside the expected range.
    said += tr(" %1 of %2 runs lie inside the expected range.").arg(within).arg(pool.runs.size());
    return said;
}

} // namespace quindle

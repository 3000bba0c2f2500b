// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/classroom/class_window.h"

#include "classroom/results_words.h"
#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/gap_from_quarter.h"
#include "windows/accessibility/accessibility.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_pictures.h"
#include "windows/classroom/class_table_model.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/controls/zoom.h"
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
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace quindle {

namespace {

namespace roles = class_roles;

// The pictures are drawn in pixels: one user unit a pixel at 100 %.
constexpr double kTwipsPerUnit = 15;

// The runs a class pooled and their trials, counted in words: "30 runs", "64020 trials".
QString runsText(const ClassPool &pool)
{
    const int runs = countInWords(std::ssize(pool.runs));
    //: The number of runs pooled, in the class window's summary and printed caption.
    return QCoreApplication::translate("quindle::ClassWindow", "%n runs", nullptr, runs);
}

QString trialsText(const ClassPool &pool)
{
    //: The number of trials of all runs pooled, in the summary and printed caption.
    return QCoreApplication::translate("quindle::ClassWindow", "%n trials", nullptr,
                                       countInWords(pool.trials));
}

} // namespace

ClassWindow::ClassWindow(const QString &folder, Preferences &preferences, const QWidget *beside)
    : m_folder(new ClassFolder(folder, this))
    , m_preferences(preferences)
    , m_runs(new ClassTableModel(this))
    , m_unpooledFiles(new UnpooledModel(this))
    , m_table(new QTableView(this))
    , m_unpooled(new QListView(this))
    , m_funnel(new DrawingSurface(kTwipsPerUnit, kTwipsPerUnit, this))
    , m_curve(new DrawingSurface(kTwipsPerUnit, kTwipsPerUnit, this))
    , m_announcer(new Announcer(this))
{
    setObjectName(QStringLiteral("ClassWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: The class window's title; %1 is the folder's name.
    setWindowTitle(tr("Class results: %1").arg(QDir(m_folder->path()).dirName()));
    const auto layout = classWindowLayout();
    buildControls(this, layout,
                  {{roles::runs, m_table},
                   {roles::unpooled, m_unpooled},
                   {roles::funnel, m_funnel},
                   {roles::curve, m_curve}});
    findControl<QLabel>(this, layout, roles::folder)->setText(QDir::toNativeSeparators(folder));
    m_folderState = findControl<QLabel>(this, layout, roles::folderState);
    m_folderState->hide();

    m_table->setModel(m_runs);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    m_table->verticalHeader()->hide();
    m_unpooled->setModel(m_unpooledFiles);
    m_unpooled->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_unpooled->setFocusPolicy(Qt::StrongFocus);
    placeResizableWindow(this, kClassWindowPlace, m_zoomPercent, beside);
    fitToSize();

    auto *close = findControl<QPushButton>(this, layout, roles::closeButton);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    m_sharesDescriptions = {m_funnel->accessibleDescription(), m_curve->accessibleDescription()};
    buildContextMenu();
    connect(m_folder, &ClassFolder::pooled, this, [this] { guarded([this] { showPool(); }); });
    connect(m_folder, &ClassFolder::folderErrorChanged, this,
            [this] { guarded([this] { showFolderState(); }); });
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
        saveThroughDialog(this, m_preferences, title, QStringLiteral("quindle-class.csv"),
                          tr("CSV files (*.csv)"),
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
        saveThroughDialog(this, m_preferences, title, QStringLiteral("quindle-class.png"),
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
    connect(read, &QAction::triggered, this, &ClassWindow::readSummary);
    QAction *gapView = makeGapViewAction();
    QAction *headsView = makeHeadsViewAction();
    // One view at a time, or neither: turning one on turns the other off.
    auto *views = new QActionGroup(this);
    views->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    views->addAction(gapView);
    views->addAction(headsView);
    QAction *streaks = makeStreaksAction(this, [this] { emit streaksRequested(); });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &ClassWindow::zoomChosen);
    addActions({copy, save, copyPictures, savePictures, print, read, gapView, headsView, streaks,
                m_zoom->menuAction()});
}

void ClassWindow::readSummary()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    m_announcer->say(summary(), Speech::Outcome);
#else
    // Orca 43 reads only what the focus comes to: neither an announcement (Qt 6.4 has none) nor
    // a description that changes on the focused table. The folder's line takes the focus,
    // holding the summary as its name until the focus leaves it; pressed there, Read summary
    // gives the focus back to the table, with the summary as its description.
    auto *line = findControl<QLabel>(this, classWindowLayout(), roles::folder);
    if (focusWidget() == line) {
        m_table->setFocus(Qt::ShortcutFocusReason);
        m_announcer->say(summary(), Speech::Outcome);
        return;
    }
    const QString name = line->accessibleName();
    line->setAccessibleName(summary());
    line->setFocusPolicy(Qt::ClickFocus); // Tab still passes it by
    line->setFocus(Qt::ShortcutFocusReason);
    auto *left = new QObject(line);
    connect(qApp, &QApplication::focusChanged, left, [line, name, left](QWidget *old) {
        if (old == line) {
            line->setAccessibleName(name);
            line->setFocusPolicy(Qt::NoFocus);
            left->deleteLater();
        }
    });
#endif
}

// The class curve turned into the class's gaps from a quarter, as in the graph window.
QAction *ClassWindow::makeGapViewAction()
{
    //: The class window's context menu: a check mark turns the class curve into each outcome's
    //: gap from a quarter of the class's trials.
    auto *gapView = new QAction(tr("Show gap from a quarter"), this);
    gapView->setCheckable(true);
    gapView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // Toggled, not triggered: the other view turned on turns this one off without a trigger.
    connect(gapView, &QAction::toggled, this, [this](bool shown) {
        m_gapShown = shown;
        showView();
    });
    return gapView;
}

// The pictures' words for a screen reader and the pictures themselves, in the view that is on.
void ClassWindow::showView()
{
    //: What a screen reader says the class curve shows in the gap view.
    const QString gaps = tr("Each outcome's count minus a quarter of all the "
                            "class's trials so far, run after run");
    m_curve->setAccessibleDescription(m_gapShown     ? gaps
                                      : m_headsShown ? headsCurveDescription()
                                                     : m_sharesDescriptions.curve);
    m_funnel->setAccessibleDescription(m_headsShown ? headsFunnelDescription()
                                                    : m_sharesDescriptions.funnel);
    drawPictures();
}

void ClassWindow::setZoom(int zoom)
{
    m_zoomPercent = zoom;
    applyZoom(this, classWindowLayout(), zoom);
    m_fitted.reset(); // the controls are at their design size again
    placeResizableWindow(this, kClassWindowPlace, zoom);
    fitToSize();
    m_zoom->show(zoom);
}

void ClassWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Its frame is known once it is shown: still wholly on the screen with it.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !isMaximized() &&
                !screen()->availableGeometry().contains(frameGeometry()))
                placeResizableWindow(this, kClassWindowPlace, m_zoomPercent);
        });
}

void ClassWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToSize();
}

// The controls as large as the window is, the table's columns and the pictures with them.
void ClassWindow::fitToSize()
{
    const QSize designed(zoomed(kClassWindowPlace.width, m_zoomPercent),
                         zoomed(kClassWindowPlace.height, m_zoomPercent));
    const QSize extra = size() - designed;
    if (m_fitted == extra)
        return;
    m_fitted = extra;
    fitControls(this, classWindowLayout(), m_zoomPercent, extra);
    placeColumns();
    drawPictures();
}

void ClassWindow::placeColumns()
{
    // The numbers as wide as the largest can be, the file's name takes what they leave: worked
    // out from the header and the class's own numbers, never by measuring every row.
    const QFontMetrics metrics = m_table->fontMetrics();
    const int padding = 2 * (m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) +
                        metrics.horizontalAdvance(QLatin1Char('0'));
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    const ClassPool &pool = m_runs->pool();
    int numbers = 0;
    for (int column = 1; column < ClassTableModel::kColumns; ++column) {
        QString widest = QStringLiteral("0.0000");
        if (column == 1)
            widest = QString::number(std::max<long long>(pool.trials, kMaxShownTrials));
        else if (column < ClassTableModel::kRatioColumn)
            widest = QString::number(
                std::max<long long>(pool.counts[static_cast<std::size_t>(column - 2)], kRunLimit));
        const int width = std::max(m_table->horizontalHeader()->sectionSizeHint(column),
                                   metrics.horizontalAdvance(widest) + padding);
        m_table->setColumnWidth(column, width);
        numbers += width;
    }
    const int room =
        m_table->viewport()->width() - m_table->verticalScrollBar()->sizeHint().width();
    m_table->setColumnWidth(
        0, std::max(metrics.horizontalAdvance(QStringLiteral("pupil-00.csv")) + padding,
                    room - numbers));
}

void ClassWindow::showPool()
{
    const std::shared_ptr<const ClassPool> &pool = m_folder->sharedPool();
    m_runs->setPool(pool);
    std::vector<UnpooledRow> unpooled;
    unpooled.reserve(pool->unpooled.size());
    for (const UnpooledFile &file : pool->unpooled)
        //: A file of the class's folder that is not pooled: %1 its name, %2 why.
        unpooled.push_back({file.name, tr("%1: %2").arg(displayName(file.name), reason(file))});
    m_unpooledFiles->setFiles(unpooled);
    placeColumns();
    drawPictures();
}

void ClassWindow::showFolderState()
{
    const int error = m_folder->folderError();
    m_folderState->setVisible(error != 0);
    if (error == 0)
        return;
    //: Under the folder's path while the folder cannot be read; %1 is the system's reason,
    //: such as "No such file or directory".
    m_folderState->setText(tr("The folder cannot be read: %1. The class is shown as it was "
                              "last read.")
                               .arg(qt_error_string(error)));
    m_announcer->say(m_folderState->text(), Speech::Outcome);
}

namespace {

// How wide surface draws a text at its zoom, in its user units.
TextWidth textWidth(const DrawingSurface &surface)
{
    return [metrics = QFontMetrics(surface.zoomedTextFont()),
            zoom = surface.zoom()](const std::string &text) {
        return static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(text))) *
               kDesignZoom / static_cast<float>(zoom);
    };
}

} // namespace

void ClassWindow::drawPictures()
{
    (m_headsShown ? drawHeadsFunnel : drawFunnel)(*m_funnel, m_funnel->designInnerSize(),
                                                  m_runs->pool(), textWidth(*m_funnel));
    const auto curve = m_gapShown     ? drawClassGapCurve
                       : m_headsShown ? drawClassHeadsCurve
                                      : drawClassCurve;
    curve(*m_curve, m_curve->designInnerSize(), m_runs->pool(), textWidth(*m_curve));
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
    if (m_headsShown) // the number of heads instead of the four outcomes
        return said + headsSummary(pool);
    for (int n = 1; n <= kOutcomes && pool.trials > 0; ++n) {
        const std::size_t slot = outcomeIndex(n);
        if (m_gapShown) {
            //: Follows the runs and trials once per outcome in the gap view: %1 the outcome,
            //: %2 its pooled ratio, %3 how far its pooled count lies from a quarter of the
            //: trials ("its count 312.5 above a quarter of the trials").
            said += tr(" %1 %2, %3.")
                        .arg(outcomeWords(n), shownRatio(pool.ratios[slot], 4),
                             gapWords(gapFromQuarter(pool.counts[slot], pool.trials)));
            continue;
        }
        //: Follows the runs and trials once per outcome: %1 the outcome, %2 its pooled ratio.
        said += tr(" %1 %2.").arg(outcomeWords(n), shownRatio(pool.ratios[slot], 4));
    }
    // A class without a trial (no runs, or only runs without one) has no ratios to tell of.
    if (const RatiosInRange counted = ratiosInRange(pool); counted.ratios > 0)
        //: Ends the summary: %1 of the %n ratios of the runs (four each) lie inside the
        //: expected range; chance keeps about 95 % of them there. Never said with no ratios.
        said += tr(" %1 of %n ratios lie inside the expected range, where about 95 % are "
                   "expected.",
                   nullptr, countInWords(counted.ratios))
                    .arg(counted.inside);
    if (m_folder->folderError() != 0)
        said += QLatin1Char(' ') + m_folderState->text();
    return said;
}

} // namespace quindle

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/streaks/streaks_window.h"

#include "windows/accessibility/accessibility.h"
#include "windows/controls/focus_frame.h"
#include "windows/controls/zoom.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/layout/window_place.h"
#include "windows/paper/paper.h"
#include "windows/streaks/streaks_words.h"
#include "windows/support/numbers.h"
#include "windows/support/runtime_errors.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quindle {

namespace {

// The window's least size at 100 %, and its place when it opens beside no other window.
constexpr WindowSpec kStreaksWindowPlace{300, 60, 960, 660};
// How often the window looks at the runs while it is shown.
constexpr int kRefreshMs = 250;
// A typed sequence is said to a screen reader once the typing has paused this long.
constexpr int kTypingPauseMs = 900;

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont bold;
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A label the keyboard can come to, with a dotted frame while it has the focus.
class FocusableLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            drawFocusFrame(painter, this, rect());
        }
    }
};

QLabel *paragraph(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// A table that shows all its rows and columns at their contents' size, read cell by cell: Tab
// leaves it, the arrows move in it.
QTableView *tableView(QStandardItemModel *model, const QString &name, const char *objectName,
                      QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QLatin1String(objectName));
    view->setModel(model);
    view->setAccessibleName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

} // namespace

StreaksWindow::StreaksWindow(Scope scope, Source source, const QWidget *beside)
    : m_scope(scope)
    , m_source(std::move(source))
    , m_longest(new QStandardItemModel(this))
    , m_after(new QStandardItemModel(this))
    , m_sequence(new QStandardItemModel(this))
    , m_announcer(new Announcer(this))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("StreaksWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (scope == Scope::Run)
        //: The streaks window's title, on the pupil's run.
        setWindowTitle(tr("Streaks in the run"));
    else
        //: The streaks window's title, on a class's runs.
        setWindowTitle(tr("Streaks in the class"));
    buildControls();
    buildContextMenu();
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, [this] { guarded([this] { refresh(); }); });
    refresh();
    placeResizableWindow(this, place(), m_zoomPercent, beside);
    m_longestView->setFocus();
}

StreaksWindow::~StreaksWindow() = default;

void StreaksWindow::buildControls()
{
    // The longest streaks and the invented sequence side by side, what came after a streak
    // across both below them.
    auto *content = new QWidget;
    m_content = content;
    auto *grid = new QGridLayout(content);
    m_scopeLabel = new FocusableLabel(content);
    m_scopeLabel->setTextFormat(Qt::PlainText);
    m_scopeLabel->setWordWrap(true);
    m_scopeLabel->setObjectName(QStringLiteral("streaksScope"));
    // The main findings, under what the tables are of: Read streaks brings the focus here, where
    // a screen reader reads them (Tab reaches them too), and a dotted frame shows it.
    m_scopeLabel->setFocusPolicy(Qt::StrongFocus);
    grid->addWidget(m_scopeLabel, 0, 0, 1, 2);

    grid->addLayout(buildLongestPart(content), 1, 0);
    m_sequencePart = buildSequencePart(content);
    m_afterPart = buildAfterPart(content);
    arrange(true);
    grid->setRowStretch(4, 1);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(14);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    //: The streaks window's button that closes it.
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeStreaks"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(scroll);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    outer->addLayout(buttons);
}

QLayout *StreaksWindow::buildLongestPart(QWidget *content)
{
    auto *left = new QVBoxLayout;
    //: The heading of the streaks window's first table.
    const QString longest = tr("Longest streaks");
    left->addWidget(heading(longest, content));
    //: Above the table of longest streaks.
    left->addWidget(paragraph(tr("A streak is the same result several times in a row. Real "
                                 "sequences of chance have longer streaks than most people "
                                 "expect."),
                              content));
    m_longestView = tableView(m_longest, longest, "longestStreaks", content);
    left->addWidget(m_longestView, 0, Qt::AlignLeft);
    left->addStretch();
    return left;
}

QLayout *StreaksWindow::buildAfterPart(QWidget *content)
{
    auto *below = new QVBoxLayout;
    //: The heading of the table of what came after a streak.
    const QString after = tr("After a streak");
    below->addWidget(heading(after, content));
    //: Above the table of what came after a streak.
    below->addWidget(paragraph(tr("After k of the same in a row, how often was the next trial "
                                  "the same again? Streaks overlap: in a streak of 5, the trials "
                                  "after its 3rd, 4th and 5th result each follow 3 in a row. "
                                  "Nothing follows the last trial of a run."),
                               content));
    m_afterView = tableView(m_after, after, "afterStreak", content);
    below->addWidget(m_afterView, 0, Qt::AlignLeft);
    return below;
}

QLayout *StreaksWindow::buildSequencePart(QWidget *content)
{
    auto *column = new QVBoxLayout;
    //: The heading of the part where a pupil types an invented sequence.
    column->addWidget(heading(tr("Real or invented?"), content));
    const QString head = QString::fromUcs4(std::array{headMark()}.data(), 1);
    const QString tail = QString::fromUcs4(std::array{tailMark()}.data(), 1);
    //: Above the field for an invented sequence: %1 and %2 the letters for Head and Tail, %n
    //: the fewest faces it needs.
    QLabel *prompt = paragraph(tr("Invent a coin's faces as you think a real coin falls, and type "
                                  "them here: %1 for Head, %2 for Tail, at least %n faces.",
                                  nullptr, static_cast<int>(kFewestTypedFaces))
                                   .arg(head, tail),
                               content);
    column->addWidget(prompt);
    m_typed = new QLineEdit(content);
    m_typed->setObjectName(QStringLiteral("typedSequence"));
    m_typed->setMaxLength(kMostTypedCharacters);
    m_typed->setAccessibleName(prompt->text());
    prompt->setBuddy(m_typed);
    column->addWidget(m_typed);
    m_typedState = paragraph({}, content);
    m_typedState->setObjectName(QStringLiteral("typedSequenceState"));
    column->addWidget(m_typedState);
    //: The heading of the table that measures an invented sequence.
    m_sequenceView =
        tableView(m_sequence, tr("Your sequence against real ones"), "realOrInvented", content);
    m_sequenceView->hide();
    column->addWidget(m_sequenceView, 0, Qt::AlignLeft);

    auto *pause = new QTimer(this);
    pause->setSingleShot(true);
    pause->setInterval(kTypingPauseMs);
    connect(pause, &QTimer::timeout, this, [this] {
        if (!m_typedState->text().isEmpty())
            m_announcer->say(m_typedState->text(), Speech::Progress);
    });
    connect(m_typed, &QLineEdit::textChanged, this, [this, pause] {
        guarded([this] { checkTypedSequence(); });
        pause->start();
    });
    column->addStretch();
    return column;
}

void StreaksWindow::buildContextMenu()
{
    useActionsAsContextMenu(this);
    //: The streaks window's context menu: puts its tables on the clipboard.
    auto *copy = new QAction(tr("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(tablesText()); });
    //: The context menu: prints the tables, by the print dialog.
    auto *print = new QAction(tr("Print…"), this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        printThroughDialog(this, [this](QPaintDevice &printer) {
            if (auto *paged = dynamic_cast<QPagedPaintDevice *>(&printer))
                tablesDocument()->print(paged);
        });
    });
    //: The context menu: a screen reader says the main findings in a sentence.
    auto *read = new QAction(tr("Read streaks"), this);
    read->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(read, &QAction::triggered, this, [this] {
        if (focusWidget() == m_scopeLabel)
            m_announcer->say(m_scopeLabel->accessibleName(), Speech::Outcome);
        else
            m_scopeLabel->setFocus(Qt::ShortcutFocusReason);
    });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &StreaksWindow::zoomChosen);
    addActions({copy, print, read, m_zoom->menuAction()});
}

void StreaksWindow::setZoom(int zoom)
{
    m_zoomPercent = zoom;
    setFont(zoomedFont(QApplication::font(), zoom));
    placeResizableWindow(this, place(), zoom);
    fitTables();
    m_zoom->show(zoom);
}

// The width the tables take, with the margins around them and room for a scroll bar: the longest
// streaks and the invented sequence side by side above the after-a-streak table, or all three
// one below the other.
int StreaksWindow::tablesWidth(bool sideBySide) const
{
    const auto *grid = static_cast<QGridLayout *>(m_content->layout());
    const int sequence = std::max(m_sequenceView->isHidden() ? 0 : m_sequenceView->minimumWidth(),
                                  m_typed->sizeHint().width());
    const int longest = m_longestView->minimumWidth();
    const int tables = std::max(sideBySide ? longest + grid->horizontalSpacing() + sequence
                                           : std::max(longest, sequence),
                                m_afterView->minimumWidth());
    const QMargins margins = grid->contentsMargins() + layout()->contentsMargins();
    return tables + margins.left() + margins.right() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

// Side by side where the screen is wide enough for it, else one below the other.
void StreaksWindow::arrange(bool sideBySide)
{
    auto *grid = static_cast<QGridLayout *>(m_content->layout());
    grid->removeItem(m_sequencePart);
    grid->removeItem(m_afterPart);
    if (sideBySide) {
        grid->addLayout(m_sequencePart, 1, 1);
        grid->addLayout(m_afterPart, 2, 0, 1, 2);
    } else {
        grid->addLayout(m_sequencePart, 2, 0, 1, 2);
        grid->addLayout(m_afterPart, 3, 0, 1, 2);
    }
    m_sideBySide = sideBySide;
}

WindowSpec StreaksWindow::place()
{
    const QRect room = screen()->availableGeometry();
    const bool sideBySide = tablesWidth(true) <= room.width() - (frameGeometry().width() - width());
    if (sideBySide != m_sideBySide)
        arrange(sideBySide);
    WindowSpec spec = kStreaksWindowPlace;
    spec.width = std::max(spec.width, (tablesWidth(sideBySide) * kDesignZoom + m_zoomPercent - 1) /
                                          m_zoomPercent);
    return spec;
}

void StreaksWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
    m_timer->start();
    // Its frame is known once it is shown: still wholly on the screen with it.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !isMaximized() &&
                !screen()->availableGeometry().contains(frameGeometry()))
                placeResizableWindow(this, place(), m_zoomPercent);
        });
}

void StreaksWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_timer->stop();
}

void StreaksWindow::refresh()
{
    Runs runs = m_source();
    const bool same =
        runs.withoutOrder == m_withoutOrder &&
        std::ranges::equal(runs.logs, m_logs,
                           [](std::span<const LoggedTrial> now, const LoggedTrials &shown) {
                               return std::ranges::equal(now, shown);
                           });
    if (same)
        return;
    m_tables = streakTables(runs.logs);
    m_logs.clear();
    for (const std::span<const LoggedTrial> log : runs.logs)
        m_logs.emplace_back(log.begin(), log.end());
    m_withoutOrder = runs.withoutOrder;
    showTables();
}

void StreaksWindow::showTables()
{
    long long trials = 0;
    for (const LoggedTrials &log : m_logs)
        trials += std::ssize(log);
    QString scope;
    if (m_scope == Scope::Run)
        //: Above the streaks window's tables, on the pupil's run.
        scope = tr("Streaks in this run: %Ln trials.", nullptr, countInWords(trials));
    else
        //: Above the streaks window's tables, on a class: %n runs, %1 trials in all.
        scope = tr("Streaks in the class: %n runs with %1 trials, each run on its own (no streak "
                   "runs from one run into the next).",
                   nullptr, countInWords(std::ssize(m_logs)))
                    .arg(countWords(trials));
    if (m_withoutOrder > 0)
        //: After the class's runs: runs whose files keep only their counts are left out.
        scope += QLatin1Char(' ') +
                 tr("%n runs are left out: their files do not keep the order of the trials.",
                    nullptr, countInWords(m_withoutOrder));
    m_scopeLabel->setText(scope + QLatin1Char('\n') + summary());
    m_scopeLabel->setAccessibleName(scope + QLatin1Char(' ') + summary());
    showLongest();
    showAfter();
    checkTypedSequence();
    fitTables();
}

// Each table as large as its rows and columns, so that the window scrolls rather than the table.
void StreaksWindow::fitTables()
{
    for (QTableView *view : {m_longestView, m_afterView, m_sequenceView}) {
        view->resizeColumnsToContents();
        view->resizeRowsToContents();
        int height = view->horizontalHeader()->sizeHint().height() + 2 * view->frameWidth();
        for (int row = 0; row < view->model()->rowCount(); ++row)
            height += view->rowHeight(row);
        int width = 2 * view->frameWidth();
        for (int column = 0; column < view->model()->columnCount(); ++column)
            width += view->columnWidth(column);
        view->setFixedSize(width, height);
    }
    // Tables that grew wider than the window make the window as wide, where the screen has room.
    if (!m_content || !isVisible())
        return;
    if (const WindowSpec spec = place(); spec.width != m_placedWidth) {
        m_placedWidth = spec.width;
        placeResizableWindow(this, spec, m_zoomPercent);
    }
}

QString StreaksWindow::summary() const
{
    if (m_scope == Scope::Class)
        return streaksSummary(m_tables, std::ssize(m_logs));
    return streaksSummary(m_tables);
}

} // namespace quindle

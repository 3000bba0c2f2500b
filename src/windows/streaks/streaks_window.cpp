// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/streaks/streaks_window.h"

#include "windows/accessibility/accessibility.h"
#include "windows/controls/zoom.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/layout/window_place.h"
#include "windows/paper/paper.h"
#include "windows/streaks/streaks_words.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"
#include "windows/support/runtime_errors.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStandardItemModel>
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
// The most characters the field for a typed sequence takes.
constexpr int kMostTypedCharacters = 4000;

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont bold;
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

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

void setCell(QStandardItemModel *model, int row, int column, const QString &text)
{
    QStandardItem *item = model->item(row, column);
    if (!item) {
        item = new QStandardItem;
        item->setEditable(false);
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
}

std::vector<Result> facesOf(const std::vector<Face> &faces)
{
    std::vector<Result> results;
    results.reserve(faces.size());
    for (const Face face : faces)
        results.push_back(static_cast<Result>(face));
    return results;
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
    placeResizableWindow(this, kStreaksWindowPlace, m_zoomPercent, beside);
    refresh();
    m_longestView->setFocus();
}

StreaksWindow::~StreaksWindow() = default;

void StreaksWindow::buildControls()
{
    // The longest streaks and the invented sequence side by side, what came after a streak
    // across both below them.
    auto *content = new QWidget;
    auto *grid = new QGridLayout(content);
    m_scopeLabel = paragraph({}, content);
    m_scopeLabel->setObjectName(QStringLiteral("streaksScope"));
    grid->addWidget(m_scopeLabel, 0, 0, 1, 2);

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
    grid->addLayout(left, 1, 0);

    auto *right = new QVBoxLayout;
    buildSequenceControls(right, content);
    right->addStretch();
    grid->addLayout(right, 1, 1);

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
    grid->addLayout(below, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
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

void StreaksWindow::buildSequenceControls(QVBoxLayout *column, QWidget *content)
{
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
    connect(read, &QAction::triggered, this,
            [this] { m_announcer->say(summary(), Speech::Outcome); });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &StreaksWindow::zoomChosen);
    addActions({copy, print, read, m_zoom->menuAction()});
}

void StreaksWindow::setZoom(int zoom)
{
    m_zoomPercent = zoom;
    setFont(zoomedFont(QApplication::font(), zoom));
    placeResizableWindow(this, kStreaksWindowPlace, zoom);
    fitTables();
    m_zoom->show(zoom);
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
                placeResizableWindow(this, kStreaksWindowPlace, m_zoomPercent);
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
    m_scopeLabel->setText(scope);
    showLongest();
    showAfter();
    checkTypedSequence();
    fitTables();
}

void StreaksWindow::showLongest()
{
    m_longest->setHorizontalHeaderLabels({
        //: The first column of the longest streaks' table: an outcome, or Coin1.
        tr("Result"),
        //: A column: the longest streak of the result in the trials.
        tr("Longest streak"),
        //: A column: the longest streak that chance gives as often above as below.
        tr("Usual (median)"),
        //: A column: the range that chance keeps the longest streak in, 95 % of the time.
        tr("95 % of the time"),
    });
    const auto showRow = [this](int row, const QString &name, const LongestStreakRow &streak) {
        const bool none = m_tables.trials == 0;
        setCell(m_longest, row, 0, name);
        setCell(m_longest, row, 1, none ? QStringLiteral("–") : countWords(streak.longest));
        setCell(m_longest, row, 2, none ? QStringLiteral("–") : countWords(streak.chance.median));
        setCell(m_longest, row, 3, none ? QStringLiteral("–") : rangeWords(streak.chance));
    };
    for (int n = 1; n <= kOutcomes; ++n)
        showRow(n - 1, outcomeWords(n), m_tables.outcomes[static_cast<std::size_t>(n - 1)]);
    //: A row of the longest streaks' table: the longest streak of whichever outcome, against
    //: what chance gives the longest of any of the four.
    showRow(kOutcomes, tr("Any outcome"), m_tables.anyOutcome);
    //: A row of the longest streaks' table: Coin1 alone, a streak of either face.
    showRow(kOutcomes + 1, tr("Coin1, either face"), m_tables.coin1);
}

void StreaksWindow::showAfter()
{
    m_after->setHorizontalHeaderLabels({
        //: The first column of the after-a-streak table.
        tr("After"),
        //: A column: how many trials followed k of the same in a row.
        tr("Times"),
        //: A column: how many of those trials were the same again.
        tr("Next the same"),
        //: A column: the share of those trials that were the same again.
        tr("Share the same"),
        //: A column: the share that chance gives: a quarter for an outcome, a half for a face.
        tr("Expected"),
        //: A column: the range chance keeps that share in, 95 % of the time, for so many times.
        tr("95 % of the time"),
    });
    const int rows = static_cast<int>(m_tables.afterOutcome.size() + m_tables.afterCoin1.size());
    m_after->setRowCount(rows);
    int row = 0;
    for (const bool coin1 : {false, true}) {
        for (const AfterStreakRow &after : coin1 ? m_tables.afterCoin1 : m_tables.afterOutcome) {
            const long long cases = after.counted.cases;
            setCell(m_after, row, 0, afterRowWords(after.k, coin1));
            setCell(m_after, row, 1, countWords(cases));
            setCell(m_after, row, 2, countWords(after.counted.repeats));
            setCell(m_after, row, 3, shareWords(after.counted.repeats, cases));
            setCell(m_after, row, 4, QLocale().toString(after.expected));
            setCell(m_after, row, 5, shareRangeWords(after.chance, cases));
            ++row;
        }
    }
}

std::optional<std::vector<Result>> StreaksWindow::coin1Faces(std::size_t length) const
{
    for (const LoggedTrials &log : m_logs) {
        if (log.size() < length)
            continue;
        std::vector<Result> faces;
        faces.reserve(length);
        for (std::size_t i = 0; i < length; ++i)
            faces.push_back(static_cast<Result>(log[i].face(1)));
        return faces;
    }
    return std::nullopt;
}

void StreaksWindow::checkTypedSequence()
{
    const TypedFaces typed =
        readTypedFaces(m_typed->text().toStdU32String(), headMark(), tailMark());
    QString state = typedFacesProblem(typed);
    const bool measured = state.isEmpty();
    if (measured) {
        const SequenceCheck check = checkSequence(facesOf(typed.faces));
        showSequence(check);
        state = sequenceVerdict(check);
    }
    m_sequenceView->setVisible(measured);
    m_typedState->setText(state);
    m_typed->setAccessibleDescription(state);
    fitTables();
}

void StreaksWindow::showSequence(const SequenceCheck &check)
{
    const int length = countInWords(check.length);
    const std::optional<std::vector<Result>> coin1 =
        coin1Faces(static_cast<std::size_t>(check.length));
    m_sequence->setHorizontalHeaderLabels({
        //: The first column of the table that measures a typed sequence.
        tr("Sequence"),
        //: A column: the longest streak of the same face.
        tr("Longest streak"),
        //: A column: how often a face differs from the one before it.
        tr("Switches"),
    });
    //: A row: the typed sequence's measures, of %n faces.
    setCell(m_sequence, 0, 0, tr("Yours: %n faces", nullptr, length));
    setCell(m_sequence, 0, 1, countWords(check.longest));
    setCell(m_sequence, 0, 2, countWords(check.switches));
    if (m_scope == Scope::Run)
        //: A row: the same measures of Coin1's first %n faces in the run.
        setCell(m_sequence, 1, 0, tr("Coin1's first %n faces in this run", nullptr, length));
    else
        //: A row: the same of Coin1's first %n faces in the class's first run with as many
        //: trials.
        setCell(m_sequence, 1, 0, tr("Coin1's first %n faces in a run", nullptr, length));
    const QString none = QStringLiteral("–");
    const std::optional<SequenceCheck> real =
        coin1 ? std::optional(checkSequence(*coin1)) : std::nullopt;
    setCell(m_sequence, 1, 1, real ? countWords(real->longest) : none);
    setCell(m_sequence, 1, 2, real ? countWords(real->switches) : none);
    //: A row: the range real sequences of that length keep each measure in, 95 % of the time.
    setCell(m_sequence, 2, 0, tr("Real ones, 95 % of the time"));
    setCell(m_sequence, 2, 1, rangeWords(check.longestChance));
    setCell(m_sequence, 2, 2, rangeWords(check.switchChance));
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
}

QString StreaksWindow::summary() const
{
    if (m_scope == Scope::Class)
        return streaksSummary(m_tables, std::ssize(m_logs));
    return streaksSummary(m_tables);
}

} // namespace quindle

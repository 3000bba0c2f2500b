// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/experiment/experiment_window.h"

#include "sound/cue_player.h"
#include "windows/accessibility/accessibility.h"
#include "windows/controls/picture.h"
#include "windows/controls/transient_message.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/experiment/result_table.h"
#include "windows/experiment/results_export.h"
#include "windows/experiment/run_table_model.h"
#include "windows/experiment/shown_cells.h"
#include "windows/input/activation.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/support/hand_in.h"
#include "windows/support/outcome_names.h"
#include "windows/support/preferences.h"
#include "windows/support/runtime_errors.h"
#include "windows/support/saving.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace quindle {

namespace {

namespace roles = experiment_roles;

constexpr int kProgressMs = 5000;

// A timer that asks for ticks as fast as the platform gives them.
QTimer *makeTimer(QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setInterval(1);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

} // namespace

ExperimentWindow::ExperimentWindow(ExperimentRecord &record, RandomSource &random, Clock &clock,
                                   Preferences &preferences)
    : m_cuePlayer(new CuePlayer(this))
    , m_flipTimer(makeTimer(this))
    , m_trialTimer(makeTimer(this))
    , m_announcer(new Announcer(this))
    , m_run(new RunTableModel(this))
    , m_record(record)
    , m_preferences(preferences)
    , m_control(record, *this, random, clock, *m_cuePlayer)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(experimentWindowCaption());
    setWindowIcon(QIcon(readPicture(QStringLiteral(":/coin_head.bmp"))));

    buildControls(this, experimentWindowLayout(),
                  {{roles::cueDevice, m_cuePlayer},
                   {roles::timer(Timer::Flip), m_flipTimer},
                   {roles::timer(Timer::Trial), m_trialTimer}});
    placeWindow(this, kExperimentWindowPlace);
    findControls();
    // The table's hidden headers measure a line of text as they are made, in the font they
    // inherit: made under the value cells' font, they load no face the window never shows
    // (a fifth of the start-up's font work). The window's own font goes back to inheriting.
    setFont(m_cells[0][0]->font());
    m_shown = std::make_unique<ShownCells>(this, *m_run, m_cells, m_trialTotal, *m_announcer);
    m_table = new ResultTable(m_run, m_cells, this);
    m_table->setFont(font());
    setFont(QFont());
    setTabOrder(button(Button::Help), m_table);
    connectButtons();
    connectTimers();
    buildContextMenu();
    ActivationWatcher::instance().watch(this, [this] { handle(&ExperimentControl::activate); });
    button(Button::Start)->setFocus();
    handle(&ExperimentControl::load);
}

ExperimentWindow::~ExperimentWindow() = default;

void ExperimentWindow::findControls()
{
    const auto layout = experimentWindowLayout();
    for (CellKind kind : {CellKind::Count, CellKind::Ratio}) {
        for (int n = 1; n <= kOutcomes; ++n) {
            QLabel *cell = findControl<QLabel>(this, layout, roles::cell(kind, n));
            if (kind == CellKind::Count)
                //: What a screen reader calls a count cell; %1 is the outcome ("Head Tail").
                cell->setAccessibleName(tr("%1 frequency").arg(outcomeWords(n)));
            else
                //: What a screen reader calls a ratio cell: the outcome's share of the trials so
                //: far, its relative frequency (not a probability); %1 is the outcome.
                cell->setAccessibleName(tr("%1 probability").arg(outcomeWords(n)));
            m_cells[static_cast<std::size_t>(kind)][static_cast<std::size_t>(n - 1)] = cell;
        }
    }
    m_trialTotal = findControl<QLabel>(this, layout, roles::trialTotal);
    for (int coin : {1, 2}) {
        for (Face face : {Face::Head, Face::Tail})
            m_faces[static_cast<std::size_t>(coin - 1)][static_cast<std::size_t>(face)] =
                findControl<Picture>(this, layout, roles::face(coin, face));
    }
    // The coin pictures carry 表 and 裏, which read as head and tail only in Japanese: a
    // language with marks of its own has them drawn on the coins instead.
    //: The mark on the coin pictures' head face, in place of the pictures' own 表: a letter or
    //: two that pupils read as the head (its word's first letter), drawn about 18 pixels tall
    //: across a coin 30 pixels wide. Keep 表 to show the original pictures.
    const QString headMark = tr("表");
    //: The mark on the coin pictures' tail face, in place of the pictures' own 裏: a letter or
    //: two that pupils read as the tail, as large as the head's mark. Keep 裏 to show the
    //: original pictures.
    const QString tailMark = tr("裏");
    for (const auto &faces : m_faces) {
        faces[static_cast<std::size_t>(Face::Head)]->setMark(
            headMark == QStringLiteral("表") ? QString() : headMark);
        faces[static_cast<std::size_t>(Face::Tail)]->setMark(
            tailMark == QStringLiteral("裏") ? QString() : tailMark);
    }
    for (Button which : kButtons)
        m_buttons[static_cast<std::size_t>(which)] =
            findControl<QPushButton>(this, layout, roles::button(which));
}

void ExperimentWindow::connectButtons()
{
    const auto onClick = [this](QPushButton *pushButton, void (ExperimentControl::*handler)()) {
        connect(pushButton, &QPushButton::clicked, this, [this, handler] { handle(handler); });
    };
    onClick(button(Button::Start), &ExperimentControl::start);
    onClick(button(Button::Stop), &ExperimentControl::stop);
    onClick(button(Button::Exit), &ExperimentControl::exitProgram);
    onClick(button(Button::Init), &ExperimentControl::clearCounts);
    onClick(button(Button::GraphDisplay), &ExperimentControl::showGraph);
    onClick(button(Button::Help), &ExperimentControl::showHelp);
    onClick(findControl<QPushButton>(this, experimentWindowLayout(), roles::trialButton),
            &ExperimentControl::runTrial);
    addKeyFor(this, QKeySequence(Qt::Key_F1), button(Button::Help));
}

void ExperimentWindow::connectTimers()
{
    connect(m_flipTimer, &QTimer::timeout, this, [this] { handle(&ExperimentControl::flipTick); });
    connect(m_trialTimer, &QTimer::timeout, this,
            [this] { handle(&ExperimentControl::trialTick); });
    m_progress = new QTimer(this);
    m_progress->setInterval(kProgressMs);
    connect(m_progress, &QTimer::timeout, this, [this] {
        //: Said every few seconds during a run: the number of trials so far.
        m_announcer->say(tr("%n trials", nullptr, m_control.total()), Speech::Progress);
    });
    m_nextFrame = new QTimer(this);
    m_nextFrame->setSingleShot(true);
    connect(m_nextFrame, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });
}

QTimer *ExperimentWindow::timer(Timer which) const
{
    return which == Timer::Flip ? m_flipTimer : m_trialTimer;
}

bool ExperimentWindow::event(QEvent *event)
{
    // During a run every trial asks for a repaint, about a thousand a second; a screen shows
    // sixty. Repaint at most once per frame and let the requests in between wait for it.
    if (event->type() == QEvent::UpdateRequest && m_trialTimer->isActive()) {
        const qint64 since = m_lastFrame.isValid() ? m_lastFrame.elapsed() : qint64{kFrameMs};
        if (since < kFrameMs) {
            if (!m_nextFrame->isActive())
                m_nextFrame->start(static_cast<int>(kFrameMs - since));
            return true;
        }
        m_lastFrame.restart();
    }
    if (event->type() == QEvent::UpdateRequest) {
        // Once a frame: the labels and the result table's readers catch up with the run.
        m_shown->show();
        m_run->announceChanges();
    }
    return QWidget::event(event);
}

void ExperimentWindow::closeEvent(QCloseEvent *event)
{
    // A window closed in the middle of a run takes its run with it.
    m_flipTimer->stop();
    m_trialTimer->stop();
    QWidget::closeEvent(event);
}

void ExperimentWindow::setCellText(CellKind kind, int outcome, std::string_view text)
{
    m_run->setCell(kind, outcome, text);
    m_shown->cellWritten(kind, outcome, m_trialTimer->isActive());
}

void ExperimentWindow::setTrialTotalText(std::string_view text)
{
    m_run->setTrialTotal(text);
    m_shown->trialTotalWritten(m_trialTimer->isActive());
}

void ExperimentWindow::setFaceVisible(int coin, Face face, bool visible)
{
    Picture *picture = m_faces[static_cast<std::size_t>(coin - 1)][static_cast<std::size_t>(face)];
    if (picture->isShown() == visible)
        return;
    picture->setShown(visible);
    m_announcer->changed(picture);
}

void ExperimentWindow::setButtonEnabled(Button which, bool enabled)
{
    // A greyed button gives up the focus to the next button in the tab order that can take it
    // at that moment, as Qt would; but Qt would move it at once, through every button greyed
    // after it, and each of those moves is a screen reader's utterance. So the focus is moved
    // once, where it ends up, when the handler is done; the result table is only reached by Tab.
    QPushButton *pushButton = button(which);
    const bool focused = pushButton->hasFocus();
    if (!enabled && focused)
        pushButton->clearFocus();
    pushButton->setEnabled(enabled);
    if (!enabled && (focused || pushButton == m_focusTarget))
        m_focusTarget = nextFocusable(pushButton);
}

void ExperimentWindow::setTimerEnabled(Timer which, bool enabled)
{
    QTimer *t = timer(which);
    if (enabled && !t->isActive()) {
        t->start();
        if (which == Timer::Trial)
            m_progress->start();
    } else if (!enabled) {
        t->stop();
        m_progress->stop();
        m_shown->show(); // the run's final values show, and reach a screen reader, at once
        m_run->announceChanges();
        m_announcer->flush();
    }
}

void ExperimentWindow::buildContextMenu()
{
    useActionsAsContextMenu(this);
    //: The experiment window's context menu: puts the table on the clipboard.
    auto *copy = new QAction(tr("Copy"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &ExperimentWindow::copyResults);
    //: The context menu: saves the run's results file, which a class window pools.
    auto *save = new QAction(tr("Save results…"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &ExperimentWindow::chooseFileAndSaveResults);
    //: Writes the run's results file straight into the class folder, under the pupil's name.
    m_handIn = new QAction(tr("Hand in"), this);
    m_handIn->setEnabled(!m_preferences.classFolder().isEmpty());
    connect(&m_preferences, &Preferences::classFolderChanged, m_handIn,
            [this](const QString &folder) { m_handIn->setEnabled(!folder.isEmpty()); });
    connect(m_handIn, &QAction::triggered, this, [this] { handIn(QDateTime::currentDateTime()); });
    //: The context menu's submenu of how fast a run goes.
    auto *paceMenu = new QMenu(tr("Pace"), this);
    m_paces = new QActionGroup(this);
    const QKeySequence oneTrialKey(Qt::CTRL | Qt::Key_T);
    const std::pair<Pace, QString> paces[] = {
        //: How fast a run goes: a trial every millisecond, as the program was designed.
        {Pace::AsDesigned, tr("As designed")},
        //: About sixty trials a second, slow enough for a class to follow each count.
        {Pace::Classroom, tr("Classroom")},
        //: One trial each time a key is pressed: %1 is the key ("Ctrl+T").
        {Pace::OneTrial, tr("One trial (%1)").arg(oneTrialKey.toString(QKeySequence::NativeText))}};
    for (const auto &[pace, text] : paces) {
        QAction *choice = paceMenu->addAction(text);
        choice->setCheckable(true);
        choice->setData(static_cast<int>(pace));
        m_paces->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, pace] {
            setPace(pace);
            emit paceChosen(pace);
        });
    }
    auto *oneTrial = new QShortcut(oneTrialKey, this);
    connect(oneTrial, &QShortcut::activated, this, [this] {
        if (m_pace == Pace::OneTrial && !m_trialTimer->isActive()) // never during a run
            findControl<QPushButton>(this, experimentWindowLayout(), roles::trialButton)->click();
    });
    //: The context menu: opens the class window on a folder of the class's results files.
    auto *classResults = new QAction(tr("Class results…"), this);
    connect(classResults, &QAction::triggered, this, &ExperimentWindow::openClassResults);
    QAction *streaks = makeStreaksAction(this, [this] { emit streaksRequested(); });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &ExperimentWindow::zoomChosen);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_seedShown = new QAction(this);
    m_seedShown->setEnabled(false);
    addActions({copy, save, m_handIn, streaks, classResults, paceMenu->menuAction(),
                m_zoom->menuAction(), separator, m_seedShown});
    setSeed({});
    setPace(Pace::AsDesigned);
}

void ExperimentWindow::setZoom(int zoom)
{
    m_zoomPercent = zoom;
    applyZoom(this, experimentWindowLayout(), zoom);
    placeWindow(this, kExperimentWindowPlace, zoom);
    m_table->placeOverCells();
    m_zoom->show(zoom);
}

void ExperimentWindow::setSeed(std::optional<std::uint64_t> seed)
{
    m_seed = seed;
    if (seed)
        //: The context menu's last entry, greyed: the seed of the draws, a whole number.
        m_seedShown->setText(tr("Seed: %1").arg(*seed));
    else
        //: The context menu's last entry, greyed, when no seed was given.
        m_seedShown->setText(tr("Seed: none, the run follows the clock"));
}

void ExperimentWindow::setPace(Pace pace)
{
    m_pace = pace;
    // About sixty trials a second in class: one a frame. The coins keep flipping at their pace.
    m_trialTimer->setInterval(pace == Pace::Classroom ? kFrameMs : 1);
    for (QAction *choice : m_paces->actions())
        choice->setChecked(choice->data().toInt() == static_cast<int>(pace));
}

TableTexts ExperimentWindow::tableTexts() const
{
    return m_run->shownTable();
}

void ExperimentWindow::copyResults() const
{
    // The table as the window shows it, tab-separated, as a spreadsheet in the pupil's
    // language pastes it: "0,257" is a number to a German one.
    QGuiApplication::clipboard()->setText(QString::fromStdString(writeTable(tableTexts(), '\t')));
}

QByteArray ExperimentWindow::resultsFile() const
{
    const RunResults run = runResults(m_record, m_seed, m_pace, QDateTime::currentDateTimeUtc());
    return QByteArray::fromStdString(writeResults(run));
}

QString ExperimentWindow::saveResults(const QString &path) const
{
    const QByteArray bytes = resultsFile();
    return writeFileSafely(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

void ExperimentWindow::chooseFileAndSaveResults()
{
    // Into the class folder where a school set one up, so that Ctrl+S and Return hand a run
    // in; elsewhere, and where the class folder cannot be written, wherever the pupil saved
    // last. The name is the pupil's and the moment's, and not yet taken.
    QString folder = m_preferences.classFolder();
    if (m_preferences.classFolderFailed()) {
        folder = Preferences::documents();
    } else if (folder.isEmpty()) {
        folder = m_preferences.dialogFolder();
    } else if (const QString why = folderProblem(folder); !why.isEmpty()) {
        QMessageBox::warning(
            //: The title of the dialog that saves the results file, and of its messages.
            this, tr("Save results"),
            //: %1 is the class folder's path, %2 the system's reason.
            tr("The class folder %1 cannot be used: %2\n\nThe run is still here: choose "
               "another folder to save it in.")
                .arg(folder, why));
        folder = Preferences::documents();
    }
    const QString name =
        unusedName(folder, resultsFileName(pupilName(), QDateTime::currentDateTime()));
    saveThroughDialog(this, m_preferences, tr("Save results"), QDir(folder).filePath(name),
                      //: The file dialog's filter for the results file.
                      tr("CSV files (*.csv)"),
                      [this](const QString &path) { return saveResults(path); });
}

QString ExperimentWindow::handIn(const QDateTime &moment)
{
    const QString folder = m_preferences.classFolder();
    if (folder.isEmpty())
        return {};
    const QByteArray bytes = resultsFile();
    const WrittenFile written = writeFile(
        QDir(folder).filePath(resultsFileName(pupilName(), moment)),
        [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); },
        Replace::Never);
    m_preferences.noteWrite(folder, written.error.isEmpty());
    if (!written.error.isEmpty()) {
        QMessageBox::warning(
            this, tr("Hand in"),
            //: %1 is the class folder's path, %2 the system's reason.
            tr("The run could not be handed in to the class folder %1: %2\n\nIt is still here: "
               "Save results… saves it in another folder.")
                .arg(folder, reasonInFolder(folder, written.error)));
        return {};
    }
    //: %1 is the name of the results file in the class folder.
    const QString told = tr("Handed in as %1.").arg(QFileInfo(written.path).fileName());
    if (!m_message)
        m_message = new TransientMessage(this);
    // Beside Graph display, where the window has room.
    const QRect beside = button(Button::GraphDisplay)->geometry();
    const int margin = beside.left() / 3;
    m_message->showMessage(told, zoomedFont(font(), m_zoomPercent),
                           QRect(QPoint(beside.right() + 2 * margin, beside.top() - margin),
                                 QPoint(width() - 1 - margin, height() - 1 - margin)));
    m_announcer->say(told, Speech::Outcome);
    return written.path;
}

void ExperimentWindow::openClassResults()
{
    // The class folder where a school set one up, else the folder chosen last.
    QString folder = m_preferences.classFolder();
    if (folder.isEmpty()) {
        //: The title of the dialog that asks for the folder of a class's results files.
        folder = QFileDialog::getExistingDirectory(this, tr("Class results"),
                                                   m_preferences.classResultsDialogFolder());
        if (folder.isEmpty())
            return;
        m_preferences.setClassResultsFolder(folder);
    }
    emit classResultsRequested(folder);
}

void ExperimentWindow::handle(void (ExperimentControl::*handler)())
{
    guarded([this, handler] { (m_control.*handler)(); });
    // The focus that left a greyed button lands once the handler has set every button; then
    // what the handler reported is said, with the focus where the pupil will find it.
    if (QWidget *target = std::exchange(m_focusTarget, nullptr))
        target->setFocus(Qt::TabFocusReason);
    if (!m_report.isEmpty())
        m_announcer->say(std::exchange(m_report, QString()), Speech::Outcome);
}

QWidget *ExperimentWindow::nextFocusable(QWidget *from) const
{
    for (QWidget *w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain()) {
        if (w != m_table && w->isEnabled() && w->isVisibleTo(this) &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

void ExperimentWindow::report(Report what)
{
    m_run->announceChanges(); // the table is read as the sentence tells it
    if (what == Report::CountsCleared) {
        //: Said when Init has cleared the counts.
        m_report = tr("Counts cleared.");
        return;
    }
    // What the table shows: after the run limit, the counts before the final trial; nothing,
    // in a window that has shown no counts yet, or none since Init.
    const bool shown = !m_run->cell(CellKind::Count, 1).empty();
    const int trials = shown ? m_run->trials() : 0;
    QString sentence;
    if (what == Report::RunStopped)
        //: Said when Stop ends a run: %n is the number of trials.
        sentence = tr("Stopped after %n trials.", nullptr, trials);
    else
        //: Said when a run ends by itself, one outcome having come up more than 1000 times.
        sentence = tr("Run finished after %n trials.", nullptr, trials);
    for (int n = 1; n <= kOutcomes && shown; ++n)
        sentence +=
            //: Follows "Stopped after … trials." once per outcome: %1 the outcome ("Head Tail"),
            //: %2 its count, %3 its ratio.
            tr(" %1 %2, %3.")
                .arg(outcomeWords(n), m_run->shownCell(CellKind::Count, n),
                     m_run->shownCell(CellKind::Ratio, n));
    m_report = sentence;
}

bool ExperimentWindow::isTimerEnabled(Timer which) const
{
    return timer(which)->isActive();
}

void ExperimentWindow::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void ExperimentWindow::showGraphWindow()
{
    emit graphRequested();
}

void ExperimentWindow::handOverToHelp()
{
    emit helpRequested();
}

void ExperimentWindow::showMessage(std::string_view text, std::string_view title)
{
    // The experiment marks the texts it shows for translation in its own context.
    const auto translated = [](std::string_view source) {
        return QCoreApplication::translate("quindle::ExperimentControl",
                                           std::string(source).c_str());
    };
    QMessageBox box(QMessageBox::NoIcon, translated(title), translated(text), QMessageBox::Ok,
                    this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ExperimentWindow::endProgram()
{
    emit exitRequested();
}

} // namespace quindle

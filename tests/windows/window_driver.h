// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// main() for the window tests (offscreen unless the caller chose a platform) and a driver that
// finds the program's controls through the layout tables and works them as a pupil would.

#include "app/program.h"
#include "app/startup.h"
#include "shared/run_states.h"
#include "windows/accessibility/accessibility.h"
#include "windows/classroom/class_folder.h"
#include "windows/controls/drawing_surface.h"
#include "windows/controls/picture.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/graph/graph_window_layout.h"
#include "windows/help/help_window_layout.h"
#include "windows/support/translation.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace quindle::testing {

// The window's context menu entry with this caption; null where there is none.
inline QAction *menuEntry(const QWidget *window, const QString &caption)
{
    for (QAction *action : window->actions())
        if (action->text() == caption)
            return action;
    return nullptr;
}

inline void click(QAbstractButton *button)
{
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

[[nodiscard]] inline bool onPlatform(const char *name)
{
    return QGuiApplication::platformName() == QLatin1String(name);
}

// Shown and, where the platform gives new windows the focus (not weston's seatless one), active.
[[nodiscard]] inline bool waitShown(QWidget *window)
{
    return QTest::qWaitForWindowExposed(window) &&
           (onPlatform("wayland") || QTest::qWaitForWindowActive(window));
}

inline void focus(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Presses key on window's focus widget (else window) once active; seatless Wayland activates none.
inline void type(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QVERIFY(window);
    QVERIFY2(onPlatform("wayland") || QTest::qWaitForWindowActive(window),
             qPrintable(window->objectName() + QLatin1String(" never became active")));
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
}

// The exit code of the application's event loop run with action queued first; 99: still running.
inline int runProgram(const std::function<void()> &action, int milliseconds = 400)
{
    QObject context;
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(milliseconds, &context, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every title the display server was given for window: on Wayland, the set_title requests in the
// protocol log in QUINDLE_PROTOCOL_LOG; on X11, _NET_WM_NAME and WM_NAME; else its title.
inline QStringList titlesGiven(QWidget *window)
{
    QString text;
    QRegularExpression title(QStringLiteral(R"re(^\w+\(\w+\) = "(.*)"$)re"),
                             QRegularExpression::MultilineOption);
    if (onPlatform("wayland")) {
        text = QString::fromUtf8(fileBytes(qEnvironmentVariable("QUINDLE_PROTOCOL_LOG")));
        title.setPattern(QStringLiteral(R"re(set_title\("(.*)"\)$)re"));
    } else if (onPlatform("xcb")) {
        QProcess xprop;
        xprop.startCommand(QStringLiteral("env LC_ALL=C.UTF-8 xprop -id %1 _NET_WM_NAME WM_NAME")
                               .arg(window->winId()));
        xprop.waitForFinished();
        text = QString::fromUtf8(xprop.readAllStandardOutput());
    } else {
        return {window->windowTitle()};
    }
    QStringList titles;
    for (auto match = title.globalMatch(text); match.hasNext();)
        titles << match.next().captured(1);
    return titles;
}

// A top-level window's caption, size and (where a program may place windows: not Wayland) place.
inline void checkFrame(QWidget *window, const QRect &designed, const QString &caption)
{
    const QStringList titles = titlesGiven(window);
    QVERIFY2(onPlatform("wayland") ? titles.contains(caption)
                                   : titles == QStringList(onPlatform("xcb") ? 2 : 1, caption),
             qPrintable(titles.join(QLatin1Char('|'))));
    QCOMPARE(onPlatform("wayland") ? QRect(designed.topLeft(), window->size()) : window->geometry(),
             designed);
}

// The rectangle of the dark pixels of image within area.
inline QRect darkPixels(const QImage &image, const QRect &area)
{
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            found |= qGray(image.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    }
    return found;
}

// The control shows text whole inside room: its letters drawn whole in its font are no larger than
// what it shows inside room, black on white (a pixel more or less is rounding, not a cut).
inline void checkShownWhole(QWidget *control, const QString &text, const QRect &room)
{
    const QFontMetrics metrics = control->fontMetrics();
    QPixmap whole(2 * metrics.horizontalAdvance(text) + 4 * metrics.height(), 4 * metrics.height());
    whole.fill(Qt::white);
    QPainter painter(&whole);
    painter.setFont(control->font());
    painter.setPen(Qt::black);
    painter.drawText(QPointF(metrics.height(), 2 * metrics.height()), text);
    painter.end();
    const QRect drawn = darkPixels(whole.toImage(), whole.rect());
    const QPalette kept = control->palette();
    QPalette plain = kept;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        plain.setColor(role, Qt::black);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        plain.setColor(role, Qt::white);
    control->setPalette(plain);
    const QImage shown = control->grab().toImage();
    control->setPalette(kept);
    const QSize cut = drawn.size() - darkPixels(shown, room).size();
    QVERIFY2(cut.width() <= 1 && cut.height() <= 1, qPrintable(text));
}

// Every text window shows is whole: in labels, buttons, table columns (no sideways scrolling) and
// drawing surfaces, and the context menu on the screen.
inline void checkTextsFit(QWidget *window)
{
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty())
            checkShownWhole(label, label->text(), label->contentsRect());
        if (auto *button = qobject_cast<QPushButton *>(control);
            button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            checkShownWhole(
                button, button->text(),
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
        }
        if (auto *table = qobject_cast<QTableView *>(control);
            table && !table->horizontalHeader()->isHidden()) {
            QVERIFY2(table->horizontalScrollBar()->maximum() == 0, "the table scrolls sideways");
            QHeaderView *header = table->horizontalHeader();
            const int margin =
                2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                QStyleOptionHeader option;
                option.initFrom(header);
                option.rect = QRect(0, 0, header->sectionSize(column), header->height());
                option.text = table->model()->headerData(column, Qt::Horizontal).toString();
                const QRect room =
                    header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
                const QRect needed = header->fontMetrics().boundingRect(
                    room, int(header->defaultAlignment()), option.text);
                QVERIFY2(room.contains(needed), qPrintable(option.text));
                for (int row = 0; row < table->model()->rowCount(); ++row) {
                    const QString text = table->model()->index(row, column).data().toString();
                    QVERIFY2(table->fontMetrics().horizontalAdvance(text) + margin <=
                                 table->columnWidth(column),
                             qPrintable(text));
                }
            }
        }
        if (auto *surface = qobject_cast<DrawingSurface *>(control)) {
            for (const auto &[text, rect] : surface->printedTexts())
                QVERIFY2(QRect(QPoint(0, 0), surface->innerSize()).contains(rect),
                         qPrintable(text));
        }
    }
    QMenu menu;
    menu.addActions(window->actions());
    QVERIFY(window->screen()->availableGeometry().size().boundedTo(menu.sizeHint()) ==
            menu.sizeHint());
}

// Waits until folder has pooled so many runs (of so many trials, if given), left out so many.
inline bool pooled(const ClassFolder &folder, std::size_t runs, std::size_t unpooled, int ms = 2500,
                   int trials = -1)
{
    return QTest::qWaitFor(
        [&] {
            const ClassPool &pool = folder.pool();
            return pool.runs.size() == runs && pool.unpooled.size() == unpooled &&
                   (trials < 0 || pool.trials == trials);
        },
        ms);
}

// The answers waiting for their dialogs; a cleanup() drops those of a test that failed first.
inline QObject s_waiting;

// Runs answer on the next modal dialog of its kind once it is up, inside the dialog's loop.
template<class Dialog> inline void whenDialogShows(const std::function<void(Dialog *)> &answer)
{
    auto *poll = new QTimer(&s_waiting);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(20);
}

// Takes the text of the next message box and presses its OK.
inline void answerMessage(QString &text)
{
    whenDialogShows<QMessageBox>([&text](QMessageBox *box) {
        text = box->text();
        box->accept();
    });
}

class ProgramDriver
{
protected:
    // drawSeed, where given, makes the coins' draws the same in every run.
    void startProgram(std::uint64_t seed = 1, std::optional<std::uint64_t> drawSeed = {})
    {
        m_program = std::make_unique<Program>(seed, drawSeed);
        m_program->openNewExperimentWindow();
        QVERIFY(waitShown(experiment()));
    }
    void endProgram() { m_program.reset(); }

    [[nodiscard]] ExperimentWindow *experiment() const { return m_program->experimentWindow(); }
    [[nodiscard]] GraphWindow *graph() const { return m_program->graphWindow(); }
    [[nodiscard]] HelpWindow *help() const { return m_program->helpWindow(); }
    [[nodiscard]] ExperimentRecord &record() const { return m_program->record(); }

    template<typename T> [[nodiscard]] T *part(Role role) const
    {
        return findControl<T>(experiment(), experimentWindowLayout(), role);
    }
    [[nodiscard]] QPushButton *button(Button which) const
    {
        return findButton(experiment(), which);
    }
    [[nodiscard]] QLabel *cell(CellKind kind, int n) const
    {
        return part<QLabel>(experiment_roles::cell(kind, n));
    }
    [[nodiscard]] QLabel *trialTotal() const { return part<QLabel>(experiment_roles::trialTotal); }
    // Each outcome's row as the cells show it: in format, %1 the outcome's faces with between
    // them ("Head/Tail"), %2 its count, %3 its ratio.
    [[nodiscard]] QString shownRows(const char *format, char between) const
    {
        QString rows;
        for (int n = 1; n <= kOutcomes; ++n)
            rows += QString::fromLatin1(format).arg(
                QLatin1String(n <= 2 ? "Head" : "Tail") + QLatin1Char(between) +
                    QLatin1String(n % 2 == 1 ? "Head" : "Tail"),
                cell(CellKind::Count, n)->text(), cell(CellKind::Ratio, n)->text());
        return rows;
    }
    [[nodiscard]] Picture *face(int coin, Face face) const
    {
        return part<Picture>(experiment_roles::face(coin, face));
    }
    // The text of the experiment window's control at (x, y), where a click there finds it.
    [[nodiscard]] QString textAt(int x, int y) const
    {
        return experiment()->childAt(QPoint(x, y))->property("text").toString();
    }
    [[nodiscard]] QPushButton *graphClose() const
    {
        return findControl<QPushButton>(graph(), graphWindowLayout(), graph_roles::closeButton);
    }
    [[nodiscard]] QPushButton *helpClose() const
    {
        return findControl<QPushButton>(help(), helpWindowLayout(), help_roles::closeButton);
    }
    // The experiment window's run state, as in run_states.h.
    [[nodiscard]] std::string state() const
    {
        return runState([this](int b) { return button(kButtons[b])->isEnabled(); },
                        experiment()->timer(Timer::Flip)->isActive(),
                        experiment()->timer(Timer::Trial)->isActive());
    }
    [[nodiscard]] int trials() const { return record().trials(); }

    void press(Button which) { click(button(which)); }
    void openGraph()
    {
        press(Button::GraphDisplay);
        QVERIFY(graph() && waitShown(graph()));
    }
    void closeGraph()
    {
        QPointer<GraphWindow> old = graph();
        click(graphClose());
        QVERIFY(QTest::qWaitFor([&] { return old.isNull(); }));
    }
    void openHelp()
    {
        press(Button::Help);
        QVERIFY(help() && waitShown(help()));
    }
    // At least count more trials than before, however long a busy machine takes.
    [[nodiscard]] bool waitForTrials(int before, int count) const
    {
        return QTest::qWaitFor([&] { return trials() >= before + count; }, 20000);
    }
    void runTrials(int count)
    {
        const int before = trials();
        press(Button::Start);
        QVERIFY2(waitForTrials(before, count), qPrintable(QString::number(trials() - before)));
        press(Button::Stop);
    }
    // count trials, one at a time through the window's hidden one-trial button.
    void trialsByHand(int count)
    {
        for (int trial = 0; trial < count; ++trial)
            part<QPushButton>(experiment_roles::trialButton)->click();
    }

    std::unique_ptr<Program> m_program;
};

// Runs the tests of TestClass as every window test runs them: offscreen unless told otherwise,
// under the program's identity, with the texts as written.
template<class TestClass> int runWidgetTests(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    identifyProgram();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installTranslation(QLocale::c()); // the texts as written, plurals and all
    installFontSubstitutions();
    installAccessibility();
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace quindle::testing

#define QUINDLE_WIDGET_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        return quindle::testing::runWidgetTests<TestClass>(argc, argv);                            \
    }

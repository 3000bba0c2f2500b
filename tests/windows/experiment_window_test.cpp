#include "widget_test_main.h"

#include "app/program.h"
#include "sound/mm_control.h"
#include "windows/activation.h"
#include "windows/cell_label.h"
#include "windows/experiment/form1_layout.h"
#include "windows/line.h"
#include "windows/picture.h"
#include "windows/runtime_errors.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace quindle;

namespace {

const char *const kButtonNames[] = {"Command1", "Command3", "Command4",
                                    "Command5", "Command6", "Command7"};

} // namespace

class ExperimentWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> m_program;
    QStringList m_errors;

    [[nodiscard]] Form1 *form() const { return m_program->form1(); }
    [[nodiscard]] QPushButton *button(const char *name) const
    {
        return form()->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    [[nodiscard]] QLabel *label(const char *name) const
    {
        return form()->findChild<QLabel *>(QString::fromLatin1(name));
    }
    [[nodiscard]] Picture *coin(int number, int index) const
    {
        const auto name = QStringLiteral("coin%1").arg(number);
        for (Picture *picture : form()->findChildren<Picture *>(name)) {
            if (picture->property("index").toInt() == index)
                return picture;
        }
        return nullptr;
    }
    [[nodiscard]] int count(int n) const { return m_program->record().count(n); }

    void click(const char *name)
    {
        QPushButton *b = button(name);
        QVERIFY2(b, name);
        QVERIFY2(b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // The enabled flags of Start, Stop, Exit, Init, Graph display, Help as a string of 0 and 1.
    [[nodiscard]] QString flags() const
    {
        QString out;
        for (const char *name : kButtonNames)
            out += button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return out;
    }

    void verifyOneFacePerCoin() const
    {
        for (int n : {1, 2}) {
            QVERIFY(coin(n, 0) && coin(n, 1));
            QVERIFY2(coin(n, 0)->isShown() != coin(n, 1)->isShown(), "one face per coin");
        }
    }

    void verifyRestPose() const
    {
        QVERIFY(coin(1, 0)->isShown());
        QVERIFY(!coin(1, 1)->isShown());
        QVERIFY(!coin(2, 0)->isShown());
        QVERIFY(coin(2, 1)->isShown());
    }

    void runFor(int milliseconds)
    {
        click("Command1");
        QTest::qWait(milliseconds);
        click("Command3");
    }

    // A window of the program other than the experiment window, to move the focus to.
    static std::unique_ptr<QWidget> otherProgramWindow(bool ofThisProgram)
    {
        auto window = std::make_unique<QWidget>();
        window->setGeometry(700, 100, 100, 100);
        if (ofThisProgram)
            ActivationWatcher::instance().watch(window.get(), [] {});
        return window;
    }

    static void focus(QWidget *window)
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

private slots:
    void init()
    {
        resetFailure();
        m_errors.clear();
        setErrorReporter([this](const QString &message) { m_errors << message; });
        m_program = std::make_unique<Program>(7);
        m_program->showForm1();
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }

    void cleanup()
    {
        m_program.reset();
        setErrorReporter({});
        resetFailure();
    }

    void windowHasItsPlaceSizeCaptionAndIcon()
    {
        QCOMPARE(form()->geometry(), QRect(263, 177, 434, 374));
        QCOMPARE(form()->windowTitle(), QStringLiteral(" Quindle ") + makersNotice());
        QVERIFY(!form()->windowIcon().isNull());
        QCOMPARE(form()->objectName(), QStringLiteral("Form1"));
    }

    void everyControlMatchesItsRow_data()
    {
        QTest::addColumn<int>("row");
        const auto layout = form1Layout();
        for (std::size_t i = 0; i < layout.size(); ++i) {
            const ControlSpec &spec = layout[i];
            const QByteArray name =
                spec.index >= 0 ? QByteArray(spec.name) + '(' + QByteArray::number(spec.index) + ')'
                                : QByteArray(spec.name);
            QTest::newRow(name.constData()) << static_cast<int>(i);
        }
    }

    void everyControlMatchesItsRow()
    {
        QFETCH(int, row);
        const ControlSpec &spec = form1Layout()[static_cast<std::size_t>(row)];
        const QString name = QString::fromLatin1(spec.name);
        QWidget *widget = nullptr;
        for (QWidget *candidate : form()->findChildren<QWidget *>(name)) {
            if (spec.index < 0 || candidate->property("index").toInt() == spec.index)
                widget = candidate;
        }
        QVERIFY(widget);

        if (spec.kind == Kind::Line) {
            auto *line = qobject_cast<Line *>(widget);
            QVERIFY(line);
            QCOMPARE(line->geometry(),
                     QRect(pixels(spec.left), pixels(spec.top), pixels(spec.width - spec.left), 1));
            return;
        }
        QCOMPARE(widget->geometry(), QRect(pixels(spec.left), pixels(spec.top), pixels(spec.width),
                                           pixels(spec.height)));
        QCOMPARE(widget->isVisible(), spec.visible && spec.kind != Kind::Hidden);
        if (spec.font.points > 0) {
            QCOMPARE(widget->font().pointSizeF(), spec.font.points);
            QCOMPARE(widget->font().bold(), spec.font.bold);
            QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("IPAPGothic"));
        }
        if (auto *b = qobject_cast<QPushButton *>(widget)) {
            QCOMPARE(b->text(), QString::fromUtf8(spec.caption));
        } else if (auto *l = qobject_cast<CellLabel *>(widget)) {
            QCOMPARE(l->text(), QString::fromUtf8(spec.caption));
            QCOMPARE(l->hasBorder(), spec.border);
            QCOMPARE(l->alignment() == Qt::AlignCenter, spec.centred);
            if (spec.foreground.isSet())
                QCOMPARE(l->palette().color(QPalette::WindowText),
                         QColor(spec.foreground.r, spec.foreground.g, spec.foreground.b));
            if (spec.background.isSet())
                QCOMPARE(l->palette().color(QPalette::Window),
                         QColor(spec.background.r, spec.background.g, spec.background.b));
            QCOMPARE(l->autoFillBackground(), spec.background.isSet());
        }
    }

    void layoutFiguresSpotChecks()
    {
        // A few figures written out in pixels rather than taken from the table, to catch a slip in
        // it.
        QCOMPARE(label("Label15")->geometry(), QRect(120, 0, 193, 25));
        QCOMPARE(label("Label15")->palette().color(QPalette::Window), QColor(255, 192, 192));
        QCOMPARE(label("kaku4")->geometry(), QRect(336, 232, 81, 25));
        QCOMPARE(label("Label17")->geometry(), QRect(32, 296, 113, 25));
        QCOMPARE(button("Command6")->geometry(), QRect(24, 336, 129, 25));
        QCOMPARE(button("Command1")->font().pointSizeF(), 12.0);
        QCOMPARE(label("Label13")->font().pointSizeF(), 9.75);
        QCOMPARE(label("Label9")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(label("Label8")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(coin(2, 1)->geometry(), QRect(256, 48, 81, 65));
        auto *line = form()->findChild<Line *>(QStringLiteral("Line1"));
        QVERIFY(line);
        QCOMPARE(line->geometry(), QRect(0, 24, 432, 1));
        // Neighbouring cells overlap by one pixel: one shared border line.
        QCOMPARE(label("dosuu1")->geometry().right(), label("dosuu2")->geometry().left());
        QCOMPARE(label("dosuu1")->geometry().bottom(), label("kaku1")->geometry().top());
        // The cells' borders are black even where the text is blue.
        const QImage image = form()->grab().toImage();
        QCOMPARE(image.pixelColor(label("Label5")->geometry().topLeft() + QPoint(40, 0)),
                 QColor(Qt::black));
    }

    void tabOrderFollowsTabIndexesAndStartHasFocus()
    {
        QCOMPARE(QApplication::focusWidget(), button("Command1"));
        QStringList chain;
        QWidget *w = button("Command1");
        for (int i = 0; i < 6; ++i) {
            chain << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isVisible())
                w = w->nextInFocusChain();
        }
        QCOMPARE(chain, QStringList({QStringLiteral("Command1"), QStringLiteral("Command3"),
                                     QStringLiteral("Command4"), QStringLiteral("Command5"),
                                     QStringLiteral("Command6"), QStringLiteral("Command7")}));
    }

    void opensReadyWithEmptyCellsAndRestPose()
    {
        QCOMPARE(flags(), QStringLiteral("101111"));
        for (const char *name : {"dosuu1", "dosuu2", "dosuu3", "dosuu4", "kaku1", "kaku2", "kaku3",
                                 "kaku4", "Label17"})
            QCOMPARE(label(name)->text(), QString());
        verifyRestPose();
        QCOMPARE(form()->control().phase(), 0);
    }

    void hiddenFaceLetsTheShownOneThrough()
    {
        // Rest pose: coin 1 shows its head (yellow disc), coin 2 its tail (orange disc), both
        // pictures of a coin stacked in one rectangle. Sample a point of the disc left of the
        // character.
        const QImage image = form()->grab().toImage();
        const QPoint discPoint(81 * 3 / 32, 65 * 16 / 32);
        QCOMPARE(image.pixelColor(coin(1, 0)->geometry().topLeft() + discPoint),
                 QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(coin(2, 0)->geometry().topLeft() + discPoint),
                 QColor(255, 128, 64));
    }

    void timersAreOneMillisecondPreciseChildren()
    {
        for (Timer which : {Timer::Timer1, Timer::Timer2}) {
            QTimer *timer = form()->timer(which);
            QCOMPARE(timer->parent(), form());
            QCOMPARE(timer->interval(), 1);
            QCOMPARE(timer->timerType(), Qt::PreciseTimer);
            QVERIFY(!timer->isActive());
        }
    }

    void hiddenControlsNeverShowNorTakeFocus()
    {
        QPushButton *command2 = button("Command2");
        QVERIFY(command2);
        QCOMPARE(command2->text(), QStringLiteral("コインが止まる"));
        auto *device = form()->findChild<MMControl *>(QStringLiteral("MMControl1"));
        QVERIFY(device);
        runFor(100);
        for (QWidget *hidden : {static_cast<QWidget *>(command2), static_cast<QWidget *>(device)}) {
            QVERIFY(!hidden->isVisible());
            QCOMPARE(hidden->focusPolicy(), Qt::NoFocus);
        }
        QVERIFY(QApplication::focusWidget() != command2);
    }

    void runThenStopShowsConsistentTable()
    {
        runFor(300);
        QCOMPARE(flags(), QStringLiteral("101111"));
        const int total = label("Label17")->text().toInt();
        QVERIFY2(total > 20, qPrintable(QStringLiteral("only %1 trials").arg(total)));
        int sum = 0;
        for (int n = 1; n <= 4; ++n) {
            const QString countText = label(qPrintable(QStringLiteral("dosuu%1").arg(n)))->text();
            QCOMPARE(countText, QString::number(count(n)));
            sum += countText.toInt();
            const QString ratio = label(qPrintable(QStringLiteral("kaku%1").arg(n)))->text();
            QCOMPARE(ratio, QString::number(static_cast<double>(count(n)) / total, 'f', 3));
        }
        QCOMPARE(sum, total);
        verifyOneFacePerCoin();
        QVERIFY(!form()->timer(Timer::Timer1)->isActive());
        QVERIFY(!form()->timer(Timer::Timer2)->isActive());
    }

    void stopKeepsCountsAndStartContinues()
    {
        runFor(100);
        const int first = label("Label17")->text().toInt();
        runFor(100);
        QVERIFY(label("Label17")->text().toInt() > first);
    }

    void activationDuringRunLeavesItStoppable()
    {
        const auto other = otherProgramWindow(true);
        focus(other.get());
        focus(form());
        click("Command1");
        QTest::qWait(30);
        focus(other.get());
        focus(form());
        QCOMPARE(flags(), QStringLiteral("010000"));
        QVERIFY(form()->timer(Timer::Timer2)->isActive());
        const int before = m_program->record().count(1) + count(2) + count(3) + count(4);
        QTest::qWait(50);
        QVERIFY(count(1) + count(2) + count(3) + count(4) > before);
        click("Command3");
        QCOMPARE(flags(), QStringLiteral("101111"));
    }

    void activationFromAnotherWindowOfTheProgramRestoresReady()
    {
        const auto other = otherProgramWindow(true);
        click("Command5"); // Init: Cleared
        QCOMPARE(flags(), QStringLiteral("101011"));
        focus(other.get());
        focus(form());
        QCOMPARE(flags(), QStringLiteral("101111"));
        verifyRestPose();
    }

    void returningFromAnotherProgramIsNoActivation()
    {
        const auto elsewhere = otherProgramWindow(false);
        click("Command5");
        focus(elsewhere.get());
        focus(form());
        QCOMPARE(flags(), QStringLiteral("101011"));
    }

    void closingDuringRunStopsItsTimers()
    {
        click("Command1");
        QTest::qWait(20);
        QTimer *timer = form()->timer(Timer::Timer2);
        QSignalSpy ticks(timer, &QTimer::timeout);
        form()->close();
        QVERIFY(!timer->isActive());
        QVERIFY(ticks.isEmpty());
    }

    void runtimeErrorIsReportedNotThrown()
    {
        for (int n = 1; n <= 4; ++n)
            m_program->record().setCount(n, 32767);
        click("Command1");
        QTRY_COMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.first().contains(QStringLiteral("'6'")));
        QVERIFY(m_errors.first().contains(QStringLiteral("Overflow")));
        QTest::qWait(20); // later ticks do nothing once the error is reported
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(hasFailed());
    }
};

QUINDLE_WIDGET_TEST_MAIN(ExperimentWindowTest)
#include "experiment_window_test.moc"

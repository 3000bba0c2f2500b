#include "widget_test_main.h"

#include "app/program.h"
#include "windows/accessibility.h"
#include "windows/drawing_surface.h"
#include "windows/picture.h"

#include <QAccessible>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace quindle;

namespace {} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> m_program;

    [[nodiscard]] Form1 *form1() const { return m_program->form1(); }
    template<class T = QWidget> [[nodiscard]] T *child(QWidget *window, const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    static QAccessibleInterface *accessible(QObject *object)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        if (!iface)
            qFatal("no accessible interface for %s", qPrintable(object->objectName()));
        return iface;
    }
    static QString name(QObject *object) { return accessible(object)->text(QAccessible::Name); }
    [[nodiscard]] Picture *coin(int number, int index) const
    {
        for (Picture *p : form1()->findChildren<Picture *>(QStringLiteral("coin%1").arg(number)))
            if (p->property("index").toInt() == index)
                return p;
        return nullptr;
    }
    static void press(Qt::Key key)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key);
    }

private slots:
    void initTestCase()
    {
        // Offscreen there is no screen reader; watch what one would be told.
        Announcer::announceWithoutScreenReader(true);
    }

    void init()
    {
        m_program = std::make_unique<Program>(5);
        m_program->showForm1();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }
    void cleanup() { m_program.reset(); }

    void buttonsReadTheirCaptionsAndState()
    {
        const struct
        {
            const char *name, *caption;
            bool enabled;
        } buttons[] = {{"Command1", "Start", true},         {"Command3", "Stop", false},
                       {"Command4", "Exit", true},          {"Command5", "Init", true},
                       {"Command6", "Graph display", true}, {"Command7", "Help", true}};
        for (const auto &b : buttons) {
            QAccessibleInterface *iface = accessible(child(form1(), b.name));
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromLatin1(b.caption));
            QCOMPARE(bool(iface->state().disabled), !b.enabled);
        }
        QVERIFY(accessible(child(form1(), "Command1"))->state().focused);
        QVERIFY(accessible(child(form1(), "Command2"))->state().invisible);
        QCOMPARE(accessible(child(form1(), "Line1"))->role(), QAccessible::Separator);
    }

    void cellsReadWhatTheyAreAndTheirValue()
    {
        QCOMPARE(name(child(form1(), "dosuu2")), QStringLiteral("Head/Tail frequency"));
        QCOMPARE(name(child(form1(), "Label5")), QStringLiteral("Head"));
        QCOMPARE(accessible(child(form1(), "kaku3"))->role(), QAccessible::StaticText);
        QVERIFY(!accessible(child(form1(), "kaku3"))->text(QAccessible::Description).isEmpty());

        QTest::mouseClick(child<QPushButton>(form1(), "Command1"), Qt::LeftButton);
        QTest::qWait(200);
        QTest::mouseClick(child<QPushButton>(form1(), "Command3"), Qt::LeftButton);
        const Module1 &record = m_program->record();
        const QString outcomes[] = {QStringLiteral("Head/Head"), QStringLiteral("Head/Tail"),
                                    QStringLiteral("Tail/Head"), QStringLiteral("Tail/Tail")};
        int total = 0;
        for (int n = 1; n <= 4; ++n) {
            total += record.count(n);
            QCOMPARE(name(form1()->findChild<QLabel *>(QStringLiteral("dosuu%1").arg(n))),
                     outcomes[n - 1] + QStringLiteral(" frequency ") +
                         QString::number(record.count(n)));
            QVERIFY(name(form1()->findChild<QLabel *>(QStringLiteral("kaku%1").arg(n)))
                        .startsWith(outcomes[n - 1] + QStringLiteral(" probability 0.")));
        }
        QCOMPARE(name(child(form1(), "Label17")), QStringLiteral("Number of trials %1").arg(total));
    }

    void coinsReadTheirFaceAndHideTheOther()
    {
        QCOMPARE(name(coin(1, 0)), QStringLiteral("Coin1: Head"));
        QCOMPARE(name(coin(2, 1)), QStringLiteral("Coin2: Tail"));
        QCOMPARE(accessible(coin(1, 0))->role(), QAccessible::Graphic);
        // Rest pose: coin 1 head, coin 2 tail.
        QVERIFY(!accessible(coin(1, 0))->state().invisible);
        QVERIFY(accessible(coin(1, 1))->state().invisible);
        QVERIFY(accessible(coin(2, 0))->state().invisible);
        QVERIFY(!accessible(coin(2, 1))->state().invisible);
    }

    void aRunIsToldAFewTimesASecondAndFullyAtItsEnd()
    {
        auto *announcer = form1()->findChild<Announcer *>(QStringLiteral("Announcer"));
        QVERIFY(announcer);
        QSignalSpy spy(announcer, &Announcer::announced);
        QWidget *total = child(form1(), "Label17");
        auto countFor = [&spy](QWidget *w) {
            return std::count_if(spy.cbegin(), spy.cend(), [w](const QList<QVariant> &args) {
                return args.at(0).value<QObject *>() == w;
            });
        };
        QTest::mouseClick(child<QPushButton>(form1(), "Command1"), Qt::LeftButton);
        QEventLoop loop; // unlike qWait, runs timers as the program's own loop does
        QTimer::singleShot(600, &loop, &QEventLoop::quit);
        loop.exec();
        const auto duringRun = countFor(total);
        QVERIFY2(duringRun >= 1 && duringRun <= 600 / Announcer::kIntervalMs + 1,
                 qPrintable(QString::number(duringRun)));
        QTest::mouseClick(child<QPushButton>(form1(), "Command3"), Qt::LeftButton);
        QCOMPARE(countFor(total), duringRun + 1); // told at once when the run stops
        const QString trials = child<QLabel>(form1(), "Label17")->text();
        QVERIFY(trials.toInt() > 4 * (duringRun + 1)); // many trials, a handful of announcements
        QCOMPARE(name(total), QStringLiteral("Number of trials ") + trials);
    }

    void otherWindowsDescribeTheirSurfacesAndLegend()
    {
        QTest::mouseClick(child<QPushButton>(form1(), "Command6"), Qt::LeftButton);
        Form2 *graph = m_program->form2();
        QVERIFY(QTest::qWaitForWindowActive(graph));
        QCOMPARE(name(graph->surface()), QStringLiteral("Graph"));
        QVERIFY(accessible(graph->surface())
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("0.25")));
        QCOMPARE(name(child(graph, "Label2")), QStringLiteral("Head/Tail"));
        QCOMPARE(accessible(child(graph, "Label2"))->text(QAccessible::Description),
                 QStringLiteral("the green curve"));
        graph->close();

        focusForm1();
        QTest::mouseClick(child<QPushButton>(form1(), "Command7"), Qt::LeftButton);
        Form4 *help = m_program->form4();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(name(help->surface()), QStringLiteral("Help"));
        const QString text = accessible(help->surface())->text(QAccessible::Description);
        QVERIFY(text.contains(QStringLiteral("mathmatically obtained theoretical")));
        QVERIFY(text.contains(QStringLiteral("[Init] button.")));
    }

    void keyboardAloneRunsTheExperiment()
    {
        QCOMPARE(QApplication::focusWidget(), child(form1(), "Command1"));
        press(Qt::Key_Space); // Start
        QVERIFY(form1()->timer(Timer::Timer2)->isActive());
        QTest::qWait(150);
        press(Qt::Key_F1); // Help is greyed during a run: nothing happens
        QVERIFY(form1());
        // Start greyed itself; the focus went on to the one button that can act.
        QCOMPARE(QApplication::focusWidget(), child(form1(), "Command3"));
        press(Qt::Key_Return); // Stop
        QVERIFY(!form1()->timer(Timer::Timer2)->isActive());
        int sum = 0;
        for (int n = 1; n <= 4; ++n)
            sum += form1()->findChild<QLabel *>(QStringLiteral("dosuu%1").arg(n))->text().toInt();
        QCOMPARE(sum, child<QLabel>(form1(), "Label17")->text().toInt());
        QVERIFY(sum > 0);

        // Tab order: Start, Stop (greyed, skipped), Exit, Init, Graph display, Help.
        child(form1(), "Command1")->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            order << QApplication::focusWidget()->objectName();
            press(Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({QStringLiteral("Command1"), QStringLiteral("Command4"),
                                     QStringLiteral("Command5"), QStringLiteral("Command6"),
                                     QStringLiteral("Command7")}));

        press(Qt::Key_F1); // Help
        QVERIFY(m_program->form4());
        QVERIFY(QTest::qWaitForWindowActive(m_program->form4()));
        press(Qt::Key_Escape); // closes help as its Close button does
        QVERIFY(form1());
        QVERIFY(QTest::qWaitForWindowActive(form1()));

        child(form1(), "Command6")->setFocus();
        press(Qt::Key_Enter); // Graph display
        QVERIFY(QTest::qWaitForWindowActive(m_program->form2()));
        QPointer<Form2> graph = m_program->form2();
        press(Qt::Key_Escape);
        QTRY_VERIFY(graph.isNull());
    }

private:
    void focusForm1()
    {
        form1()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }
};

QUINDLE_WIDGET_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

#include "widget_test_main.h"

#include "app/program.h"
#include "windows/drawing_surface.h"
#include "windows/help/help_text.h"
#include "windows/line.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace quindle;

namespace {

class PrintRecorder final : public SurfaceOperations
{
public:
    void line(float, float, float, float, Rgb) override { ops << QStringLiteral("line"); }
    void lineTo(float, float, Rgb) override { ops << QStringLiteral("lineTo"); }
    void pset(float, float, Rgb) override { ops << QStringLiteral("pset"); }
    void setCurrentX(float) override { ops << QStringLiteral("setX"); }
    void setCurrentY(float) override { ops << QStringLiteral("setY"); }
    void print(std::string_view text) override
    {
        ops << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    void cls() override { ops << QStringLiteral("<cls>"); }
    QStringList ops;
};

} // namespace

class HelpAndLifetimeTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> m_program;

    [[nodiscard]] Form1 *form1() const { return m_program->form1(); }
    void click(QWidget *window, const char *name)
    {
        QVERIFY(window);
        auto *b = window->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void focus(QWidget *window)
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void openHelp()
    {
        click(form1(), "Command7");
        QVERIFY(m_program->form4());
        QVERIFY(QTest::qWaitForWindowActive(m_program->form4()));
    }
    void openGraph()
    {
        click(form1(), "Command6");
        QVERIFY(QTest::qWaitForWindowActive(m_program->form2()));
    }
    // Runs the application's event loop as main() does, with action queued first, and
    // returns the exit code it ends with, or 99 when it is still running after a while.
    static int runProgram(const std::function<void()> &action, int milliseconds = 400)
    {
        QObject context;
        QTimer::singleShot(0, &context, action);
        QTimer::singleShot(milliseconds, &context, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }

    // Whether the program ends after action, with the program's own rule in force: it ends
    // when its last window closes.
    static bool programEnds(const std::function<void()> &action)
    {
        QApplication::setQuitOnLastWindowClosed(true);
        const int code = runProgram(action);
        QApplication::setQuitOnLastWindowClosed(false);
        return code == 0;
    }

private slots:
    void init()
    {
        m_program = std::make_unique<Program>(3);
        m_program->showForm1();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }
    void cleanup() { m_program.reset(); }

    void helpTextIsPrintedLineByLineAfterAClear()
    {
        PrintRecorder recorder;
        printHelp(recorder);
        const QStringList expected{
            QStringLiteral("<cls>"),
            QString(),
            QStringLiteral("\u3000【Problem】"),
            QStringLiteral("\u3000\u3000Throw two coins at the same time and think about how they "
                           "appear on front and back."),
            QStringLiteral("\u3000\u3000If these two coins are Coin1 and Coin2 , respectively , "
                           "there are four ways to get "),
            QStringLiteral("\u3000them : front/front , front/back , back/front , back/back. "),
            QStringLiteral("\u3000\u3000That is , the probability of occurrence in these four "
                           "cases is 1/4 , respectively."),
            QStringLiteral("\u3000\u3000However , in reality , if you throw two coins four times "
                           "at the same time , "),
            QStringLiteral("\u3000it doesn't always happen that both coins are turned upside "
                           "down once."),
            QStringLiteral("\u3000\u3000The same applies to the other three cases."),
            QStringLiteral("\u3000\u3000Then , what is the relationship with the mathmatically "
                           "obtained theoretical "),
            QStringLiteral("\u3000probability of 1/4 ?"),
            QString(),
            QStringLiteral("\u3000【Operation method】"),
            QStringLiteral("\u3000\u3000Click the [Start] button to start the experiment."),
            QStringLiteral("\u3000\u3000Click the [Stop] button to stop the experiment."),
            QStringLiteral("\u3000\u3000When you click the [Graph display] button , the "
                           "relationship between the number of"),
            QStringLiteral("\u3000experiments and the front/front , front/back , back/front , "
                           "back/back , and the ratio"),
            QStringLiteral("\u3000of each is displayed in a graph."),
            QStringLiteral("\u3000\u3000You can restart the experiment from the beginning by "
                           "clicking the [Init] button."),
        };
        QCOMPARE(recorder.ops.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(recorder.ops[i], expected[i]); // character by character, blanks included
        QVERIFY(expected[2].contains(QChar(0x3010)) && expected[2].contains(QChar(0x3011)));
    }

    void helpWindowLayout()
    {
        openHelp();
        Form4 *help = m_program->form4();
        QCOMPARE(help->geometry(), QRect(232, 149, 619, 418));
        QCOMPARE(help->windowTitle(),
                 QStringLiteral(" Quindle\uFF3FHelp\uFF08Question and operation method\uFF09 ") +
                     makersNotice());
        auto *close = help->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(close);
        QCOMPARE(close->geometry(), QRect(552, 0, 57, 25));
        QCOMPARE(QApplication::focusWidget(), close);
        DrawingSurface *surface = help->surface();
        QCOMPARE(surface->geometry(), QRect(8, 32, 601, 377));
        QCOMPARE(surface->textFont().pointSizeF(), 11.25);
        QCOMPARE(QFontInfo(surface->textFont()).family(), QStringLiteral("IPAPGothic"));
        auto *rule = help->findChild<Line *>(QStringLiteral("Line1"));
        QVERIFY(rule);
        QCOMPARE(rule->geometry(), QRect(8, 24, 552, 1));
        // Every line fits the surface, and all nineteen fit its height.
        const QFontMetrics metrics(surface->textFont());
        for (std::string_view line : kHelpLines)
            QVERIFY(metrics.horizontalAdvance(
                        QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))) <=
                    surface->innerSize().width());
        QVERIFY(19 * metrics.height() <= surface->innerSize().height());
    }

    void switchingBetweenHelpAndGraphLeavesOneCopy()
    {
        // Graph first (Help is on the experiment window, which the handover closes).
        openGraph();
        focus(form1());
        openHelp();
        Form4 *help = m_program->form4();
        const QImage once = help->surface()->image().copy();
        // Ink in the first text row, none below the last one.
        for (int i = 0; i < 2; ++i) {
            focus(m_program->form2());
            focus(help);
        }
        QCOMPARE(help->surface()->image(), once);
    }

    void closeBringsBackAFreshExperimentWindowAndTheRecord()
    {
        click(form1(), "Command1");
        QTest::qWait(150);
        click(form1(), "Command3");
        const std::array<int, 4> counts{m_program->record().count(1), m_program->record().count(2),
                                        m_program->record().count(3), m_program->record().count(4)};
        const int total = counts[0] + counts[1] + counts[2] + counts[3];
        QVERIFY(total > 0);
        openHelp();
        QVERIFY(!form1());
        click(m_program->form4(), "Command1");
        QVERIFY(form1());
        QVERIFY(QTest::qWaitForWindowActive(form1()));
        QTRY_VERIFY(!m_program->form4());

        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(m_program->record().count(n), counts[static_cast<std::size_t>(n - 1)]);
            QCOMPARE(form1()->findChild<QLabel *>(QStringLiteral("dosuu%1").arg(n))->text(),
                     QString());
            QCOMPARE(form1()->findChild<QLabel *>(QStringLiteral("kaku%1").arg(n))->text(),
                     QString());
        }
        QCOMPARE(form1()->findChild<QLabel *>(QStringLiteral("Label17"))->text(), QString());
        QVERIFY(form1()->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled());
        QVERIFY(!form1()->findChild<QPushButton *>(QStringLiteral("Command3"))->isEnabled());
        QCOMPARE(form1()->control().phase(), 0);

        // The next Start continues from the old counts.
        click(form1(), "Command1");
        QTest::qWait(50);
        click(form1(), "Command3");
        const int after = form1()->findChild<QLabel *>(QStringLiteral("Label17"))->text().toInt();
        QVERIFY(after > total);
    }

    void exitEndsWithCodeZeroHoweverTheBoxIsDismissed_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("ok button") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("closing the box") << 2;
        QTest::newRow("return") << 3;
    }

    void exitEndsWithCodeZeroHoweverTheBoxIsDismissed()
    {
        QFETCH(int, way);
        openGraph();
        focus(form1());
        QPointer<Form2> graph = m_program->form2();
        QString text, title;
        qsizetype buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QTimer::singleShot(100, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            buttons = box->buttons().size();
            icon = box->icon();
            switch (way) {
            case 0:
                box->button(QMessageBox::Ok)->click();
                break;
            case 1:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case 2:
                box->close();
                break;
            default:
                QTest::keyClick(box, Qt::Key_Return);
                break;
            }
        });
        QCOMPARE(runProgram([this] { click(form1(), "Command4"); }, 3000), 0);
        QCOMPARE(text, QStringLiteral("This software will exit."));
        QCOMPARE(title, QStringLiteral("Quindle"));
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QTRY_VERIFY(!form1() && !graph);
    }

    void helpHandoverDoesNotEndTheProgram()
    {
        QVERIFY(!programEnds([this] { click(form1(), "Command7"); }));
        QVERIFY(m_program->form4());
        QVERIFY(!programEnds([this] { click(m_program->form4(), "Command1"); }));
        QVERIFY(form1());
    }

    void closingTheExperimentWindowAloneEndsTheProgram()
    {
        QVERIFY(programEnds([this] { form1()->close(); }));
    }

    void closingTheExperimentWindowLeavesTheGraphRunning()
    {
        openGraph();
        QVERIFY(!programEnds([this] { form1()->close(); }));
        QVERIFY(m_program->form2() && m_program->form2()->isVisible());
        QVERIFY(programEnds([this] { m_program->form2()->close(); }));
    }

    void closingHelpByItsFrameEndsTheProgramUnlessTheGraphIsOpen()
    {
        openHelp();
        QVERIFY(programEnds([this] { m_program->form4()->close(); }));
        QVERIFY(!form1()); // the frame does not bring the experiment window back
    }

    void closingHelpByItsFrameWithTheGraphOpenKeepsTheProgram()
    {
        openGraph();
        focus(form1());
        openHelp();
        QVERIFY(!programEnds([this] { m_program->form4()->close(); }));
        QVERIFY(m_program->form2());
    }
};

QUINDLE_WIDGET_TEST_MAIN(HelpAndLifetimeTest)
#include "help_and_lifetime_test.moc"

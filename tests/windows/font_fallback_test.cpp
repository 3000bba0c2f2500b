// Run by CTest with a fontconfig setup that has no Japanese font: the program must fall back
// to what there is and still build every window with every control in its rectangle.

#include "widget_test_main.h"

#include "app/program.h"
#include "windows/experiment/form1_layout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace quindle;

class FontFallbackTest : public QObject
{
    Q_OBJECT

private slots:
    void noJapaneseFontIsInstalledHere()
    {
        for (const QString &family : QFontDatabase::families())
            QVERIFY2(!family.startsWith(QStringLiteral("IPA")), qPrintable(family));
    }

    void windowsOpenWithEveryControlInPlace()
    {
        Program program(4);
        program.showForm1();
        Form1 *form = program.form1();
        QVERIFY(QTest::qWaitForWindowActive(form));
        for (const ControlSpec &spec : form1Layout()) {
            if (spec.kind == Kind::Line || spec.kind == Kind::Hidden || spec.index > 0)
                continue;
            QWidget *widget = form->findChild<QWidget *>(QString::fromLatin1(spec.name));
            QVERIFY2(widget, spec.name);
            QCOMPARE(widget->geometry(), QRect(pixels(spec.left), pixels(spec.top),
                                               pixels(spec.width), pixels(spec.height)));
        }
        auto *title = form->findChild<QLabel *>(QStringLiteral("Label15"));
        QVERIFY(QFontInfo(title->font()).family().startsWith(QStringLiteral("DejaVu")));
        QCOMPARE(title->font().pointSizeF(), 15.75);

        // A short run, the graph and the help window all still work.
        form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QTest::qWait(100);
        form->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
        QVERIFY(form->findChild<QLabel *>(QStringLiteral("Label17"))->text().toInt() > 0);
        form->findChild<QPushButton *>(QStringLiteral("Command6"))->click();
        QVERIFY(QTest::qWaitForWindowActive(program.form2()));
        program.form2()->close();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->findChild<QPushButton *>(QStringLiteral("Command7"))->click();
        QVERIFY(program.form4());
        QVERIFY(QTest::qWaitForWindowActive(program.form4()));
    }
};

QUINDLE_WIDGET_TEST_MAIN(FontFallbackTest)
#include "font_fallback_test.moc"

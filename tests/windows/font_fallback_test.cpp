// Run by CTest with a fontconfig setup that has no Japanese font: the program must fall back
// to what there is and still build every window with every control in its rectangle.

#include "window_driver.h"

#include <QFontDatabase>
#include <QFontInfo>

using namespace quindle;
using namespace quindle::testing;

class FontFallbackTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void windowsOpenAndWorkWithoutTheJapaneseFont()
    {
        for (const QString &family : QFontDatabase::families())
            QVERIFY2(!family.startsWith(QStringLiteral("IPA")), qPrintable(family));
        startProgram(4);
        QCOMPARE(button(Button::GraphDisplay)->geometry(), QRect(24, 336, 129, 25));
        QCOMPARE(cell(experiment(), CellKind::Ratio, 4)->geometry(), QRect(336, 232, 81, 25));
        auto *title = experiment()->findChild<QLabel *>(QStringLiteral("Label15"));
        QVERIFY(QFontInfo(title->font()).family().startsWith(QStringLiteral("DejaVu")));

        runFor(100);
        QVERIFY(trialTotal(experiment())->text().toInt() > 0);
        openGraph();
        graph()->close();
        focus(experiment());
        openHelp();
        endProgram();
    }
};

QUINDLE_WIDGET_TEST_MAIN(FontFallbackTest)
#include "font_fallback_test.moc"

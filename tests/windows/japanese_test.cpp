// The program in Japanese: the translation has every message, and every text the windows show
// is Japanese (but for numbers and the program's name) and fits its control, the help text its
// surface.

#include "window_driver.h"

#include "windows/controls/drawing_surface.h"
#include "windows/help/help_text.h"
#include "windows/support/translation.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace quindle;
using namespace quindle::testing;

namespace {

bool inJapanese(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// Every label and button of window shows Japanese, a number or the program's name, in full.
void checkTexts(QWidget *window)
{
    QVERIFY2(inJapanese(window->windowTitle()), qPrintable(window->windowTitle()));
    static const QRegularExpression number(QStringLiteral("^[0-9.]*$"));
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QString text = control->property("text").toString();
        if (!control->isVisible() || number.match(text).hasMatch() ||
            text == QLatin1String("Quindle"))
            continue;
        QVERIFY2(inJapanese(text), qPrintable(text));
        QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= control->contentsRect().width(),
                 qPrintable(text));
    }
    for (QAction *action : window->actions()) {
        QVERIFY2(action->isSeparator() || inJapanese(action->text()), qPrintable(action->text()));
        for (QAction *choice : action->menu() ? action->menu()->actions() : QList<QAction *>())
            QVERIFY2(inJapanese(choice->text()), qPrintable(choice->text()));
    }
}

} // namespace

class JapaneseTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void initTestCase() { installTranslation(QLocale(QLocale::Japanese, QLocale::Japan)); }
    void cleanupTestCase() { installTranslation(QLocale::c()); }
    void init() { startProgram(3); }
    void cleanup() { endProgram(); }

    void everyMessageHasItsJapaneseInTheProgram()
    {
        QFile ts(QStringLiteral(QUINDLE_JAPANESE_TS));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        int messages = 0;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(),
                         qPrintable(source));
                const QString japanese = xml.readElementText();
                QVERIFY2(!japanese.isEmpty(), qPrintable(source));
                QCOMPARE(ui(source.toUtf8().constData()), japanese);
                ++messages;
            }
        }
        QVERIFY(messages > 90);
    }

    void everyTextShownIsJapaneseAndFits()
    {
        runFor(100);
        checkTexts(experiment());
        openGraph();
        checkTexts(graph());
        openHelp();
        checkTexts(help());
        const int width = help()->surface()->innerSize().width();
        const QFontMetrics metrics(help()->surface()->textFont());
        for (std::string_view line : kHelpLines) {
            const QString shown = ui(std::string(line).c_str());
            QVERIFY2(line.empty() || inJapanese(shown), qPrintable(shown));
            QVERIFY2(metrics.horizontalAdvance(shown) <= width, qPrintable(shown));
        }
    }
};

QUINDLE_WIDGET_TEST_MAIN(JapaneseTest)
#include "japanese_test.moc"

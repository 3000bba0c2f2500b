// The program in every language it is translated into: each window shows its texts in that
// language, every text fits its control, the help text fits its surface and names the buttons as
// they are captioned. (That every message is translated is checked with lupdate and lrelease.)

#include "windows/window_driver.h"

#include "windows/controls/drawing_surface.h"
#include "windows/help/help_text.h"
#include "windows/support/translation.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The words window shows: its title, its labels' and buttons' texts and its context menu, but
// for numbers and percentages, which are the same in every language.
QStringList textsOf(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *control : window->findChildren<QWidget *>())
        if (control->isVisible() && !control->property("text").toString().isEmpty())
            texts << control->property("text").toString();
    for (QAction *action : window->actions()) {
        texts << action->text();
        for (QAction *choice : action->menu() ? action->menu()->actions() : QList<QAction *>())
            texts << choice->text();
    }
    static const QRegularExpression number(QStringLiteral("^[0-9.]* ?%?$"));
    texts.removeIf([](const QString &text) { return number.match(text).hasMatch(); });
    return texts;
}

// Every label and button of window shows its text in full, and most of its texts are not the
// English ones (some words are the same in both languages, and numbers are numbers).
void checkTexts(QWidget *window, const QStringList &english)
{
    checkTextsFit(window);
    const QStringList shown = textsOf(window);
    const auto same = std::count_if(shown.cbegin(), shown.cend(), [&english](const QString &text) {
        return english.contains(text);
    });
    QVERIFY2(same * 2 < shown.size(), qPrintable(shown.join(QLatin1Char('|'))));
}

} // namespace

class TranslationsTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        installTranslation(QLocale::c());
        installFontSubstitutions();
    }
    void cleanup() { endProgram(); }

    void everyWindowInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        const QStringList languages = translatedLanguages();
        QVERIFY(languages.size() >= 7);
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << language;
    }
    void everyWindowInEveryLanguage()
    {
        QFETCH(QString, language);
        // What the windows show in English, then in the language.
        installTranslation(QLocale::c());
        const QString english = helpLines().join(QLatin1Char('\n'));
        QTemporaryDir classFolder;
        startProgram(3);
        QStringList englishTexts =
            textsOf(experiment()) + textsOf(m_program->openClassWindow(classFolder.path()));
        openGraph();
        openHelp();
        englishTexts += textsOf(graph()) + textsOf(help());
        endProgram();
        QVERIFY(installTranslation(QLocale(language)));
        installFontSubstitutions(QLocale(language));
        startProgram(3);
        runTrials(10);
        checkTexts(experiment(), englishTexts);
        checkTexts(m_program->openClassWindow(classFolder.path()), englishTexts);
        openGraph();
        checkTexts(graph(), englishTexts);
        openHelp();
        checkTexts(help(), englishTexts);

        // The help text is in the language, fits its surface line by line, and names the
        // buttons the way the experiment window captions them.
        const QStringList lines = helpLines();
        QVERIFY(lines.join(QLatin1Char('\n')) != english);
        const int width = help()->surface()->innerSize().width();
        const QFontMetrics metrics(help()->surface()->textFont());
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
        click(helpClose());
        QVERIFY(QTest::qWaitFor([this] { return experiment() != nullptr; }));
        QStringList captions;
        for (Button which : kButtons)
            captions << button(which)->text();
        static const QRegularExpression named(QStringLiteral("[[［]([^]］]+)[]］]"));
        int buttons = 0;
        for (auto match = named.globalMatch(lines.join(QLatin1Char(' '))); match.hasNext();
             ++buttons)
            QVERIFY2(captions.contains(match.next().captured(1)),
                     qPrintable(captions.join(QLatin1Char('|'))));
        QCOMPARE(buttons, 4);
    }
};

QUINDLE_WIDGET_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"

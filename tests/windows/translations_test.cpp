// The program in every language it is translated into: each window shows its texts in that
// language, every text fits its control, the help text fits its surface and names the buttons as
// they are captioned. (That every message is translated is checked with lupdate and lrelease.)

#include "windows/window_driver.h"

#include "classroom/class_pool.h"
#include "windows/classroom/class_pictures.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/graph/plot.h"
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

// The texts a drawing prints and where: a surface that keeps nothing else.
struct PrintedTexts final : SurfaceOperations
{
    struct Printed
    {
        float x, y;
        QString text;
    };
    std::vector<Printed> texts;
    float x = 0, y = 0;

    void line(float, float, float x2, float y2, Rgb) override { x = x2, y = y2; }
    void lineTo(float x2, float y2, Rgb) override { x = x2, y = y2; }
    void point(float x1, float y1, Rgb) override { x = x1, y = y1; }
    void setCurrentX(float to) override { x = to; }
    void setCurrentY(float to) override { y = to; }
    void print(std::string_view text) override
    {
        texts.push_back({x, y, QString::fromUtf8(text.data(), qsizetype(text.size()))});
    }
    void clear() override { texts.clear(); }
};

// Every text printed lies inside width pixels, its left edge at x * pixelsPerUnit.
void checkPrintedTextsFit(const PrintedTexts &printed, const QFont &font, double pixelsPerUnit,
                          int width)
{
    QVERIFY(!printed.texts.empty());
    const QFontMetrics metrics(font);
    for (const auto &[x, y, text] : printed.texts) {
        const double left = x * pixelsPerUnit;
        QVERIFY2(left >= 0 && left + metrics.horizontalAdvance(text) <= width,
                 qPrintable(QStringLiteral("%1 at %2 of %3").arg(text).arg(left).arg(width)));
    }
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

    // The gap views' titles and numbers, in the language's words and number forms, fit the
    // graph's surface and the class's picture, on scales as wide as a run or a large class
    // makes them.
    void theGapViewsFitTheirPicturesInEveryLanguage_data() { everyWindowInEveryLanguage_data(); }
    void theGapViewsFitTheirPicturesInEveryLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(installTranslation(QLocale(language)));
        installFontSubstitutions(QLocale(language));
        QLocale::setDefault(QLocale(language));
        startProgram(3);
        openGraph();
        PrintedTexts graphTexts;
        std::vector<Gaps> fullRun(kMaxShownTrials, Gaps{-99.75, 33.25, 33.25, 33.25});
        drawGapPlot(graphTexts, fullRun, true);
        const DrawingSurface &plot = *graph()->surface();
        checkPrintedTextsFit(graphTexts, plot.textFont(),
                             plot.toPixel(1000, 0).x() / 1000.0 * 100 / plot.zoom(),
                             plot.designInnerSize().width());

        QTemporaryDir classFolder;
        auto *curve = findControl<DrawingSurface>(m_program->openClassWindow(classFolder.path()),
                                                  classWindowLayout(), class_roles::curve);
        ClassPool large;
        large.trials = 35'500'000; // ten thousand full runs
        PrintedTexts classTexts;
        drawClassGapCurve(classTexts, curve->designInnerSize(), large);
        checkPrintedTextsFit(classTexts, curve->textFont(), 1, curve->designInnerSize().width());
        QLocale::setDefault(QLocale::c());
    }

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
        runFor(100);
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

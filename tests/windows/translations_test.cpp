// The program in every language it is translated into: each window shows its texts in that
// language, every text fits its control, the help text fits its surface and names the buttons as
// they are captioned. (That every message is translated is checked with lupdate and lrelease.)

#include "windows/window_driver.h"

#include "app/option_values.h"
#include "classroom/class_pool.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_pictures.h"
#include "windows/classroom/class_window.h"
#include "windows/classroom/class_window_layout.h"
#include "windows/controls/drawing_surface.h"
#include "windows/graph/plot.h"
#include "windows/help/help_text.h"
#include "windows/support/translation.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
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
        QCOMPARE(coinPicturesShowingTheirOwn(), 8); // 表 and 裏 in English
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
        // Japanese shows the coins' own 表 and 裏; every other language its own marks.
        QCOMPARE(coinPicturesShowingTheirOwn(), language == QLatin1String("ja") ? 8 : 0);
        // A class's folder with a run, a copy of it and a note: every row and reason shows.
        const QString run = classFolder.filePath(QStringLiteral("pupil-01.csv"));
        QCOMPARE(experiment()->saveResults(run), QString());
        QVERIFY(QFile::copy(run, classFolder.filePath(QStringLiteral("pupil-01 - Copy.csv"))));
        QFile note(classFolder.filePath(QStringLiteral("notes.txt")));
        QVERIFY(note.open(QIODevice::WriteOnly) && note.write("coins\n") == 6);
        note.close();
        ClassWindow *classWindow = m_program->openClassWindow(classFolder.path());
        QVERIFY(QTest::qWaitFor(
            [classWindow] { return classWindow->folder().pool().unpooled.size() == 2; }, 5000));
        openGraph();
        // The gap views' titles and numbers, in the language's number forms, on scales as wide
        // as a run or a large class makes them.
        drawGapPlot(*graph()->surface(),
                    std::vector<Gaps>(kMaxShownTrials, Gaps{-99.75, 33.25, 33.25, 33.25}), true);
        auto *curve =
            findControl<DrawingSurface>(classWindow, classWindowLayout(), class_roles::curve);
        ClassPool large;
        large.trials = 35'500'000; // ten thousand full runs
        drawClassGapCurve(*curve, curve->designInnerSize(), large);
        QVERIFY(graph()->surface()->printedTexts().size() > 20 &&
                curve->printedTexts().size() > 8); // titles and numbers
        const auto checkAtBothSizes = [this, &englishTexts](const QList<QWidget *> &windows) {
            for (QWidget *window : windows)
                checkTexts(window, englishTexts);
            m_program->setZoom(200);
            for (QWidget *window : windows)
                checkTextsFit(window);
            m_program->setZoom(100);
        };
        checkAtBothSizes({experiment(), classWindow, graph()});
        openHelp();
        checkAtBothSizes({help()});

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

    void aCodeWithARegionChoosesItsLanguageNumbersAndDates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("locale");
        for (const auto &[code, locale] : {std::pair{"ja_JP", "ja_JP"},
                                           {"de_AT", "de_AT"},
                                           {"es_MX", "es_MX"},
                                           {"fr_CA", "fr_CA"},
                                           {"de-DE", "de_DE"},
                                           {"pt-BR", "pt_BR"},
                                           {"ko_KR.UTF-8", "ko_KR"},
                                           {"zh", "zh_CN"}})
            QTest::newRow(code) << QString::fromLatin1(code) << QString::fromLatin1(locale);
    }
    void aCodeWithARegionChoosesItsLanguageNumbersAndDates()
    {
        // As LANG=de_AT.UTF-8 gives German texts with Austria's numbers and dates.
        QFETCH(QString, code);
        QFETCH(QString, locale);
        const std::optional<QString> valid = languageValue(code);
        QVERIFY(valid);
        const QLocale chosen = languageOf(*valid);
        QCOMPARE(chosen.name(), locale);
        QVERIFY(installTranslation(chosen));
        QVERIFY(QCoreApplication::translate("quindle::ExperimentWindow", "Help") !=
                QLatin1String("Help"));
        // The printed graph's date in the language, whatever the system's is.
        startProgram(3);
        openGraph();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("graph.svg"));
        QCOMPARE(graph()->saveGraphAsSvg(path), QString());
        const QString date = QLocale(locale).toString(QDate::currentDate(), QLocale::LongFormat);
        QVERIFY2(QString::fromUtf8(fileBytes(path)).contains(date), qPrintable(date));
    }

    void numbersAsTheLanguageWritesThemAndFilesWithThePoint()
    {
        // German writes 0,257: on the screen, in what is said and in what is copied for a German
        // spreadsheet. A results file and the class's CSV keep the point in every language.
        const QLocale german(QStringLiteral("de_DE"));
        installTranslation(german);
        installFontSubstitutions(german);
        startProgram(5);
        trialsByHand(7);
        static const QRegularExpression shown(QStringLiteral("^[01],[0-9]{3}$"));
        for (int n = 1; n <= kOutcomes; ++n)
            QVERIFY2(shown.match(cell(CellKind::Ratio, n)->text()).hasMatch(),
                     qPrintable(cell(CellKind::Ratio, n)->text()));
        QTest::keyClick(experiment(), Qt::Key_C, Qt::ControlModifier);
        static const QRegularExpression copiedRow(QStringLiteral("\\t[0-9]+\\t[01],[0-9]{3}\\n"));
        QCOMPARE(QGuiApplication::clipboard()->text().count(copiedRow), kOutcomes);

        QTemporaryDir folder;
        const QString run = folder.filePath(QStringLiteral("run.csv"));
        QCOMPARE(experiment()->saveResults(run), QString());
        static const QRegularExpression fileRow(
            QStringLiteral("\\n[A-Za-z/]+,[0-9]+,[01]\\.[0-9]{3}\\n"));
        QCOMPARE(QString::fromUtf8(fileBytes(run)).count(fileRow), kOutcomes);

        openGraph();
        QStringList said;
        for (int n = 1; n <= kOutcomes; ++n)
            said << findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::legendLabel(n))
                        ->accessibleName();
        QVERIFY2(said.join(QLatin1Char('|'))
                         .contains(QRegularExpression(QStringLiteral(" [01],[0-9]{3}\\b"))) &&
                     !said.join(QLatin1Char('|'))
                          .contains(QRegularExpression(QStringLiteral("[0-9]\\.[0-9]"))),
                 qPrintable(said.join(QLatin1Char('|'))));

        ClassWindow *window = m_program->openClassWindow(folder.path());
        QVERIFY(
            QTest::qWaitFor([window] { return window->folder().pool().runs.size() == 1; }, 5000));
        static const QRegularExpression tableRow(
            QStringLiteral("^run\\.csv\\t7(\\t[0-9]){4}(\\t[01],[0-9]{3}){4}$"));
        const QStringList copied =
            window->tableText(QLatin1Char('\t'), ClassWindow::NumberForm::Shown)
                .split(QLatin1Char('\n'));
        QVERIFY2(copied.size() > 1 && tableRow.match(copied[1]).hasMatch(),
                 qPrintable(copied.join(QLatin1Char('|'))));
        const QString csv = folder.filePath(QStringLiteral("class.csv"));
        QCOMPARE(window->saveTable(csv), QString());
        static const QRegularExpression csvRow(
            QStringLiteral("\\nrun\\.csv,7(,[0-9]){4}(,[01]\\.[0-9]{3}){4}\\n"));
        QVERIFY(QString::fromUtf8(fileBytes(csv)).contains(csvRow));
    }

private:
    // How many of the coins' four pictures, at 100 % and 200 %, show the bitmaps they were made
    // from, with their 表 or 裏, and not a mark of the language's drawn over them (of eight).
    [[nodiscard]] int coinPicturesShowingTheirOwn() const
    {
        int same = 0;
        for (const auto &[side, path] :
             {std::pair{Face::Head, ":/coin_head.bmp"}, std::pair{Face::Tail, ":/coin_tail.bmp"}}) {
            for (const int coin : {1, 2}) {
                Picture *shown = face(coin, side);
                Picture made(QString::fromLatin1(path), nullptr);
                made.resize(shown->size());
                const bool wasShown = shown->isShown();
                shown->setShown(true);
                for (const bool enlarged : {false, true}) {
                    made.setEnlarged(enlarged);
                    shown->setEnlarged(enlarged);
                    same += made.grab().toImage().convertToFormat(QImage::Format_RGB32) ==
                            shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
                }
                shown->setEnlarged(false);
                shown->setShown(wasShown);
            }
        }
        return same;
    }
};

QUINDLE_WIDGET_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"

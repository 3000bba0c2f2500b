// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Every window in every language the program has: its texts translated and whole (lupdate and
// lrelease check the rest).

#include "windows/window_driver.h"

#include "app/option_values.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_window.h"

#include <QDate>
#include <QTemporaryDir>

#include <functional>

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

// A ratio of a hundred written with language's decimal sign ("0,257" in German), as a pattern.
QString ratioIn(const QString &language)
{
    const QString point = QRegularExpression::escape(QLocale(language).decimalPoint());
    return QStringLiteral("[01]%1[0-9]{3}").arg(point);
}

// text holds pattern so many times.
void checkFound(const QString &text, const QString &pattern, int times = 1)
{
    QVERIFY2(text.count(QRegularExpression(pattern)) == times, qPrintable(text));
}

// One row for each language the program has.
void languageRows()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = translatedLanguages();
    QVERIFY(languages.size() >= 7);
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

} // namespace

class TranslationsTest : public QObject, ProgramDriver
{
    Q_OBJECT

    QStringList m_englishTexts; // what the windows show in English

private slots:
    void initTestCase()
    {
        installTranslation(QLocale::c());
        QTemporaryDir classFolder;
        startProgram(3);
        m_englishTexts =
            textsOf(experiment()) + textsOf(m_program->openClassWindow(classFolder.path()));
        openGraph();
        openHelp();
        m_englishTexts += textsOf(graph()) + textsOf(help());
        endProgram();
    }
    void cleanupTestCase()
    {
        installTranslation(QLocale::c());
        installFontSubstitutions();
    }
    void cleanup() { endProgram(); }

    void theWindowsShowTheLanguagesNumbers_data() { languageRows(); }
    void theWindowsShowTheLanguagesNumbers()
    {
        const QString language = startInTheRowsLanguage(); // in the run's table
        QString shown;
        for (int n = 1; n <= kOutcomes; ++n)
            shown += QLatin1Char('|') + cell(CellKind::Ratio, n)->text();
        checkFound(shown, QStringLiteral("^(\\|%1){4}$").arg(ratioIn(language)));
    }

    void theFilesKeepThePoint_data() { languageRows(); }
    void theFilesKeepThePoint()
    {
        // The run's results file and the class's table saved as CSV.
        startInTheRowsLanguage();
        QTemporaryDir classFolder;
        ClassWindow *classWindow = openClassWithTheRun(classFolder);
        QVERIFY(classWindow);
        checkFound(
            QString::fromUtf8(fileBytes(classFolder.filePath(QStringLiteral("pupil-01.csv")))),
            QStringLiteral("\\n[A-Za-z/]+,[0-9]+,[01]\\.[0-9]{3}\\n"), kOutcomes);
        const QString csv = classFolder.filePath(QStringLiteral("class.csv"));
        QCOMPARE(classWindow->saveTable(csv), QString());
        checkFound(QString::fromUtf8(fileBytes(csv)),
                   QStringLiteral("\\npupil-01\\.csv,%1(,[0-9]+){4}(,[01]\\.[0-9]{3}){4}\\n")
                       .arg(trials()));
    }

    void theWindowsTextsAreTranslated_data() { languageRows(); }
    void theWindowsTextsAreTranslated()
    {
        // Most texts not the English ones (some words are shared).
        checkEveryWindow([this](QWidget *window) { checkMostlyTranslated(window); });
    }

    void theWindowsTextsFit_data() { languageRows(); }
    void theWindowsTextsFit() { checkEveryWindow(checkTextsFit); }

    void aCodeWithARegionChoosesItsLanguageNumbersAndDates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("locale");
        for (const char *row : {"ja_JP ja_JP", "de_AT de_AT", "es_MX es_MX", "fr_CA fr_CA",
                                "de-DE de_DE", "pt-BR pt_BR", "ko_KR.UTF-8 ko_KR", "zh zh_CN"}) {
            const QStringList given = QString::fromLatin1(row).split(QLatin1Char(' '));
            QTest::newRow(qPrintable(given[0])) << given[0] << given[1];
        }
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

private:
    // Starts in the row's language with a class window on its run and checks every window: the
    // experiment, class and graph windows, then the help in the experiment window's place.
    void checkEveryWindow(const std::function<void(QWidget *)> &check)
    {
        startInTheRowsLanguage();
        QTemporaryDir classFolder;
        ClassWindow *classWindow = openClassWithTheRun(classFolder);
        QVERIFY(classWindow);
        openGraph();
        for (QWidget *window : QList<QWidget *>{experiment(), classWindow, graph()})
            check(window);
        openHelp();
        check(help());
    }
    QString startInTheRowsLanguage()
    {
        QFETCH(QString, language);
        startIn(language);
        return language;
    }
    // The program in language, with ten trials run.
    void startIn(const QString &language)
    {
        QVERIFY(installTranslation(QLocale(language)));
        installFontSubstitutions(QLocale(language));
        startProgram(3);
        runTrials(10);
    }
    // The class window on a class's folder with the run, a copy of it and a note, once it has left
    // out the copy and the note (so that every row and reason shows); null if it cannot.
    [[nodiscard]] ClassWindow *openClassWithTheRun(const QTemporaryDir &classFolder) const
    {
        const QString run = classFolder.filePath(QStringLiteral("pupil-01.csv"));
        QFile note(classFolder.filePath(QStringLiteral("notes.txt")));
        if (!experiment()->saveResults(run).isEmpty() ||
            !QFile::copy(run, classFolder.filePath(QStringLiteral("pupil-01 - Copy.csv"))) ||
            !note.open(QIODevice::WriteOnly) || note.write("coins\n") != 6 || !note.flush())
            return nullptr;
        ClassWindow *classWindow = m_program->openClassWindow(classFolder.path());
        const bool sorted = QTest::qWaitFor(
            [classWindow] { return classWindow->folder().pool().unpooled.size() == 2; }, 5000);
        return sorted ? classWindow : nullptr;
    }
    void checkMostlyTranslated(QWidget *window) const
    {
        const QStringList texts = textsOf(window);
        const auto same = std::ranges::count_if(
            texts, [this](const QString &text) { return m_englishTexts.contains(text); });
        QVERIFY2(same * 2 < texts.size(), qPrintable(texts.join(QLatin1Char('|'))));
    }
};

QUINDLE_WIDGET_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/command_line.h"

#include "app/option_values.h"
#include "app/settings.h"
#include "app/settings_wiring.h"
#include "app/terminal_wrapping.h"
#include "windows/support/translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

namespace quindle {

namespace {

// Qt's own --help lines, which Qt's translations lack in some languages (Japanese, Spanish,
// French): listed here so that the program's translation files carry them. QCommandLineParser
// looks them up under its own name.
[[maybe_unused]] constexpr const char *kQtHelpTexts[] = {
    //: --help on the option -h, --help. Written as a terminal's help texts are.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    //: --help on the option --help-all, which lists the display options Qt adds too.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    //: --help on the option --help-all, as Qt 6.8 and later word it: it lists the display
    //: options Qt adds too.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help, including generic Qt options."),
    //: --help on the option -v, --version.
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
};

// The room of a help line: a terminal's 80 columns less one; an option's description starts after
// the longest option's name ("  --language <CODE>  ").
constexpr int kHelpColumns = 79;
constexpr int kOptionDescriptionColumns = kHelpColumns - 21;

} // namespace

void describeCommandLine(QCommandLineParser &parser)
{
    //: What quindle --help says first, under its usage line.
    parser.setApplicationDescription(wrappedForTerminal(
        QCoreApplication::translate(
            "quindle::CommandLine",
            "Throws two coins again and again and counts the four outcomes, so that each one's "
            "share of all trials can be seen to settle near 1/4."),
        kHelpColumns));
    parser.addHelpOption();
    parser.addVersionOption();
    const auto addOption = [&parser](const QString &name, const QString &description,
                                     const QString &valueName) {
        parser.addOption(QCommandLineOption(
            name, wrappedForTerminal(description, kOptionDescriptionColumns), valueName));
    };
    addOption(
        QStringLiteral("seed"),
        //: --help on the option --seed N; keep <N> as it is.
        QCoreApplication::translate(
            "quindle::CommandLine",
            "Takes every draw from a sequence fixed by <N> (a whole number), the same trial for "
            "trial on every machine, instead of from the clock."),
        QStringLiteral("N"));
    addOption(
        QStringLiteral("zoom"),
        //: --help on the option --zoom PERCENT; keep <PERCENT> as it is. %1 lists the zoom steps.
        QCoreApplication::translate("quindle::CommandLine",
                                    "Starts with every window at <PERCENT> of its size (%1).")
            .arg(zoomStepsText()),
        QStringLiteral("PERCENT"));
    addOption(
        QStringLiteral("class"),
        //: --help on the option --class FOLDER; keep <FOLDER> as it is.
        QCoreApplication::translate("quindle::CommandLine",
                                    "Opens the class window beside the experiment window, pooling "
                                    "the results files in <FOLDER> as they come."),
        QStringLiteral("FOLDER"));
    addOption(
        QStringLiteral("language"),
        //: --help on the option --language CODE; keep <CODE> as it is. %1 lists the languages the
        //: program is translated into.
        QCoreApplication::translate("quindle::CommandLine",
                                    "Shows the texts in <CODE> (en, %1) instead of the system's "
                                    "language.")
            .arg(translatedLanguages().join(QLatin1String(", "))),
        QStringLiteral("CODE"));
}

void takeCommandLine(Settings &settings, int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Qt's own options are unknown to this parser and go on to QApplication; the options it
    // knows are read all the same.
    (void)parser.parse(arguments);
    settings.takeCommandLine(parser);
}

void answerInformationOptions(int &argc, char **argv, const QString &language)
{
    if (argc < 2)
        return;
    const QCoreApplication application(argc, argv);
    installTranslation(languageOf(language));
    QCommandLineParser parser;
    describeCommandLine(parser);
    // Qt's own options are unknown to this parser; they are checked once QApplication has taken
    // them out.
    (void)parser.parse(QCoreApplication::arguments());
    // --help-all lists the display options too, which only QApplication knows: it is answered
    // once the application is up.
    if ((parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))) ||
        parser.isSet(QStringLiteral("version")))
        parser.process(application); // prints and exits
}

} // namespace quindle

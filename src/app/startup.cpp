#include "app/startup.h"

#include "app/option_values.h"
#include "app/program.h"
#include "app/settings.h"
#include "sound/sound_output.h"
#include "sound/sound_warnings.h"
#include "windows/paper/paper.h"
#include "windows/support/translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

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

// Whether a terminal gives the character two columns (Chinese, Japanese and Korean letters and
// their punctuation), where QCommandLineParser counts one.
bool isWide(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
           (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
           (u >= 0xFFE0 && u <= 0xFFE6);
}

// The help text with line breaks of its own, so that no line takes more than columns of a
// terminal. QCommandLineParser wraps at spaces by counting characters, which lets a line of
// Chinese or Japanese (two columns a letter, no spaces) run to twice the width; such a line is
// broken at its last space or between two letters (Korean, which spaces its words, only at a
// space), as those languages break lines: never
// before a closing bracket or a punctuation mark, nor after an opening bracket. A text without
// wide letters is left to QCommandLineParser.
QString wrappedForTerminal(const QString &text, int columns)
{
    if (std::none_of(text.begin(), text.end(), isWide))
        return text;
    const QString noLineStart = QStringLiteral("、。，．）」』】〕：；！？ー・)]},.:;!?");
    const QString noLineEnd = QStringLiteral("（「『【〔([{");
    QString wrapped;
    int column = 0;
    qsizetype lineStart = 0;
    qsizetype breakAt = -1; // where the line may break: at a space, or before a letter
    const auto breaksBetweenLetters = [](QChar letter) {
        const char16_t u = letter.unicode();
        return isWide(letter) && !(u >= 0xAC00 && u <= 0xD7A3) && !(u >= 0x1100 && u <= 0x115F);
    };
    for (const QChar c : text) {
        const int width = isWide(c) ? 2 : 1;
        if (c == QLatin1Char(' '))
            breakAt = wrapped.size();
        else if (wrapped.size() > lineStart && wrapped.back() != QLatin1Char(' ') &&
                 (breaksBetweenLetters(c) || breaksBetweenLetters(wrapped.back())) &&
                 !noLineStart.contains(c) && !noLineEnd.contains(wrapped.back()))
            breakAt = wrapped.size();
        if (column + width > columns) {
            if (breakAt <= lineStart)
                breakAt = wrapped.size();
            if (breakAt < wrapped.size() && wrapped[breakAt] == QLatin1Char(' '))
                wrapped[breakAt] = QLatin1Char('\n');
            else
                wrapped.insert(breakAt, QLatin1Char('\n'));
            lineStart = breakAt + 1;
            column = 0;
            for (qsizetype i = lineStart; i < wrapped.size(); ++i)
                column += isWide(wrapped[i]) ? 2 : 1;
        }
        wrapped += c;
        column += width;
    }
    return wrapped;
}

// The room of a help line: a terminal's 80 columns less one; an option's description starts after
// the longest option's name ("  --language <CODE>  ").
constexpr int kHelpColumns = 79;
constexpr int kOptionDescriptionColumns = kHelpColumns - 21;

} // namespace

void identifyProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("quindle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINDLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quindle.Quindle"));
}

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

QLocale languageOf(const QString &code)
{
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

void useSettings(Program &program, Settings &settings)
{
    settings.load(program.preferences());
    settings.persist(program.preferences());
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

std::optional<std::uint64_t> seedOption(const QCommandLineParser &parser)
{
    if (!parser.isSet(QStringLiteral("seed")))
        return std::nullopt;
    const QString text = parser.value(QStringLiteral("seed"));
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok);
    if (!ok) {
        std::fprintf(stderr, "quindle: --seed needs a whole number from 0 to %llu, not '%s'\n",
                     std::numeric_limits<qulonglong>::max(), qPrintable(text));
        std::exit(1);
    }
    return seed;
}

namespace {

// Waits for the window's first paint, then loads the modules once the paint is done, one at a
// time, so that a click in between is not held up by both.
class FirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QString why;
                if (!soundOutput(&why))
                    reportSilentCues(why);
                QTimer::singleShot(0, this, [this] {
                    QString reason;
                    if (!paperOutput(&reason))
                        std::fprintf(stderr, "quindle: cannot print or write SVG files: %s\n",
                                     qPrintable(reason));
                    deleteLater();
                });
            });
        }
        return false;
    }
};

} // namespace

void loadModulesOnceShown(QWidget *window)
{
    window->installEventFilter(new FirstPaintWatcher(window));
}

QString requestedPlatform(int argc, const char *const *argv)
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    return platform;
}

QString displayDescription(int argc, const char *const *argv)
{
    const QString platform = requestedPlatform(argc, argv);
    const QString x11 = qEnvironmentVariable("DISPLAY");
    QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const bool forX11 = platform.startsWith(QLatin1String("xcb"));
    const bool forWayland = platform.startsWith(QLatin1String("wayland"));
    if (forWayland || (!forX11 && !wayland.isEmpty())) {
        if (wayland.isEmpty())
            wayland = QStringLiteral("wayland-0");
        const QString waylandText = QStringLiteral("Wayland display %1").arg(wayland);
        if (forWayland || x11.isEmpty())
            return waylandText;
        return QStringLiteral("%1 or X display %2").arg(waylandText, x11);
    }
    if (forX11 || platform.isEmpty())
        return QStringLiteral("X display %1").arg(x11);
    return QStringLiteral("display platform %1").arg(platform);
}

PlatformStartGuard *PlatformStartGuard::s_active = nullptr;

PlatformStartGuard::PlatformStartGuard(QString display)
    : m_display(std::move(display))
{
    s_active = this;
    m_previous = qInstallMessageHandler(&PlatformStartGuard::handle);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(m_previous);
    s_active = nullptr;
    for (const HeldMessage &message : m_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (m_previous)
            m_previous(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
}

void PlatformStartGuard::handle(QtMsgType type, const QMessageLogContext &context,
                                const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "quindle: cannot open the %s\n", qPrintable(s_active->m_display));
        std::_Exit(1); // nothing is running yet that would need shutting down
    }
    s_active->m_held.push_back({type, QByteArray(context.category), text});
}

} // namespace quindle

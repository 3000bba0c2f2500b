#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <vector>

class QCommandLineParser;
class QLocale;

namespace quindle {

// The program's name, version and desktop entry, for the command line, the window system and
// the desktop. No display name is set: Qt would append it to every window's title, and each
// window's title bar shows its own caption alone.
void identifyProgram();

// The program's command line: --help, --version, --seed N, --zoom PERCENT and --language CODE
// beside Qt's own options (-platform, -style, ...), which QApplication takes out of the arguments
// before the parser sees them.
void describeCommandLine(QCommandLineParser &parser);

// The language of the texts, numbers and dates: the one --language names, if the program has
// texts for it (with or without a region: "de", "de_AT", "pt-BR"), else the system's; a language
// it does not know is named, with the ones it has, on standard error.
[[nodiscard]] QLocale chosenLanguage(const QStringList &arguments);

// The --zoom option's value, 100 when it is not given; a value that is not one of the zoom
// steps is named on standard error, and the windows open at 100.
[[nodiscard]] int zoomOption(const QCommandLineParser &parser);

// The --class option's folder, empty when not given; one that is not a folder is named on
// standard error, and no class window opens.
[[nodiscard]] QString classOption(const QCommandLineParser &parser);

// The --seed option's value, if given; exits with a message when it is not a whole number.
[[nodiscard]] std::optional<std::uint64_t> seedOption(const QCommandLineParser &parser);

// Answers --help and --version, and exits, before any display is looked for, so
// they work where no display is (over ssh, in a script). Returns when there is nothing to
// answer.
void answerInformationOptions(int &argc, char **argv);

// The platform Qt is asked for, by -platform or QT_QPA_PLATFORM; empty when Qt chooses.
[[nodiscard]] QString requestedPlatform(int argc, const char *const *argv);

// Which display the platform plugin would have opened, as the one-line failure message names
// it, from the -platform argument and the environment.
[[nodiscard]] QString displayDescription(int argc, const char *const *argv);

// Holds back Qt's messages while QApplication starts its platform plugin. If the plugin cannot
// start (no server at DISPLAY, no socket at WAYLAND_DISPLAY), Qt would print several lines and
// abort with a core dump; instead the program prints one line naming the display and exits
// with 1. Once the application is up, the held messages go out as usual.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(QString display);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

private:
    struct HeldMessage
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

    static PlatformStartGuard *s_active;
    QString m_display;
    QtMessageHandler m_previous;
    std::vector<HeldMessage> m_held;
};

} // namespace quindle

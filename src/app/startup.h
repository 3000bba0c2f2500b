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
class QWidget;

namespace quindle {

class Program;
class Settings;

// The program's name, version and desktop entry, for the command line, the window system and
// the desktop. No display name is set: Qt would append it to every window's title, and each
// window's title bar shows its own caption alone.
void identifyProgram();

// The program's command line: --help, --version, --seed N, --zoom PERCENT, --class FOLDER and
// --language CODE beside Qt's own options (-platform, -style, ...), which QApplication takes
// out of the arguments before the parser sees them.
void describeCommandLine(QCommandLineParser &parser);

// The command line's --language, --zoom and --class over the settings files', read from the
// arguments as they come, before any application object exists, so that even --help speaks the
// chosen language. Qt's own options are left for QApplication.
void takeCommandLine(Settings &settings, int argc, const char *const *argv);

// The language of the texts: the code chosen (by the command line or the settings), or the
// system's where none was.
[[nodiscard]] QLocale languageOf(const QString &code);

// The program's preferences take the settings: the zoom, the class folder and the folder saved
// into last; from now on the zoom the pupil chooses and each folder saved into are remembered
// in them. settings must outlive program.
void useSettings(Program &program, Settings &settings);

// The --seed option's value, if given; exits with a message when it is not a whole number.
[[nodiscard]] std::optional<std::uint64_t> seedOption(const QCommandLineParser &parser);

// Answers --help and --version in language, and exits, before any display is looked for, so
// they work where no display is (over ssh, in a script). Returns when there is nothing to
// answer.
void answerInformationOptions(int &argc, char **argv, const QString &language);

// Once window has been painted for the first time, and the pupil sees it, loads the modules
// that the first cue and the first print need (program_modules.h), so that neither waits for
// them. A module that cannot be loaded is named on standard error, with why.
void loadModulesOnceShown(QWidget *window);

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

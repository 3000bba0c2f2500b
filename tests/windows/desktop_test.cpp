// The program on a real display server, X11 (Xvfb) or Wayland (weston), as CTest starts them:
// what the offscreen platform cannot show. The title each window's frame is given, the first
// activation where the compositor gives a new window no focus, the graph drawn as it opens, the
// help round trip and Exit.

#include "window_driver.h"

#include "windows/drawing_surface.h"

#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

using namespace quindle;
using namespace quindle::testing;

namespace {

// Where libwayland writes the requests the program sends (WAYLAND_DEBUG=client), when on
// Wayland.
QString g_protocolLog;

bool onWayland()
{
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

// Every title the program gave a window: set_title requests to the compositor on Wayland; on
// X11 the window's _NET_WM_NAME and WM_NAME, each of which must carry the caption.
QStringList titlesGiven(QWidget *window)
{
    QStringList titles;
    if (onWayland()) {
        std::fflush(stderr);
        QFile log(g_protocolLog);
        if (log.open(QIODevice::ReadOnly)) {
            static const QRegularExpression setTitle(QStringLiteral(R"re(set_title\("(.*)"\)$)re"));
            for (const QString &line : QString::fromUtf8(log.readAll()).split(QLatin1Char('\n')))
                if (const auto match = setTitle.match(line); match.hasMatch())
                    titles << match.captured(1);
        }
        return titles;
    }
    QProcess xprop;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    xprop.setProcessEnvironment(environment);
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()),
                 QStringLiteral("_NET_WM_NAME"), QStringLiteral("WM_NAME")});
    if (!xprop.waitForFinished())
        return titles;
    static const QRegularExpression property(QStringLiteral(R"re(^\w+\(\w+\) = "(.*)"$)re"));
    for (const QString &line :
         QString::fromUtf8(xprop.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (const auto match = property.match(line); match.hasMatch())
            titles << match.captured(1);
    return titles;
}

void checkTitle(QWidget *window)
{
    const QStringList titles = titlesGiven(window);
    QVERIFY2(onWayland() ? titles.contains(window->windowTitle())
                         : titles == QStringList(2, window->windowTitle()),
             qPrintable(titles.join(QLatin1Char('|'))));
}

} // namespace

class DesktopTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init() { startProgram(5); }
    void cleanup() { endProgram(); }

    void titlesAndTheFirstActivationOfEachWindow()
    {
        // Shown is enough: the first activation sets the buttons and a face on each coin.
        QCOMPARE(state(), kReady);
        checkTitle(experiment());

        runFor(200);
        openGraph();
        checkTitle(graph());
        // Drawn as it opened: the axes in black and the curves (which may hide one another).
        const QImage plot = graph()->surface()->image();
        const QList<QColor> curves{QColor(0, 0, 255), QColor(0, 128, 0), QColor(0, 128, 128),
                                   QColor(255, 0, 0)};
        int axes = 0, curve = 0;
        for (int y = 0; y < plot.height(); ++y)
            for (int x = 0; x < plot.width(); ++x) {
                axes += plot.pixelColor(x, y) == Qt::black ? 1 : 0;
                curve += curves.contains(plot.pixelColor(x, y)) ? 1 : 0;
            }
        QVERIFY2(axes > 500 && axes < 20000 && curve > 100,
                 qPrintable(QStringLiteral("%1 %2").arg(axes).arg(curve)));
        graph()->close();

        const int before = trials();
        openHelp();
        checkTitle(help());
        click(helpClose());
        QVERIFY(QTest::qWaitFor([this] { return experiment() && !help(); }));
        QVERIFY(waitShown(experiment()));
        QCOMPARE(state(), kReady);
        QCOMPARE(trials(), before);
    }

    void exitEndsTheProgram()
    {
        QTimer::singleShot(200, this, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box && box->isVisible());
            box->buttons().constFirst()->click();
        });
        QCOMPARE(runProgram([this] { press(Button::Exit); }, 5000), 0);
        QVERIFY(QTest::qWaitFor([this] { return !experiment(); }));
    }
};

int main(int argc, char *argv[])
{
    // libwayland writes the protocol to stderr: into the log while the tests run, and stderr
    // comes back afterwards for whatever reports the end of the process.
    QTemporaryFile protocolLog;
    const int realStderr = dup(STDERR_FILENO);
    if (qgetenv("QT_QPA_PLATFORM") == "wayland" && protocolLog.open()) {
        g_protocolLog = protocolLog.fileName();
        qputenv("WAYLAND_DEBUG", "client");
        std::fflush(stderr);
        dup2(protocolLog.handle(), STDERR_FILENO);
    }
    identifyProgram();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    DesktopTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    std::fflush(stderr);
    dup2(realStderr, STDERR_FILENO);
    return failures;
}

#include "desktop_test.moc"

// Takes the README's screenshots: starts the program's windows, plays a short run, and saves
// what the pupil sees as PNG files.
//
//   screenshots OUTPUT_DIR          (run it under Xvfb, or offscreen)

#include "app/program.h"
#include "windows/layout.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget *window, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    quindle::installFontSubstitutions();
    if (argc != 2) {
        std::fputs("usage: screenshots OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    quindle::Program program(2026);
    quindle::Form1 *form1 = program.showForm1();
    spin(300);
    auto *start = form1->findChild<QPushButton *>(QStringLiteral("Command1"));
    start->click();
    spin(1500);
    form1->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    spin(200);
    bool ok = save(form1, dir, "experiment-window.png");

    // A full run, to the trial that lifts one outcome past 1000, then the graph.
    start->click();
    while (form1->findChild<QPushButton *>(QStringLiteral("Command3"))->isEnabled())
        spin(100);
    form1->findChild<QPushButton *>(QStringLiteral("Command6"))->click();
    spin(500);
    ok = program.form2() && save(program.form2(), dir, "graph-window.png") && ok;

    program.form2()->close();
    spin(200);
    form1->findChild<QPushButton *>(QStringLiteral("Command7"))->click();
    spin(500);
    ok = program.form4() && save(program.form4(), dir, "help-window.png") && ok;
    return ok ? 0 : 1;
}

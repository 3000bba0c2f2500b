// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Built without its modules (sound output, printing and SVG files), as an installation that lost
// them: everything else works, a cue is silent, and what needs a module names it and why.

#include "windows/window_driver.h"

#include "modules/program_modules.h"
#include "sound/cue_player.h"

#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

class MissingModulesTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init() { startProgram(11); }
    void cleanup() { endProgram(); }

    void cuesAreSilentAndTheRunGoesOn()
    {
        auto *player = experiment()->findChild<CuePlayer *>();
        QVERIFY(player);
        press(Button::Init); // its chime
        QVERIFY(!player->sound());
        QCOMPARE(state(), kCleared);
        runTrials(1);
        openHelp(); // its chime, and the handover
        click(helpClose());
        QVERIFY(QTest::qWaitFor([this] { return experiment() && experiment()->isVisible(); }));
    }

    void anSvgFileAndPrintingSayWhy()
    {
        runTrials(5);
        openGraph();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("graph.svg"));
        // The system's reason, and the folders where the module was looked for.
        const QString why = graph()->saveGraphAsSvg(path);
        QVERIFY2(
            why.contains(QLatin1String("libquindle_paper_output.so: cannot open shared object")),
            qPrintable(why));
        for (const QString &place : moduleDirectories())
            QVERIFY2(why.contains(place), qPrintable(why));
        QVERIFY(!QFile::exists(path));
        // What needs no module still works.
        QCOMPARE(graph()->saveGraphAsPdf(folder.filePath(QStringLiteral("graph.pdf"))), QString());
        QCOMPARE(graph()->saveGraph(folder.filePath(QStringLiteral("graph.png"))), QString());
        // Printing, asking for the module again, says why instead of showing its dialog.
        QString said;
        answerMessage(said);
        menuEntry(graph(), QStringLiteral("Print…"))->trigger();
        QCOMPARE(said, QLatin1String("Cannot print: ") + why);
    }
};

QUINDLE_WIDGET_TEST_MAIN(MissingModulesTest)
#include "missing_modules_test.moc"

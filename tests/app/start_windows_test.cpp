// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// What the program sets up around its first windows: the graph window's context menu in its
// order, and the modules loaded once a window is painted (here, where none can be found, each
// named on standard error).

#include "app/module_preload.h"
#include "experiment/experiment_record.h"
#include "windows/graph/graph_window.h"
#include "windows/support/preferences.h"

#include <QAction>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

using namespace quindle;

class StartWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void theGraphWindowsMenuListsItsEntriesInOrder()
    {
        const ExperimentRecord record;
        Preferences preferences;
        const GraphWindow graph(record, preferences);
        QStringList texts;
        for (const QAction *action : graph.actions())
            texts << action->text();
        QCOMPARE(texts.join(QLatin1Char('|')),
                 QStringLiteral("Copy graph|Save graph…|Save graph at double resolution…|"
                                "Save graph as PDF…|Save graph as SVG…|Print…|Show expected range|"
                                "Show gap from a quarter|Read results|Zoom (100%)"));
    }

    void theModulesAreLookedForOnceTheWindowIsPaintedAndEachMissingOneIsNamed()
    {
        QTemporaryFile errors;
        QVERIFY(errors.open());
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        QVERIFY(::dup2(errors.handle(), STDERR_FILENO) >= 0);
        const auto said = [&errors] {
            std::fflush(stderr);
            QFile file(errors.fileName());
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QWidget window;
        loadModulesOnceShown(&window);
        QTest::qWait(50);
        const QString beforeShown = said();
        window.show();
        const bool named = QTest::qWaitFor([&said] {
            return said().contains(QStringLiteral("quindle: cannot print or write SVG files: "));
        });
        const QString all = said();
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        QCOMPARE(beforeShown, QString());
        QVERIFY2(named, qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("quindle: sound cues are silent: ")), qPrintable(all));
    }
};

QTEST_MAIN(StartWindowsTest)
#include "start_windows_test.moc"

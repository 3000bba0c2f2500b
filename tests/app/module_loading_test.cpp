// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Loading the modules as Qt plugins: a module is taken only for the interface it implements,
// and a file in a module's place that is no plugin is named with the reason.

#include "modules/program_modules.h"
#include "sound/sound_output.h"
#include "windows/paper/paper.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quindle;

class ModuleLoadingTest : public QObject
{
    Q_OBJECT

private slots:
    void aModuleIsTakenOnlyForItsOwnInterface()
    {
        QString why;
        QVERIFY(!loadModule<PaperOutput>("quindle_sound_output", &why));
        QVERIFY2(why.contains(QLatin1String(QUINDLE_PAPER_OUTPUT_IID)), qPrintable(why));
        QVERIFY(loadModule<SoundOutput>("quindle_sound_output", &why));
        QCOMPARE(why, QString());
    }

    void aFileThatIsNoPluginIsNamedWithTheReason()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("libquindle_not_a_plugin.so"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a shared library\n");
        file.close();
        addModuleDirectory(folder.path());
        QString why;
        QVERIFY(!moduleInstance("quindle_not_a_plugin", &why));
        QVERIFY2(why.contains(path), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(ModuleLoadingTest)
#include "module_loading_test.moc"

// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The program's preferences: a class folder's writes kept apart from the last folder (the
// dialogs' folders are checked in hand_in_test).

#include "windows/support/preferences.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quindle;

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void aWriteIntoTheClassFolderIsNotALastFolderAndAFailedOneNoFolder()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("class"));
        QVERIFY(QDir().mkpath(folder));
        Preferences preferences;
        preferences.setClassFolder(folder);
        preferences.noteWrite(folder + QStringLiteral("/../class"), false);
        QVERIFY(preferences.classFolderFailed());
        preferences.noteWrite(root.path(), false); // nothing saved: no last folder
        QCOMPARE(preferences.lastFolder(), QString());
        preferences.noteWrite(folder, true); // until the class folder takes a file
        QVERIFY(!preferences.classFolderFailed());
    }
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "preferences_test.moc"

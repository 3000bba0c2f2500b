// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The program's preferences: each change told once, with who made it; a class folder's writes
// kept apart from the last folder (the dialogs' folders are checked in hand_in_test).

#include "windows/support/preferences.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quindle;

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void eachChangeIsToldOnceAndOnlyWhenTheValueDiffers()
    {
        Preferences preferences;
        const QSignalSpy spies[] = {{&preferences, &Preferences::zoomChanged},
                                    {&preferences, &Preferences::paceChanged},
                                    {&preferences, &Preferences::expectedRangeShownChanged},
                                    {&preferences, &Preferences::graphViewChanged},
                                    {&preferences, &Preferences::classFolderChanged},
                                    {&preferences, &Preferences::lastFolderChanged},
                                    {&preferences, &Preferences::classResultsFolderChanged}};
        for (int twice = 0; twice < 2; ++twice) {
            preferences.setZoom(150);
            preferences.setPace(Pace::Classroom);
            preferences.setExpectedRangeShown(true);
            preferences.setGraphView(GraphView::NumberOfHeads);
            preferences.setClassFolder(QStringLiteral("/srv/5a"));
            preferences.setLastFolder(QStringLiteral("/home/ann"));
            preferences.setClassResultsFolder(QStringLiteral("/srv/5b"));
        }
        preferences.setClassFolder(QStringLiteral("/srv/5a/")); // the same folder
        for (const QSignalSpy &spy : spies)
            QCOMPARE(spy.size(), 1);
    }

    void whoSetAValueComesWithItsChange()
    {
        Preferences preferences;
        QSignalSpy zoom(&preferences, &Preferences::zoomChanged);
        QSignalSpy folder(&preferences, &Preferences::lastFolderChanged);
        preferences.setZoom(200, SetBy::Start);
        preferences.setLastFolder(QStringLiteral("/home/ann"), SetBy::Start);
        preferences.setZoom(125);
        preferences.setLastFolder(QStringLiteral("/home/ann/5a"));
        const QVariant start = QVariant::fromValue(SetBy::Start),
                       pupil = QVariant::fromValue(SetBy::Pupil);
        QCOMPARE(QList<QVariantList>(zoom), (QList<QVariantList>{{200, start}, {125, pupil}}));
        QCOMPARE(QList<QVariantList>(folder),
                 (QList<QVariantList>{{QStringLiteral("/home/ann"), start},
                                      {QStringLiteral("/home/ann/5a"), pupil}}));
    }

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

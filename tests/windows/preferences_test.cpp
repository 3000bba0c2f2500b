// The program's preferences: each change told once, with who made it; the folders files are
// saved into, and a class folder's writes kept apart from the last folder.

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
        const QList<QSignalSpy *> spies = {
            new QSignalSpy(&preferences, &Preferences::zoomChanged),
            new QSignalSpy(&preferences, &Preferences::paceChanged),
            new QSignalSpy(&preferences, &Preferences::expectedRangeShownChanged),
            new QSignalSpy(&preferences, &Preferences::gapViewShownChanged),
            new QSignalSpy(&preferences, &Preferences::classFolderChanged),
            new QSignalSpy(&preferences, &Preferences::lastFolderChanged),
            new QSignalSpy(&preferences, &Preferences::classResultsFolderChanged)};
        for (int twice = 0; twice < 2; ++twice) {
            preferences.setZoom(150);
            preferences.setPace(Pace::Classroom);
            preferences.setExpectedRangeShown(true);
            preferences.setGapViewShown(true);
            preferences.setClassFolder(QStringLiteral("/srv/5a"));
            preferences.setLastFolder(QStringLiteral("/home/ann"));
            preferences.setClassResultsFolder(QStringLiteral("/srv/5b"));
        }
        preferences.setClassFolder(QStringLiteral("/srv/5a/")); // the same folder
        for (QSignalSpy *spy : spies)
            QCOMPARE(spy->size(), 1);
        qDeleteAll(spies);
        QCOMPARE(preferences.zoom(), 150);
        QCOMPARE(preferences.pace(), Pace::Classroom);
        QVERIFY(preferences.expectedRangeShown() && preferences.gapViewShown());
        QCOMPARE(preferences.classResultsFolder(), QStringLiteral("/srv/5b"));
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
        QCOMPARE(zoom.value(0), QVariantList({200, QVariant::fromValue(SetBy::Start)}));
        QCOMPARE(zoom.value(1), QVariantList({125, QVariant::fromValue(SetBy::Pupil)}));
        QCOMPARE(folder.value(0),
                 QVariantList({QStringLiteral("/home/ann"), QVariant::fromValue(SetBy::Start)}));
        QCOMPARE(folder.value(1),
                 QVariantList({QStringLiteral("/home/ann/5a"), QVariant::fromValue(SetBy::Pupil)}));
    }

    void writesIntoTheClassFolderAreNotALastFolder()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("class"));
        const QString other = root.filePath(QStringLiteral("mine"));
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(other));
        Preferences preferences;
        preferences.setClassFolder(folder);
        preferences.noteWrite(folder + QStringLiteral("/../class"), false);
        QVERIFY(preferences.classFolderFailed());
        preferences.noteWrite(other, false); // nothing saved: no last folder
        QCOMPARE(preferences.lastFolder(), QString());
        preferences.noteWrite(other, true);
        QCOMPARE(preferences.lastFolder(), other);
        QCOMPARE(preferences.dialogFolder(), other);
        QVERIFY(preferences.classFolderFailed()); // until the class folder takes a file
        preferences.noteWrite(folder, true);
        QVERIFY(!preferences.classFolderFailed());
        QCOMPARE(preferences.lastFolder(), other);
    }

    void theClassResultsDialogOpensWhereOneWasChosenLast()
    {
        QTemporaryDir root;
        Preferences preferences;
        preferences.setLastFolder(root.path());
        QCOMPARE(preferences.classResultsDialogFolder(), root.path());
        preferences.setClassResultsFolder(QStringLiteral("/srv/5a/"));
        QCOMPARE(preferences.classResultsDialogFolder(), QStringLiteral("/srv/5a"));
    }
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "preferences_test.moc"

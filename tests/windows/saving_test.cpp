// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A failed write loses nothing, a hand-in never replaces a classmate's run, and the names fit
// every file system a school uses.

#include "windows/support/hand_in.h"
#include "windows/support/saving.h"
#include "windows/window_driver.h"

#include <QDateTime>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

std::function<bool(QIODevice &)> writing(const QByteArray &bytes)
{
    return [bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); };
}

bool failing(QIODevice &device)
{
    device.write("half of a results file");
    return false;
}

const QDateTime kMoment(QDate(2026, 12, 7), QTime(9, 14, 5));

} // namespace

class SavingTest : public QObject
{
    Q_OBJECT

private slots:
    void aFailedWriteSaysWhyAndLeavesTheOldFileAsItWas()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.csv"));
        QCOMPARE(writeFile(path, writing("first\n")).path, path);
        QVERIFY(!writeFile(folder.filePath(QStringLiteral("fresh.csv")), failing).error.isEmpty());
        QVERIFY(!writeFileSafely(path, failing).isEmpty()); // over a classmate's run
        QCOMPARE(fileBytes(path), QByteArray("first\n"));
    }

    // The name offered beside a file already there (a hand-in never replacing one: hand_in_test).
    void theNextUnusedNameIsTheNextNumberedOne()
    {
        QTemporaryDir folder;
        QVERIFY(writeFileSafely(folder.filePath(QStringLiteral("run.csv")), writing("first\n"))
                    .isEmpty());
        QCOMPARE(unusedName(folder.path(), QStringLiteral("run.csv")),
                 QStringLiteral("run (2).csv"));
    }

    void aFolderThatCannotBeWrittenIntoGivesItsOwnReasonBeforeTheFiles()
    {
        QTemporaryDir folder;
        const QString fileReason = QStringLiteral("the file's own reason");
        QCOMPARE(reasonInFolder(folder.filePath(QStringLiteral("gone")), fileReason),
                 qt_error_string(ENOENT));
        QCOMPARE(reasonInFolder(folder.path(), fileReason), fileReason);
    }

    void namesFitEveryFileSystem_data()
    {
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("name"); // before " 2026-12-07 09-14-05.csv"
        const auto row = [](const char *what, const char *fullName, const char *name) {
            QTest::newRow(what) << QString::fromUtf8(fullName) << QString::fromUtf8(name);
        };
        row("a plain name", "Anna Smith", "Anna Smith");
        row("slashes", "AC/DC \\ Fan", "AC DC Fan");
        row("colons and the other marks", "Re: \"Anna\" <a|b>*?", "Re Anna a b");
        row("trailing dots and blanks", "Anna . . ", "Anna");
        row("no hidden file, no lock file", ".~$Anna", "$Anna");
        row("controls and a direction override", "Anna\tSmith\n\u202Evsc.exe",
            "Anna Smith vsc.exe");
        row("accents composed as typed", "Jose\u0301 Mu\u0308ller", "José Müller");
    }

    void namesFitEveryFileSystem()
    {
        QFETCH(QString, fullName);
        QFETCH(QString, name);
        QCOMPARE(resultsFileName(fullName, kMoment),
                 name + QStringLiteral(" 2026-12-07 09-14-05.csv"));
    }

    void namesWithNothingLeftOrTooLong()
    {
        QCOMPARE(resultsFileName(QStringLiteral("/ : ?"), kMoment),
                 QStringLiteral("2026-12-07 09-14-05.csv"));
        // Cut between characters, and with " (9999)" still within the 255 bytes of a name.
        const QString mountain(1, QChar(0x5C71));
        const QString cut = resultsFileName(mountain.repeated(300), kMoment);
        QVERIFY(numberedName(cut, 9999).toUtf8().size() <= 255);
        QCOMPARE(cut, mountain.repeated(50) + QStringLiteral(" 2026-12-07 09-14-05.csv"));
        // The account's full name is the first part of its GECOS field, else its login name.
        for (const auto &[gecos, name] :
             {std::pair("Anna Smith,Room 12,,", "Anna Smith"), std::pair(",,,", "asmith")})
            QCOMPARE(fullNameOf(QString::fromUtf8(gecos), QStringLiteral("asmith")),
                     QString::fromUtf8(name));
    }
};

QUINDLE_WIDGET_TEST_MAIN(SavingTest)
#include "saving_test.moc"

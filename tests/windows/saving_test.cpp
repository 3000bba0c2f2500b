// Files appear in their folders only complete and a hand-in never replaces a classmate's run;
// the names runs are handed in under fit every file system a school uses; a folder that cannot
// be written says why.

#include "shared/permissions.h"
#include "windows/support/hand_in.h"
#include "windows/support/saving.h"
#include "windows/window_driver.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

Q_DECLARE_METATYPE(quindle::NoReplace)

namespace {

// Everything in folder, hidden entries too.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    void aFileAppearsOnlyWhenComplete()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.csv"));
        QStringList whileWriting;
        const WrittenFile written = writeFile(path, [&](QIODevice &device) {
            device.write("outcome,count\n");
            whileWriting = entries(folder.path());
            return device.write("Head/Head,3\n") == 12;
        });
        QCOMPARE(written.error, QString());
        QCOMPARE(written.path, path);
        // Half-written, it was there only under a hidden name, in the same folder.
        QCOMPARE(whileWriting.size(), 1);
        QVERIFY2(whileWriting.first().startsWith(QLatin1Char('.')), qPrintable(whileWriting[0]));
        QCOMPARE(entries(folder.path()), QStringList(QStringLiteral("run.csv")));
        QCOMPARE(contents(path), QByteArray("outcome,count\nHead/Head,3\n"));
    }

    void aFailedWriteLeavesNothingBehind()
    {
        QTemporaryDir folder;
        const QString fresh = folder.filePath(QStringLiteral("fresh.csv"));
        QVERIFY(!writeFile(fresh, failing).error.isEmpty());
        QVERIFY(!writeFile(fresh, failing, Replace::Never).error.isEmpty());
        QCOMPARE(entries(folder.path()), QStringList());

        const QString taken = folder.filePath(QStringLiteral("taken.csv"));
        QVERIFY(writeFile(taken, writing("a classmate's run\n")).error.isEmpty());
        QVERIFY(!writeFileSafely(taken, failing).isEmpty());
        QCOMPARE(contents(taken), QByteArray("a classmate's run\n"));
        QCOMPARE(entries(folder.path()), QStringList(QStringLiteral("taken.csv")));
    }

    void aReplacedFileKeepsItsPermissionsAndLinks()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.csv"));
        QVERIFY(writeTextSafely(path, QStringLiteral("first\n")).isEmpty());
        const auto shared = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(path, shared));
        QVERIFY(writeTextSafely(path, QStringLiteral("second\n")).isEmpty());
        QCOMPARE(QFile::permissions(path) & 0x7077, shared);
        // Saved through a link, the file it points to changes and the link stays.
        const QString link = folder.filePath(QStringLiteral("link.csv"));
        QVERIFY(QFile::link(path, link));
        QVERIFY(writeTextSafely(link, QStringLiteral("third\n")).isEmpty());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(path), QByteArray("third\n"));
    }

    void handInsNeverReplaceAFile_data()
    {
        QTest::addColumn<NoReplace>("method");
        QTest::newRow("renamed without replacing") << NoReplace::Rename;
        QTest::newRow("hard link") << NoReplace::Link;
        QTest::newRow("name created first, as on FAT") << NoReplace::Exclusive;
    }

    void handInsNeverReplaceAFile()
    {
        QFETCH(NoReplace, method);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        // Two pupils of the same name, in the same second, after one before them.
        const QString name = resultsFileName(QStringLiteral("Anna Smith"), kMoment);
        QVERIFY(writeFile(dir.filePath(name), writing("first\n")).error.isEmpty());
        const WrittenFile second =
            writeFile(dir.filePath(name), writing("second\n"), Replace::Never, method);
        const WrittenFile third =
            writeFile(dir.filePath(name), writing("third\n"), Replace::Never, method);
        QCOMPARE(second.error, QString());
        QCOMPARE(third.error, QString());
        QCOMPARE(QFileInfo(second.path).fileName(),
                 QStringLiteral("Anna Smith 2026-12-07 09-14-05 (2).csv"));
        QCOMPARE(QFileInfo(third.path).fileName(),
                 QStringLiteral("Anna Smith 2026-12-07 09-14-05 (3).csv"));
        QCOMPARE(contents(dir.filePath(name)), QByteArray("first\n"));
        QCOMPARE(contents(second.path), QByteArray("second\n"));
        QCOMPARE(contents(third.path), QByteArray("third\n"));
        QCOMPARE(entries(folder.path()).size(), 3); // and nothing hidden left over
        // The numbered name suggested to the next one is the first free one.
        QCOMPARE(unusedName(folder.path(), name),
                 QStringLiteral("Anna Smith 2026-12-07 09-14-05 (4).csv"));
    }

    void aFolderThatCannotBeWrittenSaysWhy()
    {
        QTemporaryDir folder;
        QCOMPARE(folderProblem(folder.path()), QString());

        const QString missing = folder.filePath(QStringLiteral("unplugged"));
        QCOMPARE(folderProblem(missing), qt_error_string(ENOENT));
        QCOMPARE(writeFile(QDir(missing).filePath(QStringLiteral("run.csv")), writing("x"),
                           Replace::Never)
                     .error,
                 qt_error_string(ENOENT));

        const QString file = folder.filePath(QStringLiteral("a file"));
        QVERIFY(writeTextSafely(file, QStringLiteral("x")).isEmpty());
        QCOMPARE(folderProblem(file), qt_error_string(ENOTDIR));

        const QString readOnly = folder.filePath(QStringLiteral("read-only"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("read-only")));
        QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        {
            const PermissionsHold hold;
            QCOMPARE(folderProblem(readOnly), qt_error_string(EACCES));
            QCOMPARE(writeFile(QDir(readOnly).filePath(QStringLiteral("run.csv")), writing("x"),
                               Replace::Never)
                         .error,
                     qt_error_string(EACCES));
        }
        QCOMPARE(entries(readOnly), QStringList());
    }

    void namesFitEveryFileSystem_data()
    {
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("fileName");
        const auto row = [](const char *name, const char *fullName, const char *fileName) {
            QTest::newRow(name) << QString::fromUtf8(fullName) << QString::fromUtf8(fileName);
        };
        row("a plain name", "Anna Smith", "Anna Smith 2026-12-07 09-14-05.csv");
        row("slashes", "AC/DC \\ Fan", "AC DC Fan 2026-12-07 09-14-05.csv");
        row("colons and the other forbidden marks", "Re: \"Anna\" <a|b>*?",
            "Re Anna a b 2026-12-07 09-14-05.csv");
        row("a trailing dot", "Anna Smith Jr.", "Anna Smith Jr 2026-12-07 09-14-05.csv");
        row("trailing dots and blanks", "Anna . . ", "Anna 2026-12-07 09-14-05.csv");
        row("a leading dot: no hidden file", "..anna", "anna 2026-12-07 09-14-05.csv");
        row("no office lock file", "~$Anna", "$Anna 2026-12-07 09-14-05.csv");
        row("control characters", "Anna\tSmith\n\x7f", "Anna Smith 2026-12-07 09-14-05.csv");
        row("a direction override", "Anna\u202Evsc.exe", "Anna vsc.exe 2026-12-07 09-14-05.csv");
        row("Japanese", "山田 花子", "山田 花子 2026-12-07 09-14-05.csv");
        row("Greek", "Ιωάννα Παππά", "Ιωάννα Παππά 2026-12-07 09-14-05.csv");
        row("Cyrillic", "Анна Смирнова", "Анна Смирнова 2026-12-07 09-14-05.csv");
        row("Arabic", "محمد علي", "محمد علي 2026-12-07 09-14-05.csv");
        row("Korean", "김민준", "김민준 2026-12-07 09-14-05.csv");
        row("accents composed as typed", "Jose\u0301 Mu\u0308ller",
            "José Müller 2026-12-07 09-14-05.csv");
        row("nothing left but the moment", "/ : ?", "2026-12-07 09-14-05.csv");
    }

    void namesFitEveryFileSystem()
    {
        QFETCH(QString, fullName);
        QFETCH(QString, fileName);
        QCOMPARE(resultsFileName(fullName, kMoment), fileName);
    }

    void aLongNameIsCutBetweenCharacters()
    {
        const QString name = resultsFileName(QString(300, QChar(0x5C71)), kMoment); // 山
        // With " (9999)" added, still within the 255 bytes every file system allows.
        QVERIFY(numberedName(name, 9999).toUtf8().size() <= 255);
        QVERIFY(name.startsWith(QString(40, QChar(0x5C71))));
        QVERIFY(name.endsWith(QStringLiteral("\u5C71 2026-12-07 09-14-05.csv")));
        // An emoji with a skin tone is one character to a reader: kept whole or not at all.
        const QString waving = QStringLiteral("\U0001F44B\U0001F3FD");
        const QString cut = fileNamePart(QString(60, QLatin1Char('a')) + waving.repeated(30));
        QVERIFY(cut.toUtf8().size() <= 150);
        QCOMPARE(cut.mid(60).size() % waving.size(), 0);
    }

    void thePupilIsTheAccountsFullName_data()
    {
        QTest::addColumn<QString>("gecos");
        QTest::addColumn<QString>("name");
        QTest::newRow("the full name before room and telephone")
            << QStringLiteral("Anna Smith,Room 12,555-1234,,") << QStringLiteral("Anna Smith");
        QTest::newRow("no full name") << QString() << QStringLiteral("asmith");
        QTest::newRow("empty fields only") << QStringLiteral(",,,") << QStringLiteral("asmith");
        QTest::newRow("nothing a file name can hold")
            << QStringLiteral("...") << QStringLiteral("asmith");
        QTest::newRow("letters of another script")
            << QString::fromUtf8("山田 花子,,,") << QString::fromUtf8("山田 花子");
    }

    void thePupilIsTheAccountsFullName()
    {
        QFETCH(QString, gecos);
        QFETCH(QString, name);
        QCOMPARE(fullNameOf(gecos, QStringLiteral("asmith")), name);
        QVERIFY(!pupilName().isEmpty());
    }
};

QUINDLE_WIDGET_TEST_MAIN(SavingTest)
#include "saving_test.moc"

// The command line over the user's settings file over the system's; remembering in the user's
// only; every bad file and value named once and left out.

#include "app/settings.h"
#include "app/startup.h"
#include "shared/permissions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace quindle;
using namespace quindle::testing;

class SettingsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;
    QStringList m_warnings;

    [[nodiscard]] QString file(const char *folder) const
    {
        return m_root->filePath(QLatin1String(folder) + QStringLiteral("/Quindle/Quindle.conf"));
    }
    void write(const char *folder, const QByteArray &text)
    {
        QVERIFY(QDir().mkpath(QFileInfo(file(folder)).absolutePath()));
        QFile out(file(folder));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
    }
    [[nodiscard]] static QByteArray contents(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // The settings as the program reads them at start, with what it would say on stderr.
    Settings read(const QStringList &arguments = {})
    {
        m_warnings.clear();
        Settings settings([this](const QString &line) { m_warnings << line; });
        QCommandLineParser parser;
        describeCommandLine(parser);
        (void)parser.parse(QStringList(QStringLiteral("quindle")) + arguments);
        settings.takeCommandLine(parser);
        return settings;
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->filePath(QStringLiteral("user"))));
        qputenv("XDG_CONFIG_DIRS",
                QFile::encodeName(m_root->filePath(QStringLiteral("system1")) + QLatin1Char(':') +
                                  m_root->filePath(QStringLiteral("system2"))));
    }

    void theCommandLineWinsOverTheUsersFileOverTheSystems()
    {
        write("system2", "[display]\nzoom=300\nlanguage=fr\n[class]\nfolder=/srv/two\n");
        write("system1", "[display]\nzoom=250\nlanguage=es\n[class]\nfolder=\"/srv/5a, b\"\n");
        write("user", "[display]\nzoom=150%\n[saving]\nlastFolder=/home/ann\n");
        const Settings files = read();
        QCOMPARE(m_warnings, QStringList());
        QCOMPARE(files.zoom(), 150);
        QCOMPARE(files.language(), QStringLiteral("es"));
        QCOMPARE(files.classFolder(), QStringLiteral("/srv/5a, b"));
        QCOMPARE(files.lastFolder(), QStringLiteral("/home/ann"));
        QVERIFY(!files.classFolderGiven());

        QTemporaryDir classFolder;
        const Settings given =
            read({QStringLiteral("--zoom"), QStringLiteral("200"), QStringLiteral("--language=de"),
                  QStringLiteral("--class"), classFolder.path()});
        QCOMPARE(m_warnings, QStringList());
        QCOMPARE(given.zoom(), 200);
        QCOMPARE(given.language(), QStringLiteral("de"));
        QCOMPARE(given.classFolder(), classFolder.path());
        QVERIFY(given.classFolderGiven());

        // Remembered in the user's file, over the school's, which stays as it was.
        const QByteArray system = contents(file("system1"));
        Settings remembering = read();
        remembering.rememberZoom(175);
        remembering.rememberLastFolder(QStringLiteral("/home/ann/Results, 5a"));
        const Settings next = read();
        QCOMPARE(next.zoom(), 175);
        QCOMPARE(next.lastFolder(), QStringLiteral("/home/ann/Results, 5a"));
        QCOMPARE(contents(file("system1")), system);
    }

    void badValuesAreNamedAndLeftOut()
    {
        write("user", "[display]\nzoom=@Rect(0 0 1 1)\nlanguage=klingon\n"
                      "[class]\nfolder=/srv/one, /srv/two\n[saving]\nlastFolder=Documents\n");
        write("system1", "[display]\nzoom=90\nlanguage=ja\n[class]\nfolder=/srv/class\n");
        write("system2", "[display]\nzoom=175\n");
        const Settings settings = read({QStringLiteral("--zoom"), QStringLiteral("9")});
        // Each in one line naming the file and the key; the next file's value is taken instead.
        const QString user = file("user") + QStringLiteral(": "),
                      zooms = QStringLiteral(" is not one of 100, 125, 150, 175, 200, 250, 300; "
                                             "ignored");
        QCOMPARE(m_warnings,
                 QStringList({user + QLatin1String("[class] folder: holds a list (a comma outside "
                                                   "double quotes); ignored"),
                              user + QLatin1String("[saving] lastFolder: 'Documents' is not an "
                                                   "absolute path; ignored"),
                              user + QLatin1String("[display] zoom: is not a text; ignored"),
                              user + QLatin1String("[display] language: no translation for "
                                                   "'klingon' (there are en, de, es, fr, ja, ko, "
                                                   "pt_BR, zh_CN); ignored"),
                              file("system1") + QLatin1String(": [display] zoom: '90'") + zooms,
                              QLatin1String("--zoom: '9'") + zooms}));
        QCOMPARE(settings.zoom(), 175);
        QCOMPARE(settings.language(), QStringLiteral("ja"));
        QCOMPARE(settings.classFolder(), QStringLiteral("/srv/class"));
        QCOMPARE(settings.lastFolder(), QString());
        QVERIFY(settings.remembers());
    }

    void aUsersFileThatCannotBeReadCostsOnlyItsSettings_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        const QString forgets = QStringLiteral("; its settings are not used and nothing is "
                                               "remembered");
        QTest::newRow("a FIFO") << QStringLiteral("fifo")
                                << QStringLiteral(": is not a regular file") + forgets;
        QTest::newRow("unreadable")
            << QStringLiteral("unreadable")
            << QStringLiteral(": cannot be read (%1)").arg(qt_error_string(EACCES)) + forgets;
        QTest::newRow("not in the settings format")
            << QStringLiteral("format")
            << QStringLiteral(": not all of it is in the settings format; the rest is used, and "
                              "nothing is remembered");
    }

    void aUsersFileThatCannotBeReadCostsOnlyItsSettings()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        write("system1", "[class]\nfolder=/srv/class\n");
        write("user", kind == QLatin1String("format") ? "[display\nzoom=125\n" : "zoom=125\n");
        if (kind == QLatin1String("fifo"))
            QVERIFY(QFile::remove(file("user")) &&
                    ::mkfifo(QFile::encodeName(file("user")).constData(), 0644) == 0);
        if (kind == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(file("user"), {}));
        const QByteArray before =
            kind == QLatin1String("fifo") ? QByteArray() : contents(file("user"));

        std::optional<PermissionsHold> hold(std::in_place);
        Settings settings = read(); // and never waits on a FIFO
        QCOMPARE(m_warnings, QStringList(file("user") + said));
        QCOMPARE(settings.classFolder(), QStringLiteral("/srv/class")); // the school's still
        QCOMPARE(settings.zoom(),
                 kind == QLatin1String("format") ? std::optional(125) : std::nullopt);
        settings.rememberZoom(200);
        QVERIFY(!settings.remembers());
        hold.reset();
        // The file is as it was (a FIFO is not opened: it would wait for a writer).
        QCOMPARE(kind == QLatin1String("fifo") ? QByteArray() : contents(file("user")), before);
    }

    void aUsersFileThatCannotBeWrittenIsNamedOnce()
    {
        const QString user = QFileInfo(QFileInfo(file("user")).absolutePath()).absolutePath();
        QVERIFY(QDir().mkpath(user));
        QVERIFY(QFile::setPermissions(user, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const PermissionsHold hold;
        Settings settings = read();
        settings.rememberZoom(150);
        settings.rememberLastFolder(QStringLiteral("/home/ann"));
        QCOMPARE(m_warnings, QStringList(file("user") + QStringLiteral(": cannot be written (%1); "
                                                                       "nothing more is remembered")
                                                            .arg(qt_error_string(EACCES))));
        QVERIFY(!settings.remembers());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"

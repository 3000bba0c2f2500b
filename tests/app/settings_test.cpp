// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The command line over the user's settings file over the system's; remembering in the user's
// only; every bad file and value named once and left out.

#include "app/command_line.h"
#include "app/settings.h"
#include "shared/permissions.h"
#include "windows/support/preferences.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

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
        settings.tellWarnings();
        return settings;
    }
    // Zoom, language, class folder (and whether given), last folder, whether it remembers: the
    // preferences as the settings load them, and the settings' own.
    [[nodiscard]] static QString held(const Settings &s)
    {
        Preferences p;
        s.load(p);
        return QStringList({QString::number(p.zoom()), s.language(), p.classFolder(),
                            QString::number(s.classFolderGiven()), p.lastFolder(),
                            QString::number(s.remembers())})
            .join(QLatin1Char('|'));
    }
    // The preferences as the program starts with them, remembered from now on by settings.
    static void start(Settings &settings, Preferences &preferences)
    {
        settings.load(preferences);
        settings.persist(preferences);
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
        QCOMPARE(held(read()), QStringLiteral("150|es|/srv/5a, b|0|/home/ann|1"));
        QCOMPARE(m_warnings, QStringList());

        QTemporaryDir classFolder;
        const QString options = QStringLiteral("--zoom 200 --language=de --class");
        QCOMPARE(held(read(options.split(QLatin1Char(' ')) << classFolder.path())),
                 QStringLiteral("200|de|%1|1|/home/ann|1").arg(classFolder.path()));
        QCOMPARE(m_warnings, QStringList());
    }

    void aZoomForOneRunIsNeverRemembered()
    {
        write("user", "[display]\nzoom=150\n");
        const QByteArray before = contents(file("user"));
        Settings settings = read({QStringLiteral("--zoom=200")});
        Preferences preferences;
        start(settings, preferences);
        QCOMPARE(preferences.zoom(), 200);
        QCOMPARE(contents(file("user")), before);
        // The pupil saves into another folder: that is remembered, the run's zoom is not.
        preferences.setLastFolder(QStringLiteral("/home/ann/Results, 5a"));
        QCOMPARE(held(read()), QStringLiteral("150|||0|/home/ann/Results, 5a|1"));
    }

    void aZoomThePupilChoosesOverTheRunsIsRemembered()
    {
        write("system1", "[display]\nzoom=125\n");
        Settings settings = read({QStringLiteral("--zoom=200")});
        Preferences preferences;
        start(settings, preferences);
        preferences.setZoom(250);
        QCOMPARE(held(read()), QStringLiteral("250|||0||1"));
        preferences.setZoom(125); // back to the school's: the pupil's own choice all the same
        QCOMPARE(held(read()), QStringLiteral("125|||0||1"));
        QVERIFY(contents(file("user")).contains("zoom=125"));
    }

    void theClassFolderIsOneFolderHoweverItIsWritten_data()
    {
        QTest::addColumn<QString>("inFile");      // in the school's file
        QTest::addColumn<QString>("commandLine"); // or --class, from the root as working folder
        QTest::newRow("a trailing slash") << QStringLiteral("%1/class/") << QString();
        QTest::newRow("dots") << QStringLiteral("%1/./other/../class") << QString();
        QTest::newRow("--class relative") << QString() << QStringLiteral("class");
        QTest::newRow("--class relative, slash") << QString() << QStringLiteral("./class/");
        QTest::newRow("--class, a trailing slash") << QString() << QStringLiteral("%1/class/");
    }

    void theClassFolderIsOneFolderHoweverItIsWritten()
    {
        QFETCH(QString, inFile);
        QFETCH(QString, commandLine);
        const QString folder = m_root->filePath(QStringLiteral("class"));
        QVERIFY(QDir().mkpath(folder));
        inFile.replace(QLatin1String("%1"), m_root->path());
        commandLine.replace(QLatin1String("%1"), m_root->path());
        if (!inFile.isEmpty())
            write("system1", "[class]\nfolder=" + inFile.toUtf8() + '\n');
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root->path()));
        Settings settings =
            read(commandLine.isEmpty() ? QStringList()
                                       : QStringList({QStringLiteral("--class"), commandLine}));
        Preferences preferences;
        settings.load(preferences);
        QVERIFY(QDir::setCurrent(working));
        QCOMPARE(m_warnings, QStringList());
        QCOMPARE(preferences.classFolder(), folder);
    }

    void storedQtDataIsNeverUnpacked()
    {
        // A stored value with a made-up size would have Qt ask for gigabytes: the file is named
        // and left unused, spelt out or escaped, and the other file still counts.
        write("system1", "[display]\nzoom=150\nx=@Variant(\\0\\0\\0\\x1c\\xff\\xff\\xff)\n");
        write("system2", "[display]\nlanguage=de, \"\\x40Variant(\"\n");
        write("user", "[display]\nzoom=175\n");
        const Settings settings = read();
        QCOMPARE(m_warnings.size(), 2);
        for (const char *folder : {"system1", "system2"})
            QCOMPARE(m_warnings.filter(file(folder) + QStringLiteral(": holds a value")).size(), 1);
        QCOMPARE(held(settings), QStringLiteral("175|||0||1"));
    }

    void badValuesAreNamedAndLeftOut()
    {
        write("user", "[display]\nzoom=@Rect(0 0 1 1)\nlanguage=klingon\n"
                      "[class]\nfolder=/srv/one, /srv/two\n[saving]\nlastFolder=Documents\n");
        write("system1", "[display]\nzoom=90\nlanguage=ja\n[class]\nfolder=/srv/class\n");
        write("system2", "[display]\nzoom=175\n");
        const Settings settings = read();
        // Each in one line naming the file and the key; the next file's value is taken instead.
        QCOMPARE(m_warnings.join(QLatin1Char('\n')),
                 QStringLiteral(
                     "U: [class] folder: holds a list (a comma outside double quotes); ignored\n"
                     "U: [saving] lastFolder: 'Documents' is not an absolute path; ignored\n"
                     "U: [display] zoom: is not a text; ignored\n"
                     "U: [display] language: no translation for 'klingon' (there are en, de, es, "
                     "fr, ja, ko, pt_BR, zh_CN); ignored\n"
                     "S: [display] zoom: '90' is not one of 100, 125, 150, 175, 200, 250, 300; "
                     "ignored")
                     .replace(QLatin1String("U:"), file("user") + QLatin1Char(':'))
                     .replace(QLatin1String("S:"), file("system1") + QLatin1Char(':')));
        QCOMPARE(held(settings), QStringLiteral("175|ja|/srv/class|0||1"));
    }

    void aUsersFileThatCannotBeReadCostsOnlyItsSettings_data()
    {
        // A FIFO in its place: the command-line test's.
        QTest::addColumn<QString>("said");
        QTest::newRow("unreadable") << QStringLiteral(": cannot be read (%1); its settings are not "
                                                      "used and nothing is remembered")
                                           .arg(qt_error_string(EACCES));
        QTest::newRow("format") << QStringLiteral(": not all of it is in the settings format; the "
                                                  "rest is used, and nothing is remembered");
    }

    void aUsersFileThatCannotBeReadCostsOnlyItsSettings()
    {
        QFETCH(QString, said);
        const QByteArray kind = QTest::currentDataTag();
        write("system1", "[class]\nfolder=/srv/class\n");
        write("user", kind == "format" ? "[display\nzoom=125\n" : "zoom=125\n");
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(file("user"), {}));
        const QByteArray before = contents(file("user"));

        std::optional<PermissionsHold> hold(std::in_place);
        Settings settings = read();
        QCOMPARE(m_warnings, QStringList(file("user") + said));
        // The school's settings still; the readable part of the user's; nothing remembered.
        QCOMPARE(held(settings), QString::fromLatin1(kind == "format" ? "125||/srv/class|0||0"
                                                                      : "100||/srv/class|0||0"));
        Preferences preferences;
        start(settings, preferences);
        preferences.setZoom(200);
        hold.reset();
        QCOMPARE(contents(file("user")), before); // as it was
    }

    void aUsersFileThatCannotBeWrittenIsNamedOnce()
    {
        const QString user = QFileInfo(QFileInfo(file("user")).absolutePath()).absolutePath();
        QVERIFY(QDir().mkpath(user));
        QVERIFY(QFile::setPermissions(user, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const PermissionsHold hold;
        Settings settings = read();
        Preferences preferences;
        start(settings, preferences);
        preferences.setZoom(150);
        preferences.setLastFolder(QStringLiteral("/home/ann"));
        QCOMPARE(m_warnings, QStringList(file("user") + QStringLiteral(": cannot be written (%1); "
                                                                       "nothing more is remembered")
                                                            .arg(qt_error_string(EACCES))));
        QVERIFY(!settings.remembers());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"

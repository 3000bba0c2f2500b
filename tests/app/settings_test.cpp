// The settings files as a school and a pupil have them: the command line over the user's file
// over the system's, every bad file and value named once and left out without costing more than
// itself, and the zoom and the last folder remembered in the user's file only.

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

    [[nodiscard]] QString folder(const QString &name) const { return m_root->filePath(name); }
    // The settings file in a configuration folder (user, system1, system2).
    [[nodiscard]] QString file(const QString &name) const
    {
        return folder(name) + QStringLiteral("/Quindle/Quindle.conf");
    }
    void write(const QString &name, const QByteArray &text)
    {
        QVERIFY(QDir().mkpath(QFileInfo(file(name)).absolutePath()));
        QFile out(file(name));
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
        if (!arguments.isEmpty()) {
            QCommandLineParser parser;
            describeCommandLine(parser);
            (void)parser.parse(QStringList(QStringLiteral("quindle")) + arguments);
            settings.takeCommandLine(parser);
        }
        return settings;
    }

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder(QStringLiteral("user"))));
        qputenv("XDG_CONFIG_DIRS",
                QFile::encodeName(folder(QStringLiteral("system1")) + QLatin1Char(':') +
                                  folder(QStringLiteral("system2"))));
    }

    void theCommandLineWinsOverTheUsersFileOverTheSystems()
    {
        QCOMPARE(Settings::userFile(), file(QStringLiteral("user")));
        QCOMPARE(Settings::systemFiles(),
                 QStringList({file(QStringLiteral("system1")), file(QStringLiteral("system2"))}));
        write(QStringLiteral("system2"), "[display]\nzoom=300\nlanguage=fr\n"
                                         "[class]\nfolder=/srv/two\n");
        write(QStringLiteral("system1"), "[display]\nzoom=250\nlanguage=es\n"
                                         "[class]\nfolder=\"/srv/Class 5a, group 2\"\n");
        write(QStringLiteral("user"), "[display]\nzoom=150%\n[saving]\nlastFolder=/home/ann\n");

        Settings files = read();
        QCOMPARE(m_warnings, QStringList());
        QCOMPARE(files.zoom(), 150);
        QCOMPARE(files.language(), QStringLiteral("es"));
        QCOMPARE(files.classFolder(), QStringLiteral("/srv/Class 5a, group 2"));
        QCOMPARE(files.lastFolder(), QStringLiteral("/home/ann"));
        QVERIFY(!files.classFolderGiven());

        QTemporaryDir classFolder;
        Settings given =
            read({QStringLiteral("--zoom"), QStringLiteral("200"), QStringLiteral("--language=de"),
                  QStringLiteral("--class"), classFolder.path()});
        QCOMPARE(m_warnings, QStringList());
        QCOMPARE(given.zoom(), 200);
        QCOMPARE(given.language(), QStringLiteral("de"));
        QCOMPARE(given.classFolder(), classFolder.path());
        QVERIFY(given.classFolderGiven());

        // A bad value on the command line is named, and the files' stays.
        Settings bad = read({QStringLiteral("--zoom"), QStringLiteral("90"),
                             QStringLiteral("--language"), QStringLiteral("xx"),
                             QStringLiteral("--class"), folder(QStringLiteral("nowhere"))});
        QCOMPARE(bad.zoom(), 150);
        QCOMPARE(bad.language(), QStringLiteral("es"));
        QCOMPARE(bad.classFolder(), QStringLiteral("/srv/Class 5a, group 2"));
        QVERIFY(!bad.classFolderGiven());
        QCOMPARE(m_warnings.size(), 3);
        QVERIFY(m_warnings[0].startsWith(QStringLiteral("--language: no translation for 'xx'")));
        QVERIFY(m_warnings[1].startsWith(QStringLiteral("--zoom: '90' is not one of 100, 125")));
        QVERIFY(m_warnings[2].startsWith(QStringLiteral("--class: '")));
    }

    void badValuesAreNamedAndLeftOut()
    {
        write(QStringLiteral("user"), "[display]\nzoom=@Rect(0 0 1 1)\nlanguage=klingon\n"
                                      "[class]\nfolder=/srv/one, /srv/two\n"
                                      "[saving]\nlastFolder=Documents\n");
        write(QStringLiteral("system1"), "[display]\nzoom=90\nlanguage=ja\n"
                                         "[class]\nfolder=/srv/class\n");
        write(QStringLiteral("system2"), "[display]\nzoom=175\n");
        const Settings settings = read();
        // Each in one line naming the file and the key; the next file's value is taken instead.
        const QString user = file(QStringLiteral("user")), system = file(QStringLiteral("system1"));
        QCOMPARE(m_warnings,
                 QStringList({user + QStringLiteral(": [class] folder: holds a list (a comma "
                                                    "outside double quotes); ignored"),
                              user + QStringLiteral(": [saving] lastFolder: 'Documents' is not "
                                                    "an absolute path; ignored"),
                              user + QStringLiteral(": [display] zoom: is not a text; ignored"),
                              user + QStringLiteral(": [display] language: no translation for "
                                                    "'klingon' (there are en, de, es, fr, ja, "
                                                    "ko, pt_BR, zh_CN); ignored"),
                              system + QStringLiteral(": [display] zoom: '90' is not one of "
                                                      "100, 125, 150, 175, 200, 250, 300; "
                                                      "ignored")}));
        QCOMPARE(settings.zoom(), 175);
        QCOMPARE(settings.language(), QStringLiteral("ja"));
        QCOMPARE(settings.classFolder(), QStringLiteral("/srv/class"));
        QCOMPARE(settings.lastFolder(), QString());
        QVERIFY(settings.remembers());
    }

    void aFileThatCannotBeReadCostsOnlyItsSettings_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        const QString notUsed = QStringLiteral("; its settings are not used");
        const QString forgets = notUsed + QStringLiteral(" and nothing is remembered");
        QTest::newRow("the user's, a FIFO") << QStringLiteral("user") << QStringLiteral("fifo")
                                            << QStringLiteral(": is not a regular file") + forgets;
        QTest::newRow("the user's, a folder")
            << QStringLiteral("user") << QStringLiteral("folder")
            << QStringLiteral(": is not a regular file") + forgets;
        QTest::newRow("the user's, far too large")
            << QStringLiteral("user") << QStringLiteral("large")
            << QStringLiteral(": is too large for a settings file (1048576 bytes)") + forgets;
        QTest::newRow("the user's, unreadable")
            << QStringLiteral("user") << QStringLiteral("unreadable")
            << QStringLiteral(": cannot be read (%1)").arg(qt_error_string(EACCES)) + forgets;
        QTest::newRow("the user's, not in the settings format")
            << QStringLiteral("user") << QStringLiteral("format")
            << QStringLiteral(": not all of it is in the settings format; the rest is used, and "
                              "nothing is remembered");
        QTest::newRow("the system's, a FIFO")
            << QStringLiteral("system1") << QStringLiteral("fifo")
            << QStringLiteral(": is not a regular file") + notUsed;
        QTest::newRow("the system's, unreadable")
            << QStringLiteral("system1") << QStringLiteral("unreadable")
            << QStringLiteral(": cannot be read (%1)").arg(qt_error_string(EACCES)) + notUsed;
    }

    void aFileThatCannotBeReadCostsOnlyItsSettings()
    {
        QFETCH(QString, which);
        QFETCH(QString, kind);
        QFETCH(QString, said);
        const QString path = file(which);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("large"))
            write(which, "[display]\nzoom=125\n" + QByteArray(1024 * 1024 - 19, '\n'));
        else if (kind == QLatin1String("format"))
            write(which, "[display\nzoom=125\n");
        else
            write(which, "[display]\nzoom=125\n");
        if (kind == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(path, {}));
        const QByteArray before = kind == QLatin1String("fifo") ? QByteArray() : contents(path);
        write(which == QLatin1String("user") ? QStringLiteral("system2") : QStringLiteral("user"),
              "[class]\nfolder=/srv/class\n");

        std::optional<PermissionsHold> hold(std::in_place);
        Settings settings = read(); // and never waits on a FIFO
        QCOMPARE(m_warnings, QStringList(path + said));
        QCOMPARE(settings.classFolder(), QStringLiteral("/srv/class")); // the other file's
        QCOMPARE(settings.zoom(),
                 kind == QLatin1String("format") ? std::optional<int>(125) : std::nullopt);
        settings.rememberZoom(200);
        settings.rememberLastFolder(QStringLiteral("/home/ann"));
        QCOMPARE(settings.remembers(), which != QLatin1String("user"));
        QCOMPARE(m_warnings.size(), 1);
        if (which != QLatin1String("user"))
            QCOMPARE(read().zoom(), 200);
        hold.reset();
        // The file is as it was (a FIFO is not opened, it would wait for a writer).
        QCOMPARE(QFileInfo(path).isFile() ? contents(path) : QByteArray(), before);
    }

    void theZoomAndTheLastFolderAreRemembered()
    {
        write(QStringLiteral("system1"), "[display]\nzoom=200\n[class]\nfolder=/srv/class\n");
        write(QStringLiteral("user"), "[display]\nlanguage=de\n");
        const QByteArray system = contents(file(QStringLiteral("system1")));
        {
            Settings settings = read();
            QCOMPARE(settings.zoom(), 200);
            settings.rememberZoom(150);
            settings.rememberLastFolder(QStringLiteral("/home/ann/Results, 5a"));
        }
        const Settings next = read();
        QCOMPARE(m_warnings, QStringList());
        QCOMPARE(next.zoom(), 150);
        QCOMPARE(next.lastFolder(), QStringLiteral("/home/ann/Results, 5a"));
        QCOMPARE(next.language(), QStringLiteral("de"));
        QCOMPARE(next.classFolder(), QStringLiteral("/srv/class"));
        QCOMPARE(contents(file(QStringLiteral("system1"))), system);
    }

    void aUsersFileThatCannotBeWrittenIsNamedOnce()
    {
        const QString user = folder(QStringLiteral("user"));
        QVERIFY(QDir().mkpath(user));
        QVERIFY(QFile::setPermissions(user, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const PermissionsHold hold;
        Settings settings = read();
        QCOMPARE(m_warnings, QStringList());
        settings.rememberZoom(150);
        settings.rememberZoom(175);
        settings.rememberLastFolder(QStringLiteral("/home/ann"));
        QCOMPARE(m_warnings,
                 QStringList(file(QStringLiteral("user")) +
                             QStringLiteral(": cannot be written (%1); nothing more is remembered")
                                 .arg(qt_error_string(EACCES))));
        QVERIFY(!settings.remembers());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"

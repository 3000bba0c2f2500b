// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The command line's own pieces: --help text broken for a terminal where Chinese, Japanese and
// Korean take two columns a letter, and the --seed option's number.

#include "app/command_line.h"
#include "app/seed_option.h"
#include "app/terminal_wrapping.h"

#include <QCommandLineParser>
#include <QTest>

#include <limits>
#include <optional>

using namespace quindle;

class CommandLineTest : public QObject
{
    Q_OBJECT

    // The --seed option's value as the program reads it from arguments.
    static std::optional<std::uint64_t> seedOf(const QStringList &arguments)
    {
        QCommandLineParser parser;
        describeCommandLine(parser);
        (void)parser.parse(QStringList(QStringLiteral("quindle")) + arguments);
        return seedOption(parser);
    }

private slots:
    void aLineIsBrokenWhereATerminalWouldCutIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("broken");
        const auto row = [](const char *name, const char *text, int columns, const char *broken) {
            QTest::newRow(name) << QString::fromUtf8(text) << columns << QString::fromUtf8(broken);
        };
        row("each wide letter takes two columns", "あいうえお", 6, "あいう\nえお");
        row("at the last blank", "時計は abcdef", 10, "時計は\nabcdef");
        row("between two letters", "時計 <N>（整数）で決まる", 12, "時計 <N>（整\n数）で決まる");
        row("never before a full stop", "あいうえ。かき", 8, "あいう\nえ。かき");
    }
    void aLineIsBrokenWhereATerminalWouldCutIt()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QString, broken);
        QCOMPARE(wrappedForTerminal(text, columns), broken);
    }

    void theSeedIsTheWholeNumberGiven()
    {
        QCOMPARE(seedOf({}), std::nullopt);
        QCOMPARE(seedOf({QStringLiteral("--seed"), QStringLiteral("42")}), 42U);
        QCOMPARE(seedOf({QStringLiteral("--seed=0")}), 0U);
        QCOMPARE(seedOf({QStringLiteral("--seed"), QStringLiteral("18446744073709551615")}),
                 std::numeric_limits<std::uint64_t>::max());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

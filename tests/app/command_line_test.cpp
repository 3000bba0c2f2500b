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
    void aTextWithoutWideLettersIsLeftToTheParser()
    {
        const QString text = QStringLiteral("Throws two coins again and again");
        QCOMPARE(wrappedForTerminal(text, 8), text);
    }

    void eachWideLetterTakesTwoColumns()
    {
        QCOMPARE(wrappedForTerminal(QStringLiteral("あいうえお"), 6),
                 QStringLiteral("あいう\nえお"));
        QCOMPARE(wrappedForTerminal(QStringLiteral("あいう abc"), 10),
                 QStringLiteral("あいう abc"));
    }

    void aLineBreaksAtItsLastBlankOrBetweenTwoLetters()
    {
        QCOMPARE(wrappedForTerminal(QStringLiteral("時計は abcdef"), 10),
                 QStringLiteral("時計は\nabcdef"));
        QCOMPARE(wrappedForTerminal(QStringLiteral("時計 <N>（整数）で決まる"), 12),
                 QStringLiteral("時計 <N>（整\n数）で決まる"));
    }

    void aLineNeverStartsWithAPunctuationMarkNorEndsWithAnOpeningBracket()
    {
        QCOMPARE(wrappedForTerminal(QStringLiteral("あいうえ。かき"), 8),
                 QStringLiteral("あいう\nえ。かき"));
        QCOMPARE(wrappedForTerminal(QStringLiteral("あいう（えお）"), 8),
                 QStringLiteral("あいう\n（えお）"));
        QCOMPARE(wrappedForTerminal(QStringLiteral("あいうえ）か"), 8),
                 QStringLiteral("あいう\nえ）か"));
    }

    void koreanBreaksAtBlanksOnly()
    {
        QCOMPARE(wrappedForTerminal(QStringLiteral("한국어 문장입니다"), 10),
                 QStringLiteral("한국어\n문장입니다"));
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

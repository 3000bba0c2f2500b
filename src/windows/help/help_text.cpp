// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/help/help_text.h"

#include "windows/controls/surface_operations.h"

#include <QCoreApplication>

#include <array>

namespace quindle {

namespace {

// Each line starts with ideographic spaces (U+3000): one before a heading or a line that goes
// on with the paragraph above, two before a paragraph's first line. Four lines end in a blank
// that belongs to the line.
struct HelpLine
{
    int indent = 0;
    const char *text = nullptr; // none: an empty line
};

// clang-format off
constexpr std::array<HelpLine, 19> kLines{{
    {},
    //: A heading of the help text, in the brackets 【 and 】.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText", "【Problem】")},
    //: The help text is printed line by line as written, on a surface about 590 pixels wide;
    //: a line that does not fit loses its end. Keep each line about as long as the original
    //: and break the sentences where they fit. A blank at the end of a line belongs to it.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "Throw two coins at the same time and think about how they appear on "
                          "front and back.")},
    //: Name the coins as the experiment window does under their pictures.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "If these two coins are Coin1 and Coin2 , respectively , there are four "
                          "ways to get ")},
    //: Goes on with the sentence of the line above.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "them : front/front , front/back , back/front , back/back. ")},
    //: A new paragraph: each of the four outcomes has the probability 1/4.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "That is , the probability of occurrence in these four cases is 1/4 , "
                          "respectively.")},
    //: A new paragraph, going on in the next line: four throws need not give each outcome once.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "However , in reality , if you throw two coins four times at the same "
                          "time , ")},
    //: Goes on with the sentence of the line above.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "it doesn't always happen that both coins are turned upside down once.")},
    //: A paragraph of one line.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText", "The same applies to the other three cases.")},
    //: The problem's question, going on in the next line: how do the observed ratios relate to
    //: the probability of 1/4 worked out in theory?
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "Then , what is the relationship with the mathmatically obtained "
                          "theoretical ")},
    //: Goes on with the sentence of the line above.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText", "probability of 1/4 ?")},
    {},
    //: A heading of the help text, in the brackets 【 and 】.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText", "【Operation method】")},
    //: [Start] names the experiment window's Start button: use its caption there.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText", "Click the [Start] button to start the experiment.")},
    //: [Stop] names the experiment window's Stop button: use its caption there.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText", "Click the [Stop] button to stop the experiment.")},
    //: [Graph display] names the experiment window's button: use its caption there.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "When you click the [Graph display] button , the relationship between "
                          "the number of")},
    //: Goes on with the sentence of the line above.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "experiments and the front/front , front/back , back/front , back/back , "
                          "and the ratio")},
    //: Goes on with the sentence of the line above.
    {1, QT_TRANSLATE_NOOP("quindle::HelpText", "of each is displayed in a graph.")},
    //: [Init] names the experiment window's Init button: use its caption there.
    {2, QT_TRANSLATE_NOOP("quindle::HelpText",
                          "You can restart the experiment from the beginning by clicking the "
                          "[Init] button.")},
}};
// clang-format on

} // namespace

QStringList helpLines()
{
    QStringList lines;
    for (const HelpLine &line : kLines) {
        lines << (line.text ? QString(line.indent, QChar(0x3000)) +
                                  QCoreApplication::translate("quindle::HelpText", line.text)
                            : QString());
    }
    return lines;
}

void printHelp(SurfaceOperations &surface)
{
    surface.clear();
    for (const QString &line : helpLines())
        surface.print(line.toStdString());
}

} // namespace quindle

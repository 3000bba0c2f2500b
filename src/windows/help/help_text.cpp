#include "help_text.h"
#include "windows/support/translation.h"

#include "windows/controls/surface_operations.h"

namespace quindle {

// Headings start with one ideographic space (U+3000), the first line of a paragraph with two,
// a continued line with one. Four lines end in a blank that belongs to the line.
const std::array<std::string_view, 19> kHelpLines = {
    "",
    "\u3000【Problem】",
    "\u3000\u3000Throw two coins at the same time and think about how they appear on front and "
    "back.",
    "\u3000\u3000If these two coins are Coin1 and Coin2 , respectively , there are four ways to "
    "get ",
    "\u3000them : front/front , front/back , back/front , back/back. ",
    "\u3000\u3000That is , the probability of occurrence in these four cases is 1/4 , "
    "respectively.",
    "\u3000\u3000However , in reality , if you throw two coins four times at the same time , ",
    "\u3000it doesn't always happen that both coins are turned upside down once.",
    "\u3000\u3000The same applies to the other three cases.",
    "\u3000\u3000Then , what is the relationship with the mathmatically obtained theoretical ",
    "\u3000probability of 1/4 ?",
    "",
    "\u3000【Operation method】",
    "\u3000\u3000Click the [Start] button to start the experiment.",
    "\u3000\u3000Click the [Stop] button to stop the experiment.",
    "\u3000\u3000When you click the [Graph display] button , the relationship between the number "
    "of",
    "\u3000experiments and the front/front , front/back , back/front , back/back , and the "
    "ratio",
    "\u3000of each is displayed in a graph.",
    "\u3000\u3000You can restart the experiment from the beginning by clicking the [Init] button.",
};

void printHelp(SurfaceOperations &surface)
{
    surface.clear();
    for (std::string_view line : kHelpLines)
        surface.print(ui(std::string(line).c_str()).toStdString());
}

} // namespace quindle

#include "windows/plotting/labels.h"

namespace quindle {

void printAt(SurfaceOperations &surface, float x, float y, const std::string &text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(text);
}

std::vector<std::string> linesWithin(const std::string &text, float room, const TextWidth &measure)
{
    std::vector<std::string> lines{std::string()};
    std::string piece;
    bool blank = false; // whether a blank comes before the piece
    const auto flush = [&] {
        if (piece.empty())
            return;
        std::string &line = lines.back();
        const std::string longer = line.empty() ? piece : line + (blank ? " " : "") + piece;
        if (!line.empty() && measure && measure(longer) > room)
            lines.push_back(piece);
        else
            line = longer;
        piece.clear();
        blank = false;
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (text[i] == ' ') {
            flush();
            blank = true;
            ++i;
        } else if (lead >= 0xE3 && lead < 0xF0) { // three bytes, U+3000 to U+FFFF
            flush();
            piece = text.substr(i, 3);
            flush();
            i += 3;
        } else {
            piece += text[i++];
        }
    }
    flush();
    return lines;
}

void printLines(SurfaceOperations &surface, float x, float top, float lineHeight,
                const std::vector<std::string> &lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        printAt(surface, x, top + lineHeight * static_cast<float>(i), lines[i]);
}

} // namespace quindle

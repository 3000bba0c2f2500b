// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/results_reader.h"

#include "classroom/results_fields.h"

namespace quindle::results_reading {

bool onlyBlanks(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return isBlank(c) || c == '\r' || c == '\n'; });
}

char separatorOf(std::string_view text)
{
    bool lineHasText = false;
    for (const char c : text) {
        if (c == ',' || c == ';')
            return c;
        if (c == '\r' || c == '\n') {
            if (lineHasText)
                break;
        } else if (!isBlank(c)) {
            lineHasText = true;
        }
    }
    return ',';
}

std::size_t lineEnd(std::string_view text, std::size_t begin)
{
    const std::size_t feed = text.find('\n', begin);
    const std::size_t last = feed == std::string_view::npos ? text.size() : feed;
    // A carriage return before it ends the line there, unless it is the CR of a CRLF.
    const std::size_t cr = text.substr(0, last).find('\r', begin);
    if (cr != std::string_view::npos && cr + 1 < last)
        return cr + 1;
    return feed == std::string_view::npos ? text.size() : feed + 1;
}

} // namespace quindle::results_reading

#pragma once

// The help window's text: the problem the experiment explores and how to operate it, one entry
// per printed line, blank lines included.

#include <array>
#include <string_view>

namespace quindle {

extern const std::array<std::string_view, 19> kHelpLines;

class SurfaceOperations;

// Clears the surface and prints the help text from its top-left corner.
void printHelp(SurfaceOperations &surface);

} // namespace quindle

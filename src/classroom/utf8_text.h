#pragma once

// Whether bytes are UTF-8 text, checked at the speed of a file read: a results file is
// refused as "not a text file" before its rows are parsed.

#include <cstddef>
#include <string_view>

namespace quindle {

// The offset of the first byte that does not belong in UTF-8 text, or npos. A NUL counts as
// such a byte: text never has one, while UTF-16 has one in about every other byte. Overlong
// forms, surrogates and code points above U+10FFFF do not belong either.
[[nodiscard]] std::size_t firstNonTextByte(std::string_view text);

} // namespace quindle

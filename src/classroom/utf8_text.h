// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Whether bytes are UTF-8 text, checked at the speed of a file read: a results file is
// refused before its rows are parsed, as text in another encoding or as no text at all.

#include <cstddef>
#include <string>
#include <string_view>

namespace quindle {

// The offset of the first byte that does not belong in UTF-8 text, or npos. A NUL counts as
// such a byte: text never has one, while UTF-16 has one in about every other byte. Overlong
// forms, surrogates and code points above U+10FFFF do not belong either.
[[nodiscard]] std::size_t firstNonTextByte(std::string_view text);

// The code points of text that firstNonTextByte finds nothing wrong with, in order.
[[nodiscard]] std::u32string codePoints(std::string_view text);

// What bytes most likely are, for bytes that firstNonTextByte refuses: the same text saved in
// another encoding, as spreadsheets and editors offer it, or no text at all.
enum class Encoding {
    Utf8,
    Utf16,   // a UTF-16 byte-order mark (FF FE or FE FF), or a NUL in about every other byte
    OneByte, // no NUL and no control characters but tab and line ends: Latin-1, Windows-1252
    Binary,
};
[[nodiscard]] Encoding encodingOf(std::string_view bytes);

} // namespace quindle

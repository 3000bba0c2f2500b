// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/utf8_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quindle {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

} // namespace

std::size_t firstNonTextByte(std::string_view text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t size = text.size();
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    while (i < size) {
        // Eight bytes at a time while they are ASCII without a NUL, as nearly all of a file is.
        if (size - i >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + i, sizeof word);
            if (((word | ((word - kOnes) & ~word)) & kHighBits) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char lead = bytes[i];
        if (lead != 0 && lead < 0x80U) {
            ++i;
            continue;
        }
        // The second byte's range depends on the lead byte: it rules out overlong forms,
        // surrogates and code points above U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80U;
        unsigned char high = 0xBFU;
        if (lead >= 0xC2U && lead <= 0xDFU) {
            length = 2;
        } else if (lead >= 0xE0U && lead <= 0xEFU) {
            length = 3;
            if (lead == 0xE0U)
                low = 0xA0U;
            else if (lead == 0xEDU)
                high = 0x9FU;
        } else if (lead >= 0xF0U && lead <= 0xF4U) {
            length = 4;
            if (lead == 0xF0U)
                low = 0x90U;
            else if (lead == 0xF4U)
                high = 0x8FU;
        } else {
            return i;
        }
        if (size - i < length || bytes[i + 1] < low || bytes[i + 1] > high)
            return i;
        for (std::size_t k = 2; k < length; ++k) {
            if (!isContinuation(bytes[i + k]))
                return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

std::u32string codePoints(std::string_view text)
{
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::uint32_t lead = static_cast<unsigned char>(text[i]);
        // The lead byte's length, and the bits of the code point it holds.
        const std::size_t length = lead < 0x80U ? 1 : lead < 0xE0U ? 2 : lead < 0xF0U ? 3 : 4;
        std::uint32_t point = length == 1 ? lead : lead & (0x7FU >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            point = (point << 6U) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
        points += static_cast<char32_t>(point);
        i += length;
    }
    return points;
}

Encoding encodingOf(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return Encoding::Utf16;
    // Text in UTF-16 has a NUL in every other byte wherever it is ASCII, as a results file's
    // words and numbers are: look at the start.
    const std::size_t start = std::min<std::size_t>(bytes.size() & ~std::size_t{1}, 512);
    std::size_t evenNuls = 0, oddNuls = 0;
    for (std::size_t i = 0; i < start; ++i) {
        if (bytes[i] == '\0')
            ++(i % 2 == 0 ? evenNuls : oddNuls);
    }
    if (start > 0 && std::max(evenNuls, oddNuls) * 4 >= start &&
        std::min(evenNuls, oddNuls) * 16 <= start)
        return Encoding::Utf16;
    if (firstNonTextByte(bytes) == std::string_view::npos)
        return Encoding::Utf8;
    // Text in a one-byte encoding is mostly ASCII, with a letter beyond it here and there, and
    // has no control characters but tabs and line ends.
    std::size_t ascii = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20U && c != '\t' && c != '\n' && c != '\r') || byte == 0x7FU)
            return Encoding::Binary;
        if (byte < 0x80U)
            ++ascii;
    }
    return ascii * 2 >= bytes.size() ? Encoding::OneByte : Encoding::Binary;
}

} // namespace quindle

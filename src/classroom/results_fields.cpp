// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/results_fields.h"

#include "classroom/results_file.h"
#include "classroom/results_words.h"
#include "classroom/utf8_text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <numeric>

namespace quindle {

namespace {

// The longest ratio read: a spreadsheet may write a few more decimals, never this many.
constexpr std::size_t kMaxRatioChars = 64;
// The most bytes a UTF-8 code point takes.
constexpr std::size_t kMaxCodePointBytes = 4;

// C0, DEL and C1.
bool isControl(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

// The characters that Unicode calls white space, but the control characters among them.
bool isUnicodeBlank(char32_t point)
{
    return point == 0x20 || point == 0xA0 || point == 0x1680 ||
           (point >= 0x2000 && point <= 0x200A) || point == 0x2028 || point == 0x2029 ||
           point == 0x202F || point == 0x205F || point == 0x3000;
}

} // namespace

bool isPrediction(const std::array<int, kOutcomes> &prediction)
{
    constexpr int kWhole = 100;
    return std::ranges::all_of(prediction,
                               [](int share) { return share >= 0 && share <= kWhole; }) &&
           std::reduce(prediction.begin(), prediction.end()) == kWhole;
}

bool isPupilName(std::string_view text)
{
    // Longer than the longest name in bytes, or not UTF-8: no code points to count.
    if (text.empty() || text.size() > kMaxPupilNameCharacters * kMaxCodePointBytes ||
        firstNonTextByte(text) != std::string_view::npos)
        return false;
    const std::u32string points = codePoints(text);
    return points.size() <= kMaxPupilNameCharacters && std::ranges::none_of(points, isControl) &&
           !std::ranges::all_of(points, isUnicodeBlank);
}

std::optional<int> countField(std::string_view field)
{
    if (field.empty())
        return 0;
    int value = 0;
    const char *end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> wholeNumber(std::string_view field)
{
    return field.empty() ? std::nullopt : countField(field);
}

std::optional<double> ratioField(std::string_view field)
{
    if (field.empty() || field.size() > kMaxRatioChars)
        return std::nullopt;
    char buffer[kMaxRatioChars];
    bool decimalSign = false;
    bool digit = false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9') {
            digit = true;
            buffer[i] = c;
        } else if ((c == '.' || c == ',') && !decimalSign) {
            decimalSign = true;
            buffer[i] = '.';
        } else if (c == '-' && i == 0) {
            buffer[i] = c;
        } else {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const char *end = buffer + field.size();
    const auto result = std::from_chars(buffer, end, value, std::chars_format::fixed);
    if (!digit || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> seedField(std::string_view field)
{
    std::uint64_t value = 0;
    const char *end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    if (field.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<Face> faceField(std::string_view field)
{
    for (const Face face : {Face::Head, Face::Tail}) {
        if (field == faceFileWord(face))
            return face;
    }
    return std::nullopt;
}

int outcomeField(std::string_view field)
{
    for (int n = 1; n <= kOutcomes; ++n) {
        if (field == outcomeFileWord(n))
            return n;
    }
    return 0;
}

} // namespace quindle

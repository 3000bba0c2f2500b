// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/results_fields.h"

#include "classroom/results_words.h"

#include <charconv>
#include <cstddef>

namespace quindle {

namespace {

// The longest ratio read: a spreadsheet may write a few more decimals, never this many.
constexpr std::size_t kMaxRatioChars = 64;

} // namespace

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

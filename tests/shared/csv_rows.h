// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A CSV text's rows and fields as a spreadsheet would read them: libcsv, strict about quotes
// (RFC 4180), with a given separator.

#include <csv.h>

#include <string>
#include <string_view>
#include <vector>

namespace quindle::testing {

using CsvRows = std::vector<std::vector<std::string>>;

inline CsvRows csvRows(std::string_view text, char separator)
{
    CsvRows rows{{}};
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return {};
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    const auto field = [](void *data, std::size_t size, void *to) {
        static_cast<CsvRows *>(to)->back().emplace_back(static_cast<const char *>(data), size);
    };
    const auto row = [](int, void *to) { static_cast<CsvRows *>(to)->emplace_back(); };
    const bool read =
        csv_parse(&parser, text.data(), text.size(), field, row, &rows) == text.size() &&
        csv_fini(&parser, field, row, &rows) == 0;
    csv_free(&parser);
    rows.pop_back(); // the row begun after the last line end
    return read ? rows : CsvRows{};
}

} // namespace quindle::testing

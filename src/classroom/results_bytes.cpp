// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// readResults: a file's bytes sorted out before any row is read (empty, too large, not text,
// text in another encoding), then its text driven through libcsv line by line into the reader.

#include "classroom/results_file.h"

#include "classroom/results_reader.h"
#include "classroom/utf8_text.h"

#include <csv.h>

#include <new>

namespace quindle {

namespace {

using namespace results_reading;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Frees libcsv's buffer however reading ends.
class CsvParser
{
public:
    CsvParser()
    {
        if (csv_init(&m_parser, 0) != 0)
            throw std::bad_alloc();
    }
    ~CsvParser() { csv_free(&m_parser); }
    CsvParser(const CsvParser &) = delete;
    CsvParser &operator=(const CsvParser &) = delete;

    csv_parser *operator->() { return &m_parser; }
    csv_parser *get() { return &m_parser; }

private:
    csv_parser m_parser{};
};

ReadResult readText(std::string_view text)
{
    CsvParser parser;
    csv_set_delim(parser.get(), static_cast<unsigned char>(separatorOf(text)));
    // libcsv grows its field buffer by a fixed block at a time. A block as large as the text
    // means it never grows twice; the default 128 bytes would have it reallocate a long field
    // thousands of times, copying it each time where the allocator cannot grow it in place.
    csv_set_blk_size(parser.get(), text.size() + 1);
    ResultsReader reader;
    const char separator = separatorOf(text);
    // Line by line, so that the reader knows each row's line and can stop at a problem.
    for (std::size_t begin = 0; begin < text.size() && !reader.failed();) {
        const std::size_t end = lineEnd(text, begin);
        std::string_view line = text.substr(begin, end - begin);
        reader.startLine();
        // libcsv between rows (pstate 0: no row begun, so not inside a quoted field that
        // spans lines), and a whole line without quotes: split here.
        const bool terminated = line.ends_with('\n') || line.ends_with('\r');
        if (parser->pstate == 0 && terminated && line.find('"') == std::string_view::npos) {
            while (line.ends_with('\n') || line.ends_with('\r'))
                line.remove_suffix(1);
            reader.readPlainLine(line, separator);
        } else if (csv_parse(parser.get(), line.data(), line.size(), &ResultsReader::fieldRead,
                             &ResultsReader::rowRead, &reader) != line.size()) {
            throw std::bad_alloc(); // libcsv fails only when it runs out of memory
        }
        begin = end;
    }
    if (!reader.failed())
        csv_fini(parser.get(), &ResultsReader::fieldRead, &ResultsReader::rowRead, &reader);
    return reader.finish();
}

ReadResult readBytes(std::string_view bytes)
{
    std::string_view text = bytes;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    if (onlyBlanks(text))
        return ReadProblem{.problem = Problem::Empty};
    if (bytes.size() > kMaxFileBytes)
        return ReadProblem{.problem = Problem::TooLarge,
                           .found = static_cast<long long>(bytes.size()),
                           .expected = static_cast<long long>(kMaxFileBytes)};
    if (const std::size_t bad = firstNonTextByte(bytes); bad != std::string_view::npos) {
        switch (encodingOf(bytes)) {
        case Encoding::Utf16:
            return ReadProblem{.problem = Problem::Utf16};
        case Encoding::OneByte:
            return ReadProblem{.problem = Problem::OneByte, .found = static_cast<long long>(bad)};
        case Encoding::Utf8:
        case Encoding::Binary:
            break;
        }
        return ReadProblem{.problem = Problem::Binary, .found = static_cast<long long>(bad)};
    }
    return readText(text);
}

} // namespace

ReadResult readResults(std::string_view bytes)
{
    try {
        return readBytes(bytes);
    } catch (const std::bad_alloc &) {
        return ReadProblem{.problem = Problem::OutOfMemory,
                           .found = static_cast<long long>(bytes.size())};
    } catch (...) {
        return ReadProblem{.problem = Problem::NotResults};
    }
}

} // namespace quindle

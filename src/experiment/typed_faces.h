// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A sequence of one coin's faces as a pupil types it, inventing it: "HTTHHT…", or in the
// language's own marks for the faces. Letters in either case; blanks and commas between them
// are left out; anything else is not a face, and the first such character is named.

#include "experiment/experiment_view.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace quindle {

struct TypedFaces
{
    std::vector<Face> faces;
    // The first character that is neither a face, a blank nor a comma, and where it stands
    // (counted in characters from 0); none when every character was read.
    struct NotAFace
    {
        std::size_t at = 0;
        char32_t character = 0;
        bool operator==(const NotAFace &) const = default;
    };
    std::optional<NotAFace> notAFace;
};

// `head` and `tail` are the language's own marks (H and T in English); H and T stand for head
// and tail as well, unless the language's marks give them the other meaning. The faces read before
// a character that is not one are kept.
[[nodiscard]] TypedFaces readTypedFaces(std::u32string_view text, char32_t head = U'H',
                                        char32_t tail = U'T');

} // namespace quindle

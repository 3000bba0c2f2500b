// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/typed_faces.h"

#include <algorithm>
#include <array>

namespace quindle {

namespace {

// The blanks and commas a pupil may type between faces: spaces of every width, line breaks,
// and the commas of Latin, Chinese and Japanese writing.
constexpr std::array<char32_t, 10> kBetween{U' ',      U'\t',     U'\n',     U'\r',     U',',
                                            U'\u00a0', U'\u3000', U'\u3001', U'\uff0c', U'\u202f'};

// A letter as either case: only the Latin letters have another.
char32_t upper(char32_t c)
{
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

} // namespace

TypedFaces readTypedFaces(std::u32string_view text, char32_t head, char32_t tail)
{
    TypedFaces read;
    read.faces.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = upper(text[i]);
        // The language's marks first: where one of them is H or T, it means what it means there.
        if (c == upper(head) || (c == U'H' && upper(tail) != U'H'))
            read.faces.push_back(Face::Head);
        else if (c == upper(tail) || (c == U'T' && upper(head) != U'T'))
            read.faces.push_back(Face::Tail);
        else if (std::ranges::find(kBetween, text[i]) == kBetween.end()) {
            read.notAFace = TypedFaces::NotAFace{i, text[i]};
            break;
        }
    }
    return read;
}

} // namespace quindle

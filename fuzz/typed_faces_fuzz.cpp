// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// What a pupil types as an invented sequence of faces, whatever it is: the first two characters
// are taken as the language's marks, the rest as the text. Whatever the text, the reader names
// the character it stops at, where it stands, and keeps no more faces than characters before it.

#include "experiment/typed_faces.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::u32string text(size / sizeof(char32_t), U'\0');
    std::memcpy(text.data(), data, text.size() * sizeof(char32_t));
    if (text.size() < 2)
        return 0;
    const std::u32string_view typed = std::u32string_view(text).substr(2);
    const quindle::TypedFaces read = quindle::readTypedFaces(typed, text[0], text[1]);
    const std::size_t end = read.notAFace ? read.notAFace->at : typed.size();
    if (read.faces.size() > end || end > typed.size())
        std::abort();
    if (read.notAFace && typed[read.notAFace->at] != read.notAFace->character)
        std::abort();
    return 0;
}

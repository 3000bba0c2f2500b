// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A sequence of faces as a pupil types it: letters in either case, the language's own marks,
// blanks and commas between them, and the first character that is no face named.

#include "experiment/typed_faces.h"

#include <gtest/gtest.h>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

TEST(TypedFaces, LettersInEitherCaseWithBlanksAndCommasBetween)
{
    const TypedFaces read = readTypedFaces(U"H t,h  T\nhh\u3001T");
    EXPECT_EQ(read.faces, (std::vector<Face>{H, T, H, T, H, H, T}));
    EXPECT_FALSE(read.notAFace);
    EXPECT_TRUE(readTypedFaces(U"").faces.empty());
}

TEST(TypedFaces, TheLanguagesMarksAndHAndTAsWell)
{
    EXPECT_EQ(readTypedFaces(U"KZkzHT", U'K', U'Z').faces, (std::vector<Face>{H, T, H, T, H, T}));
    EXPECT_EQ(readTypedFaces(U"正反反", U'正', U'反').faces, (std::vector<Face>{H, T, T}));
    // Where a mark is T or H, it means what it means in the language.
    EXPECT_EQ(readTypedFaces(U"TH", U'T', U'X').faces, (std::vector<Face>{H, H}));
}

TEST(TypedFaces, TheFirstCharacterThatIsNoFaceIsNamedWhereItStands)
{
    const TypedFaces read = readTypedFaces(U"HHT x T");
    EXPECT_EQ(read.faces, (std::vector<Face>{H, H, T}));
    ASSERT_TRUE(read.notAFace);
    EXPECT_EQ(*read.notAFace, (TypedFaces::NotAFace{4, U'x'}));
    EXPECT_EQ(readTypedFaces(U"H0").notAFace->character, U'0');
    EXPECT_EQ(readTypedFaces(U"\U0001F600").notAFace->at, 0U);
}

} // namespace
} // namespace quindle::testing

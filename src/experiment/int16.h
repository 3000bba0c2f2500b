// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment's integers are 16-bit signed and never wrap: an addition whose result leaves
// -32768..32767 raises OverflowError, and an array index outside its declared bounds raises
// SubscriptError, in both cases before anything is stored.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quindle {

using Int16 = std::int16_t;

// A run-time error of the experiment. number() is the classic BASIC error number, which the
// window layer shows together with what() when it reports the error to the pupil.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const std::string &what)
        : std::runtime_error(what)
        , m_number(number)
    {}
    [[nodiscard]] int number() const noexcept { return m_number; }

private:
    int m_number = 0;
};

class OverflowError : public RuntimeError
{
public:
    OverflowError()
        : RuntimeError(6, "Overflow")
    {}
};

class SubscriptError : public RuntimeError
{
public:
    SubscriptError()
        : RuntimeError(9, "Subscript out of range")
    {}
};

// a + b, or OverflowError when the sum does not fit in 16 bits.
[[nodiscard]] Int16 checkedAdd(Int16 a, Int16 b);

// x rounded to the nearest integer, exact halves to the even neighbour, as a 16-bit value;
// OverflowError when the rounded value does not fit (or x is not a number).
[[nodiscard]] Int16 roundToInt16(double x);

} // namespace quindle

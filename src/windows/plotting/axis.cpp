// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/plotting/axis.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace quindle {

namespace {

constexpr Rgb kBlack{0, 0, 0};

void print(SurfaceOperations &surface, float x, float y, const std::string &text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(text);
}

// The marks and numbers of an axis along x (horizontal) or along y.
void drawTicks(SurfaceOperations &surface, const Axis &axis, bool horizontal)
{
    const TickLook &look = axis.look;
    for (const Tick &tick : axis.ticks) {
        if (tick.marked) {
            if (horizontal)
                surface.line(tick.at, axis.at + look.markFrom, tick.at, axis.at + look.markTo,
                             kBlack);
            else
                surface.line(axis.at + look.markFrom, tick.at, axis.at + look.markTo, tick.at,
                             kBlack);
        }
        if (tick.number.isEmpty())
            continue;
        const float width = look.characterWidth * static_cast<float>(tick.number.size());
        const float point = horizontal ? tick.at + look.numberAlong : axis.at + look.numberAcross;
        const float x =
            std::min(std::max(point - look.align * width, look.leftmost), look.rightmost - width);
        const float y = horizontal ? axis.at + look.numberAcross : tick.at + look.numberAlong;
        print(surface, x, y, tick.number.toStdString());
    }
}

} // namespace

void drawAxes(SurfaceOperations &surface, const Axis &vertical, const Axis &horizontal)
{
    surface.line(vertical.at, vertical.from, vertical.at, vertical.to, kBlack);
    surface.line(horizontal.from, horizontal.at, horizontal.to, horizontal.at, kBlack);
    drawTicks(surface, vertical, false);
    drawTicks(surface, horizontal, true);
    for (const Axis *axis : {&vertical, &horizontal})
        if (!axis->title.empty())
            print(surface, axis->titleX, axis->titleY, axis->title);
}

QString axisNumber(long long value, Sign sign)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = locale.toString(value);
    return sign == Sign::Always && value > 0 ? locale.positiveSign() + number : number;
}

std::vector<Tick> ticksEvery(const LinearScale &scale, long long first, long long last,
                             long long step, Sign sign)
{
    std::vector<Tick> ticks;
    for (long long value = first; value <= last; value += step)
        ticks.push_back({scale.at(static_cast<double>(value)), true, axisNumber(value, sign)});
    return ticks;
}

std::vector<Tick> powersOfTen(const LogScale &scale)
{
    std::vector<Tick> ticks;
    for (double value = 1; value <= scale.last; value *= 10) {
        const auto digits = static_cast<int>(std::lround(std::log10(value)));
        const std::string number = digits < 4 ? std::to_string(static_cast<long long>(value))
                                              : "10^" + std::to_string(digits);
        ticks.push_back({scale.at(value), true, QString::fromStdString(number)});
    }
    return ticks;
}

} // namespace quindle

#include "windows/classroom/class_pictures.h"

#include "experiment/expected_range.h"
#include "windows/controls/surface_operations.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace quindle {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr double kTopRatio = 0.5; // ratios above it are drawn at the top edge

// The plot's frame in a picture of a given size: trials 1 to `last` across on a logarithmic
// scale, ratios 0 to kTopRatio up.
struct Frame
{
    float left, top, right, bottom;
    double last;

    [[nodiscard]] float x(double trials) const
    {
        return left + static_cast<float>(std::log10(std::max(trials, 1.0)) / std::log10(last)) *
                          (right - left);
    }
    [[nodiscard]] double trialsAt(float x) const
    {
        return std::pow(10.0, (x - left) / (right - left) * std::log10(last));
    }
    [[nodiscard]] float y(double ratio) const
    {
        return bottom -
               static_cast<float>(std::clamp(ratio, 0.0, kTopRatio) / kTopRatio) * (bottom - top);
    }
};

Frame frameFor(QSize size, long long trials)
{
    // The scale ends at the next power of ten above the class's trials, at least 1000.
    const double last = std::pow(10.0, std::max(3.0, std::ceil(std::log10(double(trials) * 1.2))));
    return {40, 22, static_cast<float>(size.width() - 24), static_cast<float>(size.height() - 26),
            last};
}

void text(SurfaceOperations &surface, float x, float y, const std::string &words)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(words);
}

std::string translated(const char *words)
{
    return QCoreApplication::translate("quindle::ClassPictures", words).toStdString();
}

// A ratio on the vertical axis: "0", "0.25", "0.5".
std::string axisLabel(double ratio)
{
    char label[32];
    std::snprintf(label, sizeof label, "%g", ratio);
    return label;
}

// The band, the dashed line at the expected ratio, the axes with their marks, and the title.
void drawFrame(SurfaceOperations &surface, const Frame &frame, const std::string &title)
{
    for (float x = frame.left + 1; x <= frame.right; x += 1) {
        const double half = expectedRangeHalfWidth(frame.trialsAt(x));
        surface.line(x, frame.y(kExpectedRatio + half), x, frame.y(kExpectedRatio - half),
                     kExpectedRangeColor);
    }
    for (float x = frame.left; x < frame.right; x += 8)
        surface.line(x, frame.y(kExpectedRatio), std::min(x + 4, frame.right),
                     frame.y(kExpectedRatio), kBlack);
    surface.line(frame.left, frame.top, frame.left, frame.bottom, kBlack);
    surface.line(frame.left, frame.bottom, frame.right, frame.bottom, kBlack);
    for (const double ratio : {0.0, kExpectedRatio, kTopRatio}) {
        surface.line(frame.left - 3, frame.y(ratio), frame.left, frame.y(ratio), kBlack);
        text(surface, 4, frame.y(ratio) - 6, axisLabel(ratio));
    }
    for (double trials = 1; trials <= frame.last; trials *= 10) {
        surface.line(frame.x(trials), frame.bottom, frame.x(trials), frame.bottom + 3, kBlack);
        const auto digits = static_cast<int>(std::lround(std::log10(trials)));
        text(surface, frame.x(trials) - 8, frame.bottom + 5,
             digits < 4 ? std::to_string(static_cast<long long>(trials))
                        : "10^" + std::to_string(digits));
    }
    text(surface, frame.left + 4, 4, title);
}

// A square mark of the given size around a point.
void mark(SurfaceOperations &surface, float x, float y, int size, Rgb color)
{
    const float half = static_cast<float>(size / 2);
    for (int row = 0; row < size; ++row)
        surface.line(x - half, y - half + static_cast<float>(row), x + half,
                     y - half + static_cast<float>(row), color);
}

} // namespace

void drawFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool)
{
    surface.clear();
    const Frame frame = frameFor(size, pool.trials);
    //: The funnel picture's title: each run's ratios against its number of trials.
    drawFrame(
        surface, frame,
        translated(QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                     "Each run's ratios against its trials; the class, larger")));
    for (const PooledRun &run : pool.runs) {
        for (int n = 0; n < kOutcomes; ++n) {
            const auto outcome = static_cast<std::size_t>(n);
            const double ratio =
                run.run.trials > 0 ? double(run.run.counts[outcome]) / run.run.trials : 0;
            mark(surface, frame.x(run.run.trials), frame.y(ratio), 3, outcomeColor(n + 1));
        }
    }
    if (pool.trials > 0) {
        for (int n = 0; n < kOutcomes; ++n)
            mark(surface, frame.x(double(pool.trials)),
                 frame.y(pool.ratios[static_cast<std::size_t>(n)]), 7, outcomeColor(n + 1));
    }
}

void drawClassCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool)
{
    surface.clear();
    const Frame frame = frameFor(size, pool.trials);
    //: The class curve's title: all runs' trials one after another.
    drawFrame(surface, frame,
              translated(QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                           "All runs one after another: each share so far")));
    if (pool.trials == 0)
        return;
    // One position a pixel column, from the first trial to the class's last.
    std::vector<long long> positions;
    for (float x = frame.left; x <= frame.x(double(pool.trials)); x += 1) {
        const auto n = std::min(pool.trials, std::llround(frame.trialsAt(x)));
        if (positions.empty() || n > positions.back())
            positions.push_back(n);
    }
    const std::vector<Shares> curve = classCurve(pool, positions);
    for (int n = 0; n < kOutcomes; ++n) {
        bool drawing = false;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const double share = curve[i][static_cast<std::size_t>(n)];
            if (std::isnan(share)) {
                drawing = false;
                continue;
            }
            const float x = frame.x(double(positions[i])), y = frame.y(share);
            if (drawing)
                surface.lineTo(x, y, outcomeColor(n + 1));
            else
                surface.point(x, y, outcomeColor(n + 1));
            drawing = true;
        }
    }
}

} // namespace quindle

#include "windows/classroom/class_pictures.h"

#include "experiment/expected_range.h"
#include "windows/controls/surface_operations.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <unordered_set>
#include <vector>

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

constexpr float kLeft = 40;      // the plot's left edge, right of the ratios' numbers
constexpr float kTitleTop = 4;   // the title's first line
constexpr float kTitleLine = 18; // each further line of the title, and the room under the last
constexpr float kRight = 24;     // the room right of the plot, where the last number ends
// About the width of a character of the pictures' texts, in pixels: numbers are placed by
// their length.
constexpr float kCharacterWidth = 8.5F;

// The title of a picture size wide, in lines that fit it where measure tells how wide they are:
// broken at blanks, and between any two characters from U+3000 on (Chinese and Japanese are
// written without blanks; a Korean word may break between its syllables too).
std::vector<std::string> titleLines(const std::string &title, QSize size, const TextWidth &measure)
{
    const float room = static_cast<float>(size.width()) - kLeft - 4 - 1;
    std::vector<std::string> lines{std::string()};
    std::string piece;
    bool blank = false; // whether a blank comes before the piece
    const auto flush = [&] {
        if (piece.empty())
            return;
        std::string &line = lines.back();
        const std::string longer = line.empty() ? piece : line + (blank ? " " : "") + piece;
        if (!line.empty() && measure && measure(longer) > room)
            lines.push_back(piece);
        else
            line = longer;
        piece.clear();
        blank = false;
    };
    for (std::size_t i = 0; i < title.size();) {
        const auto lead = static_cast<unsigned char>(title[i]);
        if (title[i] == ' ') {
            flush();
            blank = true;
            ++i;
        } else if (lead >= 0xE3 && lead < 0xF0) { // three bytes, U+3000 to U+FFFF
            flush();
            piece = title.substr(i, 3);
            flush();
            i += 3;
        } else {
            piece += title[i++];
        }
    }
    flush();
    return lines;
}

Frame frameFor(QSize size, long long trials, std::size_t titleLines)
{
    // The scale ends at the next power of ten above the class's trials, at least 1000.
    const double last = std::pow(10.0, std::max(3.0, std::ceil(std::log10(double(trials) * 1.2))));
    const float top = kTitleTop + kTitleLine * static_cast<float>(titleLines);
    return {kLeft, top, static_cast<float>(size.width()) - kRight,
            static_cast<float>(size.height() - 26), last};
}

void printTitle(SurfaceOperations &surface, const std::vector<std::string> &lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        surface.setCurrentX(kLeft + 4);
        surface.setCurrentY(kTitleTop + kTitleLine * static_cast<float>(i));
        surface.print(lines[i]);
    }
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

// A ratio on the vertical axis: "0", "0.25", "0.5", with the language's decimal sign.
std::string axisLabel(double ratio)
{
    char label[32];
    std::snprintf(label, sizeof label, "%g", ratio);
    return shownNumber(label).toStdString();
}

// The band, the dashed line at the expected ratio, the axes with their marks, and the title.
void drawFrame(SurfaceOperations &surface, const Frame &frame,
               const std::vector<std::string> &title)
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
        const std::string number = digits < 4 ? std::to_string(static_cast<long long>(trials))
                                              : "10^" + std::to_string(digits);
        // The last number ends inside the picture, however wide.
        const float width = kCharacterWidth * static_cast<float>(number.size());
        text(surface, std::min(frame.x(trials) - 8, frame.right + kRight - width), frame.bottom + 5,
             number);
    }
    printTitle(surface, title);
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

void drawFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                const TextWidth &measure)
{
    surface.clear();
    const std::vector<std::string> title = titleLines(
        //: The funnel picture's title: each run's ratios against its number of trials.
        translated(QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                     "Each run's ratios against its trials; the class, larger")),
        size, measure);
    const Frame frame = frameFor(size, pool.trials, title.size());
    drawFrame(surface, frame, title);
    // A class of a thousand runs of about the same length puts many marks on one spot: each
    // spot is drawn once an outcome.
    std::unordered_set<std::uint64_t> marked;
    for (const PooledRun &run : pool.runs) {
        if (run.run->trials == 0) // no ratio to show
            continue;
        const float x = frame.x(run.run->trials);
        for (int n = 0; n < kOutcomes; ++n) {
            const auto outcome = static_cast<std::size_t>(n);
            const float y = frame.y(double(run.run->counts[outcome]) / run.run->trials);
            const auto spot = (static_cast<std::uint64_t>(std::lround(x)) << 32U) |
                              (static_cast<std::uint64_t>(std::lround(y)) << 2U) | outcome;
            if (marked.insert(spot).second)
                mark(surface, x, y, 3, outcomeColor(n + 1));
        }
    }
    if (pool.trials > 0) {
        for (int n = 0; n < kOutcomes; ++n)
            mark(surface, frame.x(double(pool.trials)),
                 frame.y(pool.ratios[static_cast<std::size_t>(n)]), 7, outcomeColor(n + 1));
    }
}

void drawClassCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                    const TextWidth &measure)
{
    surface.clear();
    const std::vector<std::string> title = titleLines(
        //: The class curve's title: all runs' trials one after another.
        translated(QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                     "All runs one after another: each share so far")),
        size, measure);
    const Frame frame = frameFor(size, pool.trials, title.size());
    drawFrame(surface, frame, title);
    if (pool.trials == 0)
        return;
    // One position a pixel column, from the first trial to the class's last.
    std::vector<long long> positions;
    for (float x = frame.left; x <= frame.x(double(pool.trials)); x += 1) {
        const auto n = std::min(pool.trials, std::llround(frame.trialsAt(x)));
        if (positions.empty() || n > positions.back())
            positions.push_back(n);
    }
    for (int n = 0; n < kOutcomes; ++n) {
        bool drawing = false;
        for (const long long position : positions) {
            // The pool keeps the curve finer than a pixel column.
            const double share = pool.curve.at(position)[static_cast<std::size_t>(n)];
            if (std::isnan(share)) {
                drawing = false;
                continue;
            }
            const float x = frame.x(double(position)), y = frame.y(share);
            if (drawing)
                surface.lineTo(x, y, outcomeColor(n + 1));
            else
                surface.point(x, y, outcomeColor(n + 1));
            drawing = true;
        }
    }
}

namespace {

// The class's gap curve in the funnel's frame: trials 0 to scale.trials across, linearly, so
// that the band's width grows as the square root of the trials; gaps -scale.gap to +scale.gap
// up, 0 half-way.
struct GapFrame
{
    float left, top, right, bottom;
    GapScale scale;

    [[nodiscard]] float x(double trials) const
    {
        return left +
               static_cast<float>(trials / static_cast<double>(scale.trials)) * (right - left);
    }
    [[nodiscard]] double trialsAt(float x) const
    {
        return static_cast<double>((x - left) / (right - left)) * static_cast<double>(scale.trials);
    }
    [[nodiscard]] float y(double gap) const
    {
        const double reach = std::clamp(gap / static_cast<double>(scale.gap), -1.0, 1.0);
        return (top + bottom) / 2 - static_cast<float>(reach) * (bottom - top) / 2;
    }
};

// A number on an axis in the language's form, not grouped; a gap above 0 with its sign.
QString axisNumber(long long value, bool gap)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = locale.toString(value);
    return gap && value > 0 ? locale.positiveSign() + number : number;
}

} // namespace

void drawClassGapCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                       const TextWidth &measure)
{
    surface.clear();
    const std::vector<std::string> title = titleLines(
        //: The class's gap picture's title: all runs' trials one after another, each outcome's
        //: count less a quarter of the trials so far. Room for about 50 characters.
        translated(QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                     "All runs one after another: count minus a quarter")),
        size, measure);
    const Frame edges = frameFor(size, pool.trials, title.size());
    // One position a pixel column, from the first trial to the class's last, whose gaps also
    // choose the scale.
    GapFrame frame{edges.left, edges.top, edges.right, edges.bottom, gapScaleFor(pool.trials, 0)};
    std::vector<long long> positions;
    for (float x = frame.left + 1; x <= frame.x(double(pool.trials)) + 0.5F; x += 1) {
        const auto n = std::clamp(std::llround(frame.trialsAt(x)), 1LL, pool.trials);
        if (positions.empty() || n > positions.back())
            positions.push_back(n);
    }
    const std::vector<Gaps> curve = classGapCurve(pool, positions);
    double widest = 0;
    for (const Gaps &gaps : curve)
        for (const double gap : gaps)
            widest = std::isnan(gap) ? widest : std::max(widest, std::abs(gap));
    frame.scale = gapScaleFor(pool.trials, widest);

    for (float x = frame.left + 1; x <= frame.right; x += 1) {
        const double half = gapRangeHalfWidth(frame.trialsAt(x));
        surface.line(x, frame.y(half), x, frame.y(-half), kExpectedRangeColor);
    }
    for (float x = frame.left; x < frame.right; x += 8)
        surface.line(x, frame.y(0), std::min(x + 4, frame.right), frame.y(0), kBlack);
    surface.line(frame.left, frame.top, frame.left, frame.bottom, kBlack);
    surface.line(frame.left, frame.bottom, frame.right, frame.bottom, kBlack);
    const GapScale &scale = frame.scale;
    for (long long gap = -scale.gap; gap <= scale.gap; gap += scale.step) {
        const float y = frame.y(static_cast<double>(gap));
        surface.line(frame.left - 3, y, frame.left, y, kBlack);
        const QString number = axisNumber(gap, true);
        text(surface,
             std::max(0.0F, frame.left - 5 - kCharacterWidth * static_cast<float>(number.size())),
             y - 6, number.toStdString());
    }
    // A mark every fifth of the trials, each with its number where the numbers fit between
    // the marks (a class of a million trials and more has only its ends numbered); the last
    // number ends inside the picture.
    const float spacing = (frame.right - frame.left) / 5;
    for (int fifth = 0; fifth <= 5; ++fifth) {
        const long long trials = scale.trials / 5 * fifth;
        const float x = frame.x(static_cast<double>(trials));
        surface.line(x, frame.bottom, x, frame.bottom + 3, kBlack);
        const QString number = axisNumber(trials, false);
        const float width = kCharacterWidth * static_cast<float>(number.size());
        if (fifth > 0 && fifth < 5 && width > spacing - kCharacterWidth)
            continue;
        text(surface, std::min(x - width / 2, static_cast<float>(size.width()) - width),
             frame.bottom + 5, number.toStdString());
    }
    printTitle(surface, title);
    // Each curve from 0 trials, where every count is a quarter of them, through the positions.
    for (int outcome = 1; outcome <= kOutcomes && pool.trials > 0; ++outcome) {
        const Rgb color = outcomeColor(outcome);
        surface.point(frame.x(0), frame.y(0), color);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const double gap = curve[i][static_cast<std::size_t>(outcome - 1)];
            if (!std::isnan(gap))
                surface.lineTo(frame.x(double(positions[i])), frame.y(gap), color);
        }
    }
}

} // namespace quindle

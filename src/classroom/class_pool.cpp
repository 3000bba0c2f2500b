// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/class_pool.h"

#include "experiment/expected_range.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace quindle {

namespace {

constexpr double kNotCounted = std::numeric_limits<double>::quiet_NaN();
// The class curve is kept at every trial up to this many, and then at trials this factor apart.
constexpr long long kEveryTrialUpTo = 2000;
constexpr double kSampleFactor = 1.0005;

// Orders readable files as they were saved; a file without a saved time after all others.
// Files saved at the same time keep the order they were given in.
bool savedBefore(const RunResults &a, const RunResults &b)
{
    if (a.saved.empty() != b.saved.empty())
        return b.saved.empty();
    return a.saved < b.saved;
}

bool hasLog(const RunResults &run)
{
    return run.formatVersion >= 1;
}

// Whether two files hold the same run. With a trial log, the log and what made it (the seed
// and the pace) say which run it is; the saved time only says when it was saved. The counts
// and the history follow from the log (the reader checks that they do). Without one, the
// table and the history are all there is.
bool sameRun(const RunResults &a, const RunResults &b)
{
    if (hasLog(a) && hasLog(b))
        return a.seed == b.seed && a.pace == b.pace && a.log == b.log;
    return a.counts == b.counts && a.history == b.history;
}

// A hash of what any two same runs share, the counts and the history, so that each run is
// compared with few others.
std::uint64_t contentHash(const RunResults &run)
{
    constexpr std::uint64_t kPrime = 0x100000001b3ULL;
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&hash](std::uint64_t value) { hash = (hash ^ value) * kPrime; };
    for (int n = 1; n <= kOutcomes; ++n) {
        add(static_cast<std::uint64_t>(run.counts[outcomeIndex(n)]));
        for (const int element : run.history[outcomeIndex(n)])
            add(static_cast<std::uint64_t>(element));
    }
    return hash;
}

std::vector<long long> samplePositions(long long trials)
{
    std::vector<long long> positions;
    for (long long n = 1; n <= std::min(trials, kEveryTrialUpTo); ++n)
        positions.push_back(n);
    for (double next = static_cast<double>(kEveryTrialUpTo) * kSampleFactor;;
         next *= kSampleFactor) {
        const auto n = static_cast<long long>(std::ceil(next));
        if (n >= trials)
            break;
        positions.push_back(n);
    }
    if (trials > 0 && positions.back() != trials)
        positions.push_back(trials);
    return positions;
}

} // namespace

Shares SampledCurve::at(long long n) const
{
    const auto after = std::ranges::upper_bound(positions, n);
    if (after == positions.begin())
        return {kNotCounted, kNotCounted, kNotCounted, kNotCounted};
    return shares[static_cast<std::size_t>(after - positions.begin() - 1)];
}

ClassPool poolRuns(std::vector<RunFile> files)
{
    ClassPool pool;
    std::vector<RunFile *> readable;
    for (RunFile &file : files) {
        if (const ReadProblem *problem = file.result->problem())
            pool.unpooled.push_back({std::move(file.name), *problem, {}});
        else
            readable.push_back(&file);
    }
    std::ranges::stable_sort(readable, [](const RunFile *a, const RunFile *b) {
        return savedBefore(*a->result->run(), *b->result->run());
    });

    std::unordered_multimap<std::uint64_t, std::size_t> pooledByHash; // into pool.runs
    pooledByHash.reserve(readable.size());
    pool.runs.reserve(readable.size());
    for (RunFile *file : readable) {
        const RunResults &run = *file->result->run();
        const std::uint64_t hash = contentHash(run);
        const auto [first, last] = pooledByHash.equal_range(hash);
        const auto same = std::find_if(first, last, [&](const auto &entry) {
            return sameRun(*pool.runs[entry.second].run, run);
        });
        if (same != last) {
            pool.unpooled.push_back({std::move(file->name),
                                     ReadProblem{.problem = Problem::Duplicate},
                                     pool.runs[same->second].name});
            continue;
        }
        pooledByHash.emplace(hash, pool.runs.size());
        pool.trials += run.trials;
        for (int n = 1; n <= kOutcomes; ++n)
            pool.counts[outcomeIndex(n)] += run.counts[outcomeIndex(n)];
        // Shares the file's result: the run is not copied.
        pool.runs.push_back({std::move(file->name),
                             std::shared_ptr<const RunResults>(file->result, file->result->run())});
    }

    for (int n = 1; n <= kOutcomes; ++n)
        pool.ratios[outcomeIndex(n)] = ratioOf(pool.counts[outcomeIndex(n)], pool.trials);
    std::ranges::stable_sort(pool.unpooled, {}, &UnpooledFile::name);
    pool.curve.positions = samplePositions(pool.trials);
    pool.curve.shares = classCurve(pool, pool.curve.positions);
    return pool;
}

namespace {

// Walks all pooled runs' trials one after another, in the pool's order, and answers each
// position (1-based, increasing) with answer(tally): the outcomes' counts and the trials
// counted up to there. A version-0 run has no log, so its counts come in as one step at its
// end, and a position inside it is answered with the counts from before it.
template<class Answer>
auto alongTheClass(const ClassPool &pool, std::span<const long long> positions, Answer answer)
{
    std::vector<decltype(answer(Tally{}))> curve;
    curve.reserve(positions.size());
    Tally tally;          // the trials counted so far
    std::size_t next = 0; // the next position to answer
    // Answers every position up to `position` with the counts as they stand now.
    const auto answerUpTo = [&](long long position) {
        for (; next < positions.size() && positions[next] <= position; ++next)
            curve.push_back(answer(std::as_const(tally)));
    };

    answerUpTo(0);
    for (const PooledRun &pooled : pool.runs) {
        const RunResults &run = *pooled.run;
        if (run.log.empty()) {
            answerUpTo(tally.trials + run.trials - 1);
            for (int n = 1; n <= kOutcomes; ++n)
                tally.counts[outcomeIndex(n)] += run.counts[outcomeIndex(n)];
            tally.trials += run.trials;
            answerUpTo(tally.trials);
            continue;
        }
        countAlong(run.log, tally, [&](LoggedTrial, const Tally &counted) {
            if (next < positions.size() && positions[next] <= counted.trials)
                answerUpTo(counted.trials);
        });
    }
    // Beyond the class's last trial the counts stay as they end.
    answerUpTo(std::numeric_limits<long long>::max());
    return curve;
}

} // namespace

std::vector<Shares> classCurve(const ClassPool &pool, std::span<const long long> positions)
{
    return alongTheClass(pool, positions, [](const Tally &counted) {
        Shares shares;
        for (int n = 1; n <= kOutcomes; ++n)
            shares[outcomeIndex(n)] =
                counted.trials == 0 ? kNotCounted : ratioOf(counted.count(n), counted.trials);
        return shares;
    });
}

std::vector<Gaps> classGapCurve(const ClassPool &pool, std::span<const long long> positions)
{
    return alongTheClass(pool, positions, [](const Tally &counted) {
        Gaps gaps;
        for (int n = 1; n <= kOutcomes; ++n)
            gaps[outcomeIndex(n)] = counted.trials == 0
                                        ? kNotCounted
                                        : gapFromQuarter(counted.count(n), counted.trials);
        return gaps;
    });
}

RatiosInRange ratiosInRange(const ClassPool &pool)
{
    RatiosInRange counted;
    for (const PooledRun &pooled : pool.runs) {
        const RunResults &run = *pooled.run;
        if (run.trials == 0)
            continue;
        for (const int count : run.counts) {
            ++counted.ratios;
            if (insideExpectedRange(ratioOf(count, run.trials), run.trials))
                ++counted.inside;
        }
    }
    return counted;
}

OneHeadSharesInRange oneHeadSharesInRange(const ClassPool &pool)
{
    constexpr double kHalf = kHeadsProbability[headsIndex(Heads::One)];
    OneHeadSharesInRange counted;
    for (const PooledRun &pooled : pool.runs) {
        const RunResults &run = *pooled.run;
        if (run.trials == 0)
            continue;
        std::array<long long, kOutcomes> counts{};
        std::ranges::copy(run.counts, counts.begin());
        const long long oneHead = headsCounts(counts)[headsIndex(Heads::One)];
        ++counted.runs;
        if (std::abs(ratioOf(oneHead, run.trials) - kHalf) <=
            shareRangeHalfWidth(kHalf, static_cast<double>(run.trials)))
            ++counted.inside;
    }
    return counted;
}

} // namespace quindle

#include "classroom/class_pool.h"

#include "experiment/experiment_control.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace quindle {

namespace {

std::size_t slot(int outcome)
{
    return static_cast<std::size_t>(outcome - 1);
}

// Orders readable files as they were saved; a file without a saved time after all others.
// Files saved at the same time keep the order they were given in.
bool savedBefore(const RunFile &a, const RunFile &b)
{
    const std::string &savedA = a.result.run()->saved;
    const std::string &savedB = b.result.run()->saved;
    if (savedA.empty() != savedB.empty())
        return savedB.empty();
    return savedA < savedB;
}

// What makes two files the same run. The pace and the version are left out: they say how the
// run was made and written, not which run it is.
bool sameRun(const RunResults &a, const RunResults &b)
{
    return a.counts == b.counts && a.saved == b.saved && a.seed == b.seed &&
           a.history == b.history && a.log == b.log;
}

// A hash of what sameRun compares, so that each run is compared with few others.
std::uint64_t contentHash(const RunResults &run)
{
    constexpr std::uint64_t kPrime = 0x100000001b3ULL;
    std::uint64_t hash = std::hash<std::string>{}(run.saved);
    const auto add = [&hash](std::uint64_t value) { hash = (hash ^ value) * kPrime; };
    add(run.seed.value_or(0));
    for (int n = 1; n <= kOutcomes; ++n) {
        add(static_cast<std::uint64_t>(run.counts[slot(n)]));
        for (const int element : run.history[slot(n)])
            add(static_cast<std::uint64_t>(element));
    }
    for (const auto &[coin1, coin2] : run.log)
        add(static_cast<std::uint64_t>(outcomeOf(coin1, coin2)));
    return hash;
}

} // namespace

ClassPool poolRuns(std::vector<RunFile> files)
{
    ClassPool pool;
    std::vector<RunFile *> readable;
    for (RunFile &file : files) {
        if (const ReadProblem *problem = file.result.problem())
            pool.unpooled.push_back({file.name, *problem, {}});
        else
            readable.push_back(&file);
    }
    std::ranges::stable_sort(
        readable, [](const RunFile *a, const RunFile *b) { return savedBefore(*a, *b); });

    std::unordered_multimap<std::uint64_t, std::size_t> pooledByHash; // into pool.runs
    pooledByHash.reserve(readable.size());
    pool.runs.reserve(readable.size());
    for (RunFile *file : readable) {
        RunResults &run = *file->result.run();
        const std::uint64_t hash = contentHash(run);
        const auto [first, last] = pooledByHash.equal_range(hash);
        const auto same = std::find_if(first, last, [&](const auto &entry) {
            return sameRun(pool.runs[entry.second].run, run);
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
            pool.counts[slot(n)] += run.counts[slot(n)];
        pool.runs.push_back({std::move(file->name), std::move(run)});
    }

    for (int n = 1; n <= kOutcomes && pool.trials > 0; ++n)
        pool.ratios[slot(n)] =
            static_cast<double>(pool.counts[slot(n)]) / static_cast<double>(pool.trials);
    std::ranges::stable_sort(pool.unpooled, {}, &UnpooledFile::name);
    return pool;
}

std::vector<Shares> classCurve(const ClassPool &pool, std::span<const long long> positions)
{
    std::vector<Shares> curve;
    curve.reserve(positions.size());
    std::array<long long, kOutcomes> counts{};
    long long counted = 0; // trials counted so far
    std::size_t next = 0;  // the next position to answer
    // Answers every position up to `position` with the shares as they stand now.
    const auto answerUpTo = [&](long long position) {
        for (; next < positions.size() && positions[next] <= position; ++next) {
            Shares shares;
            for (std::size_t i = 0; i < shares.size(); ++i)
                shares[i] = counted == 0
                                ? std::numeric_limits<double>::quiet_NaN()
                                : static_cast<double>(counts[i]) / static_cast<double>(counted);
            curve.push_back(shares);
        }
    };

    answerUpTo(0);
    for (const PooledRun &pooled : pool.runs) {
        const RunResults &run = pooled.run;
        if (run.log.empty()) {
            answerUpTo(counted + run.trials - 1);
            for (int n = 1; n <= kOutcomes; ++n)
                counts[slot(n)] += run.counts[slot(n)];
            counted += run.trials;
            answerUpTo(counted);
            continue;
        }
        for (const auto &[coin1, coin2] : run.log) {
            ++counts[slot(outcomeOf(coin1, coin2))];
            ++counted;
            if (next < positions.size() && positions[next] <= counted)
                answerUpTo(counted);
        }
    }
    // Beyond the class's last trial the shares stay as they end.
    answerUpTo(std::numeric_limits<long long>::max());
    return curve;
}

} // namespace quindle

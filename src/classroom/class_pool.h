#pragma once

// A class's results: the runs of many pupils' files pooled, in the order they were saved,
// the files that could not be pooled and why, and the class curve.

#include "classroom/results_file.h"

#include <span>

namespace quindle {

// A results file as the window layer read it: its name and what readResults made of it.
struct RunFile
{
    std::string name;
    ReadResult result;
};

struct PooledRun
{
    std::string name;
    RunResults run;
};

// A file left out of the pool: why, and for a duplicate, the pooled file with the same run.
struct UnpooledFile
{
    std::string name;
    ReadProblem problem;
    std::string duplicateOf;
};

// Each outcome's share of the trials, outcome n at element n - 1.
using Shares = std::array<double, kOutcomes>;

struct ClassPool
{
    std::vector<PooledRun> runs;        // in the order they were saved
    std::vector<UnpooledFile> unpooled; // by name
    long long trials = 0;
    std::array<long long, kOutcomes> counts{};
    Shares ratios{}; // counts / trials; 0 while there are no trials
};

// Pools the files' runs. They come in the order they were saved: by saved time, and the files
// without a saved time (version 0) after all others; files saved at the same time in the
// order they are given (the window gives the oldest file first, then by name). A run met again
// (a copy of a file, perhaps re-saved by a spreadsheet: the same saved time, seed, counts,
// history and log) is pooled once, as the first in that order, and the later files are its
// copies. The files are taken over, so that no run's log is copied.
[[nodiscard]] ClassPool poolRuns(std::vector<RunFile> files);

// The class curve: all pooled runs' trials one after another, in the pool's order. For each
// trial position (1-based, increasing), each outcome's share of all trials up to there. A
// version-0 run has no log, so its counts come in as one step at its end, and a position
// inside it keeps the shares from before it. Where no trial has been counted yet the shares
// are NaN, which a plot leaves out. Takes time in proportion to the trials and the positions.
[[nodiscard]] std::vector<Shares> classCurve(const ClassPool &pool,
                                             std::span<const long long> positions);

} // namespace quindle

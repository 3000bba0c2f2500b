// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A class's results: the runs of many pupils' files pooled, in the order they were saved,
// the files that could not be pooled and why, and the class curve.

#include "classroom/results_file.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/number_of_heads.h"

#include <memory>
#include <span>

namespace quindle {

// What a folder's entry is when it is not a regular file.
enum class EntryKind {
    Fifo = 1,
    Socket = 2,
    Device = 3,
    FolderLink = 4,    // a symbolic link to a folder, not followed (it may lead round in a loop)
    MissingTarget = 5, // a symbolic link to nothing
    LinkLoop = 6,      // symbolic links that lead round in a loop
    Other = 7,
};

// How many levels of subfolders below a class's folder are read: a learning platform's
// download puts each pupil's files in a folder of their own, perhaps one inside another.
inline constexpr int kMaxFolderDepth = 3;

// A results file as whoever listed the class's folder found it: its name (its path below the
// folder, '/' between the folders, in the file system's own bytes, which need not be UTF-8)
// and what reading it gave, shared, so that a pool and a cache of files hold one run without
// copying it. An entry that could not be read at all carries its problem (CannotOpen, NotAFile,
// TooDeep, ...) as the result.
struct RunFile
{
    std::string name;
    std::shared_ptr<const ReadResult> result;
};

struct PooledRun
{
    std::string name;
    std::shared_ptr<const RunResults> run; // never null
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

// The class curve at chosen numbers of trials, increasing (see classCurve).
struct SampledCurve
{
    std::vector<long long> positions;
    std::vector<Shares> shares;

    // The shares at n trials: those of the last position at or before n, NaN before the first.
    [[nodiscard]] Shares at(long long n) const;
};

struct ClassPool
{
    std::vector<PooledRun> runs;        // in the order they were saved
    std::vector<UnpooledFile> unpooled; // by name
    long long trials = 0;
    std::array<long long, kOutcomes> counts{};
    Shares ratios{}; // counts / trials; 0 while there are no trials
    // The class curve at every trial up to 2,000 and beyond that at trials a twentieth of a
    // percent apart, the class's last trial included: finer than a picture's pixel columns
    // can show, in about 22,000 positions for 35 million trials.
    SampledCurve curve;
};

// Pools the files' runs. They come in the order they were saved: by saved time, and the files
// without a saved time (version 0) after all others; files saved at the same time in the
// order they are given (the window gives the oldest file first, then by name). A run is known
// by what it is, not by when it was saved: two files with the same seed, pace and trial log
// are the same run (saved twice, copied, re-saved by a spreadsheet), and where either has no
// trial log (version 0), the same table and history. Such a run is pooled once, as the first
// in that order, and the later files are its copies.
[[nodiscard]] ClassPool poolRuns(std::vector<RunFile> files);

// The class curve: all pooled runs' trials one after another, in the pool's order. For each
// trial position (1-based, increasing), each outcome's share of all trials up to there. A
// version-0 run has no log, so its counts come in as one step at its end, and a position
// inside it keeps the shares from before it. Where no trial has been counted yet the shares
// are NaN, which a plot leaves out. Takes time in proportion to the trials and the positions.
[[nodiscard]] std::vector<Shares> classCurve(const ClassPool &pool,
                                             std::span<const long long> positions);

// The class's gaps along the same trials: for each position, each outcome's count less a
// quarter of the trials counted up to there, which do not even out as the shares settle. Inside
// a version-0 run a position keeps the gaps from before it; NaN where no trial has been counted.
[[nodiscard]] std::vector<Gaps> classGapCurve(const ClassPool &pool,
                                              std::span<const long long> positions);

// How many of the pooled runs' ratios lie inside the expected range, of how many: four for
// each run with trials. About 95 % of them do when the coins are fair.
struct RatiosInRange
{
    long long inside = 0;
    long long ratios = 0;
};
[[nodiscard]] RatiosInRange ratiosInRange(const ClassPool &pool);

// How many of the pooled runs with trials have a share of one head ((Head/Tail + Tail/Head) /
// trials) inside the range chance keeps it in about 95 % of the time: a half ± 2 √(¼ / trials),
// the edges included, by the run's own number of trials.
struct OneHeadSharesInRange
{
    long long inside = 0;
    long long runs = 0;
};
[[nodiscard]] OneHeadSharesInRange oneHeadSharesInRange(const ClassPool &pool);

} // namespace quindle

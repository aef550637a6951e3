#pragma once

// Side-by-side benchmarks: a figure is only worth reading next to its baseline taken in the same
// run, because a busy machine slows memory-bound baselines more than the code measured against them.
// runSideBySide() runs every benchmark of the program several times in random order (unless the
// command line says otherwise) and, after the usual output, reports one more row per pair, named
// "<measured>_vs_<baseline>", whose counter "ratio" divides the fastest repetition of the measured
// side by the fastest repetition of the baseline.

#include <string>
#include <vector>

struct SideBySidePair {
    // Benchmark names without the suffixes Google Benchmark adds ("/manual_time", "/real_time").
    std::string measured;
    std::string baseline;
    // A benchmark whose fastest time is taken off the baseline's, such as the start of the process
    // that runs the baseline program.
    std::string baselineOverhead = {};
};

// Initializes Google Benchmark with the program's arguments, runs the benchmarks and reports the
// ratios; returns the program's exit code.
int runSideBySide(int argc, char** argv, const std::vector<SideBySidePair>& pairs);

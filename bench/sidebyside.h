#pragma once

// Side-by-side benchmarks: a figure is only worth reading next to its baseline taken in the same
// run, because a busy machine slows memory-bound baselines more than the code measured against them.
// runSideBySide() runs every benchmark of the program several times in random order (unless the
// command line says otherwise) and, after the usual output, reports one more row per pair, named
// "<measured>_vs_<baseline>", whose counter "ratio" divides the fastest repetition of the measured
// side by the fastest repetition of the baseline.

#include <functional>
#include <string>
#include <vector>

class QString;

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

// Benchmarks need widgets but never a screen: the offscreen platform, unless the environment names
// another. To be called before the application object is made.
void useOffscreenPlatform();

// Initializes Google Benchmark with the program's arguments and runs the benchmarks, one time each
// as asked; returns the program's exit code.
int runBenchmarks(int argc, char** argv);

// The main of a benchmark over the whole program: an application on the offscreen platform, the
// program's windows made over a temporary course filled by `courseRows` (SQL), `prepare` bringing
// up what is measured, then the benchmarks. Returns the program's exit code.
int runOverProgram(int argc, char** argv, const QString& courseRows, const std::function<void()>& prepare);

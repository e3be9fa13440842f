#pragma once

#include "support/ProgramRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Timing helpers for the benchmarks. Each figure is the best of several runs,
// which is the most repeatable number on a shared machine.
namespace Stopwatch {

template <typename Work> double bestSeconds(int runs, Work&& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// Runs a program with an argument list (no shell), its output discarded, and
// waits for it. Exits the benchmark when the program cannot be run.
inline void runProgram(const std::vector<std::string>& arguments) {
    if (ProgramRun::runQuietly(arguments) != 0) {
        std::fprintf(stderr, "benchmark: could not run %s\n", arguments.front().c_str());
        std::exit(1);
    }
}

} // namespace Stopwatch

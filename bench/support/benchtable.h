// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

// Benchmarks registered with their budget, and a run that prints the medians next to the
// budgets as a Markdown table (and appends it to the file named by --table=FILE).
namespace benchtable {

// The counter a generator benchmark reports: attempts made per accepted line.
inline constexpr const char* AttemptsPerLine = "attempts/line";

struct Budget {
    double nanoseconds = 0; // 0: a figure shown for information, without a budget
    std::string implied;    // what the rules imply for the counter, when there is one
};

using Body = std::function<void(benchmark::State&)>;

benchmark::internal::Benchmark* add(const std::string& name, Budget budget, Body body);

// One row of the results table, also used by the start-up launcher. Medians of wall-clock
// and CPU time; a figure is judged on its CPU time, which other load on a shared machine
// does not inflate (for these single-threaded runs the two agree on an idle machine).
std::string row(const std::string& figure, const std::string& wall, const std::string& cpu,
                const std::string& budget, const std::string& within, const std::string& counter,
                const std::string& implied);
std::string header();

// "12.3 µs", "4.56 ms", "1.23 s"
std::string formatDuration(double nanoseconds);

// The launchers' arguments: "--table=FILE" is taken out and FILE returned (empty without
// one); the others are left in `rest`, in order.
std::string takeTableArgument(int argc, char** argv, std::vector<std::string>& rest);

// Appends rows to the table file; true without a file, false when it cannot be written.
bool appendRows(const std::string& tableFile, const std::string& rows);

// Runs every registered benchmark (Google Benchmark flags apply); returns the exit code.
int run(int argc, char** argv);

} // namespace benchtable

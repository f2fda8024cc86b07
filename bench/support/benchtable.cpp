// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/benchtable.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <vector>

namespace benchtable {

namespace {

std::map<std::string, Budget>& budgets()
{
    static std::map<std::string, Budget> table;
    return table;
}

double toNanoseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return value;
    case benchmark::kMicrosecond:
        return value * 1e3;
    case benchmark::kMillisecond:
        return value * 1e6;
    case benchmark::kSecond:
        return value * 1e9;
    }
    return value;
}

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

struct Measured {
    std::string name;
    double nanoseconds = 0;
    double cpuNanoseconds = 0;
    double counter = -1;
};

// Passes everything to the console and keeps the median of every benchmark (or the single
// run when there are no repetitions).
class TableReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
            if (r.error_occurred || !(median || single))
                continue;
            Measured m;
            m.name = r.run_name.function_name;
            m.nanoseconds = toNanoseconds(r.GetAdjustedRealTime(), r.time_unit);
            m.cpuNanoseconds = toNanoseconds(r.GetAdjustedCPUTime(), r.time_unit);
            if (auto it = r.counters.find(AttemptsPerLine); it != r.counters.end())
                m.counter = it->second.value;
            m_measured.push_back(m);
        }
    }

    std::string table() const
    {
        std::ostringstream out;
        for (const Measured& m : m_measured) {
            const Budget& b = budgets()[m.name];
            std::string budget = "–", within = "–";
            if (b.nanoseconds > 0) {
                budget = "≤ " + formatDuration(b.nanoseconds);
                within = m.cpuNanoseconds <= b.nanoseconds ? "yes" : "**no**";
            }
            out << row(m.name, formatDuration(m.nanoseconds), formatDuration(m.cpuNanoseconds),
                       budget, within, m.counter >= 0 ? fixed(m.counter, 2) : "–",
                       b.implied.empty() ? "–" : b.implied);
        }
        return out.str();
    }

private:
    std::vector<Measured> m_measured;
};

} // namespace

benchmark::internal::Benchmark* add(const std::string& name, Budget budget, Body body)
{
    budgets()[name] = std::move(budget);
    return benchmark::RegisterBenchmark(name.c_str(),
                                        [body](benchmark::State& state) { body(state); });
}

std::string row(const std::string& figure, const std::string& wall, const std::string& cpu,
                const std::string& budget, const std::string& within, const std::string& counter,
                const std::string& implied)
{
    return "| " + figure + " | " + wall + " | " + cpu + " | " + budget + " | " + within + " | " +
           counter + " | " + implied + " |\n";
}

std::string header()
{
    return "| Figure | Wall | CPU | Budget | Within | Attempts per line | Implied by the rules |\n"
           "|---|---:|---:|---:|:---:|---:|---:|\n";
}

std::string formatDuration(double ns)
{
    if (ns < 1e3)
        return fixed(ns, 0) + " ns";
    if (ns < 1e6)
        return fixed(ns / 1e3, ns < 1e4 ? 2 : 1) + " µs";
    if (ns < 1e9)
        return fixed(ns / 1e6, ns < 1e7 ? 2 : 1) + " ms";
    return fixed(ns / 1e9, 2) + " s";
}

std::string takeTableArgument(int argc, char** argv, std::vector<std::string>& rest)
{
    std::string tableFile;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--table=", 8) == 0)
            tableFile = argv[i] + 8;
        else
            rest.emplace_back(argv[i]);
    }
    return tableFile;
}

bool appendRows(const std::string& tableFile, const std::string& rows)
{
    if (tableFile.empty())
        return true;
    std::ofstream file(tableFile, std::ios::app);
    file << rows;
    return static_cast<bool>(file);
}

int run(int argc, char** argv)
{
    std::string tableFile;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--table=", 8) == 0)
            tableFile = argv[i] + 8;
        else
            rest.push_back(argv[i]);
    }
    int count = static_cast<int>(rest.size());
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data()))
        return 1;
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const std::string rows = reporter.table();
    std::cout << '\n' << header() << rows << std::flush;
    return appendRows(tableFile, rows) ? 0 : 1;
}

} // namespace benchtable

// SPDX-License-Identifier: GPL-3.0-or-later
// Every pair of a generator and a difficulty level (and, for the division cases, a divisor
// option): the share of the rule's own lines that meet the level, and what ten lines with
// the level cost. A level is offered where ten lines cost at most 4 ms, so that 30
// different copies of 80 operations stay within a second; the pairs the catalog refuses
// as too rare are costed from their share alone, never drawn.
//   bench_levels [--table=FILE]   (the Markdown table, also printed)
#include "engine/catalog/catalog.h"
#include "engine/catalog/levels.h"
#include "engine/catalog/options.h"
#include "engine/rules/options.h"
#include "engine/rules/random.h"
#include "engine/rules/windowrules.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double BudgetNs = 4e6;   // ten lines
constexpr long ShareLines = 20000; // lines of the rule for the share
constexpr double TimedNs = 50e6;   // each offered pair is drawn for about this long

double cpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

std::string duration(double ns)
{
    char text[32];
    if (ns < 1e3)
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    else if (ns < 1e6)
        std::snprintf(text, sizeof text, "%.1f µs", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    return text;
}

// Ten lines' cost, drawn for about TimedNs.
double tenLines(const core::Recipe& recipe)
{
    core::RandomSequence rng(20261209);
    long sets = 0;
    const double start = cpuNs();
    double now = start;
    while (now - start < TimedNs || sets < 3) {
        core::makeSet(recipe, rng);
        ++sets;
        now = cpuNs();
    }
    return (now - start) / double(sets);
}

} // namespace

int main(int argc, char** argv)
{
    std::string tableFile;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--table=", 0) == 0)
            tableFile = std::string(argv[i]).substr(8);

    std::ostringstream table;
    table << "| Pair | Share of the rule's lines | Ten lines | Budget | Offered | Within |\n"
             "|---|---:|---:|---:|:---:|:---:|\n";
    bool within = true;
    const std::pair<cases::DivisorChoice, const char*> divisors[] = {
        {cases::DivisorChoice::OneDigit, "1"},
        {cases::DivisorChoice::TwoDigits, "2"},
        {cases::DivisorChoice::Mixed, "misto"},
    };
    for (const catalog::Generator& g : catalog::allGenerators()) {
        const bool isCase = g.window->family == core::WindowFamily::Case;
        for (const auto& [divisor, divisorName] : divisors) {
            if (!isCase && divisor != cases::DivisorChoice::Mixed)
                continue;
            core::GeneratorOptions plain;
            plain.divisor = divisor;
            const core::Recipe rule = catalog::screenRecipe(g, plain);
            // The rule's own lines, once for every level of this generator.
            core::RandomSequence rng(20261209);
            std::vector<core::Operation> lines;
            const double start = cpuNs();
            while (long(lines.size()) < ShareLines)
                for (core::Operation& op : core::makeSet(rule, rng))
                    lines.push_back(std::move(op));
            const double ruleTen = (cpuNs() - start) / (double(lines.size()) / 10);
            for (const catalog::GeneratorOption& option : catalog::generatorOptions()) {
                if (!option.level)
                    continue;
                for (const catalog::OptionValue& value : option.values) {
                    core::GeneratorOptions level = plain;
                    option.set(level, value.code);
                    if (value.value.empty())
                        continue;
                    const bool offered = option.offered(g, value.code);
                    const bool rare = !catalog::levelRefusal(g, level).empty();
                    if (!offered && !rare)
                        continue; // the level binds nothing of this kind
                    long passing = 0;
                    for (const core::Operation& op : lines)
                        passing += core::meetsLevels(op, level, isCase) ? 1 : 0;
                    const double share = double(passing) / double(lines.size());
                    // A mixed set waits for its rarest bound block, which the pooled share
                    // hides: its cost is that block's, in the block's own row.
                    const bool mixed = g.kind == "m";
                    const double cost = offered ? tenLines(catalog::screenRecipe(g, level))
                                                : (share > 0 && !mixed ? ruleTen / share : 0);
                    const bool ok = !offered || cost <= BudgetNs;
                    within = within && ok;
                    char shareText[32];
                    std::snprintf(shareText, sizeof shareText, "%.2f %%", share * 100);
                    std::string pair = std::string(g.window->range) +
                                       (g.kind.empty() ? "" : " " + g.kind) + " " +
                                       std::string(option.name) + "=" + std::string(value.value);
                    if (isCase)
                        pair += " divisore=" + std::string(divisorName);
                    table << "| " << pair << " | " << shareText << " | "
                          << (offered     ? duration(cost)
                              : mixed     ? std::string("as its block's (not drawn)")
                              : share > 0 ? "≈ " + duration(cost) + " (not drawn)"
                                          : std::string("never"))
                          << " | ≤ " << duration(BudgetNs) << " | " << (offered ? "yes" : "no")
                          << " | " << (ok ? "yes" : "no") << " |\n";
                }
            }
        }
    }
    std::cout << table.str() << std::flush;
    if (!tableFile.empty()) {
        std::ofstream out(tableFile, std::ios::app);
        out << table.str();
        if (!out)
            return 1;
    }
    return within ? 0 : 2;
}

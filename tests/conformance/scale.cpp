// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale.h"

#include "engine/rules/random.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <random>
#include <thread>

namespace conformance {

std::uint64_t runSeed()
{
    static const std::uint64_t seed = [] {
        if (const char* text = std::getenv("ZELMORIO_CONFORMANCE_SEED"); text && *text)
            return static_cast<std::uint64_t>(std::strtoull(text, nullptr, 10));
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32) ^ device();
    }();
    return seed;
}

std::string seedNote()
{
    const std::string n = std::to_string(runSeed());
    return "seed " + n + " (replay: ZELMORIO_CONFORMANCE_SEED=" + n + ")";
}

Outcome runSets(const std::string& name, const core::Recipe& recipe, std::uint64_t seed, long lines,
                const LineCheck& check)
{
    constexpr std::size_t KeptExamples = 3;
    Outcome out;
    out.name = name;
    core::RandomSequence rng(seed);
    while (out.lines < lines) {
        int position = 0;
        out.attempts += core::runRecipe(recipe, rng, [&](const core::Operation& line) {
            std::string fault = check(position++, line);
            ++out.lines;
            if (fault.empty())
                return;
            ++out.faults;
            if (out.examples.size() < KeptExamples)
                out.examples.push_back("'" + core::lineOf(line) + "': " + fault);
        });
        if (position != core::LinesPerSet) {
            ++out.faults;
            out.examples.push_back("a set of " + std::to_string(position) + " lines");
            break;
        }
    }
    return out;
}

std::vector<Outcome> runAll(const std::vector<std::function<Outcome()>>& jobs)
{
    std::vector<Outcome> outcomes(jobs.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++)
            outcomes[i] = jobs[i]();
    };
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < count; ++t)
        threads.emplace_back(worker);
    worker();
    for (std::thread& t : threads)
        t.join();
    return outcomes;
}

} // namespace conformance

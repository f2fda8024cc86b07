// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"
#include "linechecks.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Runs a generator for many lines and checks every line against its rule.
namespace conformance {

// The seed of this run: ZELMORIO_CONFORMANCE_SEED when set (to replay a failure), a fresh
// one otherwise.
std::uint64_t runSeed();
// "seed 123 (replay: ZELMORIO_CONFORMANCE_SEED=123)", for failure messages.
std::string seedNote();

struct Outcome {
    std::string name;
    long lines = 0;
    long attempts = 0;
    long faults = 0;
    std::vector<std::string> examples; // the first few faulty lines with their fault
};

// Makes sets of ten until at least `lines` lines are in, checking each one.
Outcome runSets(const std::string& name, const core::Recipe& recipe, std::uint64_t seed, long lines,
                const LineCheck& check);

// Runs the jobs on both cores; the outcomes come back in the jobs' order.
std::vector<Outcome> runAll(const std::vector<std::function<Outcome()>>& jobs);

} // namespace conformance

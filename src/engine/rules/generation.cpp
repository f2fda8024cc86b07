// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/generation.h"

namespace core {

long runRecipe(const Recipe& recipe, RandomSource& rng,
               const std::function<void(const Operation&)>& onLine)
{
    long attempts = 0;
    for (const Block& block : recipe) {
        int accepted = 0;
        while (accepted < block.size) {
            ++attempts;
            if (auto line = block.attempt(rng)) {
                ++accepted;
                onLine(*line);
            }
        }
    }
    return attempts;
}

std::vector<Operation> makeSet(const Recipe& recipe, RandomSource& rng)
{
    std::vector<Operation> operations;
    operations.reserve(LinesPerSet);
    runRecipe(recipe, rng,
              [&operations](const Operation& operation) { operations.push_back(operation); });
    return operations;
}

} // namespace core

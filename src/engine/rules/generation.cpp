// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/generation.h"

namespace core {

long runRecipe(const Recipe& recipe, RandomSource& rng,
               const std::function<void(const std::string&)>& onLine)
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

std::vector<std::string> makeSet(const Recipe& recipe, RandomSource& rng)
{
    std::vector<std::string> lines;
    lines.reserve(LinesPerSet);
    runRecipe(recipe, rng, [&lines](const std::string& line) { lines.push_back(line); });
    return lines;
}

} // namespace core

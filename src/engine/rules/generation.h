// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/operation.h"
#include "engine/rules/random.h"

#include <functional>
#include <optional>
#include <vector>

namespace core {

// One attempt of a rule: draws every operand in the rule's order, applies the acceptance
// test and returns the operation when the attempt is accepted.
using Attempt = std::function<std::optional<Operation>(RandomSource&)>;

// A run of consecutive lines that follow one rule.
struct Block {
    Attempt attempt;
    int size = 0;
};

// How a set of ten lines is made: one block of ten for a single kind, the fixed block
// sequence for a mixed set.
using Recipe = std::vector<Block>;

inline constexpr int LinesPerSet = 10;

inline Recipe singleKind(Attempt attempt)
{
    return Recipe{Block{std::move(attempt), LinesPerSet}};
}

// Runs the blocks in order, repeating each block's attempts (without a cap) until it has
// its lines, and hands every accepted operation to onLine as soon as it is made.
// Returns the number of attempts made.
long runRecipe(const Recipe& recipe, RandomSource& rng,
               const std::function<void(const Operation&)>& onLine);

// The operations of one run of the recipe, in order.
std::vector<Operation> makeSet(const Recipe& recipe, RandomSource& rng);

} // namespace core

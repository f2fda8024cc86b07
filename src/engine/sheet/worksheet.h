// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"
#include "engine/rules/random.h"

#include <array>
#include <optional>
#include <string>

// The operations of one worksheet: eight groups of ten operations, made once per print
// job and printed by every copy.
namespace print {

inline constexpr int GroupsPerSheet = 8;
inline constexpr int LinesPerGroup = 10;

class OperationTable {
public:
    // Groups and lines are counted from 1, as on the printed sheet. nullptr where nothing
    // was made (a choice without a worksheet prints empty lines).
    const core::Operation* at(int group, int line) const;
    // The exercise line of that place; empty where nothing was made.
    std::string line(int group, int line) const;
    void set(int group, int line, core::Operation operation);

private:
    std::array<std::array<std::optional<core::Operation>, LinesPerGroup>, GroupsPerSheet> m_slots;
};

// Fills all eight groups, each with one complete run of the recipe (a mixed set keeps its
// block sequence in every group). The random sequence simply continues: no reseeding.
void fillTable(const core::Recipe& recipe, core::RandomSource& rng, OperationTable& table);

} // namespace print

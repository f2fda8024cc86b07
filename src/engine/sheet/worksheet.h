// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"
#include "engine/rules/random.h"

#include <array>
#include <string>

// The operations of one worksheet: eight groups of ten exercise lines, made once per print
// job and printed by every copy.
namespace print {

inline constexpr int GroupsPerSheet = 8;
inline constexpr int LinesPerGroup = 10;

class OperationTable {
public:
    // Groups and lines are counted from 1, as on the printed sheet.
    const std::string& line(int group, int line) const;
    void setLine(int group, int line, std::string text);

private:
    std::array<std::array<std::string, LinesPerGroup>, GroupsPerSheet> m_lines;
};

// Fills all eight groups, each with one complete run of the recipe (a mixed set keeps its
// block sequence in every group). The random sequence simply continues: no reseeding.
void fillTable(const core::Recipe& recipe, core::RandomSource& rng, OperationTable& table);

} // namespace print

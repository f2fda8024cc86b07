// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/worksheet.h"

#include <stdexcept>

namespace print {

namespace {

void checkPosition(int group, int line)
{
    if (group < 1 || group > GroupsPerSheet || line < 1 || line > LinesPerGroup)
        throw std::out_of_range("worksheet position outside the eight groups of ten");
}

} // namespace

const std::string& OperationTable::line(int group, int line) const
{
    checkPosition(group, line);
    return m_lines[group - 1][line - 1];
}

void OperationTable::setLine(int group, int line, std::string text)
{
    checkPosition(group, line);
    m_lines[group - 1][line - 1] = std::move(text);
}

void fillTable(const core::Recipe& recipe, core::RandomSource& rng, OperationTable& table)
{
    for (int group = 1; group <= GroupsPerSheet; ++group) {
        int counter = 0;
        core::runRecipe(recipe, rng, [&](const std::string& text) {
            // A recipe is one set of ten; anything beyond would not fit the group.
            if (++counter <= LinesPerGroup)
                table.setLine(group, counter, text);
        });
    }
}

} // namespace print

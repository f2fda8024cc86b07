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

const core::Operation* OperationTable::at(int group, int line) const
{
    checkPosition(group, line);
    const auto& slot = m_slots[group - 1][line - 1];
    return slot ? &*slot : nullptr;
}

std::string OperationTable::line(int group, int line) const
{
    const core::Operation* operation = at(group, line);
    return operation ? core::lineOf(*operation) : std::string();
}

void OperationTable::set(int group, int line, core::Operation operation)
{
    checkPosition(group, line);
    m_slots[group - 1][line - 1] = std::move(operation);
}

void fillTable(const core::Recipe& recipe, core::RandomSource& rng, OperationTable& table)
{
    for (int group = 1; group <= GroupsPerSheet; ++group) {
        int counter = 0;
        core::runRecipe(recipe, rng, [&](const core::Operation& operation) {
            // A recipe is one set of ten; anything beyond would not fit the group.
            if (++counter <= LinesPerGroup)
                table.set(group, counter, operation);
        });
    }
}

} // namespace print

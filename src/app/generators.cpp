// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/generators.h"

#include "cases/titles.h"
#include "core/line.h"
#include "decimal/buttons.h"
#include "decimal/rules.h"
#include "integer/buttons.h"
#include "integer/rules.h"

#include <stdexcept>

namespace app {

const std::vector<Generator>& allGenerators()
{
    static const std::vector<Generator> all = [] {
        std::vector<Generator> list;
        for (const core::WindowEntry& w : core::Windows) {
            if (w.family == core::WindowFamily::Case) {
                list.push_back({&w, {}, std::string(cases::title(w.caseNumber))});
                continue;
            }
            const auto rows = w.family == core::WindowFamily::Integer
                                  ? integer::generatorRows(w.range)
                                  : decimal::generatorRows(w.range);
            for (const core::GeneratorRow& row : rows) {
                std::string label(row.label);
                if (!row.secondLabel.empty())
                    label += " " + std::string(row.secondLabel);
                list.push_back({&w, std::string(row.kind), std::move(label)});
            }
        }
        return list;
    }();
    return all;
}

std::vector<const Generator*> generatorsOf(std::string_view range)
{
    std::vector<const Generator*> found;
    for (const Generator& g : allGenerators())
        if (g.window->range == range)
            found.push_back(&g);
    return found;
}

core::Recipe screenRecipe(const Generator& generator, cases::DivisorChoice divisor)
{
    const core::WindowEntry& w = *generator.window;
    std::optional<core::Recipe> recipe;
    switch (w.family) {
    case core::WindowFamily::Integer:
        recipe = integer::recipe(w.range, generator.kind, core::ClosingScreen);
        break;
    case core::WindowFamily::Decimal:
        recipe = decimal::recipe(w.range, generator.kind, core::ClosingScreen);
        break;
    case core::WindowFamily::Case:
        recipe = cases::recipe(
            w.caseNumber, [divisor] { return divisor; }, core::ClosingScreen);
        break;
    }
    // Every button of every window has its rule; a test holds the tables to that.
    if (!recipe)
        throw std::logic_error("no rule for " + std::string(w.range) + " " + generator.kind);
    return std::move(*recipe);
}

} // namespace app

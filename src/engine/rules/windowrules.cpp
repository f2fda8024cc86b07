// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/windowrules.h"

#include "engine/rules/decimal/buttons.h"
#include "engine/rules/decimal/rules.h"
#include "engine/rules/integer/buttons.h"
#include "engine/rules/integer/rules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace core {

namespace {

std::span<const GeneratorRow> integerButtons(const WindowEntry& window)
{
    return integer::generatorRows(window.range);
}

std::optional<Recipe> integerRule(const WindowEntry& window, std::string_view kind, OptionsSource,
                                  std::string_view closing)
{
    return integer::recipe(window.range, kind, closing);
}

std::vector<Operation> integerWidest(const WindowEntry& window, std::string_view kind)
{
    return integer::widestOperations(window.range, kind);
}

std::span<const GeneratorRow> decimalButtons(const WindowEntry& window)
{
    return decimal::generatorRows(window.range);
}

std::optional<Recipe> decimalRule(const WindowEntry& window, std::string_view kind, OptionsSource,
                                  std::string_view closing)
{
    return decimal::recipe(window.range, kind, closing);
}

std::vector<Operation> decimalWidest(const WindowEntry& window, std::string_view kind)
{
    return decimal::widestOperations(window.range, kind);
}

// The case window's one generator button.
constexpr std::array<GeneratorRow, 1> CaseButtons{{{"cmdfendra", {}, {}, {}}}};

std::span<const GeneratorRow> caseButtons(const WindowEntry&)
{
    return CaseButtons;
}

std::optional<Recipe> caseRule(const WindowEntry& window, std::string_view kind,
                               OptionsSource options, std::string_view closing)
{
    if (!kind.empty())
        return std::nullopt;
    return cases::recipe(
        window.caseNumber, [options = std::move(options)] { return options().divisor; }, closing);
}

std::vector<Operation> caseWidest(const WindowEntry& window, std::string_view kind)
{
    if (!kind.empty())
        return {};
    return cases::widestOperations(window.caseNumber);
}

// In the order of WindowFamily.
constexpr std::array<FamilyRules, 3> Families{{
    // family, buttons, rule, divisor option, widest operations
    {WindowFamily::Integer, integerButtons, integerRule, false, integerWidest},
    {WindowFamily::Decimal, decimalButtons, decimalRule, false, decimalWidest},
    {WindowFamily::Case, caseButtons, caseRule, true, caseWidest},
}};
static_assert(std::all_of(Families.begin(), Families.end(), [](const FamilyRules& f) {
    return &f - Families.data() == static_cast<std::ptrdiff_t>(f.family);
}));

} // namespace

const FamilyRules& rulesOf(const WindowEntry& window)
{
    return Families.at(static_cast<std::size_t>(window.family));
}

std::optional<Recipe> windowRecipe(const WindowEntry& window, std::string_view kind,
                                   OptionsSource options, std::string_view closing)
{
    std::optional<Recipe> recipe = rulesOf(window).rule(window, kind, options, closing);
    if (!recipe)
        return recipe;
    const bool toHundredths = window.family == WindowFamily::Case;
    for (Block& block : *recipe)
        block.attempt = [inner = std::move(block.attempt), options,
                         toHundredths](RandomSource& rng) -> std::optional<Operation> {
            std::optional<Operation> line = inner(rng);
            if (line && !meetsLevels(*line, options(), toHundredths))
                return std::nullopt;
            return line;
        };
    return recipe;
}

} // namespace core

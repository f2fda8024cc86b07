// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/catalog.h"

#include "engine/numbers/operation.h"
#include "engine/rules/random.h"
#include "engine/rules/windowrules.h"

#include <chrono>
#include <random>
#include <stdexcept>
#include <utility>

namespace catalog {

const std::vector<Generator>& allGenerators()
{
    static const std::vector<Generator> all = [] {
        std::vector<Generator> list;
        for (const core::WindowEntry& w : core::Windows) {
            for (const core::GeneratorRow& row : core::rulesOf(w).buttons(w)) {
                // A button without a label of its own is the case window's: its title
                // names it.
                std::string label(row.label.empty() ? cases::title(w.caseNumber) : row.label);
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

core::Recipe screenRecipe(const Generator& generator, const core::GeneratorOptions& options)
{
    const core::WindowEntry& w = *generator.window;
    std::optional<core::Recipe> recipe = core::windowRecipe(
        w, generator.kind, [options] { return options; }, core::ClosingScreen);
    // Every button of every window has its rule; a test holds the tables to that.
    if (!recipe)
        throw std::logic_error("no rule for " + std::string(w.range) + " " + generator.kind);
    return std::move(*recipe);
}

const std::vector<MenuGroup>& menuGroups()
{
    static const std::vector<MenuGroup> groups = [] {
        namespace r = core::range;
        auto window = core::windowOfRange;
        std::vector<MenuGroup> list = {
            {"Interi",
             {
                 {"Interi entro il 500", {}, window(r::R500)},
                 {"Interi entro il 999", {}, window(r::R999)},
                 {"Interi entro il 9.999", {}, window(r::R9999)},
                 {"Interi entro il 99.999", {}, window(r::R99999)},
                 {"Interi entro il 999.999", {}, window(r::R999999)},
             }},
            {"Decimali",
             {
                 {"Entro il 999", {}, window(r::Dec999)},
                 {"Entro il 9.999", {}, window(r::Dec9999)},
             }},
            {"Divisioni con i decimali", {}},
        };
        // The cases menu names each case as its window does, with what sets it apart.
        for (const core::WindowEntry& w : core::Windows)
            if (w.family == core::WindowFamily::Case)
                list.back().choices.push_back(
                    {cases::caption(w.caseNumber), cases::menuDescription(w.caseNumber), &w});
        return list;
    }();
    return groups;
}

namespace {

// The menu choice of the window with this range code, with its group; nulls for none.
std::pair<const MenuGroup*, const MenuChoice*> findChoice(std::string_view range)
{
    for (const MenuGroup& group : menuGroups())
        for (const MenuChoice& choice : group.choices)
            if (choice.window->range == range)
                return {&group, &choice};
    return {nullptr, nullptr};
}

} // namespace

const MenuChoice* menuChoiceOf(std::string_view range)
{
    return findChoice(range).second;
}

const MenuGroup* menuGroupOf(std::string_view range)
{
    return findChoice(range).first;
}

std::uint64_t freshSeed()
{
    // Opened once: in the browser, opening the device costs more than making ten lines.
    static std::random_device device;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return ((std::uint64_t(device()) << 32) | device()) ^ std::uint64_t(now);
}

std::string generatorListing()
{
    std::string table = "INTERVALLO  TIPO  OPERAZIONI\n";
    for (const Generator& g : allGenerators()) {
        std::string range(g.window->range);
        range.resize(12, ' ');
        std::string kind = g.kind;
        kind.resize(6, ' ');
        table += range + kind + g.label + '\n';
    }
    return table;
}

} // namespace catalog

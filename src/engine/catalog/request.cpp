// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/request.h"

#include "engine/rules/windowrules.h"
#include "engine/sheet/dispatch.h"

namespace catalog {

std::vector<core::Operation> tenOperations(const Choice& choice, std::uint64_t seed)
{
    core::RandomSequence random(seed);
    return core::makeSet(screenRecipe(*choice.generator, choice.options), random);
}

print::OperationTable sheetOperations(const Choice& choice, core::RandomSource& random)
{
    print::OperationTable table;
    const core::WindowEntry& window = *choice.generator->window;
    const std::string& kind = choice.generator->kind;
    if (const print::WorksheetRow* row = print::findRow(window.range, kind)) {
        const auto recipe = core::rulesOf(window).rule(
            window, kind, [options = choice.options] { return options; }, row->closing);
        if (recipe)
            print::fillTable(*recipe, random, table);
    }
    return table;
}

std::vector<print::Statement> sheetStatements(const SheetRequest& request,
                                              const print::OperationTable& operations)
{
    print::JobOptions job = request.job;
    job.window = request.choice.generator ? request.choice.generator->window : nullptr;
    return print::layOutJob(operations, job);
}

std::vector<print::Statement> sheetStatements(const SheetRequest& request,
                                              core::RandomSource& random)
{
    return sheetStatements(request, sheetOperations(request.choice, random));
}

std::optional<Choice> askedChoice(const print::SourceAnswer& answer,
                                  const print::SourceWindows& windows)
{
    if (!answer.row)
        return std::nullopt;
    for (const Generator* g : generatorsOf(answer.range))
        if (g->kind == answer.row->kind)
            return Choice{g, windows.options(answer.range)};
    return std::nullopt;
}

} // namespace catalog

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/request.h"

#include "engine/catalog/options.h"
#include "engine/rules/windowrules.h"
#include "engine/sheet/columnform.h"
#include "engine/sheet/columnsheet.h"
#include "engine/sheet/dispatch.h"
#include "engine/sheet/page.h"

#include <algorithm>

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
        const auto recipe = core::windowRecipe(
            window, kind, [options = choice.options] { return options; }, row->closing);
        if (recipe)
            print::fillTable(*recipe, random, table);
    }
    return table;
}

void drawCopies(const Choice& choice, const print::JobOptions& job, core::RandomSource& random,
                std::vector<print::OperationTable>& tables)
{
    while (tables.size() < std::size_t(print::tablesNeeded(job)))
        tables.push_back(choice.generator ? sheetOperations(choice, random)
                                          : print::OperationTable{});
}

std::vector<print::Statement> sheetStatements(const SheetRequest& request,
                                              const std::vector<print::OperationTable>& tables)
{
    print::JobOptions job = request.job;
    job.window = request.choice.generator ? request.choice.generator->window : nullptr;
    if (request.choice.generator)
        job.levels = levelNames(*request.choice.generator, request.choice.options);
    return print::layOutJob(tables, job);
}

std::vector<print::Statement> sheetStatements(const SheetRequest& request,
                                              core::RandomSource& random)
{
    std::vector<print::OperationTable> tables;
    drawCopies(request.choice, request.job, random, tables);
    return sheetStatements(request, tables);
}

int widestColumns(const Generator& generator)
{
    const core::WindowEntry& window = *generator.window;
    int widest = 0;
    for (const core::Operation& op : core::rulesOf(window).widest(window, generator.kind))
        widest = std::max(widest, print::operationForm(op, window, true).columns);
    return widest;
}

bool formFits(const Generator& generator, print::SheetForm form)
{
    if (form == print::SheetForm::Rows)
        return true;
    const double width = print::PdfPage.printableWidth() * print::MmPerPoint;
    return widestColumns(generator) <= print::usableColumns(width, print::squareOf(form));
}

std::string formTooNarrow(const Generator& generator, print::SheetForm form)
{
    std::string code(generator.window->range);
    if (!generator.kind.empty())
        code += " " + generator.kind;
    return "le operazioni più larghe di «" + generator.label + "» (" + code +
           ") non entrano nella larghezza di un foglio a " +
           std::string(print::dialogform::squaresOf(form)) + ": scegli quadretti più piccoli.";
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

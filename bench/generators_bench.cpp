// SPDX-License-Identifier: GPL-3.0-or-later
// Every generator of every window, as one click makes its ten lines (reseed included), the
// 80-line worksheet table of a typical and of the slowest generator, the answer key of
// an 80-line worksheet, and the column form of an 80-operation sheet, its worked key too.
#include "expectedrates.h"
#include "support/benchtable.h"

#include "engine/numbers/result.h"
#include "engine/rules/cases/rules.h"
#include "engine/rules/decimal/rules.h"
#include "engine/rules/integer/rules.h"
#include "engine/rules/windowrules.h"
#include "engine/rules/windowtable.h"
#include "engine/sheet/columnsheet.h"
#include "engine/sheet/sourcelookup.h"
#include "engine/sheet/worksheet.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double SetBudget = 20e3;
constexpr double SlowSetBudget = 100e3; // the decimal multiplication within 9,999
constexpr double TableBudget = 150e3;
constexpr double KeyBudget = 50e3;
constexpr double ColumnBudget = 100e3;
constexpr double WorkedKeyBudget = 200e3;

struct Generator {
    std::string name;
    core::Recipe recipe;
};

const char* const ScreenClosing = " = ";

std::vector<Generator> generators()
{
    std::vector<Generator> all;
    const std::vector<std::pair<std::string, std::vector<std::string>>> integerWindows = {
        {"500", {"+2", "+3", "-", "x", ":2", ":3", "m"}},
        {"999", {"+2", "+3", "-", "x1", "x2", ":", ":2", "m"}},
        {"9999", {"+2", "+3", "-", "x1", "x2", ":", ":2", "m"}},
        {"99999", {"+2", "+3", "-", "x1", "x2", "x3", ":", ":2", "m"}},
        {"999999", {"+2", "+3", "-", "x1", "x2", "x3", ":", ":2", "m"}},
    };
    for (const auto& [range, kinds] : integerWindows)
        for (const std::string& kind : kinds) {
            auto recipe = integer::recipe(range, kind, ScreenClosing);
            if (!recipe)
                throw std::logic_error("no integer generator " + range + " " + kind);
            all.push_back({"integer/" + range + "/" + kind, std::move(*recipe)});
        }
    for (const std::string range : {"dec999", "dec9999"})
        for (const std::string kind : {"+", "-", "x", "x10", ":10"}) {
            auto recipe = decimal::recipe(range, kind, ScreenClosing);
            if (!recipe)
                throw std::logic_error("no decimal generator " + range + " " + kind);
            all.push_back({"decimal/" + range + "/" + kind, std::move(*recipe)});
        }
    const std::pair<cases::DivisorChoice, const char*> choices[] = {
        {cases::DivisorChoice::OneDigit, "one-digit"},
        {cases::DivisorChoice::TwoDigits, "two-digit"},
        {cases::DivisorChoice::Mixed, "mixed"},
    };
    for (int number = 1; number <= cases::CaseCount; ++number)
        for (const auto& [choice, label] : choices)
            all.push_back({"cases/" + std::to_string(number) + "/" + label,
                           cases::recipe(
                               number, [c = choice] { return c; }, ScreenClosing)});
    return all;
}

// One click's worth of work: reseed from the clock, then ten accepted lines.
void runSets(benchmark::State& state, const core::Recipe& recipe)
{
    core::RandomSequence rng;
    long attempts = 0;
    // The window writes every line it is handed.
    const auto keep = [](const core::Operation& made) {
        const std::string line = core::lineOf(made);
        benchmark::DoNotOptimize(line.data());
    };
    for (auto _ : state) {
        rng.reseed();
        attempts += core::runRecipe(recipe, rng, keep);
    }
    state.counters[benchtable::AttemptsPerLine] =
        benchmark::Counter(static_cast<double>(attempts) /
                           (static_cast<double>(state.iterations()) * core::LinesPerSet));
}

// The worksheet's case windows are not open here: their initial options stand in.
core::Recipe worksheetRecipe(std::string_view range, std::string_view kind)
{
    const print::WorksheetRow* row = print::findRow(range, kind);
    if (!row)
        throw std::logic_error("no worksheet row");
    const core::WindowEntry& window = *core::windowOfRange(range);
    return *core::rulesOf(window).rule(
        window, row->kind, [] { return core::GeneratorOptions{}; }, row->closing);
}

void runTables(benchmark::State& state, const core::Recipe& recipe)
{
    core::RandomSequence rng;
    print::OperationTable table;
    for (auto _ : state) {
        rng.reseed();
        print::fillTable(recipe, rng, table);
        benchmark::DoNotOptimize(table);
    }
}

// The 80 key lines of one worksheet, made again for each iteration from the same sheet.
void runKey(benchmark::State& state, std::string_view range, const core::Recipe& recipe)
{
    core::RandomSequence rng;
    print::OperationTable table;
    print::fillTable(recipe, rng, table);
    const core::WindowEntry* window = core::windowOfRange(range);
    if (!window)
        throw std::logic_error("no window of that range");
    const core::ResultStyle* style = &window->result;
    std::vector<std::string> key(print::GroupsPerSheet * print::LinesPerGroup);
    const auto makeKey = [&] {
        bool complete = true;
        std::size_t i = 0;
        for (int group = 1; group <= print::GroupsPerSheet; ++group)
            for (int line = 1; line <= print::LinesPerGroup; ++line) {
                const core::Operation* made = table.at(group, line);
                auto keyed = made ? core::keyLine(*made, *style) : std::nullopt;
                complete = complete && keyed.has_value();
                key[i++] = std::move(keyed).value_or("");
            }
        return complete;
    };
    if (!makeKey()) {
        state.SkipWithError("a line without result");
        return;
    }
    for (auto _ : state) {
        makeKey();
        benchmark::DoNotOptimize(key.data());
    }
}

// The column form of one 80-operation sheet, from its table to the glyphs and rules of its
// sheets, on A4 with 5 mm squares. The key: every result written in, with its carries,
// partial products and division rows.
void runColumns(benchmark::State& state, std::string_view range, const core::Recipe& recipe,
                bool key = true)
{
    core::RandomSequence rng;
    print::OperationTable table;
    print::fillTable(recipe, rng, table);
    const print::ColumnRequest request{
        {4, print::Columns::Two}, print::LargeSquare, *core::windowOfRange(range), 190, 277, key};
    const std::vector<double> top{20};
    std::size_t glyphs = 0;
    for (auto _ : state) {
        const print::ColumnDocument document = print::layOutColumns(table, request, top);
        glyphs = 0;
        for (const print::ColumnSheet& sheet : document.sheets)
            glyphs += sheet.glyphs.size();
        benchmark::DoNotOptimize(glyphs);
    }
    if (glyphs == 0)
        state.SkipWithError("no glyph laid out");
}

} // namespace

int main(int argc, char** argv)
{
    for (Generator& g : generators()) {
        const double budget = g.name == "decimal/dec9999/x" ? SlowSetBudget : SetBudget;
        benchtable::add(
            g.name, {budget, impliedAttemptsPerLine(g.name)},
            [recipe = std::move(g.recipe)](benchmark::State& state) { runSets(state, recipe); });
    }
    // A typical worksheet: the mixed set within 999. The slowest: the decimal
    // multiplication within 9,999, eight times the slowest set, shown without a budget.
    benchtable::add("table80/999/m (typical)", {TableBudget, {}},
                    [recipe = worksheetRecipe("999", "m")](benchmark::State& state) {
                        runTables(state, recipe);
                    });
    benchtable::add("table80/dec9999/x (slowest)", {0, {}},
                    [recipe = worksheetRecipe("dec9999", "x")](benchmark::State& state) {
                        runTables(state, recipe);
                    });
    // The key of a mixed worksheet within 99.999 (every operation, grouped numbers, whole
    // quotients with remainders) and of case I (quotients to the hundredths).
    benchtable::add("key80/99999/m", {KeyBudget, {}},
                    [recipe = worksheetRecipe("99999", "m")](benchmark::State& state) {
                        runKey(state, "99999", recipe);
                    });
    benchtable::add("key80/case 1", {KeyBudget, {}},
                    [recipe = worksheetRecipe("1", "")](benchmark::State& state) {
                        runKey(state, "1", recipe);
                    });
    benchtable::add("column80/999/m sheet", {ColumnBudget, {}},
                    [recipe = worksheetRecipe("999", "m")](benchmark::State& state) {
                        runColumns(state, "999", recipe, false);
                    });
    // The worked keys with the most steps: every family within 99.999 (three-digit
    // multipliers, five-digit dividends), and case II (dividends to the thousandths).
    benchtable::add("column80/999/m worked key", {WorkedKeyBudget, {}},
                    [recipe = worksheetRecipe("999", "m")](benchmark::State& state) {
                        runColumns(state, "999", recipe);
                    });
    benchtable::add("column80/99999/m worked key", {WorkedKeyBudget, {}},
                    [recipe = worksheetRecipe("99999", "m")](benchmark::State& state) {
                        runColumns(state, "99999", recipe);
                    });
    benchtable::add("column80/case 2 worked key", {WorkedKeyBudget, {}},
                    [recipe = worksheetRecipe("2", "")](benchmark::State& state) {
                        runColumns(state, "2", recipe);
                    });
    return benchtable::run(argc, argv);
}

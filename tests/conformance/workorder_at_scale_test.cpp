// SPDX-License-Identifier: GPL-3.0-or-later
// Every generator's operations (the cases with each divisor option) worked out square by
// square, ten thousand each: playing the
// order of work on the worksheet's form gives the worked key's squares and strokes exactly,
// in a pupil's order, and every hint's arithmetic is true and names the digit written.
#include "scale.h"

#include "engine/catalog/catalog.h"
#include "engine/numbers/numberformat.h"
#include "engine/sheet/workorder.h"

#include <gtest/gtest.h>

#include <algorithm>
// GCC 12 warns of an uninitialised std::function inside <regex>'s own code, wrongly.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#pragma GCC diagnostic pop
#include <tuple>

namespace {

using conformance::Outcome;
using print::StepRole;

constexpr long LinesPerGenerator = 10000;

// A number as a hint says it ("12", "0,35"), as digits and places after the comma.
struct Said {
    __int128 digits = 0;
    int places = 0;
};

Said said(const std::string& text)
{
    Said s;
    bool after = false;
    for (const char c : text) {
        if (c == ',') {
            after = true;
            continue;
        }
        s.digits = s.digits * 10 + (c - '0');
        s.places += after ? 1 : 0;
    }
    return s;
}

bool same(Said a, Said b)
{
    while (a.places < b.places) {
        a.digits *= 10;
        ++a.places;
    }
    while (b.places < a.places) {
        b.digits *= 10;
        ++b.places;
    }
    return a.digits == b.digits;
}

long number(const std::string& text)
{
    return std::stol(text);
}

// What is wrong with a step's hint, or "": each sum, difference, product and division it
// states is redone here, and the digit it says to write is the step's.
std::string hintFault(const print::WorkStep& step, long divisor, bool inTheHead)
{
    const std::string& hint = step.hint;
    std::smatch m;
    static const std::regex write(R"(scrivo (\d+))");
    if (std::regex_search(hint, m, write) && m[1] != step.glyph.text)
        return "says to write " + m[1].str() + " where " + step.glyph.text + " goes";

    const bool digitOfResult =
        !inTheHead && (step.role == StepRole::Result || step.role == StepRole::PartialProduct);
    static const std::regex sum(
        R"(^((?:\d+ più )*\d+)(?: più (\d+) di riporto)? fa (\d+): scrivo (\d+)(?: e riporto (\d+))?\.$)");
    if (digitOfResult && std::regex_match(hint, m, sum)) {
        long total = m[2].matched ? number(m[2]) : 0;
        const std::string terms = m[1];
        for (std::size_t at = 0; at < terms.size();) {
            const std::size_t end = terms.find(" più ", at);
            total += number(terms.substr(at, end - at));
            at = end == std::string::npos ? terms.size() : end + 6;
        }
        if (total != number(m[3]) || number(m[4]) != total % 10 ||
            (m[5].matched && number(m[5]) != total / 10))
            return "a wrong sum";
    }
    static const std::regex product(
        R"((?:^|\. )(\d+) per (\d+) fa (\d+)(?:, più (\d+) (?:di riporto|che avevo a mente) fa (\d+))?: scrivo (\d+)(?: e (?:riporto|tengo a mente) (\d+))?\.$)");
    if (digitOfResult && std::regex_search(hint, m, product)) {
        const long p = number(m[1]) * number(m[2]);
        const long total = m[4].matched ? p + number(m[4]) : p;
        if (p != number(m[3]) || (m[5].matched && total != number(m[5])) ||
            number(m[6]) != total % 10 || (m[7].matched && number(m[7]) != total / 10))
            return "a wrong product";
    }
    static const std::regex difference(R"((\d+) meno (\d+) fa (\d+))");
    const bool subtracts = hint.find(" meno ") != std::string::npos;
    for (auto it = subtracts ? std::sregex_iterator(hint.begin(), hint.end(), difference)
                             : std::sregex_iterator();
         it != std::sregex_iterator(); ++it)
        if (number((*it)[1]) - number((*it)[2]) != number((*it)[3]))
            return "a wrong difference";
    static const std::regex cannot(R"((\d+) meno (\d+) non si può)");
    if (subtracts && std::regex_search(hint, m, cannot) && number(m[1]) >= number(m[2]))
        return "a loan where none is needed";
    static const std::regex times(
        R"(Quante volte (?:il |l'|lo )(\d+) sta (?:nel |nell'|nello )(\d+)\? (\d+) volt[ae], perché (\d+) per (\d+) fa (\d+): scrivo (\d+) e il resto (\d+)\.)");
    const bool quotient = step.role == StepRole::Quotient;
    if (quotient && std::regex_search(hint, m, times)) {
        const long d = number(m[1]);
        const long part = number(m[2]);
        const long q = number(m[3]);
        if (d != divisor || q != part / d || number(m[4]) != d || number(m[5]) != q ||
            number(m[6]) != d * q || number(m[8]) != part - d * q)
            return "a wrong quotient digit";
    }
    static const std::regex notIn(R"((?:il |l'|lo )(\d+) (?:nel |nell'|nello )(\d+) non ci sta)",
                                  std::regex::icase);
    if (quotient && std::regex_search(hint, m, notIn) &&
        (number(m[1]) != divisor || number(m[2]) >= divisor))
        return "a divisor said not to go in where it does";
    static const std::regex mental(R"(^(\d+(?:,\d+)?) (per|diviso) (\d+) fa (\d+(?:,\d+)?))");
    if (inTheHead && std::regex_search(hint, m, mental)) {
        Said a = said(m[1]);
        const Said b = said(m[3]);
        const Said r = said(m[4]);
        const bool right = m[2] == "per" ? same({a.digits * b.digits, a.places}, r)
                                         : same(a, {r.digits * b.digits, r.places});
        if (!right)
            return "a wrong mental result";
    }
    static const std::regex becomes(R"(diventa (\d+)\.$)");
    if (step.role == StepRole::Borrow && std::regex_search(hint, m, becomes) &&
        m[1] != step.glyph.text)
        return "a loan that becomes " + m[1].str() + " where " + step.glyph.text + " goes";
    static const std::regex carry(R"(^Riporto (\d+) )");
    if (step.role == StepRole::Carry &&
        (!std::regex_search(hint, m, carry) || m[1] != step.glyph.text))
        return "a carry said otherwise than written";
    return {};
}

using GlyphKey = std::tuple<int, int, int, std::string, bool>;

std::vector<GlyphKey> keysOf(const std::vector<print::FormGlyph>& glyphs)
{
    std::vector<GlyphKey> keys;
    for (const print::FormGlyph& g : glyphs)
        keys.emplace_back(static_cast<int>(g.kind), g.column, g.row, g.text, g.small);
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::string orderFault(const core::Operation& op, const core::WindowEntry& window)
{
    const print::WorkOrder work = print::workOrder(op, window);
    const print::OperationForm key = print::operationForm(op, window, true);
    // Played on the worksheet's form, the steps give the key.
    std::vector<print::FormGlyph> played = work.form.glyphs;
    std::vector<std::tuple<int, int, int>> struck;
    for (const print::WorkStep& s : work.steps) {
        played.push_back(s.glyph);
        for (const print::FormStroke& k : s.strokes)
            struck.emplace_back(k.column, k.row, static_cast<int>(k.kind));
    }
    if (keysOf(played) != keysOf(key.glyphs))
        return "the steps do not give the key's squares";
    std::vector<std::tuple<int, int, int>> keyStrokes;
    for (const print::FormStroke& k : key.strokes)
        keyStrokes.emplace_back(k.column, k.row, static_cast<int>(k.kind));
    std::sort(struck.begin(), struck.end());
    std::sort(keyStrokes.begin(), keyStrokes.end());
    if (struck != keyStrokes)
        return "the steps do not strike what the key strikes";

    const auto divisor = op.op == core::Operator::Divide ? core::unitsOf(op.operands[1]) : 0;
    int lastResult = 1 << 20;
    int lastQuotient = -1;
    for (const print::WorkStep& s : work.steps) {
        const bool helper = s.role == StepRole::Carry || s.role == StepRole::Borrow ||
                            s.role == StepRole::AddedZero;
        if (s.required == helper)
            return "a " + std::string(print::roleName(s.role)) + " step " +
                   (helper ? "required" : "left optional");
        if (s.automatic != (s.glyph.text == "…"))
            return "a step written for the pupil that is not the «…»";
        if (s.hint.empty() || s.place.empty())
            return "a step without its hint or its name";
        // Results from the right, quotients from the left.
        if (s.glyph.kind == print::GlyphKind::Square && s.role == StepRole::Result &&
            key.family != print::FormFamily::Mental) {
            if (s.glyph.column >= lastResult)
                return "a result digit left of the one before";
            lastResult = s.glyph.column;
        }
        if (s.glyph.kind == print::GlyphKind::Square && s.role == StepRole::Quotient) {
            if (s.glyph.column <= lastQuotient)
                return "a quotient digit right of the one before";
            lastQuotient = s.glyph.column;
        }
        if (const std::string fault = hintFault(s, static_cast<long>(divisor.value_or(0)),
                                                key.family == print::FormFamily::Mental);
            !fault.empty())
            return fault + " («" + s.hint + "»)";
    }
    return {};
}

TEST(WorkOrderAtScale, EveryGeneratorsOrderGivesItsWorkedKeyWithTrueHints)
{
    SCOPED_TRACE(conformance::seedNote());
    std::vector<std::function<Outcome()>> jobs;
    const auto add = [&jobs](const catalog::Generator& g, core::GeneratorOptions options,
                             const std::string& name) {
        jobs.push_back([&g, options, name] {
            return conformance::runSets(
                name, catalog::screenRecipe(g, options), conformance::runSeed(), LinesPerGenerator,
                [&g](int, const core::Operation& op) { return orderFault(op, *g.window); });
        });
    };
    for (const catalog::Generator& g : catalog::allGenerators()) {
        const std::string name =
            std::string(g.window->range) + (g.kind.empty() ? "" : " " + g.kind);
        add(g, {}, name);
        // The cases with the divisor of one and of two digits too ("Misto" is the default).
        if (g.window->family == core::WindowFamily::Case)
            for (const auto divisor :
                 {cases::DivisorChoice::OneDigit, cases::DivisorChoice::TwoDigits})
                add(g, {divisor},
                    name + (divisor == cases::DivisorChoice::OneDigit ? " 1 cifra" : " 2 cifre"));
    }
    for (const Outcome& o : conformance::runAll(jobs)) {
        EXPECT_GE(o.lines, LinesPerGenerator) << o.name;
        EXPECT_EQ(o.faults, 0) << o.name << ": " << (o.examples.empty() ? "" : o.examples[0]);
    }
}

} // namespace

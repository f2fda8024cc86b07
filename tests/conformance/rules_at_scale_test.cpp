// SPDX-License-Identifier: GPL-3.0-or-later
// Every generator of every window run for 100.000 lines with a fresh seed; each line is
// read back from its Italian text and held to its rule, and its key's result and worked
// steps to its operation. Every worksheet row is then made as the print job makes it, on
// fewer lines: a worksheet runs its window's rule and passes only its own closing word, so
// its lines need not be drawn at that scale again.
#include "decimalcheck.h"
#include "scale.h"

#include "engine/catalog/options.h"
#include "engine/catalog/request.h"
#include "engine/numbers/result.h"
#include "engine/numbers/steps.h"
#include "engine/rules/cases/rules.h"
#include "engine/rules/decimal/rules.h"
#include "engine/rules/integer/rules.h"
#include "engine/rules/random.h"
#include "engine/rules/windowtable.h"
#include "engine/sheet/columnform.h"
#include "engine/sheet/dispatch.h"
#include "engine/sheet/sourcelookup.h"
#include "support/askedsheet.h"
#include "support/expected.h"
#include "support/linecheck.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <utility>

namespace {

using cases::DivisorChoice;
using conformance::caseCheck;
using conformance::decimalCheck;
using conformance::integerCheck;
using conformance::levelCheck;
using conformance::LineCheck;
using conformance::MixedBlocks;
using conformance::Outcome;

constexpr long LinesPerGenerator = 100000;
// Worksheets per row, and the lines each one holds: one whole set per group.
constexpr int SheetsPerRow = 25;
constexpr long LinesPerSheet = print::GroupsPerSheet * print::LinesPerGroup;

const std::vector<std::string> DecimalRanges = {"dec999", "dec9999"};
const std::vector<std::string> DecimalKinds = {"+", "-", "x", "x10", ":10"};
constexpr DivisorChoice Options[] = {DivisorChoice::OneDigit, DivisorChoice::TwoDigits,
                                     DivisorChoice::Mixed};

std::string optionName(DivisorChoice choice)
{
    return choice == DivisorChoice::OneDigit    ? "1 cifra"
           : choice == DivisorChoice::TwoDigits ? "2 cifre"
                                                : "Misto";
}

// Worksheets close with " =" after the additions and the multiplication within 500, the
// multiplication by a power of ten within 999 and every case; elsewhere with " = ".
std::string sheetClosing(const std::string& range, const std::string& kind)
{
    if (range == "500" && (kind == "+2" || kind == "+3" || kind == "x"))
        return " =";
    if (range == "dec999" && kind == "x10")
        return " =";
    if (range.size() == 1)
        return " =";
    return " = ";
}

// Millionths of a number text, exact for every number a window writes (below 10^7, at
// most six decimals); -1 for a text that is no number.
__int128 micro(std::string_view text)
{
    const auto value = testsupport::italianValue(text);
    return value && testsupport::decimalsOf(text) <= 6 ? std::llround(*value * 1e6) : -1;
}

// Millionths of a number from its digits and places.
__int128 micro(const core::WrittenNumber& n)
{
    if (n.decimals > 6)
        return -1;
    __int128 units = 0;
    for (char c : n.digits)
        units = units * 10 + (c - '0');
    for (int i = n.decimals; i < 6; ++i)
        units *= 10;
    return n.negative ? -units : units;
}

// An operation read once for the checks of its key: its parts as written and the
// millionths of each operand.
struct KeyReading {
    testsupport::ParsedLine parsed;
    std::vector<__int128> micros;
};

// The key's result of a line, held to its operation's identity: a + b = s, a - b = d,
// a x b = p, a = b x q + r with 0 <= r < b ("resto" only for r > 0), the case quotient
// floor(100 a / b) / 100 with "…" exactly when a / b goes on, other quotients exact.
std::string checkResult(const std::string& range, const core::Operation& line,
                        const KeyReading& read)
{
    const core::WindowEntry* window = core::windowOfRange(range);
    const auto result = window ? core::lineResult(line, window->result) : std::nullopt;
    if (!result)
        return "no result";
    std::string_view text = *result, rest;
    const bool cut = text.ends_with("…");
    text.remove_suffix(cut ? std::string_view("…").size() : 0);
    if (const auto at = text.find(" resto "); at != text.npos) {
        rest = text.substr(at + 7);
        text = text.substr(0, at);
    }
    const __int128 M = 1000000, q = micro(text), r = rest.empty() ? 0 : micro(rest),
                   a = read.micros[0], b = read.micros[1];
    bool numbers = q >= 0 && r >= 0;
    __int128 sum = 0;
    for (const __int128 value : read.micros) {
        numbers = numbers && value >= 0;
        sum += value;
    }
    const bool bare = !cut && rest.empty(); // neither "…" nor "resto"
    const std::string& op = read.parsed.op;
    const bool ok =
        numbers && (op == " + "   ? bare && sum == q
                    : op == " - " ? bare && a - b == q
                    : op == " x " ? bare && a * b == q * M
                    : b == 0      ? false
                    : range.size() == 1
                        ? rest.empty() && q * 100 == 100 * a / b * M && cut == (100 * a % b != 0)
                    : range.starts_with("dec") ? bare && b * q == a * M
                                               : !cut && q % M == 0 && a == b * (q / M) + r &&
                                                     r < b && (rest.empty() || r > 0));
    return ok ? "" : "wrong result '" + *result + "'";
}

__int128 power10(int n)
{
    return n > 0 ? 10 * power10(n - 1) : 1;
}

// The digits of a number text as one whole number, commas and points left out.
__int128 wholeOf(std::string_view text)
{
    __int128 n = 0;
    for (char c : text)
        n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : n;
    return n;
}

// The worked steps of the key, held to arithmetic done here another way: the carry into
// place k is what the lower k places of all addends add up to beyond 10^k; the partial
// products, shifted and added, give the product of the factors as whole numbers; a
// division's rows chain its partial remainders (each under the divisor) with the digits
// brought down to the remainder, and quotient x divisor + remainder is the dividend. A
// case divides after making the divisor whole, to the hundredths of the quotient.
std::string checkSteps(const std::string& range, const core::Operation& line,
                       const KeyReading& read)
{
    const core::Operation* op = &line;
    const testsupport::ParsedLine& parsed = read.parsed;
    const std::vector<std::string>& operands = parsed.operands;
    if (parsed.op == " + ") {
        int decimals = 0, places = 0; // the places: whole digits, then the common decimals
        for (const std::string& o : operands) {
            decimals = std::max(decimals, testsupport::decimalsOf(o));
            const std::string whole = o.substr(0, o.find(','));
            places =
                std::max(places, int(whole.size() - std::count(whole.begin(), whole.end(), '.')));
        }
        places += decimals;
        const auto carries = core::additionCarries(*op);
        if (!carries || static_cast<int>(carries->size()) != places)
            return "carries for other places";
        for (int k = 0; k < places; ++k) {
            const __int128 place = power10(6 - decimals + k); // 10^k at the common scale
            __int128 low = 0;
            for (const __int128 value : read.micros)
                low += value % place;
            if ((*carries)[std::size_t(k)] != low / place)
                return "wrong carry into place " + std::to_string(k);
        }
        return "";
    }
    if (parsed.op == " x ") {
        const auto rows = core::partialProducts(*op);
        __int128 sum = 0;
        for (std::size_t i = 0; rows && i < rows->size(); ++i)
            sum += (*rows)[i].value * power10(int(i));
        const long digits = std::count_if(operands[1].begin(), operands[1].end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
        if (!rows || long(rows->size()) != digits ||
            sum != wholeOf(operands[0]) * wholeOf(operands[1]))
            return "partial products shifted and added miss the product";
        // By one digit: the carry into place k is what the lower k places of the
        // multiplicand times the digit make beyond 10^k.
        const auto carries = core::multiplicationCarries(*op);
        if (carries.has_value() != (digits == 1))
            return "carries for a multiplier of " + std::to_string(digits) + " digits";
        const std::string& multiplicand = op->operands[0].digits;
        for (std::size_t k = 0; carries && k < multiplicand.size(); ++k) {
            const __int128 low = wholeOf(multiplicand.substr(multiplicand.size() - k));
            if (carries->size() != multiplicand.size() ||
                (*carries)[k] != low * wholeOf(operands[1]) / power10(int(k)))
                return "wrong carry into place " + std::to_string(k);
        }
        return "";
    }
    if (parsed.op == " - ") {
        // At the places of the longer fraction: place k borrows when the minuend's lower
        // k + 1 places are less than the subtrahend's; the place above it then lends, and
        // what the pupil subtracts from (the digit, or what it became, plus ten where a 1
        // stands before it) less the subtrahend's digit is the difference's digit.
        const int decimals =
            std::max(testsupport::decimalsOf(operands[0]), testsupport::decimalsOf(operands[1]));
        const __int128 m = read.micros[0] * power10(decimals) / 1000000,
                       t = read.micros[1] * power10(decimals) / 1000000, d = m - t;
        const auto borrows = core::subtractionBorrows(*op);
        int whole = 0;
        for (const std::string& o : operands) {
            const std::string part = o.substr(0, o.find(','));
            whole = std::max(whole, int(part.size() - std::count(part.begin(), part.end(), '.')));
        }
        if (!borrows || int(borrows->size()) != whole + decimals)
            return "borrows for other places";
        const auto digit = [](__int128 n, int k) { return int(n / power10(k) % 10); };
        for (int k = 0; k < whole + decimals; ++k) {
            const core::BorrowPlace& place = (*borrows)[std::size_t(k)];
            const bool lent = k > 0 && m % power10(k) < t % power10(k);
            const bool borrowed = m % power10(k + 1) < t % power10(k + 1);
            const int shown =
                (place.lends ? place.becomes : digit(m, k)) + (place.receives ? 10 : 0);
            const bool zeroPassing = place.lends && place.becomes == 9 && digit(m, k) == 0;
            if (place.lends != lent || (place.receives || zeroPassing) != borrowed ||
                shown - digit(t, k) != digit(d, k) ||
                place.added != (k < decimals - testsupport::decimalsOf(operands[0])))
                return "wrong borrow at place " + std::to_string(k);
        }
        return "";
    }
    // The decimal windows divide only by 10, 100 and 1000, in the head.
    if (parsed.op != " : " || range.starts_with("dec"))
        return "";
    const bool isCase = range.size() == 1;
    const __int128 M = 1000000, a = read.micros[0], b = read.micros[1];
    // A case makes the divisor whole: both times 10^(its places), the dividend's comma
    // moving as many places.
    const int shift = isCase ? testsupport::decimalsOf(operands[1]) : 0;
    const __int128 moved = a * power10(shift), d = b * power10(shift) / M; // moved in micros
    const auto steps = core::divisionSteps(*op, isCase);
    if (!steps || (!isCase && a % M != 0) || steps->divisor != d || d <= 0)
        return "not a division by " + std::to_string(static_cast<long long>(d));
    const std::string& s = steps->dividend;
    const int length = static_cast<int>(s.size()), whole = steps->wholeDigits,
              places = steps->quotientDecimals;
    // The digits as written, read with their comma, are the moved dividend.
    if (whole < 1 || whole > length || wholeOf(s) * M != moved * power10(length - whole))
        return "the dividend " + s + " is not the moved dividend";
    // The quotient stops where the division does: at the hundredths when it goes on
    // (a x 100 / b not whole), else at its last non-zero place.
    const bool goesOn = isCase && (a * 100) % b != 0;
    const __int128 done = moved * power10(places) / M; // the digits brought down, as a number
    const __int128 q = steps->quotient;
    const bool quotientOk =
        steps->goesOn == goesOn && q == done / d && steps->remainder == done % d &&
        (goesOn   ? places == 2
         : isCase ? q * d * M == moved * power10(places) && (places == 0 || q % 10 != 0)
                  : places == 0);
    if (!quotientOk)
        return "quotient " + std::to_string(static_cast<long long>(q)) + " with " +
               std::to_string(places) + " places is not where the division stops";

    // The rows, as the Italian short division writes them: the first group is the fewest
    // leading digits whose number is at least the divisor; each row is the remainder so far
    // with the next digit beside it; the last is the remainder, or, when the division goes
    // on with a written digit still to come, the remainder with that digit beside it.
    const int processed = whole + places;
    int group = 1;
    while (group < processed && wholeOf(s.substr(0, std::size_t(group))) < d)
        ++group;
    std::vector<std::pair<std::string, int>> expected;
    __int128 r = wholeOf(s.substr(0, std::size_t(group))) % d;
    const auto digitsOf = [](__int128 n) { return std::to_string(static_cast<long long>(n)); };
    for (int i = group; i < processed; ++i) {
        expected.emplace_back(digitsOf(r) + s[std::size_t(i)], i);
        r = (r * 10 + (s[std::size_t(i)] - '0')) % d;
    }
    if (goesOn && processed < length)
        expected.emplace_back(digitsOf(r) + s[std::size_t(processed)], processed);
    else
        expected.emplace_back(digitsOf(r), processed - 1);
    if (steps->rows.size() != expected.size())
        return std::to_string(steps->rows.size()) + " rows where the division has " +
               std::to_string(expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (steps->rows[i].digits != expected[i].first ||
            steps->rows[i].lastDigit != expected[i].second)
            return "row " + std::to_string(i + 1) + " '" + steps->rows[i].digits +
                   "' is no step of the division";
    // Only zeros are added, and only as far as they are brought down.
    const int written = std::max(static_cast<int>(op->operands[0].digits.size()), whole);
    if (length > std::max(written, expected.back().second + 1) ||
        s.find_first_not_of('0', op->operands[0].digits.size()) != std::string::npos)
        return "zeros added to " + s + " that the division does not bring down";
    return "";
}

// The line held to its rule, then its key's result and worked steps to its operation.
LineCheck withKey(const std::string& range, LineCheck rule)
{
    return [range, rule = std::move(rule)](int position, const core::Operation& line) {
        if (std::string fault = rule(position, line); !fault.empty())
            return fault;
        KeyReading read{testsupport::partsOf(line), {}};
        read.micros.reserve(line.operands.size());
        for (const core::WrittenNumber& operand : line.operands)
            read.micros.push_back(micro(operand));
        std::string fault = checkResult(range, line, read);
        return fault.empty() ? checkSteps(range, line, read) : fault;
    };
}

void expectClean(const std::vector<Outcome>& outcomes, long lines = LinesPerGenerator)
{
    for (const Outcome& o : outcomes) {
        EXPECT_GE(o.lines, lines) << o.name;
        EXPECT_EQ(o.faults, 0) << o.name << ": " << o.faults << " faulty lines of " << o.lines
                               << ", for example "
                               << (o.examples.empty() ? std::string() : o.examples.front());
        for (std::size_t i = 1; i < o.examples.size(); ++i)
            ADD_FAILURE() << o.name << ": " << o.examples[i];
    }
}

// The print job's view of the windows: only `range` is open, showing `kind` and `choice`.
class OneOpenWindow final : public print::SourceWindows {
public:
    OneOpenWindow(std::string range, std::string kind, DivisorChoice choice)
        : m_range(std::move(range)), m_kind(std::move(kind)), m_choice(choice)
    {
    }
    bool holdsOwnCode(std::string_view range) const override { return range == m_range; }
    std::string kindField(std::string_view) const override { return m_kind; }
    core::GeneratorOptions options(std::string_view) const override
    {
        core::GeneratorOptions shown;
        shown.divisor = m_choice;
        return shown;
    }

private:
    std::string m_range, m_kind;
    DivisorChoice m_choice;
};

// Worksheets made as the print job makes them, 80 lines at a time; every group of ten is
// one set, and every line is held to `check`.
Outcome runSheets(const std::string& name, const std::string& range, const std::string& kind,
                  DivisorChoice choice, std::uint64_t seed, const LineCheck& check)
{
    Outcome out;
    out.name = name;
    const OneOpenWindow windows(range, kind, choice);
    core::RandomSequence rng(seed);
    for (int sheet = 0; sheet < SheetsPerRow; ++sheet) {
        const std::optional<print::OperationTable> made = testsupport::askedSheet(windows, rng);
        if (!made) {
            out.faults = 1;
            out.examples.push_back("no worksheet made");
            return out;
        }
        const print::OperationTable& table = *made;
        for (int group = 1; group <= print::GroupsPerSheet; ++group) {
            for (int n = 1; n <= print::LinesPerGroup; ++n) {
                const core::Operation* line = table.at(group, n);
                ++out.lines;
                const std::string fault = line ? check(n - 1, *line) : "nothing made";
                if (fault.empty())
                    continue;
                if (out.faults++ < 3)
                    out.examples.push_back("'" + table.line(group, n) + "': " + fault);
            }
        }
    }
    return out;
}

struct SheetRow {
    std::string range, kind;
};

// Every worksheet the print job can make, by source window and kind code.
std::vector<SheetRow> sheetRows()
{
    std::vector<SheetRow> rows;
    const std::vector<std::pair<std::string, std::vector<std::string>>> integerKinds = {
        {"500", {"+2", "+3", "-", "x", ":2", ":3", "m"}},
        {"999", {"+2", "+3", "-", "x1", "x2", ":", ":2", "m"}},
        {"9999", {"+2", "+3", "-", "x1", "x2", ":", ":2", "m"}},
        {"99999", {"+2", "+3", "-", "x1", "x2", "x3", ":", ":2", "m"}},
        {"999999", {"+2", "+3", "-", "x1", "x2", "x3", ":", ":2", "m"}},
    };
    for (const auto& [range, kinds] : integerKinds)
        for (const std::string& kind : kinds)
            rows.push_back({range, kind});
    for (const std::string& range : DecimalRanges)
        for (const std::string& kind : DecimalKinds)
            rows.push_back({range, kind});
    for (int c = 1; c <= cases::CaseCount; ++c)
        rows.push_back({std::to_string(c), ""});
    return rows;
}

class RulesAtScale : public ::testing::Test {
protected:
    void SetUp() override { RecordProperty("seed", std::to_string(conformance::runSeed())); }
};

} // namespace

TEST_F(RulesAtScale, EveryIntegerWindowGenerator)
{
    SCOPED_TRACE(conformance::seedNote());
    std::vector<std::function<Outcome()>> jobs;
    for (const expected::Generator& g : expected::generators()) {
        jobs.push_back([g] {
            auto recipe = integer::recipe(g.range, g.kind, " = ");
            const std::string name = g.range + " " + g.kind;
            if (!recipe)
                return Outcome{name, 0, 0, 1, {"no rule"}};
            return conformance::runSets(name, *recipe, conformance::runSeed(), LinesPerGenerator,
                                        withKey(g.range, integerCheck(g.range, g.kind, " = ")));
        });
    }
    for (const auto& [range, blocks] : MixedBlocks) {
        jobs.push_back([range] {
            auto recipe = integer::recipe(range, "m", " = ");
            const std::string name = range + " m";
            if (!recipe)
                return Outcome{name, 0, 0, 1, {"no rule"}};
            return conformance::runSets(name, *recipe, conformance::runSeed(), LinesPerGenerator,
                                        withKey(range, integerCheck(range, "m", " = ")));
        });
    }
    ASSERT_EQ(jobs.size(), 36u + 5u);
    expectClean(conformance::runAll(jobs));
}

TEST_F(RulesAtScale, EveryDecimalWindowGenerator)
{
    SCOPED_TRACE(conformance::seedNote());
    std::vector<std::function<Outcome()>> jobs;
    for (const std::string& range : DecimalRanges) {
        for (const std::string& kind : DecimalKinds) {
            jobs.push_back([range, kind] {
                auto recipe = decimal::recipe(range, kind, " = ");
                const std::string name = range + " " + kind;
                if (!recipe)
                    return Outcome{name, 0, 0, 1, {"no rule"}};
                return conformance::runSets(name, *recipe, conformance::runSeed(),
                                            LinesPerGenerator,
                                            withKey(range, decimalCheck(range, kind, " = ")));
            });
        }
    }
    expectClean(conformance::runAll(jobs));
}

TEST_F(RulesAtScale, EveryCaseWithEachDivisorOption)
{
    SCOPED_TRACE(conformance::seedNote());
    std::vector<std::function<Outcome()>> jobs;
    for (int c = 1; c <= cases::CaseCount; ++c) {
        for (DivisorChoice option : Options) {
            jobs.push_back([c, option] {
                const auto recipe = cases::recipe(
                    c, [option] { return option; }, " = ");
                return conformance::runSets(
                    "case " + std::to_string(c) + " " + optionName(option), recipe,
                    conformance::runSeed(), LinesPerGenerator,
                    withKey(std::to_string(c), caseCheck(c, option, " = ")));
            });
        }
    }
    expectClean(conformance::runAll(jobs));
}

TEST_F(RulesAtScale, EveryWorksheetRowWithItsClosingWord)
{
    SCOPED_TRACE(conformance::seedNote());
    const std::vector<SheetRow> rows = sheetRows();
    ASSERT_EQ(rows.size(), 41u + 10u + 5u);

    // The dispatch knows exactly these worksheets, no more.
    std::set<std::pair<std::string, std::string>> wanted, known;
    for (const SheetRow& row : rows)
        wanted.insert({row.range, row.kind});
    for (const print::WorksheetRow& row : print::worksheetRows())
        known.insert({std::string(row.range), std::string(row.kind)});
    EXPECT_EQ(known, wanted);

    std::vector<std::function<Outcome()>> jobs;
    for (const SheetRow& row : rows) {
        const std::string closing = sheetClosing(row.range, row.kind);
        const bool isCase = row.kind.empty();
        for (DivisorChoice option : Options) {
            if (!isCase && option != DivisorChoice::Mixed)
                continue;
            jobs.push_back([row, closing, isCase, option] {
                LineCheck check;
                std::string name = "sheet " + row.range + " " + row.kind;
                if (isCase) {
                    check = caseCheck(std::stoi(row.range), option, closing);
                    name += optionName(option);
                } else if (row.range.rfind("dec", 0) == 0) {
                    check = decimalCheck(row.range, row.kind, closing);
                } else {
                    check = integerCheck(row.range, row.kind, closing);
                }
                return runSheets(name, row.range, row.kind, option, conformance::runSeed(),
                                 withKey(row.range, check));
            });
        }
    }
    expectClean(conformance::runAll(jobs), SheetsPerRow * LinesPerSheet);
}

TEST_F(RulesAtScale, NoLineIsWiderThanItsGeneratorsWidestAndOnlyMentalOnesOutgrowCentimetres)
{
    SCOPED_TRACE(conformance::seedNote());
    // Across an A4 sheet's grid of 1 cm squares 18 stay free (20 whole, one free at each
    // side). The multiplications and divisions by 10, 100 and 1000 are written on one line,
    // well over that; every other operation fits.
    constexpr int CentimetreColumns = 18;
    // Enough for about 1 in 25 lines of the narrowest refused kind to show it.
    constexpr long WidthLines = LinesPerGenerator / 5;
    const std::set<std::string> tooWide = {"dec999 x10", "dec999 :10", "dec9999 x10",
                                           "dec9999 :10"};
    std::vector<std::function<Outcome()>> jobs;
    for (const catalog::Generator& g : catalog::allGenerators()) {
        const std::string name =
            std::string(g.window->range) + (g.kind.empty() ? "" : " " + g.kind);
        const bool refused = tooWide.count(name) > 0;
        EXPECT_EQ(catalog::formFits(g, print::SheetForm::Squares10), !refused) << name;
        EXPECT_TRUE(catalog::formFits(g, print::SheetForm::Squares5)) << name;
        EXPECT_TRUE(catalog::formFits(g, print::SheetForm::Squares4)) << name;
        jobs.push_back([&g, name, refused] {
            const int widest = catalog::widestColumns(g);
            auto most = std::make_shared<int>(0);
            Outcome out = conformance::runSets(
                name, catalog::screenRecipe(g, {}), conformance::runSeed(), WidthLines,
                [&g, widest, most](int, const core::Operation& op) -> std::string {
                    const int columns = print::operationForm(op, *g.window, true).columns;
                    *most = std::max(*most, columns);
                    if (columns <= widest)
                        return {};
                    return std::to_string(columns) + " squares across, the widest said " +
                           std::to_string(widest);
                });
            // A refusal stands on lines that are really too wide.
            if (refused && *most <= CentimetreColumns) {
                ++out.faults;
                out.examples.push_back("never wider than " + std::to_string(*most) +
                                       " squares, yet refused");
            }
            return out;
        });
    }
    expectClean(conformance::runAll(jobs), WidthLines);
}

TEST_F(RulesAtScale, EveryOfferedLevelHoldsOnEveryLine)
{
    SCOPED_TRACE(conformance::seedNote());
    // Fewer lines than the rules' own run: every offered pair, about 200 of them.
    constexpr long LevelLines = 1000;
    std::vector<std::function<Outcome()>> jobs;
    const std::vector<conformance::LevelPair> pairs = conformance::offeredLevelPairs();
    for (const conformance::LevelPair& pair : pairs)
        jobs.push_back([&pair] {
            return conformance::runSets(pair.name,
                                        catalog::screenRecipe(*pair.generator, pair.options),
                                        conformance::runSeed(), LevelLines, pair.check);
        });
    EXPECT_GT(pairs.size(), 150u);
    expectClean(conformance::runAll(jobs), LevelLines);

    // The pairs refused as too rare, and those no level binds.
    const auto offered = [](const char* range, const char* kind, const char* option,
                            const char* value) {
        const catalog::GeneratorOption& o = *catalog::findOption(option);
        for (const catalog::Generator* g : catalog::generatorsOf(range))
            if (g->kind == kind)
                for (const catalog::OptionValue& v : o.values)
                    if (v.value == value)
                        return o.offered(*g, v.code);
        ADD_FAILURE() << range << " " << kind << " has no " << option << " " << value;
        return false;
    };
    EXPECT_FALSE(offered("999999", "+3", "cambi", "0"));
    EXPECT_FALSE(offered("999999", "m", "cambi", "0"));
    EXPECT_FALSE(offered("dec9999", "x", "cambi", "0"));
    EXPECT_FALSE(offered("dec9999", "x", "cambi", "1"));
    EXPECT_FALSE(offered("dec999", "x10", "cambi", "0"));
    EXPECT_FALSE(offered("dec999", ":10", "resto", "no"));
    EXPECT_FALSE(offered("999", "+2", "cambi", "zero"));
    EXPECT_FALSE(offered("999", "+2", "resto", "no"));
    EXPECT_FALSE(offered("3", "", "cambi", "1"));
    EXPECT_TRUE(offered("99999", "+3", "cambi", "0"));
    EXPECT_TRUE(offered("500", "m", "cambi", "zero"));
    EXPECT_TRUE(offered("2", "", "resto", "no"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "linechecks.h"

#include "decimalcheck.h"
#include "support/expected.h"
#include "support/linecheck.h"

#include <algorithm>

namespace conformance {

const std::vector<std::pair<std::string, Blocks>> MixedBlocks = {
    {"500", {{"+2", 2}, {"+3", 1}, {"-", 3}, {"x", 2}, {":3", 2}}},
    {"999", {{"+2", 2}, {"+3", 1}, {"-", 3}, {"x1", 1}, {"x2", 1}, {":", 2}}},
    {"9999", {{"+2", 2}, {"+3", 1}, {"-", 3}, {"x1", 1}, {"x2", 1}, {":", 2}}},
    {"99999",
     {{"+2", 1}, {"+3", 1}, {"-", 2}, {"x1", 1}, {"x2", 1}, {"x3", 1}, {":", 1}, {":2", 2}}},
    {"999999",
     {{"+2", 1}, {"+3", 1}, {"-", 2}, {"x1", 1}, {"x2", 1}, {"x3", 1}, {":", 1}, {":2", 2}}},
};

LineCheck integerCheck(const std::string& range, const std::string& kind,
                       const std::string& closing)
{
    if (kind == "m") {
        std::vector<const expected::Generator*> byPosition;
        for (const auto& [window, blocks] : MixedBlocks) {
            if (window != range)
                continue;
            for (const auto& [blockKind, size] : blocks)
                byPosition.insert(byPosition.end(), size, expected::find(range, blockKind));
        }
        return [byPosition, closing](int position, const core::Operation& line) -> std::string {
            if (byPosition.size() != 10 || byPosition[position] == nullptr)
                return "no expectation for this mixed set";
            std::string why;
            if (!expected::readOperation(*byPosition[position], line, closing, &why))
                return "line " + std::to_string(position + 1) + ": " + why;
            return {};
        };
    }
    const expected::Generator* g = expected::find(range, kind);
    return [g, closing](int, const core::Operation& line) -> std::string {
        std::string why;
        if (g == nullptr)
            return "no expectation";
        if (!expected::readOperation(*g, line, closing, &why))
            return why;
        return {};
    };
}

LineCheck decimalCheck(const std::string& range, const std::string& kind,
                       const std::string& closing)
{
    return [=](int, const core::Operation& line) {
        return conformance::checkDecimalOperation(range, kind, line, closing);
    };
}

LineCheck caseCheck(int caseNumber, cases::DivisorChoice choice, const std::string& closing)
{
    return [=](int, const core::Operation& line) {
        return conformance::checkCaseOperation(caseNumber, choice, line, closing);
    };
}

namespace {

// A number as a whole number of its own units and its places (12,50: 1250 and 2).
struct Scaled {
    __int128 units = 0;
    int places = 0;
};

Scaled scaled(const core::WrittenNumber& n)
{
    Scaled s;
    for (const char c : n.digits)
        s.units = s.units * 10 + (c - '0');
    s.places = n.decimals;
    return s;
}

__int128 power(int k)
{
    __int128 p = 1;
    while (k-- > 0)
        p *= 10;
    return p;
}

int digitCount(__int128 n)
{
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

// Carries of a column sum, counted from the values: place k carries when the addends' lower
// k + 1 places already reach 10^(k+1).
int sumChanges(const std::vector<__int128>& rows)
{
    __int128 total = 0;
    for (__int128 r : rows)
        total += r;
    int changes = 0;
    for (int k = 0; k < digitCount(total); ++k) {
        __int128 low = 0;
        for (__int128 r : rows)
            low += r % power(k + 1);
        changes += low >= power(k + 1) ? 1 : 0;
    }
    return changes;
}

// The cambi of a line, from its values alone; -1 for a division.
int cambiOf(const core::Operation& op)
{
    int places = 0;
    for (const core::WrittenNumber& n : op.operands)
        places = std::max(places, n.decimals);
    std::vector<__int128> values; // all at the same scale
    for (const core::WrittenNumber& n : op.operands) {
        const Scaled s = scaled(n);
        values.push_back(s.units * power(places - s.places));
    }
    switch (op.op) {
    case core::Operator::Plus:
        return sumChanges(values);
    case core::Operator::Minus: {
        // Place k receives a loan when the minuend's lower k + 1 places are the smaller.
        int changes = 0;
        for (int k = 0; k < digitCount(values[0]); ++k)
            changes += values[0] % power(k + 1) < values[1] % power(k + 1) ? 1 : 0;
        return changes;
    }
    case core::Operator::Times: {
        // The factors as whole numbers, as written.
        const __int128 a = scaled(op.operands[0]).units;
        const std::string& multiplier = op.operands[1].digits;
        int changes = 0;
        std::vector<__int128> rows;
        for (std::size_t i = 0; i < multiplier.size(); ++i) {
            const int d = multiplier[multiplier.size() - 1 - i] - '0';
            for (int k = 0; k < digitCount(a); ++k)
                changes += (a % power(k + 1)) * d >= power(k + 1) ? 1 : 0;
            rows.push_back(a * d * power(int(i)));
        }
        if (rows.size() > 1)
            changes += sumChanges(rows);
        return changes;
    }
    case core::Operator::Divide:
        break;
    }
    return -1;
}

// A loan that passes through a 0 of the minuend (one it writes or one it lacks).
bool throughZero(const core::Operation& op)
{
    const int places = std::max(op.operands[0].decimals, op.operands[1].decimals);
    const __int128 a = scaled(op.operands[0]).units * power(places - op.operands[0].decimals);
    const __int128 b = scaled(op.operands[1]).units * power(places - op.operands[1].decimals);
    for (int k = 1; k < digitCount(a); ++k)
        if ((a / power(k)) % 10 == 0 && a % power(k) < b % power(k))
            return true;
    return false;
}

bool exactDivision(const core::Operation& op, bool toHundredths)
{
    const Scaled a = scaled(op.operands[0]);
    const Scaled b = scaled(op.operands[1]);
    // a / b = (A / 10^pa) / (B / 10^pb); to the hundredths, 100 a / b must be whole.
    const __int128 numerator = a.units * power(b.places) * (toHundredths ? 100 : 1);
    const __int128 denominator = b.units * power(a.places);
    return numerator % denominator == 0;
}

} // namespace

LineCheck levelCheck(core::GeneratorOptions level, bool toHundredths, LineCheck rule)
{
    return [=](int position, const core::Operation& line) -> std::string {
        if (std::string why = rule(position, line); !why.empty())
            return why;
        if (line.op == core::Operator::Divide) {
            if (level.remainder == core::Remainder::Any)
                return {};
            return exactDivision(line, toHundredths) == (level.remainder == core::Remainder::None)
                       ? ""
                       : "the division's remainder misses its level";
        }
        switch (level.changes) {
        case core::Changes::Any:
            return {};
        case core::Changes::ThroughZero:
            return line.op != core::Operator::Minus || throughZero(line) ? ""
                                                                         : "no loan through a zero";
        case core::Changes::None:
            return cambiOf(line) == 0 ? "" : std::to_string(cambiOf(line)) + " cambi, not 0";
        case core::Changes::One:
            return cambiOf(line) == 1 ? "" : std::to_string(cambiOf(line)) + " cambi, not 1";
        case core::Changes::Several:
            return cambiOf(line) >= 2 ? "" : std::to_string(cambiOf(line)) + " cambi, not 2+";
        }
        return {};
    };
}

std::vector<LevelPair> offeredLevelPairs()
{
    const catalog::GeneratorOption& divisor = *catalog::findOption("divisore");
    std::vector<LevelPair> pairs;
    for (const catalog::Generator& g : catalog::allGenerators()) {
        const std::string range(g.window->range);
        const bool isCase = g.window->family == core::WindowFamily::Case;
        const bool isDecimal = g.window->family == core::WindowFamily::Decimal;
        for (const catalog::GeneratorOption& option : catalog::generatorOptions()) {
            if (!option.level)
                continue;
            for (const catalog::OptionValue& value : option.values) {
                if (value.value.empty() || !option.offered(g, value.code))
                    continue;
                for (const catalog::OptionValue& split : divisor.values) {
                    if (!isCase && split.value != "misto")
                        continue;
                    LevelPair pair;
                    pair.generator = &g;
                    divisor.set(pair.options, split.code);
                    option.set(pair.options, value.code);
                    if (isCase)
                        pair.written.emplace_back(divisor.name, split.value);
                    pair.written.emplace_back(option.name, value.value);
                    pair.name = range + " " + g.kind + " " + std::string(option.name) + "=" +
                                std::string(value.value) + " " + std::string(divisor.name) + "=" +
                                std::string(split.value);
                    const LineCheck rule =
                        isCase      ? caseCheck(std::stoi(range), pair.options.divisor, " = ")
                        : isDecimal ? decimalCheck(range, g.kind, " = ")
                                    : integerCheck(range, g.kind, " = ");
                    pair.check = levelCheck(pair.options, isCase, rule);
                    pairs.push_back(std::move(pair));
                }
            }
        }
    }
    return pairs;
}

} // namespace conformance

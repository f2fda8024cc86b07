// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/linecheck.h"

#include "support/lineparse.h"

#include <cmath>

namespace expected {

namespace {

std::optional<std::vector<int>> fail(std::string* why, const std::string& text)
{
    if (why)
        *why = text;
    return std::nullopt;
}

// The checks of both readers: the parts of a line, and each operand's value (nullopt where
// its text is no number).
std::optional<std::vector<int>> check(const Generator& g, const testsupport::ParsedLine* parsed,
                                      const std::vector<std::optional<double>>& operandValues,
                                      const std::string& closing, std::string* why)
{
    if (parsed->closing != closing)
        return fail(why, "closing word '" + parsed->closing + "'");
    if (parsed->op != g.op)
        return fail(why, "operator word '" + parsed->op + "'");
    if (parsed->operands.size() != g.operands.size())
        return fail(why, "operand count " + std::to_string(parsed->operands.size()));

    std::vector<int> values;
    values.reserve(g.operands.size());
    for (std::size_t i = 0; i < g.operands.size(); ++i) {
        const Operand& want = g.operands[i];
        const std::string& text = parsed->operands[i];
        // Written only for a fault: the conformance run reads millions of good lines.
        const auto which = [&] { return "operand " + std::to_string(i + 1) + " '" + text + "'"; };
        if (want.grouped ? !testsupport::isGroupedWhole(text) : !testsupport::isPlain(text))
            return fail(why, which() + (want.grouped ? " not grouped" : " not plain"));
        const auto& value = operandValues[i];
        if (!value || *value != std::floor(*value))
            return fail(why, which() + " not a whole number");
        const int v = static_cast<int>(*value);
        if (v < want.lo || v > want.hi)
            return fail(why, which() + " outside " + std::to_string(want.lo) + ".." +
                                 std::to_string(want.hi));
        if (want.noZeroEnd && v % 10 == 0)
            return fail(why, which() + " ends in 0");
        values.push_back(v);
    }

    const long long range = rangeValue(g.range);
    const long long a = values[0];
    const long long b = values[1];
    const long long c = values.size() > 2 ? values[2] : 0;
    if (g.op == " + " && a + b + c > range)
        return fail(why, "sum above the range");
    if (g.op == " - " && b > a)
        return fail(why, "subtrahend above the minuend");
    if (g.op == " x " && a * b > range)
        return fail(why, "product above the range");
    if (g.op == " : " && a < b)
        return fail(why, "dividend below the divisor");
    if (g.oneAbove != 0) {
        bool any = false;
        for (int v : values)
            any = any || v > g.oneAbove;
        if (!any)
            return fail(why, "no operand above " + std::to_string(g.oneAbove));
    }
    return values;
}

} // namespace

std::optional<std::vector<int>> readLine(const Generator& g, const std::string& line,
                                         const std::string& closing, std::string* why)
{
    const auto parsed = testsupport::parseLine(line);
    if (!parsed)
        return fail(why, "not an exercise line");
    std::vector<std::optional<double>> values;
    for (const std::string& text : parsed->operands)
        values.push_back(testsupport::italianValue(text));
    return check(g, &*parsed, values, closing, why);
}

std::optional<std::vector<int>> readOperation(const Generator& g, const core::Operation& operation,
                                              const std::string& closing, std::string* why)
{
    const testsupport::ParsedLine parts = testsupport::partsOf(operation);
    std::vector<std::optional<double>> values;
    for (const core::WrittenNumber& n : operation.operands)
        values.push_back(testsupport::valueOf(n));
    return check(g, &parts, values, closing, why);
}

} // namespace expected

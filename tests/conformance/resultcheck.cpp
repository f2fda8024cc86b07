// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultcheck.h"

#include "core/result.h"
#include "support/lineparse.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace conformance {

namespace {

// Wide enough for a product of two operands and a shift by powers of ten.
using Wide = __int128;

struct Value {
    Wide units = 0;
    int decimals = 0;
};

Wide pow10(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool equal(const Value& a, const Value& b)
{
    const int at = std::max(a.decimals, b.decimals);
    return a.units * pow10(at - a.decimals) == b.units * pow10(at - b.decimals);
}

Value add(const Value& a, const Value& b, int sign)
{
    const int at = std::max(a.decimals, b.decimals);
    return {a.units * pow10(at - a.decimals) + sign * b.units * pow10(at - b.decimals), at};
}

Value times(const Value& a, const Value& b)
{
    return {a.units * b.units, a.decimals + b.decimals};
}

bool below(const Value& a, const Value& b)
{
    const Value d = add(b, a, -1);
    return d.units > 0;
}

// A result number in its window's form: grouped by thousands or plain, no trailing zero
// after the comma.
std::optional<Value> readNumber(std::string_view text, bool points, std::string* why)
{
    const std::string_view whole = text.substr(0, text.find(','));
    const std::string_view decimals = text.substr(whole.size());
    const bool formOk = points ? testsupport::isGroupedWhole(whole) &&
                                     (whole.size() == 1 || whole[0] != '0') &&
                                     (decimals.empty() || decimals.back() != '0')
                               : testsupport::isPlain(text);
    const auto value = testsupport::exactValue(text);
    if (!formOk || !value) {
        *why =
            "result '" + std::string(text) + "' is not written " + (points ? "grouped" : "plain");
        return std::nullopt;
    }
    return Value{value->units, value->decimals};
}

} // namespace

std::string checkResult(const std::string& range, const std::string& line)
{
    const auto style = core::resultStyle(range);
    if (!style)
        return "no result style for " + range;
    const auto produced = core::lineResult(line, *style);
    if (!produced)
        return "no result";
    const auto parsed = testsupport::parseLine(line);
    if (!parsed)
        return "not an exercise line";
    std::vector<Value> operands;
    for (const std::string& text : parsed->operands) {
        const auto v = testsupport::exactValue(text);
        if (!v)
            return "'" + text + "' is not a number";
        operands.push_back({v->units, v->decimals});
    }
    const Value& a = operands[0];
    const Value& b = operands[1];

    // Thousands points in the integer windows from 9.999 on and the decimal one within 9.999.
    const bool points =
        range == "9999" || range == "99999" || range == "999999" || range == "dec9999";
    const bool caseWindow = range.size() == 1;
    const bool integerWindow = !caseWindow && range.rfind("dec", 0) != 0;

    std::string_view text = *produced;
    constexpr std::string_view Ellipsis = "…";
    const bool cut = text.size() > Ellipsis.size() && text.ends_with(Ellipsis);
    if (cut)
        text.remove_suffix(Ellipsis.size());
    std::string_view remainderText;
    if (const auto at = text.find(" resto "); at != std::string_view::npos) {
        remainderText = text.substr(at + 7);
        text = text.substr(0, at);
    }
    if ((cut && !(caseWindow && parsed->op == " : ")) ||
        (!remainderText.empty() && !(integerWindow && parsed->op == " : ")))
        return "result '" + *produced + "' has a form its line cannot have";

    std::string why;
    const auto r = readNumber(text, points, &why);
    if (!r)
        return why;
    const auto wrong = [&] { return "wrong result '" + *produced + "'"; };

    if (parsed->op == " + ") {
        Value s;
        for (const Value& v : operands)
            s = add(s, v, 1);
        return equal(s, *r) ? "" : wrong();
    }
    if (parsed->op == " - ")
        return equal(add(a, b, -1), *r) ? "" : wrong();
    if (parsed->op == " x ")
        return equal(times(a, b), *r) ? "" : wrong();

    if (integerWindow) {
        // a = b x q + r with a whole q and 0 <= r < b; "resto" only for r > 0.
        Value rest;
        if (!remainderText.empty()) {
            const auto v = readNumber(remainderText, points, &why);
            if (!v)
                return why;
            if (v->units == 0)
                return "remainder 0 written out";
            rest = *v;
        }
        if (r->decimals != 0 || !below(rest, b))
            return wrong();
        return equal(add(times(b, *r), rest, 1), a) ? "" : wrong();
    }
    if (!caseWindow)
        return equal(times(b, *r), a) ? "" : wrong();
    // The hundredths of a / b cut short: floor(100 a / b), "…" when a / b has more digits.
    const Wide numerator = 100 * a.units * pow10(b.decimals);
    const Wide denominator = b.units * pow10(a.decimals);
    if (denominator == 0)
        return "division by zero";
    const Value hundredths{numerator / denominator, 2};
    if (r->decimals > 2 || !equal(*r, hundredths))
        return wrong();
    if (cut != (numerator % denominator != 0))
        return cut ? "'…' after an exact quotient" : "'…' missing";
    return {};
}

} // namespace conformance

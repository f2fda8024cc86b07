// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimalcheck.h"

#include "support/lineparse.h"

#include <cmath>
#include <optional>
#include <vector>

namespace conformance {

namespace {

using testsupport::decimalsOf;
using testsupport::isGroupedWhole;
using testsupport::isPlain;

// One operand as written, with its value in thousandths so that bounds, sums and products
// are compared without binary noise.
struct Number {
    std::string text;
    long long milli = 0;
    int decimals = 0;

    std::string integerPart() const { return text.substr(0, text.find(',')); }
    std::string decimalPart() const
    {
        const auto comma = text.find(',');
        return comma == std::string::npos ? std::string() : text.substr(comma + 1);
    }
    bool whole() const { return decimals == 0; }
};

struct Reading {
    std::vector<Number> operands;
    std::string fault;
};

// A line's parts and its operands' values, from its text or from an operation's data;
// nullopt for a text that is no exercise line.
struct Parts {
    testsupport::ParsedLine parsed;
    std::vector<std::optional<double>> values;
};

std::optional<Parts> partsOfLine(const std::string& line)
{
    auto parsed = testsupport::parseLine(line);
    if (!parsed)
        return std::nullopt;
    Parts parts{std::move(*parsed), {}};
    for (const std::string& text : parts.parsed.operands)
        parts.values.push_back(testsupport::italianValue(text));
    return parts;
}

std::optional<Parts> partsOfOperation(const core::Operation& operation)
{
    Parts parts{testsupport::partsOf(operation), {}};
    for (const core::WrittenNumber& n : operation.operands)
        parts.values.push_back(testsupport::valueOf(n));
    return parts;
}

Reading read(const std::optional<Parts>& parts, const std::string& op, std::size_t minCount,
             std::size_t maxCount, const std::string& closing)
{
    Reading r;
    if (!parts) {
        r.fault = "not an exercise line";
        return r;
    }
    const testsupport::ParsedLine* parsed = &parts->parsed;
    if (parsed->closing != closing)
        r.fault = "closing word '" + parsed->closing + "'";
    else if (parsed->op != op)
        r.fault = "operator word '" + parsed->op + "'";
    else if (parsed->operands.size() < minCount || parsed->operands.size() > maxCount)
        r.fault = "operand count " + std::to_string(parsed->operands.size());
    if (!r.fault.empty())
        return r;
    for (std::size_t i = 0; i < parsed->operands.size(); ++i) {
        const std::string& text = parsed->operands[i];
        const auto& value = parts->values[i];
        if (!value) {
            r.fault = "'" + text + "' is not a number";
            return r;
        }
        r.operands.push_back({text, std::llround(*value * 1000), decimalsOf(text)});
    }
    return r;
}

// Milli-units for a whole bound, to keep the comparisons below readable.
constexpr long long U(double units)
{
    return static_cast<long long>(units * 1000 + (units < 0 ? -0.5 : 0.5));
}

// The written power of ten: 10, 100, and 1000 as "1.000"; 0 for anything else.
int powerOf(const std::string& text)
{
    if (text == "10")
        return 10;
    if (text == "100")
        return 100;
    if (text == "1.000")
        return 1000;
    return 0;
}

std::string bad(const Number& n, const char* why)
{
    return "'" + n.text + "' " + why;
}

// Integer part grouped, one to three decimals without a trailing zero: 1.234,56.
bool isGroupedWithDecimals(const Number& n)
{
    const std::string d = n.decimalPart();
    return isGroupedWhole(n.integerPart()) && !d.empty() && d.size() <= 3 && d.back() != '0';
}

std::string addSub999(const Reading& r, bool addition)
{
    const Number& a = r.operands[0];
    const Number& b = r.operands[1];
    if (!isPlain(a.text) || !isPlain(b.text))
        return "operands not plain";
    if (a.decimals > 2)
        return bad(a, "has more than 2 decimals");
    if (b.decimals > 3)
        return bad(b, "has more than 3 decimals");
    // An integer part below 999 (or 9) plus a rounded sine below 0,85, or 1 with no places.
    for (const Number* n : {&a, &b}) {
        if (n->milli <= 0 || n->milli > U(999))
            return bad(*n, "outside 0..999");
    }
    if (addition && a.milli + b.milli >= U(1000))
        return "sum not below 1.000";
    if (!addition && a.milli <= b.milli)
        return "minuend not above the subtrahend";
    return {};
}

std::string sub9999(const Reading& r)
{
    const Number& a = r.operands[0];
    const Number& b = r.operands[1];
    if (!isGroupedWithDecimals(a) || a.text.find('.') == std::string::npos)
        return bad(a, "is not grouped with decimals");
    if (a.milli <= U(1000) || a.milli >= U(9999))
        return bad(a, "outside 1.000..9.999");
    if (!isPlain(b.text) || b.decimals > 2)
        return bad(b, "is not plain with up to 2 decimals");
    if (b.milli <= U(100) || b.milli > U(999))
        return bad(b, "outside 100..999");
    return {};
}

std::string add9999(const Reading& r)
{
    long long sum = 0;
    for (const Number& q : r.operands) {
        const std::string whole = q.integerPart();
        const std::string decimals = q.decimalPart();
        if (!isGroupedWhole(whole) || (whole.size() > 1 && whole[0] == '0'))
            return bad(q, "integer part not grouped");
        if (q.text.find(',') != std::string::npos && decimals.empty())
            return bad(q, "ends in a comma");
        // Decimals are the digits of a number below 1.000, written without leading zeros.
        if (decimals.size() > 3 || (!decimals.empty() && decimals[0] == '0'))
            return bad(q, "has wrong decimals");
        if (whole == "0" && decimals.empty())
            return bad(q, "is zero");
        if (q.milli >= U(9999))
            return bad(q, "above 9.999");
        sum += q.milli;
    }
    if (sum >= U(10000))
        return "sum not below 10.000";
    return {};
}

std::string mul999(const Reading& r)
{
    const Number& a = r.operands[0];
    const Number& b = r.operands[1];
    if (!isPlain(a.text) || !isPlain(b.text))
        return "operands not plain";
    if (a.decimals < 1 || a.decimals > 2 || a.milli < U(1.02) || a.milli > U(98.84))
        return bad(a, "outside 1,02..98,84 with 1 or 2 decimals");
    if (b.decimals != 1 || b.milli < U(1.1) || b.milli > U(8.8) || b.text.back() == '9')
        return bad(b, "not 1,1..8,8 with one decimal from 1 to 8");
    if (a.milli * b.milli >= U(1000) * 1000)
        return "product not below 1.000";
    return {};
}

std::string mul9999(const Reading& r)
{
    const Number& a = r.operands[0];
    const Number& b = r.operands[1];
    if (!isPlain(a.text) || !isPlain(b.text))
        return "operands not plain";
    const bool lowBand = a.milli > U(10) && a.milli < U(100) && a.decimals >= 1 && a.decimals <= 2;
    const bool highBand = a.milli > U(100) && a.milli < U(1000) && a.decimals == 1;
    if (!lowBand && !highBand)
        return bad(a, "outside both multiplicand bands");
    if (b.whole()) {
        if (b.milli < U(101) || b.milli > U(999) || (b.milli / 1000) % 10 == 0)
            return bad(b, "not a whole 101..999 without a final 0");
    } else {
        if (b.decimals != 1 || b.milli <= U(10) || b.milli >= U(100))
            return bad(b, "outside 10..100 with one decimal");
        // Rounded to a whole number, a tie going to the even one, it must not end in 0.
        long long rounded = b.milli / 1000;
        const long long rest = b.milli % 1000;
        if (rest > 500 || (rest == 500 && rounded % 2 == 1))
            ++rounded;
        if (rounded % 10 == 0)
            return bad(b, "rounds to a multiple of 10");
    }
    if (a.milli * b.milli >= U(10000) * 1000)
        return "product not below 10.000";
    return {};
}

std::string mulPower(const Reading& r, bool within9999)
{
    const Number& a = r.operands[0];
    const int m = powerOf(r.operands[1].text);
    if (m == 0)
        return bad(r.operands[1], "is not a written power of ten");
    if (!isPlain(a.text) || a.decimals > 3)
        return bad(a, "not plain with up to 3 decimals");
    if (a.milli <= 1)
        return bad(a, "not above 0,001");
    if (a.milli * m >= U(10000))
        return "product not below 10.000";
    if (within9999 && a.milli * m <= U(100))
        return "product not above 100";
    return {};
}

std::string divPower999(const Reading& r)
{
    const Number& a = r.operands[0];
    if (!isPlain(a.text))
        return bad(a, "not plain");
    switch (powerOf(r.operands[1].text)) {
    case 10:
        if (a.decimals > 2 || a.milli <= U(0.01) || a.milli >= U(9))
            return bad(a, "not a dividend for 10");
        return {};
    case 100:
        if (a.decimals > 1 || a.milli < U(10) || a.milli >= U(510))
            return bad(a, "not a dividend for 100");
        return {};
    case 1000:
        // Whole and never grouped, even from 1000 on.
        if (!a.whole() || a.milli < U(100) || a.milli > U(10098))
            return bad(a, "not a whole dividend 100..10098");
        return {};
    default:
        return bad(r.operands[1], "is not a written power of ten");
    }
}

std::string divPower9999(const Reading& r)
{
    const Number& a = r.operands[0];
    if (powerOf(r.operands[1].text) == 0)
        return bad(r.operands[1], "is not a written power of ten");
    if (!isGroupedWithDecimals(a))
        return bad(a, "not grouped with decimals");
    if (a.milli < U(100) || a.milli >= U(10099))
        return bad(a, "outside 100..10.099");
    return {};
}

// Whole divisors: 2 to 8 or 12 to 98 (cases I, II), 2 to 9 or 11 to 99 (case V), never a
// multiple of 10.
bool wholeDivisor(const Number& v, cases::DivisorChoice choice, int oneHi, int twoLo, int twoHi)
{
    if (!v.whole() || !isPlain(v.text))
        return false;
    const long long n = v.milli / 1000;
    const bool one = n >= 2 && n <= oneHi;
    const bool two = n >= twoLo && n <= twoHi && n % 10 != 0;
    switch (choice) {
    case cases::DivisorChoice::OneDigit:
        return one;
    case cases::DivisorChoice::TwoDigits:
        return two;
    case cases::DivisorChoice::Mixed:
        return one || two;
    }
    return false;
}

// Decimal divisors of cases III and IV, as written: 0,n or 0,0n (one digit), n,q (two).
bool decimalDivisor(const std::string& t, cases::DivisorChoice choice)
{
    auto digit = [](char c, char lo, char hi) { return c >= lo && c <= hi; };
    const bool one = (t.size() == 3 && t.compare(0, 2, "0,") == 0 && digit(t[2], '2', '8')) ||
                     (t.size() == 4 && t.compare(0, 3, "0,0") == 0 && digit(t[3], '2', '8'));
    const bool two = t.size() == 3 && digit(t[0], '2', '8') && t[1] == ',' && digit(t[2], '1', '9');
    switch (choice) {
    case cases::DivisorChoice::OneDigit:
        return one;
    case cases::DivisorChoice::TwoDigits:
        return two;
    case cases::DivisorChoice::Mixed:
        return one || two;
    }
    return false;
}

} // namespace

namespace {

std::string checkDecimal(const std::string& range, const std::string& kind,
                         const std::optional<Parts>& line, const std::string& closing)
{
    const bool within999 = range == "dec999";
    if (!within999 && range != "dec9999")
        return "unknown range " + range;
    const std::string op = kind == "+"                    ? " + "
                           : kind == "-"                  ? " - "
                           : kind == "x" || kind == "x10" ? " x "
                                                          : " : ";
    const std::size_t maxCount = kind == "+" && !within999 ? 3 : 2;
    const Reading r = read(line, op, 2, maxCount, closing);
    if (!r.fault.empty())
        return r.fault;
    if (kind == "+")
        return within999 ? addSub999(r, true) : add9999(r);
    if (kind == "-")
        return within999 ? addSub999(r, false) : sub9999(r);
    if (kind == "x")
        return within999 ? mul999(r) : mul9999(r);
    if (kind == "x10")
        return mulPower(r, !within999);
    if (kind == ":10")
        return within999 ? divPower999(r) : divPower9999(r);
    return "unknown kind " + kind;
}

std::string checkCase(int caseNumber, cases::DivisorChoice choice, const std::optional<Parts>& line,
                      const std::string& closing)
{
    const Reading r = read(line, " : ", 2, 2, closing);
    if (!r.fault.empty())
        return r.fault;
    const Number& a = r.operands[0];
    const Number& v = r.operands[1];
    // Every number of a case line is plain, also from 1000 on.
    if (!isPlain(a.text) || !isPlain(v.text))
        return "operands not plain";
    if ((caseNumber == 1 || caseNumber == 2 || caseNumber == 4) && a.whole())
        return bad(a, "is a whole dividend where a decimal one is promised");
    switch (caseNumber) {
    case 1:
        if (!wholeDivisor(v, choice, 8, 12, 98))
            return bad(v, "is not a divisor of case I");
        if (a.decimals > 3 || a.milli < U(1) || a.milli >= U(10000) || a.milli <= v.milli)
            return bad(a, "is not a dividend of case I");
        return {};
    case 2:
        if (!wholeDivisor(v, choice, 8, 12, 98))
            return bad(v, "is not a divisor of case II");
        if (a.decimals > 3 || a.milli < U(1) || a.milli >= v.milli)
            return bad(a, "is not a dividend below the divisor");
        if (v.milli <= U(8) && a.milli >= U(8))
            return bad(a, "is not below 8 with a one-digit divisor");
        return {};
    case 3:
        if (!decimalDivisor(v.text, choice))
            return bad(v, "is not a divisor of case III");
        if (!a.whole() || a.milli < U(12) || a.milli > U(9998) || (a.milli / 1000) % 10 == 0)
            return bad(a, "is not a whole dividend 12..9998 without a final 0");
        return {};
    case 4:
        if (!decimalDivisor(v.text, choice))
            return bad(v, "is not a divisor of case IV");
        if (a.decimals > 3 || a.milli < U(1) || a.milli >= U(1000) || a.milli <= v.milli)
            return bad(a, "is not a dividend of case IV");
        return {};
    case 5: {
        if (!wholeDivisor(v, choice, 9, 11, 99))
            return bad(v, "is not a divisor of case V");
        if (!a.whole() || a.milli < U(1) || a.milli > U(99))
            return bad(a, "is not a whole dividend 1..99");
        if ((a.milli / 1000) % (v.milli / 1000) == 0)
            return "the division comes out whole";
        return {};
    }
    default:
        return "unknown case " + std::to_string(caseNumber);
    }
}

} // namespace

std::string checkDecimalLine(const std::string& range, const std::string& kind,
                             const std::string& line, const std::string& closing)
{
    return checkDecimal(range, kind, partsOfLine(line), closing);
}

std::string checkDecimalOperation(const std::string& range, const std::string& kind,
                                  const core::Operation& operation, const std::string& closing)
{
    return checkDecimal(range, kind, partsOfOperation(operation), closing);
}

std::string checkCaseLine(int caseNumber, cases::DivisorChoice choice, const std::string& line,
                          const std::string& closing)
{
    return checkCase(caseNumber, choice, partsOfLine(line), closing);
}

std::string checkCaseOperation(int caseNumber, cases::DivisorChoice choice,
                               const core::Operation& operation, const std::string& closing)
{
    return checkCase(caseNumber, choice, partsOfOperation(operation), closing);
}

} // namespace conformance

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/cases/rules.h"

#include "engine/numbers/numberformat.h"
#include "engine/numbers/operation.h"
#include "engine/rules/random.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace cases {

namespace {

using core::below;
using core::fromOne;
using core::RandomSource;

using Result = std::optional<core::Operation>;

// The divisor's digit count for one attempt, from the selection as it is at that moment.
// "Misto" draws it, so where this is called inside an attempt changes the draws after it.
int takeDigits(const DivisorChoiceSource& choice, RandomSource& rng)
{
    switch (choice()) {
    case DivisorChoice::OneDigit:
        return 1;
    case DivisorChoice::TwoDigits:
        return 2;
    case DivisorChoice::Mixed:
        return fromOne(rng, 2);
    }
    return 1;
}

// The largest whole number of that many digits: 9, 99, 999, 9999. The dividends' whole
// parts are drawn up to it.
constexpr int largestOf(int digits)
{
    int n = 0;
    for (; digits > 0; --digits)
        n = n * 10 + 9;
    return n;
}

// Case III: the whole dividend, below 9999, must exceed this.
constexpr int WholeDividendFloor = 11;

// A whole divisor of one or two digits: the draw's bound and the floor it must exceed.
struct WholeDivisorRow {
    int bound;
    int floor;
};

// Cases I and II draw "below bound", case V "from 1 to bound"; hence the different floors.
constexpr WholeDivisorRow BelowDivisor[] = {{9, 1}, {99, 11}};
constexpr WholeDivisorRow FromOneDivisor[] = {{9, 1}, {99, 10}};

// The decimal divisor of cases III and IV. n is kept because the acceptance tests look at it.
struct DecimalDivisor {
    int n;
    float v;
};

DecimalDivisor decimalDivisor(int digits, RandomSource& rng)
{
    const int n = below(rng, 9);
    if (digits == 1) {
        const int e = fromOne(rng, 2);
        return {n, static_cast<float>(e == 1 ? n / 10.0 : n / 100.0)};
    }
    const double q = fromOne(rng, 9) / 10.0;
    return {n, static_cast<float>(n + q)};
}

// Always true for the divisors above; tested all the same, as the rule states it.
bool withinDigitBound(const DecimalDivisor& d, int digits)
{
    return d.v < (digits == 1 ? 1.0f : 10.0f);
}

core::Operation division(const core::WrittenNumber& dividend, const core::WrittenNumber& divisor,
                         const std::string& closing)
{
    return core::operation(core::Operator::Divide, {dividend, divisor}, closing);
}

// Cases I, II and IV promise a decimal dividend; when the rounded sine comes out 0 the
// dividend would be written as a whole number, and the attempt is rejected.
bool hasDecimalComma(const core::WrittenNumber& written)
{
    return written.decimals > 0;
}

// Case I: decimal dividend, whole divisor.
Result caseOne(RandomSource& rng, const DivisorChoiceSource& choice, const std::string& closing)
{
    const int s = fromOne(rng, 3);
    // Size class 1, 2 or 3: a whole part of up to 2, 3 or 4 digits.
    const int p = fromOne(rng, largestOf(s + 1));
    const int digits = takeDigits(choice, rng);
    const WholeDivisorRow& row = BelowDivisor[digits - 1];
    const int v = below(rng, row.bound);
    const int d = fromOne(rng, 3);
    const double a = core::roundedSine(rng, d) + p;
    const core::WrittenNumber dividend = core::plain(a);
    if (!(v > row.floor && a > v && v % 10 != 0 && hasDecimalComma(dividend)))
        return std::nullopt;
    // Every divisor is held in single precision, the whole ones too.
    return division(dividend, core::plain(static_cast<float>(v)), closing);
}

// Case II: decimal dividend below the whole divisor.
Result caseTwo(RandomSource& rng, const DivisorChoiceSource& choice, const std::string& closing)
{
    const int digits = takeDigits(choice, rng);
    const WholeDivisorRow& row = BelowDivisor[digits - 1];
    const int v = below(rng, row.bound);
    const int w = digits == 1 ? 1 : fromOne(rng, 2);
    const int p = fromOne(rng, largestOf(w));
    // The sine comes before its number of places here, unlike the other cases.
    const double sine = std::sin(rng.next());
    const int d = fromOne(rng, 3);
    const double a = core::roundHalfEven(sine, d) + p;
    const core::WrittenNumber dividend = core::plain(a);
    if (!(d > 1 && v > row.floor && a < v && v % 10 != 0 && hasDecimalComma(dividend)))
        return std::nullopt;
    // Every divisor is held in single precision, the whole ones too.
    return division(dividend, core::plain(static_cast<float>(v)), closing);
}

// Case III: whole dividend, decimal divisor.
Result caseThree(RandomSource& rng, const DivisorChoiceSource& choice, const std::string& closing)
{
    const int digits = takeDigits(choice, rng);
    const DecimalDivisor divisor = decimalDivisor(digits, rng);
    const int a = below(rng, largestOf(4));
    if (!(divisor.n > 1 && a > WholeDividendFloor && a % 10 != 0 &&
          withinDigitBound(divisor, digits) && a > divisor.v))
        return std::nullopt;
    return division(core::plain(a), core::plain(divisor.v), closing);
}

// Case IV: decimal dividend, decimal divisor; the digit count is taken after the dividend.
Result caseFour(RandomSource& rng, const DivisorChoiceSource& choice, const std::string& closing)
{
    const int c = fromOne(rng, 2);
    // Class 1 or 2: a whole part of up to 2 or 3 digits.
    const int p = fromOne(rng, largestOf(c + 1));
    const int d = fromOne(rng, 3);
    const double a = core::roundedSine(rng, d) + p;
    const int digits = takeDigits(choice, rng);
    const DecimalDivisor divisor = decimalDivisor(digits, rng);
    // Compared in the divisor's single precision: 5.6f lies just below 5.6, and a double
    // comparison would let "5,6 : 5,6" through.
    const core::WrittenNumber dividend = core::plain(a);
    if (!(divisor.n > 1 && static_cast<float>(a) > divisor.v && withinDigitBound(divisor, digits) &&
          hasDecimalComma(dividend)))
        return std::nullopt;
    return division(dividend, core::plain(divisor.v), closing);
}

// Case V: whole dividend and divisor whose quotient is never whole.
Result caseFive(RandomSource& rng, const DivisorChoiceSource& choice, const std::string& closing)
{
    const int digits = takeDigits(choice, rng);
    const WholeDivisorRow& row = FromOneDivisor[digits - 1];
    const int v = fromOne(rng, row.bound);
    const int a = fromOne(rng, largestOf(2));
    if (!(a % v != 0 && v % 10 != 0 && v > row.floor))
        return std::nullopt;
    return division(core::plain(a), core::plain(static_cast<float>(v)), closing);
}

using CaseRule = Result (*)(RandomSource&, const DivisorChoiceSource&, const std::string&);

constexpr CaseRule Rules[CaseCount] = {caseOne, caseTwo, caseThree, caseFour, caseFive};

} // namespace

core::Recipe recipe(int caseNumber, DivisorChoiceSource choice, std::string_view closing)
{
    if (caseNumber < 1 || caseNumber > CaseCount)
        throw std::out_of_range("division case must be 1 to 5");
    const CaseRule rule = Rules[caseNumber - 1];
    return core::singleKind([rule, choice = std::move(choice), closing = std::string(closing)](
                                RandomSource& rng) { return rule(rng, choice, closing); });
}

std::vector<core::Operation> widestOperations(int caseNumber)
{
    // The largest dividend with its most places by the divisor that makes the longest
    // quotient; the divisors' own widths (two digits, or "0,07" with two places moved) are
    // never wider than the room the quotient keeps under them.
    const auto divide = [](const core::WrittenNumber& a, const core::WrittenNumber& b) {
        return std::vector<core::Operation>{division(a, b, "")};
    };
    const int smallestWhole = BelowDivisor[0].floor + 1;
    switch (caseNumber) {
    case 1: // up to 9999,999 by 2
        return divide(core::plain(largestOf(4) + 0.999), core::plain(smallestWhole));
    case 2: // the dividend below the divisor, up to 98: 97,999 : 98
        return divide(core::plain(BelowDivisor[1].bound - 2 + 0.999),
                      core::plain(BelowDivisor[1].bound - 1));
    case 3: // up to 9998 by 0,02
        return divide(core::plain(largestOf(4) - 1), core::plain(0.02));
    case 4: // up to 999,999 by 0,02
        return divide(core::plain(largestOf(3) + 0.999), core::plain(0.02));
    case 5: // up to 99 by 2
        return divide(core::plain(largestOf(2)), core::plain(FromOneDivisor[0].floor + 1));
    }
    return {};
}

} // namespace cases

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/steps.h"

#include "engine/numbers/numberformat.h"

#include <algorithm>
#include <string_view>

namespace core {

namespace {

// Longer digit strings could overflow the 64-bit arithmetic below.
constexpr std::size_t MaxDigits = 18;

} // namespace

std::optional<std::vector<int>> additionCarries(const Operation& operation)
{
    if (operation.op != Operator::Plus || operation.operands.empty())
        return std::nullopt;
    int whole = 0;
    int decimals = 0;
    std::vector<std::string> digits;
    for (const WrittenNumber& n : operation.operands) {
        digits.push_back(n.digits);
        whole = std::max(whole, static_cast<int>(digits.back().size()) - n.decimals);
        decimals = std::max(decimals, n.decimals);
    }
    const int places = whole + decimals;
    std::vector<int> carries(std::size_t(places), 0);
    int carry = 0;
    for (int k = 0; k < places; ++k) {
        carries[std::size_t(k)] = carry;
        int sum = carry;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            // Place k of operand i, counted from its last digit after aligning the commas.
            const int fromRight = k - (decimals - operation.operands[i].decimals);
            const int size = static_cast<int>(digits[i].size());
            if (fromRight >= 0 && fromRight < size)
                sum += digits[i][std::size_t(size - 1 - fromRight)] - '0';
        }
        carry = sum / 10;
    }
    return carries;
}

namespace {

// The places of a column addition of these digit rows, right-aligned, that make 10 or more
// with what they receive, the leftmost included.
int columnChanges(const std::vector<std::string>& rows)
{
    std::size_t places = 0;
    for (const std::string& row : rows)
        places = std::max(places, row.size());
    int changes = 0;
    int carry = 0;
    for (std::size_t k = 0; k < places; ++k) {
        int sum = carry;
        for (const std::string& row : rows)
            if (k < row.size())
                sum += row[row.size() - 1 - k] - '0';
        changes += sum >= 10 ? 1 : 0;
        carry = sum / 10;
    }
    return changes;
}

// The places of the multiplicand times one digit that reach 10 with what they receive.
int productChanges(const std::string& multiplicand, int digit)
{
    int changes = 0;
    int carry = 0;
    for (std::size_t k = multiplicand.size(); k-- > 0;) {
        const int product = (multiplicand[k] - '0') * digit + carry;
        changes += product >= 10 ? 1 : 0;
        carry = product / 10;
    }
    return changes;
}

} // namespace

std::optional<int> changesOf(const Operation& operation)
{
    switch (operation.op) {
    case Operator::Plus: {
        // The addends aligned on the comma: the shorter fractions filled with zeros.
        int decimals = 0;
        for (const WrittenNumber& n : operation.operands)
            decimals = std::max(decimals, n.decimals);
        std::vector<std::string> rows;
        for (const WrittenNumber& n : operation.operands)
            rows.push_back(n.digits + std::string(std::size_t(decimals - n.decimals), '0'));
        return columnChanges(rows);
    }
    case Operator::Minus: {
        const auto places = subtractionBorrows(operation);
        if (!places)
            return std::nullopt;
        // A 0 that passes a loan on receives ten as well: struck with 9 above it, it is
        // smaller than any subtrahend digit once it has lent.
        return static_cast<int>(
            std::count_if(places->begin(), places->end(), [](const BorrowPlace& p) {
                return p.receives || (p.lends && p.becomes == 9);
            }));
    }
    case Operator::Times: {
        if (operation.operands.size() != 2)
            return std::nullopt;
        const std::string& multiplicand = operation.operands[0].digits;
        const std::string& multiplier = operation.operands[1].digits;
        int changes = 0;
        for (const char d : multiplier)
            changes += productChanges(multiplicand, d - '0');
        if (multiplier.size() > 1) {
            const auto rows = partialProducts(operation);
            if (!rows)
                return std::nullopt;
            std::vector<std::string> shifted;
            for (std::size_t i = 0; i < rows->size(); ++i)
                shifted.push_back(std::to_string((*rows)[i].value) + std::string(i, '0'));
            changes += columnChanges(shifted);
        }
        return changes;
    }
    case Operator::Divide:
        break;
    }
    return std::nullopt;
}

bool borrowsThroughZero(const Operation& operation)
{
    const auto places = subtractionBorrows(operation);
    // Only a 0 passes a loan on, and then it is struck with 9 above it.
    return places && std::any_of(places->begin(), places->end(),
                                 [](const BorrowPlace& p) { return p.lends && p.becomes == 9; });
}

std::optional<bool> divisionIsExact(const Operation& operation, bool toHundredths)
{
    const auto steps = divisionSteps(operation, toHundredths);
    if (!steps)
        return std::nullopt;
    return toHundredths ? !steps->goesOn : steps->remainder == 0;
}

std::optional<std::vector<BorrowPlace>> subtractionBorrows(const Operation& operation)
{
    if (operation.op != Operator::Minus || operation.operands.size() != 2)
        return std::nullopt;
    const WrittenNumber& a = operation.operands[0];
    const WrittenNumber& b = operation.operands[1];
    const int decimals = std::max(a.decimals, b.decimals);
    const int whole = std::max(static_cast<int>(a.digits.size()) - a.decimals,
                               static_cast<int>(b.digits.size()) - b.decimals);
    const int places = whole + decimals;
    // Digit of a number at place k, its places aligned on the comma; 0 where it has none.
    const auto digitAt = [decimals](const WrittenNumber& n, int k) {
        const int fromRight = k - (decimals - n.decimals);
        const int size = static_cast<int>(n.digits.size());
        return fromRight >= 0 && fromRight < size
                   ? n.digits[std::size_t(size - 1 - fromRight)] - '0'
                   : 0;
    };
    const auto size = static_cast<std::size_t>(places);
    std::vector<int> current(size, 0);
    std::vector<BorrowPlace> marks(size);
    for (int k = 0; k < places; ++k) {
        current[std::size_t(k)] = digitAt(a, k);
        marks[std::size_t(k)].added = k < decimals - a.decimals;
    }
    for (int k = 0; k < places; ++k) {
        if (current[std::size_t(k)] >= digitAt(b, k))
            continue;
        // The nearest place on the left with something to lend; the zeros between pass
        // the loan on.
        int j = k + 1;
        while (j < places && current[std::size_t(j)] == 0)
            ++j;
        if (j == places)
            return std::nullopt; // the subtrahend is the larger
        for (int i = k + 1; i <= j; ++i) {
            BorrowPlace& mark = marks[std::size_t(i)];
            current[std::size_t(i)] = i == j ? current[std::size_t(i)] - 1 : 9;
            mark.lends = true;
            mark.becomes = current[std::size_t(i)];
        }
        marks[std::size_t(k)].receives = true;
        marks[std::size_t(k)].from = j;
        current[std::size_t(k)] += 10;
    }
    return marks;
}

std::optional<std::vector<int>> multiplicationCarries(const Operation& operation)
{
    if (operation.op != Operator::Times || operation.operands.size() != 2 ||
        operation.operands[1].digits.size() != 1)
        return std::nullopt;
    const std::string& multiplicand = operation.operands[0].digits;
    const int digit = operation.operands[1].digits[0] - '0';
    std::vector<int> carries(multiplicand.size(), 0);
    int carry = 0;
    for (std::size_t k = 0; k < multiplicand.size(); ++k) {
        carries[k] = carry;
        carry = ((multiplicand[multiplicand.size() - 1 - k] - '0') * digit + carry) / 10;
    }
    return carries;
}

std::optional<std::vector<PartialProduct>> partialProducts(const Operation& operation)
{
    if (operation.op != Operator::Times || operation.operands.size() != 2)
        return std::nullopt;
    const auto multiplicand = unitsOf(operation.operands[0]);
    const std::string& multiplier = operation.operands[1].digits;
    if (!multiplicand || *multiplicand < 0 || multiplier.size() > MaxDigits)
        return std::nullopt;
    std::vector<PartialProduct> rows;
    rows.reserve(multiplier.size());
    for (std::size_t i = multiplier.size(); i-- > 0;) {
        const int digit = multiplier[i] - '0';
        std::int64_t value = 0;
        if (__builtin_mul_overflow(*multiplicand, digit, &value))
            return std::nullopt;
        rows.push_back({value, digitCount(digit == 0 ? *multiplicand : value)});
    }
    return rows;
}

std::optional<DivisionSteps> divisionSteps(const Operation& operation, bool toHundredths)
{
    if (operation.op != Operator::Divide || operation.operands.size() != 2)
        return std::nullopt;
    const WrittenNumber& a = operation.operands[0];
    const WrittenNumber& b = operation.operands[1];
    const auto divisor = unitsOf(b);
    if (!divisor || (!toHundredths && (a.decimals != 0 || b.decimals != 0)))
        return std::nullopt;
    DivisionSteps steps;
    steps.divisor = *divisor;
    // Both times 10^(b's places) makes the divisor whole: the dividend's comma moves as
    // many places right, zeros filling the places it has not got.
    std::string s = a.digits;
    int whole = static_cast<int>(s.size()) - a.decimals;
    if (toHundredths) {
        steps.divisorPlaces = b.decimals;
        whole += b.decimals;
        if (whole > static_cast<int>(s.size()))
            s.append(std::size_t(whole) - s.size(), '0');
    }
    steps.wholeDigits = whole;
    // The digits the division may bring down: to the hundredths for the cases, zeros added
    // where the dividend has fewer places (the places beyond stay as written).
    const int written = static_cast<int>(s.size());
    const int end = toHundredths ? whole + 2 : written;
    if (end > written)
        s.append(std::size_t(end - written), '0');
    const int n = static_cast<int>(s.size());
    if (steps.divisor <= 0 || s.empty() || s.size() > MaxDigits || steps.divisor > INT64_MAX / 10)
        return std::nullopt;
    const auto onlyZerosFrom = [&s](int from) {
        return s.find_first_not_of('0', std::size_t(from)) == std::string::npos;
    };

    // The first group: the fewest leading digits whose number the divisor goes into.
    std::int64_t r = 0;
    int next = 0;
    while (next < end && r < steps.divisor)
        r = r * 10 + (s[std::size_t(next++)] - '0');
    std::int64_t q = r / steps.divisor;
    r %= steps.divisor;
    // One quotient digit per digit brought down; a division that comes out exact once its
    // whole part is done stops there, bringing down no zeros the quotient leaves out.
    while (next < end && !(next >= whole && r == 0 && onlyZerosFrom(next))) {
        const char digit = s[std::size_t(next)];
        steps.rows.push_back({std::to_string(r) + digit, next});
        r = r * 10 + (digit - '0');
        q = q * 10 + r / steps.divisor;
        r %= steps.divisor;
        ++next;
    }
    steps.quotient = q;
    steps.remainder = r;
    steps.quotientDecimals = std::max(next - whole, 0);
    steps.goesOn = toHundredths && (r != 0 || !onlyZerosFrom(next));
    if (steps.goesOn && next < n) {
        // A written digit is still to come: brought down beside the remainder, it shows the
        // division going on.
        steps.rows.push_back({std::to_string(r) + s[std::size_t(next)], next});
        ++next;
    } else {
        steps.rows.push_back({std::to_string(r), next - 1});
    }
    // The digits on the page: all that is written, and the zeros added as far as they came
    // down.
    s.resize(std::size_t(std::max(next, written)));
    steps.dividend = std::move(s);
    return steps;
}

} // namespace core

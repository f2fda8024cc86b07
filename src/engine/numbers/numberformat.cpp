// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/numberformat.h"

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <locale>
#include <sstream>

namespace core {

namespace {

// Reads the digits of a general form written by the stream ("-12.35", "1.5e+20", "2e-07")
// as the number it stands for, in fixed notation: the exponent moves the comma, so no
// number ever carries one.
WrittenNumber fromGeneral(const std::string& general)
{
    WrittenNumber number;
    std::size_t start = 0;
    if (general[0] == '-') {
        number.negative = true;
        start = 1;
    }
    const std::size_t e = general.find('e');
    const std::string mantissa = general.substr(start, e - start);
    const int exponent = e == std::string::npos ? 0 : std::stoi(general.substr(e + 1));
    for (char c : mantissa) {
        if (c != '.')
            number.digits += c;
    }
    // Where the comma falls among the digits once the exponent is applied.
    const std::size_t dot = mantissa.find('.');
    const int point = int(dot == std::string::npos ? number.digits.size() : dot) + exponent;
    if (point <= 0)
        number.digits.insert(0, std::size_t(1 - point), '0');
    else if (std::size_t(point) > number.digits.size())
        number.digits.append(std::size_t(point) - number.digits.size(), '0');
    number.decimals = int(number.digits.size()) - std::max(point, 1);
    if (number.digits.find_first_not_of('0') == std::string::npos)
        number.negative = false; // "-0" is 0
    return number;
}

// Shortest general form with the given significant digits. The stream has the classic
// locale, so neither the system's separators nor its grouping get in; it is made once per
// thread, since making one costs more than the writing.
WrittenNumber plainWithDigits(double value, int digits)
{
    thread_local std::ostringstream out = [] {
        std::ostringstream stream;
        stream.imbue(std::locale::classic());
        return stream;
    }();
    out.str({});
    out << std::setprecision(digits) << value;
    return fromGeneral(out.str());
}

std::uint64_t magnitude(double value, double scale)
{
    return static_cast<std::uint64_t>(std::llround(std::fabs(value) * scale));
}

} // namespace

std::string text(const WrittenNumber& number)
{
    const std::size_t fraction = std::size_t(std::max(number.decimals, 0));
    const std::size_t whole = number.digits.size() > fraction ? number.digits.size() - fraction : 0;
    std::string out;
    out.reserve(number.digits.size() + whole / 3 + 2);
    if (number.negative)
        out += '-';
    for (std::size_t i = 0; i < whole; ++i) {
        if (number.form == NumberForm::Grouped && i != 0 && (whole - i) % 3 == 0)
            out += '.';
        out += number.digits[i];
    }
    if (fraction > 0) {
        out += ',';
        out.append(number.digits, whole, std::string::npos);
    }
    return out;
}

std::optional<std::int64_t> unitsOf(const WrittenNumber& number)
{
    std::int64_t units = 0;
    for (char c : number.digits) {
        if (__builtin_mul_overflow(units, 10, &units) ||
            __builtin_add_overflow(units, c - '0', &units))
            return std::nullopt;
    }
    return number.negative ? -units : units;
}

WrittenNumber fromUnits(std::int64_t units, int decimals, NumberForm form, bool keepPlaces)
{
    WrittenNumber number;
    number.form = form;
    number.negative = units < 0;
    // The magnitude without negating INT64_MIN.
    const std::uint64_t magnitude =
        units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    number.digits = std::to_string(magnitude);
    number.decimals = std::max(decimals, 0);
    // At least one digit before the comma: 35 over 10^2 is 0,35.
    if (number.digits.size() <= std::size_t(number.decimals))
        number.digits.insert(0, std::size_t(number.decimals) + 1 - number.digits.size(), '0');
    while (!keepPlaces && number.decimals > 0 && number.digits.back() == '0') {
        number.digits.pop_back();
        --number.decimals;
    }
    return number;
}

WrittenNumber withFraction(WrittenNumber whole, int fractionDigits)
{
    const std::string fraction = std::to_string(fractionDigits);
    whole.digits += fraction;
    whole.decimals += int(fraction.size());
    return whole;
}

WrittenNumber plain(double value)
{
    return plainWithDigits(value, 15);
}

WrittenNumber plain(float value)
{
    // A float widens to double exactly: the seven digits are the float's own.
    return plainWithDigits(static_cast<double>(value), 7);
}

WrittenNumber plain(int value)
{
    return fromUnits(value, 0, NumberForm::Plain, true);
}

WrittenNumber grouped(double value)
{
    const std::uint64_t n = magnitude(value, 1.0);
    WrittenNumber number;
    number.form = NumberForm::Grouped;
    if (n != 0) {
        number.digits = std::to_string(n);
        number.negative = value < 0;
    }
    return number;
}

WrittenNumber groupedDecimals(double value)
{
    const std::uint64_t thousandths = magnitude(value, 1000.0);
    WrittenNumber number =
        fromUnits(static_cast<std::int64_t>(thousandths), 3, NumberForm::Grouped, false);
    number.negative = value < 0 && thousandths != 0;
    return number;
}

} // namespace core

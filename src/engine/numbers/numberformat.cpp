// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/numberformat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iomanip>
#include <locale>
#include <sstream>

namespace core {

namespace {

// Writes a general form that carries an exponent ("1.5e+20", "-2e-07") in fixed notation,
// from the same significant digits.
std::string withoutExponent(const std::string& general)
{
    const std::size_t e = general.find('e');
    std::size_t start = 0;
    std::string sign;
    if (general[0] == '-') {
        sign = "-";
        start = 1;
    }
    const std::string mantissa = general.substr(start, e - start);
    const int exponent = std::stoi(general.substr(e + 1));
    std::string digits;
    for (char c : mantissa) {
        if (c != '.')
            digits += c;
    }
    // Where the point falls among the digits once the exponent is applied.
    const std::size_t dot = mantissa.find('.');
    const int point = int(dot == std::string::npos ? digits.size() : dot) + exponent;
    if (point <= 0)
        return sign + "0." + std::string(std::size_t(-point), '0') + digits;
    if (std::size_t(point) >= digits.size())
        return sign + digits + std::string(std::size_t(point) - digits.size(), '0');
    return sign + digits.substr(0, std::size_t(point)) + "." + digits.substr(std::size_t(point));
}

// Shortest general form with the given significant digits, then the decimal comma. The
// stream has the classic locale, so neither the system's separators nor its grouping get
// in; it is made once per thread, since making one costs more than the writing. General
// form switches to an exponent only far outside the program's numbers; the fixed form is
// written then, so no text ever carries an exponent.
std::string plainWithDigits(double value, int digits)
{
    thread_local std::ostringstream out = [] {
        std::ostringstream stream;
        stream.imbue(std::locale::classic());
        return stream;
    }();
    out.str({});
    out << std::setprecision(digits) << value;
    std::string text = out.str();
    if (text.find('e') != std::string::npos)
        text = withoutExponent(text);
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string groupDigits(std::uint64_t n)
{
    std::string digits = std::to_string(n);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    const std::size_t lead = digits.size() % 3;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (i + 3 - lead) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return out;
}

std::uint64_t magnitude(double value, double scale)
{
    return static_cast<std::uint64_t>(std::llround(std::fabs(value) * scale));
}

} // namespace

std::string plain(double value)
{
    return plainWithDigits(value, 15);
}

std::string plain(float value)
{
    // A float widens to double exactly: the seven digits are the float's own.
    return plainWithDigits(static_cast<double>(value), 7);
}

std::string plain(int value)
{
    return std::to_string(value);
}

std::string grouped(double value)
{
    const std::uint64_t n = magnitude(value, 1.0);
    if (n == 0)
        return {};
    std::string text = value < 0 ? "-" : "";
    text += groupDigits(n);
    return text;
}

std::string groupedDecimals(double value)
{
    const std::uint64_t thousandths = magnitude(value, 1000.0);
    std::string text = value < 0 && thousandths != 0 ? "-" : "";
    text += groupDigits(thousandths / 1000);
    unsigned frac = static_cast<unsigned>(thousandths % 1000);
    if (frac != 0) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%03u", frac);
        std::string decimals(buf);
        while (decimals.back() == '0')
            decimals.pop_back();
        text += ',';
        text += decimals;
    }
    return text;
}

} // namespace core

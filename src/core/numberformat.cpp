// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numberformat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace core {

namespace {

// Shortest general form with the given significant digits, then the decimal comma.
// General form switches to an exponent only far outside the program's numbers; the
// fixed form is used then, so no text ever carries an exponent.
template <typename T> std::string plainWithDigits(T value, int digits)
{
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::general, digits);
    std::string text(buf.data(), ec == std::errc() ? end : buf.data());
    if (text.find('e') != std::string::npos) {
        auto [fend, fec] =
            std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
        text.assign(buf.data(), fec == std::errc() ? fend : buf.data());
    }
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
    return plainWithDigits(value, 7);
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

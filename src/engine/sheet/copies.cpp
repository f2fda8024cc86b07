// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/copies.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace print {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;

    std::string number;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Order of magnitude of the first significant digit, to tell an overflow from an
    // underflow when the value does not fit.
    long order = 0;
    bool significant = false;
    bool digits = false;
    while (pos < text.size() && isDigit(text[pos])) {
        digits = true;
        significant = significant || text[pos] != '0';
        if (significant)
            ++order;
        number += text[pos++];
    }
    if (pos < text.size() && text[pos] == '.') {
        number += text[pos++];
        while (pos < text.size() && isDigit(text[pos])) {
            digits = true;
            if (!significant) {
                if (text[pos] == '0')
                    --order;
                else
                    significant = true;
            }
            number += text[pos++];
        }
    }
    if (!digits)
        return 0.0;

    // An exponent counts only when at least one digit follows its letter (and sign).
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t look = pos + 1;
        if (look < text.size() && (text[look] == '+' || text[look] == '-'))
            ++look;
        if (look < text.size() && isDigit(text[look])) {
            number += 'e';
            number.append(text.substr(pos + 1, look - pos - 1));
            long exponent = 0;
            while (look < text.size() && isDigit(text[look])) {
                number += text[look];
                if (exponent < 100000)
                    exponent = exponent * 10 + (text[look] - '0');
                ++look;
            }
            order += text[pos + 1] == '-' ? -exponent : exponent;
        }
    }

    // The stream reads with the classic locale whatever the system's, rounding correctly. A
    // value beyond a double fails, and the libraries differ in what they leave behind (the
    // largest double, an infinity, a subnormal): the order of magnitude decides between
    // infinity and 0, so that every build reads the same.
    std::istringstream in(number);
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    if (in.fail() || (value != 0.0 && !std::isnormal(value)))
        value = significant && order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

CopiesRequest readCopies(std::string_view text)
{
    const double value = leadingNumber(text);
    if (!(value >= 1.0 && value < MaxCopies + 1.0)) // infinities too
        return {CopiesRequest::Verdict::OutOfRange, 0};
    return {CopiesRequest::Verdict::Print, static_cast<int>(std::floor(value))};
}

} // namespace print

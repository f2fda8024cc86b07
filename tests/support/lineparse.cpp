// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/lineparse.h"

#include <cctype>

namespace testsupport {

namespace {

bool allDigits(std::string_view s)
{
    if (s.empty())
        return false;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// Integer part with optional thousands points in the right places.
bool validIntegerPart(std::string_view s)
{
    if (s.find('.') == std::string_view::npos)
        return allDigits(s);
    std::size_t first = s.find('.');
    std::string_view head = s.substr(0, first);
    if (head.empty() || head.size() > 3 || !allDigits(head) || head[0] == '0')
        return false;
    std::string_view rest = s.substr(first);
    while (!rest.empty()) {
        if (rest.size() < 4 || rest[0] != '.' || !allDigits(rest.substr(1, 3)))
            return false;
        rest.remove_prefix(4);
    }
    return true;
}

} // namespace

std::optional<ParsedLine> parseLine(std::string_view line)
{
    ParsedLine parsed;
    if (line.size() >= 3 && line.substr(line.size() - 3) == " = ") {
        parsed.closing = " = ";
    } else if (line.size() >= 2 && line.substr(line.size() - 2) == " =") {
        parsed.closing = " =";
    } else {
        return std::nullopt;
    }
    std::string_view body = line.substr(0, line.size() - parsed.closing.size());
    for (std::string_view op : {" + ", " - ", " x ", " : "}) {
        if (body.find(op) != std::string_view::npos) {
            if (!parsed.op.empty())
                return std::nullopt; // two different operator words
            parsed.op = op;
        }
    }
    if (parsed.op.empty())
        return std::nullopt;
    std::size_t start = 0;
    while (true) {
        std::size_t at = body.find(parsed.op, start);
        std::string_view piece =
            body.substr(start, at == std::string_view::npos ? body.npos : at - start);
        if (piece.empty() || piece.find(' ') != std::string_view::npos)
            return std::nullopt;
        parsed.operands.emplace_back(piece);
        if (at == std::string_view::npos)
            break;
        start = at + parsed.op.size();
    }
    return parsed;
}

std::optional<double> italianValue(std::string_view text)
{
    std::size_t comma = text.find(',');
    std::string_view intPart = text.substr(0, comma);
    std::string_view decPart =
        comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    if (!validIntegerPart(intPart))
        return std::nullopt;
    if (comma != std::string_view::npos && !allDigits(decPart))
        return std::nullopt;
    double value = 0;
    for (char c : intPart) {
        if (c != '.')
            value = value * 10 + (c - '0');
    }
    double scale = 0.1;
    for (char c : decPart) {
        value += (c - '0') * scale;
        scale /= 10;
    }
    return value;
}

bool isPlain(std::string_view text)
{
    std::size_t comma = text.find(',');
    std::string_view intPart = text.substr(0, comma);
    if (!allDigits(intPart) || (intPart.size() > 1 && intPart[0] == '0'))
        return false;
    if (comma == std::string_view::npos)
        return true;
    std::string_view decPart = text.substr(comma + 1);
    return allDigits(decPart) && decPart.back() != '0';
}

bool isGroupedWhole(std::string_view text)
{
    if (text.find(',') != std::string_view::npos || !validIntegerPart(text))
        return false;
    // Grouping is required from four digits on.
    std::size_t digits = 0;
    for (char c : text)
        digits += c != '.';
    return digits < 4 || text.find('.') != std::string_view::npos;
}

int decimalsOf(std::string_view text)
{
    std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

} // namespace testsupport

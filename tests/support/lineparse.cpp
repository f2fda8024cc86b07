// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/lineparse.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

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

ParsedLine partsOf(const core::Operation& operation)
{
    ParsedLine parts;
    for (const core::WrittenNumber& n : operation.operands)
        parts.operands.push_back(core::text(n));
    parts.op = core::operatorWord(operation.op);
    parts.closing = operation.closing;
    return parts;
}

std::optional<core::Operation> operationOf(std::string_view line)
{
    const auto parts = parseLine(line);
    if (!parts || !italianValue(parts->operands.front()))
        return std::nullopt;
    core::Operation operation;
    const std::string_view words[] = {" + ", " - ", " x ", " : "};
    const core::Operator ops[] = {core::Operator::Plus, core::Operator::Minus,
                                  core::Operator::Times, core::Operator::Divide};
    for (int i = 0; i < 4; ++i)
        if (parts->op == words[i])
            operation.op = ops[i];
    operation.closing = parts->closing;
    for (const std::string& text : parts->operands) {
        if (!italianValue(text))
            return std::nullopt;
        core::WrittenNumber n;
        n.form = text.find('.') != std::string::npos ? core::NumberForm::Grouped
                                                     : core::NumberForm::Plain;
        n.decimals = decimalsOf(text);
        for (char c : text)
            if (c >= '0' && c <= '9')
                n.digits += c;
        operation.operands.push_back(n);
    }
    return operation;
}

void put(print::OperationTable& table, int group, int line, std::string_view text)
{
    const auto operation = operationOf(text);
    if (!operation) {
        ADD_FAILURE() << "no exercise line: " << text;
        return;
    }
    table.set(group, line, *operation);
}

double valueOf(const core::WrittenNumber& number)
{
    double value = 0;
    for (char c : number.digits)
        value = value * 10 + (c - '0');
    for (int i = 0; i < number.decimals; ++i)
        value /= 10;
    return number.negative ? -value : value;
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

std::ostream& core::operator<<(std::ostream& out, const Operation& operation)
{
    return out << '"' << lineOf(operation) << '"';
}

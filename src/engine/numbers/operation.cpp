// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/operation.h"

namespace core {

Operation operation(Operator op, std::initializer_list<WrittenNumber> operands,
                    std::string_view closing)
{
    return Operation{op, std::vector<WrittenNumber>(operands), std::string(closing)};
}

std::string_view operatorWord(Operator op)
{
    switch (op) {
    case Operator::Plus:
        return " + ";
    case Operator::Minus:
        return " - ";
    case Operator::Times:
        return " x ";
    case Operator::Divide:
        return " : ";
    }
    return " ? ";
}

std::string lineOf(const Operation& operation)
{
    std::string line;
    line.reserve(32);
    for (std::size_t i = 0; i < operation.operands.size(); ++i) {
        if (i != 0)
            line += operatorWord(operation.op);
        line += text(operation.operands[i]);
    }
    line += operation.closing;
    return line;
}

} // namespace core

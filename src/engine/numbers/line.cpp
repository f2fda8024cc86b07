// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/line.h"

namespace core {

std::string exerciseLine(std::initializer_list<std::string_view> operands, std::string_view op,
                         std::string_view closing)
{
    std::string line;
    line.reserve(32);
    bool first = true;
    for (std::string_view operand : operands) {
        if (!first)
            line += op;
        line += operand;
        first = false;
    }
    line += closing;
    return line;
}

} // namespace core

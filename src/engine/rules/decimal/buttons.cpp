// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/decimal/buttons.h"

#include "engine/rules/codes.h"

namespace decimal {

namespace {

constexpr core::GeneratorRow Generators[] = {
    {"cmdad", "+", "Addizioni", ""},
    {"cmdsot", "-", "Sottrazioni", ""},
    {"cmdmolt", "x", "Moltiplicazioni", ""},
    {"cmdmolt10", "x10", "Moltiplicazioni per 10 - 100 - 1.000", ""},
    {"cmddiv10", ":10", "Divisioni per 10 - 100 - 1000", ""},
};

} // namespace

std::span<const core::GeneratorRow> generatorRows(std::string_view range)
{
    if (range == core::range::Dec999 || range == core::range::Dec9999)
        return Generators;
    return {};
}

} // namespace decimal

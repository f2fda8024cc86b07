// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/integer/buttons.h"

#include "engine/rules/codes.h"

namespace integer {

namespace {

using core::GeneratorRow;

constexpr std::string_view Dividend = "al dividendo";
constexpr std::string_view Divisor = "al divisore";
constexpr std::string_view Multiplier = "al moltiplicatore";

constexpr GeneratorRow In500[] = {
    {"cmdad2", "+2", "Addizioni a 2 addendi", ""},
    {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
    {"cmdsot", "-", "Sottrazioni", ""},
    {"cmdmolt", "x", "Moltiplicazioni", ""},
    {"cmddiv2", ":2", "Divisioni 2 cifre", Dividend},
    {"cmddiv3", ":3", "Divisioni 3 cifre", Dividend},
    {"cmdmis", "m", "Operazioni miste", ""},
};

// Within 999 and 9,999 the two-digit multiplier's button is called cmdmolt3.
constexpr GeneratorRow In999[] = {
    {"cmdad2", "+2", "Addizioni a 2 addendi", ""},
    {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
    {"cmdsot", "-", "Sottrazioni", ""},
    {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", Multiplier},
    {"cmdmolt3", "x2", "Moltiplicazioni 2 cifre", Multiplier},
    {"cmddiv1", ":", "Divisioni 1 cifra", Divisor},
    {"cmddiv2", ":2", "Divisioni 2 cifre", Divisor},
    {"cmdmis", "m", "Operazioni miste", ""},
};

constexpr GeneratorRow In99999[] = {
    {"cmdad2", "+2", "Addizioni con 2 addendi", ""},
    {"cmdad3", "+3", "Addizioni con 3 addendi", ""},
    {"cmdsot", "-", "Sottrazioni", ""},
    {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", Multiplier},
    {"cmdmolt2", "x2", "Moltiplicazioni 2 cifre", Multiplier},
    {"cmdmolt3", "x3", "Moltiplicazioni 3 cifre", Multiplier},
    {"cmddiv1", ":", "Divisioni 1 cifra", Divisor},
    {"cmddiv2", ":2", "Divisioni 2 cifre", Divisor},
    {"cmdmis", "m", "Operazioni miste", ""},
};

// As within 99,999, but the additions say "a" rather than "con".
constexpr GeneratorRow In999999[] = {
    {"cmdad2", "+2", "Addizioni a 2 addendi", ""},
    {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
    {"cmdsot", "-", "Sottrazioni", ""},
    {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", Multiplier},
    {"cmdmolt2", "x2", "Moltiplicazioni 2 cifre", Multiplier},
    {"cmdmolt3", "x3", "Moltiplicazioni 3 cifre", Multiplier},
    {"cmddiv1", ":", "Divisioni 1 cifra", Divisor},
    {"cmddiv2", ":2", "Divisioni 2 cifre", Divisor},
    {"cmdmis", "m", "Operazioni miste", ""},
};

} // namespace

std::span<const GeneratorRow> generatorRows(std::string_view range)
{
    if (range == core::range::R500)
        return In500;
    if (range == core::range::R999 || range == core::range::R9999)
        return In999;
    if (range == core::range::R99999)
        return In99999;
    if (range == core::range::R999999)
        return In999999;
    return {};
}

} // namespace integer

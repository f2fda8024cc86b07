// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/decimal/rules.h"

#include "engine/rules/codes.h"
#include "engine/rules/decimal/attempts.h"

#include <array>

namespace decimal {

namespace {

struct Generator {
    std::string_view range;
    std::string_view kind;
    core::Attempt (*make)(detail::Writing);
    std::vector<core::Operation> (*widest)();
};

namespace range = core::range;
namespace kind = core::kind;

constexpr std::array<Generator, 10> Generators = {{
    {range::Dec999, kind::Add, detail::addition999, detail::widestAddition999},
    {range::Dec999, kind::Sub, detail::subtraction999, detail::widestSubtraction999},
    {range::Dec999, kind::Mul, detail::multiplication999, detail::widestMultiplication999},
    {range::Dec999, kind::MulPow10, detail::powerProduct999, detail::widestPowerProduct999},
    {range::Dec999, kind::DivPow10, detail::powerQuotient999, detail::widestPowerQuotient999},
    {range::Dec9999, kind::Add, detail::addition9999, detail::widestAddition9999},
    {range::Dec9999, kind::Sub, detail::subtraction9999, detail::widestSubtraction9999},
    {range::Dec9999, kind::Mul, detail::multiplication9999, detail::widestMultiplication9999},
    {range::Dec9999, kind::MulPow10, detail::powerProduct9999, detail::widestPowerProduct9999},
    {range::Dec9999, kind::DivPow10, detail::powerQuotient9999, detail::widestPowerQuotient9999},
}};

} // namespace

std::optional<core::Recipe> recipe(std::string_view range, std::string_view kind,
                                   std::string_view closing)
{
    for (const Generator& generator : Generators) {
        if (generator.range == range && generator.kind == kind)
            return core::singleKind(generator.make(detail::Writing{std::string(closing)}));
    }
    return std::nullopt;
}

std::vector<core::Operation> widestOperations(std::string_view range, std::string_view kind)
{
    for (const Generator& generator : Generators)
        if (generator.range == range && generator.kind == kind)
            return generator.widest();
    return {};
}

} // namespace decimal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/options.h"

namespace catalog {

using cases::DivisorChoice;

const std::vector<GeneratorOption>& generatorOptions()
{
    static const std::vector<GeneratorOption> options = {
        {"divisore",
         "Divisore",
         "i casi della divisione (intervalli da 1 a 5)",
         {
             {"1 cifra", "1", int(DivisorChoice::OneDigit)},
             {"2 cifre", "2", int(DivisorChoice::TwoDigits)},
             {"Misto", "misto", int(DivisorChoice::Mixed)},
         },
         &core::FamilyRules::divisorOption,
         [](const core::GeneratorOptions& o) { return int(o.divisor); },
         [](core::GeneratorOptions& o, int code) { o.divisor = DivisorChoice(code); }},
    };
    return options;
}

const GeneratorOption* findOption(std::string_view name)
{
    for (const GeneratorOption& o : generatorOptions())
        if (o.name == name)
            return &o;
    return nullptr;
}

bool offers(const Generator& generator, const GeneratorOption& option)
{
    return core::rulesOf(*generator.window).*option.column;
}

std::string_view writtenValue(const GeneratorOption& option, const core::GeneratorOptions& options)
{
    const int code = option.get(options);
    for (const OptionValue& v : option.values)
        if (v.code == code)
            return v.value;
    return {};
}

std::vector<std::pair<std::string_view, std::string_view>>
writtenOptions(const Generator& generator, const core::GeneratorOptions& options)
{
    std::vector<std::pair<std::string_view, std::string_view>> written;
    for (const GeneratorOption& o : generatorOptions())
        if (offers(generator, o))
            written.emplace_back(o.name, writtenValue(o, options));
    return written;
}

} // namespace catalog

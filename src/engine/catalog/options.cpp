// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/options.h"

#include "engine/catalog/levels.h"

namespace catalog {

using cases::DivisorChoice;
using core::Changes;
using core::Remainder;

namespace {

// A level's row reads and writes its own field, and offers a value where the catalog
// offers that level alone.
template <typename Level, Level core::GeneratorOptions::*Field>
bool offersLevel(const Generator& g, int code)
{
    core::GeneratorOptions o;
    o.*Field = Level(code);
    return levelOffered(g, o);
}

template <typename Level, Level core::GeneratorOptions::*Field>
int getLevel(const core::GeneratorOptions& o)
{
    return int(o.*Field);
}

template <typename Level, Level core::GeneratorOptions::*Field>
void setLevel(core::GeneratorOptions& o, int code)
{
    o.*Field = Level(code);
}

} // namespace

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
         false,
         [](const Generator& g, int) { return core::rulesOf(*g.window).divisorOption; },
         [](const core::GeneratorOptions& o) { return int(o.divisor); },
         [](core::GeneratorOptions& o, int code) { o.divisor = DivisorChoice(code); }},
        {"cambi",
         "Difficoltà",
         {},
         {
             {"Qualsiasi", "", int(Changes::Any)},
             {"Senza cambio", "0", int(Changes::None)},
             {"Con un cambio", "1", int(Changes::One)},
             {"Con più cambi", "2+", int(Changes::Several)},
             {"Con lo zero", "zero", int(Changes::ThroughZero)},
         },
         true,
         offersLevel<Changes, &core::GeneratorOptions::changes>,
         getLevel<Changes, &core::GeneratorOptions::changes>,
         setLevel<Changes, &core::GeneratorOptions::changes>},
        {"resto",
         "Divisione",
         {},
         {
             {"Qualsiasi", "", int(Remainder::Any)},
             {"Divisione esatta", "no", int(Remainder::None)},
             {"Divisione con resto", "si", int(Remainder::Some)},
         },
         true,
         offersLevel<Remainder, &core::GeneratorOptions::remainder>,
         getLevel<Remainder, &core::GeneratorOptions::remainder>,
         setLevel<Remainder, &core::GeneratorOptions::remainder>},
    };
    return options;
}

std::string levelNames(const Generator& generator, const core::GeneratorOptions& options)
{
    std::string names;
    for (const GeneratorOption& o : generatorOptions()) {
        if (!o.level)
            continue;
        for (const OptionValue& v : o.values)
            if (v.code == o.get(options) && !v.value.empty() && o.offered(generator, v.code)) {
                std::string name(v.caption);
                name[0] = char(name[0] - 'A' + 'a'); // every caption starts with a capital
                names += (names.empty() ? "" : ", ") + name;
            }
    }
    return names;
}

std::string levelNotOffered(const Generator& generator, const core::GeneratorOptions& options)
{
    for (const GeneratorOption& o : generatorOptions()) {
        if (!o.level)
            continue;
        for (const OptionValue& v : o.values) {
            if (v.code != o.get(options) || v.value.empty() || o.offered(generator, v.code))
                continue;
            core::GeneratorOptions asked;
            o.set(asked, v.code);
            const bool rare = !levelRefusal(generator, asked).empty();
            return "«" + std::string(v.caption) + "» non vale per «" + generator.label + "»" +
                   (rare ? ": righe troppo rare." : ".");
        }
    }
    return {};
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
    for (const OptionValue& v : option.values)
        if (!v.value.empty() && option.offered(generator, v.code))
            return true;
    return false;
}

std::string refusal(const Generator& generator, const GeneratorOption& option, int code,
                    std::string_view spelling)
{
    std::string named = "«" + generator.label + "» (" + std::string(generator.window->range);
    if (!generator.kind.empty())
        named += " " + generator.kind;
    named += ")";
    if (!offers(generator, option)) {
        if (!option.level)
            return std::string(spelling) + " vale solo per " + std::string(option.offeredBy) + ".";
        // The levels the kind has, spelled as this option is.
        const std::string prefix(spelling.substr(0, spelling.size() - option.name.size()));
        std::string levels;
        for (const GeneratorOption& o : generatorOptions())
            if (o.level && offers(generator, o)) {
                std::string values;
                for (const OptionValue& v : o.values)
                    if (!v.value.empty() && o.offered(generator, v.code))
                        values += (values.empty() ? "" : "|") + std::string(v.value);
                levels +=
                    (levels.empty() ? "" : ", ") + prefix + std::string(o.name) + " " + values;
            }
        return std::string(spelling) + " non vale per " + named +
               (levels.empty() ? ", che non ha livelli di difficoltà."
                               : ": i suoi livelli sono " + levels + ".");
    }
    if (option.offered(generator, code))
        return {};
    std::string value;
    std::string valid;
    for (const OptionValue& v : option.values) {
        if (v.code == code)
            value = v.value;
        else if (!v.value.empty() && option.offered(generator, v.code))
            valid += (valid.empty() ? "" : ", ") + std::string(v.value);
    }
    core::GeneratorOptions asked;
    option.set(asked, code);
    const std::string why = levelRefusal(generator, asked);
    return std::string(spelling) + " " + value + " non vale per " + named +
           (why.empty() ? "" : ": " + why) + ". Valori validi: " + valid + ".";
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
        if (offers(generator, o) && !writtenValue(o, options).empty())
            written.emplace_back(o.name, writtenValue(o, options));
    return written;
}

} // namespace catalog

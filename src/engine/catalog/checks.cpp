// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/checks.h"

#include "engine/catalog/request.h"
#include "engine/sheet/copies.h"
#include "engine/sheet/dialogform.h"

#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace catalog {

namespace form = print::dialogform;

namespace {

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

// "a, b o c"
std::string eitherOf(const std::vector<std::string_view>& values)
{
    std::string list;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != 0)
            list += i + 1 == values.size() ? " o " : ", ";
        list += values[i];
    }
    return list;
}

std::string rangeList()
{
    std::string list;
    for (const core::WindowEntry& w : core::Windows)
        list += (list.empty() ? "" : ", ") + std::string(w.range);
    return list;
}

std::string kindList(const std::vector<const Generator*>& kinds)
{
    std::string list;
    for (const Generator* g : kinds)
        list += (list.empty() ? "" : ", ") + g->kind;
    return list;
}

template <typename T> using Choices = std::vector<std::pair<std::string_view, T>>;

// The values the command line writes for a group of the print dialog's option buttons; a
// button whose choice is the option left out has none.
template <typename T, std::size_t N>
Choices<T> valuesOf(const print::dialogform::ChoiceGroup<T, N>& group)
{
    Choices<T> values;
    for (const auto& c : group.choices)
        if (!c.value.empty())
            values.emplace_back(c.value, c.option);
    return values;
}

// One of the given choices, by its text; a refusal says what the option wants, then lists
// the choices.
template <typename T>
T choice(const std::string* value, std::string_view option, const Choices<T>& choices,
         std::string_view wanted, T fallback)
{
    if (!value)
        return fallback;
    std::vector<std::string_view> texts;
    for (const auto& [text, result] : choices) {
        if (*value == text)
            return result;
        texts.push_back(text);
    }
    throw ChoiceError{std::string(option) + " vuole " + std::string(wanted) + eitherOf(texts) +
                      ", non " + quoted(*value) + "."};
}

// A whole number in decimal digits alone (no sign, no blank), if it is at most `largest`.
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t largest)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const unsigned digit = unsigned(c - '0');
        if (n > (largest - digit) / 10)
            return std::nullopt;
        n = n * 10 + digit;
    }
    return n;
}

} // namespace

const Generator& findGenerator(std::string_view range, const std::string* kind)
{
    if (range.empty())
        throw ChoiceError{"manca l'intervallo. Intervalli validi: " + rangeList() + "."};
    const std::vector<const Generator*> kinds = generatorsOf(range);
    if (kinds.empty())
        throw ChoiceError{"intervallo sconosciuto " + quoted(range) +
                          ". Intervalli validi: " + rangeList() + "."};
    const std::string code(range);
    if (kinds.front()->kind.empty()) {
        if (kind)
            throw ChoiceError{"il caso " + code + " non ha tipi di operazione: togli " +
                              quoted(*kind) + "."};
        return *kinds.front();
    }
    if (!kind)
        throw ChoiceError{"manca il tipo di operazione dell'intervallo " + code +
                          ". Tipi validi: " + kindList(kinds) + "."};
    for (const Generator* g : kinds)
        if (g->kind == *kind)
            return *g;
    throw ChoiceError{"tipo di operazione " + quoted(*kind) + " sconosciuto nell'intervallo " +
                      code + ". Tipi validi: " + kindList(kinds) + "."};
}

namespace {

int optionCode(const GeneratorOption& option, const std::string* value, std::string_view spelling)
{
    Choices<int> choices;
    for (const OptionValue& v : option.values)
        if (!v.value.empty()) // the value chosen by leaving the option out
            choices.push_back({v.value, v.code});
    return choice(value, spelling, choices, "", option.get(core::GeneratorOptions{}));
}

} // namespace

core::GeneratorOptions
readOptions(const Generator& g, const std::function<const std::string*(std::string_view)>& written,
            std::string_view prefix)
{
    core::GeneratorOptions options;
    for (const GeneratorOption& option : generatorOptions()) {
        const std::string* value = written(option.name);
        if (!value)
            continue;
        const std::string spelling = std::string(prefix) + std::string(option.name);
        if (!offers(g, option))
            throw ChoiceError{refusal(g, option, option.get(core::GeneratorOptions{}), spelling)};
        const int code = optionCode(option, value, spelling);
        if (const std::string refused = refusal(g, option, code, spelling); !refused.empty())
            throw ChoiceError{refused};
        option.set(options, code);
    }
    return options;
}

void readOptionValue(const GeneratorOption& option, const std::string& value,
                     std::string_view spelling)
{
    optionCode(option, &value, spelling);
}

std::uint64_t readSeed(const std::string& value, std::string_view option)
{
    constexpr std::uint64_t Largest = std::numeric_limits<std::uint64_t>::max();
    const std::optional<std::uint64_t> seed = wholeNumber(value, Largest);
    if (!seed)
        throw ChoiceError{std::string(option) + " vuole un numero intero da 0 a " +
                          std::to_string(Largest) + ", non " + quoted(value) + "."};
    return *seed;
}

int readPerColumn(const std::string* value, std::string_view option)
{
    return choice(value, option, valuesOf(form::PerColumn), "", form::PerColumnDefault);
}

print::Columns readColumns(const std::string* value, std::string_view option)
{
    return choice(value, option, valuesOf(form::ColumnCount), "", form::ColumnCountDefault);
}

int readCopies(const std::string* value, std::string_view option)
{
    // The dialog's own reading of its field, so that a text gets the same verdict wherever
    // it is written.
    const print::CopiesRequest copies =
        print::readCopies(value ? std::string_view(*value) : form::CopiesDefault);
    if (copies.verdict != print::CopiesRequest::Verdict::Print)
        throw ChoiceError{std::string(option) + " vuole un numero intero da 1 a " +
                          std::to_string(print::MaxCopies) + ", non " + quoted(*value) + "."};
    return copies.count;
}

print::SheetForm readSquares(const std::string* value, std::string_view option)
{
    return choice(value, option, valuesOf(form::Form), "la misura dei quadretti in millimetri, ",
                  form::FormDefault);
}

void checkFormFits(const Generator& generator, print::SheetForm form)
{
    if (!formFits(generator, form))
        throw ChoiceError{formTooNarrow(generator, form)};
}

std::string sentence(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

} // namespace catalog

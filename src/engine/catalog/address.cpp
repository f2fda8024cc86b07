// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/address.h"

#include "engine/catalog/checks.h"
#include "engine/sheet/dialogform.h"

#include <initializer_list>

namespace catalog {

namespace {

// The address's names are the command line's option names without their dashes.
constexpr std::string_view LinesName = "righe";
constexpr std::string_view KindName = "tipo";
constexpr std::string_view SeedName = "seme";
constexpr std::string_view SheetName = "scheda";
constexpr std::string_view ExerciseName = "esercizio";
namespace form = print::dialogform;

// The last value given for a name, as the command line takes an option given twice;
// nullptr when the name is absent. Names the page does not know are left alone: links
// shared through other sites often gain fields of their own.
const std::string* lastValue(const std::vector<QueryField>& fields, std::string_view name)
{
    const std::string* found = nullptr;
    for (const QueryField& f : fields)
        if (f.name == name)
            found = &f.value;
    return found;
}

void appendEncoded(std::string& out, std::string_view text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool plain = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                           (u >= '0' && u <= '9') || u == '-' || u == '_' || u == '.' || u == '~';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += Hex[u >> 4];
            out += Hex[u & 0xF];
        }
    }
}

void appendField(std::string& out, std::string_view name, std::string_view value)
{
    out += out.empty() ? '?' : '&';
    out += name;
    out += '=';
    appendEncoded(out, value);
}

// A flag of the command line: given as 1, absent (or 0) when off.
bool readFlag(const std::vector<QueryField>& fields, std::string_view name)
{
    const std::string* value = lastValue(fields, name);
    if (!value || *value == "0")
        return false;
    if (*value == "1")
        return true;
    throw ChoiceError{std::string(name) + " vuole 1 (sì) o 0 (no), non «" + *value + "»."};
}

void refuseSheetOptions(const std::vector<QueryField>& fields, std::string_view action)
{
    for (const std::string_view name :
         {form::PerColumn.option, form::ColumnCount.option, form::CopiesOption, form::HeadingOption,
          form::KeyOption, form::Form.option, form::NameLineOption, form::DifferentCopiesOption})
        if (lastValue(fields, name))
            throw ChoiceError{std::string(name) + " vale solo con " + std::string(SheetName) +
                              ", non con " + std::string(action) + "."};
}

print::JobOptions readSheet(const std::vector<QueryField>& fields)
{
    print::JobOptions job;
    job.layout.groupCount =
        readPerColumn(lastValue(fields, form::PerColumn.option), form::PerColumn.option);
    job.layout.columns =
        readColumns(lastValue(fields, form::ColumnCount.option), form::ColumnCount.option);
    job.copies = readCopies(lastValue(fields, form::CopiesOption), form::CopiesOption);
    const std::string* heading = lastValue(fields, form::HeadingOption);
    job.heading = heading ? *heading : std::string(form::HeadingDefault);
    job.answerKey = readFlag(fields, form::KeyOption);
    job.form = readSquares(lastValue(fields, form::Form.option), form::Form.option);
    job.layout.nameLine = readFlag(fields, form::NameLineOption);
    job.differentCopies = readFlag(fields, form::DifferentCopiesOption);
    return job;
}

} // namespace

PageRequest readAddress(const std::vector<QueryField>& fields)
{
    PageRequest request;
    const std::string* lines = lastValue(fields, LinesName);
    const std::string* sheet = lastValue(fields, SheetName);
    const std::string* exercise = lastValue(fields, ExerciseName);
    if (lines && sheet)
        throw ChoiceError{std::string(LinesName) + " e " + std::string(SheetName) +
                          " non vanno insieme: scegline uno."};
    // Working out the lines on screen is asked like the lines themselves.
    if (exercise && (lines || sheet))
        throw ChoiceError{std::string(ExerciseName) + " e " +
                          std::string(lines ? LinesName : SheetName) +
                          " non vanno insieme: scegline uno."};
    const std::string* range = lines ? lines : sheet ? sheet : exercise;
    if (!range)
        return request;
    request.action = lines      ? PageRequest::Action::Lines
                     : exercise ? PageRequest::Action::Exercise
                                : PageRequest::Action::Sheet;
    if (!sheet)
        refuseSheetOptions(fields, lines ? LinesName : ExerciseName);
    Choice& choice = request.sheet.choice;
    choice.generator = &findGenerator(*range, lastValue(fields, KindName));
    if (const std::string* seed = lastValue(fields, SeedName))
        request.seed = readSeed(*seed, SeedName);
    // A '+' typed into an address arrives as a blank ("cambi=2+" as "2 "), and "sì" may
    // keep its accent: both read as meant.
    std::vector<std::string> respelled;
    respelled.reserve(generatorOptions().size());
    choice.options = readOptions(
        *choice.generator,
        [&](std::string_view name) -> const std::string* {
            const std::string* value = lastValue(fields, name);
            if (value && *value == "2 ")
                return &respelled.emplace_back("2+");
            if (value && *value == "sì")
                return &respelled.emplace_back("si");
            return value;
        },
        "");
    if (sheet) {
        request.sheet.job = readSheet(fields);
        checkFormFits(*choice.generator, request.sheet.job.form);
    }
    return request;
}

namespace {

// The action's window, its kind and its options.
std::string sourceFields(std::string_view action, const Choice& choice)
{
    const Generator& generator = *choice.generator;
    std::string query;
    appendField(query, action, generator.window->range);
    if (!generator.kind.empty())
        appendField(query, KindName, generator.kind);
    for (const auto& [name, value] : writtenOptions(generator, choice.options))
        appendField(query, name, value);
    return query;
}

template <typename T, std::size_t N>
void appendChoice(std::string& query, const form::ChoiceGroup<T, N>& group, T chosen)
{
    for (const form::Choice<T>& c : group.choices)
        if (c.option == chosen && !c.value.empty())
            appendField(query, group.option, c.value);
}

} // namespace

bool addressCarriesHeading(const SheetRequest& sheet)
{
    std::string written;
    appendEncoded(written, sheet.job.heading);
    return written.size() <= AddressHeadingLimit;
}

std::string sheetAddress(const SheetRequest& request, std::uint64_t seed)
{
    const print::JobOptions& sheet = request.job;
    std::string query = sourceFields(SheetName, request.choice);
    appendChoice(query, form::PerColumn, sheet.layout.groupCount);
    appendChoice(query, form::ColumnCount, sheet.layout.columns);
    appendField(query, form::CopiesOption, std::to_string(sheet.copies));
    if (sheet.heading != form::HeadingDefault && addressCarriesHeading(request))
        appendField(query, form::HeadingOption, sheet.heading);
    if (sheet.answerKey)
        appendField(query, form::KeyOption, "1");
    appendChoice(query, form::Form, sheet.form);
    if (sheet.layout.nameLine)
        appendField(query, form::NameLineOption, "1");
    if (sheet.differentCopies)
        appendField(query, form::DifferentCopiesOption, "1");
    appendField(query, SeedName, std::to_string(seed));
    return query;
}

std::string linesAddress(const Choice& choice, std::uint64_t seed)
{
    std::string query = sourceFields(LinesName, choice);
    appendField(query, SeedName, std::to_string(seed));
    return query;
}

std::string exerciseAddress(const Choice& choice, std::uint64_t seed)
{
    std::string query = sourceFields(ExerciseName, choice);
    appendField(query, SeedName, std::to_string(seed));
    return query;
}

} // namespace catalog

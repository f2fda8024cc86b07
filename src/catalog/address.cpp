// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/address.h"

#include "catalog/checks.h"

namespace catalog {

namespace {

// The address's names are the command line's option names without their dashes.
constexpr std::string_view LinesName = "righe";
constexpr std::string_view KindName = "tipo";
constexpr std::string_view SeedName = "seme";
constexpr std::string_view DivisorName = "divisore";

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

} // namespace

PageRequest readAddress(const std::vector<QueryField>& fields)
{
    PageRequest request;
    const std::string* range = lastValue(fields, LinesName);
    if (!range)
        return request;
    request.action = PageRequest::Action::Lines;
    request.lines.generator = &findGenerator(*range, lastValue(fields, KindName));
    if (const std::string* seed = lastValue(fields, SeedName))
        request.lines.seed = readSeed(*seed, SeedName);
    request.lines.divisor =
        readDivisor(*request.lines.generator, lastValue(fields, DivisorName), DivisorName);
    return request;
}

std::string linesAddress(const Generator& generator, cases::DivisorChoice divisor,
                         std::uint64_t seed)
{
    std::string query;
    appendField(query, LinesName, generator.window->range);
    if (!generator.kind.empty())
        appendField(query, KindName, generator.kind);
    if (generator.window->family == core::WindowFamily::Case) {
        for (const DivisorOption& option : divisorOptions())
            if (option.choice == divisor)
                appendField(query, DivisorName, option.value);
    }
    appendField(query, SeedName, std::to_string(seed));
    return query;
}

} // namespace catalog

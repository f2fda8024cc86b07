// SPDX-License-Identifier: GPL-3.0-or-later
#include "request.h"

#include "engine/catalog/catalog.h"
#include "engine/catalog/checks.h"
#include "text.h"

#include <string>
#include <vector>

namespace web {

namespace {

using emscripten::val;

std::vector<catalog::QueryField> fieldsOf(const val& pairs)
{
    std::vector<catalog::QueryField> fields;
    const auto count = pairs["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const val pair = pairs[i];
        fields.push_back({pair[0].as<std::string>(), pair[1].as<std::string>()});
    }
    return fields;
}

} // namespace

std::optional<catalog::PageRequest> readRequest(const val& pairs,
                                                catalog::PageRequest::Action action, val& out)
{
    try {
        catalog::PageRequest request = catalog::readAddress(fieldsOf(pairs));
        if (request.action == action) {
            if (!request.seed)
                request.seed = catalog::freshSeed();
            return request;
        }
    } catch (const catalog::ChoiceError& e) {
        out.set("message", text(catalog::sentence(e.message)));
    }
    return std::nullopt;
}

void setSource(val& out, const catalog::Choice& choice)
{
    const catalog::Generator& generator = *choice.generator;
    out.set("range", text(generator.window->range));
    out.set("kind", text(generator.kind));
    val options = val::object();
    for (const auto& [name, value] : catalog::writtenOptions(generator, choice.options))
        options.set(text(name), text(value));
    out.set("options", options);
}

} // namespace web

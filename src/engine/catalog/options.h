// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/rules/options.h"
#include "engine/rules/windowrules.h"

#include <string_view>
#include <utility>
#include <vector>

// The generators' options as every front end offers them, one row per field of
// core::GeneratorOptions: the name that writes it out, its captions, its values, and the
// column of the family table that says which windows offer it. The command line, the
// page's address and controls, and the print dialog's request read them from here.
namespace catalog {

// One value of an option: the caption of its button, the text that writes it out (on the
// command line, in the address) and the field's value.
struct OptionValue {
    std::string_view caption;
    std::string_view value;
    int code;
};

struct GeneratorOption {
    std::string_view name;    // "divisore": --divisore, the address's field, the page's control
    std::string_view caption; // the frame's caption
    // Who offers it, for the message that refuses it anywhere else.
    std::string_view offeredBy;
    std::vector<OptionValue> values; // top to bottom
    bool core::FamilyRules::*column; // the family table's column that offers it
    int (*get)(const core::GeneratorOptions& options);
    void (*set)(core::GeneratorOptions& options, int code);
};

const std::vector<GeneratorOption>& generatorOptions();

// The option with this name; nullptr for none.
const GeneratorOption* findOption(std::string_view name);

// Whether the generator's window offers the option.
bool offers(const Generator& generator, const GeneratorOption& option);

// The value that writes out the option's field as it stands in `options`.
std::string_view writtenValue(const GeneratorOption& option, const core::GeneratorOptions& options);

// The options the generator's window offers, each with the value that writes it out
// ("divisore", "2"), in the table's order.
std::vector<std::pair<std::string_view, std::string_view>>
writtenOptions(const Generator& generator, const core::GeneratorOptions& options);

} // namespace catalog

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/rules/options.h"
#include "engine/rules/windowrules.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The generators' options as every front end offers them, one row per field of
// core::GeneratorOptions: the name that writes it out, its captions, its values, and the
// column of the family table that says which windows offer it. The command line, the
// page's address and controls, and the print dialog's request read them from here.
namespace catalog {

// One value of an option: the caption of its button, the text that writes it out (on the
// command line, in the address; empty for the value that leaving the option out chooses)
// and the field's value.
struct OptionValue {
    std::string_view caption;
    std::string_view value;
    int code;
};

struct GeneratorOption {
    std::string_view name;    // "divisore": --divisore, the address's field, the page's control
    std::string_view caption; // the frame's caption
    // Who offers it, for the message that refuses it anywhere else (a level's message names
    // the levels the kind has instead).
    std::string_view offeredBy;
    std::vector<OptionValue> values; // top to bottom
    bool level = false;              // a difficulty level, offered kind by kind
    // Whether the generator offers that value of the option (the family table's column for
    // the divisor; the kind's levels for the levels).
    bool (*offered)(const Generator& generator, int code);
    int (*get)(const core::GeneratorOptions& options);
    void (*set)(core::GeneratorOptions& options, int code);
};

const std::vector<GeneratorOption>& generatorOptions();

// Why a click cannot make the generator's lines with the levels set in `options`, short
// enough to stand beside a window's drop-down: "«Divisione esatta» non vale per «Addizioni
// a 2 addendi»."; empty when it can.
std::string levelNotOffered(const Generator& generator, const core::GeneratorOptions& options);

// The levels set in `options` that the generator offers, as a heading names them:
// "senza cambio", "con un cambio, divisione esatta"; empty for none.
std::string levelNames(const Generator& generator, const core::GeneratorOptions& options);

// The option with this name; nullptr for none.
const GeneratorOption* findOption(std::string_view name);

// Whether the generator offers the option: any of its values but the one left out.
bool offers(const Generator& generator, const GeneratorOption& option);

// Why the generator does not offer that value of the option, in Italian, lower-case first
// and naming the option as `spelling`; empty when it does.
std::string refusal(const Generator& generator, const GeneratorOption& option, int code,
                    std::string_view spelling);

// The value that writes out the option's field as it stands in `options`.
std::string_view writtenValue(const GeneratorOption& option, const core::GeneratorOptions& options);

// The options the generator's window offers, each with the value that writes it out
// ("divisore", "2"), in the table's order; an option at the value left out is not written.
std::vector<std::pair<std::string_view, std::string_view>>
writtenOptions(const Generator& generator, const core::GeneratorOptions& options);

} // namespace catalog

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/catalog/options.h"
#include "engine/sheet/job.h"
#include "engine/sheet/layout.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The checks of every choice a user writes out (on the command line, in the page's
// address), with their Italian messages. A message starts lower-case, to follow the
// program's name on the command line; where it names an option, it names it as the caller
// passes it ("--seme" there, "seme" in an address).
namespace catalog {

// A refused choice, already worded for the user.
struct ChoiceError {
    std::string message;
};

// The generator of the window with this range code and, for a window with kinds, this kind
// (nullptr when none was given). An empty range counts as none.
const Generator& findGenerator(std::string_view range, const std::string* kind);

// The generator's options as written out: `written(name)` gives the value written for the
// option of that name (nullptr when none was given: then its initial one). An option is
// refused for a window that does not offer it. Messages name an option as `prefix` and its
// name ("--divisore" with the prefix "--").
core::GeneratorOptions
readOptions(const Generator& g, const std::function<const std::string*(std::string_view)>& written,
            std::string_view prefix);
// One option's value read before the window is known, for its message alone.
void readOptionValue(const GeneratorOption& option, const std::string& value,
                     std::string_view spelling);

// A seed: a whole number that fits in 64 bits, in decimal digits only.
std::uint64_t readSeed(const std::string& value, std::string_view option);

// The worksheet's options; nullptr when the option was not given, for its default.
// Operations per column, 10, 20, 30 or 40: the number of groups of ten (default 2).
int readPerColumn(const std::string* value, std::string_view option);
// One or two columns (default two).
print::Columns readColumns(const std::string* value, std::string_view option);
// A whole number of copies from 1 to print::MaxCopies (default 1).
int readCopies(const std::string* value, std::string_view option);
// Squares of 5 mm, 4 mm or 1 cm for the column form (default: the operations in rows).
print::SheetForm readSquares(const std::string* value, std::string_view option);
// Refuses a form too narrow for the generator's widest operations (formFits).
void checkFormFits(const Generator& generator, print::SheetForm form);

// The message as a sentence on its own: its first letter upper-case.
std::string sentence(std::string_view message);

} // namespace catalog

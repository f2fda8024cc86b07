// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/address.h"

#include <emscripten/val.h>

#include <optional>

// The page's address read by the engine, for every entry point that makes lines or sheets.
namespace web {

// What the address, given as [name, value] pairs already URL-decoded, asks for, when it
// asks for `action`; a refused choice sets its message on `out`. A request without a seed
// is given a fresh one, which the page shows and its new address carries.
std::optional<catalog::PageRequest> readRequest(const emscripten::val& pairs,
                                                catalog::PageRequest::Action action,
                                                emscripten::val& out);

// The window, kind and options that the lines or sheets were made of, as the
// address spells them.
void setSource(emscripten::val& out, const catalog::Choice& choice);

} // namespace web

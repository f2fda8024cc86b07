// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/catalog/levels.h"

#include "engine/rules/codes.h"
#include "engine/rules/windowrules.h"

#include <array>
#include <string_view>

namespace catalog {

namespace {

using core::Changes;
using core::Operator;
using core::Remainder;

// Pairs whose lines pass their level too rarely for ten lines within 4 ms: measured on
// the rule's own lines (the benchmark of every pair writes the table in bench/results.md).
struct RarePair {
    std::string_view range;
    std::string_view kind;
    Changes changes;
    std::string_view share; // how many lines of the rule pass, roughly
};

constexpr std::array<RarePair, 4> RarePairs{{
    {core::range::R999999, core::kind::Add3, Changes::None, "circa 6 su 10.000"},
    // Its block of three addends binds the mixed set too.
    {core::range::R999999, core::kind::Mixed, Changes::None, "circa 6 su 10.000 addizioni"},
    {core::range::Dec9999, core::kind::Mul, Changes::None, "circa 4 su 1.000"},
    {core::range::Dec9999, core::kind::Mul, Changes::One, "circa 5 su 1.000"},
}};

const RarePair* rarePair(const Generator& g, const core::GeneratorOptions& level)
{
    for (const RarePair& p : RarePairs)
        if (p.range == g.window->range && p.kind == g.kind && p.changes == level.changes &&
            level.changes != Changes::Any)
            return &p;
    return nullptr;
}

bool binds(const Generator& g, const core::GeneratorOptions& level)
{
    if (g.kind == core::kind::MulPow10 || g.kind == core::kind::DivPow10)
        return false;
    // The operators the generator's lines may have: every block's bounds are operations of
    // the block's own operator.
    bool makes[4] = {};
    for (const core::Operation& o : core::rulesOf(*g.window).widest(*g.window, g.kind))
        makes[static_cast<int>(o.op)] = true;
    const auto has = [&makes](Operator op) { return makes[static_cast<int>(op)]; };
    if (level.changes == Changes::ThroughZero && !has(Operator::Minus))
        return false;
    if (level.changes != Changes::Any && !has(Operator::Plus) && !has(Operator::Minus) &&
        !has(Operator::Times))
        return false;
    if (level.remainder != Remainder::Any && !has(Operator::Divide))
        return false;
    return true;
}

} // namespace

bool levelOffered(const Generator& generator, const core::GeneratorOptions& level)
{
    return binds(generator, level) && !rarePair(generator, level);
}

std::string levelRefusal(const Generator& generator, const core::GeneratorOptions& level)
{
    if (!binds(generator, level))
        return {};
    if (const RarePair* p = rarePair(generator, level))
        return "le righe che lo rispettano sono troppo rare (" + std::string(p->share) +
               ") per farne dieci senza attese";
    return {};
}

} // namespace catalog

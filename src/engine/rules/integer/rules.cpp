// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rules/integer/rules.h"

#include "engine/rules/codes.h"
#include "engine/rules/integer/families.h"

#include <array>

namespace integer {

namespace {

namespace k = core::kind;
namespace r = core::range;

struct MixedBlock {
    std::string_view kind;
    int size = 0; // 0: the window has no such block
};

struct MixedRow {
    std::string_view range;
    std::array<MixedBlock, 8> blocks;
};

// The fixed composition of each window's mixed set, block by block in this order.
// clang-format off
constexpr std::array<MixedRow, 5> MixedRows{{
    // range      +2           +3           -           one-digit x   x2           x3           division      :2
    {r::R500,    {{{k::Add2, 2}, {k::Add3, 1}, {k::Sub, 3}, {k::Mul, 2},  {},           {},           {k::Div3, 2}, {}}}},
    {r::R999,    {{{k::Add2, 2}, {k::Add3, 1}, {k::Sub, 3}, {k::Mul1, 1}, {k::Mul2, 1}, {},           {k::Div, 2},  {}}}},
    {r::R9999,   {{{k::Add2, 2}, {k::Add3, 1}, {k::Sub, 3}, {k::Mul1, 1}, {k::Mul2, 1}, {},           {k::Div, 2},  {}}}},
    {r::R99999,  {{{k::Add2, 1}, {k::Add3, 1}, {k::Sub, 2}, {k::Mul1, 1}, {k::Mul2, 1}, {k::Mul3, 1}, {k::Div, 1},  {k::Div2, 2}}}},
    {r::R999999, {{{k::Add2, 1}, {k::Add3, 1}, {k::Sub, 2}, {k::Mul1, 1}, {k::Mul2, 1}, {k::Mul3, 1}, {k::Div, 1},  {k::Div2, 2}}}},
}};
// clang-format on

std::optional<core::Recipe> mixed(std::string_view range, std::string_view closing)
{
    for (const MixedRow& row : MixedRows) {
        if (row.range != range)
            continue;
        core::Recipe blocks;
        for (const MixedBlock& block : row.blocks) {
            if (block.size == 0)
                continue;
            // Every block's kind is a single-kind generator of the same window.
            blocks.push_back(core::Block{*attempt(range, block.kind, closing), block.size});
        }
        return blocks;
    }
    return std::nullopt;
}

} // namespace

std::optional<core::Attempt> attempt(std::string_view range, std::string_view kind,
                                     std::string_view closing)
{
    if (const AdditiveRow* row = findAdditive(range, kind))
        return additiveAttempt(*row, closing);
    if (const MultiplicationRow* row = findMultiplication(range, kind))
        return multiplicationAttempt(*row, closing);
    if (const DivisionRow* row = findDivision(range, kind))
        return divisionAttempt(*row, closing);
    return std::nullopt;
}

std::vector<core::Operation> widestOperations(std::string_view range, std::string_view kind)
{
    if (kind == core::kind::Mixed) {
        std::vector<core::Operation> widest;
        for (const MixedRow& row : MixedRows)
            if (row.range == range)
                for (const MixedBlock& block : row.blocks)
                    if (block.size != 0)
                        for (core::Operation& op : widestOperations(range, block.kind))
                            widest.push_back(std::move(op));
        return widest;
    }
    if (const AdditiveRow* row = findAdditive(range, kind))
        return widestAdditive(*row);
    if (const MultiplicationRow* row = findMultiplication(range, kind))
        return widestMultiplication(*row);
    if (const DivisionRow* row = findDivision(range, kind))
        return widestDivision(*row);
    return {};
}

std::optional<core::Recipe> recipe(std::string_view range, std::string_view kind,
                                   std::string_view closing)
{
    if (kind == core::kind::Mixed)
        return mixed(range, closing);
    if (auto single = attempt(range, kind, closing))
        return core::singleKind(std::move(*single));
    return std::nullopt;
}

} // namespace integer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/steps.h"
#include "engine/rules/options.h"

namespace core {

namespace {

bool meetsChanges(const Operation& operation, Changes level)
{
    if (level == Changes::Any || operation.op == Operator::Divide)
        return true;
    if (level == Changes::ThroughZero)
        return operation.op != Operator::Minus || borrowsThroughZero(operation);
    const std::optional<int> changes = changesOf(operation);
    if (!changes)
        return false;
    switch (level) {
    case Changes::None:
        return *changes == 0;
    case Changes::One:
        return *changes == 1;
    case Changes::Several:
        return *changes >= 2;
    case Changes::Any:
    case Changes::ThroughZero:
        break;
    }
    return true;
}

bool meetsRemainder(const Operation& operation, Remainder level, bool toHundredths)
{
    if (level == Remainder::Any || operation.op != Operator::Divide)
        return true;
    const std::optional<bool> exact = divisionIsExact(operation, toHundredths);
    return exact && *exact == (level == Remainder::None);
}

} // namespace

bool meetsLevels(const Operation& operation, const GeneratorOptions& options, bool toHundredths)
{
    return meetsChanges(operation, options.changes) &&
           meetsRemainder(operation, options.remainder, toHundredths);
}

} // namespace core

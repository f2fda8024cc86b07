// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/operation.h"
#include "engine/rules/cases/rules.h"

#include <string>

// Rule checks of single decimal and division-case lines: read back from their Italian text
// (a line printed by a front end), or taken from an operation the rules made. The bounds
// are written out by hand from the rules; each returns the first fault, or an empty text
// when the line keeps its rule.
namespace conformance {

std::string checkDecimalLine(const std::string& range, const std::string& kind,
                             const std::string& line, const std::string& closing);

std::string checkDecimalOperation(const std::string& range, const std::string& kind,
                                  const core::Operation& operation, const std::string& closing);

// The divisor choice is the one in force for the whole run; Mixed allows either count.
std::string checkCaseLine(int caseNumber, cases::DivisorChoice choice, const std::string& line,
                          const std::string& closing);
std::string checkCaseOperation(int caseNumber, cases::DivisorChoice choice,
                               const core::Operation& operation, const std::string& closing);

} // namespace conformance

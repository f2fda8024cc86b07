// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/columnform.h"

#include <string>
#include <vector>

// An operation worked out square by square, as a pupil works it in column form: the squares
// of the worked key that the worksheet leaves empty, in the order a pupil fills them, each
// with what goes in it, what it is, where it is in words and a hint in the classroom's
// words. Playing every step on the worksheet's form gives the worked key's squares exactly.
//
// Orders:
// - addition, subtraction: place by place from the right; before a place's digit, the
//   loan it takes (the digits that lend, then its own mark), after it, the carry it
//   passes on; the comma as the place after it is done;
// - multiplication by one digit: the same, with the carries over the multiplicand; by
//   two or three digits: each partial product from the right, row by row, then their
//   sum from the right (carries kept in mind: the key draws none);
// - division: the divisor made whole first (the dividend's comma and zeros, as the key
//   writes them), then each quotient digit followed by its row under the dividend: the
//   remainder, then the digit brought down; the quotient's comma before its first
//   decimal digit;
// - mental operations (by 10, 100, 1000): the result from the left.
namespace print {

enum class StepRole {
    Result,         // a digit or the comma of a sum, difference or product
    Carry,          // a carry, small over the place it goes to
    Borrow,         // a loan: what a digit becomes, or the 1 a digit receives
    AddedZero,      // a zero (or the comma) a minuend needs to reach the subtrahend's places
    PartialProduct, // a digit of a multi-digit multiplication's partial product
    Quotient,       // a digit, the comma or the "…" of a quotient
    DivisionRow,    // a digit of a row under the dividend: a remainder, or a digit brought down
    Remainder,      // a digit of the division's last row
    MovedComma,     // the dividend's comma where it moves, and the zeros that needs
};

struct WorkStep {
    FormGlyph glyph; // what is written, and where, as the worked key draws it
    StepRole role = StepRole::Result;
    // Carries, loans and added zeros help the pupil and may be left out; written, they
    // are checked like any other square.
    bool required = true;
    // Written for the pupil when the work reaches it: the "…" of a quotient that goes on.
    bool automatic = false;
    std::string place; // the square in words: "decine del risultato"
    std::string hint;  // what to do there, with this step's numbers
    // Struck through as this step is written: the digit that lends, the commas that move.
    std::vector<FormStroke> strokes;
};

struct WorkOrder {
    OperationForm form; // the operation as the worksheet shows it
    std::vector<WorkStep> steps;
};

// The order of work of an operation made by `window`'s rules (no steps for one that cannot
// be worked out, such as a division by 0).
WorkOrder workOrder(const core::Operation& operation, const core::WindowEntry& window);

// The name of a role, as the page and the tests call it: "risultato", "riporto", …
std::string_view roleName(StepRole role);

} // namespace print

// What the practice on screen says, the same wherever it is shown.
namespace print::practice {
inline constexpr std::string_view Right = "Giusto!";
inline constexpr std::string_view Wrong = "Non è questa cifra: riprova.";
inline constexpr std::string_view WrongAgain = "Non è ancora questa. Guarda il suggerimento.";
inline constexpr std::string_view NothingToWork =
    "Questa operazione non si può eseguire in colonna: passa alla successiva.";
} // namespace print::practice

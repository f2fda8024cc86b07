// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/columnform.h"

#include "engine/numbers/numberformat.h"
#include "engine/numbers/steps.h"
#include "engine/sheet/characters.h"

#include <algorithm>
#include <cstdint>

namespace print {

namespace {

constexpr std::string_view Ellipsis = "…";

// A number as column form writes it: its digits, one square each, and how many of them
// stand after the comma. Thousands points are dropped.
struct Digits {
    std::string digits;
    int decimals = 0;
    bool goesOn = false; // a quotient followed by "…"

    int length() const { return static_cast<int>(digits.size()); }
    int whole() const { return length() - decimals; }
};

Digits digitsOf(const core::WrittenNumber& n, bool goesOn = false)
{
    return {n.digits, n.decimals, goesOn};
}

Digits digitsOf(const core::Result& result)
{
    return digitsOf(result.value, result.goesOn);
}

bool isPowerOfTen(const core::WrittenNumber& n)
{
    return n.decimals == 0 && !n.negative &&
           (n.digits == "10" || n.digits == "100" || n.digits == "1000");
}

class Writer {
public:
    explicit Writer(OperationForm& form) : m_form(form) { m_form.glyphs.reserve(24); }

    void glyph(int column, int row, std::string text)
    {
        m_form.glyphs.push_back({GlyphKind::Square, column, row, std::move(text)});
    }

    // The number with its last digit in `rightColumn`; the comma on the grid line after
    // its units digit.
    void number(const Digits& n, int rightColumn, int row)
    {
        const int left = rightColumn - n.length() + 1;
        for (int i = 0; i < n.length(); ++i)
            glyph(left + i, row, std::string(1, n.digits[std::size_t(i)]));
        if (n.decimals > 0)
            m_form.glyphs.push_back(
                {GlyphKind::Comma, rightColumn - n.decimals + 1, row, std::string(",")});
        if (n.goesOn)
            glyph(rightColumn + 1, row, std::string(Ellipsis));
    }

    // A carry over its column, small.
    void carry(int column, int row, int value)
    {
        m_form.glyphs.push_back({GlyphKind::Square, column, row, std::to_string(value), true});
    }

    // Digits without a comma, the last in `rightColumn`.
    void digits(std::string_view text, int rightColumn, int row)
    {
        const int left = rightColumn - static_cast<int>(text.size()) + 1;
        for (std::size_t i = 0; i < text.size(); ++i)
            glyph(left + static_cast<int>(i), row, std::string(1, text[i]));
    }

    void numberFrom(const Digits& n, int leftColumn, int row)
    {
        number(n, leftColumn + n.length() - 1, row);
    }

    void rule(int fromColumn, int fromRow, int toColumn, int toRow, RuleWeight weight)
    {
        m_form.rules.push_back({fromColumn, fromRow, toColumn, toRow, weight});
    }

private:
    OperationForm& m_form;
};

std::string_view signOf(core::Operator op)
{
    switch (op) {
    case core::Operator::Plus:
        return "+";
    case core::Operator::Minus:
        return "-";
    case core::Operator::Times:
        return "x";
    case core::Operator::Divide:
        return ":";
    }
    return "";
}

void addSub(OperationForm& form, const core::Operation& op, const Digits& result, bool withResult)
{
    const int count = static_cast<int>(op.operands.size());
    std::vector<Digits> operands;
    operands.reserve(op.operands.size());
    int whole = result.whole();
    int decimals = result.decimals;
    for (const core::WrittenNumber& n : op.operands) {
        operands.push_back(digitsOf(n));
        whole = std::max(whole, operands.back().whole());
        decimals = std::max(decimals, operands.back().decimals);
    }
    const int units = whole - 1; // the comma, if any, on the grid line after it
    form.family = FormFamily::AddSub;
    form.columns = whole + decimals + 2;
    form.rows = count + 2;
    form.carryRow = 0;
    form.resultRow = count + 1;
    form.unitsColumn = units;

    Writer w(form);
    const int sign = form.columns - 1;
    for (int i = 0; i < count; ++i) {
        const Digits& n = operands[std::size_t(i)];
        w.number(n, units + n.decimals, 1 + i);
        w.glyph(sign, 1 + i, std::string(i + 1 < count ? signOf(op.op) : "="));
    }
    w.rule(0, count + 1, form.columns, count + 1, RuleWeight::Dark);
    if (!withResult)
        return;
    // Place k from the right stands in column units + decimals - k.
    if (const auto borrows = core::subtractionBorrows(op)) {
        const int minuendRow = 1;
        if (operands[0].decimals == 0 && decimals > 0)
            form.glyphs.push_back({GlyphKind::Comma, units + 1, minuendRow, ","});
        for (std::size_t k = 0; k < borrows->size(); ++k) {
            const core::BorrowPlace& place = (*borrows)[k];
            const int column = units + decimals - static_cast<int>(k);
            if (place.added)
                w.carry(column, minuendRow, 0);
            if (place.lends) {
                form.strokes.push_back({column, minuendRow, GlyphKind::Square});
                w.carry(column, form.carryRow, place.receives ? 10 + place.becomes : place.becomes);
            } else if (place.receives) {
                form.glyphs.push_back({GlyphKind::Before, column, minuendRow, "1", true});
            }
        }
    }
    if (const auto carries = core::additionCarries(op))
        for (std::size_t k = 1; k < carries->size(); ++k)
            if ((*carries)[k] != 0)
                w.carry(units + decimals - static_cast<int>(k), form.carryRow, (*carries)[k]);
    w.number(result, units + result.decimals, form.resultRow);
}

void multiplication(OperationForm& form, const core::Operation& op, const Digits& product,
                    bool withResult)
{
    const Digits a = digitsOf(op.operands[0]);
    const Digits b = digitsOf(op.operands[1]);
    // Partial products: the multiplicand's digits times each digit of the multiplier
    // (a 0 digit's row as zeros, one per digit of the multiplicand), shifted one square
    // further left for each row.
    const auto rows = core::partialProducts(op);
    int widest = std::max({a.length(), b.length(), product.length()});
    const int partials = b.length() > 1 && rows ? b.length() : 0;
    for (int i = 0; i < partials; ++i)
        widest = std::max(widest, (*rows)[std::size_t(i)].digits + i);
    const int right = widest - 1;
    form.family = FormFamily::Multiplication;
    form.columns = widest + 2;
    form.carryRow = 0;
    form.unitsColumn = right;
    if (partials > 0) {
        form.firstPartialRow = 3;
        form.partialRows = partials;
    }
    form.resultRow = 3 + partials;
    form.rows = form.resultRow + 1;

    Writer w(form);
    const int sign = form.columns - 1;
    w.number(a, right, 1);
    w.glyph(sign, 1, "x");
    w.number(b, right, 2);
    w.glyph(sign, 2, "=");
    w.rule(0, 3, form.columns, 3, RuleWeight::Dark);
    if (partials > 0)
        w.rule(0, form.resultRow, form.columns, form.resultRow, RuleWeight::Thin);
    if (!withResult)
        return;
    // A one-digit multiplier: its carries small over the multiplicand's digits they go to.
    if (const auto carries = core::multiplicationCarries(op))
        for (std::size_t k = 1; k < carries->size(); ++k)
            if ((*carries)[k] != 0)
                w.carry(right - static_cast<int>(k), form.carryRow, (*carries)[k]);
    for (int i = 0; i < partials; ++i) {
        const core::PartialProduct& p = (*rows)[std::size_t(i)];
        const std::string text =
            p.value == 0 ? std::string(std::size_t(p.digits), '0') : std::to_string(p.value);
        w.digits(text, right - i, form.firstPartialRow + i);
    }
    w.number(product, right, form.resultRow);
}

void division(OperationForm& form, const core::Operation& op, const core::Result& result,
              bool cases, bool withResult)
{
    const Digits a = digitsOf(op.operands[0]);
    const Digits b = digitsOf(op.operands[1]);
    const Digits q = digitsOf(result);
    const int dividendWidth = a.length() + (cases ? b.decimals + 2 : 0);
    const int quotientDigits = cases ? q.whole() + 2 : q.length();
    // The cases keep room under the divisor for every place to the hundredths and "…",
    // whether or not this quotient needs them.
    const int right = std::max(b.length(), cases ? quotientDigits + 1 : q.length());
    form.family = FormFamily::Division;
    form.columns = dividendWidth + right;
    form.resultRow = 1;
    form.firstWorkingRow = 1;
    form.workingRows = quotientDigits + 1;
    form.rows = 1 + form.workingRows;

    Writer w(form);
    w.numberFrom(a, 0, 0);
    w.numberFrom(b, dividendWidth, 0);
    w.rule(dividendWidth, 0, dividendWidth, form.rows, RuleWeight::Dark);
    w.rule(dividendWidth, 1, form.columns, 1, RuleWeight::Dark);
    if (!withResult)
        return;
    w.numberFrom(q, dividendWidth, 1);
    const auto steps = core::divisionSteps(op, cases);
    if (!steps)
        return;
    // The zeros added to move the comma and to reach the hundredths, in the dividend's
    // free squares.
    for (int i = a.length(); i < static_cast<int>(steps->dividend.size()); ++i)
        w.glyph(i, 0, "0");
    if (cases) {
        // The divisor made whole: its comma struck through. The dividend's comma moves as
        // many places: struck where it stood, written where it stands now once the
        // division goes into the decimals.
        if (b.decimals > 0)
            form.strokes.push_back({dividendWidth + b.whole(), 0});
        const bool moved = steps->divisorPlaces > 0;
        if (a.decimals > 0 && moved)
            form.strokes.push_back({a.whole(), 0});
        const int comma = steps->wholeDigits;
        if (static_cast<int>(steps->dividend.size()) > comma && (a.decimals == 0 || moved))
            form.glyphs.push_back({GlyphKind::Comma, comma, 0, ","});
    }
    for (std::size_t i = 0; i < steps->rows.size(); ++i)
        w.digits(steps->rows[i].digits, steps->rows[i].lastDigit,
                 form.firstWorkingRow + static_cast<int>(i));
}

void mental(OperationForm& form, const core::Operation& op, const Digits& result, bool withResult)
{
    const Digits a = digitsOf(op.operands[0]);
    const Digits b = digitsOf(op.operands[1]);
    const int sign = a.length() + 1;
    const int power = sign + 2;
    const int equals = power + b.length() + 1;
    form.family = FormFamily::Mental;
    form.columns = equals + 2 + result.length();
    form.rows = 1;
    form.resultRow = 0;

    Writer w(form);
    w.numberFrom(a, 0, 0);
    w.glyph(sign, 0, std::string(signOf(op.op)));
    w.numberFrom(b, power, 0);
    w.glyph(equals, 0, "=");
    if (withResult)
        w.numberFrom(result, equals + 2, 0);
}

// One character per square, blanks left free; trailing blanks take no square.
void text(OperationForm& form, std::string_view line)
{
    form = OperationForm{};
    Writer w(form);
    int column = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t length = characterLength(line, i);
        if (line[i] != ' ')
            w.glyph(column, 0, std::string(line.substr(i, length)));
        ++column;
        i += length;
    }
    form.columns = form.glyphs.empty() ? 0 : form.glyphs.back().column + 1;
    form.rows = form.columns > 0 ? 1 : 0;
}

} // namespace

core::ResultStyle columnStyle(const core::WindowEntry& window)
{
    core::ResultStyle style = window.result;
    style.thousandsPoints = false;
    style.everyPlace = true;
    return style;
}

OperationForm operationForm(const core::Operation& operation, const core::WindowEntry& window,
                            bool withResult)
{
    OperationForm form;
    const core::Operation* op = &operation;
    // The decimal windows multiply and divide by 10, 100 and 1000 in the head, and divide
    // by nothing else.
    const bool decimalWindow = window.family == core::WindowFamily::Decimal;
    const bool byPower = (op->op == core::Operator::Times || op->op == core::Operator::Divide) &&
                         decimalWindow && isPowerOfTen(op->operands[1]);
    core::ResultStyle style = columnStyle(window);
    // A result worked in the head is written as the row key writes it: "97,6", not "97,60".
    style.everyPlace = !byPower;
    const auto result = core::operationResult(*op, style);
    if (!result) {
        text(form, core::lineOf(operation));
        return form;
    }
    if (byPower)
        mental(form, *op, digitsOf(*result), withResult);
    else if (op->op == core::Operator::Times)
        multiplication(form, *op, digitsOf(*result), withResult);
    else if (op->op == core::Operator::Divide)
        division(form, *op, *result, window.family != core::WindowFamily::Integer, withResult);
    else
        addSub(form, *op, digitsOf(*result), withResult);
    return form;
}

} // namespace print

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/workorder.h"

#include "engine/numbers/numberformat.h"
#include "engine/numbers/steps.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace print {

namespace {

using Glyphs = std::vector<FormGlyph>;

bool sameGlyph(const FormGlyph& a, const FormGlyph& b)
{
    return a.kind == b.kind && a.column == b.column && a.row == b.row && a.text == b.text &&
           a.small == b.small;
}

// The glyphs of the worked key that the worksheet has not got, taken one by one by place as
// the order reaches them.
class KeyGlyphs {
public:
    KeyGlyphs(const OperationForm& blank, const OperationForm& key) : m_left(key.glyphs)
    {
        for (const FormGlyph& g : blank.glyphs) {
            const auto it = std::find_if(m_left.begin(), m_left.end(),
                                         [&g](const FormGlyph& k) { return sameGlyph(g, k); });
            if (it != m_left.end())
                m_left.erase(it);
        }
    }

    std::optional<FormGlyph> take(GlyphKind kind, int column, int row)
    {
        const auto it = std::find_if(m_left.begin(), m_left.end(), [&](const FormGlyph& g) {
            return g.kind == kind && g.column == column && g.row == row;
        });
        if (it == m_left.end())
            return std::nullopt;
        FormGlyph g = *it;
        m_left.erase(it);
        return g;
    }

    bool has(GlyphKind kind, int column, int row) const
    {
        return std::any_of(m_left.begin(), m_left.end(), [&](const FormGlyph& g) {
            return g.kind == kind && g.column == column && g.row == row;
        });
    }

    // The text of the key's glyph there, or "".
    std::string textAt(GlyphKind kind, int column, int row) const
    {
        for (const FormGlyph& g : m_left)
            if (g.kind == kind && g.column == column && g.row == row)
                return g.text;
        return {};
    }

    // The squares of a row from `from` to `to` columns (either way) that the key writes.
    std::vector<int> columnsOf(int row, int from, int to) const
    {
        std::vector<int> columns;
        for (const FormGlyph& g : m_left)
            if (g.kind == GlyphKind::Square && g.row == row && g.column >= std::min(from, to) &&
                g.column <= std::max(from, to))
                columns.push_back(g.column);
        std::sort(columns.begin(), columns.end());
        if (from > to)
            std::reverse(columns.begin(), columns.end());
        return columns;
    }

private:
    Glyphs m_left;
};

bool isDigit(std::string_view text)
{
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

// The digits the worksheet shows, by square.
class Shown {
public:
    explicit Shown(const OperationForm& form)
    {
        for (const FormGlyph& g : form.glyphs)
            add(g);
    }

    std::optional<int> digit(int column, int row) const
    {
        for (const FormGlyph& g : m_digits)
            if (g.column == column && g.row == row)
                return g.text[0] - '0';
        return std::nullopt;
    }

    void add(const FormGlyph& g)
    {
        if (g.kind == GlyphKind::Square && !g.small && isDigit(g.text))
            m_digits.push_back(g);
    }

private:
    Glyphs m_digits;
};

// A place's name: 0 the units, 1 the tens, -1 the tenths. Feminine names take "delle",
// masculine ones "dei".
struct PlaceWord {
    std::string_view name;
    bool feminine = true;
};

PlaceWord placeWord(int place)
{
    static constexpr std::array<std::string_view, 9> whole = {"unità",
                                                              "decine",
                                                              "centinaia",
                                                              "unità di migliaia",
                                                              "decine di migliaia",
                                                              "centinaia di migliaia",
                                                              "unità di milioni",
                                                              "decine di milioni",
                                                              "centinaia di milioni"};
    static constexpr std::array<std::string_view, 4> fractions = {"decimi", "centesimi",
                                                                  "millesimi", "decimillesimi"};
    if (place >= 0 && place < static_cast<int>(whole.size()))
        return {whole[std::size_t(place)], true};
    if (place < 0 && -place <= static_cast<int>(fractions.size()))
        return {fractions[std::size_t(-place - 1)], false};
    return {"cifre", true};
}

std::string named(int place)
{
    return std::string(placeWord(place).name);
}

std::string ofPlace(int place)
{
    const PlaceWord w = placeWord(place);
    return std::string(w.feminine ? "delle " : "dei ") + std::string(w.name);
}

std::string fromPlace(int place)
{
    const PlaceWord w = placeWord(place);
    return std::string(w.feminine ? "dalle " : "dai ") + std::string(w.name);
}

std::string onPlace(int place)
{
    const PlaceWord w = placeWord(place);
    return std::string(w.feminine ? "sulle " : "sui ") + std::string(w.name);
}

std::string ordinal(int index)
{
    static constexpr std::array<std::string_view, 10> words = {
        "prima", "seconda", "terza",  "quarta", "quinta",
        "sesta", "settima", "ottava", "nona",   "decima"};
    if (index >= 0 && index < static_cast<int>(words.size()))
        return std::string(words[std::size_t(index)]);
    return std::to_string(index + 1) + "ª";
}

std::string n(std::int64_t value)
{
    return std::to_string(value);
}

std::int64_t numberOf(std::string_view digits)
{
    std::int64_t value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// A number with its article, as said aloud: "il 7", "l'8", "l'1", "lo 0"; `with` joins a
// preposition to it: "nel 7", "nell'8", "nello 0".
enum class Article { Il, L, Lo };

Article articleOf(std::int64_t value)
{
    const std::string s = std::to_string(value);
    if (value == 0)
        return Article::Lo;
    // otto…, uno, undici, un milione
    if (s[0] == '8' || value == 1 || value == 11 || (s.size() == 7 && s[0] == '1'))
        return Article::L;
    return Article::Il;
}

std::string with(std::string_view preposition, std::int64_t value)
{
    const std::string v = std::to_string(value);
    const std::string p(preposition);
    switch (articleOf(value)) {
    case Article::L:
        return (p.empty() ? "l'" : p + "ll'") + v;
    case Article::Lo:
        return (p.empty() ? "lo " : p + "llo ") + v;
    case Article::Il:
        break;
    }
    return (p.empty() ? "il " : p + "l ") + v;
}

std::string the(std::int64_t value)
{
    return with("", value);
}

std::string The(std::int64_t value)
{
    std::string s = with("", value);
    s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

class Order {
public:
    Order(const OperationForm& blank, const OperationForm& key)
        : m_key(blank, key), m_shown(blank), m_strokes(key.strokes)
    {
    }

    KeyGlyphs& key() { return m_key; }
    const Shown& shown() const { return m_shown; }

    // Takes the key's glyph at that place into the order; false if the key has none there.
    bool step(GlyphKind kind, int column, int row, StepRole role, std::string place,
              std::string hint, bool required = true)
    {
        std::optional<FormGlyph> g = m_key.take(kind, column, row);
        if (!g)
            return false;
        WorkStep s;
        s.glyph = std::move(*g);
        s.role = role;
        s.required = required;
        s.automatic = s.glyph.text == "…";
        s.place = std::move(place);
        s.hint = std::move(hint);
        s.strokes = std::move(m_pendingStrokes);
        m_pendingStrokes.clear();
        m_shown.add(s.glyph);
        m_steps.push_back(std::move(s));
        return true;
    }

    // Strokes of the key on that glyph go with the next step written.
    void strike(int column, int row, GlyphKind kind)
    {
        const auto it = std::find_if(m_strokes.begin(), m_strokes.end(), [&](const FormStroke& s) {
            return s.column == column && s.row == row && s.kind == kind;
        });
        if (it == m_strokes.end())
            return;
        m_pendingStrokes.push_back(*it);
        m_strokes.erase(it);
    }

    // Every stroke not yet taken goes with the next step.
    void strikeAll()
    {
        m_pendingStrokes.insert(m_pendingStrokes.end(), m_strokes.begin(), m_strokes.end());
        m_strokes.clear();
    }

    std::vector<WorkStep> steps() &&
    {
        // Strokes that no later step took stay with the last one.
        if (!m_pendingStrokes.empty() && !m_steps.empty())
            m_steps.back().strokes.insert(m_steps.back().strokes.end(), m_pendingStrokes.begin(),
                                          m_pendingStrokes.end());
        return std::move(m_steps);
    }

private:
    KeyGlyphs m_key;
    Shown m_shown;
    std::vector<FormStroke> m_strokes;
    std::vector<FormStroke> m_pendingStrokes;
    std::vector<WorkStep> m_steps;
};

// "7 più 5 più 1 di riporto fa 13: scrivo 3 e riporto 1."
std::string sumHint(const std::vector<int>& terms, int carry, int sum, bool last)
{
    const int digit = sum % 10;
    if (terms.empty() && carry == 0)
        return "Non c'è niente da sommare: scrivo 0.";
    if (terms.empty())
        return "Il riporto " + n(carry) + " va nel risultato: scrivo " + n(carry) + ".";
    if (terms.size() == 1 && carry == 0)
        return "C'è solo " + the(terms[0]) + ": scrivo " + n(terms[0]) + ".";
    std::string hint;
    for (std::size_t i = 0; i < terms.size(); ++i)
        hint += (i ? " più " : "") + n(terms[i]);
    if (carry)
        hint += " più " + n(carry) + " di riporto";
    hint += " fa " + n(sum) + ": scrivo " + n(digit);
    if (sum >= 10 && !last)
        hint += " e riporto " + n(sum / 10);
    return hint + ".";
}

// Columns right to left, each with the comma that stands before it in `row`, written as
// the place on its right is done.
void commaBefore(Order& order, int column, int row, StepRole role, std::string place,
                 std::string hint)
{
    order.step(GlyphKind::Comma, column + 1, row, role, std::move(place), std::move(hint));
}

void addition(Order& order, const core::Operation& op, const OperationForm& form)
{
    const int operands = static_cast<int>(op.operands.size());
    const int units = form.unitsColumn;
    int carry = 0;
    for (int column = form.columns - 2; column >= 0; --column) {
        const int place = units - column;
        commaBefore(order, column, form.resultRow, StepRole::Result, "virgola del risultato",
                    "Finiti i decimali, la virgola va sotto le virgole.");
        std::vector<int> terms;
        for (int row = 1; row <= operands; ++row)
            if (const auto d = order.shown().digit(column, row))
                terms.push_back(*d);
        int sum = carry;
        for (const int t : terms)
            sum += t;
        const bool last = !order.key().has(GlyphKind::Square, column - 1, form.resultRow);
        order.step(GlyphKind::Square, column, form.resultRow, StepRole::Result,
                   named(place) + " del risultato", sumHint(terms, carry, sum, last));
        order.step(GlyphKind::Square, column - 1, form.carryRow, StepRole::Carry,
                   "riporto " + onPlace(place + 1),
                   "Riporto " + n(sum / 10) + " " + onPlace(place + 1) + ".", false);
        carry = sum / 10;
    }
}

void subtraction(Order& order, const core::Operation& op, const OperationForm& form)
{
    const auto marks = core::subtractionBorrows(op);
    if (!marks)
        return;
    const int units = form.unitsColumn;
    const int decimals = form.columns - units - 3;
    const int minuend = 1;
    const int subtrahend = 2;
    const auto columnOf = [&](int k) { return units + decimals - k; };
    const auto digit = [&](int k, int row) { return order.shown().digit(columnOf(k), row); };
    const int places = static_cast<int>(marks->size());
    // What each place of the minuend holds at its turn: what it became if it lent.
    const auto current = [&](int k) {
        const core::BorrowPlace& m = (*marks)[std::size_t(k)];
        return m.lends ? m.becomes : (m.added ? 0 : digit(k, minuend).value_or(0));
    };

    // A whole minuend worked with the subtrahend's decimals: its comma and zeros first.
    order.step(GlyphKind::Comma, units + 1, minuend, StepRole::AddedZero, "virgola del minuendo",
               "Il minuendo è un numero intero: scrivo la virgola per aggiungere i decimali che "
               "mancano.",
               false);
    for (int k = places - 1; k >= 0; --k)
        if ((*marks)[std::size_t(k)].added)
            order.step(GlyphKind::Square, columnOf(k), minuend, StepRole::AddedZero,
                       named(units - columnOf(k)) + " del minuendo",
                       "Il minuendo non ha " +
                           std::string(placeWord(units - columnOf(k)).feminine ? "le " : "i ") +
                           named(units - columnOf(k)) + ": scrivo 0.",
                       false);

    for (int k = 0; k < places; ++k) {
        const int column = columnOf(k);
        const int place = units - column;
        commaBefore(order, column, form.resultRow, StepRole::Result, "virgola del risultato",
                    "Finiti i decimali, la virgola va sotto le virgole.");
        const core::BorrowPlace& mark = (*marks)[std::size_t(k)];
        const int below = digit(k, subtrahend).value_or(0);
        const int has = current(k);
        if (mark.receives) {
            const int lender = mark.from;
            // Who lends strikes its digit now; what it becomes is written now unless it
            // receives a loan of its own later, when it is written with that.
            std::string deferred;
            for (int i = lender; i > k; --i) {
                const core::BorrowPlace& m = (*marks)[std::size_t(i)];
                order.strike(columnOf(i), minuend, GlyphKind::Square);
                const int p = units - columnOf(i);
                const int was = digit(i, minuend).value_or(0);
                if (m.receives) {
                    deferred = " (" + the(was) + " diventa " + n(m.becomes) + ")";
                    continue;
                }
                const std::string hint =
                    i == lender
                        ? n(has) + " meno " + n(below) + " non si può: prendo 1 " + fromPlace(p) +
                              ": " + the(was) + " diventa " + n(m.becomes) + "."
                        : "Lo 0 " + ofPlace(p) + " non ha niente da prestare: prende 1 " +
                              fromPlace(units - columnOf(i + 1)) + " e ne presta 1: diventa " +
                              n(m.becomes) + ".";
                order.step(GlyphKind::Square, columnOf(i), form.carryRow, StepRole::Borrow,
                           "prestito " + onPlace(p), hint, false);
            }
            const std::string gets = n(has) + " meno " + n(below) + " non si può: prendo 1 " +
                                     fromPlace(place + 1) + deferred + " e " + the(has) +
                                     " diventa " + n(has + 10);
            if (mark.lends)
                order.step(GlyphKind::Square, column, form.carryRow, StepRole::Borrow,
                           "prestito " + onPlace(place), gets + ": scrivo " + n(has + 10) + ".",
                           false);
            else
                order.step(GlyphKind::Before, column, minuend, StepRole::Borrow,
                           "1 davanti " + std::string(placeWord(place).feminine ? "alle " : "ai ") +
                               named(place) + " del minuendo",
                           gets + ": scrivo 1 davanti " + with("a", has) + ".", false);
        }
        const int value = has + (mark.receives ? 10 : 0);
        const int result = value - below;
        const std::string hint = digit(k, subtrahend)
                                     ? n(value) + " meno " + n(below) + " fa " + n(result) +
                                           ": scrivo " + n(result) + "."
                                     : "Non c'è niente da togliere: scrivo " + n(result) + ".";
        order.step(GlyphKind::Square, column, form.resultRow, StepRole::Result,
                   named(place) + " del risultato", hint);
    }
}

std::string multiplyHint(int a, int b, int carry, int value, bool last, std::string_view keep,
                         std::string_view kept)
{
    std::string hint = n(a) + " per " + n(b) + " fa " + n(a * b);
    if (carry)
        hint += ", più " + n(carry) + " " + std::string(kept) + " fa " + n(value);
    hint += ": scrivo " + n(value % 10);
    if (value >= 10 && !last)
        hint += std::string(" e ") + std::string(keep) + " " + n(value / 10);
    return hint + ".";
}

void multiplication(Order& order, const core::Operation& op, const OperationForm& form)
{
    const core::WrittenNumber& multiplier = op.operands[1];
    const int right = form.unitsColumn;
    const int productRow = form.resultRow;
    // The product's places: its comma, if any, on the grid line after its units.
    int productUnits = right;
    for (int c = 0; c <= right; ++c)
        if (order.key().has(GlyphKind::Comma, c, productRow))
            productUnits = c - 1;
    const auto placeIn = [productUnits](int column) { return productUnits - column; };
    if (form.partialRows == 0) {
        const int b = multiplier.digits.empty() ? 0 : multiplier.digits.back() - '0';
        int carry = 0;
        for (int column = right; column >= 0; --column) {
            commaBefore(order, column, productRow, StepRole::Result, "virgola del prodotto",
                        "Il prodotto ha tante cifre dopo la virgola quante ne hanno i fattori "
                        "insieme: la virgola va qui.");
            const auto a = order.shown().digit(column, 1);
            const bool last = !order.key().has(GlyphKind::Square, column - 1, productRow);
            const int value = a.value_or(0) * b + carry;
            const std::string hint =
                a ? multiplyHint(*a, b, carry, value, last, "riporto", "di riporto")
                  : "Il riporto " + n(carry) + " va nel prodotto: scrivo " + n(carry) + ".";
            order.step(GlyphKind::Square, column, productRow, StepRole::Result,
                       named(placeIn(column)) + " del prodotto", hint);
            order.step(GlyphKind::Square, column - 1, form.carryRow, StepRole::Carry,
                       "riporto " + onPlace(placeIn(column - 1)),
                       "Riporto " + n(value / 10) + " " + onPlace(placeIn(column - 1)) + ".",
                       false);
            carry = value / 10;
        }
        return;
    }
    // Each partial product from the right, one square further left each row.
    const int bDigits = static_cast<int>(multiplier.digits.size());
    for (int i = 0; i < form.partialRows; ++i) {
        const int row = form.firstPartialRow + i;
        const int b = multiplier.digits[std::size_t(bDigits - 1 - i)] - '0';
        const std::string rowName = ordinal(i) + " riga del prodotto";
        int carry = 0;
        bool first = true;
        for (const int column : order.key().columnsOf(row, right - i, 0)) {
            const auto a = order.shown().digit(column + i, 1);
            const bool last = !order.key().has(GlyphKind::Square, column - 1, row);
            const int value = a.value_or(0) * b + carry;
            std::string hint;
            if (b == 0)
                hint = "Moltiplico per 0: la riga è tutta di zeri. Scrivo 0.";
            else if (a)
                hint =
                    multiplyHint(*a, b, carry, value, last, "tengo a mente", "che avevo a mente");
            else
                hint = "Scrivo " + the(carry) + " che avevo a mente.";
            if (first && i > 0)
                hint = "Moltiplico per " + the(b) + " " + ofPlace(i) +
                       ": comincio un posto più a sinistra. " + hint;
            order.step(GlyphKind::Square, column, row, StepRole::PartialProduct,
                       named(right - column - i) + " della " + rowName, hint);
            carry = value / 10;
            first = false;
        }
    }
    // Then their sum, from the right.
    int carry = 0;
    for (int column = right; column >= 0; --column) {
        commaBefore(order, column, productRow, StepRole::Result, "virgola del prodotto",
                    "Il prodotto ha tante cifre dopo la virgola quante ne hanno i fattori "
                    "insieme: la virgola va qui.");
        std::vector<int> terms;
        for (int i = 0; i < form.partialRows; ++i)
            if (const auto d = order.shown().digit(column, form.firstPartialRow + i))
                terms.push_back(*d);
        int sum = carry;
        for (const int t : terms)
            sum += t;
        const bool last = !order.key().has(GlyphKind::Square, column - 1, productRow);
        order.step(GlyphKind::Square, column, productRow, StepRole::Result,
                   named(placeIn(column)) + " del prodotto", sumHint(terms, carry, sum, last));
        carry = sum / 10;
    }
}

void division(Order& order, const core::Operation& op, const OperationForm& form, bool cases)
{
    const auto steps = core::divisionSteps(op, cases);
    if (!steps)
        return;
    int bar = form.columns;
    for (const FormRule& r : form.rules)
        if (r.fromColumn == r.toColumn && r.fromRow == 0)
            bar = r.fromColumn;
    const std::int64_t divisor = steps->divisor;
    const std::string& s = steps->dividend;
    const int places = steps->divisorPlaces;

    // The divisor made whole and the dividend's comma moved: its zeros and comma first.
    order.strikeAll();
    const std::string moved =
        places > 0
            ? "Il divisore ha " + n(places) + (places == 1 ? " cifra" : " cifre") +
                  " dopo la virgola: sposto la virgola di " + n(places) +
                  (places == 1 ? " posto" : " posti") + " a destra nel divisore e nel dividendo. "
            : std::string();
    const std::string comma =
        places > 0
            ? moved + "La virgola del dividendo va dopo " +
                  (steps->wholeDigits == 1 ? std::string("la sua prima cifra.")
                                           : "le sue prime " + n(steps->wholeDigits) + " cifre.")
            : "Per andare avanti con i decimali scrivo la virgola dopo le unità del "
              "dividendo.";
    for (const int column : order.key().columnsOf(0, 0, bar - 1)) {
        if (column == steps->wholeDigits)
            order.step(GlyphKind::Comma, column, 0, StepRole::MovedComma, "virgola del dividendo",
                       comma);
        order.step(GlyphKind::Square, column, 0, StepRole::MovedComma, "zero aggiunto al dividendo",
                   column < steps->wholeDigits
                       ? moved + "Dove manca una cifra scrivo 0."
                       : "Aggiungo uno zero al dividendo per andare avanti con i decimali: "
                         "scrivo 0.");
    }
    order.step(GlyphKind::Comma, steps->wholeDigits, 0, StepRole::MovedComma,
               "virgola del dividendo", comma);

    // The quotient's digits, left to right, each followed by its row.
    std::vector<int> digits;
    for (const int column : order.key().columnsOf(1, bar, form.columns - 1))
        if (isDigit(order.key().textAt(GlyphKind::Square, column, 1)))
            digits.push_back(column);
    const int rows = static_cast<int>(steps->rows.size());
    // Quotient digits beyond the steps' count are leading zeros ("0,25": the first group
    // reaches past the dividend's units).
    const int leading = std::max(static_cast<int>(digits.size()) - rows, 0);
    // A row ends with a digit brought down, except the last when it holds the remainder
    // alone.
    const auto broughtDown = [&](int j) {
        return j + 1 < rows || steps->rows.back().digits != n(steps->remainder);
    };
    const auto remainderOf = [&](int j) {
        const std::string& d = steps->rows[std::size_t(j)].digits;
        return numberOf(broughtDown(j) ? std::string_view(d).substr(0, d.size() - 1)
                                       : std::string_view(d));
    };
    int wholeQuotient = static_cast<int>(digits.size());
    for (int c = bar; c <= form.columns; ++c)
        if (order.key().has(GlyphKind::Comma, c, 1))
            wholeQuotient = c - bar;
    for (int k = 0; k < static_cast<int>(digits.size()); ++k) {
        const int column = digits[std::size_t(k)];
        const int j = k - leading;
        order.step(GlyphKind::Comma, column, 1, StepRole::Quotient, "virgola del quoziente",
                   "Ho diviso tutte le cifre intere del dividendo: nel quoziente scrivo la "
                   "virgola.");
        const std::string place = named(wholeQuotient - 1 - (column - bar)) + " del quoziente";
        if (j < 0) {
            const std::int64_t part =
                numberOf(std::string_view(s).substr(0, std::size_t(steps->wholeDigits + k)));
            order.step(GlyphKind::Square, column, 1, StepRole::Quotient, place,
                       The(divisor) + " " + with("ne", part) + " non ci sta: scrivo 0.");
            continue;
        }
        const int q = order.key().textAt(GlyphKind::Square, column, 1)[0] - '0';
        const std::int64_t remainder = remainderOf(j);
        // The first group is what its quotient digit and remainder make; then each row's
        // number is divided in turn.
        const std::int64_t divided =
            j == 0 ? divisor * q + remainder : numberOf(steps->rows[std::size_t(j - 1)].digits);
        order.step(GlyphKind::Square, column, 1, StepRole::Quotient, place,
                   q == 0 ? The(divisor) + " " + with("ne", divided) +
                                " non ci sta: scrivo 0 e il resto " + n(remainder) + "."
                          : "Quante volte " + the(divisor) + " sta " + with("ne", divided) + "? " +
                                n(q) + (q == 1 ? " volta" : " volte") + ", perché " + n(divisor) +
                                " per " + n(q) + " fa " + n(divisor * q) + ": scrivo " + n(q) +
                                " e il resto " + n(remainder) + ".");
        if (j >= rows)
            continue;
        // Its row: the remainder, then the digit brought down.
        const int row = form.firstWorkingRow + j;
        const std::string& rowDigits = steps->rows[std::size_t(j)].digits;
        const bool down = broughtDown(j);
        const bool lastRow = j + 1 == rows;
        const std::vector<int> columns = order.key().columnsOf(row, 0, bar - 1);
        for (std::size_t t = 0; t < columns.size(); ++t) {
            const bool isDown = down && t + 1 == columns.size();
            const std::string written = order.key().textAt(GlyphKind::Square, columns[t], row);
            std::string hint;
            if (isDown && lastRow)
                hint = "Abbasso " + the(numberOf(written)) +
                       ": la divisione andrebbe avanti, ma mi fermo ai centesimi.";
            else if (isDown)
                hint = "Abbasso " + the(numberOf(written)) + ": ora divido " +
                       n(numberOf(rowDigits)) + ".";
            else
                hint = n(divided) + " meno " + n(divisor * q) + " fa " + n(remainder) +
                       ": scrivo " + written +
                       (lastRow && !down ? ". È il resto della divisione." : ".");
            order.step(GlyphKind::Square, columns[t], row,
                       lastRow && !isDown ? StepRole::Remainder : StepRole::DivisionRow,
                       ordinal(j) + " riga sotto il dividendo, " +
                           (isDown ? "cifra abbassata" : "resto"),
                       hint);
        }
    }
    for (const int column : order.key().columnsOf(1, bar, form.columns - 1))
        order.step(GlyphKind::Square, column, 1, StepRole::Quotient, "puntini del quoziente",
                   "La divisione andrebbe avanti: scrivo i puntini.");
}

// By 10, 100 or 1000, worked in the head: the result from the left.
void mental(Order& order, const core::Operation& op, const OperationForm& form)
{
    const int row = form.resultRow;
    const std::vector<int> columns = order.key().columnsOf(row, 0, form.columns - 1);
    std::string result;
    for (const int column : columns) {
        if (order.key().has(GlyphKind::Comma, column, row))
            result += ",";
        result += order.key().textAt(GlyphKind::Square, column, row);
    }
    const std::string said = core::text(op.operands[0]) +
                             (op.op == core::Operator::Times ? " per " : " diviso ") +
                             core::text(op.operands[1]) + " fa " + result;
    const int units = [&] {
        for (const int column : columns)
            if (order.key().has(GlyphKind::Comma, column, row))
                return column - 1;
        return columns.empty() ? 0 : columns.back();
    }();
    for (const int column : columns) {
        order.step(GlyphKind::Comma, column, row, StepRole::Result, "virgola del risultato",
                   said + ": la virgola va dopo le unità.");
        const std::string written = order.key().textAt(GlyphKind::Square, column, row);
        order.step(GlyphKind::Square, column, row, StepRole::Result,
                   named(units - column) + " del risultato", said + ": scrivo " + written + ".");
    }
}

} // namespace

std::string_view roleName(StepRole role)
{
    switch (role) {
    case StepRole::Result:
        return "risultato";
    case StepRole::Carry:
        return "riporto";
    case StepRole::Borrow:
        return "prestito";
    case StepRole::AddedZero:
        return "zero aggiunto";
    case StepRole::PartialProduct:
        return "prodotto parziale";
    case StepRole::Quotient:
        return "quoziente";
    case StepRole::DivisionRow:
        return "riga della divisione";
    case StepRole::Remainder:
        return "resto";
    case StepRole::MovedComma:
        return "virgola spostata";
    }
    return "";
}

WorkOrder workOrder(const core::Operation& operation, const core::WindowEntry& window)
{
    WorkOrder work;
    work.form = operationForm(operation, window, false);
    const OperationForm key = operationForm(operation, window, true);
    Order order(work.form, key);
    switch (work.form.family) {
    case FormFamily::AddSub:
        if (operation.op == core::Operator::Minus)
            subtraction(order, operation, work.form);
        else
            addition(order, operation, work.form);
        break;
    case FormFamily::Multiplication:
        multiplication(order, operation, work.form);
        break;
    case FormFamily::Division:
        division(order, operation, work.form, window.family != core::WindowFamily::Integer);
        break;
    case FormFamily::Mental:
        mental(order, operation, work.form);
        break;
    case FormFamily::Text:
        break;
    }
    work.steps = std::move(order).steps();
    return work;
}

} // namespace print

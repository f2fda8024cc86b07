// SPDX-License-Identifier: GPL-3.0-or-later
// Operations worked out square by square, checked by hand against what a pupil writes: the
// order, which squares are optional, the names of the squares and the hints' wording.
#include "engine/sheet/workorder.h"
#include "support/lineparse.h"

#include <gtest/gtest.h>

using namespace print;

namespace {

WorkOrder orderOf(std::string_view range, std::string_view line)
{
    return workOrder(*testsupport::operationOf(line), *core::windowOfRange(range));
}

// The texts of the steps in order, optional ones in brackets.
std::vector<std::string> written(const WorkOrder& work)
{
    std::vector<std::string> texts;
    for (const WorkStep& s : work.steps)
        texts.push_back(s.required ? s.glyph.text : "(" + s.glyph.text + ")");
    return texts;
}

} // namespace

TEST(WorkOrder, AdditionsAndSubtractionsGoFromTheUnitsWithTheirCarriesAndLoans)
{
    const WorkOrder sum = orderOf("999", "95 + 38 =");
    EXPECT_EQ(written(sum), (std::vector<std::string>{"3", "(1)", "3", "1"}));
    EXPECT_EQ(sum.steps[0].hint, "5 più 8 fa 13: scrivo 3 e riporto 1.");
    EXPECT_EQ(sum.steps[0].place, "unità del risultato");
    EXPECT_EQ(sum.steps[1].place, "riporto sulle decine");
    EXPECT_EQ(sum.steps[2].hint, "9 più 3 più 1 di riporto fa 13: scrivo 3 e riporto 1.");
    EXPECT_EQ(sum.steps[3].hint, "Il riporto 1 va nel risultato: scrivo 1.");

    // 532 - 178: the units take a loan from the tens (3 struck); the tens, 2, take one from
    // the hundreds and become 12, written when their turn comes.
    const WorkOrder loans = orderOf("999", "532 - 178 =");
    EXPECT_EQ(written(loans), (std::vector<std::string>{"(1)", "4", "(4)", "(12)", "5", "3"}));
    EXPECT_EQ(loans.steps[0].glyph.kind, GlyphKind::Before);
    ASSERT_EQ(loans.steps[0].strokes.size(), 1u);
    EXPECT_EQ(loans.steps[0].strokes[0].column, 1);
    EXPECT_EQ(loans.steps[0].hint,
              "2 meno 8 non si può: prendo 1 dalle decine (il 3 diventa 2) e il 2 diventa 12: "
              "scrivo 1 davanti al 2.");
    EXPECT_EQ(loans.steps[2].hint,
              "2 meno 7 non si può: prendo 1 dalle centinaia: il 5 diventa 4.");
    EXPECT_EQ(loans.steps[4].hint, "12 meno 7 fa 5: scrivo 5.");

    // 600 - 511: the pupil writes 9 and 8; the hundreds square stays empty.
    const WorkOrder zero = orderOf("999", "600 - 511 =");
    EXPECT_EQ(written(zero), (std::vector<std::string>{"(5)", "(9)", "(1)", "9", "8"}));
    EXPECT_EQ(zero.steps[1].hint,
              "Lo 0 delle decine non ha niente da prestare: prende 1 dalle centinaia e ne presta "
              "1: diventa 9.");

    // Decimals: the comma as a step of its own once the decimals are done; a whole minuend
    // gets its comma and zeros first, optional.
    EXPECT_EQ(written(orderOf("dec999", "12,5 + 3,75 =")),
              (std::vector<std::string>{"5", "2", "(1)", ",", "6", "1"}));
    const WorkOrder whole = orderOf("dec999", "7 - 0,25 =");
    EXPECT_EQ(written(whole), (std::vector<std::string>{"(,)", "(0)", "(0)", "(6)", "(9)", "(1)",
                                                        "5", "7", ",", "6"}));
    EXPECT_EQ(whole.steps[1].role, StepRole::AddedZero);
}

TEST(WorkOrder, MultiplicationsRowByRowThenTheirSum)
{
    const WorkOrder one = orderOf("999", "47 x 6 =");
    EXPECT_EQ(written(one), (std::vector<std::string>{"2", "(4)", "8", "2"}));
    EXPECT_EQ(one.steps[2].hint, "4 per 6 fa 24, più 4 di riporto fa 28: scrivo 8 e riporto 2.");

    // A two-digit multiplier: no carries drawn, the second row one square further left.
    const WorkOrder two = orderOf("999", "123 x 45 =");
    EXPECT_EQ(written(two),
              (std::vector<std::string>{"5", "1", "6", "2", "9", "4", "5", "3", "5", "5"}));
    EXPECT_EQ(two.steps[3].place, "unità della seconda riga del prodotto");
    EXPECT_EQ(two.steps[3].glyph.column, two.steps[0].glyph.column - 1);
    EXPECT_EQ(two.steps[3].hint,
              "Moltiplico per il 4 delle decine: comincio un posto più a sinistra. 3 per 4 fa 12: "
              "scrivo 2 e tengo a mente 1.");
    EXPECT_EQ(two.steps[8].hint, "6 più 9 fa 15: scrivo 5 e riporto 1.");

    // 2,35 x 3 = 7,05: the places are the product's.
    const WorkOrder decimal = orderOf("dec999", "2,35 x 3 =");
    EXPECT_EQ(written(decimal), (std::vector<std::string>{"5", "(1)", "0", "(1)", ",", "7"}));
    EXPECT_EQ(decimal.steps[0].place, "centesimi del prodotto");
    EXPECT_EQ(decimal.steps[3].place, "riporto sulle unità");
}

TEST(WorkOrder, DivisionsDigitByDigitWithTheirRows)
{
    const WorkOrder division = orderOf("999", "384 : 7 =");
    EXPECT_EQ(written(division), (std::vector<std::string>{"5", "3", "4", "4", "6"}));
    EXPECT_EQ(
        division.steps[0].hint,
        "Quante volte il 7 sta nel 38? 5 volte, perché 7 per 5 fa 35: scrivo 5 e il resto 3.");
    EXPECT_EQ(division.steps[2].hint, "Abbasso il 4: ora divido 34.");
    EXPECT_EQ(division.steps[4].role, StepRole::Remainder);

    // The divisor made whole first: the commas struck and the dividend's zero and comma.
    const WorkOrder moved = orderOf("1", "3,8 : 0,25 =");
    EXPECT_EQ(written(moved), (std::vector<std::string>{"0", ",", "0", "1", "1", "3", "0", "5", "5",
                                                        "0", ",", "2", "0"}));
    EXPECT_EQ(moved.steps[0].role, StepRole::MovedComma);
    EXPECT_EQ(moved.steps[0].strokes.size(), 2u);
    EXPECT_EQ(moved.steps[3].hint,
              "Quante volte il 25 sta nel 38? 1 volta, perché 25 per 1 fa 25: scrivo 1 e il "
              "resto 13.");

    // A quotient that starts with 0, and one that goes on.
    const WorkOrder small = orderOf("5", "1 : 4 =");
    EXPECT_EQ(small.steps[3].hint, "Il 4 nell'1 non ci sta: scrivo 0.");
    const WorkOrder goesOn = orderOf("3", "7 : 3 =");
    EXPECT_TRUE(goesOn.steps.back().automatic);
    EXPECT_EQ(goesOn.steps.back().glyph.text, "…");
}

TEST(WorkOrder, MentalOperationsAndLinesThatCannotBeWorked)
{
    const WorkOrder mental = orderOf("dec999", "0,35 x 100 =");
    EXPECT_EQ(written(mental), (std::vector<std::string>{"3", "5"}));
    EXPECT_EQ(mental.steps[1].hint, "0,35 per 100 fa 35: scrivo 5.");
    EXPECT_TRUE(orderOf("999", "7 : 0 =").steps.empty());
}

// SPDX-License-Identifier: GPL-3.0-or-later
// What every front end offers and refuses: the menus' choices, the divisor options, and the
// checks' messages worded with the caller's spelling of the option.
#include "engine/catalog/address.h"
#include "engine/catalog/catalog.h"
#include "engine/catalog/checks.h"
#include "engine/catalog/options.h"
#include "engine/catalog/request.h"
#include "engine/sheet/copies.h"
#include "engine/sheet/layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

using cases::DivisorChoice;

namespace {

// What readOptions asks: the value written for an option's name. Here one name has one.
std::function<const std::string*(std::string_view)> written(std::string_view name,
                                                            const std::string& value)
{
    return [name, &value](std::string_view asked) { return asked == name ? &value : nullptr; };
}

const std::string* nothingWritten(std::string_view)
{
    return nullptr;
}

// Each address is refused with its message.
void expectRefused(
    const std::vector<std::pair<std::vector<catalog::QueryField>, const char*>>& refused)
{
    for (const auto& [fields, message] : refused) {
        try {
            catalog::readAddress(fields);
            ADD_FAILURE() << message;
        } catch (const catalog::ChoiceError& e) {
            EXPECT_EQ(e.message, message);
        }
    }
}

} // namespace

TEST(Catalog, MenusOfferTheTwelveWindowsGroupedAsTheMenusShowThem)
{
    struct Row {
        const char* group;
        const char* caption;
        const char* description;
        const char* window;
    };
    const Row expected[] = {
        {"Interi", "Interi entro il 500", "", "frm4op500"},
        {"Interi", "Interi entro il 999", "", "frm4op999"},
        {"Interi", "Interi entro il 9.999", "", "frm4op9999"},
        {"Interi", "Interi entro il 99.999", "", "frm4op99999"},
        {"Interi", "Interi entro il 999.999", "", "frm4op999999"},
        {"Decimali", "Entro il 999", "", "frmdec999"},
        {"Decimali", "Entro il 9.999", "", "frmdec9999"},
        {"Divisioni con i decimali", "I caso", "Dividendo decimale, divisore intero", "frm1caso"},
        {"Divisioni con i decimali", "II caso",
         "Dividendo decimale e minore del divisore, divisore intero", "frm2caso"},
        {"Divisioni con i decimali", "III caso", "Dividendo intero, divisore decimale", "frm3caso"},
        {"Divisioni con i decimali", "IV caso", "Dividendo e divisore decimali", "frm4caso"},
        {"Divisioni con i decimali", "V caso", "Dividendo e divisore interi, risultato decimale",
         "frm5caso"},
    };
    std::size_t i = 0;
    for (const catalog::MenuGroup& group : catalog::menuGroups()) {
        for (const catalog::MenuChoice& choice : group.choices) {
            ASSERT_LT(i, std::size(expected)) << choice.caption;
            const Row& row = expected[i++];
            EXPECT_EQ(group.caption, row.group) << row.caption;
            EXPECT_EQ(choice.caption, row.caption);
            EXPECT_EQ(choice.description, row.description) << row.caption;
            ASSERT_NE(choice.window, nullptr) << row.caption;
            EXPECT_EQ(choice.window->name, row.window) << row.caption;
            EXPECT_EQ(catalog::menuChoiceOf(choice.window->range), &choice) << row.caption;
            EXPECT_EQ(catalog::menuGroupOf(choice.window->range), &group) << row.caption;
        }
    }
    EXPECT_EQ(i, std::size(expected));
    EXPECT_EQ(catalog::menuChoiceOf("12"), nullptr);
}

TEST(Catalog, TheDivisorOptionsInTheFramesOrder)
{
    // The divisor, then the two levels.
    ASSERT_EQ(catalog::generatorOptions().size(), 3u);
    EXPECT_EQ(catalog::generatorOptions()[1].name, "cambi");
    EXPECT_EQ(catalog::generatorOptions()[2].name, "resto");
    const catalog::GeneratorOption* divisor = catalog::findOption("divisore");
    ASSERT_EQ(divisor, &catalog::generatorOptions().front());
    EXPECT_EQ(catalog::findOption("Divisore"), nullptr);
    EXPECT_EQ(divisor->caption, "Divisore");
    const auto& options = divisor->values;
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0].caption, "1 cifra");
    EXPECT_EQ(options[0].value, "1");
    EXPECT_EQ(options[0].code, int(DivisorChoice::OneDigit));
    EXPECT_EQ(options[1].caption, "2 cifre");
    EXPECT_EQ(options[1].value, "2");
    EXPECT_EQ(options[1].code, int(DivisorChoice::TwoDigits));
    EXPECT_EQ(options[2].caption, "Misto");
    EXPECT_EQ(options[2].value, "misto");
    EXPECT_EQ(options[2].code, int(DivisorChoice::Mixed));
    // Each value writes its field and reads back as it.
    for (const catalog::OptionValue& v : options) {
        core::GeneratorOptions set;
        divisor->set(set, v.code);
        EXPECT_EQ(divisor->get(set), v.code);
        EXPECT_EQ(catalog::writtenValue(*divisor, set), v.value);
    }
    // A window opens with "Misto".
    EXPECT_EQ(catalog::writtenValue(*divisor, core::GeneratorOptions{}), "misto");
}

TEST(Catalog, ChecksRefuseWithTheOptionAsTheCallerSpellsIt)
{
    const std::string x = "x", three = "3", one = "1", hundred = "100", add = "+2";
    const catalog::Generator& integers = catalog::findGenerator("500", &add);
    const catalog::Generator& firstCase = catalog::findGenerator("1", nullptr);
    const struct {
        std::function<void()> check;
        const char* message;
    } rows[] = {
        {[] { catalog::findGenerator("", nullptr); },
         "manca l'intervallo. Intervalli validi: 500, 999, 9999, 99999, 999999, dec999, dec9999, "
         "1, 2, 3, 4, 5."},
        {[&] { catalog::findGenerator("3", &x); },
         "il caso 3 non ha tipi di operazione: togli «x»."},
        {[] { catalog::findGenerator("dec999", nullptr); },
         "manca il tipo di operazione dell'intervallo dec999. Tipi validi: +, -, x, x10, :10."},
        {[&] { catalog::readOptions(integers, written("divisore", one), ""); },
         "divisore vale solo per i casi della divisione (intervalli da 1 a 5)."},
        {[&] { catalog::readOptions(firstCase, written("divisore", three), "--"); },
         "--divisore vuole 1, 2 o misto, non «3»."},
        {[&] { catalog::readOptionValue(*catalog::findOption("divisore"), three, "divisore"); },
         "divisore vuole 1, 2 o misto, non «3»."},
        {[&] { catalog::readSeed(x, "seme"); },
         "seme vuole un numero intero da 0 a 18446744073709551615, non «x»."},
        {[&] { catalog::readPerColumn(&three, "per-colonna"); },
         "per-colonna vuole 10, 20, 30 o 40, non «3»."},
        {[&] { catalog::readColumns(&three, "colonne"); }, "colonne vuole 1 o 2, non «3»."},
        {[&] { catalog::readCopies(&hundred, "copie"); },
         "copie vuole un numero intero da 1 a 99, non «100»."},
        {[&] { catalog::readSquares(&three, "in-colonna"); },
         "in-colonna vuole la misura dei quadretti in millimetri, 5, 4 o 10, non «3»."},
    };
    for (const auto& row : rows) {
        try {
            row.check();
            ADD_FAILURE() << "accepted; expected: " << row.message;
        } catch (const catalog::ChoiceError& e) {
            EXPECT_EQ(e.message, row.message);
        }
    }
}

TEST(Catalog, ChecksTakeTheEdgesOfWhatTheyAcceptAndTheDefaults)
{
    const std::string divide = ":2";
    const catalog::Generator& g = catalog::findGenerator("500", &divide);
    EXPECT_EQ(g.window->name, "frm4op500");
    EXPECT_EQ(g.label, "Divisioni 2 cifre al dividendo");
    const catalog::Generator& firstCase = catalog::findGenerator("1", nullptr);
    EXPECT_EQ(firstCase.label, "I caso: dividendo decimale, divisore intero");

    EXPECT_EQ(catalog::readSeed("0", "seme"), 0u);
    EXPECT_EQ(catalog::readSeed("18446744073709551615", "seme"), UINT64_MAX);
    EXPECT_EQ(catalog::readSeed("0042", "seme"), 42u);
    for (const char* bad :
         {"18446744073709551616", "99999999999999999999", "", "-4", "+5", " 5", "5 ", "1e3"})
        EXPECT_THROW(catalog::readSeed(bad, "seme"), catalog::ChoiceError) << '"' << bad << '"';

    const std::string forty = "40", two = "2", four = "4";
    EXPECT_EQ(catalog::readPerColumn(&forty, "per-colonna"), 4);
    EXPECT_EQ(catalog::readColumns(&two, "colonne"), print::Columns::Two);
    EXPECT_EQ(catalog::readSquares(&four, "in-colonna"), print::SheetForm::Squares4);
    EXPECT_EQ(catalog::readOptions(firstCase, written("divisore", two), "").divisor,
              DivisorChoice::TwoDigits);

    // Nothing given: the print dialog's and the case window's own defaults.
    EXPECT_EQ(catalog::readPerColumn(nullptr, "per-colonna"), 2);
    EXPECT_EQ(catalog::readColumns(nullptr, "colonne"), print::Columns::Two);
    EXPECT_EQ(catalog::readCopies(nullptr, "copie"), 1);
    EXPECT_EQ(catalog::readSquares(nullptr, "in-colonna"), print::SheetForm::Rows);
    EXPECT_EQ(catalog::readOptions(g, nothingWritten, "").divisor, DivisorChoice::Mixed);
}

// The dialog's field, the page's field, --copie and copie= read a text alike: the number it
// starts with, whole copies of it, from 1 to 99; a text that would print nothing or too
// many is refused everywhere.
TEST(Catalog, CopiesGetTheSameVerdictInEveryFieldAndOption)
{
    const std::pair<const char*, int> texts[] = {
        {"1", 1},    {"05", 5},   {"005", 5},   {"99", 99}, {" 3 ", 3},    {"\t7", 7},
        {"1e1", 10}, {"3abc", 3}, {"2.5", 2},   {"+4", 4},  {"99.99", 99}, {"2,5", 2},
        {"0", 0},    {"00", 0},   {"0.5", 0},   {"", 0},    {"-1", 0},     {"tre", 0},
        {"100", 0},  {"1e2", 0},  {"1e400", 0}, {"inf", 0}, {"nan", 0},    {"e5", 0},
    };
    for (const auto& [text, copies] : texts) {
        const std::string value = text;
        SCOPED_TRACE('"' + value + '"');
        const print::CopiesRequest field = print::readCopies(value);
        catalog::PageRequest address;
        std::string refusal;
        try {
            address = catalog::readAddress({{"scheda", "999"}, {"tipo", "-"}, {"copie", value}});
        } catch (const catalog::ChoiceError& e) {
            refusal = e.message;
        }
        if (copies > 0) {
            EXPECT_EQ(field.verdict, print::CopiesRequest::Verdict::Print);
            EXPECT_EQ(field.count, copies);
            EXPECT_EQ(catalog::readCopies(&value, "--copie"), copies);
            EXPECT_EQ(address.sheet.job.copies, copies);
            EXPECT_EQ(refusal, "");
        } else {
            EXPECT_EQ(field.verdict, print::CopiesRequest::Verdict::OutOfRange);
            EXPECT_THROW(catalog::readCopies(&value, "--copie"), catalog::ChoiceError);
            EXPECT_EQ(refusal, "copie vuole un numero intero da 1 a 99, non «" + value + "».");
        }
    }
}

// The case windows, and they alone, offer the divisor, written 1, 2 or misto.
TEST(Catalog, OnlyTheCasesTakeTheDivisor)
{
    for (const catalog::Generator& g : catalog::allGenerators()) {
        const std::string range(g.window->range);
        const bool isCase = range.size() == 1 && range >= "1" && range <= "5";
        using Written = std::vector<std::pair<std::string_view, std::string_view>>;
        EXPECT_EQ(catalog::offers(g, *catalog::findOption("divisore")), isCase)
            << range << ' ' << g.kind;
        core::GeneratorOptions two;
        two.divisor = DivisorChoice::TwoDigits;
        const Written twoDigits = isCase ? Written{{"divisore", "2"}} : Written{};
        const Written mixed = isCase ? Written{{"divisore", "misto"}} : Written{};
        EXPECT_EQ(catalog::writtenOptions(g, two), twoDigits) << range << ' ' << g.kind;
        EXPECT_EQ(catalog::writtenOptions(g, {}), mixed) << range << ' ' << g.kind;
    }
}

TEST(Catalog, AMessageBecomesASentence)
{
    EXPECT_EQ(
        catalog::sentence("seme vuole un numero intero da 0 a 18446744073709551615, non «x»."),
        "Seme vuole un numero intero da 0 a 18446744073709551615, non «x».");
    EXPECT_EQ(catalog::sentence("«x» non va"), "«x» non va");
    EXPECT_EQ(catalog::sentence("Già maiuscola"), "Già maiuscola");
    EXPECT_EQ(catalog::sentence(""), "");
}

TEST(Catalog, ThePagesAddressReadsAsTheCommandLine)
{
    using catalog::PageRequest;
    // No action: nothing asked, whatever else the address carries.
    EXPECT_EQ(catalog::readAddress({{"tipo", "-"}, {"fbclid", "x"}}).action,
              PageRequest::Action::None);

    // Fields the page does not know are left alone; a name given twice counts its last value.
    const PageRequest lines = catalog::readAddress(
        {{"righe", "999"}, {"tipo", "+2"}, {"utm_source", "x"}, {"seme", "1"}, {"seme", "42"}});
    ASSERT_EQ(lines.action, PageRequest::Action::Lines);
    EXPECT_EQ(lines.sheet.choice.generator->window->name, "frm4op999");
    EXPECT_EQ(lines.sheet.choice.generator->kind, "+2");
    EXPECT_EQ(lines.seed, std::uint64_t{42});
    EXPECT_FALSE(catalog::readAddress({{"righe", "1"}}).seed);

    const PageRequest division = catalog::readAddress({{"righe", "2"}, {"divisore", "1"}});
    EXPECT_EQ(division.sheet.choice.options.divisor, DivisorChoice::OneDigit);
    try {
        catalog::readAddress({{"righe", "2"}, {"divisore", "3"}});
        ADD_FAILURE() << "divisore=3 accepted";
    } catch (const catalog::ChoiceError& e) {
        EXPECT_EQ(e.message, "divisore vuole 1, 2 o misto, non «3».");
    }

    // The address that makes the same lines again, its values URL-encoded.
    EXPECT_EQ(catalog::linesAddress({lines.sheet.choice.generator, DivisorChoice::Mixed}, 42),
              "?righe=999&tipo=%2B2&seme=42");
    EXPECT_EQ(catalog::linesAddress({division.sheet.choice.generator, DivisorChoice::TwoDigits},
                                    18446744073709551615u),
              "?righe=2&divisore=2&seme=18446744073709551615");
}

TEST(Catalog, AnExerciseAddressAsksForTheSameLinesToWorkOut)
{
    using catalog::PageRequest;
    const PageRequest exercise =
        catalog::readAddress({{"esercizio", "999"}, {"tipo", "-"}, {"seme", "5"}});
    ASSERT_EQ(exercise.action, PageRequest::Action::Exercise);
    EXPECT_EQ(exercise.sheet.choice.generator->kind, "-");
    EXPECT_EQ(exercise.seed, std::uint64_t{5});
    EXPECT_EQ(catalog::exerciseAddress(exercise.sheet.choice, 5), "?esercizio=999&tipo=-&seme=5");
    expectRefused({
        {{{"esercizio", "999"}, {"righe", "999"}},
         "esercizio e righe non vanno insieme: scegline uno."},
        {{{"esercizio", "999"}, {"scheda", "999"}},
         "esercizio e scheda non vanno insieme: scegline uno."},
        {{{"esercizio", "999"}, {"copie", "3"}}, "copie vale solo con scheda, non con esercizio."},
    });
}

TEST(Catalog, TheAddressOfAWorksheet)
{
    using catalog::PageRequest;
    const PageRequest sheet = catalog::readAddress({{"scheda", "999"},
                                                    {"tipo", "m"},
                                                    {"per-colonna", "30"},
                                                    {"colonne", "1"},
                                                    {"copie", "3"},
                                                    {"soluzioni", "1"},
                                                    {"intestazione", "Prova"},
                                                    {"in-colonna", "4"},
                                                    {"nome", "1"},
                                                    {"seme", "2024"}});
    ASSERT_EQ(sheet.action, PageRequest::Action::Sheet);
    EXPECT_EQ(sheet.sheet.choice.generator->kind, "m");
    EXPECT_EQ(sheet.sheet.job.layout.groupCount, 3);
    EXPECT_EQ(sheet.sheet.job.layout.columns, print::Columns::One);
    EXPECT_EQ(sheet.sheet.job.copies, 3);
    EXPECT_TRUE(sheet.sheet.job.answerKey);
    EXPECT_EQ(sheet.sheet.job.heading, "Prova");
    EXPECT_EQ(sheet.sheet.job.form, print::SheetForm::Squares4);
    EXPECT_TRUE(sheet.sheet.job.layout.nameLine);
    EXPECT_EQ(catalog::sheetAddress(sheet.sheet, 2024),
              "?scheda=999&tipo=m&per-colonna=30&colonne=1&copie=3&intestazione=Prova&soluzioni=1"
              "&in-colonna=4&nome=1&seme=2024");
    // Up to 6,000 bytes written out the heading goes in the address: 1,002 blanks (%20) and
    // 2,994 letters, or 1,000 "à" (%C3%A0); one byte more, and it is left out (the page keeps
    // it).
    PageRequest titled = sheet;
    const auto carried = [&](const std::string& heading) {
        titled.sheet.job.heading = heading;
        const bool inAddress =
            catalog::sheetAddress(titled.sheet, 1).find("intestazione=") != std::string::npos;
        EXPECT_EQ(inAddress, catalog::addressCarriesHeading(titled.sheet)) << heading.size();
        return inAddress;
    };
    EXPECT_TRUE(carried(std::string(1002, ' ') + std::string(2994, 'a')));
    EXPECT_FALSE(carried(std::string(1002, ' ') + std::string(2995, 'a')));
    std::string accented;
    for (int i = 0; i < 1000; ++i)
        accented += "à";
    EXPECT_TRUE(carried(accented));
    EXPECT_FALSE(carried(accented + "a"));

    // The defaults of the command line, and what an address may not ask.
    const PageRequest plain = catalog::readAddress({{"scheda", "1"}});
    EXPECT_EQ(plain.sheet.job.layout.groupCount, 2);
    EXPECT_EQ(plain.sheet.job.layout.columns, print::Columns::Two);
    EXPECT_EQ(plain.sheet.job.copies, 1);
    EXPECT_FALSE(plain.sheet.job.answerKey);
    EXPECT_EQ(plain.sheet.job.form, print::SheetForm::Rows);
    const std::vector<std::pair<std::vector<catalog::QueryField>, const char*>> refused = {
        {{{"righe", "999"}, {"tipo", "-"}, {"copie", "2"}},
         "copie vale solo con scheda, non con righe."},
        {{{"righe", "999"}, {"scheda", "999"}}, "righe e scheda non vanno insieme: scegline uno."},
        {{{"scheda", "1"}, {"soluzioni", "si"}}, "soluzioni vuole 1 (sì) o 0 (no), non «si»."},
        {{{"scheda", "1"}, {"copie", "0,9"}}, "copie vuole un numero intero da 1 a 99, non «0,9»."},
    };
    expectRefused(refused);
}

TEST(Catalog, LevelsInAnAddressAsTypedByHand)
{
    using catalog::PageRequest;
    // "cambi=2+" typed into an address arrives with a blank for the '+'; "sì" keeps its
    // accent. Both are written back as the command line spells them.
    const PageRequest typed = catalog::readAddress(
        {{"righe", "999"}, {"tipo", "m"}, {"cambi", "2 "}, {"resto", "sì"}, {"seme", "5"}});
    EXPECT_EQ(typed.sheet.choice.options.changes, core::Changes::Several);
    EXPECT_EQ(typed.sheet.choice.options.remainder, core::Remainder::Some);
    EXPECT_EQ(catalog::linesAddress(typed.sheet.choice, 5),
              "?righe=999&tipo=m&cambi=2%2B&resto=si&seme=5");
    // No level: nothing written, as before levels existed.
    const PageRequest plain = catalog::readAddress({{"righe", "3"}, {"seme", "5"}});
    EXPECT_EQ(catalog::linesAddress(plain.sheet.choice, 5), "?righe=3&divisore=misto&seme=5");

    const std::vector<std::pair<std::vector<catalog::QueryField>, const char*>> refused = {
        {{{"righe", "999"}, {"tipo", "+2"}, {"cambi", "zero"}},
         "cambi zero non vale per «Addizioni a 2 addendi» (999 +2). Valori validi: 0, 1, 2+."},
        {{{"righe", "dec999"}, {"tipo", "x10"}, {"cambi", "0"}},
         "cambi non vale per «Moltiplicazioni per 10 - 100 - 1.000» (dec999 x10), che non ha "
         "livelli di difficoltà."},
        {{{"righe", "4"}, {"cambi", "1"}},
         "cambi non vale per «IV caso: dividendo e divisore decimali» (4): i suoi livelli sono "
         "resto no|si."},
        {{{"righe", "999999"}, {"tipo", "+3"}, {"cambi", "0"}},
         "cambi 0 non vale per «Addizioni a 3 addendi» (999999 +3): le righe che lo rispettano "
         "sono troppo rare (circa 6 su 10.000) per farne dieci senza attese. Valori validi: 1, "
         "2+."},
        {{{"righe", "999"}, {"tipo", ":"}, {"resto", "forse"}},
         "resto vuole no o si, non «forse»."},
        {{{"righe", "999"}, {"tipo", "m"}, {"cambi", ""}}, "cambi vuole 0, 1, 2+ o zero, non «»."},
    };
    expectRefused(refused);
}

TEST(Catalog, TheKeysHeadingNamesTheSheetsLevels)
{
    const catalog::Generator* mixed = catalog::generatorsOf("999").back();
    ASSERT_EQ(mixed->kind, "m");
    core::GeneratorOptions levels;
    levels.changes = core::Changes::None;
    levels.remainder = core::Remainder::None;
    EXPECT_EQ(catalog::levelNames(*mixed, levels), "senza cambio, divisione esatta");
    EXPECT_EQ(catalog::levelNames(*mixed, {}), "");
    // A remainder binds no addition: the additions' sheet names none.
    const catalog::Generator* additions = catalog::generatorsOf("999").front();
    core::GeneratorOptions remainder;
    remainder.remainder = core::Remainder::Some;
    EXPECT_EQ(catalog::levelNames(*additions, remainder), "");

    EXPECT_EQ(print::keyHeading("Verifica", "senza cambio"), "Soluzioni – Verifica (senza cambio)");
    EXPECT_EQ(print::keyHeading("Calcola le seguenti operazioni:", "con lo zero"),
              "Soluzioni (con lo zero)");
    EXPECT_EQ(print::keyHeading("Verifica"), "Soluzioni – Verifica");

    // The sheet's key carries them; the copies do not.
    catalog::SheetRequest request{{mixed, levels}};
    request.job.answerKey = true;
    core::RandomSequence random(3);
    std::string texts;
    for (const print::Statement& s : catalog::sheetStatements(request, random))
        texts += s.text + "\n";
    const std::size_t at = texts.find("Soluzioni (senza cambio, divisione esatta)");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(texts.find("senza cambio"), at + std::string("Soluzioni (").size());
    EXPECT_EQ(texts.find("senza cambio", at + 12), std::string::npos);
}

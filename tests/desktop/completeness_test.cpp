// SPDX-License-Identifier: GPL-3.0-or-later
// Every generator button of every exercise window has its rule and its worksheet: a kind
// added to a window without its dispatch would otherwise print an empty sheet.
#include "desktop/apptest.h"

#include "desktop/context.h"
#include "desktop/windows/exercisewindow.h"
#include "engine/catalog/request.h"
#include "engine/sheet/dispatch.h"

#include <QApplication>
#include <QPushButton>

using namespace apptest;

namespace {

bool isGenerator(const QPushButton* button)
{
    static const QStringList Others = {"cmdok", "cmdvedi", "cmdstampa", "cmdfine", "cmdesci"};
    return !Others.contains(button->objectName());
}

} // namespace

class Completeness : public AppTest {};

TEST_F(Completeness, EveryButtonOfEveryWindowHasItsRuleAndItsSheet)
{
    const struct {
        const char* name;
        const char* range;
        int buttons;
    } windows[] = {
        {"frm4op500", "500", 7},      {"frm4op999", "999", 8},       {"frm4op9999", "9999", 8},
        {"frm4op99999", "99999", 9},  {"frm4op999999", "999999", 9}, {"frmdec999", "dec999", 5},
        {"frmdec9999", "dec9999", 5}, {"frm1caso", "1", 1},          {"frm2caso", "2", 1},
        {"frm3caso", "3", 1},         {"frm4caso", "4", 1},          {"frm5caso", "5", 1},
    };
    auto* context = qApp->findChild<app::Context*>();
    ASSERT_NE(context, nullptr);
    core::RandomSequence rng(5);
    for (const auto& w : windows) {
        auto* window = qobject_cast<widgets::ExerciseWindow*>(context->load(w.name));
        ASSERT_NE(window, nullptr) << w.name;
        int generators = 0;
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (!isGenerator(button))
                continue;
            ++generators;
            button->click();
            const std::string kind = window->currentKind().toStdString();
            const std::string where =
                std::string(w.name) + "." + button->objectName().toStdString() + " kind " + kind;
            const print::WorksheetRow* row = print::findRow(w.range, kind);
            ASSERT_NE(row, nullptr) << where;
            EXPECT_EQ(row->range, w.range) << where;
            const catalog::Generator* generator = nullptr;
            for (const catalog::Generator* g : catalog::generatorsOf(w.range))
                if (g->kind == kind)
                    generator = g;
            ASSERT_NE(generator, nullptr) << where;
            const print::OperationTable sheet = catalog::sheetOperations({generator, {}}, rng);
            EXPECT_FALSE(sheet.line(print::GroupsPerSheet, print::LinesPerGroup).empty()) << where;
        }
        EXPECT_EQ(generators, w.buttons) << w.name;
    }
}

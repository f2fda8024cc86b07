// SPDX-License-Identifier: GPL-3.0-or-later
// The two decimal windows: controls, positions, colours, generation and print handshake.
#include "desktop/apptest.h"

#include "support/lineparse.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace apptest;

namespace {

struct DecimalWindowRow {
    const char* name;
    const char* openedBy;
    const char* caption;
    const char* range;
    const char* colour;
    const char* buttonColour;
    QRect list;
    const char* listColour;
    QRect copyField;
    int buttonLeft;
    int tops[5];
};

const DecimalWindowRow Rows[] = {
    {"frmdec999",
     "cmd999",
     "Fendra operazioni con i decimali entro il 999",
     "dec999",
     "#ffff80",
     "#c0c0ff",
     {3600, 1320, 2175, 3060},
     "#ffffc0",
     {120, 3120, 1935, 2055},
     6000,
     {1440, 2040, 2640, 3240, 3840}},
    {"frmdec9999",
     "cmd9999",
     "Fendra operazioni con i decimali entro il 9.999",
     "dec9999",
     "#ff8080",
     "#ffff00",
     {2520, 1320, 3495, 3060},
     "#ffc0c0",
     {120, 2880, 1935, 2295},
     6120,
     {1560, 2160, 2760, 3360, 3960}},
};

const struct {
    const char* button;
    const char* kind;
    const char* label;
} Generators[] = {
    {"cmdad", "+", "Addizioni"},
    {"cmdsot", "-", "Sottrazioni"},
    {"cmdmolt", "x", "Moltiplicazioni"},
    {"cmdmolt10", "x10", "Moltiplicazioni per 10 - 100 - 1.000"},
    {"cmddiv10", ":10", "Divisioni per 10 - 100 - 1000"},
};

QWidget* open(const DecimalWindowRow& row)
{
    click("frminizio", "cmddec");
    click("frmscelta", row.openedBy);
    settle();
    return window(row.name);
}

} // namespace

class DecimalWindowTest : public AppTest {};

TEST_F(DecimalWindowTest, EveryControlAtItsPlaceAndColour)
{
    for (const DecimalWindowRow& row : Rows) {
        TearDown();
        SetUp();
        QWidget* w = open(row);
        ASSERT_NE(w, nullptr) << row.name;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(w->windowTitle(), row.caption);
        EXPECT_EQ(w->size(), QSize(px(11055), px(5655)));
        EXPECT_EQ(w->palette().color(QPalette::Window).name(), row.colour);
        auto* list = w->findChild<QListWidget*>("list");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->geometry(), pxRect(row.list));
        EXPECT_EQ(list->palette().color(QPalette::Base).name(), row.listColour);
        EXPECT_EQ(list->palette().color(QPalette::Text).name(), "#0000c0");
        auto* copy = w->findChild<QPlainTextEdit*>("txtris");
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->geometry(), pxRect(row.copyField));
        EXPECT_FALSE(copy->isVisible());
        auto* ok = w->findChild<QPushButton*>("cmdok");
        EXPECT_EQ(ok->geometry(), pxRect({120, 5160, 1935, 375}));
        EXPECT_EQ(ok->text(), "&OK");
        EXPECT_EQ(ok->toolTip(), "Nasconde la finestra per la copia");
        EXPECT_FALSE(ok->isVisible());
        const struct {
            const char* name;
            int left;
            const char* tooltip;
        } pictures[] = {{"cmdvedi", 8520, "Visualizza per copiare"},
                        {"cmdstampa", 9360, "Stampa 40 operazioni del tipo selezionato"},
                        {"cmdesci", 10200, "Indietro"}};
        for (const auto& p : pictures) {
            auto* b = w->findChild<QPushButton*>(p.name);
            ASSERT_NE(b, nullptr) << p.name;
            EXPECT_EQ(b->geometry(), pxRect(QRect(p.left, 4800, 735, 735))) << p.name;
            EXPECT_EQ(b->toolTip(), p.tooltip);
        }
        EXPECT_FALSE(w->findChild<QPushButton*>("cmdstampa")->isEnabled());
        EXPECT_EQ(w->findChild<QPushButton*>("cmdfine"), nullptr);
        for (const char* hidden : {"txt", "txtop"}) {
            auto* field = w->findChild<QLineEdit*>(hidden);
            ASSERT_NE(field, nullptr) << hidden;
            EXPECT_FALSE(field->isVisible());
        }
        for (int i = 0; i < 5; ++i) {
            auto* b = w->findChild<QPushButton*>(Generators[i].button);
            ASSERT_NE(b, nullptr) << Generators[i].button;
            EXPECT_EQ(b->geometry(), pxRect(QRect(row.buttonLeft, row.tops[i], 375, 255)));
            EXPECT_EQ(b->palette().color(QPalette::Button).name(), row.buttonColour);
            bool labelled = false;
            for (QLabel* l : w->findChildren<QLabel*>()) {
                if (l->text() == Generators[i].label) {
                    labelled = true;
                    EXPECT_EQ(l->x(), px(6600));
                    EXPECT_TRUE(l->font().bold());
                    EXPECT_LE(l->y(), b->geometry().bottom());
                    EXPECT_GE(l->geometry().bottom(), b->y());
                }
            }
            EXPECT_TRUE(labelled) << Generators[i].label;
        }
    }
}

TEST_F(DecimalWindowTest, EveryButtonMakesTenLinesAndHandsItsKindToThePrintJob)
{
    for (const DecimalWindowRow& row : Rows) {
        TearDown();
        SetUp();
        QWidget* w = open(row);
        ASSERT_NE(w, nullptr);
        auto* list = w->findChild<QListWidget*>("list");
        for (const auto& g : Generators) {
            SCOPED_TRACE(std::string(row.name) + "." + g.button);
            click(row.name, g.button);
            ASSERT_EQ(list->count(), 10);
            QString joined;
            for (int i = 0; i < 10; ++i) {
                auto parsed = testsupport::parseLine(list->item(i)->text().toStdString());
                ASSERT_TRUE(parsed) << list->item(i)->text().toStdString();
                EXPECT_EQ(parsed->closing, " = ");
                joined += list->item(i)->text();
            }
            EXPECT_EQ(w->findChild<QPlainTextEdit*>("txtris")->toPlainText(), joined);
            click(row.name, "cmdstampa");
            EXPECT_EQ(w->findChild<QLineEdit*>("txtop")->text(), g.kind);
            EXPECT_EQ(w->findChild<QLineEdit*>("txt")->text(), row.range);
        }
        QLineEdit* range = w->findChild<QLineEdit*>("txt");
        click(row.name, "cmdesci");
        EXPECT_TRUE(range->text().isEmpty());
        settle();
        EXPECT_TRUE(visibleWindows().contains("frminizio"));
    }
}

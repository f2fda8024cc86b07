// SPDX-License-Identifier: GPL-3.0-or-later
#include "integer/window.h"

#include "core/codes.h"
#include "core/line.h"
#include "integer/rules.h"
#include "widgets/ui.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace integer {

namespace {

struct GeneratorRow {
    const char* button;
    const char* kind;
    const char* label;
    const char* secondLabel; // "al dividendo", "al divisore", "al moltiplicatore" or empty
};

struct WindowRow {
    std::string_view range;
    const char* caption;
    QColor windowColour;
    QRect list;
    QColor listColour;
    QRect copyField;
    int buttonLeft, labelLeft, firstTop;
    std::vector<GeneratorRow> generators;
};

const char* const Dividend = "al dividendo";
const char* const Divisor = "al divisore";
const char* const Multiplier = "al moltiplicatore";

const std::vector<WindowRow>& windowTable()
{
    static const std::vector<GeneratorRow> middle = {
        {"cmdad2", "+2", "Addizioni a 2 addendi", ""},
        {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
        {"cmdsot", "-", "Sottrazioni", ""},
        {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", Multiplier},
        {"cmdmolt3", "x2", "Moltiplicazioni 2 cifre", Multiplier},
        {"cmddiv1", ":", "Divisioni 1 cifra", Divisor},
        {"cmddiv2", ":2", "Divisioni 2 cifre", Divisor},
        {"cmdmis", "m", "Operazioni miste", ""},
    };
    static const std::vector<GeneratorRow> in99999 = {
        {"cmdad2", "+2", "Addizioni con 2 addendi", ""},
        {"cmdad3", "+3", "Addizioni con 3 addendi", ""},
        {"cmdsot", "-", "Sottrazioni", ""},
        {"cmdmolt", "x1", "Moltiplicazioni 1 cifra", Multiplier},
        {"cmdmolt2", "x2", "Moltiplicazioni 2 cifre", Multiplier},
        {"cmdmolt3", "x3", "Moltiplicazioni 3 cifre", Multiplier},
        {"cmddiv1", ":", "Divisioni 1 cifra", Divisor},
        {"cmddiv2", ":2", "Divisioni 2 cifre", Divisor},
        {"cmdmis", "m", "Operazioni miste", ""},
    };
    static const std::vector<WindowRow> table = [] {
        std::vector<GeneratorRow> in999999 = in99999;
        in999999[0].label = "Addizioni a 2 addendi";
        in999999[1].label = "Addizioni a 3 addendi";
        return std::vector<WindowRow>{
            {core::range::R500,
             "Fendra operazioni entro il 500",
             QColor(0x80, 0xFF, 0x80),
             QRect(3480, 1200, 2415, 3060),
             QColor(0xC0, 0xFF, 0xC0),
             QRect(120, 2880, 1935, 2295),
             6120,
             6720,
             1200,
             {{"cmdad2", "+2", "Addizioni a 2 addendi", ""},
              {"cmdad3", "+3", "Addizioni a 3 addendi", ""},
              {"cmdsot", "-", "Sottrazioni", ""},
              {"cmdmolt", "x", "Moltiplicazioni", ""},
              {"cmddiv2", ":2", "Divisioni 2 cifre", Dividend},
              {"cmddiv3", ":3", "Divisioni 3 cifre", Dividend},
              {"cmdmis", "m", "Operazioni miste", ""}}},
            {core::range::R999, "Fendra operazioni entro il 999", QColor(0xFF, 0x80, 0xFF),
             QRect(3120, 1200, 2295, 3060), QColor(0xFF, 0xC0, 0xFF), QRect(120, 3120, 1935, 2055),
             5640, 6240, 960, middle},
            {core::range::R9999, "Fendra operazioni entro il 9.999", QColor(0xFF, 0xC0, 0x80),
             QRect(3000, 1200, 2775, 3060), QColor(0xFF, 0xE0, 0xC0), QRect(120, 3120, 2175, 2055),
             5880, 6480, 960, middle},
            {core::range::R99999, "Fendra operazioni entro il 99.999", QColor(0x00, 0xFF, 0xFF),
             QRect(2760, 1080, 3135, 3060), QColor(0xC0, 0xFF, 0xFF), QRect(120, 3000, 2175, 2175),
             6000, 6480, 600, in99999},
            {core::range::R999999, "Fendra operazioni entro il 999.999", QColor(0xC0, 0xC0, 0xFF),
             QRect(2520, 1080, 3495, 3060), QColor(0xC0, 0xFF, 0xFF), QRect(120, 2640, 2295, 2535),
             6120, 6600, 600, in999999},
        };
    }();
    return table;
}

const WindowRow& windowRow(std::string_view range)
{
    for (const WindowRow& row : windowTable()) {
        if (row.range == range)
            return row;
    }
    throw std::invalid_argument("no integer window for range " + std::string(range));
}

widgets::ExerciseWindowData dataFor(const WindowRow& row)
{
    return widgets::ExerciseWindowData::exercise(row.caption, row.range, row.windowColour, row.list,
                                                 row.listColour, row.copyField);
}

} // namespace

IntegerWindow::IntegerWindow(widgets::WindowHost& host, std::string_view range)
    : ExerciseWindow(host, dataFor(windowRow(range)))
{
    using namespace widgets::geometry;
    const WindowRow& row = windowRow(range);
    int top = row.firstTop;
    for (const GeneratorRow& g : row.generators) {
        widgets::GeneratorButton button{QString::fromLatin1(g.button),
                                        QString::fromLatin1(g.kind),
                                        QString::fromLatin1(g.label),
                                        QString::fromLatin1(g.secondLabel),
                                        QRect(row.buttonLeft, top, GeneratorWidth, GeneratorHeight),
                                        row.labelLeft,
                                        QColor(0xFF, 0xFF, 0x00)};
        addGenerator(button, [range = std::string(row.range), kind = std::string(g.kind)] {
            return integer::recipe(range, kind, core::ClosingScreen);
        });
        top += IntegerRowStep;
    }
    addPictures(QStringLiteral("Picture1"), QStringLiteral(":/pictures/abacus.svg"),
                QStringLiteral("Picture2"), QStringLiteral(":/pictures/digits.svg"));
}

} // namespace integer

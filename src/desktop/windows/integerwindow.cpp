// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windows/integerwindow.h"

#include "desktop/windows/ui.h"
#include "engine/numbers/operation.h"
#include "engine/rules/codes.h"
#include "engine/rules/integer/buttons.h"
#include "engine/rules/integer/rules.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace integer {

namespace {

struct WindowRow {
    std::string_view range;
    const char* caption;
    QColor windowColour;
    QRect list;
    QColor listColour;
    QRect copyField;
    int buttonLeft, labelLeft, firstTop;
};

const std::vector<WindowRow>& windowTable()
{
    // The generator buttons of each window come from generatorRows().
    static const std::vector<WindowRow> table{
        {core::range::R500, "Fendra operazioni entro il 500", QColor(0x80, 0xFF, 0x80),
         QRect(3480, 1200, 2415, 3060), QColor(0xC0, 0xFF, 0xC0), QRect(120, 2880, 1935, 2295),
         6120, 6720, 1200},
        {core::range::R999, "Fendra operazioni entro il 999", QColor(0xFF, 0x80, 0xFF),
         QRect(3120, 1200, 2295, 3060), QColor(0xFF, 0xC0, 0xFF), QRect(120, 3120, 1935, 2055),
         5640, 6240, 960},
        {core::range::R9999, "Fendra operazioni entro il 9.999", QColor(0xFF, 0xC0, 0x80),
         QRect(3000, 1200, 2775, 3060), QColor(0xFF, 0xE0, 0xC0), QRect(120, 3120, 2175, 2055),
         5880, 6480, 960},
        {core::range::R99999, "Fendra operazioni entro il 99.999", QColor(0x00, 0xFF, 0xFF),
         QRect(2760, 1080, 3135, 3060), QColor(0xC0, 0xFF, 0xFF), QRect(120, 3000, 2175, 2175),
         6000, 6480, 600},
        {core::range::R999999, "Fendra operazioni entro il 999.999", QColor(0xC0, 0xC0, 0xFF),
         QRect(2520, 1080, 3495, 3060), QColor(0xC0, 0xFF, 0xFF), QRect(120, 2640, 2295, 2535),
         6120, 6600, 600},
    };
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
    addGeneratorColumn(generatorRows(row.range), row.buttonLeft, row.firstTop, IntegerRowStep,
                       row.labelLeft, QColor(0xFF, 0xFF, 0x00),
                       [this](std::string_view kind) { return windowRecipe(kind); });
    addPictures(QStringLiteral("Picture1"), QStringLiteral(":/pictures/abacus.svg"),
                QStringLiteral("Picture2"), QStringLiteral(":/pictures/digits.svg"));
    addDifficultyUnderList();
}

} // namespace integer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windows/decimalwindow.h"

#include "desktop/windows/ui.h"
#include "engine/numbers/operation.h"
#include "engine/rules/codes.h"
#include "engine/rules/decimal/buttons.h"
#include "engine/rules/decimal/rules.h"

#include <stdexcept>
#include <string>

namespace decimal {

namespace {

struct WindowRow {
    std::string_view range;
    const char* caption;
    QColor windowColour;
    QColor buttonColour;
    QRect list;
    QColor listColour;
    QRect copyField;
    int buttonLeft;
    int firstTop;
};

const WindowRow windowTable[] = {
    {core::range::Dec999, "Fendra operazioni con i decimali entro il 999", QColor(0xFF, 0xFF, 0x80),
     QColor(0xC0, 0xC0, 0xFF), QRect(3600, 1320, 2175, 3060), QColor(0xFF, 0xFF, 0xC0),
     QRect(120, 3120, 1935, 2055), 6000, 1440},
    {core::range::Dec9999, "Fendra operazioni con i decimali entro il 9.999",
     QColor(0xFF, 0x80, 0x80), QColor(0xFF, 0xFF, 0x00), QRect(2520, 1320, 3495, 3060),
     QColor(0xFF, 0xC0, 0xC0), QRect(120, 2880, 1935, 2295), 6120, 1560},
};

// Both windows start their labels here.
constexpr int LabelLeft = 6600;

const WindowRow& windowRow(std::string_view range)
{
    for (const WindowRow& row : windowTable) {
        if (row.range == range)
            return row;
    }
    throw std::invalid_argument("no decimal window for range " + std::string(range));
}

widgets::ExerciseWindowData dataFor(const WindowRow& row)
{
    auto d = widgets::ExerciseWindowData::exercise(row.caption, row.range, row.windowColour,
                                                   row.list, row.listColour, row.copyField);
    d.pictureButtonColour = row.buttonColour;
    d.backName = QStringLiteral("cmdesci");
    return d;
}

} // namespace

DecimalWindow::DecimalWindow(widgets::WindowHost& host, std::string_view range)
    : ExerciseWindow(host, dataFor(windowRow(range)))
{
    using namespace widgets::geometry;
    const WindowRow& row = windowRow(range);
    addGeneratorColumn(generatorRows(row.range), row.buttonLeft, row.firstTop, DecimalRowStep,
                       LabelLeft, row.buttonColour,
                       [this](std::string_view kind) { return windowRecipe(kind); });
    addPictures(QStringLiteral("Picture1"), QStringLiteral(":/pictures/pencil.svg"),
                QStringLiteral("Picture3"), QStringLiteral(":/pictures/notebook.svg"));
    addDifficultyUnderList();
}

} // namespace decimal

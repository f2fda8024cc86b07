// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal/window.h"

#include "app/ui.h"
#include "core/line.h"
#include "decimal/rules.h"

namespace decimal {

namespace {

struct WindowRow {
    const char* name;
    const char* caption;
    const char* rangeCode;
    QColor windowColour;
    QColor buttonColour;
    QRect list;
    QColor listColour;
    QRect copyField;
    int buttonLeft;
    int firstTop; // the buttons stand 600 twips apart
};

const WindowRow windowTable[] = {
    {"frmdec999", "Fendra operazioni con i decimali entro il 999", "dec999",
     QColor(0xFF, 0xFF, 0x80), QColor(0xC0, 0xC0, 0xFF), QRect(3600, 1320, 2175, 3060),
     QColor(0xFF, 0xFF, 0xC0), QRect(120, 3120, 1935, 2055), 6000, 1440},
    {"frmdec9999", "Fendra operazioni con i decimali entro il 9.999", "dec9999",
     QColor(0xFF, 0x80, 0x80), QColor(0xFF, 0xFF, 0x00), QRect(2520, 1320, 3495, 3060),
     QColor(0xFF, 0xC0, 0xC0), QRect(120, 2880, 1935, 2295), 6120, 1560},
};

struct Generator {
    const char* button;
    const char* kind;
    const char* label;
};

const Generator generators[] = {
    {"cmdad", "+", "Addizioni"},
    {"cmdsot", "-", "Sottrazioni"},
    {"cmdmolt", "x", "Moltiplicazioni"},
    {"cmdmolt10", "x10", "Moltiplicazioni per 10 - 100 - 1.000"},
    {"cmddiv10", ":10", "Divisioni per 10 - 100 - 1000"},
};

const WindowRow* findWindow(const QString& name)
{
    for (const WindowRow& row : windowTable) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

app::ExerciseWindowData dataFor(const WindowRow& row)
{
    auto d = app::ExerciseWindowData::exercise(row.caption, row.rangeCode, row.windowColour,
                                               row.list, row.listColour, row.copyField);
    d.okButton = QRect(120, 5160, 1935, 375);
    d.pictureButtonColour = row.buttonColour;
    d.backName = QStringLiteral("cmdesci");
    return d;
}

} // namespace

DecimalWindow::DecimalWindow(app::Context& context, const QString& name)
    : ExerciseWindow(context, dataFor(*findWindow(name)))
{
    const WindowRow& row = *findWindow(name);
    int top = row.firstTop;
    for (const Generator& g : generators) {
        app::GeneratorButton button{QString::fromLatin1(g.button),
                                    QString::fromLatin1(g.kind),
                                    QString::fromUtf8(g.label),
                                    QString(),
                                    QRect(row.buttonLeft, top, 375, 255),
                                    6600,
                                    row.buttonColour};
        addGenerator(button, [range = std::string(row.rangeCode), kind = std::string(g.kind)] {
            return decimal::recipe(range, kind, core::ClosingScreen);
        });
        top += 600;
    }
    app::picture(this, QStringLiteral("Picture1"), QStringLiteral(":/pictures/pencil.svg"),
                 app::twipsRect(240, 240, row.copyField.width() - 240, row.copyField.y() - 480));
    app::picture(this, QStringLiteral("Picture3"), QStringLiteral(":/pictures/notebook.svg"),
                 app::twipsRect(row.list.x(), 120, row.list.width(), row.list.y() - 240));
}

bool DecimalWindow::isDecimalWindow(const QString& name)
{
    return findWindow(name) != nullptr;
}

} // namespace decimal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/windowsources.h"

#include "core/codes.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <utility>

namespace print {

namespace {

namespace r = core::range;

constexpr std::array<std::pair<std::string_view, const char*>, 12> WindowNames{{
    {r::R500, "frm4op500"},
    {r::R999, "frm4op999"},
    {r::R9999, "frm4op9999"},
    {r::R99999, "frm4op99999"},
    {r::R999999, "frm4op999999"},
    {r::Dec999, "frmdec999"},
    {r::Dec9999, "frmdec9999"},
    {r::Case1, "frm1caso"},
    {r::Case2, "frm2caso"},
    {r::Case3, "frm3caso"},
    {r::Case4, "frm4caso"},
    {r::Case5, "frm5caso"},
}};

QString fieldText(std::string_view range, const char* field)
{
    QWidget* window = WindowSources::window(range);
    if (!window)
        return {};
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
    return edit ? edit->text() : QString();
}

} // namespace

QWidget* WindowSources::window(std::string_view range)
{
    for (const auto& [code, name] : WindowNames) {
        if (code != range)
            continue;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String(name))
                return widget;
    }
    return nullptr;
}

bool WindowSources::holdsOwnCode(std::string_view range) const
{
    return fieldText(range, "txt") == QString::fromUtf8(range.data(), qsizetype(range.size()));
}

std::string WindowSources::kindField(std::string_view range) const
{
    return fieldText(range, "txtop").toStdString();
}

cases::DivisorChoice WindowSources::divisorChoice(std::string_view range) const
{
    QWidget* window = WindowSources::window(range);
    auto checked = [window](const char* name) {
        auto* button =
            window ? window->findChild<QRadioButton*>(QString::fromLatin1(name)) : nullptr;
        return button && button->isChecked();
    };
    if (checked("opt1"))
        return cases::DivisorChoice::OneDigit;
    if (checked("opt2"))
        return cases::DivisorChoice::TwoDigits;
    // "Misto" is the window's initial choice.
    return cases::DivisorChoice::Mixed;
}

} // namespace print

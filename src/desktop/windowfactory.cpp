// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: which class makes each window of the program.
#include "desktop/windowfactory.h"

#include "desktop/context.h"
#include "desktop/menus.h"
#include "desktop/print/printdialog.h"
#include "desktop/windows/casewindow.h"
#include "desktop/windows/decimalwindow.h"
#include "desktop/windows/integerwindow.h"
#include "engine/rules/windowtable.h"

#include <string>

namespace app {

QWidget* makeWindow(Context& context, const QString& name)
{
    if (name == QLatin1String("frminizio"))
        return new MainMenu(context);
    if (name == QLatin1String("frmscelta"))
        return new DecimalsChoice(context);
    if (name == QLatin1String("frminizio2"))
        return new CasesMenu(context);
    if (name == QLatin1String("frmstampa"))
        return new print::PrintDialog(context.random(), context.openWindows());
    const std::string key = name.toStdString();
    if (const core::WindowEntry* entry = core::windowNamed(key)) {
        switch (entry->family) {
        case core::WindowFamily::Integer:
            return new integer::IntegerWindow(context, entry->range);
        case core::WindowFamily::Decimal:
            return new decimal::DecimalWindow(context, entry->range);
        case core::WindowFamily::Case:
            return new cases::CaseWindow(context, entry->caseNumber);
        }
    }
    return nullptr;
}

} // namespace app

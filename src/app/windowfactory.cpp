// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: which class makes each window of the program.
#include "app/windowfactory.h"

#include "app/context.h"
#include "app/menus.h"
#include "cases/window.h"
#include "core/windowtable.h"
#include "decimal/window.h"
#include "integer/window.h"
#include "print/printdialog.h"

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

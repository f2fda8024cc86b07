// SPDX-License-Identifier: GPL-3.0-or-later
// Which class makes each window of the program.
#include "app/context.h"
#include "app/menus.h"
#include "cases/window.h"
#include "decimal/window.h"
#include "integer/window.h"
#include "print/printdialog.h"

namespace app {

QWidget* Context::create(const QString& name)
{
    if (name == QLatin1String("frminizio"))
        return new MainMenu(*this);
    if (name == QLatin1String("frmscelta"))
        return new DecimalsChoice(*this);
    if (name == QLatin1String("frminizio2"))
        return new CasesMenu(*this);
    if (integer::IntegerWindow::isIntegerWindow(name))
        return new integer::IntegerWindow(*this, name);
    if (decimal::DecimalWindow::isDecimalWindow(name))
        return new decimal::DecimalWindow(*this, name);
    if (const int caseNumber = cases::CaseWindow::caseNumberOf(name))
        return new cases::CaseWindow(*this, caseNumber);
    if (name == QLatin1String("frmstampa"))
        return createPrintDialog();
    return nullptr;
}

QWidget* Context::createPrintDialog()
{
    return new print::PrintDialog(random());
}

} // namespace app

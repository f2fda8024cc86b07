// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/context.h"
#include "widgets/ui.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace app {

void installItalianTranslation()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void start()
{
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zelmorio.Zelmorio"));
    widgets::installFontSubstitutions();
    installItalianTranslation();
    // Fusion draws buttons with their palette colour on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* context = new Context(qApp);
    context->show(QStringLiteral("frminizio"));
}

} // namespace app

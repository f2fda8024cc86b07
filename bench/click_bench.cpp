// SPDX-License-Identifier: GPL-3.0-or-later
// A generator click in a real (offscreen) exercise window, from the button to the ten rows
// in the list; once as the click itself and once with the repaint that follows it.
#include "support/benchtable.h"

#include "desktop/context.h"
#include "desktop/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>

#include <cstdlib>

namespace {

void click(benchmark::State& state, app::Context& context, const QString& windowName,
           const QString& buttonName, bool repaint)
{
    context.show(windowName);
    QWidget* window = context.window(windowName);
    auto* button = window ? window->findChild<QAbstractButton*>(buttonName) : nullptr;
    auto* list = window ? window->findChild<QListWidget*>(QStringLiteral("list")) : nullptr;
    if (!button || !list) {
        state.SkipWithError("window, button or list not found");
        return;
    }
    QApplication::processEvents();
    for (auto _ : state) {
        button->click();
        if (repaint)
            QApplication::processEvents(); // layout, paint and flush of the new rows
        if (list->count() != 10) {
            state.SkipWithError("the list does not hold ten rows");
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    app::start();
    auto* context = app.findChild<app::Context*>();
    if (!context)
        return 2;
    struct Case {
        const char* figure;
        const char* window;
        const char* button;
        bool repaint;
    };
    static const Case cases[] = {
        {"click/frm4op999 cmdsot", "frm4op999", "cmdsot", false},
        {"click/frm4op999 cmdsot + repaint", "frm4op999", "cmdsot", true},
        {"click/frmdec9999 cmdmolt (slowest) + repaint", "frmdec9999", "cmdmolt", true},
    };
    for (const Case& c : cases)
        benchtable::add(c.figure, {2e6, {}}, [context, c](benchmark::State& s) {
            click(s, *context, QString::fromLatin1(c.window), QString::fromLatin1(c.button),
                  c.repaint);
        })->Unit(benchmark::kMicrosecond);
    return benchtable::run(argc, argv);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/openwindows.h"

#include "desktop/context.h"
#include "desktop/windows/exercisewindow.h"
#include "desktop/windows/ui.h"
#include "engine/rules/windowtable.h"

namespace app {

using widgets::text;

widgets::ExerciseWindow* OpenWindows::window(std::string_view range) const
{
    const core::WindowEntry* entry = core::windowOfRange(range);
    if (!entry)
        return nullptr;
    return qobject_cast<widgets::ExerciseWindow*>(m_context.window(text(entry->name)));
}

bool OpenWindows::holdsOwnCode(std::string_view range) const
{
    const widgets::ExerciseWindow* w = window(range);
    return w && w->rangeField() == text(range);
}

std::string OpenWindows::kindField(std::string_view range) const
{
    const widgets::ExerciseWindow* w = window(range);
    return w ? w->kindField().toStdString() : std::string();
}

core::GeneratorOptions OpenWindows::options(std::string_view range) const
{
    const widgets::ExerciseWindow* w = window(range);
    return w ? w->generatorOptions() : core::GeneratorOptions{};
}

std::uint64_t OpenWindows::windowSerial(std::string_view range) const
{
    widgets::ExerciseWindow* w = window(range);
    if (!w)
        return 0;
    // Numbered when first asked: a window made later gets a number of its own.
    static std::uint64_t last = 0;
    const char* const key = "printSerial";
    if (!w->property(key).isValid())
        w->setProperty(key, QVariant::fromValue<qulonglong>(++last));
    return w->property(key).toULongLong();
}

} // namespace app

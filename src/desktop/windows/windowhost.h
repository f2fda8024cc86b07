// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/random.h"

#include <QList>
#include <QString>

class QWidget;

namespace widgets {

// What an exercise window needs from the program around it: the one random sequence,
// showing and closing windows by name, and the windows loaded now. The navigation context
// implements it.
class WindowHost {
public:
    virtual core::RandomSequence& random() = 0;
    // Loads the window if needed, shows it modeless and brings it to the front.
    virtual void show(const QString& name) = 0;
    // Unloads the window if it is loaded.
    virtual void close(const QString& name) = 0;
    // Every loaded window, shown or hidden.
    virtual QList<QWidget*> loadedWindows() const = 0;

protected:
    ~WindowHost() = default;
};

} // namespace widgets

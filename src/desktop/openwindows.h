// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/sourcelookup.h"

namespace widgets {
class ExerciseWindow;
}

namespace app {

class Context;

// The print job's view of the loaded exercise windows: each found by its range code in the
// window table, read through the window's own accessors (its hidden range and kind fields,
// the options its controls show).
class OpenWindows final : public print::SourceWindows {
public:
    explicit OpenWindows(const Context& context) : m_context(context) {}

    bool holdsOwnCode(std::string_view range) const override;
    std::string kindField(std::string_view range) const override;
    core::GeneratorOptions options(std::string_view range) const override;
    std::uint64_t windowSerial(std::string_view range) const override;

private:
    widgets::ExerciseWindow* window(std::string_view range) const;

    const Context& m_context;
};

} // namespace app

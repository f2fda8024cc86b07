// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/sourcelookup.h"

class QWidget;

namespace print {

// The open exercise windows, found by their object names among the top-level widgets
// (frm4op500 for "500", frmdec999 for "dec999", frm1caso for "1", ...), read through
// their hidden fields txt and txtop.
class WindowSources final : public SourceWindows {
public:
    bool holdsOwnCode(std::string_view range) const override;
    std::string kindField(std::string_view range) const override;
    cases::DivisorChoice divisorChoice(std::string_view range) const override;

    // The window with this range code, or nullptr when it is not open.
    static QWidget* window(std::string_view range);
};

} // namespace print

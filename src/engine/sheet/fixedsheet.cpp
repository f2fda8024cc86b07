// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sheet/fixedsheet.h"

#include "engine/sheet/sourcelookup.h"
#include "engine/sheet/worksheet.h"

#include <string>

namespace print {

namespace {

// The print job's view of one window that is not there: the window of the chosen range
// holds its own code, its kind field the chosen kind, its divisor buttons the chosen
// choice. So the sheet is made through the very lookup the dialog's OK uses.
class FixedSource final : public SourceWindows {
public:
    FixedSource(std::string_view range, std::string_view kind, cases::DivisorChoice divisor)
        : m_range(range), m_kind(kind), m_divisor(divisor)
    {
    }

    bool holdsOwnCode(std::string_view range) const override { return range == m_range; }
    std::string kindField(std::string_view range) const override
    {
        return holdsOwnCode(range) ? m_kind : std::string();
    }
    cases::DivisorChoice divisorChoice(std::string_view) const override { return m_divisor; }

private:
    std::string_view m_range;
    std::string m_kind;
    cases::DivisorChoice m_divisor;
};

} // namespace

std::vector<Statement> fixedSheet(const core::WindowEntry& window, std::string_view kind,
                                  cases::DivisorChoice divisor, JobOptions options,
                                  core::RandomSource& random)
{
    OperationTable table;
    makeWorksheet(FixedSource(window.range, kind, divisor), random, table);
    options.window = &window;
    return layOutJob(table, options);
}

} // namespace print

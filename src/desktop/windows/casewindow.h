// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/windows/exercisewindow.h"
#include "engine/rules/cases/rules.h"

#include <utility>
#include <vector>

class QRadioButton;

namespace cases {

// The window of one graded case of division with decimals (frm1caso … frm5caso).
class CaseWindow : public widgets::ExerciseWindow {
    Q_OBJECT
public:
    // caseNumber 1 to 5; any other throws std::out_of_range.
    CaseWindow(widgets::WindowHost& host, int caseNumber);

    // The divisor choice shown by the option buttons at this moment.
    DivisorChoice divisorChoice() const;
    core::GeneratorOptions generatorOptions() const override;

private:
    // The divisor frame's option buttons with the choice each stands for.
    std::vector<std::pair<QRadioButton*, DivisorChoice>> m_options;
};

} // namespace cases

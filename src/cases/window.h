// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cases/rules.h"
#include "widgets/exercisewindow.h"

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

private:
    QRadioButton* m_one = nullptr;
    QRadioButton* m_two = nullptr;
    QRadioButton* m_mixed = nullptr;
};

} // namespace cases

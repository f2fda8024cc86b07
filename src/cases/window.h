// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/exercisewindow.h"
#include "cases/rules.h"

class QRadioButton;

namespace cases {

// The window of one graded case of division with decimals (frm1caso … frm5caso).
class CaseWindow : public app::ExerciseWindow {
    Q_OBJECT
public:
    CaseWindow(app::Context& context, int caseNumber);

    // The divisor choice shown by the option buttons at this moment.
    DivisorChoice divisorChoice() const;

    // 1 … 5 for frm1caso … frm5caso, 0 for any other name.
    static int caseNumberOf(const QString& name);

private:
    QRadioButton* m_one = nullptr;
    QRadioButton* m_two = nullptr;
    QRadioButton* m_mixed = nullptr;
};

} // namespace cases

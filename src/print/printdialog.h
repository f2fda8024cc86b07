// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/random.h"
#include "print/printjob.h"
#include "print/worksheet.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace print {

class SourceWindows;

// The print options dialog "frmstampa": heading, groups of ten per column, one or two
// columns, copies. OK makes up a fresh worksheet from the window that asked for it and
// prints it; the dialog then closes and is deleted. The windows it asks are the ones the
// caller passes.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(core::RandomSource& random, const SourceWindows& windows,
                QWidget* parent = nullptr);

    // Groups of ten per column, as set by the last count button clicked (0 before any).
    int groupCount() const { return m_groupCount; }

    // The printer, prompts and job name this dialog uses.
    PrintEnvironment& environment() { return m_environment; }

private:
    void countClicked(int groups);
    void columnClicked();
    void printWorksheet();

    core::RandomSource& m_random;
    const SourceWindows& m_windows;
    PrintEnvironment m_environment;
    OperationTable m_table;
    short m_groupCount = 0;

    QLineEdit* m_heading = nullptr;
    QLineEdit* m_copies = nullptr;
    QRadioButton* m_counts[4] = {};
    QRadioButton* m_oneColumn = nullptr;
    QRadioButton* m_twoColumns = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace print

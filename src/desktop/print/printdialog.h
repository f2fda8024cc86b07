// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/print/prompts.h"
#include "engine/catalog/request.h"
#include "engine/rules/random.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/worksheet.h"

#include <QDialog>

#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace print {

class SourceWindows;

// The print options dialog "frmstampa": heading, groups of ten per column, one or two
// columns, copies, the answer key, the sheet's form (rows, or column form on squares), the
// name line and whether every copy has operations of its own. OK makes up a fresh worksheet from
// the window that asked for it and prints it; once the sheet is out the dialog closes and is
// deleted, while after an "Annulla" in its questions or a failed printer or file it stays as it
// was, with the same operations for another try. "Anteprima…" shows the job in a print preview and
// keeps its operations: OK, printing from the preview and "Salva PDF…" then print those, until the
// dialog is shown again by a print button or the worksheet's window is no longer the one
// that answers. The windows it asks are the ones the caller passes.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(core::RandomSource& random, const SourceWindows& windows,
                QWidget* parent = nullptr);

    // Groups of ten per column, as set by the last count button clicked (0 before any).
    int groupCount() const { return m_groupCount; }

    // The printer, prompts and job name this dialog uses.
    PrintEnvironment& environment() { return m_environment; }

    // Every showing, including one over the dialog already open, is a new request from a
    // window's print button: operations kept from a preview are dropped.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void countClicked(int groups);
    // Makes OK, the preview and the PDF available once the choices allow it.
    void updateOutputs();
    // Offers only the forms whose squares the asking window's operations fit, and tells
    // what a sheet in column form will make: the operations and sheets of a copy, of the
    // operations OK would draw now.
    void updateForms();
    void updateSummary();
    // The choice of the window that answers now; nullopt when none has made anything.
    std::optional<catalog::Choice> sourceChoice() const;
    // False, after telling the user, when the chosen squares are too small for the table's
    // operations.
    bool formFitsTable();
    JobOptions jobOptions(int copies) const;
    void printWorksheet();
    void previewWorksheet();
    void saveWorksheet();
    // The copies as OK reads them; nullopt after telling the user to correct them.
    std::optional<int> readCopyCount();
    // Fills the tables with the operations to print: those kept from a preview while their
    // window still answers (with further ones drawn when more copies now differ), a fresh
    // set otherwise. False when no window answers (the user is told and the dialog closes).
    bool prepareTables(int copies);
    std::vector<Statement> job(int copies) const;

    core::RandomSource& m_random;
    const SourceWindows& m_windows;
    PrintEnvironment m_environment;
    // One table that every copy prints, or one a copy when they differ, in the order drawn.
    std::vector<OperationTable> m_tables;
    // What the asking window chose when the table was made; none when it had made nothing.
    std::optional<catalog::Choice> m_choice;
    // The window whose operations the table holds, and whether they are kept for printing.
    bool m_keepTable = false;
    std::string m_tableRange;
    std::uint64_t m_tableSerial = 0;
    short m_groupCount = 0;
    // The operations the summary drew ahead, from a copy of the sequence, for the window,
    // choice and sequence they were drawn for: kept while those stay the same, so that a
    // change of the copies or of the form does not draw them all again.
    struct Ahead {
        std::unique_ptr<core::RandomSource> from;  // the sequence before the first was drawn
        std::unique_ptr<core::RandomSource> after; // and after the last
        std::string range;
        std::uint64_t serial = 0;
        std::optional<catalog::Choice> choice;
        std::vector<OperationTable> tables;
    };
    Ahead m_ahead;

    QLineEdit* m_heading = nullptr;
    QLineEdit* m_copies = nullptr;
    QRadioButton* m_counts[std::size(dialogform::PerColumn.choices)] = {};
    QRadioButton* m_columns[std::size(dialogform::ColumnCount.choices)] = {};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QCheckBox* m_key = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_pdf = nullptr;
    QRadioButton* m_forms[std::size(dialogform::Form.choices)] = {};
    QCheckBox* m_nameLine = nullptr;
    QCheckBox* m_different = nullptr;
    QLabel* m_summary = nullptr;
};

} // namespace print

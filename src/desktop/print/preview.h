// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/print/output.h"
#include "engine/sheet/statements.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace print {

// The printer a preview lays its pages out for: the default printer, or the PDF's page when
// there is none.
std::unique_ptr<QPrinter> previewPrinter();

// Qt's print preview of a job, painted by the same code as the printer. Printing from it
// sends the statements once (they hold every copy, so the printer's own copy count is
// kept at 1) to the printer chosen there, and then accepts the dialog.
class JobPreview : public QPrintPreviewDialog {
public:
    JobPreview(QPrinter* printer, std::vector<Statement> statements, QWidget* parent = nullptr,
               const QString& documentName = defaultDocumentName());

    // Printing from the preview runs `print` instead of Qt's own printing; the preview
    // closes (accepted) when it returns true, and stays open otherwise.
    void replacePrinting(std::function<bool()> print);

    // Whether the last painting (the printing, once the dialog was accepted) succeeded.
    bool painted() const { return m_painted; }

private:
    std::vector<Statement> m_statements;
    bool m_painted = false;
};

} // namespace print

// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/preview.h"

#include "desktop/print/printerbackend.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrinterInfo>

namespace print {

std::unique_ptr<QPrinter> previewPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    usePdfPage(*printer);
    return printer;
}

JobPreview::JobPreview(QPrinter* printer, std::vector<Statement> statements, QWidget* parent,
                       const QString& documentName)
    : QPrintPreviewDialog(printer, parent), m_statements(std::move(statements))
{
    printer->setDocName(documentName);
    printer->setCreator(QStringLiteral("Zelmorio"));
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        target->setCopyCount(1);
        m_painted =
            printStatements(m_statements, *target) && target->printerState() != QPrinter::Error;
    });
}

void JobPreview::replacePrinting(std::function<bool()> print)
{
    // The print button of the preview's tool bar, known by Qt's own caption for it.
    const QString caption = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() != caption)
            continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this, print] {
            if (print())
                accept();
        });
    }
}

} // namespace print

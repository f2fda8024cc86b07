// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/printdialog.h"

#include "desktop/print/output.h"
#include "desktop/print/preview.h"
#include "desktop/windows/ui.h"
#include "engine/catalog/checks.h"
#include "engine/sheet/copies.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/job.h"
#include "engine/sheet/layout.h"
#include "engine/sheet/sourcelookup.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

namespace print {

namespace form = dialogform;
using widgets::text;

namespace {

// With no printer: offers to save the worksheet as a PDF file instead. True once it is
// saved; false when the user declines, or after telling that the file was not written.
bool saveInsteadOfPrinting(const std::vector<Statement>& statements, const PrintEnvironment& env,
                           QWidget* parent)
{
    const QString fileName = env.choosePdfFile(parent);
    if (fileName.isEmpty())
        return false;
    const ReplaceOutcome outcome = writePdf(statements, fileName, env.documentName);
    if (!outcome.ok()) {
        env.tell(parent, messages::pdfNotWritten(fileName, outcome));
        return false;
    }
    return true;
}

// Sends the statements to the default printer, without a printer dialog, or (when there is
// no printer and the user agrees) to a PDF file. True when the sheet is out; false when the
// user declined, or after telling of the failure.
bool runPrintJob(const std::vector<Statement>& statements, const PrintEnvironment& env,
                 QWidget* parent)
{
    if (env.printerMissing())
        return saveInsteadOfPrinting(statements, env, parent);
    const PrinterOutcome outcome = env.sendToPrinter(statements, env.documentName);
    if (outcome != PrinterOutcome::Printed) {
        env.tell(parent, outcome == PrinterOutcome::DoesNotFit ? messages::doesNotFitPrinter()
                                                               : messages::printerError());
        return false;
    }
    return true;
}

} // namespace

PrintDialog::PrintDialog(core::RandomSource& random, const SourceWindows& windows, QWidget* parent)
    : QDialog(parent), m_random(random), m_windows(windows),
      m_environment(PrintEnvironment::system())
{
    setObjectName(QStringLiteral("frmstampa"));
    setWindowTitle(text(form::Title));
    // The dialog's own icon is the main one; the cases menu's load step puts its own icon
    // on the dialog it loads at start-up, and every later loading brings this one back.
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // The classic dialog font: narrow enough for "10" … "40" beside their indicators.
    setFont(widgets::makeFont(widgets::MsSansSerif, 8.25));

    auto place = [](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(widgets::twipsRect(left, top, width, height));
    };
    // Two rows below the classic controls hold the answer key, the preview and the PDF;
    // under them come the sheet's form, the name line, the different copies and what a sheet
    // in column form makes.
    setFixedSize(widgets::twips(4125), widgets::twips(6795));

    auto* fracom = new QGroupBox(text(form::HeadingCaption), this);
    fracom->setObjectName(QStringLiteral("fracom"));
    place(fracom, 120, 120, 3855, 975);
    m_heading = new QLineEdit(text(form::HeadingDefault), fracom);
    m_heading->setObjectName(QStringLiteral("txtcom"));
    place(m_heading, 120, 480, 3615, 375);

    auto* franop = new QGroupBox(text(form::PerColumn.caption), this);
    franop->setObjectName(QStringLiteral("franop"));
    place(franop, 120, 1200, 2535, 855);
    for (int i = 0; i < int(std::size(m_counts)); ++i) {
        const auto& choice = form::PerColumn.choices[i];
        auto* button = new QRadioButton(text(choice.caption), franop);
        button->setObjectName(QStringLiteral("opt%1").arg(text(choice.value)));
        place(button, 120 + 600 * i, 480, 495, 255);
        connect(button, &QRadioButton::clicked, this,
                [this, groups = choice.option] { countClicked(groups); });
        m_counts[i] = button;
    }

    auto* frame1 = new QGroupBox(text(form::ColumnCount.caption), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    place(frame1, 2760, 1200, 1215, 855);
    for (int i = 0; i < int(std::size(m_columns)); ++i) {
        const auto& choice = form::ColumnCount.choices[i];
        auto* button = new QRadioButton(text(choice.caption), frame1);
        button->setObjectName(QStringLiteral("optc%1").arg(text(choice.value)));
        place(button, 120 + 480 * i, 480, 495, 255);
        connect(button, &QRadioButton::clicked, this, &PrintDialog::updateOutputs);
        m_columns[i] = button;
    }

    auto* fracop = new QGroupBox(text(form::CopiesCaption), this);
    fracop->setObjectName(QStringLiteral("fracop"));
    place(fracop, 120, 2160, 2535, 975);
    m_copies = new QLineEdit(text(form::CopiesDefault), fracop);
    m_copies->setObjectName(QStringLiteral("txtcop"));
    place(m_copies, 120, 480, 2265, 375);

    m_ok = new QPushButton(text(form::OkCaption), this);
    m_ok->setObjectName(QStringLiteral("cmdok"));
    place(m_ok, 2760, 2280, 1215, 375);
    m_ok->setEnabled(false);
    // Enter presses OK wherever the focus is, except on the other push buttons, which
    // take it while they have the focus.
    m_ok->setAutoDefault(false);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PrintDialog::printWorksheet);

    m_cancel = new QPushButton(text(form::CancelCaption), this);
    m_cancel->setObjectName(QStringLiteral("cmdannulla"));
    place(m_cancel, 2760, 2760, 1215, 375);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // A fresh dialog is made at every load, so the box starts unticked every time.
    m_key = new QCheckBox(text(form::KeyCaption), this);
    m_key->setObjectName(QStringLiteral("chksol"));
    place(m_key, 120, 3240, 3855, 255);

    m_preview = new QPushButton(text(form::PreviewCaption), this);
    m_preview->setObjectName(QStringLiteral("cmdanteprima"));
    place(m_preview, 1440, 3600, 1215, 375);
    m_pdf = new QPushButton(text(form::PdfCaption), this);
    m_pdf->setObjectName(QStringLiteral("cmdpdf"));
    place(m_pdf, 2760, 3600, 1215, 375);
    for (QPushButton* button : {m_preview, m_pdf}) {
        button->setEnabled(false);
    }
    connect(m_preview, &QPushButton::clicked, this, &PrintDialog::previewWorksheet);
    connect(m_pdf, &QPushButton::clicked, this, &PrintDialog::saveWorksheet);

    // The sheet's form: the default one at every load. The group's mnemonic takes the focus
    // to the chosen button, the arrow keys move between them.
    auto* fraimpagina = new QGroupBox(text(form::Form.caption), this);
    fraimpagina->setObjectName(QStringLiteral("fraimpagina"));
    place(fraimpagina, 120, 4080, 3855, 1635);
    const QString formNames[] = {QStringLiteral("optriga"), QStringLiteral("optq5"),
                                 QStringLiteral("optq4"), QStringLiteral("optq10")};
    static_assert(std::extent_v<decltype(formNames)> == std::extent_v<decltype(m_forms)>);
    for (int i = 0; i < int(std::size(m_forms)); ++i) {
        const auto& choice = form::Form.choices[i];
        auto* button = new QRadioButton(text(choice.caption), fraimpagina);
        button->setObjectName(formNames[i]);
        place(button, 120, 360 + 300 * i, 3615, 255);
        button->setChecked(choice.option == form::FormDefault);
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                updateSummary();
        });
        m_forms[i] = button;
    }

    m_nameLine = new QCheckBox(text(form::NameLineCaption), this);
    m_nameLine->setObjectName(QStringLiteral("chknome"));
    place(m_nameLine, 120, 5820, 3855, 255);
    connect(m_nameLine, &QCheckBox::toggled, this, &PrintDialog::updateSummary);
    connect(m_heading, &QLineEdit::textChanged, this, &PrintDialog::updateSummary);

    m_different = new QCheckBox(text(form::DifferentCopiesCaption), this);
    m_different->setObjectName(QStringLiteral("chkdiverse"));
    place(m_different, 120, 6120, 3855, 255);
    connect(m_different, &QCheckBox::toggled, this, &PrintDialog::updateSummary);
    connect(m_copies, &QLineEdit::textChanged, this, &PrintDialog::updateSummary);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblfogli"));
    place(m_summary, 120, 6420, 3855, 255);

    QWidget* order[] = {m_ok,        m_cancel,    m_heading,   m_copies,     m_counts[0],
                        m_counts[1], m_counts[2], m_counts[3], m_columns[0], m_columns[1],
                        m_key,       m_preview,   m_pdf,       m_forms[0],   m_forms[1],
                        m_forms[2],  m_forms[3],  m_nameLine,  m_different};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // OK starts disabled, so the first control in tab order that can take the focus.
    m_cancel->setFocus();
}

namespace {

// The choice whose button is checked; nullptr when none is.
template <typename T, std::size_t N>
const dialogform::Choice<T>* checkedChoice(const dialogform::ChoiceGroup<T, N>& group,
                                           QRadioButton* const (&buttons)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked())
            return &group.choices[i];
    return nullptr;
}

} // namespace

void PrintDialog::countClicked(int groups)
{
    m_groupCount = static_cast<short>(groups);
    updateOutputs();
}

void PrintDialog::updateOutputs()
{
    updateSummary();
    // Once available they stay so: a chosen option button cannot be unchosen.
    if (!form::outputsEnabled(checkedChoice(form::PerColumn, m_counts) != nullptr,
                              checkedChoice(form::ColumnCount, m_columns) != nullptr))
        return;
    for (QPushButton* button : {m_ok, m_preview, m_pdf})
        button->setEnabled(true);
}

std::optional<catalog::Choice> PrintDialog::sourceChoice() const
{
    return catalog::askedChoice(lookUpSource(m_windows), m_windows);
}

void PrintDialog::updateForms()
{
    const std::optional<catalog::Choice> choice = sourceChoice();
    for (std::size_t i = 0; i < std::size(m_forms); ++i)
        m_forms[i]->setEnabled(!choice ||
                               catalog::formFits(*choice->generator, form::Form.choices[i].option));
    updateSummary();
}

void PrintDialog::updateSummary()
{
    if (!m_summary)
        return; // still being built
    m_summary->clear();
    const auto* sheetForm = checkedChoice(form::Form, m_forms);
    if (!sheetForm || sheetForm->option == SheetForm::Rows || m_groupCount == 0 ||
        !checkedChoice(form::ColumnCount, m_columns))
        return;
    const SourceAnswer answer = lookUpSource(m_windows);
    const std::optional<catalog::Choice> choice = catalog::askedChoice(answer, m_windows);
    if (!choice || !catalog::formFits(*choice->generator, sheetForm->option))
        return;
    // The copies as OK would read them; while the field asks for none or too many, one.
    const CopiesRequest copies = readCopies(m_copies->text().toStdString());
    JobOptions options =
        jobOptions(copies.verdict == CopiesRequest::Verdict::OutOfRange ? 1 : copies.count);
    if (tablesNeeded(options) == 1)
        options.copies = 1;
    options.answerKey = false;
    // The operations kept from a preview, or those OK would draw now: drawn from a copy of
    // the sequence, which itself stays where it is.
    std::vector<OperationTable> kept;
    const std::vector<OperationTable>* tables = &kept;
    if (m_keepTable && answer.range == m_tableRange && answer.serial == m_tableSerial) {
        kept = m_tables; // further copies that differ are drawn after these, as OK would
        const std::unique_ptr<core::RandomSource> ahead = m_random.clone();
        if (!ahead)
            return;
        catalog::drawCopies(*choice, options, *ahead, kept);
    } else {
        const bool same = m_ahead.from && m_ahead.from->sameState(m_random) &&
                          m_ahead.range == answer.range && m_ahead.serial == answer.serial &&
                          m_ahead.choice && m_ahead.choice->generator == choice->generator &&
                          m_ahead.choice->options == choice->options;
        if (!same) {
            m_ahead = {m_random.clone(), m_random.clone(), answer.range, answer.serial, choice, {}};
            if (!m_ahead.from)
                return;
        }
        catalog::drawCopies(*choice, options, *m_ahead.after, m_ahead.tables);
        tables = &m_ahead.tables;
    }
    const CopySize size = pdfCopySize(catalog::sheetStatements({*choice, options}, *tables));
    if (size.sheets > 0)
        m_summary->setText(QString::fromStdString(
            form::sheetSummary(size.operations, size.sheets, size.mostSheets)));
}

void PrintDialog::setVisible(bool visible)
{
    if (visible)
        m_keepTable = false;
    QDialog::setVisible(visible);
    if (visible)
        updateForms();
}

void PrintDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Back from the exercise window, whose lines may have drawn from the sequence or whose
    // kind may have changed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        updateForms();
}

bool PrintDialog::formFitsTable()
{
    const auto* sheetForm = checkedChoice(form::Form, m_forms);
    if (!m_choice || !sheetForm || catalog::formFits(*m_choice->generator, sheetForm->option))
        return true;
    m_environment.tell(this, QString::fromStdString(catalog::sentence(
                                 catalog::formTooNarrow(*m_choice->generator, sheetForm->option))));
    return false;
}

std::optional<int> PrintDialog::readCopyCount()
{
    const CopiesRequest copies = readCopies(m_copies->text().toStdString());
    if (copies.verdict == CopiesRequest::Verdict::OutOfRange) {
        // Nothing would be printed, or far too much: say so and let the user correct it.
        m_environment.tell(this, messages::copiesOutOfRange());
        m_copies->setFocus();
        m_copies->selectAll();
        return std::nullopt;
    }
    return copies.count;
}

bool PrintDialog::prepareTables(int copies)
{
    const SourceAnswer answer = lookUpSource(m_windows);
    if (answer.answered == 0) {
        // The window that asked for the worksheet has been closed meanwhile.
        m_environment.tell(this, messages::sourceClosed());
        close();
        return false;
    }
    if (!(m_keepTable && answer.range == m_tableRange && answer.serial == m_tableSerial)) {
        // The handshake ends in the request every front end makes; a window that has made
        // nothing yet leaves the tables as they were.
        m_choice = catalog::askedChoice(answer, m_windows);
        if (m_choice)
            m_tables.clear();
        m_keepTable = false;
        m_tableRange = answer.range;
        m_tableSerial = answer.serial;
    }
    catalog::drawCopies(m_choice.value_or(catalog::Choice{}), jobOptions(copies), m_random,
                        m_tables);
    return true;
}

std::vector<Statement> PrintDialog::job(int copies) const
{
    return catalog::sheetStatements({m_choice.value_or(catalog::Choice{}), jobOptions(copies)},
                                    m_tables);
}

JobOptions PrintDialog::jobOptions(int copies) const
{
    JobOptions options;
    const auto* columns = checkedChoice(form::ColumnCount, m_columns);
    const auto* sheetForm = checkedChoice(form::Form, m_forms);
    options.layout = {m_groupCount, columns ? columns->option : Columns::One,
                      m_nameLine->isChecked()};
    options.form = sheetForm ? sheetForm->option : form::FormDefault;
    options.heading = m_heading->text().toStdString();
    options.copies = copies;
    options.answerKey = m_key->isChecked();
    options.differentCopies = m_different->isChecked();
    return options;
}

void PrintDialog::printWorksheet()
{
    const std::optional<int> copies = readCopyCount();
    if (!copies || !prepareTables(*copies) || !formFitsTable())
        return;
    // Kept while the dialog stays open, so that another try prints the same sheet.
    m_keepTable = true;
    // Declined, or failed and told: the dialog stays as it was, ready for another try.
    if (runPrintJob(job(*copies), m_environment, this))
        close();
}

void PrintDialog::previewWorksheet()
{
    const std::optional<int> copies = readCopyCount();
    if (!copies || !prepareTables(*copies) || !formFitsTable())
        return;
    // What is previewed is what gets printed, from the preview, by OK or as a PDF.
    m_keepTable = true;
    const std::vector<Statement> statements = job(*copies);
    const auto printer = previewPrinter();
    JobPreview preview(printer.get(), statements, this, m_environment.documentName);
    bool saved = false;
    if (m_environment.printerMissing()) {
        // Printing from the preview then saves the sheet as OK does, not through Qt's own
        // PDF export; the preview stays open when the user declines or the file fails.
        preview.replacePrinting([this, &statements, &preview, &saved] {
            saved = saveInsteadOfPrinting(statements, m_environment, &preview);
            return saved;
        });
    }
    if (!m_environment.runPreview(preview))
        return; // closed: back to the options
    if (!saved && !preview.painted()) {
        m_environment.tell(this, messages::printerError());
        return; // the options stay for another try
    }
    close();
}

void PrintDialog::saveWorksheet()
{
    const std::optional<int> copies = readCopyCount();
    if (!copies || !prepareTables(*copies) || !formFitsTable())
        return;
    // Kept while the dialog stays open, so that a second attempt saves the same sheet.
    m_keepTable = true;
    const QString path = m_environment.savePdfAs(this);
    if (path.isEmpty())
        return;
    const ReplaceOutcome outcome = writePdf(job(*copies), path, m_environment.documentName);
    if (!outcome.ok()) {
        m_environment.tell(this, messages::pdfNotWritten(path, outcome));
        return;
    }
    close();
}

} // namespace print

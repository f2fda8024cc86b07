// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printdialog.h"

#include "print/copies.h"
#include "print/layout.h"
#include "print/sourcelookup.h"
#include "widgets/ui.h"

#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace print {

namespace {

const QString Degree = QStringLiteral("N\u00B0 ");

} // namespace

PrintDialog::PrintDialog(core::RandomSource& random, const SourceWindows& windows, QWidget* parent)
    : QDialog(parent), m_random(random), m_windows(windows),
      m_environment(PrintEnvironment::system())
{
    setObjectName(QStringLiteral("frmstampa"));
    setWindowTitle(QStringLiteral("Stampa"));
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
    setFixedSize(widgets::twips(4125), widgets::twips(3300));

    auto* fracom = new QGroupBox(QStringLiteral("Comando"), this);
    fracom->setObjectName(QStringLiteral("fracom"));
    place(fracom, 120, 120, 3855, 975);
    m_heading = new QLineEdit(QStringLiteral("Calcola le seguenti operazioni:"), fracom);
    m_heading->setObjectName(QStringLiteral("txtcom"));
    place(m_heading, 120, 480, 3615, 375);

    auto* franop = new QGroupBox(Degree + QStringLiteral("operazioni per colonna"), this);
    franop->setObjectName(QStringLiteral("franop"));
    place(franop, 120, 1200, 2535, 855);
    for (int i = 0; i < 4; ++i) {
        const int groups = i + 1;
        auto* button = new QRadioButton(QString::number(groups * 10), franop);
        button->setObjectName(QStringLiteral("opt%1").arg(groups * 10));
        place(button, 120 + 600 * i, 480, 495, 255);
        connect(button, &QRadioButton::clicked, this, [this, groups] { countClicked(groups); });
        m_counts[i] = button;
    }

    auto* frame1 = new QGroupBox(Degree + QStringLiteral("colonne"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    place(frame1, 2760, 1200, 1215, 855);
    m_oneColumn = new QRadioButton(QStringLiteral("1"), frame1);
    m_oneColumn->setObjectName(QStringLiteral("optc1"));
    place(m_oneColumn, 120, 480, 495, 255);
    m_twoColumns = new QRadioButton(QStringLiteral("2"), frame1);
    m_twoColumns->setObjectName(QStringLiteral("optc2"));
    place(m_twoColumns, 600, 480, 495, 255);
    connect(m_oneColumn, &QRadioButton::clicked, this, &PrintDialog::columnClicked);
    connect(m_twoColumns, &QRadioButton::clicked, this, &PrintDialog::columnClicked);

    auto* fracop = new QGroupBox(Degree + QStringLiteral("copie"), this);
    fracop->setObjectName(QStringLiteral("fracop"));
    place(fracop, 120, 2160, 2535, 975);
    m_copies = new QLineEdit(QStringLiteral("1"), fracop);
    m_copies->setObjectName(QStringLiteral("txtcop"));
    place(m_copies, 120, 480, 2265, 375);

    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdok"));
    place(m_ok, 2760, 2280, 1215, 375);
    m_ok->setEnabled(false);
    // Enter presses OK only: a focused Annulla must not take it over.
    m_ok->setAutoDefault(false);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &PrintDialog::printWorksheet);

    m_cancel = new QPushButton(QStringLiteral("&Annulla"), this);
    m_cancel->setObjectName(QStringLiteral("cmdannulla"));
    place(m_cancel, 2760, 2760, 1215, 375);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* order[] = {m_ok,        m_cancel,    m_heading,   m_copies,    m_counts[0],
                        m_counts[1], m_counts[2], m_counts[3], m_oneColumn, m_twoColumns};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // OK starts disabled, so the first control in tab order that can take the focus.
    m_cancel->setFocus();
}

void PrintDialog::countClicked(int groups)
{
    if (m_oneColumn->isChecked() || m_twoColumns->isChecked())
        m_ok->setEnabled(true);
    m_groupCount = static_cast<short>(groups);
}

void PrintDialog::columnClicked()
{
    for (QRadioButton* count : m_counts)
        if (count->isChecked())
            m_ok->setEnabled(true);
}

void PrintDialog::printWorksheet()
{
    const CopiesRequest copies = readCopies(m_copies->text().toStdString());
    if (copies.verdict == CopiesRequest::Verdict::OutOfRange) {
        // Nothing would be printed, or far too much: say so and let the user correct it.
        m_environment.tell(this, messages::copiesOutOfRange());
        m_copies->setFocus();
        m_copies->selectAll();
        return;
    }

    if (makeWorksheet(m_windows, m_random, m_table) == 0) {
        // The window that asked for the worksheet has been closed meanwhile.
        m_environment.tell(this, messages::sourceClosed());
        close();
        return;
    }

    const LayoutOptions options{m_groupCount,
                                m_twoColumns->isChecked() ? Columns::Two : Columns::One};
    const auto statements = layOut(m_table, options, m_heading->text().toStdString(), copies.count);
    runPrintJob(statements, m_environment, this);
    close();
}

} // namespace print

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/window.h"

#include "app/ui.h"
#include "core/line.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace cases {

namespace {

struct CaseRow {
    const char* caption;
    const char* title;
    QRect titleLabel; // twips
};

const CaseRow caseTable[CaseCount] = {
    {"I caso", "I caso: dividendo decimale, divisore intero", QRect(240, 360, 6855, 495)},
    {"II caso", "II caso: dividendo decimale e minore del divisore, divisore intero",
     QRect(240, 360, 6855, 855)},
    {"III caso", "III caso: dividendo intero, divisore decimale", QRect(240, 360, 6855, 495)},
    {"IV caso", "IV caso: dividendo e divisore decimali", QRect(240, 360, 6855, 495)},
    {"V caso", "V caso: dividendo e divisore interi, risultato decimale",
     QRect(960, 360, 5415, 855)},
};

const QColor WindowColour(0xFF, 0xC0, 0xC0);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Lilac(0xC0, 0xC0, 0xFF);

app::ExerciseWindowData dataFor(int caseNumber)
{
    app::ExerciseWindowData d;
    d.caption = QString::fromLatin1(caseTable[caseNumber - 1].caption);
    d.rangeCode = QString::number(caseNumber);
    d.icon = QStringLiteral(":/icons/cases.svg");
    d.width = 7365;
    d.height = 6630;
    d.windowColour = WindowColour;
    d.list = QRect(600, 1560, 2295, 3060);
    d.listColour = QColor(0xFF, 0xFF, 0xC0);
    d.copyField = QRect(600, 5280, 2655, 1215);
    d.copyFieldColour = d.listColour;
    d.copyFieldTextColour = QColor(0x00, 0x00, 0xC0);
    d.okButton = QRect(120, 5280, 495, 1215);
    d.okCaption = QStringLiteral("OK");
    d.okTooltip = QStringLiteral("Chiude la finestra per la copia");
    d.okColour = Lilac;
    d.viewButton = QRect(5160, 5880, 615, 615);
    d.printButton = QRect(5880, 5880, 615, 615);
    d.backButton = QRect(6600, 5880, 615, 615);
    d.pictureButtonColour = QColor(0xFF, 0x80, 0xFF);
    d.backTooltip = QStringLiteral("Fine");
    d.backTarget = QStringLiteral("frminizio2");
    // Only the first case window names its print button.
    d.printTooltip = caseNumber == 1 ? QStringLiteral("Stampa") : QString();
    d.hasKindField = false;
    d.clearsRangeOnBack = false;
    d.hideUntilFirstGeneration = true;
    return d;
}

} // namespace

CaseWindow::CaseWindow(app::Context& context, int caseNumber)
    : ExerciseWindow(context, dataFor(caseNumber))
{
    const CaseRow& row = caseTable[caseNumber - 1];
    const QRect& t = row.titleLabel;
    QLabel* title = app::label(this, QStringLiteral("Label1"), QString::fromLatin1(row.title),
                               app::twipsRect(t.x(), t.y(), t.width(), t.height()),
                               app::makeFont(app::ComicSans, 15.75));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    app::setTextColour(title, Blue);

    auto* frame = new QGroupBox(QStringLiteral("Divisore"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(app::twipsRect(3120, 1560, 1335, 1455));
    frame->setFont(app::makeFont(app::MsSansSerif, 9.75, true));
    app::setBackColour(frame, WindowColour);
    app::setTextColour(frame, QColor(0xC0, 0x00, 0x00));
    auto option = [frame](const char* name, const char* caption, int top) {
        auto* o = new QRadioButton(QString::fromLatin1(caption), frame);
        o->setObjectName(QString::fromLatin1(name));
        o->setGeometry(app::twipsRect(120, top, 975, 255));
        app::setTextColour(o, Blue);
        return o;
    };
    m_one = option("opt1", "1 cifra", 360);
    m_two = option("opt2", "2 cifre", 720);
    m_mixed = option("optrnd", "Misto", 1080);
    m_mixed->setChecked(true);

    QPushButton* fendra =
        app::captionButton(this, QStringLiteral("cmdfendra"), QStringLiteral("Fendra !"),
                           app::twipsRect(600, 4680, 2295, 495), Lilac);
    fendra->setFont(app::makeFont(app::ComicSans, 12));
    connect(fendra, &QPushButton::clicked, this, [this, caseNumber] {
        // The option buttons are read afresh at every attempt.
        generate(QString(),
                 recipe(
                     caseNumber, [this] { return divisorChoice(); }, core::ClosingScreen));
    });
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("cmdok")))
        ok->setFont(app::makeFont(app::ComicSans, 12));

    app::picture(this, QStringLiteral("Picture1"), QStringLiteral(":/pictures/operators.svg"),
                 app::twipsRect(4680, 1560, 2520, 3000));
}

DivisorChoice CaseWindow::divisorChoice() const
{
    if (m_one->isChecked())
        return DivisorChoice::OneDigit;
    if (m_two->isChecked())
        return DivisorChoice::TwoDigits;
    return DivisorChoice::Mixed;
}

int CaseWindow::caseNumberOf(const QString& name)
{
    for (int n = 1; n <= CaseCount; ++n) {
        if (name == QStringLiteral("frm%1caso").arg(n))
            return n;
    }
    return 0;
}

} // namespace cases

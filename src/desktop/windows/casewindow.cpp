// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windows/casewindow.h"

#include "desktop/windows/ui.h"
#include "engine/catalog/options.h"
#include "engine/catalog/titles.h"
#include "engine/numbers/operation.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>
#include <stdexcept>

namespace cases {

namespace {

// Where each case window's title goes, in twips; its caption and text come from
// cases::caption() and cases::title().
const QRect titleLabels[CaseCount] = {
    QRect(240, 360, 6855, 495), QRect(240, 360, 6855, 855), QRect(240, 360, 6855, 495),
    QRect(240, 360, 6855, 495), QRect(960, 360, 5415, 855),
};

// The divisor frame's option buttons from top to bottom, as the catalog's divisor option
// lists its values.
struct OptionPlace {
    const char* name;
    int top; // twips
};
const OptionPlace optionPlaces[] = {{"opt1", 360}, {"opt2", 720}, {"optrnd", 1080}};

const QColor WindowColour(0xFF, 0xC0, 0xC0);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Lilac(0xC0, 0xC0, 0xFF);

widgets::ExerciseWindowData dataFor(int caseNumber)
{
    if (caseNumber < 1 || caseNumber > CaseCount)
        throw std::out_of_range("division case must be 1 to 5");
    widgets::ExerciseWindowData d;
    d.caption = widgets::text(caption(caseNumber));
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

CaseWindow::CaseWindow(widgets::WindowHost& host, int caseNumber)
    : ExerciseWindow(host, dataFor(caseNumber))
{
    const QRect& t = titleLabels[caseNumber - 1];
    QLabel* title =
        widgets::label(this, QStringLiteral("Label1"), widgets::text(cases::title(caseNumber)),
                       widgets::twipsRect(t.x(), t.y(), t.width(), t.height()),
                       widgets::makeFont(widgets::ComicSans, 15.75));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    widgets::setTextColour(title, Blue);

    const catalog::GeneratorOption& divisor = *catalog::findOption("divisore");
    auto* frame = new QGroupBox(widgets::text(divisor.caption), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(widgets::twipsRect(3120, 1560, 1335, 1455));
    frame->setFont(widgets::makeFont(widgets::MsSansSerif, 9.75, true));
    widgets::setBackColour(frame, WindowColour);
    widgets::setTextColour(frame, QColor(0xC0, 0x00, 0x00));
    const std::vector<catalog::OptionValue>& options = divisor.values;
    for (std::size_t i = 0; i < options.size() && i < std::size(optionPlaces); ++i) {
        const auto choice = DivisorChoice(options[i].code);
        auto* o = new QRadioButton(widgets::text(options[i].caption), frame);
        o->setObjectName(QString::fromLatin1(optionPlaces[i].name));
        o->setGeometry(widgets::twipsRect(120, optionPlaces[i].top, 975, 255));
        widgets::setTextColour(o, Blue);
        o->setChecked(choice == core::GeneratorOptions{}.divisor);
        m_options.push_back({o, choice});
    }

    QPushButton* fendra =
        widgets::captionButton(this, QStringLiteral("cmdfendra"), QStringLiteral("Fendra !"),
                               widgets::twipsRect(600, 4680, 2295, 495), Lilac);
    fendra->setFont(widgets::makeFont(widgets::ComicSans, 12));
    connect(fendra, &QPushButton::clicked, this, [this] {
        if (!levelAllowed(QString()))
            return;
        // The option buttons are read afresh at every attempt.
        if (auto r = windowRecipe({}))
            generate(QString(), *r);
    });
    okButton()->setFont(widgets::makeFont(widgets::ComicSans, 12));

    widgets::picture(this, QStringLiteral("Picture1"), QStringLiteral(":/pictures/operators.svg"),
                     widgets::twipsRect(4680, 1560, 2520, 3000));
    // Under the pictures, right of the copy field and above the picture buttons.
    addDifficulty(QRect(3360, 4680, 1800, 255), QRect(3360, 4950, 1800, 345),
                  QRect(3360, 5340, 1740, 495));
}

core::GeneratorOptions CaseWindow::generatorOptions() const
{
    core::GeneratorOptions options = ExerciseWindow::generatorOptions();
    options.divisor = divisorChoice();
    return options;
}

DivisorChoice CaseWindow::divisorChoice() const
{
    for (const auto& [button, choice] : m_options)
        if (button->isChecked())
            return choice;
    return DivisorChoice::Mixed;
}

} // namespace cases

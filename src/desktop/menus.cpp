// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/menus.h"

#include "desktop/context.h"
#include "desktop/windows/ui.h"
#include "engine/catalog/catalog.h"
#include "engine/rules/windowtable.h"

#include <QLabel>
#include <QPushButton>

namespace app {

using namespace widgets;

namespace {

const QColor MenuColour(0xFF, 0xC0, 0xC0);

void setUpMenuWindow(QWidget* w, const QString& caption, int widthTwips, int heightTwips)
{
    w->setWindowTitle(caption);
    w->setFixedSize(twips(widthTwips), twips(heightTwips));
    setBackColour(w, MenuColour);
}

// Every navigation button shows its target first and then closes the windows it leaves.
void navigate(QPushButton* button, Context& context, QString target, QStringList closing)
{
    QObject::connect(button, &QPushButton::clicked, &context, [&context, target, closing] {
        context.show(target);
        for (const QString& name : closing)
            context.close(name);
    });
}

// The name of the exercise window with this range code, from the window table.
QString windowOf(std::string_view range)
{
    const std::string_view name = core::windowOfRange(range)->name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The caption of the menu button that opens that window, and the text beside it.
QString captionOf(std::string_view range)
{
    return text(catalog::menuChoiceOf(range)->caption);
}

QString descriptionOf(std::string_view range)
{
    return text(catalog::menuChoiceOf(range)->description);
}

// The caption of the menu that offers that window.
QString menuOf(std::string_view range)
{
    return text(catalog::menuGroupOf(range)->caption);
}

} // namespace

MainMenu::MainMenu(Context& context)
{
    setUpMenuWindow(this, QStringLiteral("Zelmorio di operazioni"), 11055, 5655);
    setWindowIcon(context.mainIcon());

    struct RangeButton {
        const char* name;
        int left, top;
        QColor colour;
        std::string_view range;
    };
    namespace r = core::range;
    const RangeButton buttons[] = {
        {"cmd500", 4560, 3240, QColor(0xC0, 0xC0, 0xFF), r::R500},
        {"cmd999", 6360, 3240, QColor(0x80, 0xFF, 0xFF), r::R999},
        {"cmd9999", 8160, 3240, QColor(0xFF, 0xFF, 0x80), r::R9999},
        {"cmd99999", 4560, 4440, QColor(0x80, 0xFF, 0x80), r::R99999},
        {"cmd999999", 6360, 4440, QColor(0xFF, 0x80, 0x80), r::R999999},
    };
    const QFont captionFont = makeFont(ComicSans, 9.75, true);
    for (const RangeButton& b : buttons) {
        QPushButton* button = captionButton(this, QString::fromLatin1(b.name), captionOf(b.range),
                                            twipsRect(b.left, b.top, 1455, 855), b.colour);
        button->setFont(captionFont);
        navigate(button, context, windowOf(b.range), {QStringLiteral("frminizio")});
    }
    // The button is named after the menu it opens.
    QPushButton* dec = captionButton(this, QStringLiteral("cmddec"), menuOf(core::range::Dec999),
                                     twipsRect(8160, 4440, 1455, 855), QColor(0xFF, 0xC0, 0x80));
    dec->setFont(captionFont);
    navigate(dec, context, QStringLiteral("frmscelta"), {});

    QPushButton* exit = pictureButton(this, QStringLiteral("cmdesci"),
                                      QStringLiteral(":/icons/exit.svg"), QStringLiteral("Esci"),
                                      twipsRect(10200, 4800, 735, 735), QColor(0x80, 0xFF, 0x80));
    connect(exit, &QPushButton::clicked, &context, &Context::exitProgram);
    pressOnEscape(exit);

    picture(this, QStringLiteral("Picture1"), QStringLiteral(":/pictures/abacus.svg"),
            twipsRect(360, 480, 3720, 3120));
    picture(this, QStringLiteral("Picture2"), QStringLiteral(":/pictures/pencil.svg"),
            twipsRect(360, 3840, 3720, 1560));
    picture(this, QStringLiteral("Image1"), QStringLiteral(":/pictures/notebook.svg"),
            twipsRect(4560, 360, 5055, 2640));
}

DecimalsChoice::DecimalsChoice(Context& context)
{
    setUpMenuWindow(this, menuOf(core::range::Dec999), 5190, 1710);
    struct Choice {
        const char* name;
        QString caption;
        int left;
        QString target;
    };
    // The first button leads on to the cases menu, the others open a window.
    const Choice choices[] = {
        {"cmdpercorso", QStringLiteral("Percorso divisioni"), 600, QStringLiteral("frminizio2")},
        {"cmd999", captionOf(core::range::Dec999), 2040, windowOf(core::range::Dec999)},
        {"cmd9999", captionOf(core::range::Dec9999), 3480, windowOf(core::range::Dec9999)},
    };
    for (const Choice& c : choices) {
        QPushButton* button =
            captionButton(this, QString::fromLatin1(c.name), c.caption,
                          twipsRect(c.left, 480, 1095, 735), QColor(0xFF, 0xFF, 0x00));
        button->setFont(makeFont(ComicSans, 9.75, true));
        navigate(button, context, c.target,
                 {QStringLiteral("frminizio"), QStringLiteral("frmscelta")});
    }
}

CasesMenu::CasesMenu(Context& context)
{
    setUpMenuWindow(this, menuOf(core::range::Case1), 7365, 6630);
    setWindowIcon(context.casesIcon());
    struct CaseButton {
        int top;
        QColor colour;
        int labelWidth, labelHeight;
        std::string_view range;
    };
    namespace r = core::range;
    const CaseButton cases[] = {
        {1800, QColor(0xFF, 0xC0, 0x80), 1935, 495, r::Case1},
        {2640, QColor(0x80, 0x80, 0xFF), 2655, 615, r::Case2},
        {3480, QColor(0x80, 0xFF, 0x80), 1695, 495, r::Case3},
        {4320, QColor(0xFF, 0x80, 0x80), 1935, 495, r::Case4},
        {5160, QColor(0xFF, 0xFF, 0x80), 2535, 495, r::Case5},
    };
    int number = 1;
    for (const CaseButton& c : cases) {
        const QString n = QString::number(number++);
        QPushButton* button = captionButton(this, QStringLiteral("cmd") + n, captionOf(c.range),
                                            twipsRect(3120, c.top, 1095, 495), c.colour);
        button->setFont(makeFont(MsSansSerif, 8.25, true));
        navigate(button, context, windowOf(c.range), {QStringLiteral("frminizio2")});
        QLabel* text =
            label(this, QStringLiteral("lblcaso") + n, descriptionOf(c.range),
                  twipsRect(4320, c.top, c.labelWidth, c.labelHeight), makeFont(ComicSans, 9.75));
        text->setWordWrap(true);
        setTextColour(text, QColor(0x00, 0x00, 0xFF));
    }
    QPushButton* back = pictureButton(this, QStringLiteral("cmdfine"),
                                      QStringLiteral(":/icons/exit.svg"), QStringLiteral("Esci"),
                                      twipsRect(6600, 5880, 615, 615), QColor(0xFF, 0x80, 0xFF));
    navigate(back, context, QStringLiteral("frminizio"), {QStringLiteral("frminizio2")});
    pressOnEscape(back);

    picture(this, QStringLiteral("Pic1"), QStringLiteral(":/pictures/operators.svg"),
            twipsRect(240, 240, 6855, 1320));
    picture(this, QStringLiteral("Pic2"), QStringLiteral(":/pictures/digits.svg"),
            twipsRect(240, 1800, 2640, 3840));
}

} // namespace app

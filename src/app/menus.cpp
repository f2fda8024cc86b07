// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus.h"

#include "app/context.h"
#include "app/ui.h"

#include <QLabel>
#include <QPushButton>

namespace app {

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

} // namespace

MainMenu::MainMenu(Context& context)
{
    setUpMenuWindow(this, QStringLiteral("Zelmorio di operazioni"), 11055, 5655);
    setWindowIcon(context.mainIcon());

    struct RangeButton {
        const char* name;
        const char* caption;
        int left, top;
        QColor colour;
        const char* target;
    };
    const RangeButton buttons[] = {
        {"cmd500", "Interi entro il 500", 4560, 3240, QColor(0xC0, 0xC0, 0xFF), "frm4op500"},
        {"cmd999", "Interi entro il 999", 6360, 3240, QColor(0x80, 0xFF, 0xFF), "frm4op999"},
        {"cmd9999", "Interi entro il 9.999", 8160, 3240, QColor(0xFF, 0xFF, 0x80), "frm4op9999"},
        {"cmd99999", "Interi entro il 99.999", 4560, 4440, QColor(0x80, 0xFF, 0x80), "frm4op99999"},
        {"cmd999999", "Interi entro il 999.999", 6360, 4440, QColor(0xFF, 0x80, 0x80),
         "frm4op999999"},
    };
    const QFont captionFont = makeFont(ComicSans, 9.75, true);
    for (const RangeButton& b : buttons) {
        QPushButton* button =
            captionButton(this, QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                          twipsRect(b.left, b.top, 1455, 855), b.colour);
        button->setFont(captionFont);
        navigate(button, context, QString::fromLatin1(b.target), {QStringLiteral("frminizio")});
    }
    QPushButton* dec = captionButton(this, QStringLiteral("cmddec"), QStringLiteral("Decimali"),
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
    setUpMenuWindow(this, QStringLiteral("Decimali"), 5190, 1710);
    struct Choice {
        const char* name;
        const char* caption;
        int left;
        const char* target;
    };
    const Choice choices[] = {
        {"cmdpercorso", "Percorso divisioni", 600, "frminizio2"},
        {"cmd999", "Entro il 999", 2040, "frmdec999"},
        {"cmd9999", "Entro il 9.999", 3480, "frmdec9999"},
    };
    for (const Choice& c : choices) {
        QPushButton* button =
            captionButton(this, QString::fromLatin1(c.name), QString::fromUtf8(c.caption),
                          twipsRect(c.left, 480, 1095, 735), QColor(0xFF, 0xFF, 0x00));
        button->setFont(makeFont(ComicSans, 9.75, true));
        navigate(button, context, QString::fromLatin1(c.target),
                 {QStringLiteral("frminizio"), QStringLiteral("frmscelta")});
    }
}

CasesMenu::CasesMenu(Context& context)
{
    setUpMenuWindow(this, QStringLiteral("Divisioni con i decimali"), 7365, 6630);
    setWindowIcon(context.casesIcon());
    struct CaseButton {
        const char* caption;
        int top;
        QColor colour;
        const char* text;
        int labelWidth, labelHeight;
    };
    const CaseButton cases[] = {
        {"I caso", 1800, QColor(0xFF, 0xC0, 0x80), "Dividendo decimale, divisore intero", 1935,
         495},
        {"II caso", 2640, QColor(0x80, 0x80, 0xFF),
         "Dividendo decimale e minore del divisore, divisore intero", 2655, 615},
        {"III caso", 3480, QColor(0x80, 0xFF, 0x80), "Dividendo intero, divisore decimale", 1695,
         495},
        {"IV caso", 4320, QColor(0xFF, 0x80, 0x80), "Dividendo e divisore decimali", 1935, 495},
        {"V caso", 5160, QColor(0xFF, 0xFF, 0x80),
         "Dividendo e divisore interi, risultato decimale", 2535, 495},
    };
    int number = 1;
    for (const CaseButton& c : cases) {
        const QString n = QString::number(number++);
        QPushButton* button =
            captionButton(this, QStringLiteral("cmd") + n, QString::fromLatin1(c.caption),
                          twipsRect(3120, c.top, 1095, 495), c.colour);
        button->setFont(makeFont(MsSansSerif, 8.25, true));
        navigate(button, context, QStringLiteral("frm%1caso").arg(n),
                 {QStringLiteral("frminizio2")});
        QLabel* text =
            label(this, QStringLiteral("lblcaso") + n, QString::fromLatin1(c.text),
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

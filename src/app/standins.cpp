// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/standins.h"

#include "app/context.h"
#include "app/ui.h"

#include <QLabel>
#include <QPushButton>

namespace app {

namespace {

struct StandIn {
    const char* name;
    const char* caption;
    int width, height;
    const char* back;       // back button name, empty for none
    const char* backTarget; // window shown by the back button
};

const StandIn standIns[] = {
    {"frmstampa", "Stampa", 4125, 3300, "cmdannulla", ""},
};

} // namespace

QWidget* createStandIn(Context& context, const QString& name)
{
    for (const StandIn& s : standIns) {
        if (name != QLatin1String(s.name))
            continue;
        auto* w = new QWidget;
        w->setWindowTitle(QString::fromLatin1(s.caption));
        w->setFixedSize(twips(s.width), twips(s.height));
        auto* note = new QLabel(QStringLiteral("In preparazione"), w);
        note->setGeometry(twipsRect(240, 240, 3000, 375));
        QPushButton* back = captionButton(w, QString::fromLatin1(s.back), QStringLiteral("Indietro"),
                                          twipsRect(s.width - 1335, s.height - 615, 1215, 375),
                                          QColor(0xFF, 0xFF, 0x00));
        const QString target = QString::fromLatin1(s.backTarget);
        QObject::connect(back, &QPushButton::clicked, w, [&context, w, target] {
            if (!target.isEmpty())
                context.show(target);
            context.close(w->objectName());
        });
        pressOnEscape(back);
        return w;
    }
    return nullptr;
}

} // namespace app

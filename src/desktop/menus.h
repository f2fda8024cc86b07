// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace app {

class Context;

// The main menu `frminizio`: five range buttons, "Decimali" and the exit button.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    explicit MainMenu(Context& context);
};

// The decimals choice window `frmscelta`: the two decimal windows and the cases menu.
class DecimalsChoice : public QWidget {
    Q_OBJECT
public:
    explicit DecimalsChoice(Context& context);
};

// The division-cases menu `frminizio2`: five case buttons and the back button.
class CasesMenu : public QWidget {
    Q_OBJECT
public:
    explicit CasesMenu(Context& context);
};

} // namespace app

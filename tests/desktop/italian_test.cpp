// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs speak Italian whatever the system language: the tests run under C.UTF-8.
#include "desktop/apptest.h"

#include "desktop/print/printdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace apptest;

namespace {

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QStringList buttonTexts(QWidget* dialog)
{
    QStringList texts;
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons) {
        if (b->isVisible() && !b->text().isEmpty())
            texts << plain(b->text());
    }
    texts.sort();
    return texts;
}

QString labelText(QWidget* dialog, const char* name)
{
    auto* l = dialog->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? plain(l->text()) : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

// Runs the handler on the next modal dialog that opens, from inside its event loop.
void onNextModal(std::function<void(QWidget*)> handler, QWidget* previous = nullptr)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, timer, [=]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != previous) {
            timer->deleteLater();
            timer->stop();
            handler(modal);
        } else if (++ticks > 300) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no modal dialog opened";
        }
    });
    timer->start();
}

class Italian : public AppTest {};

TEST_F(Italian, StandardButtonsOfMessageBoxes)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stampa"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    box.show();
    EXPECT_EQ(buttonTexts(&box), QStringList({"Annulla", "No", "OK", "Sì"}));
}

// The way a user meets them: no printer, so the print job offers a PDF file instead.
TEST_F(Italian, SavingTheWorksheetAsPdf)
{
    click("frminizio", "cmd999");
    settle();
    click("frm4op999", "cmdsot");
    click("frm4op999", "cmdstampa");
    settle();
    auto* dialog = qobject_cast<print::PrintDialog*>(window("frmstampa"));
    ASSERT_NE(dialog, nullptr);
    dialog->environment().printerMissing = [] { return true; };

    bool askedForFile = false;
    onNextModal([&](QWidget* question) {
        auto* box = qobject_cast<QMessageBox*>(question);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(buttonTexts(box), QStringList({"Annulla", "Salva come PDF"}));
        onNextModal(
            [&](QWidget* modal) {
                auto* files = qobject_cast<QFileDialog*>(modal);
                ASSERT_NE(files, nullptr);
                askedForFile = true;
                EXPECT_EQ(files->windowTitle(), "Salva la scheda");
                EXPECT_EQ(labelText(files, "lookInLabel"), "Cerca in:");
                EXPECT_EQ(labelText(files, "fileNameLabel"), "Nome del file:");
                EXPECT_EQ(labelText(files, "fileTypeLabel"), "File di tipo:");
                auto* buttons = files->findChild<QDialogButtonBox*>("buttonBox");
                ASSERT_NE(buttons, nullptr);
                EXPECT_EQ(plain(buttons->button(QDialogButtonBox::Cancel)->text()), "Annulla");
                EXPECT_EQ(plain(files->labelText(QFileDialog::Accept)), "Salva");
                files->reject();
            },
            box);
        for (QAbstractButton* b : box->buttons()) {
            if (plain(b->text()) == QLatin1String("Salva come PDF"))
                b->click();
        }
    });
    click("frmstampa", "opt10");
    click("frmstampa", "optc1");
    click("frmstampa", "cmdok");
    settle();
    EXPECT_TRUE(askedForFile);
}

} // namespace

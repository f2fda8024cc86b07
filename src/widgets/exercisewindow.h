// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/generation.h"

#include <functional>
#include <optional>

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace app {

class Context;

// What tells the exercise windows apart: captions, colours and positions (in twips), and
// the few behaviours that differ between the integer, decimal and case windows.
struct ExerciseWindowData {
    QString caption;
    QString rangeCode;
    QString icon;      // resource of the window's own icon
    int width = 11055; // inner size
    int height = 5655;
    QColor windowColour;
    QRect list; // left, top, width, height in twips
    QColor listColour;
    QRect copyField;
    QColor copyFieldColour;
    QColor copyFieldTextColour; // the system's text colour when not set
    QRect okButton;
    QString okCaption = QStringLiteral("&OK");
    QString okTooltip = QStringLiteral("Nasconde la finestra per la copia");
    QColor okColour = QColor(0xFF, 0xFF, 0x00);
    QRect viewButton = QRect(8520, 4800, 735, 735);
    QRect printButton = QRect(9360, 4800, 735, 735);
    QRect backButton = QRect(10200, 4800, 735, 735);
    QColor pictureButtonColour = QColor(0xFF, 0xFF, 0x00);
    QString backName = QStringLiteral("cmdfine");
    QString backTooltip = QStringLiteral("Indietro");
    QString backTarget = QStringLiteral("frminizio");
    QString printTooltip = QStringLiteral("Stampa 40 operazioni del tipo selezionato");
    bool hasKindField = true;              // `txtop`; the case windows have none
    bool clearsRangeOnBack = true;         // the case windows keep their fields
    bool hideUntilFirstGeneration = false; // case windows: copy and print buttons hidden

    // The fields every integer and decimal window sets: the main icon, and a copy field
    // coloured like the list.
    static ExerciseWindowData exercise(const char* caption, const char* rangeCode,
                                       const QColor& windowColour, const QRect& list,
                                       const QColor& listColour, const QRect& copyField)
    {
        ExerciseWindowData d;
        d.caption = QString::fromUtf8(caption);
        d.rangeCode = QString::fromLatin1(rangeCode);
        d.icon = QStringLiteral(":/icons/main.svg");
        d.windowColour = windowColour;
        d.list = list;
        d.listColour = listColour;
        d.copyField = copyField;
        d.copyFieldColour = listColour;
        return d;
    }
};

// A generator button without caption, with one or two labels on its row: the first
// bold, a second one ("al divisore", …) italic beside it.
struct GeneratorButton {
    QString name;
    QString kind;
    QString label;
    QString secondLabel;
    QRect button; // twips
    int labelLeft = 0;
    QColor colour;
};

// One design for every exercise window: the list, the copy field, the picture buttons,
// the hidden range and kind fields and the common generation frame.
class ExerciseWindow : public QWidget {
    Q_OBJECT
public:
    ExerciseWindow(Context& context, const ExerciseWindowData& data);

    QString currentKind() const { return m_kind; }
    QString lastLine() const { return m_lastLine; }

protected:
    using RecipeMaker = std::function<std::optional<core::Recipe>()>;
    // Adds a generator button whose click runs the generation frame with its recipe.
    void addGenerator(const GeneratorButton& generator, RecipeMaker recipe);

    // The common generation frame: sets the kind code, makes printing possible, empties
    // the list and the copy field, reseeds the random sequence once and fills both with
    // the recipe's ten lines.
    void generate(const QString& kind, const core::Recipe& recipe);

    Context& context() { return m_context; }
    const ExerciseWindowData& data() const { return m_data; }

private:
    void printHandshake();
    void goBack();

    Context& m_context;
    ExerciseWindowData m_data;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_copyField = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_view = nullptr;
    QPushButton* m_print = nullptr;
    QLineEdit* m_rangeField = nullptr;
    QLineEdit* m_kindField = nullptr;
    QString m_kind;
    int m_accepted = 0;
    int m_row = -1;
    QString m_lastLine;
};

} // namespace app

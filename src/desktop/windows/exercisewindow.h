// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"
#include "engine/rules/generatorrow.h"
#include "engine/rules/options.h"

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace widgets {

class WindowHost;

// The geometry every exercise window shares, in twips.
namespace geometry {
// A generator button: captionless, one per row; the integer windows step their rows by
// 480, the decimal windows by 600.
inline constexpr int GeneratorWidth = 375;
inline constexpr int GeneratorHeight = 255;
inline constexpr int IntegerRowStep = 480;
inline constexpr int DecimalRowStep = 600;
// The labels of a button's row: the row's height, the room kept free at the window's right
// edge, the gap before a second label, and the height of a long label wrapped in two lines.
inline constexpr int LabelRowHeight = 345;
inline constexpr int LabelRightMargin = 60;
inline constexpr int SecondLabelGap = 90;
inline constexpr int WrappedLabelHeight = 600;
// The hidden fields `txt` and `txtop`, side by side near the bottom-right corner: each
// field's left edge is this far from the window's right edge.
inline constexpr int HiddenFieldWidth = 480;
inline constexpr int HiddenFieldHeight = 285;
inline constexpr int HiddenFieldsAboveBottom = 360;
inline constexpr int RangeFieldFromRight = 1200;
inline constexpr int KindFieldFromRight = 600;
// Integer and decimal windows: the OK button just below the copy field, as wide as it,
// and the two pictures above the copy field and above the list, this far from the edges.
inline constexpr int OkLeft = 120;
inline constexpr int OkTop = 5160;
inline constexpr int OkHeight = 375;
inline constexpr int PictureMargin = 240;
inline constexpr int PictureTop = 120;
} // namespace geometry

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

    // The fields every integer and decimal window sets: the main icon, a copy field
    // coloured like the list and the OK button below it.
    static ExerciseWindowData exercise(const char* caption, std::string_view rangeCode,
                                       const QColor& windowColour, const QRect& list,
                                       const QColor& listColour, const QRect& copyField)
    {
        ExerciseWindowData d;
        d.caption = QString::fromUtf8(caption);
        d.rangeCode = QString::fromLatin1(rangeCode.data(), qsizetype(rangeCode.size()));
        d.icon = QStringLiteral(":/icons/main.svg");
        d.windowColour = windowColour;
        d.list = list;
        d.listColour = listColour;
        d.copyField = copyField;
        d.copyFieldColour = listColour;
        d.okButton =
            QRect(geometry::OkLeft, geometry::OkTop, copyField.width(), geometry::OkHeight);
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
    ExerciseWindow(WindowHost& host, const ExerciseWindowData& data);

    QString currentKind() const { return m_kind; }
    QString lastLine() const { return m_lastLine; }

    // What the hidden fields hold now: the range code the print handshake wrote into `txt`
    // (emptied by the back button and by another window's handshake), and the kind code in
    // `txtop` (empty without one).
    QString rangeField() const;
    QString kindField() const;

    // The options its controls show now, read by its rules at every attempt and by the print
    // job: the level chosen in "Difficoltà" ("Qualsiasi": none).
    virtual core::GeneratorOptions generatorOptions() const { return levels(); }

protected:
    using RecipeMaker = std::function<std::optional<core::Recipe>()>;
    // Adds a generator button whose click runs the generation frame with its recipe.
    void addGenerator(const GeneratorButton& generator, RecipeMaker recipe);

    // Adds a window's button table as a column of generator buttons, `rowStep` twips apart
    // from (left, top), in one colour; `recipeOf(kind)` makes the rule a click runs.
    using RecipeOf = std::function<std::optional<core::Recipe>(std::string_view kind)>;
    void addGeneratorColumn(std::span<const core::GeneratorRow> rows, int left, int top,
                            int rowStep, int labelLeft, const QColor& colour,
                            const RecipeOf& recipeOf);

    // The common generation frame: sets the kind code, makes printing possible, empties
    // the list and the copy field, reseeds the random sequence once and fills both with
    // the recipe's ten lines.
    void generate(const QString& kind, const core::Recipe& recipe);

    // The integer and decimal windows' two pictures: the first above the copy field, the
    // second above the list.
    void addPictures(const QString& firstName, const QString& firstResource,
                     const QString& secondName, const QString& secondResource);

    const ExerciseWindowData& data() const { return m_data; }
    QPushButton* okButton() const { return m_ok; }

    // The drop-down `cbodifficolta` captioned "Difficoltà" (`lbldifficolta` at `caption`, the
    // list at `box`), with "Qualsiasi" and the levels that the window's kinds have, and the
    // note `lblnodifficolta` at `note` that tells why a click does nothing. Made last, so it
    // comes last in the tab order. Every place is in twips.
    void addDifficulty(const QRect& caption, const QRect& box, const QRect& note);
    core::GeneratorOptions levels() const;
    // The rule of `kind` with the window's options read at every attempt.
    std::optional<core::Recipe> windowRecipe(std::string_view kind);
    // True when a click of `kind` may make its lines with the chosen level; otherwise the
    // note says why and the list keeps its lines.
    bool levelAllowed(const QString& kind);

    // Under the list: the drop-down's caption, the drop-down, then its note, down to the
    // window's foot.
    void addDifficultyUnderList();

private:
    void printHandshake();
    void goBack();

    WindowHost& m_host;
    ExerciseWindowData m_data;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_copyField = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_view = nullptr;
    QPushButton* m_print = nullptr;
    QLineEdit* m_rangeField = nullptr;
    QLineEdit* m_kindField = nullptr;
    QString m_kind;
    QComboBox* m_difficulty = nullptr;
    QLabel* m_difficultyNote = nullptr;
    // What each entry of the drop-down sets, after "Qualsiasi".
    std::vector<core::GeneratorOptions> m_levels;
    int m_row = -1;
    QString m_lastLine;
};

} // namespace widgets

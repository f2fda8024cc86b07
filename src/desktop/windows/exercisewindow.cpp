// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windows/exercisewindow.h"

#include "desktop/windows/ui.h"
#include "desktop/windows/windowhost.h"
#include "engine/catalog/options.h"
#include "engine/rules/windowrules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace widgets {

namespace {

QRect px(const QRect& t)
{
    return twipsRect(t.x(), t.y(), t.width(), t.height());
}

} // namespace

ExerciseWindow::ExerciseWindow(WindowHost& host, const ExerciseWindowData& data)
    : m_host(host), m_data(data)
{
    setWindowTitle(data.caption);
    setWindowIcon(QIcon(data.icon));
    setFixedSize(twips(data.width), twips(data.height));
    setBackColour(this, data.windowColour);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(px(data.list));
    m_list->setFont(makeFont(MsSansSerif, 12));
    setBackColour(m_list, data.listColour);
    setTextColour(m_list, QColor(0x00, 0x00, 0xC0));

    m_copyField = new QPlainTextEdit(this);
    m_copyField->setObjectName(QStringLiteral("txtris"));
    m_copyField->setGeometry(px(data.copyField));
    m_copyField->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setBackColour(m_copyField, data.copyFieldColour);
    if (data.copyFieldTextColour.isValid())
        setTextColour(m_copyField, data.copyFieldTextColour);
    m_copyField->hide();

    m_ok = captionButton(this, QStringLiteral("cmdok"), data.okCaption, px(data.okButton),
                         data.okColour);
    m_ok->setToolTip(data.okTooltip);
    m_ok->hide();
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_ok->hide();
        m_copyField->hide();
    });

    m_view = pictureButton(this, QStringLiteral("cmdvedi"), QStringLiteral(":/icons/eye.svg"),
                           QStringLiteral("Visualizza per copiare"), px(data.viewButton),
                           data.pictureButtonColour);
    connect(m_view, &QPushButton::clicked, this, [this] {
        m_copyField->show();
        m_ok->show();
    });

    m_print =
        pictureButton(this, QStringLiteral("cmdstampa"), QStringLiteral(":/icons/printer.svg"),
                      data.printTooltip, px(data.printButton), data.pictureButtonColour);
    if (data.printTooltip.isEmpty())
        m_print->setAccessibleName(QStringLiteral("Stampa"));
    connect(m_print, &QPushButton::clicked, this, &ExerciseWindow::printHandshake);

    if (data.hideUntilFirstGeneration) {
        m_view->hide();
        m_print->hide();
    } else {
        m_print->setEnabled(false);
    }

    QPushButton* back =
        pictureButton(this, data.backName, QStringLiteral(":/icons/back.svg"), data.backTooltip,
                      px(data.backButton), data.pictureButtonColour);
    connect(back, &QPushButton::clicked, this, &ExerciseWindow::goBack);
    pressOnEscape(back);

    // The hidden fields through which the print job finds this window and its kind.
    m_rangeField = new QLineEdit(this);
    m_rangeField->setObjectName(QStringLiteral("txt"));
    m_rangeField->setGeometry(px(QRect(data.width - geometry::RangeFieldFromRight,
                                       data.height - geometry::HiddenFieldsAboveBottom,
                                       geometry::HiddenFieldWidth, geometry::HiddenFieldHeight)));
    m_rangeField->hide();
    if (data.hasKindField) {
        m_kindField = new QLineEdit(this);
        m_kindField->setObjectName(QStringLiteral("txtop"));
        m_kindField->setGeometry(
            px(QRect(data.width - geometry::KindFieldFromRight,
                     data.height - geometry::HiddenFieldsAboveBottom, geometry::HiddenFieldWidth,
                     geometry::HiddenFieldHeight)));
        m_kindField->hide();
    }
}

void ExerciseWindow::addGeneratorColumn(std::span<const core::GeneratorRow> rows, int left, int top,
                                        int rowStep, int labelLeft, const QColor& colour,
                                        const RecipeOf& recipeOf)
{
    for (const core::GeneratorRow& g : rows) {
        const GeneratorButton button{
            text(g.button),
            text(g.kind),
            text(g.label),
            text(g.secondLabel),
            QRect(left, top, geometry::GeneratorWidth, geometry::GeneratorHeight),
            labelLeft,
            colour};
        addGenerator(button, [recipeOf, kind = std::string(g.kind)] { return recipeOf(kind); });
        top += rowStep;
    }
}

void ExerciseWindow::addGenerator(const GeneratorButton& g, RecipeMaker recipe)
{
    QPushButton* button = captionButton(this, g.name, QString(), px(g.button), g.colour);
    // Labels stand on the button's row, vertically centred on it; a single long label may
    // wrap up to the window's right edge.
    const int rowHeight = twips(geometry::LabelRowHeight);
    const int top = px(g.button).center().y() - rowHeight / 2;
    const int left = twips(g.labelLeft);
    QLabel* first =
        label(this, QStringLiteral("lbl") + g.name, g.label,
              QRect(left, top, width() - left - twips(geometry::LabelRightMargin), rowHeight),
              makeFont(MsSansSerif, 12, true));
    QString spoken = g.label;
    if (!g.secondLabel.isEmpty()) {
        first->adjustSize();
        first->setFixedHeight(rowHeight);
        QLabel* second = label(
            this, QStringLiteral("lbl2") + g.name, g.secondLabel,
            QRect(first->geometry().right() + twips(geometry::SecondLabelGap), top, 10, rowHeight),
            makeFont(MsSansSerif, 12, false, true));
        second->adjustSize();
        second->setFixedHeight(rowHeight);
        spoken += QLatin1Char(' ') + g.secondLabel;
    } else if (first->sizeHint().width() > first->width()) {
        first->setWordWrap(true);
        const int wrapped = twips(geometry::WrappedLabelHeight);
        first->setGeometry(left, px(g.button).center().y() - wrapped / 2, first->width(), wrapped);
    }
    // The button has no caption: screen readers announce its label instead.
    button->setAccessibleName(spoken);
    connect(button, &QPushButton::clicked, this, [this, kind = g.kind, recipe = std::move(recipe)] {
        if (!levelAllowed(kind))
            return;
        if (auto r = recipe())
            generate(kind, *r);
    });
}

void ExerciseWindow::addDifficulty(const QRect& caption, const QRect& box, const QRect& note)
{
    m_difficulty = new QComboBox(this);
    m_difficulty->setObjectName(QStringLiteral("cbodifficolta"));
    m_difficulty->setGeometry(px(box));
    m_difficulty->setFont(makeFont(MsSansSerif, 9.75));
    m_difficulty->addItem(QStringLiteral("Qualsiasi"));
    const std::string range = m_data.rangeCode.toStdString();
    for (const catalog::GeneratorOption& option : catalog::generatorOptions()) {
        if (!option.level)
            continue;
        for (const catalog::OptionValue& value : option.values) {
            if (value.value.empty())
                continue;
            bool some = false;
            for (const catalog::Generator* g : catalog::generatorsOf(range))
                some = some || option.offered(*g, value.code);
            if (!some)
                continue;
            core::GeneratorOptions level;
            option.set(level, value.code);
            m_levels.push_back(level);
            m_difficulty->addItem(text(value.caption));
        }
    }
    QLabel* name = label(this, QStringLiteral("lbldifficolta"), QStringLiteral("&Difficoltà"),
                         px(caption), makeFont(MsSansSerif, 9.75, true));
    name->setBuddy(m_difficulty);
    m_difficultyNote = label(this, QStringLiteral("lblnodifficolta"), QString(), px(note),
                             makeFont(MsSansSerif, 8.25));
    m_difficultyNote->setWordWrap(true);
    m_difficultyNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_difficulty, &QComboBox::currentIndexChanged, m_difficultyNote, &QLabel::clear);
}

void ExerciseWindow::addDifficultyUnderList()
{
    const QRect& list = m_data.list;
    const int below = list.y() + list.height();
    const int noteTop = below + 735;
    addDifficulty(QRect(list.x(), below + 90, list.width(), 255),
                  QRect(list.x(), below + 345, list.width(), 345),
                  QRect(list.x(), noteTop, list.width(), m_data.height - noteTop - 60));
}

core::GeneratorOptions ExerciseWindow::levels() const
{
    const int index = m_difficulty ? m_difficulty->currentIndex() : 0;
    return index >= 1 && index <= int(m_levels.size()) ? m_levels[std::size_t(index - 1)]
                                                       : core::GeneratorOptions{};
}

std::optional<core::Recipe> ExerciseWindow::windowRecipe(std::string_view kind)
{
    const core::WindowEntry* window = core::windowOfRange(m_data.rangeCode.toStdString());
    if (!window)
        return std::nullopt;
    return core::windowRecipe(
        *window, kind, [this] { return generatorOptions(); }, core::ClosingScreen);
}

bool ExerciseWindow::levelAllowed(const QString& kind)
{
    if (!m_difficultyNote)
        return true;
    const std::string range = m_data.rangeCode.toStdString();
    for (const catalog::Generator* g : catalog::generatorsOf(range)) {
        if (g->kind != kind.toStdString())
            continue;
        const std::string why = catalog::levelNotOffered(*g, generatorOptions());
        m_difficultyNote->setText(QString::fromStdString(why));
        return why.empty();
    }
    return true;
}

void ExerciseWindow::generate(const QString& kind, const core::Recipe& recipe)
{
    m_kind = kind;
    if (m_data.hideUntilFirstGeneration) {
        m_view->show();
        m_print->show();
    } else {
        m_print->setEnabled(true);
    }
    m_copyField->clear();
    m_list->clear();
    m_host.random().reseed();
    m_row = -1;
    std::string copyText;
    core::runRecipe(recipe, m_host.random(), [&](const core::Operation& operation) {
        const std::string line = core::lineOf(operation);
        ++m_row;
        m_lastLine = QString::fromStdString(line);
        copyText += line;
        m_list->insertItem(m_row, m_lastLine);
    });
    m_copyField->setPlainText(QString::fromStdString(copyText));
}

void ExerciseWindow::printHandshake()
{
    // The print job is to find this window alone: another one may still hold its code from
    // a handshake whose dialog was cancelled, and would then print its own worksheet.
    for (QWidget* w : m_host.loadedWindows())
        if (auto* other = qobject_cast<ExerciseWindow*>(w); other && other != this)
            other->m_rangeField->clear();
    if (m_kindField)
        m_kindField->setText(m_kind);
    m_rangeField->setText(m_data.rangeCode);
    m_host.show(QStringLiteral("frmstampa"));
}

void ExerciseWindow::goBack()
{
    if (m_data.clearsRangeOnBack)
        m_rangeField->clear();
    m_host.show(m_data.backTarget);
    m_host.close(objectName());
}

QString ExerciseWindow::rangeField() const
{
    return m_rangeField->text();
}

QString ExerciseWindow::kindField() const
{
    return m_kindField ? m_kindField->text() : QString();
}

void ExerciseWindow::addPictures(const QString& firstName, const QString& firstResource,
                                 const QString& secondName, const QString& secondResource)
{
    using namespace geometry;
    const QRect& copy = m_data.copyField;
    const QRect& list = m_data.list;
    picture(this, firstName, firstResource,
            twipsRect(PictureMargin, PictureMargin, copy.width() - PictureMargin,
                      copy.y() - 2 * PictureMargin));
    picture(this, secondName, secondResource,
            twipsRect(list.x(), PictureTop, list.width(), list.y() - 2 * PictureTop));
}

} // namespace widgets

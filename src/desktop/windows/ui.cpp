// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windows/ui.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

// Paints an SVG resource at the widget's size, sharp at any device pixel ratio.
class SvgPicture : public QWidget {
public:
    SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), m_renderer(resource)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QSizeF size = m_renderer.defaultSize();
        size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
        const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2,
                            size.width(), size.height());
        m_renderer.render(&painter, target);
    }

private:
    QSvgRenderer m_renderer;
};

// A push button drawn as one flat fill of its back colour, as the windows specify it (the
// style's gradient would lighten it), with a thin border that tells its state: thicker on
// hover, in the highlight colour with the focus, dark and with the content shifted while
// pressed. Its caption wraps onto several lines, as the captions of the menu buttons need;
// text() keeps the caption. A picture is drawn centred at the icon size.
class FlatButton : public QPushButton {
public:
    FlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
    {
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        const QColor back = palette().color(group, QPalette::Button);
        painter.fillRect(rect(), back);

        QColor edge = back.darker(170);
        int width = 1;
        if (!isEnabled()) {
            edge = palette().color(QPalette::Disabled, QPalette::Mid);
        } else if (isDown()) {
            edge = back.darker(300);
            width = 2;
        } else if (hasFocus()) {
            edge = palette().color(QPalette::Active, QPalette::Highlight);
            width = 2;
        } else if (underMouse()) {
            width = 2;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(edge);
        const QRect r = rect();
        painter.drawRect(r.left(), r.top(), r.width(), width);
        painter.drawRect(r.left(), r.bottom() - width + 1, r.width(), width);
        painter.drawRect(r.left(), r.top(), width, r.height());
        painter.drawRect(r.right() - width + 1, r.top(), width, r.height());

        const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
        if (!icon().isNull()) {
            QRect area(QPoint(), iconSize());
            area.moveCenter(r.center() + shift);
            icon().paint(&painter, area, Qt::AlignCenter,
                         isEnabled() ? QIcon::Normal : QIcon::Disabled);
        }
        if (text().isEmpty())
            return;
        QStyleOptionButton option;
        initStyleOption(&option);
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
        const QRect area = r.adjusted(margin, margin, -margin, -margin).translated(shift);
        painter.setPen(palette().color(group, QPalette::ButtonText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    }
};

} // namespace

int twips(double value)
{
    return static_cast<int>(std::lround(value * logicalDpi() / 1440.0));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

void centre(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The native window must exist for the outer frame to be known.
    if (!window->testAttribute(Qt::WA_WState_Created))
        window->winId();
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    const double left = area.left() + (area.width() - outer.width()) / 2.0;
    const double top = area.top() + (area.height() - outer.height()) / 2.0;
    window->move(std::max(area.left(), static_cast<int>(std::floor(left))),
                 std::max(area.top(), static_cast<int>(std::floor(top))));
}

void setBackColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Button, colour);
    pal.setColor(QPalette::Base, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::ButtonText, colour);
    widget->setPalette(pal);
}

QFont makeFont(const char* family, double points, bool bold, bool italic)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QString::fromLatin1(ComicSans), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QString::fromLatin1(Arial), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QString::fromLatin1(MsSansSerif), QStringLiteral("Liberation Sans"));
}

QPushButton* captionButton(QWidget* parent, const QString& name, const QString& caption,
                           const QRect& geometry, const QColor& colour)
{
    auto* button = new FlatButton(caption, parent);
    button->setObjectName(name);
    // Enter presses the focused button, as Space does; outside a dialog only an automatic
    // default button takes it.
    button->setAutoDefault(true);
    button->setGeometry(geometry);
    setBackColour(button, colour);
    return button;
}

QPushButton* pictureButton(QWidget* parent, const QString& name, const QString& picture,
                           const QString& tooltip, const QRect& geometry, const QColor& colour)
{
    auto* button = captionButton(parent, name, QString(), geometry, colour);
    button->setIcon(QIcon(picture));
    const int side = std::min(geometry.width(), geometry.height()) * 3 / 4;
    button->setIconSize(QSize(side, side));
    if (!tooltip.isEmpty()) {
        button->setToolTip(tooltip);
        button->setAccessibleName(tooltip);
    }
    return button;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
              const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFont(font);
    return l;
}

QWidget* picture(QWidget* parent, const QString& name, const QString& resource,
                 const QRect& geometry)
{
    auto* p = new SvgPicture(resource, parent);
    p->setObjectName(name);
    p->setGeometry(geometry);
    return p;
}

void pressOnEscape(QAbstractButton* button)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
}

} // namespace widgets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

// Small helpers shared by every window: geometry in twips, colours, fonts and the
// button kinds of the program.
namespace widgets {

// A text of the pure layers (UTF-8) for a widget.
inline QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// Twips (1/1440 inch) to device-independent pixels at the screen's logical resolution.
int twips(double value);
QRect twipsRect(int left, int top, int width, int height);

// Places the widget's outer frame at the centre of its screen. A window larger than the
// screen is kept at the screen's top-left so that its title bar stays reachable.
void centre(QWidget* window);

// Back colour: the window (or control) fills its background with it.
void setBackColour(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

// The three font families the windows ask for; the start-up maps them to installed
// look-alikes.
inline constexpr const char* ComicSans = "Comic Sans MS";
inline constexpr const char* Arial = "Arial";
inline constexpr const char* MsSansSerif = "MS Sans Serif";
QFont makeFont(const char* family, double points, bool bold = false, bool italic = false);

// Maps the three families to Comic Neue and Liberation Sans.
void installFontSubstitutions();

// A push button with a caption, placed in twips, drawn flat in its back colour. Enter and
// Space press it while it has the focus.
QPushButton* captionButton(QWidget* parent, const QString& name, const QString& caption,
                           const QRect& geometry, const QColor& colour);

// A coloured push button showing a picture (an SVG resource) scaled to the button, with a
// tooltip that also names it for screen readers.
QPushButton* pictureButton(QWidget* parent, const QString& name, const QString& picture,
                           const QString& tooltip, const QRect& geometry, const QColor& colour);

// A label placed in twips.
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
              const QFont& font);

// A decorative SVG picture that reacts to nothing.
QWidget* picture(QWidget* parent, const QString& name, const QString& resource,
                 const QRect& geometry);

// Makes Esc press the button while its window is active.
void pressOnEscape(QAbstractButton* button);

} // namespace widgets

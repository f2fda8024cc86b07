// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printerbackend.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace print {

namespace {

constexpr double ZoneCharacters = 14.0;

class LinePrinter {
public:
    LinePrinter(QPagedPaintDevice& device, QPainter& painter)
        : m_device(device), m_painter(painter), m_font(initialPrinterFont())
    {
        m_painter.setFont(QFont(m_font, &m_device));
    }

    bool run(const std::vector<Statement>& statements)
    {
        for (const Statement& s : statements) {
            switch (s.kind) {
            case Statement::Kind::Item:
                if (!item(QString::fromStdString(s.text), s.after))
                    return false;
                break;
            case Statement::Kind::FontName:
                m_font.setFamily(QString::fromStdString(s.text));
                m_painter.setFont(QFont(m_font, &m_device));
                break;
            case Statement::Kind::FontSize:
                m_font.setPointSize(s.points);
                m_painter.setFont(QFont(m_font, &m_device));
                break;
            case Statement::Kind::NewPage:
                m_pagePending = true;
                break;
            case Statement::Kind::MoveTo:
                moveTo(s.fraction);
                break;
            case Statement::Kind::FitFontSize:
                m_font.setPointSize(fittingSize(s));
                m_painter.setFont(QFont(m_font, &m_device));
                break;
            case Statement::Kind::EndDocument:
                return true;
            }
        }
        return true;
    }

private:
    QFontMetricsF metrics() const { return QFontMetricsF(m_font, &m_device); }

    bool startSheet()
    {
        if (!m_device.newPage())
            return false;
        m_x = 0;
        m_y = 0;
        return true;
    }

    bool item(const QString& text, Separator after)
    {
        if (m_pagePending) {
            m_pagePending = false;
            if (!startSheet())
                return false;
        }
        const QFontMetricsF fm = metrics();
        if (!ensureRoom(fm))
            return false;
        // Whatever would pass the right edge continues on the following lines.
        QString rest = text;
        while (!rest.isEmpty()) {
            const qsizetype fits = fittingLength(fm, rest);
            if (fits == 0) {
                // Not even one word fits after what the line already holds.
                lineFeed(fm);
            } else {
                m_painter.drawText(QPointF(m_x, m_y + fm.ascent()), rest.left(fits));
                m_x += fm.horizontalAdvance(rest.left(fits));
                // The blanks the line was broken at are not carried over.
                qsizetype next = fits;
                while (next < rest.size() && rest[next] == QLatin1Char(' '))
                    ++next;
                rest = rest.mid(next);
                if (rest.isEmpty())
                    break;
                lineFeed(fm);
            }
            if (!ensureRoom(fm))
                return false;
        }
        switch (after) {
        case Separator::None:
            break;
        case Separator::Zone:
        case Separator::LabelZone: {
            const double zone = ZoneCharacters * fm.averageCharWidth();
            double next = (std::floor(m_x / zone + 1e-9) + 1.0) * zone;
            if (after == Separator::LabelZone && m_x < LabelZone * zone - 1e-9)
                next = LabelZone * zone;
            if (next >= m_device.width())
                lineFeed(fm);
            else
                m_x = next;
            break;
        }
        case Separator::EndOfLine:
            lineFeed(fm);
            break;
        }
        return true;
    }

    // How many characters of `text` fit between the position and the right edge: all of
    // it, or up to the last blank that leaves a fitting part; on an empty line a word wider
    // than the line is cut after its last fitting character (at least one). Zero when the
    // line already holds something and not even the first word fits after it.
    qsizetype fittingLength(const QFontMetricsF& fm, const QString& text) const
    {
        const double room = m_device.width() - m_x + 1e-6;
        if (fm.horizontalAdvance(text) <= room)
            return text.size();
        // Scanning from the front keeps a very long item from being measured whole again
        // for every break.
        qsizetype atBlank = 0;
        for (qsizetype i = text.indexOf(QLatin1Char(' '), 1); i > 0;
             i = text.indexOf(QLatin1Char(' '), i + 1)) {
            const QString part = text.left(i);
            if (fm.horizontalAdvance(part) > room)
                break;
            if (!part.trimmed().isEmpty())
                atBlank = i;
        }
        if (atBlank > 0 || m_x > 0)
            return atBlank;
        qsizetype fits = 1;
        while (fits < text.size() && fm.horizontalAdvance(text.left(fits + 1)) <= room)
            ++fits;
        // A character outside the basic plane is never split in two.
        if (fits < text.size() && text[fits].isLowSurrogate())
            fits += fits > 1 ? -1 : 1;
        return fits;
    }

    // A line that does not fit goes on to the next sheet, at the same position; a sheet too
    // short for even one line takes it anyway.
    bool ensureRoom(const QFontMetricsF& fm)
    {
        if (m_y > 0 && m_y + fm.height() > m_device.height()) {
            const double x = m_x;
            if (!startSheet())
                return false;
            m_x = x;
        }
        return true;
    }

    void moveTo(double fraction)
    {
        const double target = fraction * m_device.width();
        if (m_x >= target - 1e-9)
            lineFeed(metrics());
        m_x = target;
    }

    int fittingSize(const Statement& s) const
    {
        QFont font = m_font;
        const double room = s.fraction * m_device.width() + 1e-6;
        for (int points = s.points; points > s.smallestPoints; --points) {
            font.setPointSize(points);
            const QFontMetricsF fm(font, &m_device);
            const bool fits =
                std::all_of(s.lines.begin(), s.lines.end(), [&](const std::string& l) {
                    return fm.horizontalAdvance(QString::fromStdString(l)) <= room;
                });
            if (fits)
                return points;
        }
        return s.smallestPoints;
    }

    void lineFeed(const QFontMetricsF& fm)
    {
        m_x = 0;
        m_y += fm.lineSpacing();
    }

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    bool m_pagePending = false;
};

} // namespace

QFont initialPrinterFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return font;
}

bool printStatements(const std::vector<Statement>& statements, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    LinePrinter printer(device, painter);
    const bool ok = printer.run(statements);
    return painter.end() && ok;
}

} // namespace print

// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printerbackend.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

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
        // A line that does not fit goes on to the next sheet; a sheet too short for even
        // one line takes it anyway.
        if (m_y > 0 && m_y + fm.height() > m_device.height()) {
            const double x = m_x;
            if (!startSheet())
                return false;
            m_x = x;
        }
        if (!text.isEmpty()) {
            m_painter.drawText(QPointF(m_x, m_y + fm.ascent()), text);
            m_x += fm.horizontalAdvance(text);
        }
        switch (after) {
        case Separator::None:
            break;
        case Separator::Zone: {
            const double zone = ZoneCharacters * fm.averageCharWidth();
            const double next = (std::floor(m_x / zone + 1e-9) + 1.0) * zone;
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

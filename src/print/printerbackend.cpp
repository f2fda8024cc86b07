// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printerbackend.h"

#include "print/textmodel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

namespace print {

namespace {

QFont deviceFont(const FontChoice& choice, QPaintDevice& device)
{
    QFont font(QString::fromStdString(choice.family));
    font.setPointSize(choice.points);
    return QFont(font, &device);
}

// Measures with the fonts as the device resolves them, so that what the model places is
// what the painter draws.
class DeviceMeasure : public TextMeasure {
public:
    explicit DeviceMeasure(QPaintDevice& device) : m_device(device) {}

    double width(const FontChoice& font, std::string_view text) const override
    {
        return metricsOf(font).horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

    FontMetrics metrics(const FontChoice& font) const override
    {
        const QFontMetricsF& fm = metricsOf(font);
        return {fm.averageCharWidth(), fm.ascent(), fm.height(), fm.lineSpacing()};
    }

private:
    // A sheet uses a handful of fonts: the last few looked up are kept.
    const QFontMetricsF& metricsOf(const FontChoice& font) const
    {
        for (const auto& [choice, fm] : m_known)
            if (choice == font)
                return *fm;
        m_known.emplace_back(
            font, std::make_unique<QFontMetricsF>(deviceFont(font, m_device), &m_device));
        return *m_known.back().second;
    }

    QPaintDevice& m_device;
    mutable std::vector<std::pair<FontChoice, std::unique_ptr<QFontMetricsF>>> m_known;
};

// Draws pieces of text shaped once each: every copy of a job repeats the same pieces, and
// shaping them again for every copy would cost most of a long job's time.
class ShapedText {
public:
    explicit ShapedText(QPaintDevice& device) : m_device(device) {}

    void draw(QPainter& painter, const PlacedText& text)
    {
        if (m_current < 0 || !(m_fonts[m_current] == text.font)) {
            m_current = m_fonts.indexOf(text.font);
            if (m_current < 0) {
                m_current = m_fonts.size();
                m_fonts.append(text.font);
            }
            m_font = deviceFont(text.font, m_device);
        }
        const QString content = QString::fromStdString(text.text);
        auto found = m_shaped.constFind({m_current, content});
        if (found == m_shaped.constEnd())
            found = m_shaped.insert({m_current, content}, shape(content));
        for (const QGlyphRun& run : found->runs)
            painter.drawGlyphRun(QPointF(text.x, text.baseline - found->ascent), run);
    }

private:
    struct Shaped {
        QList<QGlyphRun> runs;
        qreal ascent = 0;
    };

    Shaped shape(const QString& content) const
    {
        QTextLayout layout(content, m_font, &m_device);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        // One line, however wide: the text model has broken the text already.
        line.setLineWidth(1e6);
        layout.endLayout();
        return {layout.glyphRuns(), line.ascent()};
    }

    QPaintDevice& m_device;
    QList<FontChoice> m_fonts; // every font the job has used; pieces are told apart by font
    qsizetype m_current = -1;
    QFont m_font;
    QHash<std::pair<qsizetype, QString>, Shaped> m_shaped;
};

} // namespace

bool printStatements(const std::vector<Statement>& statements, QPagedPaintDevice& device)
{
    const DeviceMeasure measure(device);
    const PlacedSheets placed =
        placeStatements(statements, {double(device.width()), double(device.height())}, measure);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    int sheet = 0;
    auto reachSheet = [&](int wanted) {
        for (; sheet < wanted; ++sheet)
            if (!device.newPage())
                return false;
        return true;
    };
    ShapedText shaped(device);
    const QPen writingLine(Qt::black, WritingLinePoints * device.logicalDpiY() / 72.0);
    std::size_t text = 0;
    std::size_t rule = 0;
    bool ok = true;
    // Sheet by sheet, in the order the device takes them.
    while (ok && (text < placed.texts.size() || rule < placed.rules.size())) {
        const int next = std::min(text < placed.texts.size() ? placed.texts[text].sheet : INT_MAX,
                                  rule < placed.rules.size() ? placed.rules[rule].sheet : INT_MAX);
        if (!(ok = reachSheet(next)))
            break;
        for (; text < placed.texts.size() && placed.texts[text].sheet == next; ++text)
            shaped.draw(painter, placed.texts[text]);
        if (rule < placed.rules.size() && placed.rules[rule].sheet == next) {
            painter.save();
            painter.setPen(writingLine);
            for (; rule < placed.rules.size() && placed.rules[rule].sheet == next; ++rule) {
                const PlacedRule& r = placed.rules[rule];
                painter.drawLine(QPointF(r.x1, r.y), QPointF(r.x2, r.y));
            }
            painter.restore();
        }
    }
    ok = ok && reachSheet(placed.sheets - 1);
    return painter.end() && ok;
}

} // namespace print

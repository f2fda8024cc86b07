// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/printerbackend.h"

#include "engine/sheet/layout.h"
#include "engine/sheet/textmodel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

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
    // A job uses a handful of fonts: every one looked up is kept.
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
// shaping them again for every copy would cost most of a long job's time. Pieces are told
// apart by their text and by the key of their font, which the caller gives.
class ShapedText {
public:
    explicit ShapedText(QPaintDevice& device) : m_device(device) {}

    // `x` is the left end of the text and `baseline` its baseline.
    void draw(QPainter& painter, int fontKey, const QFont& font, const QString& text, double x,
              double baseline)
    {
        const Shaped& shaped = shapedOf(fontKey, font, text);
        for (const QGlyphRun& run : shaped.runs)
            painter.drawGlyphRun(QPointF(x, baseline - shaped.ascent), run);
    }

    double advance(int fontKey, const QFont& font, const QString& text)
    {
        return shapedOf(fontKey, font, text).advance;
    }

private:
    struct Shaped {
        QList<QGlyphRun> runs;
        qreal ascent = 0;
        qreal advance = 0;
    };

    const Shaped& shapedOf(int fontKey, const QFont& font, const QString& text)
    {
        auto found = m_shaped.constFind({fontKey, text});
        if (found == m_shaped.constEnd())
            found = m_shaped.insert({fontKey, text}, shape(font, text));
        return *found;
    }

    Shaped shape(const QFont& font, const QString& text) const
    {
        QTextLayout layout(text, font, &m_device);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        // One line, however wide: the text model has broken the text already.
        line.setLineWidth(1e6);
        layout.endLayout();
        return {layout.glyphRuns(), line.ascent(), line.naturalTextWidth()};
    }

    QPaintDevice& m_device;
    QHash<std::pair<int, QString>, Shaped> m_shaped;
};

// Draws what the text model placed, sheet by sheet.
class SheetPainter {
public:
    SheetPainter(QPagedPaintDevice& device, QPainter& painter, double unitsPerMm)
        : m_device(device), m_painter(painter), m_perMm(unitsPerMm), m_shaped(device)
    {
    }

    void text(const PlacedText& text)
    {
        if (m_fontKey < 0 || !(m_fonts[m_fontKey] == text.font)) {
            m_fontKey = int(m_fonts.indexOf(text.font));
            if (m_fontKey < 0) {
                m_fontKey = int(m_fonts.size());
                m_fonts.append(text.font);
            }
            m_font = deviceFont(text.font, m_device);
        }
        m_shaped.draw(m_painter, m_fontKey, m_font, QString::fromStdString(text.text), text.x,
                      text.baseline);
    }

    void writingLine(const PlacedRule& rule)
    {
        m_painter.setPen(pen(Qt::black, WritingLinePoints));
        m_painter.drawLine(QPointF(rule.x1, rule.y), QPointF(rule.x2, rule.y));
    }

    void squares(const ColumnSheet& sheet)
    {
        const ColumnGrid& grid = sheet.grid;
        m_painter.setPen(
            pen(QColor(QString::fromLatin1(GridColour.data(), GridColour.size())), GridLinePoints));
        const double left = mm(grid.x), top = mm(grid.y);
        const double right = mm(grid.x + grid.columns * grid.square);
        const double bottom = mm(grid.y + grid.rows * grid.square);
        for (int c = 0; c <= grid.columns; ++c) {
            const double x = mm(grid.x + c * grid.square);
            m_painter.drawLine(QPointF(x, top), QPointF(x, bottom));
        }
        for (int r = 0; r <= grid.rows; ++r) {
            const double y = mm(grid.y + r * grid.square);
            m_painter.drawLine(QPointF(left, y), QPointF(right, y));
        }
        const QColor ink(QString::fromLatin1(InkColour.data(), InkColour.size()));
        for (const ColumnRule& rule : sheet.rules) {
            m_painter.setPen(
                pen(ink, rule.weight == RuleWeight::Dark ? DarkRulePoints : ThinRulePoints));
            m_painter.drawLine(QPointF(mm(rule.x1), mm(rule.y1)),
                               QPointF(mm(rule.x2), mm(rule.y2)));
        }
        m_painter.setPen(ink);
        for (const ColumnLabel& label : sheet.labels)
            centred(label.text, label.x, label.y, label.height);
        for (const ColumnGlyph& glyph : sheet.glyphs) {
            if (glyph.kind == GlyphKind::Comma)
                onBaseline(glyph.text, glyph.x, glyph.y, glyph.height);
            else
                centred(glyph.text, glyph.x, glyph.y, glyph.height);
        }
    }

private:
    double mm(double millimetres) const { return millimetres * m_perMm; }

    QPen pen(const QColor& colour, double points) const
    {
        QPen made(colour, points * m_device.logicalDpiY() / 72.0);
        made.setCapStyle(Qt::FlatCap);
        return made;
    }

    // The body font at the size whose digits stand `height` millimetres high.
    int digitFont(double height)
    {
        const auto key = qRound64(height * 1000);
        if (auto found = m_digitFonts.constFind(key); found != m_digitFonts.constEnd())
            return *found;
        const FontChoice reference{std::string(BodyFont), 100};
        QFont font = deviceFont(reference, m_device);
        const double digits =
            QFontMetricsF(font, &m_device).tightBoundingRect(QStringLiteral("0")).height();
        font.setPointSizeF(100.0 * mm(height) / digits);
        const int fontKey = GlyphFontKeys + int(m_glyphFonts.size());
        m_glyphFonts.append(font);
        m_digitFonts.insert(key, fontKey);
        return fontKey;
    }

    // Centred across on (x, y), with the digits' middle height at y.
    void centred(const std::string& text, double x, double y, double height)
    {
        onBaseline(text, x, y + height / 2, height);
    }

    // Centred across on x, its baseline at y.
    void onBaseline(const std::string& text, double x, double y, double height)
    {
        const int key = digitFont(height);
        const QFont& font = m_glyphFonts[key - GlyphFontKeys];
        const QString content = QString::fromStdString(text);
        const double width = m_shaped.advance(key, font, content);
        m_shaped.draw(m_painter, key, font, content, mm(x) - width / 2, mm(y));
    }

    // The fonts of the squares are keyed apart from the text model's.
    static constexpr int GlyphFontKeys = 1 << 20;

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    double m_perMm;
    ShapedText m_shaped;
    QList<FontChoice> m_fonts; // every font of the text model so far
    int m_fontKey = -1;
    QFont m_font;
    QList<QFont> m_glyphFonts;
    QHash<qint64, int> m_digitFonts; // digit height in µm -> font key
};

} // namespace

PlacedSheets placeOn(const std::vector<Statement>& statements, QPaintDevice& device)
{
    const DeviceMeasure measure(device);
    const double perMm = device.width() / double(device.widthMM());
    return placeStatements(statements, {double(device.width()), double(device.height()), perMm},
                           measure);
}

bool printStatements(const std::vector<Statement>& statements, QPagedPaintDevice& device,
                     CopySize* size)
{
    const PlacedSheets placed = placeOn(statements, device);
    if (size)
        *size = copySize(placed);
    const double perMm = device.width() / double(device.widthMM());
    // Operations that cannot stand on the sheet are not printed in part.
    if (!placed.problem.empty())
        return false;

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    SheetPainter sheets(device, painter, perMm);
    std::size_t text = 0;
    std::size_t rule = 0;
    std::size_t squared = 0;
    bool ok = true;
    // Sheet by sheet, in the order the device takes them.
    for (int sheet = 0; ok && sheet < placed.sheets; ++sheet) {
        if (sheet > 0 && !device.newPage()) {
            ok = false;
            break;
        }
        for (; squared < placed.columnSheets.size() && placed.columnSheets[squared].sheet == sheet;
             ++squared)
            sheets.squares(placed.columnSheets[squared].content);
        for (; text < placed.texts.size() && placed.texts[text].sheet == sheet; ++text)
            sheets.text(placed.texts[text]);
        for (; rule < placed.rules.size() && placed.rules[rule].sheet == sheet; ++rule)
            sheets.writingLine(placed.rules[rule]);
    }
    return painter.end() && ok;
}

} // namespace print

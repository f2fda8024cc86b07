// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <cmath>

namespace pdftext {

namespace {

QString run(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

std::vector<Word> words(const QString& pdf)
{
    const QString html = run({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        R"re((<page )|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Word> result;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (!match.captured(1).isEmpty()) {
            ++page;
            continue;
        }
        result.push_back({page, match.captured(2).toDouble(), match.captured(3).toDouble(),
                          match.captured(4).toDouble(),
                          QTextDocumentFragment::fromHtml(match.captured(6)).toPlainText(),
                          match.captured(5).toDouble()});
    }
    return result;
}

int pageCount(const QString& pdf)
{
    return int(
        run({QStringLiteral("-bbox"), pdf, QStringLiteral("-")}).count(QStringLiteral("<page ")));
}

QStringList pageLines(const QString& pdf, int page)
{
    const QString text =
        run({QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

std::vector<Word> lineAt(const std::vector<Word>& all, int page, double y)
{
    std::vector<Word> line;
    for (const Word& w : all)
        if (w.page == page && std::abs(w.y - y) < 1.0)
            line.push_back(w);
    return line;
}

} // namespace pdftext

#include "lists/copied_rows.h"

#include "lists/delimited_writer.h"

namespace jubilo {

QString tabSeparatedRows(std::span<const PlanRow> rows)
{
    QByteArray text;
    for (const PlanRow& row : rows)
        text += delimitedLine(row, '\t');
    return QString::fromUtf8(text);
}

namespace {

QString htmlCell(const QString& text)
{
    QString cell = text.toHtmlEscaped();
    cell.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    cell.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    cell.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    return QStringLiteral("<td>") + cell + QStringLiteral("</td>");
}

}  // namespace

// The charset is named so that a program reading the bytes without being
// told keeps accents and other scripts.
QString htmlTableOfRows(std::span<const PlanRow> rows)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>\n");
    for (const PlanRow& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& text : row)
            html += htmlCell(text);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table></body></html>\n");
}

}  // namespace jubilo

#pragma once
// PDF files read back with poppler-utils (pdfinfo, pdftotext, pdffonts,
// pdfimages), for tests of the PDFs the engine writes. A tool that fails
// fails the test, with its output.

#include "tests/support/external_tools.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace jubilo::testing {

// True when poppler-utils can be run; tests skip without them.
inline bool popplerInstalled() { return runProcess(QStringLiteral("pdfinfo"), {QStringLiteral("-v")}).started; }

// What the tool wrote; a failure to run it is a test failure.
inline QString pdfTool(const QString& program, const QStringList& arguments)
{
    const auto result = runProcess(program, arguments, 120'000);
    EXPECT_TRUE(result.succeeded()) << program.toStdString() << ": " << result.output.toStdString();
    return result.output;
}

// The text of pages first to last (0: to the end) as laid out on them.
inline QString pdfText(const QString& path, int first = 1, int last = 0)
{
    QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first)};
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    return pdfTool(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
}

// One field of pdfinfo's report ("Pages", "Page size"), trimmed.
inline QString pdfInfo(const QString& path, const char* field)
{
    const auto m = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(field)),
                                      QRegularExpression::MultilineOption)
                       .match(pdfTool(QStringLiteral("pdfinfo"), {path}));
    return m.captured(1).trimmed();
}

// pdffonts' rows, one per font (its two heading lines dropped).
inline QStringList pdfFonts(const QString& path)
{
    return pdfTool(QStringLiteral("pdffonts"), {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

// True when a pdffonts row says the font is embedded (the "emb" column).
inline bool fontEmbedded(const QString& row)
{
    static const QRegularExpression embedded(QStringLiteral("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"));
    return embedded.match(row).hasMatch();
}

// pdfimages' rows, one per image (its two heading lines dropped).
inline QStringList pdfImages(const QString& path)
{
    return pdfTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
        .split(u'\n', Qt::SkipEmptyParts)
        .mid(2);
}

// True when each string appears after the one before it; the first one
// missing or out of order is a test failure.
inline bool inOrder(const QString& text, const QStringList& strings)
{
    qsizetype at = 0;
    for (const QString& s : strings) {
        at = text.indexOf(s, at);
        if (at < 0) {
            ADD_FAILURE() << "missing or out of order: " << s.toStdString();
            return false;
        }
        at += s.size();
    }
    return true;
}

}  // namespace jubilo::testing

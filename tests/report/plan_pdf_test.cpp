// The plan sheet's PDF end to end: the report run builds and saves the
// workbook as the program does, a new engine host opens the saved .xls and
// exports its pages, and poppler's tools read them back. Set
// JUBILO_PLAN_PDF_DIR to a folder to keep the example plan's workbook and
// PDF there (scripts/compare-pdf-with-libreoffice.sh does).

#include "host/engine/engine_host.h"
#include "plan/plan.h"
#include "report/report_run.h"
#include "tests/support/pdf_readers.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::pdfInfo;
using testing::pdfText;

// Keeps the saved workbook's path; the run's windows are not needed.
class WorkbookScreens : public ReportScreens {
public:
    void setBusyPointer(bool) override {}
    void loadPreviewPicture(std::shared_ptr<const HostPicture>) override {}
    void setPreviewWorkbook(const QString& path) override { workbook = path; }
    void showPreview() override {}
    void hideMainWindow() override {}

    QString workbook;
};

class PlanPdfTest : public testing::ScriptedSystemTest {
protected:
    void SetUp() override
    {
        if (!testing::popplerInstalled())
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdffonts, pdfimages) is not installed";
        ASSERT_TRUE(temp.isValid());
        sys.hostFactory = createEngineHost;
        sys.runningHostLookup = runningEngineHost;
        sys.env = {"TEMP=" + temp.path()};
    }

    // The plan's workbook saved by the report run, exported from a new host;
    // both copied to `keepAs`.xls and .pdf when given.
    QString planPdf(const Plan& plan, const QString& keepAs = {})
    {
        WorkbookScreens screens;
        generateReport(plan, screens);
        EXPECT_TRUE(sys.messages.empty()) << sys.messages.front().text.toStdString();
        if (screens.workbook.isEmpty())
            return {};
        const QString pdf = temp.filePath(QStringLiteral("plan.pdf"));
        auto host = createEngineHost(QStringLiteral("Excel.Application"));
        host->workbooks()->open(screens.workbook)->exportAsFixedFormat(xl::kTypePDF, pdf);
        host->quit();
        if (!keepAs.isEmpty()) {
            QFile::remove(keepAs + ".xls");
            QFile::remove(keepAs + ".pdf");
            EXPECT_TRUE(QFile::copy(screens.workbook, keepAs + ".xls") && QFile::copy(pdf, keepAs + ".pdf"))
                << keepAs.toStdString();
        }
        QFile::remove(screens.workbook);  // the preview's, removed when it closes
        return pdf;
    }

    testing::UsEnglishLocale english;
    QTemporaryDir temp;
};

// The example plan's sheet, row by row, each row's cells left to right.
const QList<QStringList> kSampleRows = {
    {"Holiday Party Plans", "2021 | August 31 | 09 PM"},
    {"Guests", "Address Invitation Was Sent To", "RSVP?", "Number in Party"},
    {"John", "NY City", "Yes", "1"},
    {"Total:", "1"},
    {"Music", "Format", "Purchased?", "Budget: $15.00"},
    {"Dance", "CD", "No", "$9.99"},
    {"Total:", "$9.99"},
    {"Decorations", "Number", "Purchased?", "Budget: $25.00"},
    {"Garland", "3", "Yes", "$3.04"},
    {"Total:", "$3.04"},
    {"Food and Drinks", "Ingredients", "Purchased?", "Budget: $50.00"},
    {"Barbeque", "Meat", "Yes", "$20.00"},
    {"Total:", "$20.00"},
    {"Other Supplies", "Purchased?", "Budget: $30.00"},
    {"Lights", "Yes", "$14.99"},
    {"Total:", "$14.99"},
    {"Incidentals", "Purchased?", "Budget: $20.00"},
    {"Other", "No", "$0.00"},
    {"Total:", "$0.00"},
    {"Schedule"},
    {"Task", "Time", "Notes"},
    {"Buy meals", "11:10 AM", "Nearest store"},
    {"At The Party"},
    {"Activity", "Time", "Notes"},
    {"Dancing", "7:00 PM", "If guests want to"},
};

// The index of the first row whose cells are not found left to right on one
// line of `text`, below the line of the row before it; -1 when all are.
int firstRowNotFound(const QString& text, const QList<QStringList>& rows)
{
    const QStringList lines = text.split(u'\n');
    qsizetype line = 0;
    for (int r = 0; r < rows.size(); ++r, ++line) {
        const auto holds = [&](const QString& l) {
            qsizetype at = 0;
            for (const QString& cell : rows[r])
                if ((at = l.indexOf(cell, at)) < 0)
                    return false;
                else
                    at += cell.size();
            return true;
        };
        while (line < lines.size() && !holds(lines[line]))
            ++line;
        if (line == lines.size())
            return r;
    }
    return -1;
}

TEST_F(PlanPdfTest, SamplePlanIsOneA4PageOfEmbeddedTextInReadingOrder)
{
    const QString keep = qEnvironmentVariable("JUBILO_PLAN_PDF_DIR");
    const QString pdf = planPdf(testing::samplePlan(), keep.isEmpty() ? QString() : keep + "/sample-plan");
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pdfInfo(pdf, "Pages"), QStringLiteral("1"));
    EXPECT_EQ(pdfInfo(pdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
    EXPECT_EQ(pdfInfo(pdf, "Page rot"), QStringLiteral("0"));

    const QString text = pdfText(pdf);
    EXPECT_EQ(firstRowNotFound(text, kSampleRows), -1) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Total:")), 6);

    const QStringList fonts = testing::pdfFonts(pdf);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(testing::fontEmbedded(font)) << "not embedded: " << font.toStdString();
    EXPECT_EQ(testing::pdfImages(pdf), QStringList());
}

// Rows named "<label> <n>" in the order the text gives them.
QList<std::pair<QString, int>> numberedRows(const QString& text)
{
    static const QRegularExpression row(QStringLiteral("\\b(Guest|Song|Deco|Item|Supply|Other|Task|Dance) (\\d+)\\b"));
    QList<std::pair<QString, int>> rows;
    for (const auto& m : row.globalMatch(text))
        rows.append({m.captured(1), m.captured(2).toInt()});
    return rows;
}

// The height of the first word `text` on `page`, points; 0 when none.
double wordHeight(const QString& pdf, int page, const QString& text)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const QString number = QString::number(page);
    const QString html = testing::pdfTool(QStringLiteral("pdftotext"),
                                          {QStringLiteral("-bbox"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                                           number, pdf, QStringLiteral("-")});
    for (const auto& m : word.globalMatch(html))
        if (m.captured(3) == text)
            return m.captured(2).toDouble() - m.captured(1).toDouble();
    return 0;
}

// Guests and activities in Chinese, Arabic, Hebrew, Devanagari and with
// emoji: saved in the workbook and exported from it, every text comes back.
TEST_F(PlanPdfTest, PlanInOtherScriptsGivesEveryTextBack)
{
    Plan plan = testing::samplePlan();
    testing::appendRows(plan, TableId::Guests,
                        {{"李雷", "北京", "Yes", "2"}, {"سارة", "תל אביב", "No", "1"}, {"प्रिया", "मुंबई", "Yes", "3"}});
    testing::appendRows(plan, TableId::Activities, {{"Karaoke 🎤", "08:00 PM", "Songs 🎶"}});
    const QString text = pdfText(planPdf(plan));
    for (const char* typed : {"李雷", "北京", "سارة", "תל", "אביב", "प्रिया", "मुंबई", "Karaoke 🎤", "Songs 🎶"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(typed))) << typed << " not in\n" << text.toStdString();
}

// Fitted to one page wide and tall, the sheet's 8,017 rows (about 114,300
// points) would fit one page at under 1%; fitted to the width alone, they
// print at full size on more than 114,300 / 770 pages (770 points between
// the half-inch margins), cut between rows, every row once.
TEST_F(PlanPdfTest, ThousandRowsPlanPrintsEveryRowOnceFittedToTheWidth)
{
    const int rows = 1000;
    const QString pdf = planPdf(testing::planWithRows(rows));
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_GE(pdfInfo(pdf, "Pages").toInt(), 149);
    EXPECT_LE(pdfInfo(pdf, "Pages").toInt(), 160);
    EXPECT_EQ(pdfInfo(pdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
    EXPECT_GT(wordHeight(pdf, 1, QStringLiteral("Guest")), 8);  // 10-point text, not a strip

    const QString text = pdfText(pdf);
    QList<std::pair<QString, int>> expected;
    for (const char* label : {"Guest", "Song", "Deco", "Item", "Supply", "Other", "Task", "Dance"})
        for (int n = 1; n <= rows; ++n)
            expected.append({QString::fromLatin1(label), n});
    const auto found = numberedRows(text);
    ASSERT_EQ(found.size(), expected.size());
    EXPECT_TRUE(found == expected) << "rows missing, repeated or out of order";
    // Totals over every row: guests 1 + ... + 1000, music 1.25 times that,
    // food 1,000 * 1,000.10.
    EXPECT_TRUE(testing::inOrder(text,
                                 {"Holiday Party Plans", "Guest 1", "Total:", "500500", "Music", "$1,250.00",
                                  "Total:", "$625,625.00", "Food and Drinks", "Total:", "$1,000,100.00", "At The Party",
                                  "Dance 1000"}));
    EXPECT_EQ(text.count(QStringLiteral("Total:")), 6);
    for (const QString& font : testing::pdfFonts(pdf))
        EXPECT_TRUE(testing::fontEmbedded(font)) << "not embedded: " << font.toStdString();
}

}  // namespace
}  // namespace jubilo

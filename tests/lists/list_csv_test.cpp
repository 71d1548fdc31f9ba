// A list exported as CSV: the byte-order mark, the headers, every awkward
// cell read back exactly, by our reader and by LibreOffice.

#include "lists/delimited_reader.h"
#include "lists/list_csv.h"
#include "tests/support/external_tools.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

PlanTable awkwardGuests()
{
    PlanTable guests(tableSpec(TableId::Guests));
    guests.append({"Zoë \"Zee\" Ålund", "12 Rue de l'Église, Paris", "Yes", "2"});
    guests.append({"Ann", "Flat 3\nOak St", "No", "1"});
    guests.append({"  spaced  ", "日本, 東京", "Yes", "12"});
    guests.append({"Bob; Jr.", "tab\there", "No", "3"});
    return guests;
}

QList<QStringList> expectedCells(const PlanTable& table)
{
    QList<QStringList> rows{{"Guest(s)", "Address", "RSVP?", "Number in Party"}};
    for (const PlanRow& row : table.allRows())
        rows << row;
    return rows;
}

TEST(ListCsvTest, TheHeadersThenEveryCellReadBackExactlyAfterAByteOrderMark)
{
    const PlanTable guests = awkwardGuests();
    const QByteArray csv = listCsv(guests);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"
                               "Guest(s),Address,RSVP?,Number in Party\r\n"))
        << csv.left(60).data();
    QList<QStringList> read;
    for (const DelimitedReader::Row& row : readDelimitedRows(QByteArrayView(csv).sliced(3), ',')) {
        QStringList cells;
        for (const QByteArray& field : row)
            cells << QString::fromUtf8(field);
        read << cells;
    }
    EXPECT_EQ(read, expectedCells(guests));
    EXPECT_EQ(listCsv(PlanTable(tableSpec(TableId::Schedules))),
              "\xEF\xBB\xBF"
              "Task,Time,Notes\r\n")
        << "an empty list is its headers";
}

// LibreOffice's text import as it reads a UTF-8 CSV (comma, double quote,
// UTF-8): the mark is taken for what it is, not for text of the first cell.
TEST(ListCsvTest, LibreOfficeOpensTheFileWithTheSameCells)
{
    QTemporaryDir dir;
    const PlanTable guests = awkwardGuests();
    QDir(dir.path()).mkdir("out");
    const QString file = dir.filePath("Guests.csv");
    testing::writeFile(file, listCsv(guests));
    const testing::ProcessResult result
        = testing::runProcess("soffice",
                              {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--norestore",
                               "--infilter=Text - txt - csv (StarCalc):44,34,76,1", "--convert-to",
                               testing::kCsvAsStored, "--outdir", dir.filePath("out"), file});
    ASSERT_TRUE(result.succeeded()) << result.output.toStdString();
    EXPECT_EQ(testing::readCsv(dir.filePath("out/Guests.csv")), expectedCells(guests));
}

}  // namespace
}  // namespace jubilo
